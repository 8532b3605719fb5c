#include "app/ParentConsole.h"

#include <QtGlobal>

#ifdef Q_OS_WIN

#include <windows.h>

#include <cstdio>

namespace {

bool goesSomewhere(DWORD stream) {
    const HANDLE handle = GetStdHandle(stream);
    return handle != nullptr && handle != INVALID_HANDLE_VALUE &&
           GetFileType(handle) != FILE_TYPE_UNKNOWN;
}

} // namespace

void useParentConsole() {
    const bool out = goesSomewhere(STD_OUTPUT_HANDLE);
    const bool err = goesSomewhere(STD_ERROR_HANDLE);
    if ((out && err) || !AttachConsole(ATTACH_PARENT_PROCESS))
        return; // redirected, or started from Explorer: nothing to borrow
    if (!out)
        std::freopen("CONOUT$", "w", stdout);
    if (!err)
        std::freopen("CONOUT$", "w", stderr);
}

#else

void useParentConsole() {}

#endif
