#pragma once

#include <string>

// Text between the front end's two encodings and the system's UTF-16 calls.
// Values (paths, formats, the user name) are code page 932 bytes on every
// Windows locale, as the settings and parameter files hold them; the
// program's own literals are UTF-8. The system's "A" calls would use the
// locale's ANSI code page instead, so the front end calls the "W" ones and
// converts here, always with these two code pages named.

// Code page 932 bytes as UTF-16. Bytes that are not valid code page 932
// become the code page's default character.
std::wstring WidenCp932(const std::string& cp932);

// UTF-16 as code page 932 bytes. Characters that code page 932 does not
// have become "?"; lossy, when given, tells whether that happened.
std::string NarrowCp932(const std::wstring& wide, bool* lossy = nullptr);

// The program's UTF-8 literals as UTF-16.
std::wstring WidenUtf8(const std::string& utf8);

// A path from the system as code page 932 bytes that name the same file:
// the path itself when code page 932 has all its characters, else its short
// (8.3) form when the file system gives one that does; else the lossy text,
// which then names no file and is reported where it is used.
std::string NarrowCp932Path(const std::wstring& path);
