#pragma once

#include "RunPlatform.h"

class wxWindow;

// The desktop side of a conversion run: message boxes captioned
// "Trelk_Dump" over the main dialog, commands through /bin/sh, the default
// application for the output, and the busy cursor.
class WxRunPlatform : public RunPlatform {
public:
    explicit WxRunPlatform(wxWindow* parent) : m_parent(parent) {}

    BoxAnswer ShowMessage(const std::string& text, BoxType type) override;
    int RunCommand(const ShellCommand& command) override;
    void OpenDocument(const std::string& path) override;
    void BeginBusy() override;
    void EndBusy() override;

private:
    wxWindow* m_parent;
};
