#include "ui/widgets/StepRunner.h"

void runSteps(const std::vector<std::function<void()>>& steps) noexcept {
    for (const std::function<void()>& step : steps) {
        if (!step)
            continue;
        try {
            step();
        } catch (...) {
        }
    }
}
