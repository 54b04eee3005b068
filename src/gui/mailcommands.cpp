#include "gui/mailcommands.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QGroupBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QVBoxLayout>

#include "base/frontend.h"
#include "base/installfiles.h"
#include "base/language.h"
#include "base/lsnumbers.h"
#include "base/options.h"
#include "contests/iaru.h"
#include "engine/contestlog.h"
#include "export/exporter.h"
#include "gui/commands.h"
#include "gui/editor.h"
#include "gui/journalwindow.h"
#include "gui/maildialogs.h"
#include "gui/mailstrings.h"
#include "gui/optionsdialog.h"
#include "gui/qtext.h"
#include "import/detect.h"
#include "mail/mailclient.h"
#include "mail/robotaddresses.h"

namespace qz::gui {

namespace {

// Asks for the file name (proposed in the export folder) and writes `lines` there.
// The file's name, or "" when cancelled or not written.
std::string SaveLinesAs(QWidget* parent, TOutputWindow window, const std::string& ownCall,
                        const std::vector<std::string>& lines) {
    const QString proposed = FromPath(ProposedExportFileName(Options.Path_Exported_Logs.oValue, ownCall, window));
    const QString chosen =
        QFileDialog::getSaveFileName(parent, QString(), proposed, DialogFilter(OutputWindowFilter(window)), nullptr,
                                     QFileDialog::DontConfirmOverwrite);
    if (chosen.isEmpty()) return {};
    const std::string path = ToPath(chosen);
    if (FileExists(path) && AskOkCancel(ExportOverwriteQuestion(ToCore(chosen))) != TMsgAnswer::Ok) return {};
    std::string error;
    if (!SaveOutputFile(path, lines, &error)) {
        ShowErrorMessage(ToCore(MessageWithPath(error, path)));
        return {};
    }
    return path;
}

// The export step of the finalize workflow: the chosen format produced anew.
std::string ExportLog(TQZEditor& editor, TOutputWindow window) {
    const TContestLog& log = *editor.ContestLog();
    std::vector<std::string> lines;
    if (!ProduceOutputWindow(window, log, lines)) return {};
    return SaveLinesAs(&editor, window, log.FileHeader().fhUser_OwnCall, lines);
}

// The active output window's text, saved under a name the user chooses.
std::string SaveActiveOutputWindow(TQZEditor& editor) {
    const int tab = editor.OutputTabs()->currentIndex();
    // The Charts tab holds no text to send.
    if (tab < 0 || tab >= kNoOfShownOutputWindows) return {};
    const auto window = static_cast<TOutputWindow>(tab);
    std::vector<std::string> lines;
    for (const QString& line : editor.OutputMemo(window)->toPlainText().split('\n')) lines.push_back(ToCore(line));
    return SaveLinesAs(&editor, window, editor.ContestLog()->FileHeader().fhUser_OwnCall, lines);
}

class TEditorFinalizeSteps : public TFinalizeSteps {
public:
    explicit TEditorFinalizeSteps(TQZEditor& editor) : FEditor(editor) {}
    void Compile() override { FEditor.Compile(); }
    bool ReadOnly() const override { return FEditor.ReadOnlyMode(); }
    bool LockAndSave() override {
        bool& flag = FEditor.ContestLog()->Bookkeeping().fhQZ_ReadOnly;
        flag = true;
        // A save that did not happen (a cancelled save dialog, a full disk) leaves the
        // log as it was: editable, and not marked read-only for a later save.
        if (!FEditor.Save() || FEditor.Modified()) {
            flag = false;
            return false;
        }
        FEditor.SetReadOnlyMode(true);
        return true;
    }
    void ClearUndo() override { FEditor.ContestLog()->History().Clear(); }
    std::string Export(TOutputWindow format) override { return ExportLog(FEditor, format); }
    bool Send(const std::string& exportedFile) override { return SendLogCommand(FEditor, exportedFile); }

private:
    TQZEditor& FEditor;
};

}  // namespace

// Finalize dialog

TFinalizeLogForm::TFinalizeLogForm(QWidget* parent, TOutputWindow format)
    : QDialog(parent),
      FSave(new QCheckBox(ui::LSPart(ui::lsFinalizeBoxes, 0))),
      FExport(new QCheckBox(ui::LSPart(ui::lsFinalizeBoxes, 1))),
      FFormat(new QGroupBox(ui::LSPart(ui::lsFinalizeBoxes, 3))),
      FSTF(new QRadioButton(LSCaption(ui::lsTabFirst + owSTF))),
      FCabrillo(new QRadioButton(LSCaption(ui::lsTabFirst + owCabrillo))),
      FSend(new QCheckBox(ui::LSPart(ui::lsFinalizeBoxes, 2))) {
    setObjectName("TFinalizeLogForm");
    setWindowTitle(LSCaption(ui::lsFinalizeTitle));
    FSave->setObjectName("cbSave");
    FExport->setObjectName("cbExport");
    FFormat->setObjectName("rgExport");
    FSTF->setObjectName("rbSTF");
    FCabrillo->setObjectName("rbCabrillo");
    FSend->setObjectName("cbSendEMail");
    FSave->setChecked(true);
    FSave->setEnabled(false);
    const TFinalizeChoice stored = LoadFinalizeChoice();
    FExport->setChecked(stored.exportLog);
    (format == owCabrillo ? FCabrillo : FSTF)->setChecked(true);
    FSend->setChecked(stored.sendEMail);
    auto* formatLayout = new QVBoxLayout(FFormat);
    formatLayout->addWidget(FSTF);
    formatLayout->addWidget(FCabrillo);
    connect(FExport, &QCheckBox::clicked, this, [this] { CheckDependencies(); });
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    buttons->button(QDialogButtonBox::Cancel)->setText(LSCaption(ui::lsCancel));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    for (QWidget* w : std::initializer_list<QWidget*>{FSave, FExport, FFormat, FSend}) layout->addWidget(w);
    layout->addWidget(buttons);
    CheckDependencies();
}

void TFinalizeLogForm::CheckDependencies() {
    FFormat->setVisible(FExport->isChecked());
    FSend->setEnabled(FExport->isChecked());
    if (!FExport->isChecked()) FSend->setChecked(false);
}

TFinalizeChoice TFinalizeLogForm::Choice() const {
    TFinalizeChoice choice;
    choice.exportLog = FExport->isChecked();
    choice.format = FCabrillo->isChecked() ? owCabrillo : owSTF;
    choice.sendEMail = choice.exportLog && FSend->isChecked();
    return choice;
}

void TFinalizeLogForm::accept() {
    StoreFinalizeChoice(Choice());
    QDialog::accept();
}

// Commands

TFinalizeResult FinalizeLog(TQZEditor& editor) {
    if (editor.ContestLog() == nullptr) return TFinalizeResult::NotSaved;
    TFinalizeLogForm form(&editor, SubmissionFormat(editor.ContestLog()->FileHeader().fhContest_Contest));
    if (form.exec() != QDialog::Accepted) return TFinalizeResult::NotExported;
    TEditorFinalizeSteps steps(editor);
    const TFinalizeResult result = RunFinalize(form.Choice(), steps);
    editor.UpdateCommands();
    return result;
}

bool SendLogCommand(TQZEditor& editor, std::string exportedFile) {
    const TContestLog* log = editor.ContestLog();
    if (log == nullptr) return false;
    if (exportedFile.empty()) {
        if (AskOkCancel(LS(lsExportBeforeSending)) != TMsgAnswer::Ok) return false;
        exportedFile = SaveActiveOutputWindow(editor);
        if (exportedFile.empty()) return false;
    }
    const TFileType type = DetectFileType(exportedFile);
    if (type != ftSTF && type != ftCabrillo &&
        AskYesNo(ToCore(FromPath(exportedFile)) + " " + LS(lsNotSTFOrCabrillo)) != TMsgAnswer::Yes)
        return false;
    if (Options.EMail_Type.oValue == 1) {
        const TContest contest = log->FileHeader().fhContest_Contest;
        const std::string address = contest > cNoContest && contest <= kNoOfRobotAddresses
                                        ? EMailAddresses[static_cast<std::size_t>(contest)]
                                        : std::string();
        std::string error;
        if (ComposeWithMailClient(exportedFile, log->FileHeader().fhUser_OwnCall, address, &error)) return true;
        ShowErrorMessage(error);
        return false;
    }
    TSendEMailForm form(exportedFile, *log, &editor);
    return form.exec() == QDialog::Accepted;
}

void ShowOptionsDialog(QWidget* parent) {
    TOptionsDialog dialog(parent, IARUPointsFromOptions());
    dialog.ExecOnPage(TOptionsDialog::tsImport);
}

void ShowEMailJournal(QWidget* parent) {
    TEMailJournalForm journal(parent);
    journal.exec();
}

}  // namespace qz::gui
