// The Windows side of the single-instance claim, kept apart so that
// windows.h reaches no other file.
#include "program/SingleInstance.h"

#include <windows.h>

std::shared_ptr<void> claimSessionMutex(const QString& name, bool& heldByAnother) {
    heldByAnother = false;
    const std::wstring wide = (QStringLiteral("Local\\") + name).toStdWString();
    HANDLE mutex = CreateMutexW(nullptr, FALSE, wide.c_str());
    if (mutex == nullptr) {
        // A mutex of that name this process may not open is another copy's.
        heldByAnother = GetLastError() == ERROR_ACCESS_DENIED;
        return nullptr;
    }
    // The mutex exists for as long as a process holds a handle to it.
    if (GetLastError() == ERROR_ALREADY_EXISTS) {
        CloseHandle(mutex);
        heldByAnother = true;
        return nullptr;
    }
    return std::shared_ptr<void>(mutex, [](void* handle) { CloseHandle(handle); });
}
