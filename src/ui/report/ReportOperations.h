#pragma once

#include <functional>

// What the reading report offers the main window, which reaches the report
// only through these. Any of them may be empty (no report connected).
struct ReportOperations {
    std::function<void(int castCount, int row)> append; // one casting's entry
    std::function<void()> reset;                        // empty the document
    std::function<void()> show;                         // the report window, modal
};
