// The settings-file reader on any bytes: the file opened by name, read
// through the archive into the dialog values, as the start-up does.
//
// Checked: a load either succeeds or throws CArchiveException; it holds no
// more heap than a small multiple of the file, whatever its length prefixes
// claim; a file that cannot tell its length (a pipe) loads the same way as a
// regular one; and what a successful load gives stores into a file that
// loads back to the same values and stores again to the same bytes, no
// longer than the items read.
#include "Check.h"
#include "HeapWatch.h"
#include "MemoryFile.h"

#include "CArchive.h"
#include "CArchiveException.h"
#include "CFile.h"
#include "DumpValues.h"
#include "StoredValues.h"

#include <cstdint>
#include <string>
#include <string_view>

#include <fcntl.h>
#include <unistd.h>

namespace {

// A pipe holds this much without a reader.
constexpr std::size_t kPipeCapacity = 64 * 1024;

// The archive's buffer lives in the archive object; strings grow with the
// bytes actually read.
std::int64_t heapBound(std::size_t fileSize)
{
    return 64 * 1024 + 4 * static_cast<std::int64_t>(fileSize);
}

// Loads from an opened file; false on CArchiveException.
bool loadFrom(CFile& file, DumpValues& values)
{
    try {
        CArchive ar(file, CArchive::load);
        values.Serialize(ar);
        ar.Close();
        return true;
    } catch (const CArchiveException&) {
        return false;
    }
}

bool loadFile(const std::string& path, DumpValues& values, std::size_t fileSize)
{
    HeapWatch heap;
    bool loaded;
    {
        CFile file;
        check(file.Open(path, CFile::modeRead), "cannot open the settings file");
        loaded = loadFrom(file, values);
    }
    check(heap.peak() <= heapBound(fileSize), "loading takes more heap than the file holds");
    return loaded;
}

// The same bytes through a pipe: the archive cannot learn the length.
bool loadPipe(std::string_view bytes, DumpValues& values)
{
    int ends[2];
    check(pipe2(ends, O_CLOEXEC) == 0, "pipe failed");
    check(write(ends[1], bytes.data(), bytes.size()) == static_cast<ssize_t>(bytes.size()), "pipe write failed");
    HeapWatch heap;
    bool loaded;
    {
        CFile file;
        // Opened while the write end is still open, so the open does not wait
        // for a writer; closed afterwards, so the reader sees the end.
        const bool opened = file.Open("/proc/self/fd/" + std::to_string(ends[0]), CFile::modeRead);
        close(ends[1]);
        check(opened, "cannot open the pipe");
        loaded = loadFrom(file, values);
    }
    close(ends[0]);
    check(heap.peak() <= heapBound(bytes.size()), "loading a pipe takes more heap than it delivers");
    return loaded;
}

std::string store(DumpValues& values)
{
    static MemoryFile stored;
    {
        CFile file;
        check(file.Open(stored.path(), CFile::modeCreate | CFile::modeWrite), "cannot create the file");
        CArchive ar(file, CArchive::store);
        values.Serialize(ar);
        ar.Close();
        check(file.Close(), "closing the stored file failed");
    }
    return stored.contents();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static MemoryFile input;
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    input.assign(bytes);

    DumpValues values;
    const bool loaded = loadFile(input.path(), values, size);
    if (size <= kPipeCapacity) {
        DumpValues fromPipe;
        check(loadPipe(bytes, fromPipe) == loaded, "a pipe and a file load differently");
        if (loaded)
            check(StoredValues(fromPipe) == StoredValues(values), "a pipe and a file give other values");
    }
    if (!loaded)
        return 0;

    const std::string first = store(values);
    check(first.size() <= size, "the stored file is longer than the items read");
    input.assign(first);
    DumpValues again;
    check(loadFile(input.path(), again, first.size()), "a stored file does not load");
    check(StoredValues(again) == StoredValues(values), "values change on the way through the file");
    check(store(again) == first, "storing the same values gives other bytes");
    return 0;
}
