#pragma once

#include <functional>
#include <vector>

// The program's one way of going on after a failure. A handler whose steps
// must each be carried out even when one of them fails lists those steps
// here: runSteps() calls them in order, abandons a step that throws and goes
// on with the next; an empty step is skipped. Nothing is shown or logged.
//
// Only calls that can throw belong in the list: calls into the model, which
// refuses bad input, and the operations other parts register (the report's,
// the start-up's). Plain Qt setters cannot fail and are called directly.
void runSteps(const std::vector<std::function<void()>>& steps) noexcept;
