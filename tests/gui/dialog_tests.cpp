// The auxiliary dialogs driven through the real editor window on the offscreen
// platform: each command opens its dialog, the test fills its fields and presses OK or
// Cancel as a user would, and the log is checked afterwards.
#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QDialogButtonBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QSpinBox>
#include <QTabWidget>
#include <QPlainTextEdit>
#include <QTableWidget>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <deque>
#include <functional>

#include "base/settingsstore.h"
#include "engine/contestlog.h"
#include "gui/checkdialogs.h"
#include "gui/commandline.h"
#include "gui/editor.h"
#include "gui/guitest.h"
#include "gui/headerdialog.h"
#include "gui/logmodel.h"
#include "gui/statisticsdialog.h"
#include "gui/mainwindow.h"

using namespace qz;
using namespace qz::gui;
using namespace qz::test;

namespace {

// While it lives, hands every modal dialog that opens to the next step, one step per
// tick; a dialog still open when the steps have run out is cancelled, so a test never
// hangs on a window it did not expect.
class TDialogDriver : public QObject {
public:
    using TStep = std::function<void(QDialog*)>;
    explicit TDialogDriver(std::initializer_list<TStep> steps) : FSteps(steps) {
        auto* timer = new QTimer(this);
        connect(timer, &QTimer::timeout, this, [this] {
            auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
            if (dialog == nullptr) return;
            if (FSteps.empty()) {
                unexpected << dialog->metaObject()->className();
                dialog->reject();
                return;
            }
            TStep step = FSteps.front();
            FSteps.pop_front();
            step(dialog);
        });
        timer->start(10);
    }
    bool Done() const { return FSteps.empty(); }
    QStringList unexpected;

private:
    std::deque<TStep> FSteps;
};

template <typename T>
T* Field(QDialog* dialog, const char* name) {
    T* field = dialog->findChild<T*>(name);
    if (field == nullptr) qFatal("no field %s in %s", name, dialog->metaObject()->className());
    return field;
}

void ClickOk(QDialog* dialog) { dialog->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok)->click(); }

// The visible error lines of a dialog.
QStringList FieldErrors(QDialog* dialog) {
    QStringList texts;
    for (QLabel* label : dialog->findChildren<QLabel*>("fieldError"))
        if (!label->isHidden()) texts << label->text();
    return texts;
}

}  // namespace

class TDialogTest : public QObject {
    Q_OBJECT
private:
    QTemporaryDir FDir;
    std::string FNative;

private slots:
    void initTestCase();
    void headerContestChangesColumnsAndUndoes();
    void searchFindsCallAndNextOccurrence();
    void timeShiftOverRangeAndUndo();
    void invalidEntriesAreRefused();
    void exchangedNumbersCheckTakesTheFrontPage();
    void sentQTCsCommentAndStatistics();
};

void TDialogTest::initTestCase() {
    QVERIFY(PrepareTestFolders(FDir));
    FNative = (FDir.path() + "/cqww.QZF").toStdString();
    QVERIFY(SaveSampleAsNative(FNative));
}

void TDialogTest::headerContestChangesColumnsAndUndoes() {
    auto window = StartMainWindow({FNative});
    TQZEditor* editor = window->ActiveEditor();
    const int columns = editor->Model()->columnCount();
    const int lines = editor->ContestLog()->NoOfQSOs();
    const std::string firstCall = editor->ContestLog()->QSOs(0)->Call().Call();
    bool okWithoutCall = true;
    {
        TDialogDriver driver({[&](QDialog* d) {
            auto* header = qobject_cast<THeaderDataForm*>(d);
            QVERIFY(header != nullptr);
            QCOMPARE(header->ChosenContest(), cWWDXcw);
            // No own call, no OK.
            auto* call = Field<QLineEdit>(d, "leOwnCall");
            const QString own = call->text();
            call->clear();
            okWithoutCall = d->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok)->isEnabled();
            call->setText(own);
            header->ChooseContest(cWAEcw);
            ClickOk(d);
        }});
        window->Command("acEditHeaderData")->trigger();
        QVERIFY(driver.Done());
    }
    QVERIFY(!okWithoutCall);
    const TContestLog* log = editor->ContestLog();
    QCOMPARE(log->Contest(), cWAEcw);
    QCOMPARE(log->FileHeader().fhContest_Contest, cWAEcw);
    QCOMPARE(log->NoOfQSOs(), lines);
    QCOMPARE(log->QSOs(0)->Call().Call(), firstCall);
    QCOMPARE(editor->Model()->columnCount(), log->NoOfColumns());
    QVERIFY(editor->Model()->columnCount() != columns);
    QVERIFY(ColumnOf(*log, cpIsQTC) > 0);  // the QTC kind column of the WAE logs
    QVERIFY(editor->Modified());
    QCOMPARE(ReadSettingInteger("LastContest", 0), int(cWAEcw));
    // A new log starts from the contest chosen last.
    TContest proposed = cNoContest;
    {
        TDialogDriver driver({[&](QDialog* d) {
            proposed = qobject_cast<THeaderDataForm*>(d)->ChosenContest();
            d->reject();
        }});
        window->Command("acNew")->trigger();
    }
    QCOMPARE(proposed, cWAEcw);
    QCOMPARE(window->Editors().size(), std::size_t(1));

    // One undo brings the old contest, its columns and its lines back.
    window->UpdateCommands();
    QVERIFY(window->Command("acEditUndo")->isEnabled());
    window->Command("acEditUndo")->trigger();
    QCOMPARE(editor->ContestLog()->Contest(), cWWDXcw);
    QCOMPARE(editor->Model()->columnCount(), columns);
    QCOMPARE(ColumnOf(*editor->ContestLog(), cpIsQTC), 0);
    QCOMPARE(editor->ContestLog()->NoOfQSOs(), lines);
    TDialogDriver discard({[](QDialog* d) { qobject_cast<QMessageBox*>(d)->button(QMessageBox::No)->click(); }});
    window->close();
}

void TDialogTest::searchFindsCallAndNextOccurrence() {
    auto window = StartMainWindow({FNative});
    TQZEditor* editor = window->ActiveEditor();
    const TContestLog& log = *editor->ContestLog();
    // A call worked twice, and where.
    int first = -1, second = -1;
    for (int i = 0; i < log.NoOfQSOs() && second < 0; ++i)
        for (int j = i + 1; j < log.NoOfQSOs(); ++j)
            if (log.QSOs(j)->Call().Call() == log.QSOs(i)->Call().Call()) {
                first = i;
                second = j;
                break;
            }
    QVERIFY(second > 0);
    const QString call = QString::fromStdString(log.QSOs(first)->Call().Call()).toLower();
    editor->SetCurrentRow(log.NoOfQSOs() - 1);
    {
        TDialogDriver driver({[&](QDialog* d) {
            Field<QLineEdit>(d, "leSearchFor")->setText(call);
            Field<QAbstractButton>(d, "cbWholeWordOnly")->click();
            ClickOk(d);
        }});
        window->Command("acEditFind")->trigger();
        QVERIFY(driver.Done());
    }
    QCOMPARE(editor->CurrentRow(), first);
    QCOMPARE(editor->Grid()->currentIndex().column(), ColumnOf(log, cpCall));
    window->Command("acEditFindNext")->trigger();
    QCOMPARE(editor->CurrentRow(), second);

    // The dialog opens with the current cell's text and the last choices.
    QString preset;
    bool whole = false;
    {
        TDialogDriver driver({[&](QDialog* d) {
            preset = Field<QLineEdit>(d, "leSearchFor")->text();
            whole = Field<QAbstractButton>(d, "cbWholeWordOnly")->isChecked();
            d->reject();
        }});
        window->Command("acEditFind")->trigger();
    }
    QCOMPARE(preset, call.toUpper());
    QVERIFY(whole);
    QCOMPARE(editor->CurrentRow(), second);
}

void TDialogTest::timeShiftOverRangeAndUndo() {
    auto window = StartMainWindow({FNative});
    TQZEditor* editor = window->ActiveEditor();
    TContestLog& log = *editor->ContestLog();
    std::vector<TDateTime> before;
    for (int i = 0; i < 8; ++i) before.push_back(log.QSOs(i)->DateTime());
    {
        TDialogDriver driver({[](QDialog* d) {
            Field<QSpinBox>(d, "seFrom")->setValue(3);
            Field<QSpinBox>(d, "seTo")->setValue(5);
            ClickOk(d);
        }});
        window->Command("acEditMarkDefined")->trigger();
        QVERIFY(driver.Done());
    }
    QCOMPARE(log.NoOfSelectedQSOs(), 3);
    QVERIFY(log.QSOs(2)->Selected() && log.QSOs(4)->Selected() && !log.QSOs(5)->Selected());
    window->UpdateCommands();
    {
        TDialogDriver driver({[](QDialog* d) {
            Field<QSpinBox>(d, "seHours")->setValue(-1);
            Field<QSpinBox>(d, "seMinutes")->setValue(30);
            ClickOk(d);
        }});
        window->Command("acEditSetTimeDiff")->trigger();
        QVERIFY(driver.Done());
    }
    const double halfHour = 30.0 / (24 * 60);
    for (int i = 0; i < 8; ++i) {
        const double expected = before[i] - (i >= 2 && i <= 4 ? halfHour : 0.0);
        QVERIFY2(std::abs(log.QSOs(i)->DateTime() - expected) < 1e-7, qPrintable(QString::number(i)));
    }
    QVERIFY(editor->Modified());
    window->Command("acEditUndo")->trigger();
    for (int i = 0; i < 8; ++i) QCOMPARE(log.QSOs(i)->DateTime(), before[i]);
    TDialogDriver discard({[](QDialog* d) { qobject_cast<QMessageBox*>(d)->button(QMessageBox::No)->click(); }});
    window->close();
}

void TDialogTest::invalidEntriesAreRefused() {
    auto window = StartMainWindow({FNative});
    TQZEditor* editor = window->ActiveEditor();
    TContestLog& log = *editor->ContestLog();
    const TFileHeader header = log.FileHeader();
    // An own call that is no call, then a country file that does not exist: each time
    // the dialog stays open and says what is wrong; Cancel leaves the header as it was.
    QStringList errors;
    QString typedName;
    bool stayedOpen = false;
    {
        TDialogDriver driver({[&](QDialog* d) {
                                  // A character the log cannot keep is not taken.
                                  QLineEdit* name = Field<QLineEdit>(d, "leName");
                                  name->clear();
                                  for (const QString& typed : {QString::fromUtf8("Ж"), QString::fromUtf8("\u00e9")}) {
                                      QKeyEvent key(QEvent::KeyPress, 0, Qt::NoModifier, typed);
                                      QApplication::sendEvent(name, &key);
                                  }
                                  typedName = name->text();
                                  Field<QLineEdit>(d, "leOwnCall")->setText("12/");
                                  ClickOk(d);
                              },
                              [&](QDialog* d) {
                                  errors << FieldErrors(d);
                                  Field<QLineEdit>(d, "leOwnCall")->setText("DL1QQ");
                                  Field<QLineEdit>(d, "leCtyFile")->setText("/nonexistent/cty.dat");
                                  ClickOk(d);
                              },
                              [&](QDialog* d) {
                                  errors << FieldErrors(d);
                                  stayedOpen = d->isVisible();
                                  d->reject();
                              }});
        window->Command("acEditHeaderData")->trigger();
        QVERIFY(driver.Done());
    }
    QVERIFY(stayedOpen);
    QCOMPARE(typedName, QString::fromUtf8("\u00e9"));
    QCOMPARE(errors.size(), 2);
    QVERIFY2(errors[0].contains("call sign"), qPrintable(errors[0]));
    QVERIFY2(errors[1].contains("/nonexistent/cty.dat"), qPrintable(errors[1]));
    QCOMPARE(log.FileHeader().fhUser_OwnCall, header.fhUser_OwnCall);
    QCOMPARE(log.FileHeader().fhContest_CtyFile, header.fhContest_CtyFile);

    // A start number that is no number, for continuous numbering.
    window->Command("acEditMarkAll")->trigger();
    window->UpdateCommands();
    const std::string sent = log.QSOs(0)->SentNumbers(0);
    {
        TDialogDriver driver({[](QDialog* d) {
                                  Field<QLineEdit>(d, "edSentNumber")->setText("1O1");
                                  ClickOk(d);
                              },
                              [&](QDialog* d) {
                                  errors = FieldErrors(d);
                                  d->reject();
                              }});
        window->Command("acEditSetSentNumber")->trigger();
        QVERIFY(driver.Done());
    }
    QCOMPARE(errors.size(), 1);
    QCOMPARE(log.QSOs(0)->SentNumbers(0), sent);
    QVERIFY(!editor->Modified());
    QVERIFY(!log.History().CanUndo());
}

void TDialogTest::exchangedNumbersCheckTakesTheFrontPage() {
    const SExchangedNumbersCheck all{encSentConstant, encSentContinuously, encRcvdConstant, encRcvdContinuously};
    TCheckExchangedNumbersForm received(all, {"Power"}, {"Zone r", "Name"}, "Stations from DL", nullptr);
    received.ShowReceivedPage();
    received.findChild<QAbstractButton*>("cbSpecialCountries")->click();
    static_cast<QDialog&>(received).accept();
    const SExchangedNumbersCheck rcvd = received.ExchangedNumbersCheck();
    QVERIFY(!rcvd.Contains(encSentConstant) && !rcvd.Contains(encSentContinuously));
    QVERIFY(rcvd.Contains(encRcvdContinuously) && rcvd.Contains(encTestSpecialCountriesExclusively));

    // Only constant sent fields possible: that choice is taken; Cancel gives nothing.
    TCheckExchangedNumbersForm sent(SExchangedNumbersCheck{encSentConstant}, {"Power"}, {}, "", nullptr);
    static_cast<QDialog&>(sent).accept();
    QCOMPARE(sent.ExchangedNumbersCheck(), SExchangedNumbersCheck{encSentConstant});
    TCheckExchangedNumbersForm cancelled(all, {"Power"}, {"Zone r"}, "", nullptr);
    cancelled.reject();
    QVERIFY(cancelled.ExchangedNumbersCheck().Empty());
}

void TDialogTest::sentQTCsCommentAndStatistics() {
    auto window = StartMainWindow({FNative});
    TQZEditor* editor = window->ActiveEditor();
    {
        TDialogDriver driver({[](QDialog* d) {
            qobject_cast<THeaderDataForm*>(d)->ChooseContest(cWAEcw);
            ClickOk(d);
        }});
        window->Command("acEditHeaderData")->trigger();
    }
    TContestLog* log = editor->ContestLog();
    QCOMPARE(log->Contest(), cWAEcw);
    const int lines = log->NoOfQSOs();
    for (int i = 0; i < 3; ++i) log->QSOs(i)->SetSelected(true);
    window->UpdateCommands();
    QVERIFY(window->Command("acEditCopyAsSentQTCs")->isEnabled());
    QString serial;
    {
        TDialogDriver driver({[&](QDialog* d) {
            serial = Field<QLineEdit>(d, "leSerialNumber")->text();
            Field<QLineEdit>(d, "leCall")->setText("ua9abc");
            Field<QLineEdit>(d, "leTime")->setText("1230");
            ClickOk(d);
        }});
        window->Command("acEditCopyAsSentQTCs")->trigger();
        QVERIFY(driver.Done());
    }
    QCOMPARE(serial, QString("1/3"));
    QCOMPARE(log->NoOfQSOs(), lines + 3);
    QCOMPARE(editor->Model()->rowCount(), lines + 3);
    const TQSO* qtc = log->QSOs(lines);
    QVERIFY(qtc->QSOFlags().Contains(qfSentQTC));
    QCOMPARE(qtc->Call().Call(), std::string("UA9ABC"));
    QCOMPARE(qtc->RcvdNumbers(3), log->QSOs(0)->Call().Call());
    window->Command("acEditUndo")->trigger();
    QCOMPARE(log->NoOfQSOs(), lines);
    QCOMPARE(editor->Model()->rowCount(), lines);

    // A comment through its dialog, and one undo takes it away again.
    editor->SetCurrentRow(1);
    {
        TDialogDriver driver({[](QDialog* d) {
            Field<QPlainTextEdit>(d, "memComment")->setPlainText("worked on the second try\nweak");
            ClickOk(d);
        }});
        window->Command("acEditComment")->trigger();
        QVERIFY(driver.Done());
    }
    QCOMPARE(log->QSOs(1)->Comment(), (std::vector<std::string>{"worked on the second try", "weak"}));
    window->Command("acEditUndo")->trigger();
    QVERIFY(log->QSOs(1)->Comment().empty());

    // Statistics: a tab per multiplier kind that has multipliers, the kind's column title.
    window->Command("acEditCompile")->trigger();
    int kinds = 0;
    for (const TMultiList& list : log->MultiList()) kinds += list.empty() ? 0 : 1;
    QVERIFY(kinds > 0);
    int tabs = 0;
    QString firstTab;
    {
        TDialogDriver driver({[&](QDialog* d) {
            auto* stats = qobject_cast<TStatisticsForm*>(d);
            tabs = stats->Tabs()->count();
            firstTab = stats->Tabs()->tabText(0);
            // Every column shows without scrolling sideways, unless the screen is too small.
            QTableWidget* table = stats->Table(0);
            int columns = 0;
            for (int c = 0; c < table->columnCount(); ++c) columns += table->columnWidth(c);
            const int screenWidth = stats->screen()->availableGeometry().width();
            QVERIFY2(table->viewport()->width() >= columns || stats->width() >= screenWidth * 9 / 10,
                     qPrintable(QString("%1 < %2").arg(table->viewport()->width()).arg(columns)));
            d->reject();
        }});
        window->Command("Statistics1")->trigger();
        QVERIFY(driver.Done());
    }
    QCOMPARE(tabs, kinds);
    QVERIFY(!firstTab.isEmpty());

    // The contest change is a step of the history like any other: undone after the steps
    // made since, it brings back the log of the old contest; Redo brings the WAE log.
    for (int i = 0; i < 10 && editor->ContestLog()->Contest() == cWAEcw; ++i) window->Command("acEditUndo")->trigger();
    QVERIFY(editor->ContestLog()->Contest() != cWAEcw);
    QCOMPARE(editor->Model()->rowCount(), editor->ContestLog()->NoOfQSOs());
    QCOMPARE(editor->Model()->columnCount(), editor->ContestLog()->NoOfColumns());
    window->Command("acEditRedo")->trigger();
    QCOMPARE(editor->ContestLog(), log);
    QCOMPARE(editor->Model()->columnCount(), log->NoOfColumns());
    TDialogDriver discard({[](QDialog* d) { qobject_cast<QMessageBox*>(d)->button(QMessageBox::No)->click(); }});
    window->close();
}

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    TDialogTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "dialog_tests.moc"
