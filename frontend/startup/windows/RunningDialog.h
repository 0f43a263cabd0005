#pragma once

// The single-instance check on Windows: a top-level window of the system's
// dialog class (#32770) titled exactly "Trelk Dump" is a running main
// dialog. When there is one, it comes to the foreground (restored when
// minimised), and its last active pop-up (a message box, a file dialog, the
// about box) above it. True when one was found.
bool BringRunningDialogForward();
