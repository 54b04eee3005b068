// The batch wizard: the committee's three jobs (exports of native logs, conversion of
// import files into native logs, one common result list) chosen page by page, then run
// over the file list by the batch core with a progress dialog whose Cancel stops after
// the files being processed. The wizard is made once and keeps its choices and the
// file list between runs.
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

namespace qz::gui {

// What the wizard collected.
struct TBatchChoice {
    TBatchJob job = TBatchJob::Export;
    std::vector<std::string> files;
    TOutputWindow exportFormat = owSTF;
    TFileType importFormat = ftSTF;
    TContest fixContest = cNoContest;  // cNoContest: each file's own
    std::string resultList;
    std::string topLevelId = "FINAL";
};

// The file list of the wizard: full names without duplicates, dropped files taken when
// they are files (with "native logs only", native logs), a count below.
class TBatchFileList : public QWidget {
    Q_OBJECT
public:
    explicit TBatchFileList(QWidget* parent = nullptr);
    // Appends the files not yet in the list (folders, and with `NativeOnly` other
    // files, are left out); the number appended.
    int AddFiles(const QStringList& files);
    std::vector<std::string> Files() const;
    bool NativeOnly() const;
    void SetNativeOnly(bool nativeOnly);
    void Retranslate();

protected:
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    void ChooseFiles();
    void UpdateCount();

    QListWidget* FList;
    QCheckBox* FNativeOnly;
    QLabel* FCount;
    QList<QWidget*> FButtons;
};

class TBatchWorkWizard : public QWizard {
    Q_OBJECT
public:
    enum TPage { pgJob = 1, pgFiles, pgExportFormat, pgImportFormat, pgResultList, pgContest };

    explicit TBatchWorkWizard(QWidget* parent = nullptr);
    TBatchChoice Choice() const;
    TBatchFileList* FileList() const { return FFileList; }
    // Selects a job, a format or a contest as a click on the page would.
    void SetJob(TBatchJob job);
    void SetExportFormat(TOutputWindow format);
    void SetImportFormat(TFileType format);
    void SetResultList(const std::string& file, const std::string& topLevelId);
    void SetFixContest(TContest contest);
    void Retranslate();

    int nextId() const override;
    bool validateCurrentPage() override;

private:
    void UpdateTitle();

    QButtonGroup* FJob;
    TBatchFileList* FFileList;
    QButtonGroup* FExportFormat;
    QButtonGroup* FImportFormat;
    QLineEdit* FResultList;
    QLineEdit* FTopLevelId;
    QButtonGroup* FContestChoice;
    QComboBox* FContests;
};

// Runs the chosen job with a progress dialog and tells the outcome; an existing result
// list is replaced only after a question, existing exports only after one question for
// all of them. False when nothing was run or the run was cancelled.
bool RunBatchChoice(QWidget* parent, const TBatchChoice& choice);

}  // namespace qz::gui
