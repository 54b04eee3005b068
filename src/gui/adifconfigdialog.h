// The ADIF configuration dialog: the fields an ADIF record carries, the time format,
// where the contest identifier goes and the ADIF field of each received number, with an
// example record of the log; stored in the settings when closed with OK.
#pragma once

#include <QDialog>
#include <QHash>
#include <string>
#include <vector>

#include "export/adifexport.h"

class QCheckBox;
class QLabel;
class QPlainTextEdit;
class QRadioButton;
class QTableWidget;

namespace qz::gui {

class TADIFConfigForm : public QDialog {
    Q_OBJECT
public:
    // Loads the stored settings for `log`'s received-number table.
    explicit TADIFConfigForm(const TContestLog& log, QWidget* parent = nullptr);

    // The controls' state; field names that are not valid count as empty.
    TADIFConfig Config() const;
    // Sets every control from `config`.
    void SetConfig(const TADIFConfig& config);
    // Every control back to the defaults, the table with its proposals.
    void RestoreDefaults();

    // Why the field name of row `row` cannot be stored; "" when it can.
    QString RowError(int row) const;

    QCheckBox* FieldBox(const QString& name) const { return FBoxes.value(name); }
    QTableWidget* RcvdTable() const { return FTable; }
    QPlainTextEdit* Example() const { return FExample; }

public slots:
    void accept() override;

private:
    void UpdateExample();
    QString RowText(int row) const;

    const TContestLog& FContestLog;
    std::vector<TADIFRcvdRow> FRows;
    QHash<QString, QCheckBox*> FBoxes;
    QRadioButton* FTimeFormat[2];
    QRadioButton* FContestId[2];
    QTableWidget* FTable;
    QLabel* FError;
    QPlainTextEdit* FExample;
};

// Whether `name` may carry a received number: an ADIF field name (a letter, then
// letters, digits and "_") that the record does not write itself. "" is allowed.
bool FreeADIFFieldName(const std::string& name);

// Shows the dialog for `log`; on OK stores the settings and returns true.
bool ShowADIFConfigDialog(QWidget* parent, const TContestLog& log);

}  // namespace qz::gui
