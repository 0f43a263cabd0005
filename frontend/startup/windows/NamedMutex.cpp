#include "NamedMutex.h"

#include <windows.h>

#include "WideText.h"

NamedMutex::NamedMutex(const std::string& name)
    : m_mutex(CreateMutexW(nullptr, FALSE, WidenCp932(name).c_str()))
{
}

// An abandoned mutex (its last owner ended while holding it) is owned now
// as well; the settings file it guarded is replaced whole or not at all.
void NamedMutex::Lock()
{
    if (m_mutex.IsOpen())
        WaitForSingleObject(m_mutex.Get(), INFINITE);
}

void NamedMutex::Unlock()
{
    if (m_mutex.IsOpen())
        ReleaseMutex(m_mutex.Get());
}
