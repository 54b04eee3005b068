// qz-gui: the desktop program of the contest log tool.
#include <QApplication>
#include <QTimer>
#include <csignal>
#include <exception>
#include <string>
#include <vector>

#include "base/installfiles.h"
#include "contests/iaru.h"
#include "gui/commandline.h"
#include "gui/mainwindow.h"

int main(int argc, char** argv) {
    // A write past the file-size limit fails with EFBIG and is reported like a full disk,
    // instead of ending the program, and the unsaved logs with it, by signal.
    std::signal(SIGXFSZ, SIG_IGN);
    QApplication app(argc, argv);
    QApplication::setApplicationName("QZ");
    QApplication::setOrganizationName("Quorvel");
    // The desktop entry names the windows in task bars and switchers; the main window
    // sets the program's icon.
    QApplication::setDesktopFileName("qz-gui");
    std::vector<std::string> args;
    // QApplication has taken its own options (-platform, -style, ...) out of argv.
    const QStringList arguments = QApplication::arguments();
    for (int i = 1; i < arguments.size(); ++i) args.push_back(arguments[i].toStdString());
    qz::gui::TCommandLine commandLine = qz::gui::ParseCommandLine(args);
    qz::SetDebugDataFolders(commandLine.debugDataFolders);
    qz::SetIARUPointsFromOptions(commandLine.iaruPointsFromOptions);

    qz::gui::TMainForm window(commandLine);
    window.resize(1280, 860);
    window.showMaximized();
    if (!window.Startup()) return 1;
    try {
        return QApplication::exec();
    } catch (const std::exception& e) {
        qCritical("qz-gui: internal error: %s", e.what());
        return 70;
    }
}
