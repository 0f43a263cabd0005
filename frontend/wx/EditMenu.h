#pragma once

#include <functional>
#include <string>

class wxTextCtrl;

// Puts an entry at the end of an edit's own context menu (cut, copy,
// paste...), after a separator: the about entry, so that the about box can
// be reached from an edit by mouse and keyboard as from the rest of the
// dialog. `label` is a menu text with "&" before its access key; `chosen`
// runs once the menu has closed.
void AppendToEditMenu(wxTextCtrl* edit, const std::string& label, std::function<void()> chosen);
