#pragma once

#include <windows.h>

#include <optional>
#include <string>

// The two file dialogs behind the browse buttons, owned by the main dialog:
// Open for the input (initial name "*.mot", flags OFN_HIDEREADONLY |
// OFN_FILEMUSTEXIST) and Save for the output (initial name "*.txt",
// default extension "txt", OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT). No
// initial directory and no OFN_NOCHANGEDIR: they start in the current
// directory, and the folder of the file chosen becomes the current
// directory. Returns the full path as code page 932; nothing when cancelled
// or when the name is only a wildcard pattern.
enum class BrowseKind { Open, Save };
std::optional<std::string> BrowseForFile(HWND owner, BrowseKind kind);
