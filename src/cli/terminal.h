// The command line's front end: messages on stderr, a progress bar when stderr is a
// terminal, and questions answered from the flags --yes/--no (or asked on the
// terminal when both ends are interactive and no flag was given).
#pragma once

#include <optional>
#include <string>

#include "base/frontend.h"

namespace qz::cli {

class TTerminalFrontEnd : public TFrontEnd {
public:
    // `fixedAnswer`: the answer to every yes/no question, when the user chose one.
    // `askForValues`: prompt for exchange values (the fixed-exchange question) on an
    // interactive terminal; otherwise such questions take their default.
    explicit TTerminalFrontEnd(std::optional<bool> fixedAnswer = std::nullopt, bool askForValues = false);

    void ShowInfoMessage(const std::string& text) override;
    void ShowErrorMessage(const std::string& text) override;
    TMsgAnswer AskYesNo(const std::string& text) override;
    TMsgAnswer AskOkCancel(const std::string& text) override;
    TMsgAnswer AskYesNoCancel(const std::string& text) override;
    bool QueryText(const std::string& caption, const std::string& prompt, std::string& value) override;
    bool ChooseFileToOpen(const std::string& filter, std::string& fileName) override;
    void ProgressStart(int maximum) override;
    void ProgressStep(int delta) override;
    void ProgressEnd() override;

    int ErrorCount() const { return errors_; }

private:
    bool Ask(const std::string& text, bool defaultYes);
    void DrawBar();

    std::optional<bool> fixedAnswer_;
    bool askForValues_;
    bool interactive_;
    bool progressVisible_;
    int progressMax_ = 0;
    int progressPos_ = 0;
    int lastDrawn_ = -1;
    int errors_ = 0;
};

// Writes Windows-1252 text to stdout/stderr as UTF-8.
void Out(const std::string& text);
void Err(const std::string& text);

}  // namespace qz::cli
