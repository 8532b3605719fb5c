#pragma once

// Runs one step of a handler on its own: an exception from it is dropped
// and the caller goes on with its next step, so one failing control never
// stops the rest. Nothing is shown or logged.
template <typename Step> void ignoringErrors(Step&& step) noexcept {
    try {
        step();
    } catch (...) {
    }
}
