#include "base/frontend.h"

#include <atomic>

namespace qz {

namespace {
// Shared by every thread that has no front end of its own, so it keeps nothing.
class TNullFrontEnd final : public TSilentFrontEnd {
public:
    void ShowInfoMessage(const std::string&) override {}
    void ShowErrorMessage(const std::string&) override {}
};

TFrontEnd& DefaultFrontEnd() {
    static TNullFrontEnd silent;
    return silent;
}
std::atomic<TFrontEnd*> current{nullptr};
thread_local TFrontEnd* threadFrontEnd = nullptr;
}  // namespace

TThreadFrontEnd::TThreadFrontEnd(TFrontEnd& frontEnd) : previous_(threadFrontEnd) { threadFrontEnd = &frontEnd; }
TThreadFrontEnd::~TThreadFrontEnd() { threadFrontEnd = previous_; }

void SetFrontEnd(TFrontEnd* frontEnd) { current.store(frontEnd); }

TFrontEnd& FrontEnd() {
    if (threadFrontEnd) return *threadFrontEnd;
    TFrontEnd* f = current.load();
    return f ? *f : DefaultFrontEnd();
}

void ShowInfoMessage(const std::string& text) { FrontEnd().ShowInfoMessage(text); }
void ShowErrorMessage(const std::string& text) { FrontEnd().ShowErrorMessage(text); }
TMsgAnswer AskYesNo(const std::string& text) { return FrontEnd().AskYesNo(text); }
TMsgAnswer AskOkCancel(const std::string& text) { return FrontEnd().AskOkCancel(text); }
TMsgAnswer AskYesNoCancel(const std::string& text) { return FrontEnd().AskYesNoCancel(text); }
void ProgressStart(int maximum) { FrontEnd().ProgressStart(maximum); }
void ProgressStep(int delta) { FrontEnd().ProgressStep(delta); }
void ProgressEnd() { FrontEnd().ProgressEnd(); }
void Beep() { FrontEnd().Beep(); }

}  // namespace qz
