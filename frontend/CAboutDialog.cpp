#include "CAboutDialog.h"

#include <wx/button.h>
#include <wx/statbmp.h>
#include <wx/stattext.h>

#include "AppIcon.h"
#include "DialogFont.h"
#include "DialogUnits.h"
#include "ResourceIds.h"

namespace {

const char* const kCaption = "Trelk_Dumpのﾊﾞｰｼﾞｮﾝ情報";
const char* const kVersionLine = "Trelk_Dump Version 1.2";
const char* const kNoticeLine = "Copyright (C) Trelk Dump project";

constexpr DluRect kClient{0, 0, 235, 55};
constexpr DluRect kIcon{11, 17, 0, 0};
constexpr DluRect kVersion{40, 10, 119, 8};
constexpr DluRect kNotice{40, 25, 119, 8};
constexpr DluRect kOk{178, 7, 50, 14};

} // namespace

CAboutDialog::CAboutDialog(wxWindow* parent)
{
    Create(parent, IDD_ABOUTBOX, wxString::FromUTF8(kCaption), wxDefaultPosition,
           wxDefaultSize, wxCAPTION | wxSYSTEM_MENU | wxCLOSE_BOX);
    SetFont(DialogFont());
    SetClientSize(DluSize(this, kClient));

    new wxStaticBitmap(this, wxID_ANY, LoadAppIconLarge(), DluPosition(this, kIcon));
    new wxStaticText(this, wxID_ANY, wxString::FromUTF8(kVersionLine),
                     DluPosition(this, kVersion), DluSize(this, kVersion), wxST_NO_AUTORESIZE);
    new wxStaticText(this, wxID_ANY, wxString::FromUTF8(kNoticeLine),
                     DluPosition(this, kNotice), DluSize(this, kNotice), wxST_NO_AUTORESIZE);
    auto* ok = new wxButton(this, IDOK_ABOUT, "OK", DluPosition(this, kOk), DluSize(this, kOk));
    ok->SetDefault();
    // Button 1 is this box's OK: it, Enter and Esc close the box.
    SetAffirmativeId(IDOK_ABOUT);
    CentreOnParent();
}
