#include "DialogBuilder.h"

#include <wx/button.h>
#include <wx/checkbox.h>
#include <wx/choice.h>
#include <wx/dialog.h>
#include <wx/fontenum.h>
#include <wx/statbmp.h>
#include <wx/statbox.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>

#include "AppIcon.h"
#include "DialogTemplate.h"
#include "NarrowEdit.h"

namespace {

constexpr int kClosedListHeight = 14;  // dialog units: as high as a button
constexpr int kNarrowEditWidth = 40;   // dialog units: an edit for a few characters

wxString Ui(const char* utf8)
{
    return wxString::FromUTF8(utf8);
}

// The template's face where it is installed, else a face with the same
// metrics class that covers the half-width kana of the texts.
wxFont TemplateFont(const DialogTemplate& t)
{
    const char* const faces[] = {t.fontFace, "MS PGothic", "IPAPGothic"};
    for (const char* face : faces) {
        if (wxFontEnumerator::IsValidFacename(Ui(face)))
            return wxFont(wxFontInfo(t.pointSize).FaceName(Ui(face)));
    }
    // None installed: the last name still gives the font system a
    // proportional Japanese Gothic to substitute.
    return wxFont(wxFontInfo(t.pointSize).FaceName(Ui(faces[2])));
}

class ControlBuilder {
public:
    explicit ControlBuilder(wxDialog& dialog) : m_dialog(dialog) {}

    void Add(const TemplateControl& c)
    {
        wxWindow* control = Create(c);
        if (c.style & TPL_HIDDEN)
            control->Hide();
    }

private:
    wxWindow* Create(const TemplateControl& c)
    {
        const wxPoint pos = Pos(c.rect);
        const wxSize size = Size(c.rect);
        switch (c.kind) {
        case ControlKind::PushButton:
            return new wxButton(&m_dialog, c.id, Ui(c.text), pos, size);
        case ControlKind::DefPushButton: {
            auto* button = new wxButton(&m_dialog, c.id, Ui(c.text), pos, size);
            button->SetDefault();
            return button;
        }
        case ControlKind::GroupBox:
            return new wxStaticBox(&m_dialog, c.id, Ui(c.text), pos, size);
        case ControlKind::Label:
            return new wxStaticText(&m_dialog, c.id, Ui(c.text), pos, size, wxST_NO_AUTORESIZE);
        case ControlKind::Edit:
            return Edit(c, pos, size);
        case ControlKind::CheckBox:
            return CheckBox(c, pos, size);
        case ControlKind::DropDownList:
            // The template's height is that of the open list, which the
            // toolkit sizes itself here.
            return new wxChoice(&m_dialog, c.id, pos,
                                wxSize(size.x, Size({0, 0, 0, kClosedListHeight}).y));
        case ControlKind::Icon:
            return new wxStaticBitmap(&m_dialog, c.id, LoadAppIconLarge(), pos);
        }
        return nullptr;
    }

    wxWindow* Edit(const TemplateControl& c, const wxPoint& pos, const wxSize& size)
    {
        const long style = (c.style & TPL_CENTRED) ? wxTE_CENTRE : 0;
        auto* edit = new wxTextCtrl(&m_dialog, c.id, Ui(c.text), pos, size, style);
        if (c.rect.width < kNarrowEditWidth)
            FitNarrowEdit(edit);
        return edit;
    }

    // A box lower than the toolkit's check mark gets the height it needs,
    // centred on the template's row.
    wxWindow* CheckBox(const TemplateControl& c, wxPoint pos, wxSize size)
    {
        auto* box = new wxCheckBox(&m_dialog, c.id, Ui(c.text), pos, size);
        const int needed = box->GetBestSize().y;
        if (needed > size.y) {
            pos.y -= (needed - size.y) / 2;
            size.y = needed;
            box->SetSize(wxRect(pos, size));
        }
        return box;
    }

    wxPoint Pos(const DluRect& r) const { return m_dialog.ConvertDialogToPixels(wxPoint(r.x, r.y)); }
    wxSize Size(const DluRect& r) const
    {
        return m_dialog.ConvertDialogToPixels(wxSize(r.width, r.height));
    }

    wxDialog& m_dialog;
};

}  // namespace

void CreateFromTemplate(wxDialog& dialog, wxWindow* parent, int templateId)
{
    const DialogTemplate& t = FindDialogTemplate(templateId);
    // No minimise or maximise box, no resizing. A window with no owner gets
    // a taskbar entry of its own.
    long style = wxCAPTION | wxSYSTEM_MENU | wxCLOSE_BOX;
    if (t.frame == TPL_APPWINDOW && parent == nullptr)
        style |= wxDIALOG_NO_PARENT;
    dialog.Create(parent, t.id, Ui(t.caption), wxDefaultPosition, wxDefaultSize, style);
    // Dialog units follow the font, so it comes first.
    dialog.SetFont(TemplateFont(t));
    dialog.SetClientSize(dialog.ConvertDialogToPixels(wxSize(t.width, t.height)));
    ControlBuilder builder(dialog);
    for (const TemplateControl& c : t.controls)
        builder.Add(c);
}
