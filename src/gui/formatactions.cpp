#include "gui/formatactions.h"

#include <QFileDialog>

#include "base/datetime.h"
#include "base/fileio.h"
#include "base/frontend.h"
#include "base/installfiles.h"
#include "base/language.h"
#include "base/options.h"
#include "export/exporter.h"
#include "gui/asciiimportdialog.h"
#include "gui/formatstrings.h"
#include "gui/headerdialog.h"
#include "gui/natemplatedialog.h"
#include "gui/qtext.h"
#include "gui/stfallocationdialog.h"
#include "import/asciiimport.h"
#include "import/naimport.h"
#include "import/stfimport.h"

namespace qz::gui {

void PrepareConverterDialogs(QWidget* parent, TConvert& converter) {
    const std::string file = converter.FileName();
    // The header as read from the file, for the user to check and correct.
    converter.EditHeader = [parent, cty = converter.Cty](TFileHeader& header) {
        THeaderDataForm dialog(parent, cty);
        dialog.FileHeader = header;
        if (dialog.exec() != QDialog::Accepted) return false;
        header = dialog.FileHeader;
        return true;
    };
    if (auto* stf = dynamic_cast<TSTFConvert*>(&converter)) {
        // The dialog stands for the text questions; it is shown when the setting asks for it.
        stf->AskQuestions = false;
        stf->EditAllocation = [parent, file](TSTFAllocation& a) { return EditSTFAllocation(parent, file, a); };
    } else if (auto* ascii = dynamic_cast<TASCIIConvert*>(&converter)) {
        ascii->EditSettings = [parent, file](TASCIIImportSettings& s, const TContestLog& log) {
            return EditASCIIImportSettings(parent, file, s, log);
        };
    } else if (auto* na = dynamic_cast<TNAConvert*>(&converter)) {
        na->ChooseTemplate = [parent](const std::string& missing, int& number, std::string& templateFile) {
            return ChooseNATemplate(parent, missing, number, templateFile);
        };
    }
}

std::string ExportDBaseFile(QWidget* parent, const TContestLog& log) {
    QFileDialog dialog(parent);
    dialog.setObjectName("dBaseSaveDialog");
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setOption(QFileDialog::DontConfirmOverwrite);
    dialog.setDefaultSuffix(QString::fromLatin1(OutputWindowExtension(owDBase).c_str()));
    dialog.setNameFilters(DialogFilter(fmt::lsDBaseFilter).split(";;"));
    if (!Options.Path_Exported_Logs.oValue.empty()) dialog.setDirectory(FromPath(Options.Path_Exported_Logs.oValue));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
    const QString chosen = dialog.selectedFiles().front();
    const std::string path = ToPath(chosen);
    // As the writer's own overwrite question: declining it is reported as a failed export.
    if (FileExists(path) && AskOkCancel(ToCore(chosen) + " " + LS(fmt::lsOverwrite)) != TMsgAnswer::Ok) {
        ShowErrorMessage(LS(fmt::lsExportFailed) + " " + ToCore(chosen));
        return {};
    }
    std::string bytes, error;
    ProduceExportFile(owDBase, log, bytes, nullptr, NowLocal());
    if (!WriteFileAtomically(path, bytes, &error)) {
        ShowErrorMessage(ToCore(MessageWithPath(LS(fmt::lsExportFailed) + " " + error, path)));
        return {};
    }
    return path;
}

}  // namespace qz::gui
