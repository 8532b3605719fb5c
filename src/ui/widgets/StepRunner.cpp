#include "ui/widgets/StepRunner.h"

#include <exception>

// Info messages: below the warnings a category shows unless told otherwise.
Q_LOGGING_CATEGORY(stepsLog, "azivoder.steps", QtWarningMsg)

void logSkippedStep(const char* step, const char* error) noexcept {
    qCInfo(stepsLog, "skipped step \"%s\": %s", step, error);
}

void runSteps(const std::vector<Step>& steps) noexcept {
    for (const Step& step : steps) {
        if (!step.run)
            continue;
        try {
            step.run();
        } catch (const std::exception& error) {
            logSkippedStep(step.name, error.what());
        } catch (...) {
            logSkippedStep(step.name, "an exception of no standard type");
        }
    }
}
