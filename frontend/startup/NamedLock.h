#pragma once

// The lock that orders the settings-file transfers of every front-end
// process with one user name.
class NamedLock {
public:
    virtual ~NamedLock() = default;
    // Waits, without a time limit, until this process holds the lock.
    virtual void Lock() = 0;
    virtual void Unlock() = 0;
};
