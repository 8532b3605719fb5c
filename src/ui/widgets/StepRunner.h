#pragma once

#include <QLoggingCategory>

#include <functional>
#include <vector>

// The program's one way of going on after a failure. A handler whose steps
// must each be carried out even when one of them fails lists those steps
// here: runSteps() calls them in order, abandons a step that throws and goes
// on with the next; an empty step is skipped. The user sees nothing.
//
// Only calls that can throw belong in the list: calls into the model, which
// refuses bad input, and the operations other parts register (the report's,
// the start-up's). Plain Qt setters cannot fail and are called directly.
struct Step {
    const char* name; // what the step does, as the log of skipped steps tells it
    std::function<void()> run;
};
void runSteps(const std::vector<Step>& steps) noexcept;

// A developer's trace of what was skipped: each skipped step by name with
// its error, in the logging category "azivoder.steps". It is off unless
// asked for (QT_LOGGING_RULES="azivoder.*=true"), so the program keeps no
// log of its own.
Q_DECLARE_LOGGING_CATEGORY(stepsLog)
void logSkippedStep(const char* step, const char* error) noexcept;
