// The main window: a multiple-document area with one log editor per open log, the
// menus and toolbar whose editing commands act on the active editor, the recent-files
// list, the language choice, drag and drop of log files, and the status bar with the
// progress indicator of long operations.
#pragma once

#include <QHash>
#include <QMainWindow>
#include <memory>
#include <string>
#include <vector>

#include "base/language.h"
#include "domain/defs.h"
#include "gui/commandline.h"
#include "gui/filehistory.h"

class QAction;
class QLabel;
class QMdiArea;
class QMdiSubWindow;
class QMenu;
class QTimer;

namespace qz::gui {

class TGuiFrontEnd;
class TQZEditor;
class TStartPanel;

class TMainForm : public QMainWindow {
    Q_OBJECT
public:
    explicit TMainForm(TCommandLine commandLine, QWidget* parent = nullptr);
    ~TMainForm() override;

    // After the window is shown: settings, language, recent files, then the logs of the
    // command line in their sorted order. False when the program cannot run (no usable
    // language file); the reason was shown.
    bool Startup();

    // Opens a log of any format in a new editor window; false after an error box.
    // `type` reads the file as that type (an import command); ftUnknown detects it.
    bool OpenAnyFile(const std::string& fileName, TFileType type = ftUnknown);
    // A new editor with a log from the new-log dialog.
    void NewLog();
    // A new editor with copies of the active editor's selected lines, marked modified.
    void ExtractSelectedLines();
    // The batch wizard, then its job over the chosen files.
    void BatchProcessing();

    // Loads and applies a language; false (after a message naming the file) when its
    // file is missing or of another version, the texts then stay as they were.
    bool ApplyLanguage(TLanguage language);

    TQZEditor* ActiveEditor() const;
    std::vector<TQZEditor*> Editors() const;
    QAction* Command(const QString& name) const { return FActions.value(name); }
    TGuiFrontEnd& FrontEnd() const { return *FFrontEnd; }
    const TFileHistory& FileHistory() const { return FHistory; }
    TStartPanel* StartPanel() const { return FStartPanel; }
    QMdiArea* MdiArea() const { return FMdiArea; }

    // The idle-time update: commands mirror the active editor, status fields.
    void UpdateCommands();

protected:
    void closeEvent(QCloseEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    void BuildCommands();
    void BuildMenus();
    void Retranslate();
    void FillRecentMenu();
    void FillWindowMenu();
    void ChooseAndOpen();
    void ShowDataFolder(const std::string& fileName);
    TQZEditor* AddEditor();
    void DiscardEditor(TQZEditor* editor);
    void UseFile(const QString& fileName);

    TCommandLine FCommandLine;
    std::unique_ptr<TGuiFrontEnd> FFrontEnd;
    TFileHistory FHistory;
    TLanguage FLanguage = lEnglish;
    QMdiArea* FMdiArea;
    QHash<QString, QAction*> FActions;
    QHash<int, QMenu*> FMenus;  // by the language string of their title
    QMenu* FRecentMenu = nullptr;
    TStartPanel* FStartPanel = nullptr;
    QMenu* FWindowMenu = nullptr;
    QLabel* FStatusLines;
    QLabel* FStatusModified;
    QLabel* FStatusEditMode;
    QLabel* FStatusReadOnly;
    QTimer* FIdleTimer;
};

}  // namespace qz::gui
