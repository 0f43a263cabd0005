#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <string>

// A binary file opened whole for reading or created (emptied) for writing.
// Unbuffered: CArchive does the buffering, so every Write reaches the system
// at once and its failure is seen there, not later at close.
class CFile {
public:
    enum OpenFlags : unsigned {
        modeRead = 0x0000,
        modeWrite = 0x0001,
        modeCreate = 0x1000,
        modeCreateNew = 0x20000,  // with modeWrite: a new file; fails when one exists
    };

    CFile() = default;
    ~CFile();
    CFile(const CFile&) = delete;
    CFile& operator=(const CFile&) = delete;

    // modeRead (a directory does not open), modeCreate | modeWrite
    // (created, or an existing file emptied) or modeCreateNew | modeWrite.
    // Any other combination, or a file already open: false.
    bool Open(const std::string& path, unsigned flags);
    // False when the system reports a failure while closing. Closing a file
    // that is not open does nothing and succeeds.
    bool Close();
    bool IsOpen() const { return m_pFile != nullptr; }

    // Bytes actually read: fewer than asked at the end of the file or on an
    // error; IsError() tells the two apart.
    std::size_t Read(void* buffer, std::size_t count);
    bool Write(const void* buffer, std::size_t count);
    bool IsError() const;
    // Waits until what was written is on the storage device; false when the
    // system reports that it could not get there.
    bool Sync();

    // -1 when the file cannot tell (a pipe, say).
    std::int64_t GetLength();
    std::int64_t GetPosition() const;

private:
    // The platform's open: a binary stream for one of the three flag
    // combinations Open takes, or nullptr.
    static std::FILE* OpenStream(const std::string& path, unsigned flags);

    std::FILE* m_pFile = nullptr;
};
