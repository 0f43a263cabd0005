#include "BrowseDialog.h"

#include <wx/filedlg.h>
#include <wx/filefn.h>
#include <wx/filename.h>

namespace {

// A name that the file dialogs read as a pattern: it holds "*" or "?".
bool IsWildcardPattern(const wxString& name)
{
    return name.find_first_of("*?") != wxString::npos;
}

}  // namespace

std::optional<wxString> BrowseForFile(wxWindow* parent, const wxString& title,
                                      const wxString& filter, long style)
{
    wxString directory = wxGetCwd();
    wxString filters = filter;
    for (;;) {
        wxFileDialog dialog(parent, title, directory, wxString(), filters, style);
        if (dialog.ShowModal() != wxID_OK)
            return std::nullopt;
        const wxFileName chosen(dialog.GetPath());
        const wxString name = chosen.GetFullName();
        if (name.empty())
            return std::nullopt;
        if (!IsWildcardPattern(name)) {
            wxSetWorkingDirectory(chosen.GetPath());
            return chosen.GetFullPath();
        }
        directory = chosen.GetPath();
        filters = name + "|" + name + "|" + filter;
    }
}

std::string WithDefaultExtension(const std::string& path, const std::string& extension)
{
    const std::string::size_type slash = path.find_last_of('/');
    const std::string::size_type nameStart = slash == std::string::npos ? 0 : slash + 1;
    if (nameStart == path.size() || path.find('.', nameStart) != std::string::npos)
        return path;
    return path + "." + extension;
}
