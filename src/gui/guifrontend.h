// The desktop front end of the core: message boxes as QMessageBox (titles from the
// language file), questions, a text query, the open dialog, and the progress bar in
// the main window's status bar with the busy cursor.
#pragma once

#include <QPointer>
#include <QWidget>

#include "base/droppedlines.h"
#include "base/frontend.h"

class QProgressBar;
class QStatusBar;

namespace qz::gui {

class TGuiFrontEnd : public TFrontEnd {
public:
    // `parent` owns the message boxes; the progress bar is added to `statusBar`.
    TGuiFrontEnd(QWidget* parent, QStatusBar* statusBar);
    ~TGuiFrontEnd() override;

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
    void Beep() override;

    // The progress bar, for tests and the benchmark (visible while a long operation runs).
    QProgressBar* ProgressBar() const { return FProgressBar; }
    // How often a progress indicator was started since the front end was made.
    int ProgressStarts() const { return FProgressStarts; }

private:
    QPointer<QWidget> FParent;
    QProgressBar* FProgressBar;  // owned by the status bar
    int FProgressDepth = 0;
    int FProgressStarts = 0;
    int FLastShownPercent = -1;
};

// Tells the user, in an error box, which lines of `fileName` its reader left out, so that
// a log opened from a damaged file is never taken for the whole of it. Nothing when no
// line was left out.
void ShowLinesLeftOut(const std::string& fileName, const TDroppedLines& dropped);

}  // namespace qz::gui
