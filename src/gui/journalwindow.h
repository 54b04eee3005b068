// The e-mail journal: the kept messages of the e-mail folder, one row each (file, date
// and time, call, contest); a double click shows a message read-only; the folder can
// be changed through the options.
#pragma once

#include <QDialog>
#include <string>
#include <vector>

#include "mail/journal.h"

class QLabel;
class QTableWidget;

namespace qz::gui {

class TEMailJournalForm : public QDialog {
    Q_OBJECT
public:
    explicit TEMailJournalForm(QWidget* parent = nullptr);

    // Reads the e-mail folder again.
    void Reload();
    QTableWidget* Grid() const { return FGrid; }
    const std::vector<TJournalEntry>& Entries() const { return FEntries; }
    // The read-only view of row `row`.
    void ShowMessage(int row);

private:
    QLabel* FFolder;
    QTableWidget* FGrid;
    std::vector<TJournalEntry> FEntries;
};

}  // namespace qz::gui
