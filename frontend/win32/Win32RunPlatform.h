#pragma once

#include <windows.h>

#include "RunPlatform.h"

// The desktop side of a conversion run on Windows: message boxes captioned
// "Trelk_Dump" over the main dialog, commands through cmd.exe (or started
// directly when cmd.exe cannot take a path), the output opened by the shell
// with the verb "open", and the wait cursor.
class Win32RunPlatform : public RunPlatform {
public:
    // The window that owns the message boxes; none until the dialog exists.
    void SetOwner(HWND owner) { m_hOwner = owner; }

    BoxAnswer ShowMessage(const std::string& text, BoxType type) override;
    int RunCommand(const ShellCommand& command) override;
    void OpenDocument(const std::string& path) override;
    void BeginBusy() override;
    void EndBusy() override;

private:
    HWND m_hOwner = nullptr;
    HCURSOR m_hOldCursor = nullptr;
};
