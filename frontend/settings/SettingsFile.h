#pragma once

#include <functional>
#include <string>

struct DumpValues;

// The per-user settings file as a whole: one load before the dialog opens,
// one save after it has closed. The caller holds the per-user lock around
// each and shows the messages; the items themselves are DumpValues::Serialize.
namespace SettingsFile {

enum class LoadResult {
    Loaded,
    NotOpened,  // missing, or not a file that opens: the values stay as they were
    Damaged,    // shorter than its items, or unreadable: CArchiveException
};

// Reads the eighteen items into the values; bytes after them are ignored.
LoadResult Load(const std::string& path, DumpValues& values);

enum class SaveResult {
    Saved,
    NotOpened,    // the file refuses writing, or nothing can be made beside it
    WriteFailed,  // an item, the flush or the replacement failed
};

// Points of a save where a test build stops the process, to check what a
// kill at that moment leaves on disk.
enum class SaveStep {
    Opened,   // the file being written is open, nothing written yet
    Written,  // every byte is written, the old file not yet replaced
};

// Writes the eighteen items, telling onStep each point it passes. The new
// content replaces the file only once it is complete and on disk: a failed
// or interrupted save leaves the old settings as they were.
SaveResult Save(const std::string& path, DumpValues& values,
                const std::function<void(SaveStep)>& onStep);

}  // namespace SettingsFile
