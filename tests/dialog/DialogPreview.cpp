// Shows the main dialog, or with --about the about box, until it is closed;
// the screenshot script photographs it. With --custom the custom row is
// selected, so the editable line-format edit can be seen; --filler=TEXT and
// --ext=TEXT put wider texts into the two narrow edits.
#include <cstring>

#include <wx/app.h>

#include "AppPaths.h"
#include "CAboutDialog.h"
#include "CDumpDialog.h"
#include "DumpDialogWindow.h"

namespace {

class PreviewApp : public wxApp {
public:
    bool OnInit() override
    {
        bool about = false;
        bool custom = false;
        wxString filler;
        wxString ext;
        for (int i = 1; i < argc; ++i) {
            const wxString arg = argv[i];
            about = about || arg == "--about";
            custom = custom || arg == "--custom";
            arg.StartsWith("--filler=", &filler);
            arg.StartsWith("--ext=", &ext);
        }
        if (about) {
            CAboutDialog box(nullptr);
            box.ShowModal();
        } else {
            const AppPaths paths;
            CDumpDialog dialog(paths);
            if (custom)
                dialog.m_nFormatPreset = 16;
            if (!filler.empty())
                dialog.m_strFiller = filler.utf8_string();
            if (!ext.empty())
                dialog.m_strOutputExt = ext.utf8_string();
            DumpDialogWindow window(dialog);
            window.ShowModal();
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
