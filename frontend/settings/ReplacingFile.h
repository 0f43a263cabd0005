#pragma once

#include <string>
#include <utility>

#include "CFile.h"

// A file written anew as a whole, such as the settings file: the new content
// goes into a temporary file next to the old one ("<name>.tmp") and takes
// the old file's place only once it is complete and on disk, so a failed or
// interrupted write leaves the old file as it was. A path that leads through
// symbolic links replaces the file at their end, so the links stay. A path
// that names something other than a regular file (a device, say) is written
// in place, as there is nothing to put in its stead.
class ReplacingFile {
public:
    explicit ReplacingFile(std::string path) : m_strPath(std::move(path)) {}
    // An unfinished write removes its temporary file.
    ~ReplacingFile() { Discard(); }
    ReplacingFile(const ReplacingFile&) = delete;
    ReplacingFile& operator=(const ReplacingFile&) = delete;

    // False when the file cannot be written: it refuses writing (a
    // directory, no access), or no temporary file can be made beside it.
    bool Open();
    // Where the new content goes, once open.
    CFile& File() { return m_file; }
    // Puts the new content on disk and in place of the old file; false when
    // that fails, and then the old file stays and the temporary file goes.
    bool Commit();
    // Gives the new content up: the old file stays, the temporary file goes.
    void Discard();

private:
    bool CreateTemporary();

    std::string m_strPath;
    std::string m_strTarget;  // the regular file replaced, links followed
    std::string m_strTemp;    // empty when nothing is to be replaced
    CFile m_file;
};
