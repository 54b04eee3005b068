// The STF column allocation dialog: for every column of the target log, the keyword of
// the file's QsoOrder (QtcOrder) line whose values it takes, chosen from a pick list.
#pragma once

#include <QDialog>
#include <string>

#include "import/stfimport.h"

class QGroupBox;
class QTableWidget;

namespace qz::gui {

class TSTFConvertForm : public QDialog {
    Q_OBJECT
public:
    // Shows `allocation`'s rows; `fileName` is the caption.
    TSTFConvertForm(const std::string& fileName, const TSTFAllocation& allocation, QWidget* parent = nullptr);

    // The allocation with the user's choices.
    TSTFAllocation Allocation() const;
    // The QSO and QTC tables (the QTC one is hidden for logs without QTC traffic).
    QTableWidget* QSOTable() const { return FTables[0]; }
    QTableWidget* QTCTable() const { return FTables[1]; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QTableWidget* MakeTable(const std::vector<TSTFAllocationRow>& rows, const std::vector<std::string>& order);

    TSTFAllocation FAllocation;
    QGroupBox* FBoxes[2];
    QTableWidget* FTables[2];
};

// Shows the dialog modally; false when it was not closed with OK (`allocation` is then
// unchanged).
bool EditSTFAllocation(QWidget* parent, const std::string& fileName, TSTFAllocation& allocation);

}  // namespace qz::gui
