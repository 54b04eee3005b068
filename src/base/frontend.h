// The one door through which the core talks to the user: message boxes, questions and
// the progress indicator. Each front end (command line, desktop) installs its own
// implementation; the core never shows anything itself.
#pragma once

#include <memory>
#include <string>

namespace qz {

enum class TMsgAnswer { Ok, Cancel, Yes, No };

class TFrontEnd {
public:
    virtual ~TFrontEnd() = default;

    virtual void ShowInfoMessage(const std::string& text) = 0;
    virtual void ShowErrorMessage(const std::string& text) = 0;
    virtual TMsgAnswer AskYesNo(const std::string& text) = 0;
    virtual TMsgAnswer AskOkCancel(const std::string& text) = 0;
    virtual TMsgAnswer AskYesNoCancel(const std::string& text) = 0;

    // Asks for one line of text (the fixed-exchange dialog). Returns false when the
    // user cancels or the front end cannot ask.
    virtual bool QueryText(const std::string& caption, const std::string& prompt, std::string& value) = 0;
    // Offers a file-open dialog; false when the user cancels or no dialog is possible.
    virtual bool ChooseFileToOpen(const std::string& filter, std::string& fileName) = 0;

    virtual void ProgressStart(int maximum) = 0;
    virtual void ProgressStep(int delta) = 0;
    virtual void ProgressEnd() = 0;

    // The system's short warning sound; front ends without one ignore it.
    virtual void Beep() {}
};

// A front end that shows nothing and answers every question with its default: Yes
// questions with `defaultAnswer`, OK/Cancel with OK when that default is Yes. Error
// and info texts are kept so that a caller can report them.
class TSilentFrontEnd : public TFrontEnd {
public:
    explicit TSilentFrontEnd(TMsgAnswer defaultAnswer = TMsgAnswer::No) : defaultAnswer_(defaultAnswer) {}
    void ShowInfoMessage(const std::string& text) override { lastInfo = text; }
    void ShowErrorMessage(const std::string& text) override { lastError = text; }
    TMsgAnswer AskYesNo(const std::string&) override { return defaultAnswer_; }
    TMsgAnswer AskOkCancel(const std::string&) override {
        return defaultAnswer_ == TMsgAnswer::Yes ? TMsgAnswer::Ok : TMsgAnswer::Cancel;
    }
    TMsgAnswer AskYesNoCancel(const std::string&) override { return defaultAnswer_; }
    bool QueryText(const std::string&, const std::string&, std::string&) override { return false; }
    bool ChooseFileToOpen(const std::string&, std::string&) override { return false; }
    void ProgressStart(int) override {}
    void ProgressStep(int) override {}
    void ProgressEnd() override {}

    std::string lastInfo;
    std::string lastError;

private:
    TMsgAnswer defaultAnswer_;
};

// Installs the front end used by the free functions below (not owned; it must outlive
// its use). Passing nullptr restores the silent default.
void SetFrontEnd(TFrontEnd* frontEnd);
// The calling thread's own front end when one is installed (TThreadFrontEnd), else the
// process's.
TFrontEnd& FrontEnd();

// Gives the calling thread a front end of its own for the lifetime of the object, so
// that the worker threads of a batch collect their messages per file and answer
// questions themselves instead of sharing the process's front end. Scopes nest; the
// destructor restores the one before.
class TThreadFrontEnd {
public:
    explicit TThreadFrontEnd(TFrontEnd& frontEnd);
    ~TThreadFrontEnd();
    TThreadFrontEnd(const TThreadFrontEnd&) = delete;
    TThreadFrontEnd& operator=(const TThreadFrontEnd&) = delete;

private:
    TFrontEnd* previous_;
};

void ShowInfoMessage(const std::string& text);
void ShowErrorMessage(const std::string& text);
TMsgAnswer AskYesNo(const std::string& text);
TMsgAnswer AskOkCancel(const std::string& text);
TMsgAnswer AskYesNoCancel(const std::string& text);
void ProgressStart(int maximum);
void ProgressStep(int delta);
void ProgressEnd();
void Beep();

}  // namespace qz
