// The user manual: HTML pages installed with the program's data (ManualFolder(): an
// English and a German part and the pages of the command-line commands), shown in a
// window of its own with back, forward and contents. Links between the pages are
// followed in the window, links to other places open in the desktop's browser.
#pragma once

#include <QWidget>
#include <string>

#include "base/language.h"

class QTextBrowser;

namespace qz::gui {

class TMainForm;

// The contents page of the manual in `language`.
std::string ManualIndexPath(TLanguage language);

class TManualWindow : public QWidget {
    Q_OBJECT
public:
    explicit TManualWindow(QWidget* parent = nullptr);

    // Shows the contents page in `language`; false (after a message naming the page)
    // when the manual is not installed.
    bool ShowContents(TLanguage language);
    void Retranslate();
    QTextBrowser* Browser() const { return FBrowser; }

private:
    QTextBrowser* FBrowser;
    QAction* FBack;
    QAction* FForward;
    QAction* FContents;
    TLanguage FLanguage = lEnglish;
};

// Help2 (F1): the manual window, made on first use, at its contents page.
void ShowManual(TMainForm& window, TLanguage language);

}  // namespace qz::gui
