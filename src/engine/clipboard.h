// Log lines as clipboard text, and back: one tab-separated line per log line, marked so
// that other text is ignored when pasting.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "engine/contestlog.h"

namespace qz {

// What a paste of clipboard text did.
struct TPasteResult {
    int added = 0;
    // Marked lines that were not pasted, each "line N: reason" (N counts the text's
    // lines from 1).
    std::vector<std::string> rejected;
    // A pasted line held more sent or received numbers than this log keeps.
    bool surplusNumbers = false;
};

// The selected lines in log order, or line `qsoIndex` alone when none is selected.
std::string CopyToClipboard(const TContestLog& log, int qsoIndex);
// Appends the marked lines of `text` as one undo step, without any message box.
TPasteResult PasteText(TContestLog& log, std::string_view text);
// The same, showing the problems found; returns the number of lines added.
int PasteFromClipboard(TContestLog& log, std::string_view text);

}  // namespace qz
