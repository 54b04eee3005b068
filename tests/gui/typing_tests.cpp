// The log editor as a contester types into it: every key goes to the widget that has the
// focus, as it does for a person, and the log must hold exactly what was typed. The
// sequences here once lost QSOs (a compile or a mode switch in fast append put the cursor
// on an existing line with its call selected, a list editor popped up and swallowed the
// next calls, shortcuts went to the cell editor instead of the window).
#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <functional>
#include <memory>

#include "engine/contestlog.h"
#include "gui/cellediting.h"
#include "gui/editor.h"
#include "gui/guitest.h"
#include "gui/headerdialog.h"
#include "gui/mainwindow.h"
#include "logfile/qzf.h"

using namespace qz;
using namespace qz::gui;
using namespace qz::test;

namespace {

// While it lives, hands every modal dialog that opens to `answer` (message boxes are
// answered with No unless `answer` says otherwise).
class TModalAnswerer : public QObject {
public:
    explicit TModalAnswerer(std::function<void(QDialog*)> answer) : FAnswer(std::move(answer)) {
        auto* timer = new QTimer(this);
        connect(timer, &QTimer::timeout, this, [this] {
            auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
            if (dialog == nullptr || dialog == FLast) return;
            FLast = dialog;
            seen << dialog->metaObject()->className();
            FAnswer(dialog);
        });
        timer->start(10);
    }
    QStringList seen;

private:
    std::function<void(QDialog*)> FAnswer;
    QDialog* FLast = nullptr;
};

void AnswerNo(QDialog* dialog) {
    if (auto* box = qobject_cast<QMessageBox*>(dialog); box != nullptr && box->button(QMessageBox::No) != nullptr)
        box->button(QMessageBox::No)->click();
    else dialog->reject();
}

// The widget that has the keyboard focus; keys go there as they do for a typist.
QWidget* Focus() {
    QWidget* focus = QApplication::focusWidget();
    if (focus == nullptr) qFatal("nothing has the keyboard focus");
    return focus;
}

void Key(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) { QTest::keyClick(Focus(), key, modifiers); }

void Type(const QString& text) {
    for (QChar c : text) QTest::keyClick(Focus(), c.toLatin1());
}

QString CallOf(const TContestLog& log, int row) {
    const TQSO* q = log.QSOs(row);
    return q != nullptr ? QString::fromStdString(q->Call().Call()) : QString("<no line %1>").arg(row);
}

// A new log through the new-log dialog, as File > New makes it.
TQZEditor* NewLog(TMainForm& window, TContest contest = cWWDXcw) {
    TModalAnswerer header([contest](QDialog* dialog) {
        auto* form = qobject_cast<THeaderDataForm*>(dialog);
        if (form == nullptr) return dialog->reject();
        form->findChild<QLineEdit*>("leOwnCall")->setText("DL1TST");
        form->ChooseContest(contest);
        form->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok)->click();
    });
    window.Command("acNew")->trigger();
    QApplication::setActiveWindow(&window);
    return window.ActiveEditor();
}

// Moves with Shift+Tab to the column of `property` on the current line.
void BackTo(TQZEditor* editor, TColumnProperty property) {
    for (int i = 0; i < 20 && editor->Grid()->currentIndex().column() != ColumnOf(*editor->ContestLog(), property); ++i)
        Key(Qt::Key_Backtab, Qt::ShiftModifier);
}

}  // namespace

class TTypingTest : public QObject {
    Q_OBJECT
private:
    QTemporaryDir FDir;
    std::string FNative;

    std::unique_ptr<TMainForm> Start(const std::vector<std::string>& files) {
        auto window = StartMainWindow(files);
        if (window) {
            QApplication::setActiveWindow(window.get());
            if (!QTest::qWaitForWindowActive(window.get())) qWarning("the main window did not become active");
        }
        return window;
    }

private slots:
    void initTestCase();
    void compileInFastAppendKeepsAFreshLine();
    void switchingFastAppendOnStartsAFreshLine();
    void bandAndModeAreTypedNotPicked();
    void undoWithTheGridFocusedUndoesTheLog();
    void shortcutsWorkWhileACellIsEdited();
    void redoTakesBackAnUndo();
    void typingSessionKeepsEveryQSO();
};

void TTypingTest::initTestCase() {
    QVERIFY(PrepareTestFolders(FDir));
    FNative = (FDir.path() + "/cqww.QZF").toStdString();
    QVERIFY(SaveSampleAsNative(FNative));
}

void TTypingTest::compileInFastAppendKeepsAFreshLine() {
    auto window = Start({});
    TQZEditor* editor = NewLog(*window);
    QVERIFY(editor != nullptr);
    const TContestLog* log = editor->ContestLog();
    QCOMPARE(editor->EditMode(), emAppend);
    for (const char* call : {"w1aw", "ja1xx", "g4abc"}) {
        Type(call);
        Key(Qt::Key_Return);
    }
    Key(Qt::Key_F5);
    Type("k1zz");
    Key(Qt::Key_Return);
    log = editor->ContestLog();
    QCOMPARE(CallOf(*log, 0), QString("W1AW"));
    QCOMPARE(CallOf(*log, 1), QString("JA1XX"));
    QCOMPARE(CallOf(*log, 2), QString("G4ABC"));
    QCOMPARE(CallOf(*log, 3), QString("K1ZZ"));
    QCOMPARE(log->NoOfQSOs(), 5);  // and the fresh line the next call goes into
    QCOMPARE(editor->CurrentRow(), 4);
    TModalAnswerer no(AnswerNo);
    window->close();
}

void TTypingTest::switchingFastAppendOnStartsAFreshLine() {
    auto window = Start({FNative});
    TQZEditor* editor = window->ActiveEditor();
    const TContestLog& log = *editor->ContestLog();
    const int lines = log.NoOfQSOs();
    const QString first = CallOf(log, 0);
    editor->Grid()->setFocus();
    window->Command("acEditAppendMode")->trigger();  // the toolbar's button
    QCOMPARE(editor->EditMode(), emAppend);
    QCOMPARE(editor->CurrentRow(), lines);
    Type("zl1xyz");
    Key(Qt::Key_Return);
    QCOMPARE(CallOf(log, 0), first);
    QCOMPARE(CallOf(log, lines), QString("ZL1XYZ"));
    // Switching off and on again with the fresh line still empty adds no second one.
    window->Command("acEditAppendMode")->trigger();
    window->Command("acEditAppendMode")->trigger();
    QCOMPARE(log.NoOfQSOs(), lines + 2);
    QCOMPARE(editor->CurrentRow(), lines + 1);
    // An undo in fast append puts the cursor on the newest line, whose call opens with
    // the caret behind it: typing can never replace a call unseen.
    window->UpdateCommands();
    window->Command("acEditUndo")->trigger();
    QCOMPARE(log.NoOfQSOs(), lines + 1);
    auto* call = qobject_cast<QLineEdit*>(editor->Cells()->ActiveEditor());
    QVERIFY(call != nullptr);
    Type("a");
    QCOMPARE(call->text(), QString("ZL1XYZA"));
    Key(Qt::Key_Escape);
    QCOMPARE(CallOf(log, lines), QString("ZL1XYZ"));
    TModalAnswerer no(AnswerNo);
    window->close();
}

void TTypingTest::bandAndModeAreTypedNotPicked() {
    auto window = Start({});
    TQZEditor* editor = NewLog(*window, cIARU);  // CW and SSB
    QVERIFY(editor != nullptr);
    const TContestLog& log = *editor->ContestLog();
    Type("w1aw");
    Key(Qt::Key_Return);
    BackTo(editor, cpBand);
    QVERIFY(editor->Cells()->ActiveEditor() != nullptr);
    Type("40");
    Key(Qt::Key_Return);  // to the mode, which must not drop its list down
    QTest::qWait(50);
    QVERIFY(QApplication::activePopupWidget() == nullptr);
    QCOMPARE(ColumnOf(log, cpMode), editor->Grid()->currentIndex().column());
    Type("ssb");
    Key(Qt::Key_Return);
    Type("k1zz");
    Key(Qt::Key_Return);
    Type("k2zz");
    Key(Qt::Key_Return);
    QCOMPARE(log.NoOfQSOs(), 4);
    QCOMPARE(CallOf(log, 1), QString("K1ZZ"));
    QCOMPARE(CallOf(log, 2), QString("K2ZZ"));
    QCOMPARE(log.QSOs(1)->Band(), b40m);
    QCOMPARE(log.QSOs(1)->Mode(), mSSB);
    QCOMPARE(log.QSOs(2)->Band(), b40m);  // the next line carries band and mode over
    QCOMPARE(log.QSOs(2)->Mode(), mSSB);
    // A band no contest band matches is refused with a message, the line kept.
    {
        TModalAnswerer ok([](QDialog* d) { d->accept(); });
        BackTo(editor, cpBand);
        Type("99");
        Key(Qt::Key_Return);
        QTRY_COMPARE(ok.seen.size(), 1);
    }
    QCOMPARE(log.QSOs(3)->Band(), b40m);
    TModalAnswerer no(AnswerNo);
    window->close();
}

void TTypingTest::undoWithTheGridFocusedUndoesTheLog() {
    auto window = Start({FNative});
    TQZEditor* editor = window->ActiveEditor();
    const TContestLog* log = editor->ContestLog();
    const int lines = log->NoOfQSOs();
    const QString third = CallOf(*log, 2);
    editor->SetCurrentRow(2);
    editor->Grid()->setFocus();
    Key(Qt::Key_M, Qt::ControlModifier);
    QCOMPARE(log->NoOfSelectedQSOs(), 1);
    Key(Qt::Key_Delete, Qt::ControlModifier);
    QCOMPARE(log->NoOfQSOs(), lines - 1);
    Key(Qt::Key_Escape);
    Key(Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(log->NoOfQSOs(), lines);
    QCOMPARE(CallOf(*log, 2), third);
    Key(Qt::Key_Z, Qt::ControlModifier);  // nothing more to undo: nothing happens
    QCOMPARE(log->NoOfQSOs(), lines);
    TModalAnswerer no(AnswerNo);
    window->close();
}

void TTypingTest::shortcutsWorkWhileACellIsEdited() {
    const std::string file = (FDir.path() + "/shortcuts.QZF").toStdString();
    QVERIFY(QFile::copy(QString::fromStdString(FNative), QString::fromStdString(file)));
    auto window = Start({file});
    TQZEditor* editor = window->ActiveEditor();
    const int lines = editor->ContestLog()->NoOfQSOs();
    editor->Cells()->FocusCell(cpCall, -1, 2);
    Type("k9zz");
    Key(Qt::Key_Return);
    QVERIFY(editor->Cells()->ActiveEditor() != nullptr);  // the cell below is open
    Key(Qt::Key_S, Qt::ControlModifier);
    QVERIFY(!editor->Modified());
    {
        TQZF qzf;
        auto saved = qzf.ReadLog(file);
        QVERIFY(saved != nullptr);
        QCOMPARE(CallOf(*saved, 2), QString("K9ZZ"));
    }
    // Typed into the open cell and not yet entered: a save takes it along.
    Type("k8yy");
    Key(Qt::Key_S, Qt::ControlModifier);
    QCOMPARE(CallOf(*editor->ContestLog(), 3), QString("K8YY"));
    QVERIFY(!editor->Modified());

    Key(Qt::Key_End, Qt::ControlModifier);
    Key(Qt::Key_Return, Qt::ControlModifier);
    QCOMPARE(editor->ContestLog()->NoOfQSOs(), lines + 1);
    Key(Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(editor->ContestLog()->NoOfQSOs(), lines);
    Key(Qt::Key_Y, Qt::ControlModifier);
    QCOMPARE(editor->ContestLog()->NoOfQSOs(), lines + 1);
    Key(Qt::Key_A, Qt::ControlModifier | Qt::ShiftModifier);
    QCOMPARE(editor->EditMode(), emAppend);
    Key(Qt::Key_A, Qt::ControlModifier | Qt::ShiftModifier);
    QCOMPARE(editor->EditMode(), emEdit);
    {
        TModalAnswerer find([](QDialog* d) { d->reject(); });
        Key(Qt::Key_F, Qt::ControlModifier);
        QTRY_COMPARE(find.seen.size(), 1);
    }
    QApplication::setActiveWindow(window.get());  // the offscreen platform does not give it back
    // Ctrl+W closes the log (asking about the unsaved line).
    {
        TModalAnswerer no(AnswerNo);
        Key(Qt::Key_W, Qt::ControlModifier);
        QTRY_VERIFY(window->Editors().empty());
    }
    // The Edit menu shows the keys.
    bool redo = false, fastAppend = false;
    for (QAction* a : window->menuBar()->actions()) {
        if (a->menu() == nullptr) continue;
        for (QAction* item : a->menu()->actions()) {
            redo = redo || item == window->Command("acEditRedo");
            fastAppend = fastAppend || (item == window->Command("acEditAppendMode") &&
                                        item->shortcut() == QKeySequence("Ctrl+Shift+A"));
        }
    }
    QVERIFY(redo);
    QVERIFY(fastAppend);
    window->close();
}

void TTypingTest::redoTakesBackAnUndo() {
    auto window = Start({FNative});
    TQZEditor* editor = window->ActiveEditor();
    const TContestLog& log = *editor->ContestLog();
    const QString before = CallOf(log, 4);
    editor->Cells()->FocusCell(cpCall, -1, 4);
    Type("ok1aa");
    Key(Qt::Key_Return);
    Key(Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(CallOf(log, 4), before);
    Key(Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
    QCOMPARE(CallOf(log, 4), QString("OK1AA"));
    Key(Qt::Key_Z, Qt::ControlModifier);
    window->UpdateCommands();
    QVERIFY(window->Command("acEditRedo")->isEnabled());
    // A new change ends what can be redone.
    editor->Cells()->FocusCell(cpCall, -1, 5);
    Type("ok2bb");
    Key(Qt::Key_Return);
    window->UpdateCommands();
    QVERIFY(!window->Command("acEditRedo")->isEnabled());
    TModalAnswerer no(AnswerNo);
    window->close();
}

// 200 QSOs typed key by key into a new log in fast append, with band and mode changes,
// a compile every 20 QSOs, one undo and redo, a save and a reopen: the file holds the
// typed lines, in order, field by field.
void TTypingTest::typingSessionKeepsEveryQSO() {
    struct TTyped {
        QString call;
        TBand band;
        TMode mode;
    };
    const std::pair<const char*, TBand> bands[] = {{"20", b20m}, {"40", b40m}, {"15", b15m}, {"80", b80m}};
    const std::pair<const char*, TMode> modes[] = {{"cw", mCW}, {"ssb", mSSB}};
    auto window = Start({});
    TQZEditor* editor = NewLog(*window, cIARU);
    QVERIFY(editor != nullptr);
    std::vector<TTyped> typed;
    TBand band = editor->ContestLog()->QSOs(0)->Band();
    TMode mode = editor->ContestLog()->QSOs(0)->Mode();
    for (int i = 0; i < 200; ++i) {
        if (i % 30 == 7) {
            const auto& [bandText, newBand] = bands[(i / 30) % 4];
            const auto& [modeText, newMode] = modes[(i / 30) % 2];
            BackTo(editor, cpBand);
            Type(bandText);
            Key(Qt::Key_Return);
            Type(modeText);
            Key(Qt::Key_Return);
            band = newBand;
            mode = newMode;
        }
        const QString call = QString("DL%1%2").arg(i % 10).arg(QChar('A' + i % 26)) + QChar('A' + (i / 26) % 26) +
                             QChar('A' + (i * 7) % 26);
        Type(call.toLower());
        Key(Qt::Key_Return);
        typed.push_back({call, band, mode});
        if (i % 20 == 19) Key(Qt::Key_F5);
        if (i == 100) {
            Key(Qt::Key_Z, Qt::ControlModifier);
            Key(Qt::Key_Y, Qt::ControlModifier);
        }
    }
    const std::string file = (FDir.path() + "/typed.QZF").toStdString();
    {
        TModalAnswerer saveAs([&file](QDialog* d) {
            auto* dialog = qobject_cast<QFileDialog*>(d);
            if (dialog == nullptr) return d->reject();
            dialog->selectFile(QString::fromStdString(file));
            QMetaObject::invokeMethod(dialog, "accept");
        });
        Key(Qt::Key_S, Qt::ControlModifier);
    }
    QVERIFY(!editor->Modified());
    TQZF qzf;
    auto saved = qzf.ReadLog(file);
    QVERIFY(saved != nullptr);
    QCOMPARE(saved->NoOfQSOs(), 200);
    for (int i = 0; i < 200; ++i) {
        const TQSO& q = *saved->QSOs(i);
        QCOMPARE(CallOf(*saved, i), typed[static_cast<std::size_t>(i)].call);
        QCOMPARE(q.Band(), typed[static_cast<std::size_t>(i)].band);
        QCOMPARE(q.Mode(), typed[static_cast<std::size_t>(i)].mode);
    }
    window->close();
}

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    TTypingTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "typing_tests.moc"
