// The named mutex: a second CreateMutex of the same name gets the first
// one's object and ERROR_ALREADY_EXISTS.
#include "core/InstanceLock.h"

#include <windows.h>

#include "core/win32/WideText.h"

namespace fw {

InstanceLock::~InstanceLock()
{
    Release();
}

InstanceLock::Result InstanceLock::Acquire(const std::string& name)
{
    Release();
    const HANDLE mutex = CreateMutexW(nullptr, TRUE, win32::WideFromUtf8(name).c_str());
    const DWORD error = GetLastError();
    if (mutex == nullptr)
        return Result::unavailable;   // say, another kind of object has the name
    if (error == ERROR_ALREADY_EXISTS) {
        CloseHandle(mutex);
        return Result::alreadyRunning;
    }
    m_handle = reinterpret_cast<std::intptr_t>(mutex);
    return Result::acquired;
}

void InstanceLock::Release()
{
    if (m_handle != -1) {
        CloseHandle(reinterpret_cast<HANDLE>(m_handle));
        m_handle = -1;
    }
}

}  // namespace fw
