#pragma once

#include <wx/iconbndl.h>

// Icon 128, the application icon, in the sizes drawn for it (16, 32 and 48
// pixels), built from PNG data compiled into the program.
wxIconBundle LoadAppIcon();

// The 32-pixel image, as the about box shows it.
wxIcon LoadAppIconLarge();
