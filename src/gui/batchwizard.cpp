#include "gui/batchwizard.h"

#include <QApplication>
#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileDialog>
#include <QFileInfo>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMimeData>
#include <QProgressDialog>
#include <QPushButton>
#include <QRegularExpression>
#include <QRadioButton>
#include <QSpinBox>
#include <QVBoxLayout>
#include <atomic>
#include <filesystem>

#include "base/encoding.h"
#include "base/fileio.h"
#include "base/frontend.h"
#include "base/language.h"
#include "base/lsnumbers.h"
#include "base/options.h"
#include "batch/filejobs.h"
#include "batch/resultlist.h"
#include "batch/resulttsv.h"
#include "contests/framework/factory.h"
#include "engine/compilesettings.h"
#include "import/detect.h"
#include "gui/batchreport.h"
#include "gui/commands.h"
#include "gui/crosscheckrun.h"
#include "gui/logsfolder.h"
#include "gui/qtext.h"
#include "gui/shellstrings.h"
#include "logfile/qzf.h"

namespace qz::gui {

namespace {

// The formats of the export and import pages, in the order of their buttons.
constexpr TOutputWindow kExportFormats[] = {owSTF,      owCabrillo, owADIF,   owRES,
                                            owSwisslog, owDBase,    owResult, owComments};
constexpr TFileType kImportFormats[] = {ftCT8, ftQW4, ftNA9, ftSTF, ftCabrillo, ftADIF};

QString ExportFormatName(TOutputWindow w) {
    switch (w) {
        case owSTF: return "STF";
        case owCabrillo: return "Cabrillo";
        case owADIF: return "ADIF";
        case owRES: return "RES";
        case owSwisslog: return "Swisslog";
        case owDBase: return "dBase";
        case owResult: return LSCaption(lsResultReport);
        default: return LSCaption(lsCommentSummary);
    }
}

QString ImportFormatName(TFileType t) {
    switch (t) {
        case ftCT8: return "CT";
        case ftQW4: return "QW";
        case ftNA9: return "NA";
        case ftSTF: return "STF";
        case ftCabrillo: return "Cabrillo";
        default: return "ADIF";
    }
}

// A tag name of the result list: letters, figures and the like, nothing that would
// break the tags around it.
bool ValidTopLevelId(const QString& id) { return !id.isEmpty() && !id.contains(QRegularExpression("[<>/\\s&]")); }

QWizardPage* MakePage(int title, QLayout* layout) {
    auto* page = new QWizardPage;
    page->setProperty("lsTitle", title);
    page->setLayout(layout);
    return page;
}

QVBoxLayout* RadioColumn(QButtonGroup* group, int count) {
    auto* column = new QVBoxLayout;
    for (int i = 0; i < count; ++i) {
        auto* button = new QRadioButton;
        group->addButton(button, i);
        column->addWidget(button);
    }
    group->button(0)->setChecked(true);
    column->addStretch();
    return column;
}

// Whether an entry of the file list is a native log.
constexpr int kNativeRole = Qt::UserRole + 1;

}  // namespace

// The file list

TBatchFileList::TBatchFileList(QWidget* parent)
    : QWidget(parent), FList(new QListWidget), FNativeOnly(new QCheckBox), FCount(new QLabel) {
    setAcceptDrops(true);
    FList->setSelectionMode(QAbstractItemView::ExtendedSelection);
    FList->setObjectName("FileList");
    FNativeOnly->setObjectName("cbDropQZFOnly");
    FNativeOnly->setChecked(true);
    auto *add = new QPushButton, *folder = new QPushButton, *remove = new QPushButton, *clear = new QPushButton,
         *all = new QPushButton;
    folder->setObjectName("btAddFolder");
    FButtons = {add, folder, remove, clear, all};
    connect(add, &QPushButton::clicked, this, [this] { ChooseFiles(); });
    connect(folder, &QPushButton::clicked, this, [this] { ChooseFolder(); });
    connect(remove, &QPushButton::clicked, this, [this] {
        qDeleteAll(FList->selectedItems());
        UpdateCount();
    });
    connect(clear, &QPushButton::clicked, this, [this] {
        FList->clear();
        UpdateCount();
    });
    connect(all, &QPushButton::clicked, FList, &QListWidget::selectAll);
    auto* buttons = new QVBoxLayout;
    for (QWidget* b : FButtons) buttons->addWidget(b);
    buttons->addStretch();
    auto* row = new QHBoxLayout;
    row->addWidget(FList, 1);
    row->addLayout(buttons);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addLayout(row, 1);
    layout->addWidget(FNativeOnly);
    layout->addWidget(FCount);
    Retranslate();
}

void TBatchFileList::Retranslate() {
    const int captions[] = {lsAddFiles, lsAddFolder, lsRemoveFiles, lsClearList, lsSelectAll};
    for (int i = 0; i < FButtons.size(); ++i) {
        static_cast<QPushButton*>(FButtons[i])->setText(LSCaption(captions[i]));
        FButtons[i]->setToolTip(LSHint(captions[i]));
    }
    FNativeOnly->setText(LSCaption(lsNativeOnly));
    UpdateCount();
}

int TBatchFileList::AddFiles(const QStringList& files) {
    int added = 0;
    for (const QString& name : files) {
        const QFileInfo info(name);
        if (!info.isFile()) continue;
        const QString full = info.absoluteFilePath();
        if (!FList->findItems(full, Qt::MatchExactly).isEmpty()) continue;
        const bool native = NativeFileTypeOfFile(ToPath(full)) != ftUnknown;
        if (NativeOnly() && !native) continue;
        auto* item = new QListWidgetItem(full);
        item->setData(kNativeRole, native);
        FList->addItem(item);
        ++added;
    }
    FollowList();
    UpdateCount();
    return added;
}

int TBatchFileList::AddFolder(const QString& folder, int* leftOut) {
    // The folder's own files (not its subfolders, where reports and outputs are often
    // kept), in name order; those no reader recognises by its marks are left out (the
    // column text, which any text would pass for, is no such mark).
    std::vector<TConverterRow> marked;
    for (const TConverterRow& row : ConverterRegistry())
        if (!row.fallback) marked.push_back(row);
    QStringList logs;
    int others = 0;
    const QFileInfoList entries = QDir(folder).entryInfoList(QDir::Files | QDir::Readable, QDir::Name);
    for (const QFileInfo& info : entries) {
        const std::string path = ToPath(info.absoluteFilePath());
        if (NativeFileTypeOfFile(path) != ftUnknown || DetectFileType(path, marked) != ftUnknown)
            logs << info.absoluteFilePath();
        else ++others;
    }
    if (leftOut) *leftOut = others;
    return AddFiles(logs);
}

bool TBatchFileList::HoldsForeignFiles() const {
    for (int i = 0; i < FList->count(); ++i)
        if (!FList->item(i)->data(kNativeRole).toBool()) return true;
    return false;
}

void TBatchFileList::FollowList() {
    if (HoldsForeignFiles()) SetNativeOnly(false);
}

std::vector<std::string> TBatchFileList::Files() const {
    std::vector<std::string> files;
    for (int i = 0; i < FList->count(); ++i) files.push_back(ToPath(FList->item(i)->text()));
    return files;
}

bool TBatchFileList::NativeOnly() const { return FNativeOnly->isChecked(); }
void TBatchFileList::SetNativeOnly(bool nativeOnly) { FNativeOnly->setChecked(nativeOnly); }

void TBatchFileList::ChooseFiles() {
    // The native-log entry first when only native logs are wanted, else all files.
    const QString filter = DialogFilter(ui::lsNativeLogFilter);
    const QStringList entries = filter.split(";;");
    const QString preselected = entries.value(NativeOnly() ? 0 : 1);
    QString chosenFilter = preselected;
    const QStringList files = QFileDialog::getOpenFileNames(this, QString(), LogsFolder(), filter, &chosenFilter);
    AddFiles(files);
}

void TBatchFileList::ChooseFolder() {
    const QString folder = QFileDialog::getExistingDirectory(this, QString(), LogsFolder());
    if (folder.isEmpty()) return;
    int leftOut = 0;
    AddFolder(folder, &leftOut);
    // Said below the list rather than in a box: nothing needs an answer.
    if (leftOut > 0) FCount->setText(FCount->text() + " - " + LSText(lsFolderFilesLeftOut).arg(leftOut));
}

void TBatchFileList::UpdateCount() { FCount->setText(QString::number(FList->count()) + " " + LSCaption(lsFilesCount)); }

void TBatchFileList::dragEnterEvent(QDragEnterEvent* event) {
    if (event->mimeData()->hasUrls()) event->acceptProposedAction();
}

void TBatchFileList::dropEvent(QDropEvent* event) {
    QStringList files;
    for (const QUrl& url : event->mimeData()->urls())
        if (url.isLocalFile()) files << url.toLocalFile();
    AddFiles(files);
    event->acceptProposedAction();
}

// The wizard

TBatchWorkWizard::TBatchWorkWizard(QWidget* parent)
    : QWizard(parent),
      FJob(new QButtonGroup(this)),
      FFileList(new TBatchFileList),
      FExportFormat(new QButtonGroup(this)),
      FImportFormat(new QButtonGroup(this)),
      FResultList(new QLineEdit),
      FTopLevelId(new QLineEdit(kDefaultTopLevelId)),
      FContestChoice(new QButtonGroup(this)),
      FDefaultContest(new QCheckBox),
      FContests(new QComboBox),
      FWriteTsv(new QCheckBox),
      FWindow(new QSpinBox),
      FPenalty(new QSpinBox),
      FReportFolder(new QLineEdit) {
    setObjectName("TBatchWorkWizard");
    setWizardStyle(QWizard::ClassicStyle);
    setOption(QWizard::NoBackButtonOnStartPage);

    setPage(pgJob, MakePage(lsPageJob, RadioColumn(FJob, 4)));
    auto* files = new QVBoxLayout;
    files->addWidget(FFileList);
    setPage(pgFiles, MakePage(lsPageFiles, files));

    QVBoxLayout* exportColumn = RadioColumn(FExportFormat, static_cast<int>(std::size(kExportFormats)));
    setPage(pgExportFormat, MakePage(lsPageExportFormat, exportColumn));

    QVBoxLayout* importColumn = RadioColumn(FImportFormat, static_cast<int>(std::size(kImportFormats)));
    FImportFormat->button(3)->setChecked(true);  // STF
    setPage(pgImportFormat, MakePage(lsPageImportFormat, importColumn));

    auto* listForm = new QFormLayout;
    auto* choose = new QPushButton;
    choose->setObjectName("chooseResultList");
    auto* fileRow = new QHBoxLayout;
    fileRow->addWidget(FResultList, 1);
    fileRow->addWidget(choose);
    FResultList->setObjectName("leResultListFileName");
    FTopLevelId->setObjectName("leTopLevelID");
    auto *fileLabel = new QLabel, *idLabel = new QLabel;
    fileLabel->setBuddy(FResultList);
    idLabel->setBuddy(FTopLevelId);
    listForm->addRow(fileLabel, fileRow);
    listForm->addRow(idLabel, FTopLevelId);
    FWriteTsv->setObjectName("cbWriteTsv");
    FWriteTsv->setChecked(true);
    listForm->addRow(FWriteTsv);
    connect(FResultList, &QLineEdit::textChanged, this, [this] { UpdateTsvCaption(); });
    connect(choose, &QPushButton::clicked, this, [this] {
        const QString file =
            QFileDialog::getSaveFileName(this, QString(), FResultList->text(), DialogFilter(lsResultListFilter),
                                         nullptr, QFileDialog::DontConfirmOverwrite);
        if (!file.isEmpty()) FResultList->setText(file);
    });
    setPage(pgResultList, MakePage(lsPageResultList, listForm));

    // The file's own contest (with or without a default for files that name none), or
    // one contest for all.
    auto* contestColumn = new QVBoxLayout;
    for (int i = 0; i < 2; ++i) {
        auto* button = new QRadioButton;
        FContestChoice->addButton(button, i);
        contestColumn->addWidget(button);
    }
    auto* defaultRow = new QHBoxLayout;
    defaultRow->addSpacing(24);
    defaultRow->addWidget(FDefaultContest);
    contestColumn->insertLayout(1, defaultRow);
    FDefaultContest->setObjectName("cbDefaultContest");
    FContests->setObjectName("cbContest");
    FContestChoice->button(0)->setChecked(true);
    for (int c = cNoContest + 1; c < cEndOfContestlist; ++c) {
        const auto contest = static_cast<TContest>(c);
        if (ContestHasClass(contest)) FContests->addItem(FromCore(ContestNames[contest]).trimmed(), c);
    }
    auto enableContests = [this] {
        const bool own = FContestChoice->checkedId() == 0;
        FDefaultContest->setEnabled(own);
        FContests->setEnabled(!own || FDefaultContest->isChecked());
    };
    enableContests();
    connect(FContestChoice, &QButtonGroup::idToggled, this, enableContests);
    connect(FDefaultContest, &QCheckBox::toggled, this, enableContests);
    contestColumn->addWidget(FContests);
    contestColumn->addStretch();
    setPage(pgContest, MakePage(lsPageContest, contestColumn));

    auto* crossForm = new QFormLayout;
    FWindow->setRange(1, 60);
    FWindow->setValue(3);
    FWindow->setObjectName("sbWindow");
    FPenalty->setRange(0, 100);
    FPenalty->setObjectName("sbPenalty");
    // Numbers of two or three digits: the boxes need not span the page.
    FWindow->setMaximumWidth(120);
    FPenalty->setMaximumWidth(120);
    FReportFolder->setObjectName("leReportFolder");
    auto* chooseFolder = new QPushButton;
    chooseFolder->setObjectName("chooseReportFolder");
    auto* folderRow = new QHBoxLayout;
    folderRow->addWidget(FReportFolder, 1);
    folderRow->addWidget(chooseFolder);
    auto *windowLabel = new QLabel, *penaltyLabel = new QLabel, *folderLabel = new QLabel;
    windowLabel->setBuddy(FWindow);
    penaltyLabel->setBuddy(FPenalty);
    folderLabel->setBuddy(FReportFolder);
    crossForm->addRow(windowLabel, FWindow);
    crossForm->addRow(penaltyLabel, FPenalty);
    crossForm->addRow(folderLabel, folderRow);
    connect(chooseFolder, &QPushButton::clicked, this, [this] {
        const QString folder = QFileDialog::getExistingDirectory(
            this, QString(), FReportFolder->text().isEmpty() ? LogsFolder() : FReportFolder->text());
        if (!folder.isEmpty()) FReportFolder->setText(folder);
    });
    setPage(pgCrossCheck, MakePage(lsPageCrossCheck, crossForm));

    // Native logs only is ticked for the export, the one job that reads native logs
    // only, and never while the list holds files of other formats.
    connect(this, &QWizard::currentIdChanged, this, [this](int id) {
        if (id == pgFiles) FFileList->SetNativeOnly(FJob->checkedId() == 0 && !FFileList->HoldsForeignFiles());
        UpdateTitle();
    });
    setMinimumSize(680, 460);
    Retranslate();
}

void TBatchWorkWizard::Retranslate() {
    const int jobs[] = {lsJobExport, lsJobConvert, lsJobResults, lsJobCrossCheck};
    for (int i = 0; i < 4; ++i) FJob->button(i)->setText(LSCaption(jobs[i]));
    for (int i = 0; i < static_cast<int>(std::size(kExportFormats)); ++i)
        FExportFormat->button(i)->setText(ExportFormatName(kExportFormats[i]));
    for (int i = 0; i < static_cast<int>(std::size(kImportFormats)); ++i)
        FImportFormat->button(i)->setText(ImportFormatName(kImportFormats[i]));
    auto* listForm = static_cast<QFormLayout*>(page(pgResultList)->layout());
    static_cast<QLabel*>(listForm->itemAt(0, QFormLayout::LabelRole)->widget())->setText(LSCaption(lsResultListFile));
    static_cast<QLabel*>(listForm->itemAt(1, QFormLayout::LabelRole)->widget())->setText(LSCaption(lsTopLevelId));
    findChild<QPushButton*>("chooseResultList")->setText(LSCaption(lsChooseFile));
    UpdateTsvCaption();
    auto* crossForm = static_cast<QFormLayout*>(page(pgCrossCheck)->layout());
    const int crossLabels[] = {lsCrossWindow, lsCrossPenalty, lsReportFolder};
    for (int row = 0; row < 3; ++row)
        static_cast<QLabel*>(crossForm->itemAt(row, QFormLayout::LabelRole)->widget())
            ->setText(LSCaption(crossLabels[row]));
    findChild<QPushButton*>("chooseReportFolder")->setText(LSCaption(lsChooseFolder));
    FContestChoice->button(0)->setText(LSCaption(lsContestFromFile));
    FContestChoice->button(1)->setText(LSCaption(lsFixedContest));
    FDefaultContest->setText(LSCaption(lsDefaultContest));
    FFileList->Retranslate();
    setButtonText(QWizard::BackButton, LSCaption(lsWizardBack));
    setButtonText(QWizard::NextButton, LSCaption(lsWizardNext));
    setButtonText(QWizard::FinishButton, LSCaption(lsWizardFinish));
    setButtonText(QWizard::CancelButton, LSCaption(lsCancelCaption));
    for (int id : pageIds()) page(id)->setTitle(LSCaption(page(id)->property("lsTitle").toInt()));
    UpdateTitle();
}

void TBatchWorkWizard::UpdateTsvCaption() {
    const std::string list = ToPath(FResultList->text().trimmed());
    FWriteTsv->setText(
        LSText(lsAlsoWriteTsv).arg(list.empty() ? "*.tsv" : QFileInfo(FromPath(TsvBeside(list))).fileName()));
}

void TBatchWorkWizard::UpdateTitle() {
    QString title = LSCaption(lsBatchTitle);
    if (const QWizardPage* p = currentPage()) title += " [" + p->title() + "]";
    setWindowTitle(title);
}

int TBatchWorkWizard::nextId() const {
    switch (currentId()) {
        case pgJob: return pgFiles;
        case pgFiles:
            switch (FJob->checkedId()) {
                case 0: return pgExportFormat;
                case 1: return pgImportFormat;
                default: return pgContest;
            }
        case pgImportFormat: return pgContest;
        case pgContest:
            switch (FJob->checkedId()) {
                case 2: return pgResultList;
                case 3: return pgCrossCheck;
                default: return -1;
            }
        default: return -1;
    }
}

bool TBatchWorkWizard::validateCurrentPage() {
    if (currentId() == pgCrossCheck) {
        const QString folder = FReportFolder->text().trimmed();
        if (folder.isEmpty() || (QFileInfo::exists(folder) && !QFileInfo(folder).isDir())) {
            ShowErrorMessage(LS(lsNoReportFolder));
            FReportFolder->setFocus();
            return false;
        }
        return true;
    }
    if (currentId() != pgResultList) return true;
    if (FResultList->text().trimmed().isEmpty() || QFileInfo(FResultList->text().trimmed()).isDir()) {
        ShowErrorMessage(LS(lsNoResultList));
        FResultList->setFocus();
        return false;
    }
    if (!ValidTopLevelId(FTopLevelId->text().trimmed())) {
        ShowErrorMessage(LS(lsBadTopLevelId));
        FTopLevelId->setFocus();
        return false;
    }
    return true;
}

TBatchChoice TBatchWorkWizard::Choice() const {
    TBatchChoice c;
    c.crossCheck = FJob->checkedId() == 3;
    c.job = c.crossCheck ? TBatchJob::Results : static_cast<TBatchJob>(FJob->checkedId());
    c.files = FFileList->Files();
    c.exportFormat = kExportFormats[FExportFormat->checkedId()];
    c.importFormat = kImportFormats[FImportFormat->checkedId()];
    const auto chosen = static_cast<TContest>(FContests->currentData().toInt());
    if (FContestChoice->checkedId() == 1) c.fixContest = chosen;
    else if (FDefaultContest->isChecked()) c.defaultContest = chosen;
    c.resultList = ToPath(FResultList->text().trimmed());
    c.topLevelId = ToCore(FTopLevelId->text().trimmed());
    c.writeTsv = FWriteTsv->isChecked();
    c.windowMinutes = FWindow->value();
    c.penalty = FPenalty->value();
    c.reportFolder = ToPath(FReportFolder->text().trimmed());
    return c;
}

void TBatchWorkWizard::SetJob(TBatchJob job) { FJob->button(static_cast<int>(job))->setChecked(true); }

void TBatchWorkWizard::SetCrossCheck(int windowMinutes, int penalty, const std::string& reportFolder) {
    FJob->button(3)->setChecked(true);
    FWindow->setValue(windowMinutes);
    FPenalty->setValue(penalty);
    FReportFolder->setText(FromPath(reportFolder));
}

void TBatchWorkWizard::SetExportFormat(TOutputWindow format) {
    for (int i = 0; i < static_cast<int>(std::size(kExportFormats)); ++i)
        if (kExportFormats[i] == format) FExportFormat->button(i)->setChecked(true);
}

void TBatchWorkWizard::SetImportFormat(TFileType format) {
    for (int i = 0; i < static_cast<int>(std::size(kImportFormats)); ++i)
        if (kImportFormats[i] == format) FImportFormat->button(i)->setChecked(true);
}

void TBatchWorkWizard::SetResultList(const std::string& file, const std::string& topLevelId) {
    FResultList->setText(FromPath(file));
    FTopLevelId->setText(FromCore(topLevelId));
}

void TBatchWorkWizard::SetDefaultContest(TContest contest) {
    FContestChoice->button(0)->setChecked(true);
    FDefaultContest->setChecked(contest != cNoContest);
    if (contest != cNoContest) FContests->setCurrentIndex(FContests->findData(static_cast<int>(contest)));
}

void TBatchWorkWizard::SetFixContest(TContest contest) {
    FContestChoice->button(contest == cNoContest ? 0 : 1)->setChecked(true);
    if (contest != cNoContest) FContests->setCurrentIndex(FContests->findData(static_cast<int>(contest)));
}

// Running the job

namespace {

// Asks before anything that exists is replaced: the result list, or the exports; false
// when the user cancels.
bool ConfirmReplacing(const TBatchChoice& choice, TBatchSettings& settings) {
    std::error_code ec;
    if (choice.job == TBatchJob::Results) {
        if (!std::filesystem::exists(choice.resultList, ec)) return true;
        return AskOkCancel(choice.resultList + " " + LS(lsOverwriteExisting)) == TMsgAnswer::Ok;
    }
    if (choice.job != TBatchJob::Export) return true;
    std::vector<std::string> existing;
    for (const std::string& file : choice.files)
        if (const std::string out = PlannedOutput(settings, file); std::filesystem::exists(out, ec))
            existing.push_back(out);
    if (existing.empty()) return true;
    std::string text = existing.front();
    if (existing.size() > 1) text += " (+" + std::to_string(existing.size() - 1) + ")";
    switch (AskYesNoCancel(text + " " + ToCore(LSText(lsExportsExist)))) {
        case TMsgAnswer::Yes: settings.replaceExisting = true; return true;
        case TMsgAnswer::No: return true;
        default: return false;
    }
}

// What the run made: a plain box when all went well and there is nothing to show,
// else the report window with the failures and the result list's texts.
void ShowOutcome(QWidget* parent, const TBatchChoice& choice, const TBatchOutcome& outcome) {
    QString summary = outcome.cancelled ? LSText(lsBatchCancelled).arg(outcome.files.size()).arg(choice.files.size())
                                        : LSCaption(lsBatchFinished);
    const bool results = choice.job == TBatchJob::Results;
    if (outcome.failed == 0 && !results) {
        ShowInfoMessage(ToCore(summary));
        return;
    }
    if (results) summary += "\n" + FromPath(choice.resultList);
    if (results && choice.writeTsv) summary += "\n" + FromPath(TsvBeside(choice.resultList));
    bool contestUnknown = false;
    QStringList failures;
    for (const TBatchFileResult& r : outcome.files) {
        if (r.ok) continue;
        failures << MessageWithPath(r.error, r.file);
        contestUnknown = contestUnknown || r.contestUnknown;
    }
    if (outcome.failed > 0) summary += "\n\n" + LSText(lsBatchFailed).arg(outcome.failed).arg(outcome.files.size());
    if (contestUnknown) summary += "\n" + LSCaption(lsChooseContestHint);
    auto* report = new TBatchReport(parent, summary);
    if (!failures.isEmpty()) report->AddPage(LSText(lsFailedFiles).arg(failures.size()), failures.join('\n'), false);
    if (results) {
        report->AddPage(LSCaption(lsPageResultList), FromCore(ResultListText(choice.topLevelId, outcome.files)), true);
        report->AddPage(LSCaption(lsTsvTable), FromCore(ResultTsvText(outcome.files)), true);
    }
    report->show();
}

}  // namespace

std::string TsvBeside(const std::string& resultList) {
    return std::filesystem::path(resultList).replace_extension(".tsv").string();
}

bool RunBatchChoice(QWidget* parent, const TBatchChoice& choice) {
    if (choice.crossCheck) return RunCrossCheckChoice(parent, choice);
    TBatchSettings settings;
    settings.job = choice.job;
    settings.exportFormat = choice.exportFormat;
    settings.importFormat = choice.importFormat;
    settings.fixContest = choice.fixContest;
    settings.defaultContest = choice.defaultContest;
    // The result list takes foreign logs too, converted in memory as the editor opens them.
    settings.foreignFiles = true;
    settings.compile = CompileSettingsFromOptions(Options);
    if (!ConfirmReplacing(choice, settings)) return false;

    QProgressDialog progress(parent);
    progress.setWindowTitle(LSCaption(lsBatchTitle));
    progress.setWindowModality(Qt::WindowModal);
    progress.setMinimumDuration(300);
    progress.setRange(0, std::max<int>(1, static_cast<int>(choice.files.size())));
    std::atomic<bool> cancel{false};
    settings.cancel = &cancel;
    settings.progress = [&](std::size_t done, std::size_t total) {
        progress.setLabelText(LSText(lsBatchProgress).arg(done).arg(total));
        progress.setValue(static_cast<int>(done));
        QApplication::processEvents();
        if (progress.wasCanceled()) cancel = true;
    };
    const TBatchOutcome outcome = RunBatch(choice.files, settings);
    progress.reset();
    if (!outcome.setupError.empty()) {
        ShowErrorMessage(outcome.setupError);
        return false;
    }
    if (choice.job == TBatchJob::Results) {
        std::string error;
        if (!WriteFileAtomically(choice.resultList, ResultListText(choice.topLevelId, outcome.files), &error) ||
            (choice.writeTsv &&
             !WriteFileAtomically(TsvBeside(choice.resultList), Cp1252ToUtf8(ResultTsvText(outcome.files)), &error))) {
            ShowErrorMessage(ToCore(MessageWithPath(error, choice.resultList)));
            return false;
        }
    }
    ShowOutcome(parent, choice, outcome);
    return !outcome.cancelled;
}

}  // namespace qz::gui
