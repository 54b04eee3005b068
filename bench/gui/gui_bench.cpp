// The desktop program on the offscreen platform with a native log of 50,000 lines:
// opening it until the first rows are painted (target under 1 s), compiling it from
// the editor window with the progress bar (target under 0.5 s), and typing in fast
// append mode: a line appended and the view updated (target under 5 ms), and a line
// written and evaluated again with what it affects (under 20 ms). The log is checked
// against the installed country file, as a user's log is.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QProgressBar>
#include <QTableView>
#include <QTemporaryDir>
#include <cstdlib>
#include <memory>
#include <string>

#include "base/datetime.h"
#include "base/settingsstore.h"
#include "contests/framework/factory.h"
#include "engine/contestlog.h"
#include "gui/cellediting.h"
#include "gui/editor.h"
#include "gui/guifrontend.h"
#include "gui/logmodel.h"
#include "gui/mainwindow.h"
#include "logfile/qzf.h"

namespace {

constexpr int kLines = 50000;

// A multi-operator CQ WW log: calls of several countries on six bands, in time order.
std::string WriteBigLog(const std::string& file) {
    qz::TFileHeader h = qz::NewFileHeader();
    h.fhUser_OwnCall = "DL1ABC";
    h.fhContest_Contest = qz::cWWDXcw;
    auto log = qz::CreateContestLog(h, nullptr);
    if (!log) return "no contest log (country file missing?)";
    const char* prefixes[] = {"W", "K", "DL", "G", "JA", "N", "DK", "M", "I", "F", "EA", "UA"};
    const qz::TBand bands[] = {qz::b160m, qz::b80m, qz::b40m, qz::b20m, qz::b15m, qz::b10m};
    for (int i = 0; i < kLines; ++i) {
        auto q = log->NewQSO(true);
        q->SetCall(std::string(prefixes[i % 12]) + std::to_string(i % 10) + static_cast<char>('A' + i % 26) +
                   static_cast<char>('A' + (i / 26) % 26) + static_cast<char>('A' + (i / 676) % 26));
        q->SetBand(bands[i % 6]);
        q->SetDateTime(qz::EncodeDate(2024, 11, 23) + i / (1440.0 * 30));
        q->SetSentNumbers(0, "14");
        q->SetRcvdNumbers(0, std::to_string(1 + i % 40));
        log->AppendQSO(std::move(q));
    }
    qz::TQZF qzf;
    return qzf.StoreLog(file, *log, false).empty() ? qzf.LastError() : std::string();
}

struct TFixture {
    QTemporaryDir dir;
    std::string file;
    std::string error;
    std::unique_ptr<qz::gui::TMainForm> window;

    TFixture() {
        qputenv("QZ_DATA_DIR", (dir.path() + "/data").toUtf8());
        qputenv("QZ_CONFIG_DIR", (dir.path() + "/config").toUtf8());
        qputenv("QZ_INSTALLED_DIR", QZ_STAGED_DATA_DIR);
        qz::WriteSettingInteger("Language", 0);
        window = std::make_unique<qz::gui::TMainForm>(qz::gui::TCommandLine{});
        window->resize(1400, 900);
        window->show();
        if (!window->Startup()) error = "no language file";
        file = (dir.path() + "/big.QZF").toStdString();
        if (error.empty()) error = WriteBigLog(file);
    }
    void CloseAll() {
        for (QMdiSubWindow* sub : window->MdiArea()->subWindowList()) delete sub;
    }
};

TFixture& Fixture() {
    static TFixture fixture;
    return fixture;
}

void BM_GuiOpen50kAndShowFirstRows(benchmark::State& state) {
    TFixture& f = Fixture();
    if (!f.error.empty()) return state.SkipWithError(f.error.c_str());
    for (auto _ : state) {
        if (!f.window->OpenAnyFile(f.file)) return state.SkipWithError("cannot open the log");
        qz::gui::TQZEditor* editor = f.window->ActiveEditor();
        editor->Grid()->viewport()->repaint();  // the first rows on the screen
        state.PauseTiming();
        if (editor->Model()->rowCount() != kLines) state.SkipWithError("rows missing");
        f.CloseAll();
        state.ResumeTiming();
    }
    state.SetItemsProcessed(state.iterations() * kLines);
}
BENCHMARK(BM_GuiOpen50kAndShowFirstRows)->Unit(benchmark::kMillisecond);

void BM_GuiCompile50k(benchmark::State& state) {
    TFixture& f = Fixture();
    if (!f.error.empty()) return state.SkipWithError(f.error.c_str());
    if (!f.window->OpenAnyFile(f.file)) return state.SkipWithError("cannot open the log");
    qz::gui::TQZEditor* editor = f.window->ActiveEditor();
    const int starts = f.window->FrontEnd().ProgressStarts();
    for (auto _ : state) {
        f.window->Command("acEditCompile")->trigger();
        editor->Grid()->viewport()->repaint();
    }
    if (f.window->FrontEnd().ProgressStarts() == starts) state.SkipWithError("no progress bar was shown");
    state.SetItemsProcessed(state.iterations() * kLines);
    f.CloseAll();
}
BENCHMARK(BM_GuiCompile50k)->Unit(benchmark::kMillisecond);

// Scrolling to the end costs the same as scrolling near the start: the model formats
// only the rows on the screen.
void BM_GuiScrollToEnd50k(benchmark::State& state) {
    TFixture& f = Fixture();
    if (!f.error.empty()) return state.SkipWithError(f.error.c_str());
    if (!f.window->OpenAnyFile(f.file)) return state.SkipWithError("cannot open the log");
    qz::gui::TQZEditor* editor = f.window->ActiveEditor();
    int row = 0;
    for (auto _ : state) {
        row = row == 0 ? kLines - 1 : 0;
        editor->SetCurrentRow(row);
        editor->Grid()->viewport()->repaint();
    }
    f.CloseAll();
}
BENCHMARK(BM_GuiScrollToEnd50k)->Unit(benchmark::kMillisecond);

// A key typed into the widget that has the grid's in-place editor.
void Type(qz::gui::TQZEditor* editor, int key, const QString& text) {
    QWidget* target = editor->Cells()->ActiveEditor();
    if (target == nullptr) target = editor->Grid();
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, text);
    QApplication::sendEvent(target, &press);
    QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier, text);
    QApplication::sendEvent(target, &release);
}

// Fast append at the end of the log: the append command adds a line, opens the call
// cell's editor and repaints the grid.
void BM_GuiFastAppendLine50k(benchmark::State& state) {
    TFixture& f = Fixture();
    if (!f.error.empty()) return state.SkipWithError(f.error.c_str());
    if (!f.window->OpenAnyFile(f.file)) return state.SkipWithError("cannot open the log");
    qz::gui::TQZEditor* editor = f.window->ActiveEditor();
    editor->SetEditMode(qz::emAppend);
    const int before = editor->Model()->rowCount();
    for (auto _ : state) {
        f.window->Command("acEditAppendQSO")->trigger();
        editor->Grid()->viewport()->repaint();
    }
    if (editor->Model()->rowCount() != before + static_cast<int>(state.iterations()))
        state.SkipWithError(("lines missing: " + std::to_string(editor->Model()->rowCount() - before) + " of " +
                             std::to_string(state.iterations()))
                                .c_str());
    f.CloseAll();
}
BENCHMARK(BM_GuiFastAppendLine50k)->Unit(benchmark::kMillisecond);

// A whole line typed as a contester types it: a call key by key, then Enter, which
// writes the call, fills the proposed zone, appends the next line and repaints.
void BM_GuiTypeCallAndEnter50k(benchmark::State& state) {
    TFixture& f = Fixture();
    if (!f.error.empty()) return state.SkipWithError(f.error.c_str());
    if (!f.window->OpenAnyFile(f.file)) return state.SkipWithError("cannot open the log");
    qz::gui::TQZEditor* editor = f.window->ActiveEditor();
    editor->SetEditMode(qz::emAppend);
    f.window->Command("acEditAppendQSO")->trigger();
    const int before = editor->Model()->rowCount();
    for (auto _ : state) {
        for (QChar c : QStringLiteral("DL1ABC")) Type(editor, c.unicode(), c);
        Type(editor, Qt::Key_Return, "\r");
        editor->Grid()->viewport()->repaint();
    }
    const qz::TContestLog& log = *editor->ContestLog();
    if (log.NoOfQSOs() != before + static_cast<int>(state.iterations()) ||
        log.QSOs(log.NoOfQSOs() - 2)->RcvdNumbers(0) != "14")
        state.SkipWithError("the typed lines are not in the log");
    f.CloseAll();
}
BENCHMARK(BM_GuiTypeCallAndEnter50k)->Unit(benchmark::kMillisecond);

// A call written into a line through the line entry, as a contester corrects a line:
// the line, its dupes and the multipliers it moves are evaluated again at once and
// the grid repainted (target under 20 ms). The newest line is the typical case (fast
// append), a line in the middle makes half of the log be evaluated again.
void ApplyCallInLine(benchmark::State& state, int row) {
    TFixture& f = Fixture();
    if (!f.error.empty()) return state.SkipWithError(f.error.c_str());
    if (!f.window->OpenAnyFile(f.file)) return state.SkipWithError("cannot open the log");
    qz::gui::TQZEditor* editor = f.window->ActiveEditor();
    const qz::TContestLog& log = *editor->ContestLog();
    const int callColumn = log.GetColumnNumberFromProperty(qz::cpCall, -1, log.NoOfColumns());
    editor->SetCurrentRow(row, callColumn);
    QLineEdit* call = editor->LineEntryField(callColumn);
    // The line's own call and the call of an earlier line on its band (a dupe) in turn.
    const QString calls[] = {QString::fromStdString(log.QSOs(row)->Call().Call()),
                             QString::fromStdString(log.QSOs(row - 6)->Call().Call())};
    int turn = 0;
    for (auto _ : state) {
        call->setText(calls[++turn % 2]);
        if (!editor->ApplyLineEntry()) return state.SkipWithError("the call was not accepted");
        editor->Grid()->viewport()->repaint();
    }
    if (!log.QSOs(row)->QSOFlags().Contains(qz::qfDupe) && turn % 2 == 1)
        state.SkipWithError("the line written as a dupe is not marked");
    f.CloseAll();
}

void BM_GuiApplyLastLine50k(benchmark::State& state) { ApplyCallInLine(state, kLines - 1); }
BENCHMARK(BM_GuiApplyLastLine50k)->Unit(benchmark::kMillisecond);

void BM_GuiApplyMiddleLine50k(benchmark::State& state) { ApplyCallInLine(state, kLines / 2); }
BENCHMARK(BM_GuiApplyMiddleLine50k)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    if (std::getenv("QT_QPA_PLATFORM") == nullptr) setenv("QT_QPA_PLATFORM", "offscreen", 1);
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    Fixture().window.reset();
    return 0;
}
