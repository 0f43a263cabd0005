#include "CAboutDialog.h"

#include "DialogBuilder.h"
#include "ResourceIds.h"

CAboutDialog::CAboutDialog(wxWindow* parent)
{
    CreateFromTemplate(*this, parent, IDD_ABOUTBOX);
    // Button 1 is this box's OK: it, Enter and Esc close the box.
    SetAffirmativeId(IDOK_ABOUT);
    CentreOnParent();
}
