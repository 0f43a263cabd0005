#pragma once

#include <string>

#include "NamedLock.h"

// The lock that orders the settings-file transfers of every front-end
// process with the same user name: an advisory lock (flock) on the lock file
// of that name in the account's private runtime directory. The system drops
// it when the process ends, however it ends, so a crash never leaves it held.
//
// If the lock file cannot be made, Lock and Unlock do nothing and the
// transfers go on unordered, as they would without the lock.
class UserLock : public NamedLock {
public:
    explicit UserLock(const std::string& name);
    ~UserLock() override;
    UserLock(const UserLock&) = delete;
    UserLock& operator=(const UserLock&) = delete;

    // Waits, without a time limit, until this process holds the lock.
    void Lock() override;
    void Unlock() override;

    bool IsValid() const { return m_fd >= 0; }
    const std::string& Path() const { return m_strPath; }

private:
    std::string m_strPath;
    int m_fd = -1;
};
