// Shows the main dialog, or with --about the about box, until it is closed;
// the screenshot script photographs it. With --custom the custom row is
// selected, so the editable line-format edit can be seen.
#include <cstring>

#include <wx/app.h>

#include "CAboutDialog.h"
#include "CDumpDialog.h"

namespace {

class PreviewApp : public wxApp {
public:
    bool OnInit() override
    {
        bool about = false;
        bool custom = false;
        for (int i = 1; i < argc; ++i) {
            about = about || argv[i] == "--about";
            custom = custom || argv[i] == "--custom";
        }
        if (about) {
            CAboutDialog box(nullptr);
            box.ShowModal();
        } else {
            CDumpDialog dialog;
            if (custom)
                dialog.m_nFormatPreset = 16;
            dialog.ShowModal();
        }
        return false;
    }
};

} // namespace

wxIMPLEMENT_APP_NO_MAIN(PreviewApp);

int main(int argc, char** argv)
{
    return wxEntry(argc, argv);
}
