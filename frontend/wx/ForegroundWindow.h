#pragma once

class wxTopLevelWindow;

// Brings a running main dialog to the user: restores it when minimised,
// raises and activates it, and then raises the pop-up that is open over it
// (a message box, a file dialog, the about box), so that this ends up on top.
// Native pop-ups of the toolkit are found as well, not only wx windows.
void BringToForeground(wxTopLevelWindow& mainWindow);
