// The import and export dialogs driven through the real windows on the offscreen
// platform: the STF column allocation, the ADIF configuration, the format-list editor
// of the ASCII import and the dBase export of the Export menu.
#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFileDialog>
#include <QInputDialog>
#include <QItemSelectionModel>
#include <QListWidget>
#include <QPushButton>
#include <QLineEdit>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QSpinBox>
#include <QTableView>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <deque>
#include <fstream>
#include <functional>
#include <iterator>
#include <memory>

#include "base/options.h"
#include "base/settingsstore.h"
#include "engine/contestlog.h"
#include "gui/adifconfigdialog.h"
#include "gui/asciiimportdialog.h"
#include "gui/commandline.h"
#include "gui/editor.h"
#include "gui/guitest.h"
#include "gui/mainwindow.h"
#include "gui/stfallocationdialog.h"
#include "gui/formatactions.h"
#include "gui/headerdialog.h"
#include "gui/natemplatedialog.h"
#include "import/asciiimport.h"
#include "import/binlogmaker.h"
#include "import/formatlist.h"
#include "import/naimport.h"

using namespace qz;
using namespace qz::gui;
using namespace qz::test;

namespace {

void WriteBytes(const std::string& path, const std::string& bytes) { std::ofstream(path, std::ios::binary) << bytes; }

// Plays a script against the modal windows that open while it lives: each step handles
// the next modal window (a dialog, a message box, an input box). Message boxes are
// recorded; a window the script has no step for is cancelled, so a test never hangs.
class TScript : public QObject {
public:
    using TStep = std::function<void(QWidget*)>;
    explicit TScript(std::initializer_list<TStep> steps) : FSteps(steps) {
        auto* timer = new QTimer(this);
        connect(timer, &QTimer::timeout, this, [this] { Tick(); });
        timer->start(10);
    }
    int Left() const { return static_cast<int>(FSteps.size()); }
    QStringList boxes;  // the texts of the message boxes, in order

    static TStep Button(QMessageBox::StandardButton button) {
        return [button](QWidget* w) {
            auto* box = qobject_cast<QMessageBox*>(w);
            QVERIFY2(box != nullptr, qPrintable(w->metaObject()->className()));
            QVERIFY(box->button(button) != nullptr);
            box->button(button)->click();
        };
    }
    static TStep Input(const QString& text) {
        return [text](QWidget* w) {
            auto* input = qobject_cast<QInputDialog*>(w);
            QVERIFY2(input != nullptr, qPrintable(w->metaObject()->className()));
            input->setTextValue(text);
            input->accept();
        };
    }

private:
    void Tick() {
        QWidget* w = QApplication::activeModalWidget();
        if (w == nullptr) {
            FCurrent = nullptr;
            return;
        }
        if (w == FCurrent && w->property("qzScripted").isValid()) {
            // A window that stays open after its step would stop the test: close it.
            if (++FWaited > kMaxWait) {
                qWarning("%s stayed open after its step", w->metaObject()->className());
                if (auto* d = qobject_cast<QDialog*>(w)) d->reject();
            }
            return;
        }
        FWaited = 0;
        FCurrent = w;
        w->setProperty("qzScripted", true);
        if (auto* box = qobject_cast<QMessageBox*>(w)) boxes << box->text();
        if (FSteps.empty()) {
            if (auto* d = qobject_cast<QDialog*>(w)) d->reject();
            return;
        }
        TStep step = FSteps.front();
        FSteps.pop_front();
        // Run outside this timer, so that a window the step opens gets its own step.
        QTimer::singleShot(0, w, [step, w] { step(w); });
    }

    static constexpr int kMaxWait = 300;  // ticks of 10 ms
    std::deque<TStep> FSteps;
    QWidget* FCurrent = nullptr;
    int FWaited = 0;
};

// A step that types `path` into a file dialog and presses Return.
TScript::TStep ChooseFile(const std::string& path) {
    return [path](QWidget* w) {
        auto* dialog = qobject_cast<QFileDialog*>(w);
        QVERIFY2(dialog != nullptr, qPrintable(w->metaObject()->className()));
        auto* name = dialog->findChild<QLineEdit*>("fileNameEdit");
        QVERIFY(name != nullptr);
        name->setText(QString::fromStdString(path));
        QTest::keyClick(name, Qt::Key_Return);
    };
}

// A step that takes the import's header dialog as the file fills it.
void AcceptHeader(QWidget* w) {
    auto* dialog = qobject_cast<THeaderDataForm*>(w);
    QVERIFY2(dialog != nullptr, qPrintable(w->metaObject()->className()));
    // A file without an own call (its folder names none) gets one typed in.
    auto* call = dialog->findChild<QLineEdit*>("leOwnCall");
    QVERIFY(call != nullptr);
    if (call->text().isEmpty()) call->setText("DL1ABC");
    static_cast<QDialog*>(dialog)->accept();
}

template <class T>
T* As(QWidget* w) {
    T* t = qobject_cast<T*>(w);
    if (t == nullptr) qWarning("expected %s, got %s", T::staticMetaObject.className(), w->metaObject()->className());
    return t;
}

}  // namespace

class TFormatsTest : public QObject {
    Q_OBJECT
private:
    QTemporaryDir FDir;
    std::string FNative;

    std::string Path(const char* name) const { return (FDir.path() + "/" + name).toStdString(); }

private slots:
    void initTestCase();
    void stfImportThroughAllocationDialog();
    void adifConfigurationStoredAndExported();
    void formatListEditor();
    void dBaseExportFromMenu();
    void importsUseTheirDialogs();
    void asciiImportCommand();
};

void TFormatsTest::initTestCase() {
    QVERIFY(PrepareTestFolders(FDir));
    FNative = Path("cqww.QZF");
    QVERIFY(SaveSampleAsNative(FNative));
}

void TFormatsTest::stfImportThroughAllocationDialog() {
    // The file calls the zone column "Zone", which the contest's own keyword ("Rcvd")
    // does not find: only the user's allocation brings the zones in.
    const std::string stf = Path("zones.stf");
    WriteBytes(stf,
               "STF1\r\nHeader\r\nContest      CQ-WW-CW\r\nMyCall       DL1ABC\r\n"
               "QsoOrder     Date Time Band Mode Call SRst Sent RRst Zone\r\nEndHeader\r\n\r\nQSOList\r\n"
               "20131123 0007 20 CW W1AW 599 14 599 05\r\n20131123 0010 20 CW JA1XYZ 599 14 599 25\r\nEndQSOList\r\n");
    auto window = StartMainWindow({});
    Options.Import_STF_ShowAllocationDialog.oValue = true;
    int shown = 0;
    {
        TScript script({AcceptHeader, [&shown](QWidget* w) {
                            auto* form = As<TSTFConvertForm>(w);
                            QVERIFY(form != nullptr);
                            ++shown;
                            QVERIFY(!form->QTCTable()->isVisibleTo(form));
                            const TSTFAllocation a = form->Allocation();
                            for (std::size_t r = 0; r < a.QSORows.size(); ++r) {
                                auto* pick =
                                    qobject_cast<QComboBox*>(form->QSOTable()->cellWidget(static_cast<int>(r), 1));
                                if (a.QSORows[r].Property == cpCall) QCOMPARE(pick->currentText(), QString("Call"));
                                if (a.QSORows[r].Property == cpRcvdNumber && a.QSORows[r].NumberIndex == 0) {
                                    QCOMPARE(pick->currentText(), QString());
                                    pick->setCurrentText("Zone");
                                }
                            }
                            form->accept();
                        }});
        QVERIFY(window->OpenAnyFile(stf));
    }
    Options.Import_STF_ShowAllocationDialog.oValue = false;
    QCOMPARE(shown, 1);
    const TContestLog& log = *window->ActiveEditor()->ContestLog();
    QCOMPARE(log.NoOfQSOs(), 2);
    QCOMPARE(log.QSOs(0)->Call().Call(), std::string("W1AW"));
    QCOMPARE(log.QSOs(1)->RcvdNumbers(0), std::string("25"));

    // Without the setting the proposal stands, and only the header dialog opens.
    TScript none({AcceptHeader});
    QVERIFY(window->OpenAnyFile(stf));
    QCOMPARE(window->ActiveEditor()->ContestLog()->QSOs(1)->RcvdNumbers(0), std::string());
}

void TFormatsTest::adifConfigurationStoredAndExported() {
    auto window = StartMainWindow({FNative});
    TQZEditor* editor = window->ActiveEditor();
    editor->SetOutputWindowChecked(owADIF, true);
    const QString before = editor->OutputMemo(owADIF)->toPlainText();
    QVERIFY(before.contains("<call:"));
    QVERIFY(!before.contains("<time_off:"));

    auto rcvdPick = [](TADIFConfigForm* form) { return qobject_cast<QComboBox*>(form->RcvdTable()->cellWidget(0, 1)); };
    {
        TScript script({
            [&](QWidget* w) {
                auto* form = As<TADIFConfigForm>(w);
                QVERIFY(form != nullptr);
                QVERIFY(form->RcvdTable()->rowCount() >= 1);
                form->FieldBox("TIME_OFF")->setChecked(true);
                QVERIFY(form->Example()->toPlainText().contains("<time_off:4>"));
                // A field the record writes itself, and a name that is no ADIF name, are refused.
                rcvdPick(form)->setEditText("Call");
                QVERIFY(!form->RowError(0).isEmpty());
                form->accept();
            },
            TScript::Button(QMessageBox::Ok),
            [&](QWidget* w) {
                auto* form = As<TADIFConfigForm>(w);
                QVERIFY(form != nullptr);
                QVERIFY(form->isVisible());
                rcvdPick(form)->setEditText("cq zone");
                QVERIFY(!form->RowError(0).isEmpty());
                rcvdPick(form)->setEditText("CQZ");
                QVERIFY(form->RowError(0).isEmpty());
                QVERIFY(form->Example()->toPlainText().contains("<cqz:"));
                form->accept();
            },
        });
        window->Command("acExportADIFConfig")->trigger();
        QCOMPARE(script.Left(), 0);
        QCOMPARE(script.boxes.size(), 1);
        QVERIFY(script.boxes[0].contains("\"Call\""));
    }
    QCOMPARE(ReadSettingString("ADIF_AssignmentRcvd_1", "?"), std::string("cqz"));
    QVERIFY(ReadSettingBool("ADIF_Enable_TIME_OFF", false));
    // The output window shows the stored configuration at once.
    const QString after = editor->OutputMemo(owADIF)->toPlainText();
    QVERIFY(after.contains("<time_off:4>"));
    QVERIFY(after.contains("<cqz:"));

    // Cancel stores nothing.
    {
        TScript cancel({[](QWidget* w) {
            auto* form = As<TADIFConfigForm>(w);
            QVERIFY(form != nullptr);
            form->FieldBox("TIME_OFF")->setChecked(false);
            form->reject();
        }});
        window->Command("acExportADIFConfig")->trigger();
    }
    QVERIFY(ReadSettingBool("ADIF_Enable_TIME_OFF", false));

    // With the setting on, the export shows the dialog after the file is chosen; its OK
    // refreshes the window and the file is written with the new configuration.
    Options.Export_ADIF_ShowConfigDialog.oValue = true;
    const std::string adi = Path("export.adi");
    TScript exportScript({ChooseFile(adi), [](QWidget* w) {
                              auto* form = As<TADIFConfigForm>(w);
                              QVERIFY(form != nullptr);
                              form->FieldBox("TIME_OFF")->setChecked(false);
                              form->accept();
                          }});
    window->UpdateCommands();
    QVERIFY(window->Command("acExportADIF")->isEnabled());
    window->Command("acExportADIF")->trigger();
    Options.Export_ADIF_ShowConfigDialog.oValue = false;
    QCOMPARE(exportScript.Left(), 0);
    const std::string file = ReadBytes(adi);
    QVERIFY(file.find("<cqz:") != std::string::npos);
    QVERIFY(file.find("<time_off:") == std::string::npos);
    QVERIFY(!editor->OutputMemo(owADIF)->toPlainText().contains("<time_off:"));
}

void TFormatsTest::formatListEditor() {
    auto window = StartMainWindow({FNative});
    const TContestLog& log = *window->ActiveEditor()->ContestLog();
    const std::string text = Path("plain.txt");
    WriteBytes(text, "2311 0007 W1AW     599 05\n2311 0010 JA1XYZ   599 25\n");
    const std::string listPath = Path("FileFormatList.qz");
    TASCIIImportSettings initial;
    TASCIIImportForm form(text, log, initial, listPath);
    form.show();
    QVERIFY(form.NewLayoutButton()->isChecked());

    // The call's columns taken from the grid's selection.
    int callField = -1;
    for (int f = 0; f < form.FieldCount(); ++f)
        if (form.FieldTitle(f) == "Call") callField = f;
    QVERIFY(callField >= 0);
    QTableView* grid = form.Grid();
    grid->selectionModel()->select(QItemSelection(grid->model()->index(0, 10), grid->model()->index(1, 15)),
                                   QItemSelectionModel::ClearAndSelect);
    form.TakeSelectedColumns(callField);
    QCOMPARE(form.FromSpin(callField)->value(), 11);
    QCOMPARE(form.ToSpin(callField)->value(), 16);

    // A bad extension is refused before a name is asked for.
    form.FileExtension()->setText("t x t");
    QVERIFY(!form.Problems().isEmpty());
    {
        TScript script({TScript::Button(QMessageBox::Ok)});
        QVERIFY(!form.InsertNew());
        QCOMPARE(script.Left(), 0);
    }
    form.FileExtension()->setText(".txt");
    QVERIFY(form.Problems().isEmpty());
    {
        TScript script({TScript::Input("  contest log  "), TScript::Button(QMessageBox::Yes)});
        QVERIFY(form.InsertNew());
        QCOMPARE(script.Left(), 0);
    }
    TFormatList stored;
    QVERIFY(stored.LoadFromFile(listPath));
    QCOMPARE(stored.Count(), 1);
    QCOMPARE(stored.Items(0).Name, std::string("CONTEST LOG"));
    QCOMPARE(stored.Items(0).FileExtension, std::string("txt"));
    QCOMPARE(stored.Items(0).StartPos.Call, 11);
    QCOMPARE(stored.Items(0).EndPos.Call, 16);
    QVERIFY(form.KnownLayoutButton()->isChecked());

    // A second layout; a name already taken is refused and asked again.
    {
        TScript script({TScript::Input("contest log"), TScript::Button(QMessageBox::Ok), TScript::Input("b-side"),
                        TScript::Button(QMessageBox::Yes)});
        QVERIFY(form.InsertNew());
        QCOMPARE(script.Left(), 0);
        QVERIFY(script.boxes[0].contains("CONTEST LOG"));
    }
    QVERIFY(stored.LoadFromFile(listPath));
    QCOMPARE(stored.Count(), 2);

    // Rename keeps the list sorted; the save action writes it.
    form.Formats()->setCurrentIndex(form.FormatList().IndexOfName("B-SIDE"));
    {
        TScript script({TScript::Input("zulu")});
        form.RenameItem();
        QCOMPARE(script.Left(), 0);
    }
    QCOMPARE(form.Formats()->currentText(), QString("ZULU"));
    QCOMPARE(form.Formats()->itemText(0), QString("CONTEST LOG"));
    form.SaveList();
    QVERIFY(stored.LoadFromFile(listPath));
    QCOMPARE(stored.IndexOfName("ZULU"), 1);
    QCOMPARE(stored.IndexOfName("B-SIDE"), -1);

    // Delete asks first; Cancel keeps the layout, OK and Yes remove it from the file.
    form.Formats()->setCurrentIndex(0);
    {
        TScript script({TScript::Button(QMessageBox::Cancel)});
        form.DeleteItem();
    }
    QCOMPARE(form.FormatList().Count(), 2);
    {
        TScript script({TScript::Button(QMessageBox::Ok), TScript::Button(QMessageBox::Yes)});
        form.DeleteItem();
        QCOMPARE(script.Left(), 0);
    }
    QVERIFY(stored.LoadFromFile(listPath));
    QCOMPARE(stored.Count(), 1);
    QCOMPARE(stored.Items(0).Name, std::string("ZULU"));
    // The last layout cannot be deleted.
    {
        TScript script({});
        form.DeleteItem();
    }
    QCOMPARE(form.FormatList().Count(), 1);

    // Columns that cannot be read keep the dialog open with a message.
    form.FromSpin(callField)->setValue(20);
    QVERIFY(form.Problems().contains("Call"));
    {
        TScript script({TScript::Button(QMessageBox::Ok), TScript::Button(QMessageBox::No)});
        form.accept();
        QVERIFY(form.isVisible());
        form.ToSpin(callField)->setValue(25);
        form.accept();
        QCOMPARE(script.Left(), 0);
    }
    QCOMPARE(form.result(), int(QDialog::Accepted));
    QCOMPARE(form.Settings().Layout.StartPos.Call, 20);
}

void TFormatsTest::dBaseExportFromMenu() {
    auto window = StartMainWindow({FNative});
    TQZEditor* editor = window->ActiveEditor();
    const int lines = editor->ContestLog()->NoOfQSOs();
    // The RES and Swisslog windows hold one line per log line.
    for (TOutputWindow w : {owRES, owSwisslog}) {
        editor->SetOutputWindowChecked(w, true);
        QCOMPARE(editor->OutputMemo(w)->document()->blockCount(), lines);
    }

    const std::string dbf = Path("log.dbf");
    const TScript::TStep chooseFile = ChooseFile(dbf);
    window->UpdateCommands();
    QVERIFY(window->Command("acExportdBase")->isEnabled());
    {
        TScript script({chooseFile});
        window->Command("acExportdBase")->trigger();
        QCOMPARE(script.Left(), 0);
    }
    const std::string bytes = ReadBytes(dbf);
    QCOMPARE(bytes.size(), std::size_t(738 + lines * 166 + 1));
    const auto byte = [&bytes](std::size_t i) { return static_cast<unsigned char>(bytes[i]); };
    QCOMPARE(int(byte(4) | byte(5) << 8 | byte(6) << 16 | byte(7) << 24), lines);

    // An existing file is replaced only after OK; Cancel leaves it and says so.
    WriteBytes(dbf, "keep");
    {
        TScript script({chooseFile, TScript::Button(QMessageBox::Cancel), TScript::Button(QMessageBox::Ok)});
        window->Command("acExportdBase")->trigger();
        QCOMPARE(script.Left(), 0);
    }
    QCOMPARE(ReadBytes(dbf), std::string("keep"));
}

void TFormatsTest::importsUseTheirDialogs() {
    auto window = StartMainWindow({});
    // A column text whose extension has a stored layout: the dialog opens with it, and
    // the import reads by it.
    TFormatList list;
    TPosListRec layout;
    layout.Name = "LOG";
    layout.FileExtension = "txt";
    layout.NumberOfRcvdNumbers = 1;
    layout.StartPos.Call = 11;
    layout.EndPos.Call = 18;
    layout.StartPos.Rcvd_RST = 20;
    layout.EndPos.Rcvd_RST = 22;
    layout.StartPos.Rcvd_Numbers[0] = 24;
    layout.EndPos.Rcvd_Numbers[0] = 25;
    list.Add(layout);
    QVERIFY(list.SaveToFile(FormatListPath()));
    const std::string text = Path("contest.txt");
    WriteBytes(text, "2311 0007 W1AW     599 05\r\n2311 0010 JA1XYZ   579 25\r\n");
    std::vector<std::string> messages;
    TASCIIConvert ascii(text, &messages);
    ascii.DefaultContest = cWWDXcw;
    PrepareConverterDialogs(window.get(), ascii);
    {
        TScript script({AcceptHeader, [](QWidget* w) {
                            auto* form = As<TASCIIImportForm>(w);
                            QVERIFY(form != nullptr);
                            QVERIFY(form->KnownLayoutButton()->isChecked());
                            QCOMPARE(form->Formats()->currentText(), QString("LOG"));
                            form->accept();
                        }});
        std::unique_ptr<TContestLog> log = ascii.ReadLog(true);
        QCOMPARE(script.Left(), 0);
        QVERIFY(log != nullptr);
        QCOMPARE(log->NoOfQSOs(), 2);
        QCOMPARE(log->QSOs(1)->Call().Call(), std::string("JA1XYZ"));
        QCOMPARE(log->QSOs(1)->RcvdNumbers(0), std::string("25"));
    }

    // An NA log whose template file is missing: the layout chosen from the list splits
    // the exchange; Cancel ends the import.
    std::string exchange(31, ' ');
    test::PutColumns(exchange, 1, "W1AW");
    test::PutColumns(exchange, 13, "579");
    test::PutColumns(exchange, 16, "0014");
    const std::string na = Path("contest.qdf");
    WriteBytes(na, test::MakeNAFile(100, "DL1ABC", "NOSUCH", {{0, 8, false, exchange}}));
    for (const bool cancel : {true, false}) {
        TNAConvert naConvert(na, &messages);
        naConvert.DefaultContest = cWWDXcw;
        naConvert.TemplateFolder = FDir.path().toStdString();
        PrepareConverterDialogs(window.get(), naConvert);
        TScript script({[cancel](QWidget* w) {
                            auto* form = As<TNATemplateForm>(w);
                            QVERIFY(form != nullptr);
                            if (cancel) return form->reject();
                            form->Templates()->setCurrentRow(7);  // "call/rst/nr"
                            form->findChild<QPushButton*>("bbOk")->click();
                        },
                        AcceptHeader});
        std::unique_ptr<TContestLog> log = naConvert.ReadLog(true);
        QCOMPARE(script.Left(), cancel ? 1 : 0);
        QCOMPARE(log == nullptr, cancel);
        if (cancel) continue;
        QCOMPARE(log->QSOs(0)->Call().Call(), std::string("W1AW"));
        QCOMPARE(log->QSOs(0)->RcvdRST(), std::string("579"));
        QCOMPARE(log->QSOs(0)->RcvdNumbers(0), std::string("0014"));
    }
}

void TFormatsTest::asciiImportCommand() {
    auto window = StartMainWindow({});
    TFormatList list;
    TPosListRec layout;
    layout.Name = "LOG";
    layout.FileExtension = ".prn";
    layout.StartPos.Call = 11;
    layout.EndPos.Call = 18;
    list.Add(layout);
    QVERIFY(list.SaveToFile(FormatListPath()));
    QCOMPARE(ASCIIImportFilter(TFormatList{}), QString("All files (*)"));
    const std::string text = Path("contest.prn");
    WriteBytes(text, "2311 0007 W1AW\r\n2311 0010 JA1XYZ\r\n");
    // The dialog offers the stored layouts' extensions; the file is read as a column text
    // without the message for files of no known type.
    TScript script({[&text](QWidget* w) {
                        auto* dialog = As<QFileDialog>(w);
                        QVERIFY(dialog != nullptr);
                        QVERIFY2(dialog->nameFilters().front().contains("*.prn"),
                                 qPrintable(dialog->nameFilters().join(";;")));
                        ChooseFile(text)(w);
                    },
                    [](QWidget* w) {
                        auto* header = As<THeaderDataForm>(w);
                        QVERIFY(header != nullptr);
                        header->ChooseContest(cWWDXcw);
                        AcceptHeader(w);
                    },
                    [](QWidget* w) {
                        auto* form = As<TASCIIImportForm>(w);
                        QVERIFY(form != nullptr);
                        QCOMPARE(form->Formats()->currentText(), QString("LOG"));
                        form->accept();
                    }});
    window->Command("acImportASCII")->trigger();
    QCOMPARE(script.Left(), 0);
    QVERIFY2(script.boxes.isEmpty(), qPrintable(script.boxes.join('\n')));
    QVERIFY(window->ActiveEditor() != nullptr);
    QCOMPARE(window->ActiveEditor()->ContestLog()->QSOs(1)->Call().Call(), std::string("JA1XYZ"));
}

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    TFormatsTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "formats_tests.moc"
