#pragma once

#include <string>

// The start-up directory and the user name: they name every file that the
// front end makes itself ("<start-up directory>/<user>.dat", ".prm", ".txt")
// and locate the converter. Filled once at start-up by the application
// object, which is the one holder; the dialog and the run only read them.
struct AppPaths {
    std::string m_strStartDir;    // current directory at start-up, as the system gave it
    std::string m_strUserName;    // account name (at most 15 bytes) or "Trelk_Conv"

    // "<start-up directory><separator><name>". Nothing is adjusted: a
    // directory that already ends in a separator gives two in a row.
    std::string InStartDir(const std::string& name) const;

    // The per-user file with this extension: InStartDir("<user>.<ext>").
    std::string UserFile(const std::string& extension) const;
};

// The platform's path separator ("/" here; each platform folder defines it).
extern const char kPathSeparator[];
