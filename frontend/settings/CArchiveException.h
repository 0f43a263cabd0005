#pragma once

#include <stdexcept>

// The one failure report of the settings-file archive. The caller catches it
// around each load or save and shows its own message; what() is for tests and
// debugging only.
class CArchiveException : public std::runtime_error {
public:
    enum Cause {
        endOfFile,    // the file ends inside an item, or a length reaches past its end
        badIndex,     // a length mark this archive does not read (0xFFFE) or cannot write
        readFailed,   // the file system reported an error while reading
        writeFailed,  // the file system refused bytes (disk full, closed file)
        readOnly,     // a write on a loading archive
        writeOnly,    // a read on a storing archive
    };

    explicit CArchiveException(Cause cause) : std::runtime_error(Describe(cause)), m_cause(cause) {}

    Cause m_cause;

private:
    static const char* Describe(Cause cause)
    {
        switch (cause) {
        case endOfFile: return "settings archive: unexpected end of file";
        case badIndex: return "settings archive: invalid length mark";
        case readFailed: return "settings archive: read failed";
        case writeFailed: return "settings archive: write failed";
        case readOnly: return "settings archive: write on a loading archive";
        case writeOnly: return "settings archive: read on a storing archive";
        }
        return "settings archive: error";
    }
};
