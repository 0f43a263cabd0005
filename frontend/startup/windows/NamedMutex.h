#pragma once

#include <string>

#include "NamedLock.h"
#include "UniqueHandle.h"

// The per-user lock on Windows: the named mutex "TRELK_DUMP_<user>_MUTEX",
// shared by every process that opens the same name, not owned when made.
// The system gives it up when its owner ends, however it ends. If it cannot
// be made, Lock and Unlock do nothing and the transfers go on unordered.
class NamedMutex : public NamedLock {
public:
    // The name is code page 932, like the user name in it.
    explicit NamedMutex(const std::string& name);

    void Lock() override;
    void Unlock() override;

private:
    const UniqueHandle m_mutex;
};
