// The batch wizard: the committee's jobs (exports of native logs, conversion of import
// files into native logs, one common result list, the cross-check of a contest's logs)
// chosen page by page, then run over the file list by the batch core with a progress
// dialog whose Cancel stops after the files being processed. The wizard is made once
// and keeps its choices and the file list between runs.
#pragma once

#include <QWizard>
#include <string>
#include <vector>

#include "batch/batchjob.h"

class QButtonGroup;
class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QSpinBox;

namespace qz::gui {

// What the wizard collected.
struct TBatchChoice {
    TBatchJob job = TBatchJob::Export;
    std::vector<std::string> files;
    TOutputWindow exportFormat = owSTF;
    TFileType importFormat = ftSTF;
    TContest fixContest = cNoContest;  // cNoContest: each file's own
    // With each file's own: the contest of a foreign file that names none.
    TContest defaultContest = cNoContest;
    std::string resultList;
    std::string topLevelId = "FINAL";
    // Results: the table of the rows beside the list (TsvBeside).
    bool writeTsv = true;
    // The cross-check of the files instead of `job`: its time window, the penalty per
    // removed QSO and the folder of its reports.
    bool crossCheck = false;
    int windowMinutes = 3;
    int penalty = 0;
    std::string reportFolder;
};

// The table file written beside a result list: its name with ".tsv".
std::string TsvBeside(const std::string& resultList);

// The file list of the wizard: full names without duplicates, dropped files taken when
// they are files (with "native logs only", native logs), whole folders of logs, a count
// below. "Native logs only" goes off as soon as the list holds other files.
class TBatchFileList : public QWidget {
    Q_OBJECT
public:
    explicit TBatchFileList(QWidget* parent = nullptr);
    // Appends the files not yet in the list (folders, and with `NativeOnly` other
    // files, are left out); the number appended.
    int AddFiles(const QStringList& files);
    // Appends the log files of `folder` (those of a type the program reads); the number
    // appended, and in `leftOut` the number of other files.
    int AddFolder(const QString& folder, int* leftOut = nullptr);
    // Whether the list holds files that are no native logs.
    bool HoldsForeignFiles() const;
    std::vector<std::string> Files() const;
    bool NativeOnly() const;
    void SetNativeOnly(bool nativeOnly);
    void Retranslate();

protected:
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    void ChooseFiles();
    void ChooseFolder();
    // Unticks native logs only once the list holds other files.
    void FollowList();
    void UpdateCount();

    QListWidget* FList;
    QCheckBox* FNativeOnly;
    QLabel* FCount;
    QList<QWidget*> FButtons;
};

class TBatchWorkWizard : public QWizard {
    Q_OBJECT
public:
    enum TPage { pgJob = 1, pgFiles, pgExportFormat, pgImportFormat, pgResultList, pgContest, pgCrossCheck };

    explicit TBatchWorkWizard(QWidget* parent = nullptr);
    TBatchChoice Choice() const;
    TBatchFileList* FileList() const { return FFileList; }
    // Selects a job, a format or a contest as a click on the page would.
    void SetJob(TBatchJob job);
    // Chooses the cross-check job with its settings.
    void SetCrossCheck(int windowMinutes, int penalty, const std::string& reportFolder);
    void SetExportFormat(TOutputWindow format);
    void SetImportFormat(TFileType format);
    void SetResultList(const std::string& file, const std::string& topLevelId);
    void SetFixContest(TContest contest);
    // Each file's own contest, `contest` for files that name none (cNoContest: none).
    void SetDefaultContest(TContest contest);
    void Retranslate();

    int nextId() const override;
    bool validateCurrentPage() override;

private:
    void UpdateTitle();
    void UpdateTsvCaption();

    QButtonGroup* FJob;
    TBatchFileList* FFileList;
    QButtonGroup* FExportFormat;
    QButtonGroup* FImportFormat;
    QLineEdit* FResultList;
    QLineEdit* FTopLevelId;
    QButtonGroup* FContestChoice;
    QCheckBox* FDefaultContest;
    QComboBox* FContests;
    QCheckBox* FWriteTsv;
    QSpinBox* FWindow;
    QSpinBox* FPenalty;
    QLineEdit* FReportFolder;
};

// Runs the chosen job with a progress dialog and tells the outcome; an existing result
// list is replaced only after a question, existing exports only after one question for
// all of them. False when nothing was run or the run was cancelled.
bool RunBatchChoice(QWidget* parent, const TBatchChoice& choice);

}  // namespace qz::gui
