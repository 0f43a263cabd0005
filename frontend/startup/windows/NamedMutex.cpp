#include "NamedMutex.h"

#include <windows.h>

#include "WideText.h"

NamedMutex::NamedMutex(const std::string& name)
    : m_hMutex(CreateMutexW(nullptr, FALSE, WidenCp932(name).c_str()))
{
}

NamedMutex::~NamedMutex()
{
    if (m_hMutex)
        CloseHandle(m_hMutex);
}

// An abandoned mutex (its last owner ended while holding it) is owned now
// as well; the settings file it guarded is replaced whole or not at all.
void NamedMutex::Lock()
{
    if (m_hMutex)
        WaitForSingleObject(m_hMutex, INFINITE);
}

void NamedMutex::Unlock()
{
    if (m_hMutex)
        ReleaseMutex(m_hMutex);
}
