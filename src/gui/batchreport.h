// The end of a batch run as a window a person can work with: the summary on top, then
// one page per text the run made (the files that failed, the tagged result list, its
// table, the cross-check's findings), each read-only, scrolling and copyable.
#pragma once

#include <QDialog>

class QLabel;
class QPlainTextEdit;
class QTabWidget;

namespace qz::gui {

class TBatchReport : public QDialog {
    Q_OBJECT
public:
    TBatchReport(QWidget* parent, const QString& summary);
    // Adds a page holding `text`; tables and lists are shown in a fixed-pitch font.
    QPlainTextEdit* AddPage(const QString& title, const QString& text, bool fixedPitch);
    QString Summary() const;
    QTabWidget* Pages() const { return FPages; }
    // The selected text of the current page, else all of it, to the clipboard.
    void CopyPage();

private:
    QLabel* FSummary;
    QTabWidget* FPages;
};

}  // namespace qz::gui
