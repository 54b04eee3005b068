#include "gui/cellediting.h"

#include <QComboBox>
#include <QDateEdit>
#include <QHeaderView>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QTableView>
#include <QTimer>

#include "base/datetime.h"
#include "base/frontend.h"
#include "base/language.h"
#include "base/options.h"
#include "base/text.h"
#include "engine/contestlog.h"
#include "gui/celleditors.h"
#include "gui/cellstrings.h"
#include "gui/commands.h"
#include "gui/gridtext.h"
#include "gui/listwidth.h"
#include "gui/logmodel.h"
#include "gui/qtext.h"

namespace qz::gui {

namespace {

const char* const kKindTexts[] = {"QSO", "Sent QTC", "Rcvd QTC"};
const QString kDateFormat = QStringLiteral("dd.MM.yyyy");

bool IsFixedColumn(TColumnProperty p) { return p == cpNr || p == cpMark; }

// A list editor never drops down by itself (Alt+Down or a click opens it): a list that
// opens on its own takes the keys typed next, which are meant for the next field.
QComboBox* NewList(QWidget* parent, const QStringList& entries, const QString& chosen) {
    auto* list = new QComboBox(parent);
    list->addItems(entries);
    FitListPopupToEntries(*list);
    list->setCurrentIndex(std::max(0, static_cast<int>(entries.indexOf(chosen.trimmed()))));
    return list;
}

// Band and mode are typed ("40", "7.010", "cw", "ssb") or picked from the list: the
// typed text goes through the same setters as the line entry's.
QComboBox* NewTypedList(QWidget* parent, const QStringList& entries, const QString& chosen) {
    auto* list = NewList(parent, entries, chosen);
    list->setEditable(true);
    list->setInsertPolicy(QComboBox::NoInsert);
    list->setCompleter(nullptr);  // "2" is 2m, not the first entry starting with 2
    list->setEditText(chosen.trimmed());
    list->lineEdit()->selectAll();
    return list;
}

}  // namespace

TCellEditing::TCellEditing(QTableView* grid, TLogModel* model, std::function<TContestLog*()> log,
                           std::function<void()> modified, QObject* parent)
    : QObject(parent),
      FGrid(grid),
      FModel(model),
      FDelegate(new TCellDelegate(this)),
      FLog(std::move(log)),
      FModified(std::move(modified)) {
    FGrid->setItemDelegate(FDelegate);
    FGrid->installEventFilter(this);
    FGrid->viewport()->installEventFilter(this);
    SetReadOnly(false);
}

void TCellEditing::SetEditMode(TEditMode mode) { FEditMode = FReadOnly ? emEdit : mode; }

void TCellEditing::SetReadOnly(bool on) {
    FReadOnly = on;
    HideAllInplaceEdits();
    if (on) FEditMode = emEdit;
    FGrid->setEditTriggers(on ? QAbstractItemView::NoEditTriggers
                              : QAbstractItemView::CurrentChanged | QAbstractItemView::DoubleClicked |
                                    QAbstractItemView::SelectedClicked | QAbstractItemView::AnyKeyPressed);
}

QWidget* TCellEditing::ActiveEditor() const { return FEditIndex.isValid() ? FGrid->indexWidget(FEditIndex) : nullptr; }

QModelIndex TCellEditing::ActiveEditorValue(QString& text) const {
    QWidget* editor = ActiveEditor();
    if (editor == nullptr) return {};
    int listIndex = -1;
    text = EditorText(editor, &listIndex);
    return FEditIndex;
}

void TCellEditing::HideAllInplaceEdits() {
    if (QWidget* editor = ActiveEditor()) FDelegate->Close(editor);
    FEditIndex = QPersistentModelIndex();
    FPendingDateTime.reset();
}

bool TCellEditing::CommitActiveEditor() {
    QWidget* editor = ActiveEditor();
    if (editor == nullptr) return true;
    const QModelIndex index = FEditIndex;
    int listIndex = -1;
    const QString text = EditorText(editor, &listIndex);
    FDelegate->Close(editor);
    const bool ok = Commit(index.row(), index.column(), text, listIndex, false);
    FPendingDateTime.reset();
    return ok;
}

bool TCellEditing::CellHasEditor(int col) const {
    return Log() != nullptr && CellHasInplaceEditor(Log()->ColumnProperty(col));
}

bool TCellEditing::IsLastRow(int row) const { return Log() != nullptr && row == Log()->NoOfQSOs() - 1; }

QString TCellEditing::PreviousTime(int row) const {
    const TQSO* previous = Log()->QSOs(row - 1);
    return previous != nullptr ? FromCore(previous->GetFormattedTime(potComplete)) : QString();
}

// Opening

QWidget* TCellEditing::CreateEditor(QWidget* parent, const QModelIndex& index) {
    TContestLog* log = Log();
    if (log == nullptr || FReadOnly || !index.isValid()) return nullptr;
    const int row = index.row(), col = index.column();
    TQSO* q = log->QSOs(row);
    if (q == nullptr || !log->CanSelectCell(col, row)) return nullptr;
    const TColumnProperty p = log->ColumnProperty(col);
    const int arrayIndex = log->ColumnArrayIndex(col);
    FPendingDateTime.reset();
    QString cell = FromCore(GridCellText(*log, col, row));
    FOpenCellText = cell;
    const bool retry = FRetryIndex.isValid() && FRetryIndex == QPersistentModelIndex(index);
    if (retry) cell = FRetryText;
    FRetryIndex = QPersistentModelIndex();

    auto textEditor = [&](TCellTextKind kind, const QString& text, int selStart, int selLength) {
        auto* edit = new TCellLineEdit(kind, parent);
        edit->setText(text);
        if (retry) selStart = 0, selLength = static_cast<int>(text.size());
        edit->SetInitialSelection(selStart, selLength < 0 ? static_cast<int>(text.size()) : selLength);
        return edit;
    };
    QWidget* editor = nullptr;
    switch (p) {
        case cpIsQTC: {
            QStringList kinds;
            for (const char* k : kKindTexts) kinds << k;
            editor = NewList(parent, kinds, cell);
            break;
        }
        case cpDate: {
            auto* date = new QDateEdit(parent);
            date->setDisplayFormat(kDateFormat);
            date->setCalendarPopup(true);
            const CivilDate d = DecodeDate(q->DateTime());
            date->setDate(QDate(d.year, d.month, d.day));
            editor = date;
            break;
        }
        case cpDateDay: editor = textEditor(TCellTextKind::Day, cell, 1, 1); break;
        case cpDateMonth: {
            QStringList months;
            for (std::size_t m = 1; m < MonthNames.size(); ++m) months << FromCore(Trim(MonthNames[m]));
            editor = NewList(parent, months, cell);
            break;
        }
        case cpDateYear: editor = textEditor(TCellTextKind::Year, cell, 3, 1); break;
        case cpTime: {
            // Fast append: a line whose time was never entered starts from the time of
            // the line above, which the line takes over on commit.
            if (FEditMode == emAppend && row > 0 && !q->TimeHasBeenSet() && !retry) {
                cell = PreviousTime(row);
                FPendingDateTime = log->QSOs(row - 1)->DateTime();
            }
            auto* edit = textEditor(TCellTextKind::Time, cell, 3, 1);
            edit->SetAppendMode(FEditMode == emAppend);
            connect(edit, &TCellLineEdit::TimeCompleted, this, [this, edit] { TimeCompleted(edit); });
            editor = edit;
            break;
        }
        case cpBand:
        case cpMode: {
            QStringList names;
            if (p == cpBand) {
                for (int b = 0; b < kNoOfBands; ++b)
                    if (log->BandIsAllowed(static_cast<TBand>(b))) names << FromCore(Trim(BandNames[b]));
            } else {
                for (int m = mCW; m <= mATV; ++m)
                    if (log->ModeIsAllowed(static_cast<TMode>(m))) names << FromCore(Trim(ModeNames[m]));
            }
            editor = NewTypedList(parent, names, cell);
            break;
        }
        case cpCall: {
            // Fast append never opens a logged call selected: typing would replace it.
            const bool logged = FEditMode == emAppend && !cell.isEmpty() && !retry;
            auto* edit = logged ? textEditor(TCellTextKind::Call, cell, static_cast<int>(cell.size()), 0)
                                : textEditor(TCellTextKind::Call, cell, 0, -1);
            connect(edit, &QLineEdit::textChanged, this,
                    [this, row](const QString& text) { emit CallTyped(row, text); });
            editor = edit;
            break;
        }
        case cpSentRST:
        case cpRcvdRST: {
            auto* edit = textEditor(TCellTextKind::RST, cell, 1, 1);
            const int length = RSTLength[q->Mode()];
            edit->SetLastRSTPosition(length > 0 ? length - 1 : 2);
            editor = edit;
            break;
        }
        case cpSentNumber: editor = textEditor(TCellTextKind::ControlNumber, cell, 0, -1); break;
        case cpRcvdNumber: {
            std::vector<std::string> candidates;
            QString prefill = cell;
            if (FEditMode == emAppend && !retry) {
                const std::string proposal = log->GetRcvdNumberToAppend(row, arrayIndex, candidates);
                prefill = q->RcvdHasBeenSet(arrayIndex) ? cell : FromCore(proposal);
            }
            if (candidates.size() > 1) {
                // Several candidates: an editable list, not dropped down.
                auto* list = new QComboBox(parent);
                list->setEditable(true);
                for (const auto& c : candidates) list->addItem(FromCore(c));
                const int at = list->findText(cell);
                if (at >= 0) list->setCurrentIndex(at);
                else list->setEditText(!cell.isEmpty() ? cell : prefill);
                list->lineEdit()->selectAll();
                editor = list;
            } else {
                editor = textEditor(TCellTextKind::ControlNumber, prefill, 0, -1);
            }
            break;
        }
        default: return nullptr;
    }
    if (editor == nullptr) return nullptr;
    editor->setFont(FGrid->font());
    editor->setAutoFillBackground(true);
    QPalette palette = editor->palette();
    const QVariant background = FModel->data(index, Qt::BackgroundRole);
    if (background.canConvert<QBrush>()) palette.setBrush(QPalette::Base, background.value<QBrush>());
    editor->setPalette(palette);
    if (auto* edit = qobject_cast<TCellLineEdit*>(editor);
        edit != nullptr && edit->Kind() == TCellTextKind::ControlNumber)
        edit->SetAllowHyphen(log->Contest() == cIOTA);
    // The window's command keys reach their commands through the editor and its parts.
    editor->installEventFilter(this);
    for (QWidget* part : editor->findChildren<QWidget*>()) part->installEventFilter(this);
    FEditIndex = QPersistentModelIndex(index);
    FCellSelectKey = cskNoKey;
    return editor;
}

// Committing

QString TCellEditing::EditorText(QWidget* editor, int* listIndex) const {
    *listIndex = -1;
    if (auto* edit = qobject_cast<QLineEdit*>(editor)) return edit->text();
    if (auto* list = qobject_cast<QComboBox*>(editor)) {
        if (!list->isEditable()) *listIndex = list->currentIndex();
        return list->currentText().trimmed();
    }
    if (auto* date = qobject_cast<QDateEdit*>(editor)) return date->date().toString(kDateFormat);
    return {};
}

void TCellEditing::CommitFromView(QWidget* editor, const QModelIndex& index) {
    if (Log() == nullptr || FReadOnly || !index.isValid()) return;
    int listIndex = -1;
    const QString text = EditorText(editor, &listIndex);
    Commit(index.row(), index.column(), text, listIndex, false);
    FPendingDateTime.reset();
    FEditIndex = QPersistentModelIndex();
}

bool TCellEditing::Commit(int row, int col, const QString& text, int listIndex, bool completeLine) {
    TContestLog* log = Log();
    TQSO* line = log != nullptr ? log->QSOs(row) : nullptr;
    if (line == nullptr) return false;
    const TColumnProperty p = log->ColumnProperty(col);
    // A cell left as it was is not written again (an empty call stays empty), nor is
    // an editor's untouched value when the line was changed meanwhile (by the line
    // entry, by Undo): it would put back the old value.
    const bool unchanged = !FPendingDateTime && (ToCore(text) == GridCellText(*log, col, row) || text == FOpenCellText);
    if (unchanged && !completeLine) return true;
    std::unique_ptr<TQSO> edited = log->NewQSO(false);
    edited->CopyFrom(line);
    if (FPendingDateTime) edited->SetDateTime(*FPendingDateTime);
    if (!unchanged) {
        bool accepted = false;
        if (p == cpIsQTC && listIndex >= 0)
            accepted = listIndex == edited->QTCKind() || edited->SetChangedQTCFlag(listIndex, true);
        else if (p == cpDateMonth && listIndex >= 0) accepted = edited->SetChangedMonth(listIndex + 1);
        else accepted = SetGridCellText(*log, col, *edited, ToCore(text));
        if (!accepted) {
            Reject(row, col, text);
            return false;
        }
    }
    const bool same = unchanged || edited->SameQSO(line);
    if (same && !completeLine) return true;
    // The line keeps its selection; its values are evaluated again (LineChanged).
    const bool selected = line->Selected();
    log->PushUndo(ueaChangeQSO, row);
    if (!same) log->SetQSOs(row, *edited);
    line->SetSelected(selected);
    if (p == cpCall && !same) log->SetCallDependingStuff(row);
    if (completeLine) CompleteLine(row);
    FModel->RowsChanged(row, row);
    if (log->DropUndoIfUnchanged(row)) return true;
    FModified();
    emit LineChanged(row);
    emit LogChanged();
    return true;
}

void TCellEditing::Reject(int row, int col, const QString& text) {
    TContestLog* log = Log();
    const QString message = "\"" + text + "\" " + LSCaption(ui::lsNotAccepted) + " " +
                            FromCore(GridColumnTitle(*log, col)) + ". " + LSCaption(ui::lsLineUnchanged);
    FRetryIndex = QPersistentModelIndex(FModel->index(row, col));
    FRetryText = text;
    // The box comes after the key or focus change that committed; then the cell opens
    // again with the refused text, to be corrected.
    QTimer::singleShot(0, this, [this, message] {
        ShowErrorMessage(ToCore(message));
        const QModelIndex retry = FRetryIndex;
        if (retry.isValid() && FGrid->currentIndex() == retry && !FReadOnly) FGrid->edit(retry);
        else FRetryIndex = QPersistentModelIndex();
    });
}

void TCellEditing::CompleteLine(int row) {
    TContestLog* log = Log();
    TQSO* q = log->QSOs(row);
    if (q == nullptr || q->Call().Call().empty()) return;
    for (int c = 0; c < log->NoOfColumns(); ++c) {
        if (log->ColumnProperty(c) != cpRcvdNumber || !log->CanSelectCell(c, row)) continue;
        const int index = log->ColumnArrayIndex(c);
        if (q->RcvdHasBeenSet(index) || !q->RcvdNumbers(index).empty()) continue;
        std::vector<std::string> candidates;
        const std::string proposal = log->GetRcvdNumberToAppend(row, index, candidates);
        if (!proposal.empty()) q->SetChangedNumber(cpRcvdNumber, index, proposal);
    }
}

// Moving

void TCellEditing::SetCurrent(const QModelIndex& index) {
    if (!index.isValid()) return;
    FGrid->setFocus();
    if (FGrid->currentIndex() == index) {
        if (!FReadOnly && CellHasEditor(index.column())) FGrid->edit(index);
    } else {
        FGrid->setCurrentIndex(index);
    }
    FGrid->scrollTo(index);
}

void TCellEditing::FocusCell(TColumnProperty property, int arrayIndex, int row) {
    TContestLog* log = Log();
    if (log == nullptr || row < 0 || row >= log->NoOfQSOs()) return;
    HideAllInplaceEdits();
    SetCurrent(FModel->index(row, log->GetColumnNumberFromProperty(property, arrayIndex, log->NoOfColumns())));
}

QModelIndex TCellEditing::NextSelectable(int row, int col, bool forward) const {
    TContestLog* log = Log();
    const int columns = log->NoOfColumns(), rows = log->NoOfQSOs();
    int first = 0;
    while (first < columns && IsFixedColumn(log->ColumnProperty(first))) ++first;
    if (first >= columns) return {};
    int r = row, c = col;
    for (int step = 0; step < 2 * columns; ++step) {
        if (forward) {
            if (++c >= columns) {
                c = first;
                if (r + 1 < rows) ++r;
            }
        } else if (--c < first) {
            c = columns - 1;
            if (r > 0) --r;
        }
        if (log->CanSelectCell(c, r) && CellHasEditor(c)) return FModel->index(r, c);
    }
    return {};
}

void TCellEditing::Move(TMove move, bool fromEditor) {
    TContestLog* log = Log();
    if (log == nullptr) return;
    const QModelIndex current = FGrid->currentIndex();
    const int row = current.row(), col = current.column();
    const TColumnProperty p = log->ColumnProperty(col);
    const bool append = FEditMode == emAppend && !FReadOnly;
    const bool last = IsLastRow(row);
    if (fromEditor) {
        QWidget* editor = ActiveEditor();
        if (editor != nullptr) {
            int listIndex = -1;
            const QString text = EditorText(editor, &listIndex);
            const QModelIndex edited = FEditIndex;
            // Closed first, so that the focus change writes nothing more.
            FDelegate->Close(editor);
            FEditIndex = QPersistentModelIndex();
            const bool ok = Commit(edited.row(), edited.column(), text, listIndex,
                                   move == TMove::Enter && append && last && p == cpCall);
            FPendingDateTime.reset();
            if (!ok) {
                FGrid->setFocus();
                return;
            }
        }
    }
    if (current.isValid() == false && move != TMove::FirstCall && move != TMove::LastCall) return;
    const int callCol = log->GetColumnNumberFromProperty(cpCall, -1, log->NoOfColumns());
    const int page =
        std::max(1, FGrid->viewport()->height() / std::max(1, FGrid->verticalHeader()->defaultSectionSize()));
    const int rows = log->NoOfQSOs();
    auto at = [this, rows](int r, int c) { return FModel->index(std::clamp(r, 0, std::max(0, rows - 1)), c); };
    switch (move) {
        case TMove::Tab:
            FCellSelectKey = cskTab;
            SetCurrent(NextSelectable(row, col, true));
            return;
        case TMove::ShiftTab:
            FCellSelectKey = cskShiftTab;
            SetCurrent(NextSelectable(row, col, false));
            return;
        case TMove::Up: SetCurrent(at(row - 1, col)); return;
        case TMove::Down: SetCurrent(at(row + 1, col)); return;
        case TMove::PageUp: SetCurrent(at(row - page, col)); return;
        case TMove::PageDown: SetCurrent(at(row + page, col)); return;
        case TMove::FirstCall: SetCurrent(at(0, callCol)); return;
        case TMove::LastCall: SetCurrent(at(rows - 1, callCol)); return;
        case TMove::Enter: break;
    }
    if (append) {
        const TQSO* q = log->QSOs(row);
        const bool number = p == cpSentNumber || p == cpRcvdNumber;
        if (last && (p == cpCall || (number && q != nullptr && q->IsQTC()))) {
            AppendQSO();
            return;
        }
        if (p == cpRcvdNumber && !last) {
            int firstRcvd = col;
            for (int c = 0; c < log->NoOfColumns(); ++c)
                if (log->ColumnProperty(c) == cpRcvdNumber && log->CanSelectCell(c, row)) {
                    firstRcvd = c;
                    break;
                }
            SetCurrent(at(row + 1, firstRcvd));
            return;
        }
        if (last) {
            // Enter walks through the fields of the newest line and appends the next
            // line after its last field.
            for (int c = col + 1; c < log->NoOfColumns(); ++c)
                if (log->CanSelectCell(c, row) && CellHasEditor(c)) {
                    SetCurrent(at(row, c));
                    return;
                }
            AppendQSO();
            return;
        }
    }
    SetCurrent(at(row + 1, col));
}

void TCellEditing::TimeCompleted(QWidget* editor) {
    auto* edit = qobject_cast<QLineEdit*>(editor);
    TContestLog* log = Log();
    const int row = FEditIndex.row();
    if (edit == nullptr || log == nullptr || row <= 0 || log->QSOs(row - 1) == nullptr) {
        Move(TMove::Enter, true);
        return;
    }
    const TQSO* above = log->QSOs(row - 1);
    const QString before = FromCore(above->GetFormattedTime(potComplete));
    const QString typed = edit->text();
    if (typed.size() == 4 && before.size() == 4 && typed < before) {
        if (typed.left(3) != before.left(3)) {
            // The hour or the ten minutes went down: a new day began.
            FPendingDateTime = above->DateTime() + 1.0;
        } else {
            // Only the last digit went down: the next ten minutes (1235, then 1 gives 1241).
            const int minutes = typed[3].digitValue() - before[3].digitValue() + 10;
            const TDateTime next = above->DateTime() + EncodeTime(0, minutes, 0, 0);
            const CivilTime t = DecodeTime(next);
            FPendingDateTime = next;
            edit->setText(FromCore(Format(TimeFormat, t.hour, t.minute)));
        }
    }
    // Committed as by Enter (the editor is only hidden here and deleted later).
    Move(TMove::Enter, true);
}

// Appending

void TCellEditing::AppendQSO() {
    TContestLog* log = Log();
    if (log == nullptr || FReadOnly) return;
    if (!CommitActiveEditor()) return;
    const int before = log->NoOfQSOs();
    FModel->BeginAppend(before);
    log->AppendNewLine();
    TimeFreshLine(before);
    FModel->EndAppend();
    FModified();
    emit LineChanged(before);
    FocusCell(cpCall, -1, before);
    emit LogChanged();
}

void TCellEditing::TimeFreshLine(int row) {
    TQSO* line = Log() != nullptr ? Log()->QSOs(row) : nullptr;
    if (line == nullptr || FEditMode != emAppend || !Options.Editor_RealTimeClock.oValue) return;
    // Logging as it happens: the line is timed now, so the time cell does not carry
    // over the line above's time.
    line->SetDateTime(WholeMinute(NowUTC()));
    line->SetTimeHasBeenSet(true);
}

// Keys

bool TCellEditing::EditorKey(QWidget* editor, QKeyEvent* event) {
    const int key = event->key();
    const Qt::KeyboardModifiers mods = event->modifiers() & ~Qt::KeypadModifier;
    const bool ctrl = mods & Qt::ControlModifier;
    const bool textEditor = qobject_cast<QLineEdit*>(editor) != nullptr;
    if (key == Qt::Key_Backtab || (key == Qt::Key_Tab && (mods & Qt::ShiftModifier))) {
        Move(TMove::ShiftTab, true);
        return true;
    }
    if (key == Qt::Key_Tab && !ctrl) {
        Move(TMove::Tab, true);
        return true;
    }
    if ((key == Qt::Key_Return || key == Qt::Key_Enter) && !ctrl && !(mods & Qt::AltModifier)) {
        Move(TMove::Enter, true);
        return true;
    }
    if (key == Qt::Key_Escape) {
        // Esc drops what was typed: the line stays as it was.
        FDelegate->Close(editor);
        FEditIndex = QPersistentModelIndex();
        FPendingDateTime.reset();
        FGrid->setFocus();
        return true;
    }
    if (ctrl && key == Qt::Key_Home) return Move(TMove::FirstCall, true), true;
    if (ctrl && key == Qt::Key_End) return Move(TMove::LastCall, true), true;
    if (textEditor && !ctrl) {
        switch (key) {
            case Qt::Key_Up: Move(TMove::Up, true); return true;
            case Qt::Key_Down: Move(TMove::Down, true); return true;
            case Qt::Key_PageUp: Move(TMove::PageUp, true); return true;
            case Qt::Key_PageDown: Move(TMove::PageDown, true); return true;
            default: break;
        }
    }
    return false;
}

bool TCellEditing::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::ShortcutOverride && watched != FGrid && watched != FGrid->viewport()) {
        // Not taken by the editor: the shortcut goes to the window's command.
        const auto* key = static_cast<QKeyEvent*>(event);
        if (IsCommandKey(QKeySequence(key->keyCombination()))) {
            event->ignore();
            return true;
        }
        return false;
    }
    if (event->type() == QEvent::KeyPress && watched != FGrid) {
        // A part of an editor (the text field of a list): its keys move and commit as
        // the editor's own do, before the part could take Tab away as a focus change.
        QWidget* editor = ActiveEditor();
        if (editor != nullptr && watched != editor && editor->isAncestorOf(qobject_cast<QWidget*>(watched)))
            return EditorKey(editor, static_cast<QKeyEvent*>(event));
        return false;
    }
    TContestLog* log = Log();
    if (log == nullptr) return false;
    if (watched == FGrid->viewport() && FReadOnly &&
        (event->type() == QEvent::MouseButtonPress || event->type() == QEvent::MouseButtonRelease ||
         event->type() == QEvent::MouseButtonDblClick)) {
        // Read-only: only the number and mark columns take the cursor.
        const int col = FGrid->columnAt(static_cast<QMouseEvent*>(event)->position().toPoint().x());
        return col >= 0 && !IsFixedColumn(log->ColumnProperty(col));
    }
    if (watched != FGrid || event->type() != QEvent::KeyPress) return false;
    if (FReadOnly) return true;
    auto* keyEvent = static_cast<QKeyEvent*>(event);
    const int key = keyEvent->key();
    const bool ctrl = keyEvent->modifiers() & Qt::ControlModifier;
    const bool shift = keyEvent->modifiers() & Qt::ShiftModifier;
    switch (key) {
        case Qt::Key_Home:
        case Qt::Key_End:
            if (ctrl) Move(key == Qt::Key_Home ? TMove::FirstCall : TMove::LastCall, false);
            return true;  // without Ctrl nothing
        case Qt::Key_Tab: Move(shift ? TMove::ShiftTab : TMove::Tab, false); return true;
        case Qt::Key_Backtab: Move(TMove::ShiftTab, false); return true;
        case Qt::Key_Return:
        case Qt::Key_Enter:
            if (ctrl) return false;
            Move(TMove::Enter, false);
            return true;
        case Qt::Key_Plus: AppendQSO(); return true;
        default: return false;
    }
}

}  // namespace qz::gui
