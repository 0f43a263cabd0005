#pragma once

#include <optional>
#include <string>
#include <wx/string.h>

class wxWindow;

// The file dialog behind a browse button:
//  - it opens in the current directory, showing the files of its first
//    filter, with no name filled in: a filter's pattern is never a name;
//  - a name typed as a wildcard pattern ("*.lst") is not taken: the dialog
//    opens again in that folder, showing the files the pattern matches;
//  - the folder of the chosen file becomes the process's current directory
//    (the dialogs are not asked to keep it), so the next browse opens there
//    and a relative path typed afterwards names a file there.
// Returns the full path chosen; nothing when the dialog was cancelled or
// accepted without a name.
std::optional<wxString> BrowseForFile(wxWindow* parent, const wxString& title,
                                      const wxString& filter, long style);

// The Save dialog's default extension, which this toolkit's dialog does not
// add itself: a chosen name whose last path component has no dot gets "."
// and the extension; any other name is kept.
std::string WithDefaultExtension(const std::string& path, const std::string& extension);
