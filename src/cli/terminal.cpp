#include "cli/terminal.h"

#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <iostream>

#include "base/encoding.h"
#include "base/language.h"

namespace qz::cli {

void Out(const std::string& text) { std::fputs(Cp1252ToUtf8(text).c_str(), stdout); }
void Err(const std::string& text) { std::fputs(Cp1252ToUtf8(text).c_str(), stderr); }

TTerminalFrontEnd::TTerminalFrontEnd(std::optional<bool> fixedAnswer, bool askForValues)
    : fixedAnswer_(fixedAnswer),
      askForValues_(askForValues),
      interactive_(::isatty(STDIN_FILENO) && ::isatty(STDERR_FILENO)),
      progressVisible_(::isatty(STDERR_FILENO)) {}

void TTerminalFrontEnd::ShowInfoMessage(const std::string& text) { Err(text + "\n"); }

void TTerminalFrontEnd::ShowErrorMessage(const std::string& text) {
    ++errors_;
    Err("qz: " + text + "\n");
}

bool TTerminalFrontEnd::Ask(const std::string& text, bool defaultYes) {
    if (fixedAnswer_) return *fixedAnswer_;
    if (!interactive_) return defaultYes;
    Err(text + (defaultYes ? " [Y/n] " : " [y/N] "));
    std::string line;
    if (!std::getline(std::cin, line)) return defaultYes;
    if (line.empty()) return defaultYes;
    return line[0] == 'y' || line[0] == 'Y' || line[0] == 'j' || line[0] == 'J';
}

// Without an answer from the user the safe choice is taken: No, Cancel.
TMsgAnswer TTerminalFrontEnd::AskYesNo(const std::string& text) {
    return Ask(text, false) ? TMsgAnswer::Yes : TMsgAnswer::No;
}

TMsgAnswer TTerminalFrontEnd::AskOkCancel(const std::string& text) {
    return Ask(text, false) ? TMsgAnswer::Ok : TMsgAnswer::Cancel;
}

TMsgAnswer TTerminalFrontEnd::AskYesNoCancel(const std::string& text) {
    return Ask(text, false) ? TMsgAnswer::Yes : TMsgAnswer::No;
}

bool TTerminalFrontEnd::QueryText(const std::string& caption, const std::string& prompt, std::string& value) {
    if (!askForValues_ || !interactive_) return false;
    Err(caption + ": " + prompt + " [" + value + "] ");
    std::string line;
    if (!std::getline(std::cin, line)) return false;
    if (!line.empty()) value = Utf8ToCp1252(line);
    return true;
}

bool TTerminalFrontEnd::ChooseFileToOpen(const std::string&, std::string&) { return false; }

void TTerminalFrontEnd::ProgressStart(int maximum) {
    progressMax_ = maximum > 0 ? maximum : 0;
    progressPos_ = 0;
    lastDrawn_ = -1;
    DrawBar();
}

void TTerminalFrontEnd::ProgressStep(int delta) {
    progressPos_ += delta;
    DrawBar();
}

void TTerminalFrontEnd::ProgressEnd() {
    if (progressVisible_ && lastDrawn_ >= 0) std::fputs("\r\033[K", stderr);
    progressMax_ = 0;
    lastDrawn_ = -1;
}

void TTerminalFrontEnd::DrawBar() {
    // Drawing costs a system call; only small logs would need it rarely, so the bar is
    // shown for long operations and redrawn only when its width changes.
    if (!progressVisible_ || progressMax_ < 2000) return;
    constexpr int kWidth = 40;
    int filled = static_cast<int>(static_cast<long long>(std::min(progressPos_, progressMax_)) * kWidth / progressMax_);
    if (filled == lastDrawn_) return;
    lastDrawn_ = filled;
    std::string bar = "\r[" + std::string(static_cast<std::size_t>(filled), '#') +
                      std::string(static_cast<std::size_t>(kWidth - filled), ' ') + "]";
    std::fputs(bar.c_str(), stderr);
    std::fflush(stderr);
}

}  // namespace qz::cli
