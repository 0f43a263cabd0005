#pragma once

#include <string>

// What a conversion run needs from the application object: the start-up
// directory and the user name that name the front end's own files
// ("%s/%s.prm", "%s/%s.txt") and locate the converter ("%s/trelk_conv").
// CDumpApp fills it once at start-up; tests fill it directly.
struct RunContext {
    std::string m_strStartDir;
    std::string m_strUserName;
};
