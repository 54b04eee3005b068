// The desktop program driven through its real windows on the offscreen platform: the
// main window opens logs from its command line, the editor changes, undoes, compiles,
// saves and closes them, and message boxes are answered by clicking their buttons.
#include <QAbstractButton>
#include <QApplication>
#include <QClipboard>
#include <QHeaderView>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPrinter>
#include <QTabWidget>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <memory>

#include "base/settingsstore.h"
#include "engine/contestlog.h"
#include "gui/commandline.h"
#include "gui/editor.h"
#include "gui/filehistory.h"
#include "gui/guifrontend.h"
#include "gui/logmodel.h"
#include "gui/mainwindow.h"

using namespace qz;
using namespace qz::gui;

namespace {

std::string ReadBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

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

int ColumnOf(const TContestLog& log, TColumnProperty property) {
    return log.GetColumnNumberFromProperty(property, -1, log.NoOfColumns());
}

}  // namespace

class TGuiTest : public QObject {
    Q_OBJECT
private:
    QTemporaryDir FDir;
    std::string FNative;  // a native log made from the sample Cabrillo log

    std::string Path(const char* name) const { return (FDir.path() + "/" + name).toStdString(); }

    std::unique_ptr<TMainForm> Start(const std::vector<std::string>& args) {
        auto window = std::make_unique<TMainForm>(ParseCommandLine(args));
        window->show();
        if (!window->Startup()) return nullptr;
        return window;
    }

    QString Cell(TQZEditor* editor, int row, TColumnProperty property) {
        const int col = ColumnOf(*editor->ContestLog(), property);
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
};

void TGuiTest::initTestCase() {
    QVERIFY(FDir.isValid());
    QDir(FDir.path()).mkpath("data");
    QDir(FDir.path()).mkpath("config");
    qputenv("QZ_DATA_DIR", (FDir.path() + "/data").toUtf8());
    qputenv("QZ_CONFIG_DIR", (FDir.path() + "/config").toUtf8());
    qputenv("QZ_INSTALLED_DIR", QZ_STAGED_DATA_DIR);
    QVERIFY(WriteSettingInteger("Language", 0));

    // The sample Cabrillo log, converted in memory and saved as a native log.
    auto window = Start({QZ_SOURCE_DIR "/data/samples/sample-cqww-cw.log"});
    QVERIFY(window != nullptr);
    TQZEditor* editor = window->ActiveEditor();
    QVERIFY(editor != nullptr);
    QVERIFY(editor->ContestLog()->NoOfQSOs() > 300);
    FNative = Path("cqww.QZF");
    QVERIFY(editor->SaveAsFile(FNative));
    QVERIFY(!editor->Modified());
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
    auto window = Start({stem});
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
    auto window = Start({FNative});
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
    auto window = Start({FNative});
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
    auto window = Start({file});
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
    auto reopened = Start({file});
    QCOMPARE(QString::fromStdString(reopened->ActiveEditor()->ContestLog()->QSOs(0)->Call().Call()), QString("DK0AA"));
}

void TGuiTest::switchesLanguageAtRunTime() {
    auto window = Start({FNative});
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
    auto window = Start({});
    const std::string damaged = Path("damaged.QZF");
    {
        std::ofstream out(damaged, std::ios::binary);
        std::string bytes = ReadBytes(FNative).substr(0, 4096 + 30);
        out << bytes;
    }
    const std::string missing = Path("vanished.QZF");
    for (const std::string& file : {damaged, missing}) {
        TBoxAnswerer ok(QMessageBox::Ok);
        QVERIFY(!window->OpenAnyFile(file));
        QCOMPARE(ok.texts.size(), 1);
        QVERIFY2(ok.texts[0].contains(QString::fromStdString(file)), qPrintable(ok.texts[0]));
    }
    QCOMPARE(window->Editors().size(), std::size_t(0));
    QVERIFY(window->OpenAnyFile(FNative));
    QCOMPARE(window->Editors().size(), std::size_t(1));
}

// The number of pages of a PDF file Qt wrote ("/Count N" of its page tree).
int PdfPages(const std::string& path) {
    const std::string bytes = ReadBytes(path);
    const std::size_t at = bytes.find("/Count ");
    return at == std::string::npos ? 0 : std::atoi(bytes.c_str() + at + 7);
}

void TGuiTest::printsGridAndOutputWindow() {
    auto window = Start({FNative});
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
}

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    TGuiTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "gui_tests.moc"
