#pragma once

#include <windows.h>

// A kernel handle closed on every way out. Both failure values of the
// system's calls (INVALID_HANDLE_VALUE from CreateFile, null from others)
// count as no handle.
class UniqueHandle {
public:
    explicit UniqueHandle(HANDLE handle) : m_handle(handle) {}
    ~UniqueHandle()
    {
        if (IsOpen())
            CloseHandle(m_handle);
    }
    UniqueHandle(const UniqueHandle&) = delete;
    UniqueHandle& operator=(const UniqueHandle&) = delete;

    bool IsOpen() const { return m_handle != INVALID_HANDLE_VALUE && m_handle != nullptr; }
    HANDLE Get() const { return m_handle; }

private:
    HANDLE m_handle;
};
