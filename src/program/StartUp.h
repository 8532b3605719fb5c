#pragma once

#include <functional>

// The steps of a start, in the order they run. Each is optional; a step
// that throws is abandoned and the start goes on with the next.
struct StartUpSteps {
    std::function<bool()> anotherInstanceRuns;
    std::function<void()> seedRandom;
    std::function<void()> updateReminder;
    std::function<void()> showMainWindow;
    std::function<void()> coBrandRandomize;
    // Called after a refused start, once the user has been told.
    std::function<void()> closeAllAndEnd;
};

inline constexpr const char* AlreadyRunningMessage = "Application is already running";

// Returns false when another copy runs: the user has been told and
// closeAllAndEnd has been called; no later step runs.
bool runStartUp(const StartUpSteps& steps);

// How the process ends once every window is closed. The default leaves the
// event loop with status 0; tests observe the call instead.
using EndProcess = std::function<void()>;
void endProcessNow();

// Closes every top-level window, hidden ones included (each window's own
// close handling runs), then ends the process.
void closeAllAndEnd(const EndProcess& end = endProcessNow);
