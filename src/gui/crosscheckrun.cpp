#include "gui/crosscheckrun.h"

#include <QDesktopServices>
#include <QEventLoop>
#include <QProgressDialog>
#include <QUrl>
#include <atomic>
#include <filesystem>
#include <thread>

#include "base/frontend.h"
#include "base/options.h"
#include "crosscheck/crosscheck.h"
#include "engine/compilesettings.h"
#include "gui/batchreport.h"
#include "gui/qtext.h"
#include "gui/shellstrings.h"

namespace qz::gui {

namespace {

// Runs the check on a thread of its own, so that the window is redrawn and Cancel
// answered also while the logs are matched (a step without progress of its own).
TCrossResult RunWithProgress(QWidget* parent, TCrossSettings& settings) {
    QProgressDialog progress(parent);
    progress.setWindowTitle(LSCaption(lsBatchTitle));
    progress.setWindowModality(Qt::WindowModal);
    progress.setMinimumDuration(300);
    progress.setRange(0, std::max<int>(1, static_cast<int>(settings.files.size())));
    std::atomic<bool> cancel{false};
    settings.cancel = &cancel;
    QObject::connect(&progress, &QProgressDialog::canceled, [&cancel] { cancel = true; });
    settings.progress = [&progress](std::size_t done, std::size_t total) {
        QMetaObject::invokeMethod(
            &progress,
            [&progress, done, total] {
                progress.setLabelText(done < total ? LSText(lsBatchProgress).arg(done).arg(total)
                                                   : LSCaption(lsMatchingLogs));
                progress.setValue(static_cast<int>(std::min(done, total - 1)));
            },
            Qt::QueuedConnection);
    };
    QEventLoop loop;
    TCrossResult result;
    std::thread worker([&] {
        result = RunCrossCheck(settings);
        QMetaObject::invokeMethod(&loop, &QEventLoop::quit, Qt::QueuedConnection);
    });
    loop.exec();
    worker.join();
    progress.reset();
    return result;
}

QString Summary(const TCrossResult& result, const std::string& folder) {
    QString text = LSText(lsCrossSummary)
                       .arg(result.logs.size())
                       .arg(result.qsos)
                       .arg(result.readSeconds + result.matchSeconds + result.scoreSeconds, 0, 'f', 1);
    text += "\n" + LSCaption(lsFindings) + ":";
    for (std::size_t k = 0; k < kCrossKinds; ++k)
        text += QString(" %1 %2").arg(CrossKindName(static_cast<TCrossKind>(k))).arg(result.counts[k]);
    return text + "\n" + LSText(lsReportsAt).arg(FromPath(folder));
}

}  // namespace

bool RunCrossCheckChoice(QWidget* parent, const TBatchChoice& choice) {
    TCrossSettings settings;
    settings.files = choice.files;
    settings.windowMinutes = choice.windowMinutes;
    settings.penalty = choice.penalty;
    settings.fixContest = choice.fixContest;
    settings.defaultContest = choice.defaultContest;
    settings.compile = CompileSettingsFromOptions(Options);
    const TCrossResult result = RunWithProgress(parent, settings);
    if (!result.setupError.empty()) {
        ShowErrorMessage(result.setupError);
        return false;
    }
    if (result.cancelled) {
        ShowInfoMessage(ToCore(LSText(lsBatchCancelled).arg(0).arg(choice.files.size())));
        return false;
    }
    std::string error;
    const std::string folder = choice.reportFolder;
    if (!WriteCrossReports(result, folder, error) ||
        !WriteCrossFindings(result, (std::filesystem::path(folder) / "findings.tsv").string(), error)) {
        ShowErrorMessage(ToCore(MessageWithPath(error, folder)));
        return false;
    }
    QString summary = Summary(result, folder);
    QStringList failures;
    for (const TCrossFailure& f : result.failures) failures << MessageWithPath(f.message, f.file);
    if (!QDesktopServices::openUrl(QUrl::fromLocalFile(FromPath(folder))))
        summary += "\n" + LSText(lsFolderNotOpened).arg(FromPath(folder));
    auto* report = new TBatchReport(parent, summary);
    if (!failures.isEmpty()) report->AddPage(LSText(lsFailedFiles).arg(failures.size()), failures.join('\n'), false);
    report->AddPage(LSCaption(lsFindings), FromCore(CrossFindingsTsv(result)), true);
    report->AddPage(LSCaption(lsTsvTable), FromCore(CheckedScoresTsv(result)), true);
    report->show();
    return true;
}

}  // namespace qz::gui
