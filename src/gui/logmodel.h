// The editor grid's model: one row per line of a contest log, one column per column
// descriptor. It keeps no copy of the lines: every cell is formatted from the log when
// the view asks, so opening and scrolling cost the same for any size of log.
#pragma once

#include <QAbstractTableModel>

#include "domain/defs.h"

namespace qz {
class TContestLog;
}

namespace qz::gui {

// Whether cells of this kind open an in-place editor (numbers, marks, multipliers,
// points, flags and the hour and minute columns do not).
bool CellHasInplaceEditor(TColumnProperty property);

class TLogModel : public QAbstractTableModel {
    Q_OBJECT
public:
    explicit TLogModel(QObject* parent = nullptr);

    // The log shown (not owned; nullptr for none). Resets the whole model.
    void SetLog(const TContestLog* log);
    const TContestLog* Log() const { return FLog; }
    void SetReadOnly(bool readOnly);
    // After lines were changed in place, added, removed or reordered.
    void RowsChanged(int first, int last);
    void Rebuild();
    // Around appending one line at row `row` (the end): the view adds one row and keeps
    // everything else, which costs the same for any size of log.
    void BeginAppend(int row);
    void EndAppend();

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    const TContestLog* FLog = nullptr;
    bool FReadOnly = false;
};

}  // namespace qz::gui
