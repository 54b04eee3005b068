// The editor grid's model: one row per line of a contest log, one column per column
// descriptor. It keeps no copy of the lines: every cell is formatted from the log when
// the view asks, so opening and scrolling cost the same for any size of log.
#pragma once

#include <QAbstractTableModel>

namespace qz {
class TContestLog;
}

namespace qz::gui {

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

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    const TContestLog* FLog = nullptr;
    bool FReadOnly = false;
};

}  // namespace qz::gui
