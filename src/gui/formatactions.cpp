#include "gui/formatactions.h"

#include <QAction>
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
#include "gui/mainwindow.h"
#include "gui/natemplatedialog.h"
#include "gui/qtext.h"
#include "gui/stfallocationdialog.h"
#include "import/asciiimport.h"
#include "import/detect.h"
#include "import/formatlist.h"
#include "import/naimport.h"
#include "import/stfimport.h"

namespace qz::gui {

namespace {

// The import commands: the file type each reads and the language string of its filter
// (0: built from the stored column layouts).
struct TImportCommand {
    const char* name;
    TFileType type;
    int filter;
};
constexpr TImportCommand kImportCommands[] = {{"acImportAutoDetect", ftUnknown, 542},
                                              {"acImportCabrillo", ftCabrillo, 394},
                                              {"acImportSTF", ftSTF, 40},
                                              {"acImportADIF", ftADIF, 243},
                                              {"acImportASCII", ftASCII, 0},
                                              {"acImportCT", ftCT9, 36},
                                              {"acImportNA", ftNA10, 37},
                                              {"acImportQW", ftQW4, 39}};

void ChooseAndImport(TMainForm& window, const TImportCommand& command) {
    QString filter;
    if (command.filter != 0) {
        filter = DialogFilter(command.filter);
    } else {
        TFormatList list;
        list.LoadFromFile(FormatListPath());  // an unreadable list offers all files
        filter = ASCIIImportFilter(list);
    }
    const QString file = QFileDialog::getOpenFileName(&window, QString(), QString(), filter);
    if (file.isEmpty()) return;
    const std::string path = ToPath(file);
    window.OpenAnyFile(path, command.type != ftUnknown ? command.type : DetectFileType(path));
}

}  // namespace

void ConnectImportCommands(TMainForm& window) {
    for (const TImportCommand& c : kImportCommands)
        if (QAction* action = window.Command(c.name))
            QObject::connect(action, &QAction::triggered, &window, [&window, &c] { ChooseAndImport(window, c); });
}

QString ASCIIImportFilter(const TFormatList& list) {
    QStringList extensions;
    for (int i = 0; i < list.Count(); ++i) {
        QString e = FromCore(list.Items(i).FileExtension).trimmed();
        if (e.startsWith('.')) e.remove(0, 1);
        if (!e.isEmpty() && !extensions.contains(e, Qt::CaseInsensitive)) extensions << e;
    }
    QString text;
    if (!extensions.isEmpty()) {
        QStringList patterns;
        for (const QString& e : extensions) patterns << "*." + e;
        text = LSCaption(fmt::lsASCIIFilter) + " (" + extensions.join(',') + ")|" + patterns.join(';') + "|";
    }
    return DialogFilterText(text + LSText(fmt::lsAllFilesFilter));
}

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
