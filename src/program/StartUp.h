#pragma once

#include <functional>

inline constexpr const char* AlreadyRunningMessage = "Application is already running";

// How the process ends once every window is closed. The default leaves the
// event loop with status 0; tests observe the call instead.
using EndProcess = std::function<void()>;
void endProcessNow();

// Closes every top-level window, hidden ones included (each window's own
// close handling runs), then ends the process.
void closeAllAndEnd(const EndProcess& end = endProcessNow);
