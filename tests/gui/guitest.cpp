#include "gui/guitest.h"

#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QTimer>
#include <fstream>
#include <iterator>

#include "base/settingsstore.h"
#include "engine/contestlog.h"
#include "gui/commandline.h"
#include "gui/editor.h"

namespace qz::test {

bool PrepareTestFolders(const QTemporaryDir& dir) {
    if (!dir.isValid() || !QDir(dir.path()).mkpath("data") || !QDir(dir.path()).mkpath("config")) return false;
    qputenv("QZ_DATA_DIR", (dir.path() + "/data").toUtf8());
    qputenv("QZ_CONFIG_DIR", (dir.path() + "/config").toUtf8());
    qputenv("QZ_INSTALLED_DIR", QZ_STAGED_DATA_DIR);
    return WriteSettingInteger("Language", 0);
}

std::unique_ptr<gui::TMainForm> StartMainWindow(const std::vector<std::string>& args) {
    auto window = std::make_unique<gui::TMainForm>(gui::ParseCommandLine(args));
    window->show();
    if (!window->Startup()) return nullptr;
    return window;
}

bool SaveSampleAsNative(const std::string& path) {
    QTimer headerDialog;
    QObject::connect(&headerDialog, &QTimer::timeout, [] {
        if (auto* d = qobject_cast<QDialog*>(QApplication::activeModalWidget())) d->accept();
    });
    headerDialog.start(10);
    auto window = StartMainWindow({QZ_SOURCE_DIR "/data/samples/sample-cqww-cw.log"});
    gui::TQZEditor* editor = window ? window->ActiveEditor() : nullptr;
    return editor != nullptr && editor->ContestLog()->NoOfQSOs() > 300 && editor->SaveAsFile(path) &&
           !editor->Modified();
}

std::string ReadBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

int ColumnOf(const TContestLog& log, TColumnProperty property) {
    return log.GetColumnNumberFromProperty(property, -1, log.NoOfColumns());
}

}  // namespace qz::test
