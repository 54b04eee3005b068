#include "gui/batchwizard.h"

#include <QApplication>
#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
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
#include <QVBoxLayout>
#include <atomic>
#include <filesystem>

#include "base/fileio.h"
#include "base/frontend.h"
#include "base/language.h"
#include "base/lsnumbers.h"
#include "base/options.h"
#include "batch/filejobs.h"
#include "batch/resultlist.h"
#include "contests/framework/factory.h"
#include "engine/compilesettings.h"
#include "gui/commands.h"
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

}  // namespace

// --- The file list --------------------------------------------------------------------

TBatchFileList::TBatchFileList(QWidget* parent)
    : QWidget(parent), FList(new QListWidget), FNativeOnly(new QCheckBox), FCount(new QLabel) {
    setAcceptDrops(true);
    FList->setSelectionMode(QAbstractItemView::ExtendedSelection);
    FList->setObjectName("FileList");
    FNativeOnly->setObjectName("cbDropQZFOnly");
    FNativeOnly->setChecked(true);
    auto *add = new QPushButton, *remove = new QPushButton, *clear = new QPushButton, *all = new QPushButton;
    FButtons = {add, remove, clear, all};
    connect(add, &QPushButton::clicked, this, [this] { ChooseFiles(); });
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
    const int captions[] = {lsAddFiles, lsRemoveFiles, lsClearList, lsSelectAll};
    for (int i = 0; i < FButtons.size(); ++i) static_cast<QPushButton*>(FButtons[i])->setText(LSCaption(captions[i]));
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
        if (NativeOnly() && NativeFileTypeOfFile(ToPath(full)) == ftUnknown) continue;
        FList->addItem(full);
        ++added;
    }
    UpdateCount();
    return added;
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

// --- The wizard -----------------------------------------------------------------------

TBatchWorkWizard::TBatchWorkWizard(QWidget* parent)
    : QWizard(parent),
      FJob(new QButtonGroup(this)),
      FFileList(new TBatchFileList),
      FExportFormat(new QButtonGroup(this)),
      FImportFormat(new QButtonGroup(this)),
      FResultList(new QLineEdit),
      FTopLevelId(new QLineEdit(kDefaultTopLevelId)),
      FContestChoice(new QButtonGroup(this)),
      FContests(new QComboBox) {
    setObjectName("TBatchWorkWizard");
    setWizardStyle(QWizard::ClassicStyle);
    setOption(QWizard::NoBackButtonOnStartPage);

    setPage(pgJob, MakePage(lsPageJob, RadioColumn(FJob, 3)));
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
    connect(choose, &QPushButton::clicked, this, [this] {
        const QString file =
            QFileDialog::getSaveFileName(this, QString(), FResultList->text(), DialogFilter(lsResultListFilter),
                                         nullptr, QFileDialog::DontConfirmOverwrite);
        if (!file.isEmpty()) FResultList->setText(file);
    });
    setPage(pgResultList, MakePage(lsPageResultList, listForm));

    auto* contestColumn = new QVBoxLayout;
    for (int i = 0; i < 2; ++i) {
        auto* button = new QRadioButton;
        FContestChoice->addButton(button, i);
        contestColumn->addWidget(button);
    }
    FContestChoice->button(0)->setChecked(true);
    for (int c = cNoContest + 1; c < cEndOfContestlist; ++c) {
        const auto contest = static_cast<TContest>(c);
        if (ContestHasClass(contest)) FContests->addItem(FromCore(ContestNames[contest]).trimmed(), c);
    }
    FContests->setEnabled(false);
    connect(FContestChoice, &QButtonGroup::idToggled, this,
            [this] { FContests->setEnabled(FContestChoice->checkedId() == 1); });
    contestColumn->addWidget(FContests);
    contestColumn->addStretch();
    setPage(pgContest, MakePage(lsPageContest, contestColumn));

    // Native logs only is ticked for the jobs that read native logs.
    connect(this, &QWizard::currentIdChanged, this, [this](int id) {
        if (id == pgFiles) FFileList->SetNativeOnly(FJob->checkedId() != 1);
        UpdateTitle();
    });
    setMinimumSize(560, 400);
    Retranslate();
}

void TBatchWorkWizard::Retranslate() {
    const int jobs[] = {lsJobExport, lsJobConvert, lsJobResults};
    for (int i = 0; i < 3; ++i) FJob->button(i)->setText(LSCaption(jobs[i]));
    for (int i = 0; i < static_cast<int>(std::size(kExportFormats)); ++i)
        FExportFormat->button(i)->setText(ExportFormatName(kExportFormats[i]));
    for (int i = 0; i < static_cast<int>(std::size(kImportFormats)); ++i)
        FImportFormat->button(i)->setText(ImportFormatName(kImportFormats[i]));
    auto* listForm = static_cast<QFormLayout*>(page(pgResultList)->layout());
    static_cast<QLabel*>(listForm->itemAt(0, QFormLayout::LabelRole)->widget())->setText(LSCaption(lsResultListFile));
    static_cast<QLabel*>(listForm->itemAt(1, QFormLayout::LabelRole)->widget())->setText(LSCaption(lsTopLevelId));
    findChild<QPushButton*>("chooseResultList")->setText(LSCaption(lsChooseFile));
    FContestChoice->button(0)->setText(LSCaption(lsContestFromFile));
    FContestChoice->button(1)->setText(LSCaption(lsFixedContest));
    FFileList->Retranslate();
    setButtonText(QWizard::BackButton, LSCaption(lsWizardBack));
    setButtonText(QWizard::NextButton, LSCaption(lsWizardNext));
    setButtonText(QWizard::FinishButton, LSCaption(lsWizardFinish));
    setButtonText(QWizard::CancelButton, LSCaption(lsCancelCaption));
    for (int id : pageIds()) page(id)->setTitle(LSCaption(page(id)->property("lsTitle").toInt()));
    UpdateTitle();
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
                default: return pgResultList;
            }
        case pgImportFormat: return pgContest;
        default: return -1;
    }
}

bool TBatchWorkWizard::validateCurrentPage() {
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
    c.job = static_cast<TBatchJob>(FJob->checkedId());
    c.files = FFileList->Files();
    c.exportFormat = kExportFormats[FExportFormat->checkedId()];
    c.importFormat = kImportFormats[FImportFormat->checkedId()];
    if (FContestChoice->checkedId() == 1) c.fixContest = static_cast<TContest>(FContests->currentData().toInt());
    c.resultList = ToPath(FResultList->text().trimmed());
    c.topLevelId = ToCore(FTopLevelId->text().trimmed());
    return c;
}

void TBatchWorkWizard::SetJob(TBatchJob job) { FJob->button(static_cast<int>(job))->setChecked(true); }

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

void TBatchWorkWizard::SetFixContest(TContest contest) {
    FContestChoice->button(contest == cNoContest ? 0 : 1)->setChecked(true);
    if (contest != cNoContest) FContests->setCurrentIndex(FContests->findData(static_cast<int>(contest)));
}

// --- Running the job ------------------------------------------------------------------

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

}  // namespace

bool RunBatchChoice(QWidget* parent, const TBatchChoice& choice) {
    TBatchSettings settings;
    settings.job = choice.job;
    settings.exportFormat = choice.exportFormat;
    settings.importFormat = choice.importFormat;
    settings.fixContest = choice.fixContest;
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
        if (!WriteFileAtomically(choice.resultList, ResultListText(choice.topLevelId, outcome.files), &error)) {
            ShowErrorMessage(error);
            return false;
        }
    }
    std::string report = outcome.cancelled
                             ? ToCore(LSText(lsBatchCancelled).arg(outcome.files.size()).arg(choice.files.size()))
                             : LS(lsBatchFinished);
    if (outcome.failed > 0) {
        report += "\n\n" + ToCore(LSText(lsBatchFailed).arg(outcome.failed).arg(outcome.files.size()));
        std::size_t shown = 0;
        for (const TBatchFileResult& r : outcome.files)
            if (!r.ok && shown++ < 10) report += "\n" + r.error;
        if (shown > 10) report += "\n...";
    }
    if (outcome.failed > 0) ShowErrorMessage(report);
    else ShowInfoMessage(report);
    return !outcome.cancelled;
}

}  // namespace qz::gui
