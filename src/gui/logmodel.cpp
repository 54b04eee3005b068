#include "gui/logmodel.h"

#include <QBrush>
#include <QColor>
#include <QFont>
#include <QPalette>
#include <QApplication>

#include "engine/contestlog.h"
#include "gui/gridtext.h"
#include "gui/qtext.h"

namespace qz::gui {

namespace {

const QColor kOddRow(0xFF, 0xFF, 0xE0);  // light yellow
const QColor kReadOnlyRow(0xF0, 0xF0, 0xF0);
const QColor kSentQTC(0x00, 0x80, 0x00);
const QColor kRcvdQTC(0x00, 0x00, 0xFF);
const QString kTick = QString::fromUtf8("\u2714");

}  // namespace

bool CellHasInplaceEditor(TColumnProperty property) {
    switch (property) {
        case cpNr:
        case cpMark:
        case cpMul:
        case cpPoints:
        case cpFlags:
        case cpTimeHour:
        case cpTimeMinute: return false;
        default: return true;
    }
}

TLogModel::TLogModel(QObject* parent) : QAbstractTableModel(parent) {}

void TLogModel::SetLog(const TContestLog* log) {
    beginResetModel();
    FLog = log;
    endResetModel();
}

void TLogModel::SetReadOnly(bool readOnly) {
    if (FReadOnly == readOnly) return;
    FReadOnly = readOnly;
    if (rowCount() > 0) emit dataChanged(index(0, 0), index(rowCount() - 1, columnCount() - 1));
}

void TLogModel::RowsChanged(int first, int last) {
    if (rowCount() == 0 || columnCount() == 0) return;
    first = std::max(0, first);
    last = std::min(rowCount() - 1, last);
    if (first <= last) emit dataChanged(index(first, 0), index(last, columnCount() - 1));
}

void TLogModel::Rebuild() {
    beginResetModel();
    endResetModel();
}

void TLogModel::BeginAppend(int row) { beginInsertRows(QModelIndex(), row, row); }

void TLogModel::EndAppend() { endInsertRows(); }

Qt::ItemFlags TLogModel::flags(const QModelIndex& index) const {
    Qt::ItemFlags f = QAbstractTableModel::flags(index);
    if (FLog != nullptr && index.isValid() && !FReadOnly &&
        CellHasInplaceEditor(FLog->ColumnProperty(index.column())) && FLog->CanSelectCell(index.column(), index.row()))
        f |= Qt::ItemIsEditable;
    return f;
}

int TLogModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() || FLog == nullptr ? 0 : FLog->NoOfQSOs();
}

int TLogModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() || FLog == nullptr ? 0 : FLog->NoOfColumns();
}

QVariant TLogModel::data(const QModelIndex& index, int role) const {
    if (FLog == nullptr || !index.isValid()) return {};
    const TQSO* q = FLog->QSOs(index.row());
    if (q == nullptr) return {};
    switch (role) {
        case Qt::DisplayRole:
            if (FLog->ColumnProperty(index.column()) == cpMark) return q->Selected() ? kTick : QString();
            return FromCore(GridCellText(*FLog, index.column(), index.row()));
        case Qt::TextAlignmentRole: {
            const TColumnProperty p = FLog->ColumnProperty(index.column());
            if (p == cpNr || p == cpPoints) return QVariant(Qt::AlignRight | Qt::AlignVCenter);
            if (p == cpMark) return QVariant(Qt::AlignCenter);
            return QVariant(Qt::AlignLeft | Qt::AlignVCenter);
        }
        case Qt::BackgroundRole:
            if (q->QSOFlags().Contains(qfUserDeleted)) return QApplication::palette().button();
            if (FReadOnly) return QBrush(kReadOnlyRow);
            // The grid counts its rows from 1 below the titles: the odd ones are yellow.
            if (index.row() % 2 == 0) return QBrush(kOddRow);
            return {};
        case Qt::ForegroundRole:
            if (q->QSOFlags().Contains(qfSentQTC)) return QBrush(kSentQTC);
            if (q->QSOFlags().Contains(qfRcvdQTC)) return QBrush(kRcvdQTC);
            return {};
        case Qt::FontRole:
            if (q->QSOFlags().Contains(qfUserDeleted)) {
                QFont font;
                font.setItalic(true);
                return font;
            }
            return {};
        default: return {};
    }
}

QVariant TLogModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (FLog == nullptr || role != Qt::DisplayRole) return {};
    if (orientation == Qt::Horizontal) return FromCore(GridColumnTitle(*FLog, section));
    return section + 1;
}

}  // namespace qz::gui
