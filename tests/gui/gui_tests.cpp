// The desktop program driven through its real windows on the offscreen platform: the
// main window opens logs from its command line, the editor changes, undoes, compiles,
// saves and closes them, and message boxes are answered by clicking their buttons.
#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QDesktopServices>
#include <QDirIterator>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QHeaderView>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QAbstractItemView>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPrinter>
#include <QPushButton>
#include <QRegularExpression>
#include <QStatusBar>
#include <QTableWidget>
#include <QTextBrowser>
#include <QTabWidget>
#include <QSignalSpy>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QtCharts>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>

#include "base/datetime.h"
#include "base/installfiles.h"
#include "base/options.h"
#include "base/settingsstore.h"
#include "base/text.h"
#include "contests/framework/factory.h"
#include "engine/contestlog.h"
#include "gui/batchreport.h"
#include "gui/batchwizard.h"
#include "gui/cellediting.h"
#include "gui/chartsview.h"
#include "gui/celleditors.h"
#include "gui/commands.h"
#include "gui/commandline.h"
#include "gui/editor.h"
#include "gui/guitest.h"
#include "gui/filehistory.h"
#include "gui/guifrontend.h"
#include "gui/logmodel.h"
#include "gui/helpcommands.h"
#include "gui/mainwindow.h"
#include "gui/manualwindow.h"
#include "gui/opendialog.h"
#include "gui/optionsdialog.h"
#include "gui/printing.h"
#include "gui/qtext.h"
#include "gui/shortcutsdialog.h"
#include "gui/startpanel.h"
#include "logfile/qzf.h"
#include "update/testserver.h"

using namespace qz;
using namespace qz::gui;
using namespace qz::test;

namespace {

// The header's last-modified time stamp (8 bytes after the version string, the
// creation stamp and its version) differs between two saves.
std::string WithoutSaveTime(std::string bytes) {
    if (bytes.size() > 42) bytes.replace(34, 8, 8, '\0');
    return bytes;
}

// While it lives, clicks `button` of every message box that opens and keeps its text.
class TBoxAnswerer : public QObject {
public:
    explicit TBoxAnswerer(QMessageBox::StandardButton button) : FButton(button) {
        auto* timer = new QTimer(this);
        connect(timer, &QTimer::timeout, this, [this] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (box == nullptr) return;
            texts << box->text();
            if (QAbstractButton* b = box->button(FButton)) b->click();
            else box->reject();
        });
        timer->start(10);
    }
    QStringList texts;

private:
    QMessageBox::StandardButton FButton;
};

}  // namespace

// Takes the place of the desktop's file manager: keeps the address it is asked to show.
class TUrlCatcher : public QObject {
    Q_OBJECT
public slots:
    void Open(const QUrl& address) { url = address; }

public:
    QUrl url;
};

// While it lives, notes where every file dialog that opens starts (its folder and the
// proposed file) and cancels it.
class TFileDialogWatcher : public QObject {
public:
    TFileDialogWatcher() {
        auto* timer = new QTimer(this);
        connect(timer, &QTimer::timeout, this, [this] {
            auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
            if (dialog == nullptr) return;
            folders << dialog->directory().absolutePath();
            files << dialog->selectedFiles().value(0);
            dialog->reject();
        });
        timer->start(10);
    }
    QStringList folders, files;
};

class TGuiTest : public QObject {
    Q_OBJECT
private:
    QTemporaryDir FDir;
    std::string FNative;  // a native log made from the sample Cabrillo log

    std::string Path(const char* name) const { return (FDir.path() + "/" + name).toStdString(); }

    QString Cell(TQZEditor* editor, int row, TColumnProperty property) {
        const int col = ColumnOf(*editor->ContestLog(), property);
        return editor->Model()->data(editor->Model()->index(row, col), Qt::DisplayRole).toString();
    }

    // The first multiplier of a line.
    QString Multiplier(TQZEditor* editor, int row) {
        const TContestLog& log = *editor->ContestLog();
        const int col = log.GetColumnNumberFromProperty(cpMul, 0, log.NoOfColumns());
        return editor->Model()->data(editor->Model()->index(row, col), Qt::DisplayRole).toString();
    }

    void ChangeCall(TQZEditor* editor, int row, const QString& call) {
        editor->SetCurrentRow(row);
        QLineEdit* field = editor->LineEntryField(ColumnOf(*editor->ContestLog(), cpCall));
        QVERIFY(field != nullptr);
        field->setText(call);
        QTest::keyClick(field, Qt::Key_Return);
    }

private slots:
    void initTestCase();
    void commandLineAndRecentFiles();
    void opensLogFromCommandLine();
    void editUndoCompile();
    void saveAndReopenByteForByte();
    void closeWithUnsavedChanges();
    void switchesLanguageAtRunTime();
    void printsGridAndOutputWindow();
    void damagedFileLeavesWindowUsable();
    void unusableSettingsFileIsNamedAndKept();
    void helpMenuUpdatesOnlyWithoutOpenLogs();
    void batchWizardRunsEachJob();
    void batchWizardServesACommittee();
    void batchWizardCrossChecksAContest();
    void fastAppendTypesALineWithProposals();
    void cellEditEscapeRefuseAndUndo();
    void cellEditorsAcceptOnlyValidCharacters();
    void openDialogPreviewsTheSelectedFile();
    void altEnterFillsSelectedLinesAsOneStep();
    void windowMenuArrangesLogWindows();
    void folderCommandsNameTheFolder();
    void manualWindowFollowsLinks();
    void shortcutListShowsEveryKey();
    void menuAcceleratorsAreUniqueInBothLanguages();
    void fileDialogsStartInTheLogsFolder();
    void columnsAndListsShowTheirWholeTexts();
    void startPanelIconsAndToolbar();
    void typedDupeIsMarkedAndHintedWithoutCompile();
    void newLogFirstLineShowsCountryWhenTyped();
    void realTimeClockTimesAppendedLines();
    void chartsTabFollowsTheLog();
};

void TGuiTest::initTestCase() {
    QVERIFY(PrepareTestFolders(FDir));
    // The sample Cabrillo log, converted in memory and saved as a native log.
    FNative = Path("cqww.QZF");
    QVERIFY(SaveSampleAsNative(FNative));
}

void TGuiTest::commandLineAndRecentFiles() {
    // Switches in either spelling and case; an absolute path is a file; names without
    // extension get ".QZF"; files are opened in sorted order.
    const TCommandLine cl = ParseCommandLine(
        {"b.qzf", "/dbg", "--QUIRN", "/CLF", "/CLF", "/home/op/logs/ri0vez", "-unknown", "A.qzf", "/logs/x.log"});
    QVERIFY(cl.debugDataFolders);
    QVERIFY(cl.iaruPointsFromOptions);
    QCOMPARE(cl.clfCount, 2);
    const std::vector<std::string> files = {"/home/op/logs/ri0vez.QZF", "/logs/x.log", "A.qzf", "b.qzf"};
    QCOMPARE(cl.files, files);

    // At most 20 kept, newest first, a name opened again (in any case) moves to the top.
    TFileHistory history;
    for (int i = 0; i < 25; ++i) history.AddHistoryFile("/logs/log" + std::to_string(i) + ".QZF");
    history.AddHistoryFile("/LOGS/LOG10.qzf");
    QVERIFY(history.SaveToRegistry());
    TFileHistory loaded;
    loaded.LoadFromRegistry();
    QCOMPARE(loaded.Count(), kMaxHistoryFiles);
    QCOMPARE(loaded.Newest().front(), std::string("/LOGS/LOG10.qzf"));
    QCOMPARE(loaded.Newest()[1], std::string("/logs/log24.QZF"));
    QCOMPARE(ReadSettingString("HistoryFile00", "", kFileHistorySection), std::string("/LOGS/LOG10.qzf"));
}

void TGuiTest::opensLogFromCommandLine() {
    // Without its extension, as a user types it.
    std::string stem = FNative.substr(0, FNative.size() - 4);
    auto window = StartMainWindow({stem});
    QVERIFY(window != nullptr);
    QCOMPARE(window->Editors().size(), std::size_t(1));
    TQZEditor* editor = window->ActiveEditor();
    QCOMPARE(editor->FileName(), FNative);
    const TContestLog& log = *editor->ContestLog();
    QCOMPARE(editor->Model()->rowCount(), log.NoOfQSOs());
    QCOMPARE(editor->Model()->columnCount(), log.NoOfColumns());
    QCOMPARE(Cell(editor, 0, cpCall).toStdString(), log.QSOs(0)->Call().Call());
    QCOMPARE(Cell(editor, log.NoOfQSOs() - 1, cpNr), QString::number(log.NoOfQSOs()));
    QCOMPARE(editor->Model()->headerData(ColumnOf(log, cpCall), Qt::Horizontal, Qt::DisplayRole).toString(),
             QString("Call"));
    // No column is too narrow for its widest call.
    const int callCol = ColumnOf(log, cpCall);
    int widest = 0;
    for (int r = 0; r < log.NoOfQSOs(); ++r)
        widest = std::max(widest, editor->Grid()->fontMetrics().horizontalAdvance(Cell(editor, r, cpCall)));
    QVERIFY(editor->Grid()->columnWidth(callCol) > widest);
    QCOMPARE(window->FileHistory().Newest().front(), FNative);
}

void TGuiTest::editUndoCompile() {
    auto window = StartMainWindow({FNative});
    TQZEditor* editor = window->ActiveEditor();
    const QString before = Cell(editor, 2, cpCall);
    ChangeCall(editor, 2, "dl9xyz");
    QCOMPARE(Cell(editor, 2, cpCall), QString("DL9XYZ"));
    QVERIFY(editor->Modified());
    window->UpdateCommands();
    QVERIFY(window->Command("acEditUndo")->isEnabled());
    window->Command("acEditUndo")->trigger();
    QCOMPARE(Cell(editor, 2, cpCall), before);

    // A value the line does not accept changes nothing and says which column.
    TBoxAnswerer answer(QMessageBox::Ok);
    editor->SetCurrentRow(2);
    QLineEdit* band = editor->LineEntryField(ColumnOf(*editor->ContestLog(), cpBand));
    band->setText("parsec");
    QVERIFY(!editor->ApplyLineEntry());
    QCOMPARE(answer.texts.size(), 1);
    QVERIFY(answer.texts[0].contains("Band"));

    // Compile from the main window fills the result window with the final score.
    editor->SetOutputWindowChecked(owResult, true);
    const int starts = window->FrontEnd().ProgressStarts();
    window->Command("acEditCompile")->trigger();
    QVERIFY(window->FrontEnd().ProgressStarts() > starts);
    const QString result = editor->OutputMemo(owResult)->toPlainText();
    QVERIFY(!result.isEmpty());
    QVERIFY(result.contains(QString::fromStdString(FormatThousands(editor->ContestLog()->GetFinalResult()))));
    QVERIFY(editor->ContestLog()->GetFinalResult() > 0);
    QVERIFY(editor->OutputTabs()->isTabVisible(owResult));
    QVERIFY(!editor->OutputTabs()->isTabVisible(owSTF));
    QVERIFY(!editor->OutputMemo(owCabrillo)->toPlainText().contains("QSO:"));
    editor->SetOutputWindowChecked(owCabrillo, true);
    QVERIFY(editor->OutputMemo(owCabrillo)->toPlainText().contains("QSO:"));
    QCOMPARE(editor->OutputTabs()->currentIndex(), int(owCabrillo));

    // Read-only: the editing commands go off, compiling stays.
    window->Command("acSwapReadOnly")->trigger();
    window->UpdateCommands();
    QVERIFY(editor->ReadOnlyMode());
    QVERIFY(!window->Command("acEditPaste")->isEnabled());
    QVERIFY(window->Command("acEditCompile")->isEnabled());
    QVERIFY(!editor->LineEntryField(ColumnOf(*editor->ContestLog(), cpCall))->isEnabled());
    editor->SetReadOnlyMode(false);

    // Copy two selected lines and paste them: two lines more, one undo step removes them.
    const int lines = editor->ContestLog()->NoOfQSOs();
    editor->SetCurrentRow(0);
    window->Command("acEditMarkActual")->trigger();
    editor->SetCurrentRow(1);
    window->Command("acEditMarkActual")->trigger();
    window->Command("acEditCopy")->trigger();
    QVERIFY(QApplication::clipboard()->text().contains("@QZ@"));
    window->Command("acEditPaste")->trigger();
    QCOMPARE(editor->Model()->rowCount(), lines + 2);
    QCOMPARE(Cell(editor, lines + 1, cpCall), Cell(editor, 1, cpCall));
    window->Command("acEditUndo")->trigger();
    QCOMPARE(editor->Model()->rowCount(), lines);

    // The two selected lines make a new, unsaved log of their own.
    window->UpdateCommands();
    window->Command("acFileExtractSelectedQSOsToNewLog")->trigger();
    QCOMPARE(window->Editors().size(), std::size_t(2));
    TQZEditor* extract = window->ActiveEditor();
    QVERIFY(extract != editor);
    QCOMPARE(extract->ContestLog()->NoOfQSOs(), 2);
    QCOMPARE(Cell(extract, 1, cpCall), Cell(editor, 1, cpCall));
    QVERIFY(extract->Modified() && extract->FileName().empty());
    window->MdiArea()->setActiveSubWindow(window->MdiArea()->subWindowList().first());
    QCOMPARE(window->ActiveEditor(), editor);
    window->Command("acEditUnselectAll")->trigger();
    QCOMPARE(editor->ContestLog()->NoOfSelectedQSOs(), 0);

    TBoxAnswerer discard(QMessageBox::No);
    window->close();
}

void TGuiTest::saveAndReopenByteForByte() {
    auto window = StartMainWindow({FNative});
    TQZEditor* first = window->ActiveEditor();
    const std::string saved = Path("first.QZF");
    QVERIFY(first->SaveAsFile(saved));
    QVERIFY(window->OpenAnyFile(saved));
    TQZEditor* second = window->ActiveEditor();
    QVERIFY(second != first);
    QCOMPARE(second->FileName(), saved);
    const std::string again = Path("second.QZF");
    QVERIFY(second->SaveAsFile(again));
    const std::string a = ReadBytes(saved), b = ReadBytes(again);
    QVERIFY(a.size() > 4096);
    QVERIFY(WithoutSaveTime(a) == WithoutSaveTime(b));

    // A folder that cannot be written (here: a path through a file, which fails for
    // every user): a message naming the file; the log keeps its name and stays modified.
    ChangeCall(second, 0, "DK0AA");
    {
        TBoxAnswerer ok(QMessageBox::Ok);
        QVERIFY(!second->SaveAsFile(saved + "/x.QZF"));
        QCOMPARE(ok.texts.size(), 1);
        QVERIFY2(ok.texts[0].contains("x.QZF"), qPrintable(ok.texts[0]));
    }
    QVERIFY(second->Modified());
    QCOMPARE(second->FileName(), again);
    TBoxAnswerer no(QMessageBox::No);
    window->close();
}

void TGuiTest::closeWithUnsavedChanges() {
    const std::string file = Path("close.QZF");
    QVERIFY(QFile::copy(QString::fromStdString(FNative), QString::fromStdString(file)));
    const std::string original = ReadBytes(file);
    auto window = StartMainWindow({file});
    TQZEditor* editor = window->ActiveEditor();
    QMdiSubWindow* sub = window->MdiArea()->subWindowList().first();

    // Cancel keeps the window; No closes it and leaves the file as it was.
    ChangeCall(editor, 0, "DK0AA");
    {
        TBoxAnswerer cancel(QMessageBox::Cancel);
        QVERIFY(!sub->close());
        QCOMPARE(cancel.texts.size(), 1);
        QVERIFY(cancel.texts[0].contains("close.QZF"));
    }
    QCOMPARE(window->Editors().size(), std::size_t(1));
    {
        TBoxAnswerer no(QMessageBox::No);
        QVERIFY(sub->close());
    }
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCOMPARE(window->Editors().size(), std::size_t(0));
    QVERIFY(ReadBytes(file) == original);

    // Yes saves the change before the window closes.
    QVERIFY(window->OpenAnyFile(file));
    editor = window->ActiveEditor();
    ChangeCall(editor, 0, "DK0AA");
    {
        TBoxAnswerer yes(QMessageBox::Yes);
        QVERIFY(window->close());
        QCOMPARE(yes.texts.size(), 1);
    }
    auto reopened = StartMainWindow({file});
    QCOMPARE(QString::fromStdString(reopened->ActiveEditor()->ContestLog()->QSOs(0)->Call().Call()), QString("DK0AA"));
}

void TGuiTest::switchesLanguageAtRunTime() {
    auto window = StartMainWindow({FNative});
    TQZEditor* editor = window->ActiveEditor();
    QVERIFY(window->ApplyLanguage(lGerman));
    QCOMPARE(window->Command("acFileSave")->text(), QString("&Speichern"));
    QCOMPARE(window->menuBar()->actions().first()->text(), QString("&Datei"));
    QCOMPARE(editor->OutputTabs()->tabText(owMessages), QString("Meldungen"));
    const int callCol = ColumnOf(*editor->ContestLog(), cpCall);
    QCOMPARE(editor->Model()->headerData(callCol, Qt::Horizontal, Qt::DisplayRole).toString(), QString("Rufzeichen"));
    // The columns follow their new, longer titles; the cursor stays on its line.
    const QFontMetrics header(editor->Grid()->horizontalHeader()->font());
    for (int c = 0; c < editor->Model()->columnCount(); ++c) {
        const QString title = editor->Model()->headerData(c, Qt::Horizontal, Qt::DisplayRole).toString();
        QVERIFY2(editor->Grid()->columnWidth(c) > header.horizontalAdvance(title), qPrintable(title));
    }
    QCOMPARE(editor->CurrentRow(), 0);
    // What the engine writes after a compile is German too.
    editor->SetOutputWindowChecked(owResult, true);
    window->Command("acEditCompile")->trigger();
    const QString messages = editor->OutputMemo(owMessages)->toPlainText();
    QVERIFY2(messages.contains(" Punkte)"), qPrintable(messages));
    const QString result = editor->OutputMemo(owResult)->toPlainText();
    QVERIFY2(result.contains(QString::fromUtf8("Ergebnisübersicht von DL1ABC")) && result.contains("Endergebnis = ") &&
                 result.contains("    Pkt") && result.contains(" ges.  ") && !result.contains(" all "),
             qPrintable(result));
    QCOMPARE(ReadSettingInteger("Language", -1), 1);
    QVERIFY(window->ApplyLanguage(lEnglish));
    QCOMPARE(window->Command("acFileSave")->text(), QString("&Save"));
    QCOMPARE(editor->OutputTabs()->tabText(owMessages), QString("Messages"));

    // A German file of another program version: a message naming it, English stays.
    const std::string german = LanguageFilePath(lGerman);
    const std::string good = ReadBytes(german);
    std::string other = good;
    other[4] = 9;  // the sub-version
    std::ofstream(german, std::ios::binary) << other;
    {
        TBoxAnswerer ok(QMessageBox::Ok);
        QVERIFY(!window->ApplyLanguage(lGerman));
        QCOMPARE(ok.texts.size(), 1);
        QVERIFY(ok.texts[0].contains("Ger.qz"));
    }
    QCOMPARE(window->Command("acFileSave")->text(), QString("&Save"));
    QVERIFY(window->Command("English1")->isChecked());
    std::ofstream(german, std::ios::binary) << good;
}

void TGuiTest::damagedFileLeavesWindowUsable() {
    auto window = StartMainWindow({});
    const std::string damaged = Path("damaged.QZF");
    {
        std::ofstream out(damaged, std::ios::binary);
        std::string bytes = ReadBytes(FNative).substr(0, 4096 + 30);
        out << bytes;
    }
    // A log cut inside its first line opens without its lines, and the user is told so.
    {
        TBoxAnswerer ok(QMessageBox::Ok);
        QVERIFY(window->OpenAnyFile(damaged));
        QCOMPARE(ok.texts.size(), 1);
        QVERIFY2(ok.texts[0].contains(QString::fromStdString(damaged)), qPrintable(ok.texts[0]));
        QVERIFY2(ok.texts[0].startsWith("400 "), qPrintable(ok.texts[0]));  // every line of the log
    }
    QCOMPARE(window->Editors().size(), std::size_t(1));
    const std::string missing = Path("vanished.QZF");
    {
        TBoxAnswerer ok(QMessageBox::Ok);
        QVERIFY(!window->OpenAnyFile(missing));
        QCOMPARE(ok.texts.size(), 1);
        QVERIFY2(ok.texts[0].contains(QString::fromStdString(missing)), qPrintable(ok.texts[0]));
    }
    QCOMPARE(window->Editors().size(), std::size_t(1));
    QVERIFY(window->OpenAnyFile(FNative));
    QCOMPARE(window->Editors().size(), std::size_t(2));
}

void TGuiTest::unusableSettingsFileIsNamedAndKept() {
    const std::string path = SettingsFilePath();
    const std::string kept = ReadBytes(path);
    const std::string damaged = kept + "this line is no setting\n";
    std::ofstream(path, std::ios::binary) << damaged;
    {
        TBoxAnswerer ok(QMessageBox::Ok);
        auto window = StartMainWindow({});
        QVERIFY(window != nullptr);
        QCOMPARE(ok.texts.size(), 1);
        QVERIFY2(ok.texts[0].contains("line"), qPrintable(ok.texts[0]));
    }
    // Start-up stores the language; the store left the file it could not read alone.
    QCOMPARE(ReadBytes(path), damaged);
    std::ofstream(path, std::ios::binary) << kept;
}

// The number of pages of a PDF file Qt wrote ("/Count N" of its page tree).
int PdfPages(const std::string& path) {
    const std::string bytes = ReadBytes(path);
    const std::size_t at = bytes.find("/Count ");
    return at == std::string::npos ? 0 : std::atoi(bytes.c_str() + at + 7);
}

void TGuiTest::printsGridAndOutputWindow() {
    auto window = StartMainWindow({FNative});
    TQZEditor* editor = window->ActiveEditor();
    editor->SetOutputWindowChecked(owResult, true);
    const std::string gridPdf = Path("grid.pdf"), resultPdf = Path("result.pdf");
    for (const auto& [file, grid] : {std::pair{gridPdf, true}, std::pair{resultPdf, false}}) {
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(QString::fromStdString(file));
        editor->PrintTo(printer, grid);
    }
    // Some 400 lines take several pages; the result report fits on one or two.
    QVERIFY2(PdfPages(gridPdf) >= 4, qPrintable(QString::number(PdfPages(gridPdf))));
    QVERIFY(PdfPages(resultPdf) >= 1 && PdfPages(resultPdf) <= 2);

    // On a page of printer resolution the columns reach across the page: the last
    // column's title ends in the right part of the page, the text is not shrunk to dots.
    QImage page(4800, 1200, QImage::Format_RGB32);  // 8 x 2 inches at 600 per inch
    page.setDotsPerMeterX(23622);
    page.setDotsPerMeterY(23622);
    page.fill(Qt::white);
    int pages = 1;
    {
        QPainter painter(&page);
        PaintGrid(*editor->Grid(), painter, [&pages] { ++pages; });
    }
    QVERIFY(pages > 10);
    int right = 0, bottom = 0;
    for (int y = 0; y < page.height(); ++y)
        for (int x = 0; x < page.width(); ++x)
            if (page.pixel(x, y) != qRgb(255, 255, 255)) {
                right = std::max(right, x);
                if (x < page.width() / 10) bottom = std::max(bottom, y);
            }
    QVERIFY2(right > page.width() * 8 / 10, qPrintable(QString::number(right)));
    QVERIFY2(bottom > page.height() * 8 / 10, qPrintable(QString::number(bottom)));
}

void TGuiTest::helpMenuUpdatesOnlyWithoutOpenLogs() {
    // A newer country file served by a real HTTP server on 127.0.0.1.
    std::string offered = ReadBytes(QZ_SOURCE_DIR "/tests/data/cty/trimmed.dat");
    const std::size_t ver = offered.find("=VER20230502");
    QVERIFY(ver != std::string::npos);
    offered.replace(ver + 4, 8, "20240101");
    QDir(FDir.path()).mkpath("served");
    QDir(FDir.path()).mkpath("cty");
    std::ofstream(Path("served/cty.dat"), std::ios::binary) << offered;
    const std::string installed = Path("cty/cty.dat");
    std::ofstream(installed, std::ios::binary) << ReadBytes(QZ_SOURCE_DIR "/tests/data/cty/trimmed.dat");
    test::TestHttpServer server(Path("served"));
    if (!server.Ready()) QSKIP("python3 is needed for the test HTTP server");
    TCtyUpdateRequest request;
    request.url = server.Url("/files/cty.dat");
    request.installedFile = request.destFile = installed;

    {  // With a log open nothing is fetched.
        auto window = StartMainWindow({FNative});
        TBoxAnswerer ok(QMessageBox::Ok);
        UpdateCountryFile(*window, request);
        QCOMPARE(ok.texts.size(), 1);
        QVERIFY2(ok.texts[0].contains("close all logs"), qPrintable(ok.texts[0]));
        QCOMPARE(ReadBytes(installed), ReadBytes(QZ_SOURCE_DIR "/tests/data/cty/trimmed.dat"));
    }
    auto window = StartMainWindow({});
    {
        TBoxAnswerer ok(QMessageBox::Ok);
        UpdateCountryFile(*window, request);
        QCOMPARE(ok.texts.size(), 1);
        QVERIFY2(ok.texts[0].startsWith("The update was installed."), qPrintable(ok.texts[0]));
        QCOMPARE(ReadBytes(installed), offered);
    }
    {  // The program version file has no address unless one is set.
        TBoxAnswerer ok(QMessageBox::Ok);
        window->Command("acHelpUpdateQZ")->trigger();
        QCOMPARE(ok.texts.size(), 1);
        QVERIFY2(ok.texts[0].contains("No address"), qPrintable(ok.texts[0]));
    }
    {
        TBoxAnswerer ok(QMessageBox::Ok);
        window->Command("acHelpAbout")->trigger();
        QCOMPARE(ok.texts.size(), 1);
        QVERIFY2(ok.texts[0].contains("(build number "), qPrintable(ok.texts[0]));
    }
}

int Occurrences(const std::string& text, const std::string& what) {
    int n = 0;
    for (std::size_t at = text.find(what); at != std::string::npos; at = text.find(what, at + 1)) ++n;
    return n;
}

void TGuiTest::batchWizardRunsEachJob() {
    QDir(FDir.path()).mkpath("batch");
    const std::string a = Path("batch/a.QZF"), b = Path("batch/b.QZF"), cabrillo = Path("batch/c.log");
    std::ofstream(a, std::ios::binary) << ReadBytes(FNative);
    std::ofstream(b, std::ios::binary) << ReadBytes(FNative);
    std::ofstream(cabrillo, std::ios::binary) << ReadBytes(QZ_SOURCE_DIR "/data/samples/sample-cqww-cw.log");
    const QStringList all = {QString::fromStdString(a), QString::fromStdString(b), QString::fromStdString(cabrillo)};
    auto window = StartMainWindow({});

    {  // Exports of the native logs: the Cabrillo file is not taken into the list.
        TBatchWorkWizard wizard(window.get());
        wizard.show();
        wizard.SetJob(TBatchJob::Export);
        wizard.next();
        QVERIFY(wizard.FileList()->NativeOnly());
        QCOMPARE(wizard.FileList()->AddFiles(all + all), 2);
        wizard.next();
        QCOMPARE(wizard.currentId(), int(TBatchWorkWizard::pgExportFormat));
        QCOMPARE(wizard.nextId(), -1);
        wizard.SetExportFormat(owCabrillo);
        TBoxAnswerer ok(QMessageBox::Ok);
        QVERIFY(RunBatchChoice(window.get(), wizard.Choice()));
        QCOMPARE(ok.texts, QStringList{"Batch processing finished."});
        QVERIFY(ReadBytes(Path("batch/a.log")).starts_with("START-OF-LOG: 3.0"));
        QVERIFY(ReadBytes(Path("batch/b.log")).starts_with("START-OF-LOG: 3.0"));
    }
    {  // Conversion of the Cabrillo file into a native log.
        TBatchWorkWizard wizard(window.get());
        wizard.show();
        wizard.SetJob(TBatchJob::Convert);
        wizard.next();
        QVERIFY(!wizard.FileList()->NativeOnly());
        wizard.FileList()->AddFiles({QString::fromStdString(cabrillo)});
        wizard.next();
        wizard.SetImportFormat(ftCabrillo);
        wizard.next();
        QCOMPARE(wizard.currentId(), int(TBatchWorkWizard::pgContest));
        TBoxAnswerer ok(QMessageBox::Ok);
        QVERIFY(RunBatchChoice(window.get(), wizard.Choice()));
        QCOMPARE(ok.texts.size(), 1);
        QCOMPARE(NativeFileTypeOfFile(Path("batch/c.QZF")), ftQZ4);
    }
    {  // The result list; an invalid tag name is refused on the page.
        TBatchWorkWizard wizard(window.get());
        wizard.show();
        wizard.SetJob(TBatchJob::Results);
        wizard.next();
        wizard.FileList()->AddFiles(all);
        wizard.next();
        QCOMPARE(wizard.currentId(), int(TBatchWorkWizard::pgContest));
        wizard.next();
        QCOMPARE(wizard.windowTitle(), QString("Batch processing [Result list]"));
        const std::string list = Path("batch/results.txt");
        wizard.SetResultList(list, "SEASON 2026");
        {
            TBoxAnswerer ok(QMessageBox::Ok);
            QVERIFY(!wizard.validateCurrentPage());
            QCOMPARE(ok.texts.size(), 1);
        }
        wizard.SetResultList(list, "SEASON");
        QVERIFY(wizard.validateCurrentPage());
        {
            TBoxAnswerer ok(QMessageBox::Ok);
            QVERIFY(RunBatchChoice(window.get(), wizard.Choice()));
        }
        const std::string text = ReadBytes(list);
        QVERIFY(text.starts_with("<SEASON>\r\n\r\n<TEILNAHME>\r\n <CONTEST>CQ-WW-CW</CONTEST>"));
        // The results job reads the Cabrillo log too: native logs only is off for it.
        QCOMPARE(Occurrences(text, "<TEILNAHME>"), 3);
        QVERIFY(text.ends_with("</SEASON>\r\n"));
        // An existing list is replaced only after the question.
        TBoxAnswerer cancel(QMessageBox::Cancel);
        QVERIFY(!RunBatchChoice(window.get(), wizard.Choice()));
        QCOMPARE(cancel.texts.size(), 1);
        QCOMPARE(ReadBytes(list), text);
    }
}

// The report window a batch run left open (the only one: each is taken when it is
// looked at); its pages by title.
static std::unique_ptr<TBatchReport> TakeReport(QWidget* window) {
    const QList<TBatchReport*> reports = window->findChildren<TBatchReport*>();
    return std::unique_ptr<TBatchReport>(reports.isEmpty() ? nullptr : reports.last());
}

static QString ReportPage(const TBatchReport& report, const QString& titleStart) {
    for (int i = 0; i < report.Pages()->count(); ++i)
        if (report.Pages()->tabText(i).startsWith(titleStart))
            return static_cast<QPlainTextEdit*>(report.Pages()->widget(i))->toPlainText();
    return {};
}

// Runs the wizard's choice; `report` gets the report window it opened.
static void RunToReport(QWidget* window, const TBatchWorkWizard& wizard, std::unique_ptr<TBatchReport>& report) {
    report.reset();
    TBoxAnswerer ok(QMessageBox::Ok);
    RunBatchChoice(window, wizard.Choice());
    report = TakeReport(window);
}

void TGuiTest::batchWizardServesACommittee() {
    auto window = StartMainWindow({});
    const QString handMade = QZ_TEST_DATA_DIR "/batchwizard";
    const QString list = QString::fromStdString(Path("season.txt"));
    TBatchWorkWizard wizard(window.get());
    wizard.show();

    // The export reads native logs only; the results job takes every log, and a folder
    // brings in its logs but not its other files.
    wizard.next();
    QVERIFY(wizard.FileList()->NativeOnly());
    wizard.back();
    wizard.SetJob(TBatchJob::Results);
    wizard.next();
    QVERIFY(!wizard.FileList()->NativeOnly());
    int leftOut = 0;
    QCOMPARE(wizard.FileList()->AddFolder(handMade, &leftOut), 3);
    QCOMPARE(leftOut, 1);
    // Back to the export with other formats in the list: the box stays off, as the list
    // holds files it would not take.
    wizard.back();
    wizard.SetJob(TBatchJob::Export);
    wizard.next();
    QVERIFY(!wizard.FileList()->NativeOnly());
    wizard.back();
    wizard.SetJob(TBatchJob::Results);
    wizard.next();

    // Results: the contest page comes before the list page.
    wizard.next();
    QCOMPARE(wizard.currentId(), int(TBatchWorkWizard::pgContest));
    wizard.next();
    QCOMPARE(wizard.currentId(), int(TBatchWorkWizard::pgResultList));
    wizard.SetResultList(ToPath(list), "SEASON");
    std::unique_ptr<TBatchReport> report;
    RunToReport(window.get(), wizard, report);
    QVERIFY(report != nullptr);
    // The Cyrillic contest name of lz2xx.cbr is quoted without wrong Latin letters, and
    // the window speaks of its own pages, not of the command line.
    const QString failed = ReportPage(*report, "Failed files (1)");
    QVERIFY2(failed.contains("lz2xx.cbr: CONTEST '\"???????? ???????\" 2016' names no contest"), qPrintable(failed));
    QVERIFY2(report->Summary().contains("choose the contest on the Contest page"), qPrintable(report->Summary()));
    QVERIFY(!(failed + report->Summary()).contains("--contest"));
    // The table rows beside the tagged list, as the window shows them and as written.
    const QString tsv = ReportPage(*report, "Table (TSV)");
    QVERIFY2(tsv.startsWith("file\tcall\tcontest\tqsos\t"), qPrintable(tsv));
    QCOMPARE(tsv.count('\n'), 3);
    QCOMPARE(QString::fromStdString(ReadBytes(Path("season.tsv"))), tsv);
    QVERIFY(ReportPage(*report, "Result list").startsWith("<SEASON>"));
    report->Pages()->setCurrentIndex(0);
    report->CopyPage();
    QCOMPARE(QApplication::clipboard()->text(), failed);

    // A whole folder of real logs: with each file's own contest every failure is listed
    // (not the first ten of them), none in command-line words.
    QTemporaryDir corpus;
    const QDir source(QZ_CORPUS_DIR "/cabrillo");
    if (source.exists()) {
        for (const QString& name : source.entryList(QDir::Files))
            QVERIFY(QFile::copy(source.filePath(name), corpus.filePath(name)));
        QCOMPARE(wizard.FileList()->AddFolder(corpus.path()), int(source.entryList(QDir::Files).size()));
        wizard.SetDefaultContest(cNoContest);
        std::filesystem::remove(ToPath(list));
        RunToReport(window.get(), wizard, report);
        QVERIFY(report != nullptr);
        const QString all = ReportPage(*report, "Failed files (");
        QVERIFY2(all.count('\n') + 1 >= 12, qPrintable(all));
        QVERIFY(!all.contains("--contest"));
        // A fixed contest for all of them: none fails.
        wizard.SetFixContest(cWWDXcw);
        std::filesystem::remove(ToPath(list));
        RunToReport(window.get(), wizard, report);
        QVERIFY(report != nullptr);
        QVERIFY2(ReportPage(*report, "Failed files").isEmpty(), qPrintable(ReportPage(*report, "Failed files")));
    } else {
        qWarning("corpus not found at %s: the real logs are not run", QZ_CORPUS_DIR);
    }
    // The default contest serves the file that names none the program knows.
    wizard.FileList()->findChild<QListWidget*>("FileList")->clear();
    wizard.FileList()->AddFolder(handMade);
    wizard.SetDefaultContest(cWWDXcw);
    std::filesystem::remove(ToPath(list));
    RunToReport(window.get(), wizard, report);
    QVERIFY(report != nullptr);
    QVERIFY(ReportPage(*report, "Failed files").isEmpty());
    QCOMPARE(ReportPage(*report, "Table (TSV)").count('\n'), 4);
}

void TGuiTest::batchWizardCrossChecksAContest() {
    auto window = StartMainWindow({});
    const QString handMade = QZ_TEST_DATA_DIR "/batchwizard/";
    const std::string folder = Path("reports/season");
    TBatchWorkWizard wizard(window.get());
    wizard.show();
    wizard.SetCrossCheck(3, 1, "");
    wizard.next();
    QVERIFY(!wizard.FileList()->NativeOnly());
    QCOMPARE(wizard.FileList()->AddFiles({handMade + "dl1abc.log", handMade + "dl2xyz.log"}), 2);
    wizard.next();
    QCOMPARE(wizard.currentId(), int(TBatchWorkWizard::pgContest));
    wizard.next();
    QCOMPARE(wizard.currentId(), int(TBatchWorkWizard::pgCrossCheck));
    {  // The report folder must be given.
        TBoxAnswerer ok(QMessageBox::Ok);
        QVERIFY(!wizard.validateCurrentPage());
        QCOMPARE(ok.texts.size(), 1);
    }
    wizard.SetCrossCheck(3, 1, folder);
    QVERIFY(wizard.validateCurrentPage());

    // The check runs, writes its reports into the folder (made when missing) and opens
    // it; the window shows the summary and the findings.
    TUrlCatcher catcher;
    QDesktopServices::setUrlHandler("file", &catcher, "Open");
    std::unique_ptr<TBatchReport> report;
    RunToReport(window.get(), wizard, report);
    QDesktopServices::unsetUrlHandler("file");
    QVERIFY(report != nullptr);
    QCOMPARE(QDir::cleanPath(catcher.url.toLocalFile()), QString::fromStdString(folder));
    QVERIFY2(report->Summary().startsWith("2 logs and 5 QSOs checked"), qPrintable(report->Summary()));
    QVERIFY2(report->Summary().contains("NIL 1"), qPrintable(report->Summary()));
    const std::string findings = ReadBytes(folder + "/findings.tsv");
    QVERIFY2(findings.starts_with("log\tline\tcall\tkind\tcorrect\tother\n"), findings.c_str());
    QVERIFY2(findings.find("DL1ABC\t3\tDL2XYZ\tNIL") != std::string::npos, findings.c_str());
    QCOMPARE(QString::fromStdString(findings), ReportPage(*report, "Findings"));
    QVERIFY(ReadBytes(folder + "/checked.tsv").starts_with("file\tcall\tclaimed\tscore\tchecked\tqsos\tremoved"));
    QVERIFY(ReadBytes(folder + "/DL1ABC.ubn.txt").find("DL2XYZ") != std::string::npos);
}

// The open in-place editor of the grid, as a text field.
static TCellLineEdit* TextEditor(TQZEditor* editor) {
    return qobject_cast<TCellLineEdit*>(editor->Cells()->ActiveEditor());
}

void TGuiTest::fastAppendTypesALineWithProposals() {
    auto window = StartMainWindow({FNative});
    TQZEditor* editor = window->ActiveEditor();
    TContestLog& log = *editor->ContestLog();
    const int lines = log.NoOfQSOs();
    const TQSO& previous = *log.QSOs(lines - 1);
    // Switching fast append on starts a fresh line at the end.
    window->Command("FastAppendMode")->trigger();
    QCOMPARE(editor->EditMode(), emAppend);
    QCOMPARE(editor->Model()->rowCount(), lines + 1);
    QCOMPARE(editor->CurrentRow(), lines);

    // The call: letters become capitals, characters no call has are swallowed.
    QVERIFY(TextEditor(editor) != nullptr);
    QTest::keyClicks(TextEditor(editor), "dl1#a bc");
    QCOMPARE(TextEditor(editor)->text(), QString("DL1ABC"));
    QTest::keyClick(TextEditor(editor), Qt::Key_Tab);

    // The time starts from the line above; one digit typed where the last minute digit
    // stands gives the next minute (a lower digit counts on into the next ten minutes),
    // and the line moves on to its next field.
    TCellLineEdit* time = TextEditor(editor);
    QVERIFY(time != nullptr && time->Kind() == TCellTextKind::Time);
    const QString before = QString::fromStdString(previous.GetFormattedTime(potComplete));
    QCOMPARE(time->text(), before);
    const int last = before.right(1).toInt();
    QTest::keyClick(time, Qt::Key_Backspace);  // refused in fast append
    QCOMPARE(time->text(), before);
    QTest::keyClick(time, static_cast<char>('0' + (last + 1) % 10));
    const TDateTime expected = previous.DateTime() + EncodeTime(0, 1, 0, 0);
    QCOMPARE(Cell(editor, lines, cpTime),
             QString::fromStdString(Format(TimeFormat, DecodeTime(expected).hour, DecodeTime(expected).minute)));
    QCOMPARE(TextEditor(editor)->Kind(), TCellTextKind::RST);

    // Enter walks through the exchange; the received zone is proposed from the call.
    QTest::keyClick(TextEditor(editor), Qt::Key_Return);  // sent RST
    QTest::keyClick(TextEditor(editor), Qt::Key_Return);  // sent zone
    QTest::keyClick(TextEditor(editor), Qt::Key_Return);  // received RST
    QCOMPARE(TextEditor(editor)->text(), QString("14"));
    QTest::keyClick(TextEditor(editor), Qt::Key_Return);  // the last field: the next line
    QCOMPARE(log.NoOfQSOs(), lines + 2);
    QCOMPARE(Cell(editor, lines, cpCall), QString("DL1ABC"));
    QCOMPARE(QString::fromStdString(log.QSOs(lines)->RcvdNumbers(0)), QString("14"));
    QCOMPARE(editor->CurrentRow(), lines + 1);

    // The call and Enter alone: the line gets the proposal all the same.
    QTest::keyClicks(TextEditor(editor), "ja1xyz");
    QTest::keyClick(TextEditor(editor), Qt::Key_Return);
    QCOMPARE(log.NoOfQSOs(), lines + 3);
    QCOMPARE(QString::fromStdString(log.QSOs(lines + 1)->RcvdNumbers(0)), QString("25"));
    // Appending again while the new line's call is still empty is no refused edit.
    window->Command("acEditAppendQSO")->trigger();
    QCOMPARE(log.NoOfQSOs(), lines + 4);

    // A whole time lower than the line above's: the next day began.
    QTest::keyClicks(TextEditor(editor), "w1qqq");
    QTest::keyClick(TextEditor(editor), Qt::Key_Tab);
    const TQSO& above = *log.QSOs(lines + 2);
    QTest::keyClick(TextEditor(editor), Qt::Key_Home);
    QTest::keyClicks(TextEditor(editor), "0001");
    QCOMPARE(Cell(editor, lines + 3, cpTime), QString("0001"));
    TQSO nextDay(&log, false);
    nextDay.SetDateTime(above.DateTime() + 1.0);
    QCOMPARE(Cell(editor, lines + 3, cpDate), QString::fromStdString(nextDay.GetFormattedDate(podComplete)));

    // A call of a country with several zones: the zones in a list, the proposal chosen.
    QTest::keyClick(TextEditor(editor), Qt::Key_Return);
    QTest::keyClick(TextEditor(editor), Qt::Key_Return);
    QTest::keyClick(TextEditor(editor), Qt::Key_Return);
    auto* zones = qobject_cast<QComboBox*>(editor->Cells()->ActiveEditor());
    QVERIFY(zones != nullptr && zones->count() > 1);
    QCOMPARE(zones->currentText(), QString::fromStdString(Format("%.2d", log.QSOs(lines + 3)->Call().CQZone())));
    QTest::keyClicks(zones, "04");
    QCOMPARE(zones->currentText(), QString("04"));
    QTest::keyClick(zones, Qt::Key_Return);
    QCOMPARE(QString::fromStdString(log.QSOs(lines + 3)->RcvdNumbers(0)), QString("04"));
    QCOMPARE(log.NoOfQSOs(), lines + 5);

    // Every step is undone: the empty line, the second line's call, its append, ...
    window->UpdateCommands();
    while (log.NoOfQSOs() > lines && log.History().CanUndo()) window->Command("acEditUndo")->trigger();
    QCOMPARE(log.NoOfQSOs(), lines);
    TBoxAnswerer no(QMessageBox::No);
    window->close();
}

void TGuiTest::cellEditEscapeRefuseAndUndo() {
    auto window = StartMainWindow({FNative});
    TQZEditor* editor = window->ActiveEditor();
    TContestLog& log = *editor->ContestLog();
    QCOMPARE(editor->EditMode(), emEdit);
    const QString call = Cell(editor, 2, cpCall);

    // Esc drops what was typed.
    editor->Cells()->FocusCell(cpCall, -1, 2);
    QVERIFY(TextEditor(editor) != nullptr);
    QCOMPARE(TextEditor(editor)->text(), call);
    QTest::keyClicks(TextEditor(editor), "K1ZZZ");
    QTest::keyClick(TextEditor(editor), Qt::Key_Escape);
    QVERIFY(editor->Cells()->ActiveEditor() == nullptr);
    QCOMPARE(Cell(editor, 2, cpCall), call);
    QVERIFY(!editor->Modified());
    QVERIFY(!log.History().CanUndo());

    // The same value written back leaves no undo step.
    editor->Cells()->FocusCell(cpCall, -1, 2);
    QTest::keyClick(TextEditor(editor), Qt::Key_Return);
    QVERIFY(!log.History().CanUndo());
    QVERIFY(!editor->Modified());

    // RST of a CW line: the digit after the caret is overwritten, a 0 is refused.
    editor->Cells()->FocusCell(cpRcvdRST, -1, 2);
    TCellLineEdit* rst = TextEditor(editor);
    QVERIFY(rst != nullptr && rst->text() == "599");
    QTest::keyClick(rst, '0');
    QTest::keyClick(rst, '7');
    QCOMPARE(rst->text(), QString("579"));
    QTest::keyClick(rst, Qt::Key_Escape);

    // A call the line refuses (none at all): a message naming the column, the line as
    // it was, and the cell open again with the refused text.
    {
        TBoxAnswerer ok(QMessageBox::Ok);
        editor->Cells()->FocusCell(cpCall, -1, 2);
        QTest::keyClick(TextEditor(editor), Qt::Key_Backspace);
        QTest::keyClick(TextEditor(editor), Qt::Key_Tab);
        QTRY_COMPARE(ok.texts.size(), 1);
        QVERIFY2(ok.texts[0].contains("Call"), qPrintable(ok.texts[0]));
        QTRY_VERIFY(TextEditor(editor) != nullptr);
        QCOMPARE(TextEditor(editor)->text(), QString());
        QCOMPARE(Cell(editor, 2, cpCall), call);
        QVERIFY(!log.History().CanUndo());
    }

    // A change goes in with Enter (the cursor moves down), and Undo takes it back.
    QTest::keyClicks(TextEditor(editor), "k1zzz");
    QTest::keyClick(TextEditor(editor), Qt::Key_Return);
    QCOMPARE(Cell(editor, 2, cpCall), QString("K1ZZZ"));
    QCOMPARE(editor->CurrentRow(), 3);
    QVERIFY(editor->Modified());
    window->UpdateCommands();
    window->Command("acEditUndo")->trigger();
    QCOMPARE(Cell(editor, 2, cpCall), call);

    // A command while a cell is being typed takes the typed value as the newest edit:
    // Undo takes back that one, not the edit before it.
    editor->Cells()->FocusCell(cpCall, -1, 5);
    QTest::keyClicks(TextEditor(editor), "k2aaa");
    QTest::keyClick(TextEditor(editor), Qt::Key_Return);
    QTest::keyClicks(TextEditor(editor), "k3bbb");
    window->UpdateCommands();
    window->Command("acEditUndo")->trigger();
    QVERIFY(editor->Cells()->ActiveEditor() == nullptr);
    QCOMPARE(Cell(editor, 5, cpCall), QString("K2AAA"));
    QVERIFY(Cell(editor, 6, cpCall) != "K3BBB");

    // Tab skips the cells without an editor (multipliers, points, flags) and goes on in
    // the next line; Ctrl+End and Ctrl+Home go to the call of the last and first line.
    editor->Cells()->FocusCell(cpRcvdNumber, 0, 3);
    QTest::keyClick(TextEditor(editor), Qt::Key_Tab);
    QCOMPARE(editor->CurrentRow(), 4);
    QCOMPARE(editor->Grid()->currentIndex().column(), ColumnOf(log, cpDate));
    QTest::keyClick(editor->Cells()->ActiveEditor(), Qt::Key_Backtab, Qt::ShiftModifier);
    QCOMPARE(editor->CurrentRow(), 3);
    QCOMPARE(editor->Grid()->currentIndex().column(), log.GetColumnNumberFromProperty(cpRcvdNumber, 0, 99));
    QTest::keyClick(TextEditor(editor), Qt::Key_End, Qt::ControlModifier);
    QCOMPARE(editor->CurrentRow(), log.NoOfQSOs() - 1);
    QCOMPARE(editor->Grid()->currentIndex().column(), ColumnOf(log, cpCall));
    QTest::keyClick(TextEditor(editor), Qt::Key_Home, Qt::ControlModifier);
    QCOMPARE(editor->CurrentRow(), 0);

    // Read-only: no editor opens.
    editor->SetReadOnlyMode(true);
    editor->Cells()->FocusCell(cpCall, -1, 4);
    QVERIFY(editor->Cells()->ActiveEditor() == nullptr);
    TBoxAnswerer no(QMessageBox::No);
    window->close();
}

// Each text editor with its starting text and selection, a sequence of keys, and what
// the field then reads: characters that cannot be valid where the caret stands are
// swallowed, digits overwrite in the fields of fixed length.
void TGuiTest::cellEditorsAcceptOnlyValidCharacters() {
    struct TCase {
        TCellTextKind kind;
        const char* start;
        int selStart, selLength;
        QString keys;
        const char* result;
    };
    const TCase cases[] = {
        {TCellTextKind::Day, "31", 1, 1, "2", "31"},        // after 3 only 0 or 1
        {TCellTextKind::Day, "31", 1, 1, "0", "30"},        //
        {TCellTextKind::Day, "05", 1, 1, "0", "05"},        // no day 00
        {TCellTextKind::Day, "05", 0, 1, "42", "25"},       // tens of days 0 to 3
        {TCellTextKind::Year, "2023", 3, 1, "71", "2027"},  // nothing after the fourth digit
        {TCellTextKind::Year, "2023", 0, 1, "31", "1023"},
        {TCellTextKind::Time, "1235", 0, 1, "3242", "2235"},  // 3 refused; after 2: 0..3
        {TCellTextKind::Time, "1235", 2, 1, "75", "1255"},    // tens of minutes 0..5
        {TCellTextKind::RST, "599", 1, 1, "07", "579"},
        {TCellTextKind::RST, "599", 0, 1, "6", "599"},
        {TCellTextKind::Call, "", 0, 0, "dl/1a!b c", "DL/1ABC"},
        {TCellTextKind::ControlNumber, "", 0, 0, "ab-#1", "AB1"},
    };
    for (const TCase& c : cases) {
        TCellLineEdit edit(c.kind, nullptr);
        edit.setText(c.start);
        edit.SetInitialSelection(c.selStart, c.selLength);
        QTest::keyClicks(&edit, c.keys);
        QCOMPARE(edit.text(), QString::fromLatin1(c.result));
    }
    // RST of SSB: the caret stays on the second digit.
    TCellLineEdit ssb(TCellTextKind::RST, nullptr);
    ssb.SetLastRSTPosition(1);
    ssb.setText("59");
    ssb.SetInitialSelection(1, 1);
    QTest::keyClicks(&ssb, "79");
    QCOMPARE(ssb.text(), QString("59"));
    // IOTA references: the hyphen is allowed there; umlauts of exchange words stay.
    TCellLineEdit iota(TCellTextKind::ControlNumber, nullptr);
    iota.SetAllowHyphen(true);
    QTest::keyClicks(&iota, "eu-005");
    QTest::sendKeyEvent(QTest::Click, &iota, Qt::Key_Adiaeresis, QString::fromUtf8("\u00e4"), Qt::NoModifier);
    QCOMPARE(iota.text(), QString::fromUtf8("EU-005\u00e4"));
}

void TGuiTest::openDialogPreviewsTheSelectedFile() {
    auto window = StartMainWindow({FNative});
    const TContestLog& log = *window->ActiveEditor()->ContestLog();
    TOpenLogDialog dialog(window.get());
    dialog.setDirectory(FDir.path());
    dialog.show();
    // A native log: contest, own call and number of lines from its header.
    dialog.selectFile(QFileInfo(FromPath(FNative)).fileName());
    QTRY_VERIFY(!dialog.Preview()->text().isEmpty());
    const QString preview = dialog.Preview()->text();
    QVERIFY2(preview.contains(FromCore(log.FileHeader().fhUser_OwnCall)), qPrintable(preview));
    QVERIFY2(preview.contains(">" + QString::number(log.NoOfQSOs()) + "<"), qPrintable(preview));
    QVERIFY(preview.contains("CQ"));
    // A log of another format: the format it is recognised as.
    const QString sample = QZ_SOURCE_DIR "/data/samples/sample-cqww-cw.log";
    QVERIFY(QFile::copy(sample, FDir.path() + "/preview.log"));
    dialog.selectFile("preview.log");
    QTRY_VERIFY2(dialog.Preview()->text().contains("Cabrillo"), qPrintable(dialog.Preview()->text()));
    // A native log cut inside its header is named, not shown as something else.
    std::ofstream(Path("cut.QZF"), std::ios::binary) << ReadBytes(FNative).substr(0, 200);
    dialog.selectFile("cut.QZF");
    QTRY_VERIFY2(dialog.Preview()->text().contains("cut.QZF"), qPrintable(dialog.Preview()->text()));
    QVERIFY(dialog.Preview()->text().startsWith(LSCaption(ui::lsCannotOpenLog).toHtmlEscaped()));
    dialog.reject();
}

void TGuiTest::altEnterFillsSelectedLinesAsOneStep() {
    auto window = StartMainWindow({FNative});
    window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(window.get()));
    TQZEditor* editor = window->ActiveEditor();
    const TContestLog& log = *editor->ContestLog();
    const int bandCol = ColumnOf(log, cpBand);
    const int rows[] = {2, 4, 6};
    QStringList before;
    for (int r = 0; r < 8; ++r) before << Cell(editor, r, cpBand).trimmed();
    for (int r : rows) {
        editor->SetCurrentRow(r);
        window->Command("acEditMarkActual")->trigger();
    }
    {  // The current line must be one of the selected ones.
        TBoxAnswerer ok(QMessageBox::Ok);
        editor->SetCurrentRow(3, bandCol);
        window->UpdateCommands();
        window->Command("acAltEnter")->trigger();
        QTRY_COMPARE(ok.texts.size(), 1);
        QCOMPARE(Cell(editor, 2, cpBand), before[2]);
    }
    QApplication::setActiveWindow(window.get());  // the offscreen platform does not give it back
    // The band chosen in the cell's list of the middle line, then Alt+Enter.
    editor->SetCurrentRow(4, bandCol);
    auto* list = qobject_cast<QComboBox*>(editor->Cells()->ActiveEditor());
    QVERIFY(list != nullptr);
    list->hidePopup();
    // A band none of the three lines has.
    QString target;
    for (int i = 0; i < list->count(); ++i)
        if (!before.contains(list->itemText(i))) target = list->itemText(i);
    QVERIFY(!target.isEmpty());
    list->setCurrentIndex(list->findText(target));
    QTest::keyClick(list, Qt::Key_Return, Qt::AltModifier);
    for (int r = 0; r < 8; ++r)
        QCOMPARE(Cell(editor, r, cpBand).trimmed(), r == 2 || r == 4 || r == 6 ? target : before[r]);
    QVERIFY(editor->Modified());
    // One undo gives all three lines back.
    window->Command("acEditUndo")->trigger();
    for (int r = 0; r < 8; ++r) QCOMPARE(Cell(editor, r, cpBand).trimmed(), before[r]);
    QVERIFY(!editor->ContestLog()->History().CanUndo());
    TBoxAnswerer discard(QMessageBox::No);
    window->close();
}

void TGuiTest::windowMenuArrangesLogWindows() {
    const std::string second = Path("tile.QZF");
    QVERIFY(QFile::copy(FromPath(FNative), FromPath(second)) || QFile::exists(FromPath(second)));
    auto window = StartMainWindow({FNative, second});
    window->resize(1200, 900);
    QMdiArea* area = window->MdiArea();
    const QList<QMdiSubWindow*> subs = area->subWindowList();
    QCOMPARE(subs.size(), 2);
    const QRect space = area->viewport()->rect();
    window->Command("WindowTileHorizontal1")->trigger();
    for (QMdiSubWindow* sub : subs) QCOMPARE(sub->geometry().width(), space.width());
    QCOMPARE(subs[0]->geometry().height() + subs[1]->geometry().height(), space.height());
    QCOMPARE(subs[0]->geometry().bottom() + 1, subs[1]->geometry().top());
    window->Command("WindowTileVertical1")->trigger();
    for (QMdiSubWindow* sub : subs) QCOMPARE(sub->geometry().height(), space.height());
    QCOMPARE(subs[0]->geometry().width() + subs[1]->geometry().width(), space.width());
    QCOMPARE(subs[0]->geometry().right() + 1, subs[1]->geometry().left());
    window->Command("WindowMinimizeAll1")->trigger();
    for (QMdiSubWindow* sub : subs) {
        QVERIFY(sub->isMinimized());
        QCOMPARE(sub->geometry().bottom(), space.bottom());
    }
    QVERIFY(subs[0]->geometry().right() < subs[1]->geometry().left() ||
            subs[1]->geometry().right() < subs[0]->geometry().left());
    // The menu: the arrangement commands, then the open windows.
    QMenu* menu = nullptr;
    for (QAction* a : window->menuBar()->actions())
        if (a->text() == LSCaption(ui::lsMenuWindow)) menu = a->menu();
    QVERIFY(menu != nullptr);
    emit menu->aboutToShow();
    QStringList texts;
    for (QAction* a : menu->actions())
        if (!a->isSeparator()) texts << a->text();
    QCOMPARE(texts.size(), 7);
    QCOMPARE(texts[1], LSCaption(1152));
    QVERIFY(texts[6].endsWith("tile.QZF"));
}

void TGuiTest::folderCommandsNameTheFolder() {
    auto window = StartMainWindow({});
    const QString folder = QDir::cleanPath(FromPath(InstalledFileFolder(InstalledFile("AGCWMBR.QZ"))));
    {  // A desktop that shows the folder: the status bar names it all the same.
        TUrlCatcher catcher;
        QDesktopServices::setUrlHandler("file", &catcher, "Open");
        window->Command("Memberlists1")->trigger();
        QDesktopServices::unsetUrlHandler("file");
        QCOMPARE(QDir::cleanPath(catcher.url.toLocalFile()), folder);
        QVERIFY2(window->statusBar()->currentMessage().contains(folder),
                 qPrintable(window->statusBar()->currentMessage()));
    }
    // One that cannot: a message says where the folder is.
    TBoxAnswerer ok(QMessageBox::Ok);
    TUrlCatcher refuser;
    QDesktopServices::setUrlHandler("file", &refuser, "NoSuchSlot");
    window->Command("Memberlists1")->trigger();
    QDesktopServices::unsetUrlHandler("file");
    QTRY_COMPARE(ok.texts.size(), 1);
    QVERIFY2(ok.texts[0].contains(folder), qPrintable(ok.texts[0]));
}

void TGuiTest::manualWindowFollowsLinks() {
    // Every link of every page leads to a page that is there.
    QDirIterator pages(FromPath(ManualFolder()), {"*.html"}, QDir::Files, QDirIterator::Subdirectories);
    int pageCount = 0;
    const QRegularExpression href("href=\"([^\"#]+)\"");
    while (pages.hasNext()) {
        const QString page = pages.next();
        ++pageCount;
        QFile file(page);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QString html = QString::fromUtf8(file.readAll());
        for (auto it = href.globalMatch(html); it.hasNext();) {
            const QString target = it.next().captured(1);
            if (target.startsWith("http")) continue;
            QVERIFY2(QFileInfo::exists(QFileInfo(page).dir().filePath(target)), qPrintable(page + ": " + target));
        }
    }
    QVERIFY2(pageCount > 15, qPrintable(QString::number(pageCount)));  // written pages and one per command

    auto window = StartMainWindow({});
    window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(window.get()));
    QTest::keyClick(window.get(), Qt::Key_F1);
    auto* manual = window->findChild<TManualWindow*>();
    QVERIFY(manual != nullptr && manual->isVisible());
    QTextBrowser* browser = manual->Browser();
    QVERIFY(browser->source().toLocalFile().endsWith("en/index.html"));
    // A link is followed inside the window; back and forward return.
    browser->setSource(browser->source().resolved(QUrl("editor.html")));
    QVERIFY(browser->toPlainText().contains("Alt+Enter"));
    browser->setSource(browser->source().resolved(QUrl("../cli/export.html")));
    QVERIFY(browser->toPlainText().contains("usage: qz export"));
    browser->backward();
    QCOMPARE(browser->documentTitle(), QString("The log editor: keys and fast append"));
    browser->backward();
    QVERIFY(browser->source().toLocalFile().endsWith("en/index.html"));
    QVERIFY(browser->isForwardAvailable());
    // In German the German contents page.
    QVERIFY(window->ApplyLanguage(lGerman));
    window->Command("Help2")->trigger();
    QVERIFY(browser->source().toLocalFile().endsWith("de/index.html"));
    QVERIFY(browser->toPlainText().contains("Handbuch"));
    QVERIFY(window->ApplyLanguage(lEnglish));
}

void TGuiTest::shortcutListShowsEveryKey() {
    auto window = StartMainWindow({});
    TShortcutsDialog dialog(*window);
    QTableWidget* table = dialog.Table();
    QHash<QString, QString> listed;
    for (int r = 0; r < table->rowCount(); ++r)
        listed.insert(table->item(r, 0)->data(Qt::UserRole).toString(), table->item(r, 0)->text());
    int withKey = 0;
    for (const TCommand& c : Commands()) {
        // A standard key may have no binding on this desktop.
        if (*c.key == '\0' && QKeySequence::keyBindings(c.standardKey).isEmpty()) continue;
        ++withKey;
        QVERIFY2(listed.contains(c.name), c.name);
        if (*c.key != '\0')
            QVERIFY2(listed[c.name].contains(QKeySequence(QString(c.key)).toString(QKeySequence::NativeText)), c.name);
    }
    QVERIFY(withKey > 30);
    QCOMPARE(listed.value("acImportAutoDetect"), QString("F9"));
    QCOMPARE(listed.value("Help2"), QString("F1"));
    // No two commands share a key.
    QHash<QString, QString> owner;
    for (const TCommand& c : Commands())
        for (const QKeySequence& key : window->Command(c.name)->shortcuts()) {
            QVERIFY2(!owner.contains(key.toString()),
                     qPrintable(key.toString() + ": " + owner.value(key.toString()) + ", " + c.name));
            owner.insert(key.toString(), c.name);
        }
}

// The accelerator letter of a caption ("&File" gives f), 0 without one.
QChar Accelerator(const QString& text) {
    for (int i = 0; i + 1 < text.size(); ++i) {
        if (text[i] != '&') continue;
        if (text[i + 1] != '&') return text[i + 1].toLower();
        ++i;
    }
    return QChar();
}

// Every clash of two entries of one menu (or of the menu bar) with the same letter.
void CollectAcceleratorClashes(const QString& where, const QList<QAction*>& actions, QStringList& clashes) {
    QHash<QChar, QString> seen;
    for (QAction* a : actions) {
        if (a->isSeparator() || !a->isVisible()) continue;
        const QChar key = Accelerator(a->text());
        if (!key.isNull()) {
            if (seen.contains(key)) clashes << where + ": " + seen[key] + " / " + a->text();
            seen.insert(key, a->text());
        }
        if (QMenu* sub = a->menu()) {
            emit sub->aboutToShow();
            CollectAcceleratorClashes(where + " > " + a->text(), sub->actions(), clashes);
        }
    }
}

void TGuiTest::menuAcceleratorsAreUniqueInBothLanguages() {
    auto window = StartMainWindow({FNative});
    for (TLanguage language : {lEnglish, lGerman}) {
        QVERIFY(window->ApplyLanguage(language));
        QStringList clashes;
        CollectAcceleratorClashes(language == lGerman ? "German" : "English", window->menuBar()->actions(), clashes);
        QVERIFY2(clashes.isEmpty(), qPrintable(clashes.join("\n")));
    }
    QVERIFY(window->ApplyLanguage(lEnglish));
    TBoxAnswerer discard(QMessageBox::No);
    window->close();
}

// A call typed into the newest line that repeats an earlier contact on the band: the
// hint names the earlier line while the call is typed, and the line is marked a dupe
// as soon as it is written, without a compile. Corrected, the mark goes.
void TGuiTest::typedDupeIsMarkedAndHintedWithoutCompile() {
    auto window = StartMainWindow({FNative});
    TQZEditor* editor = window->ActiveEditor();
    TContestLog& log = *editor->ContestLog();
    const int lines = log.NoOfQSOs();
    window->Command("FastAppendMode")->trigger();  // starts a fresh line at the end
    const TQSO& typed = *log.QSOs(lines);
    int earlier = -1;
    for (int i = 0; i < lines && earlier < 0; ++i)
        if (log.QSOs(i)->IsGood() && log.QSOs(i)->Band() == typed.Band()) earlier = i;
    QVERIFY(earlier >= 0);
    const int dupes = log.Result().NoOfAllDupes();
    QTest::keyClicks(TextEditor(editor), FromCore(log.QSOs(earlier)->Call().Call()));
    QCOMPARE(editor->LineHint()->text(), QString("Dupe of line %1").arg(earlier + 1));
    QSignalSpy repainted(editor->Model(), &QAbstractItemModel::dataChanged);
    QTest::keyClick(TextEditor(editor), Qt::Key_Return);
    QCOMPARE(Cell(editor, lines, cpFlags), QString("[DUPE]"));
    QCOMPARE(Cell(editor, lines, cpPoints), QString("0"));
    bool rowRepainted = false;
    for (const QList<QVariant>& change : repainted)
        rowRepainted =
            rowRepainted || (change[0].toModelIndex().row() <= lines && change[1].toModelIndex().row() >= lines);
    QVERIFY(rowRepainted);
    QCOMPARE(log.Result().NoOfAllDupes(), dupes + 1);

    // Corrected to a station of a country the log lacks: the hint tells of the new
    // multiplier while it is typed, and the written line is no dupe and brings it.
    // In fast append a logged call opens with the caret behind it: selected first.
    editor->Cells()->FocusCell(cpCall, -1, lines);
    QTest::keyClick(TextEditor(editor), Qt::Key_Home, Qt::ShiftModifier);
    QTest::keyClicks(TextEditor(editor), "zd8zz");
    QVERIFY2(editor->LineHint()->text().startsWith("New multiplier: "), qPrintable(editor->LineHint()->text()));
    QVERIFY2(editor->LineHint()->text().contains("ZD8"), qPrintable(editor->LineHint()->text()));
    QTest::keyClick(TextEditor(editor), Qt::Key_Return);
    QCOMPARE(Cell(editor, lines, cpFlags), QString());
    QCOMPARE(Multiplier(editor, lines), QString("ZD8"));
    QCOMPARE(log.Result().NoOfAllDupes(), dupes);
    TBoxAnswerer no(QMessageBox::No);
    window->close();
}

// A new log starts with one empty line, which has no country. Once its call is typed
// the line shows its country and the message about the empty call is gone.
void TGuiTest::newLogFirstLineShowsCountryWhenTyped() {
    TFileHeader h = NewFileHeader();
    h.fhUser_OwnCall = "DL1ABC";
    h.fhContest_Contest = cWWDXcw;
    std::unique_ptr<TContestLog> fresh = CreateContestLog(h, nullptr);
    QVERIFY(fresh != nullptr);
    fresh->CreateAndAppendQSO(false);
    const std::string path = Path("new.QZF");
    TQZF qzf;
    QVERIFY(!qzf.StoreLog(path, *fresh, false).empty());

    auto window = StartMainWindow({path});
    TQZEditor* editor = window->ActiveEditor();
    QPlainTextEdit* messages = editor->OutputMemo(owMessages);
    QCOMPARE(Cell(editor, 0, cpFlags), QString("[BAD]"));
    QVERIFY(messages->toPlainText().contains("QSO #1: No country found"));
    window->Command("FastAppendMode")->trigger();
    editor->Cells()->FocusCell(cpCall, -1, 0);
    QTest::keyClicks(TextEditor(editor), "ja1xyz");
    QTest::keyClick(TextEditor(editor), Qt::Key_Return);
    QCOMPARE(editor->ContestLog()->NoOfQSOs(), 2);
    QCOMPARE(Cell(editor, 0, cpFlags), QString());
    QCOMPARE(Multiplier(editor, 0), QString("JA"));
    QVERIFY(Cell(editor, 0, cpPoints).toInt() > 0);
    QVERIFY2(!messages->toPlainText().contains("QSO #1: No country found"), qPrintable(messages->toPlainText()));
    // The fresh line the call is typed into next is no QSO yet: no mark, no message.
    QCOMPARE(Cell(editor, 1, cpFlags), QString());
    QVERIFY2(!messages->toPlainText().contains("QSO #2"), qPrintable(messages->toPlainText()));
    TBoxAnswerer no(QMessageBox::No);
    window->close();
}

// With the real-time clock chosen in the options, a line appended in fast append is
// timed now (UTC), not at the time of the line above.
void TGuiTest::realTimeClockTimesAppendedLines() {
    struct TRestore {
        ~TRestore() {
            Options.Editor_RealTimeClock.oValue = false;
            SaveOptionsToSettingsFile(Options);
        }
    } restore;
    {
        TOptionsDialog dialog(nullptr, false);
        auto* box = dialog.findChild<QCheckBox*>("cbRealTimeClock");
        QVERIFY(box != nullptr && !box->isChecked());
        box->setChecked(true);
        dialog.accept();
    }
    QVERIFY(Options.Editor_RealTimeClock.oValue);
    auto window = StartMainWindow({FNative});
    TQZEditor* editor = window->ActiveEditor();
    TContestLog& log = *editor->ContestLog();
    const int lines = log.NoOfQSOs();
    window->Command("FastAppendMode")->trigger();  // starts a fresh line at the end
    const TDateTime now = NowUTC();
    QVERIFY(std::abs(log.QSOs(lines)->DateTime() - now) < 2.0 / 1440);
    QTest::keyClicks(TextEditor(editor), "w1aw");
    QTest::keyClick(TextEditor(editor), Qt::Key_Tab);
    QCOMPARE(TextEditor(editor)->Kind(), TCellTextKind::Time);
    QCOMPARE(TextEditor(editor)->text(), QString::fromStdString(log.QSOs(lines)->GetFormattedTime(potComplete)));
    TBoxAnswerer no(QMessageBox::No);
    window->close();
}

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    TGuiTest test;
    return QTest::qExec(&test, argc, argv);
}

void TGuiTest::fileDialogsStartInTheLogsFolder() {
    auto window = StartMainWindow({FNative});
    const std::string before = Options.Path_QZ_Logs.oValue;
    const QString folder = FDir.path() + "/home/Documents/QZ/QZ Logs";  // not there yet
    Options.Path_QZ_Logs.oValue = ToPath(folder);
    TQZEditor* source = window->ActiveEditor();
    source->Command("acEditMarkAll")->trigger();
    window->UpdateCommands();
    window->Command("acFileExtractSelectedQSOsToNewLog")->trigger();
    TQZEditor* extracted = window->ActiveEditor();
    QVERIFY(extracted != source && extracted->FileName().empty());
    {
        TFileDialogWatcher watch;
        extracted->Command("acFileSaveAs")->trigger();
        window->Command("acFileOpen")->trigger();
        QCOMPARE(watch.files.size(), 2);
        // A log without a name: own call, contest and year of its first line, in the
        // logs folder, which now exists.
        QCOMPARE(watch.files[0], folder + "/DL1ABC-CQ-WW-CW-2024.QZF");
        QCOMPARE(watch.folders[1], folder);
    }
    QVERIFY(QDir(folder).exists());
    Options.Path_QZ_Logs.oValue = before;
}

void TGuiTest::columnsAndListsShowTheirWholeTexts() {
    auto window = StartMainWindow({FNative});
    TQZEditor* editor = window->ActiveEditor();
    TContestLog& log = *editor->ContestLog();
    const QFontMetrics metrics(editor->Grid()->font());
    const int callCol = ColumnOf(log, cpCall);
    // Room for a 10-character call before any line holds one.
    QVERIFY(editor->Grid()->columnWidth(callCol) > metrics.horizontalAdvance("WWWWWWWWWW"));
    // The line entry shows the whole date.
    QLineEdit* date = editor->LineEntryField(ColumnOf(log, cpDate));
    QVERIFY(date->width() > date->fontMetrics().horizontalAdvance(date->text()));

    // A longer call typed into an appended line widens its column.
    const QString longCall = "PA/DL1ABCDEFGHIJ/MM";
    window->Command("acEditAppendQSO")->trigger();
    auto* call = qobject_cast<QLineEdit*>(editor->Cells()->ActiveEditor());
    QVERIFY(call != nullptr);
    QTest::keyClicks(call, longCall);
    QTest::keyClick(call, Qt::Key_Tab);
    QCOMPARE(Cell(editor, log.NoOfQSOs() - 1, cpCall), longCall);
    QVERIFY(editor->Grid()->columnWidth(callCol) > metrics.horizontalAdvance(longCall));

    // The band list is as wide as its longest entry, though the column is narrower.
    const int bandCol = ColumnOf(log, cpBand);
    editor->Cells()->FocusCell(cpBand, log.ColumnArrayIndex(bandCol), 0);
    auto* bands = qobject_cast<QComboBox*>(editor->Cells()->ActiveEditor());
    QVERIFY(bands != nullptr && bands->count() > 1);
    int widest = 0;
    for (int i = 0; i < bands->count(); ++i)
        widest = std::max(widest, bands->view()->fontMetrics().horizontalAdvance(bands->itemText(i)));
    QVERIFY2(bands->view()->minimumWidth() > widest, qPrintable(QString::number(widest)));
    editor->Cells()->HideAllInplaceEdits();
    TBoxAnswerer no(QMessageBox::No);
    window->close();
}

void TGuiTest::startPanelIconsAndToolbar() {
    auto window = StartMainWindow({FNative});
    TStartPanel* panel = window->StartPanel();
    window->UpdateCommands();
    QVERIFY(!panel->isVisible());
    window->Command("acFileClose")->trigger();
    QCOMPARE(window->Editors().size(), std::size_t(0));
    window->UpdateCommands();
    QVERIFY(panel->isVisible());
    // The recent files are offered; one click opens one.
    const std::vector<QPushButton*> recent = panel->RecentButtons();
    QVERIFY(!recent.empty());
    QCOMPARE(recent.front()->toolTip().toStdString(), window->FileHistory().Newest().front());
    {
        const std::string before = Options.Path_QZ_Logs.oValue;
        Options.Path_QZ_Logs.oValue = Path("panel-logs");
        TFileDialogWatcher watch;
        panel->OpenButton()->click();
        QCOMPARE(watch.folders, QStringList{FromPath(Path("panel-logs"))});
        Options.Path_QZ_Logs.oValue = before;
    }
    recent.front()->click();
    QCOMPARE(window->Editors().size(), std::size_t(1));
    window->UpdateCommands();
    QVERIFY(!panel->isVisible());
    // The program's own icon, not the toolkit's, on the log window; every toolbar
    // command has an icon.
    QVERIFY(!QApplication::windowIcon().isNull());
    QVERIFY(QFile::exists(":/qz/qz.svg"));
    QCOMPARE(window->ActiveEditor()->parentWidget()->windowIcon().cacheKey(), QApplication::windowIcon().cacheKey());
    for (const char* name : {"acNew", "acFileOpen", "acFileSave", "acEditUndo", "acEditCompile", "acOutputPrint"})
        QVERIFY2(!window->Command(name)->icon().isNull(), name);
}

// The bars of the rate chart of `band` ("10m"), or of every band for an empty name.
int RateBars(const TChartsView& charts, const QString& band) {
    int sum = 0;
    for (QAbstractSeries* series : charts.RateChart()->series())
        if (auto* bars = qobject_cast<QStackedBarSeries*>(series))
            for (QBarSet* set : bars->barSets())
                if (band.isEmpty() || set->label() == band)
                    for (int i = 0; i < set->count(); ++i) sum += static_cast<int>(set->at(i));
    return sum;
}

void TGuiTest::chartsTabFollowsTheLog() {
    auto window = StartMainWindow({FNative});
    TQZEditor* editor = window->ActiveEditor();
    TChartsView* charts = editor->Charts();
    QTabWidget* tabs = editor->OutputTabs();
    QCOMPARE(tabs->tabText(tabs->indexOf(charts)), QString("Charts"));
    tabs->setCurrentWidget(charts);
    window->Command("acEditCompile")->trigger();
    const TContestLog& log = *editor->ContestLog();
    QVERIFY(log.Result().NoOfAllGoodQSOs() > 100);
    QCOMPARE(RateBars(*charts, ""), log.Result().NoOfAllGoodQSOs());
    const int tenBefore = RateBars(*charts, "10m");
    QCOMPARE(tenBefore, log.Result().NoOfBandGoodQSOs(b10m));
    // The cumulative QSOs end at the good QSOs; the band map has a row per band.
    auto* qsos = qobject_cast<QLineSeries*>(charts->CumulativeChart()->series().value(0));
    QVERIFY(qsos != nullptr);
    QCOMPARE(static_cast<int>(qsos->points().last().y()), log.Result().NoOfAllGoodQSOs());
    QCOMPARE(charts->BandMapChart()->series().size(), 6);

    // The first line moved to 10m: the charts follow without a compile.
    editor->SetCurrentRow(0);
    QLineEdit* band = editor->LineEntryField(ColumnOf(log, cpBand));
    QVERIFY(log.QSOs(0)->Band() != b10m);
    band->setText("10m");
    QVERIFY(editor->ApplyLineEntry());
    QCOMPARE(RateBars(*charts, "10m"), tenBefore + 1);
    QCOMPARE(RateBars(*charts, "10m"), log.Result().NoOfBandGoodQSOs(b10m));
    window->Command("acEditUndo")->trigger();
    window->Command("acEditCompile")->trigger();
    QCOMPARE(RateBars(*charts, "10m"), tenBefore);

    // Behind another tab the charts wait, and catch up when shown.
    tabs->setCurrentIndex(owMessages);
    editor->SetCurrentRow(0);
    band->setText("10m");
    QVERIFY(editor->ApplyLineEntry());
    QCOMPARE(RateBars(*charts, "10m"), tenBefore);
    tabs->setCurrentWidget(charts);
    QCOMPARE(RateBars(*charts, "10m"), tenBefore + 1);

    // Saved as PNG and SVG, printed into a PDF.
    const QString png = QString::fromStdString(Path("charts.png"));
    const QString svg = QString::fromStdString(Path("charts.svg"));
    QVERIFY(charts->SavePicture(png));
    QVERIFY(charts->SavePicture(svg));
    QImage picture(png);
    QVERIFY(picture.width() >= 1000 && picture.height() >= 900);
    QVERIFY(QString::fromStdString(ReadBytes(Path("charts.svg"))).contains("<svg"));
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(QString::fromStdString(Path("charts.pdf")));
    editor->PrintTo(printer, false);
    QVERIFY(ReadBytes(Path("charts.pdf")).size() > 1000);
    QString error;
    QVERIFY(!charts->SavePicture(QString::fromStdString(Path("missing/charts.png")), &error));
    QVERIFY(error.contains("missing"));
}

#include "gui_tests.moc"
