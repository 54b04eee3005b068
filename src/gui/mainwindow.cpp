#include "gui/mainwindow.h"

#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QCloseEvent>
#include <QDesktopServices>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QDir>
#include <QFileDialog>
#include <QIcon>
#include <QLabel>
#include <QLocale>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QMimeData>
#include <QStatusBar>
#include <QTimer>
#include <QUrl>
#include <QToolBar>
#include <filesystem>

#include "base/installfiles.h"
#include "base/options.h"
#include "base/settingsstore.h"
#include "contests/framework/factory.h"
#include "engine/contestlog.h"
#include "gui/batchwizard.h"
#include "gui/commands.h"
#include "gui/commandstrings.h"
#include "gui/editor.h"
#include "gui/formatactions.h"
#include "gui/formatstrings.h"
#include "gui/guifrontend.h"
#include "gui/gridfont.h"
#include "gui/helpcommands.h"
#include "gui/logsfolder.h"
#include "gui/manualwindow.h"
#include "gui/mailcommands.h"
#include "gui/opendialog.h"
#include "gui/shellstrings.h"
#include "gui/shortcutsdialog.h"
#include "gui/startpanel.h"
#include "gui/windowarrange.h"
#include "gui/qtext.h"
#include "import/openlog.h"
#include "logfile/qzf.h"
#include "mail/robotaddresses.h"

namespace qz::gui {

namespace {

// Paths longer than this are not taken from a drop.
constexpr int kMaxDroppedPathLength = 4096;
// How long the status bar names a data folder, in milliseconds.
constexpr int kFolderMessageTime = 20000;

const char* const kToolbarCommands[] = {"acNew",         "acFileOpen", "acFileSave",    nullptr, "acEditUndo",
                                        "acEditCompile", nullptr,      "acOutputPrint", nullptr, "acEditAppendMode"};

// The desktop theme's icon of a toolbar command, else the program's own drawing.
QIcon CommandIcon(const char* command) {
    struct TIconNames {
        const char* theme;
        const char* own;
    };
    static const QHash<QString, TIconNames> icons = {
        {"acNew", {"document-new", "new"}},           {"acFileOpen", {"document-open", "open"}},
        {"acFileSave", {"document-save", "save"}},    {"acEditUndo", {"edit-undo", "undo"}},
        {"acEditCompile", {"system-run", "compile"}}, {"acOutputPrint", {"document-print", "print"}},
        {"acEditAppendMode", {"list-add", "append"}}, {"acFileExit", {"application-exit", "exit"}}};
    const auto it = icons.constFind(command);
    if (it == icons.constEnd()) return {};
    return QIcon::fromTheme(it->theme, QIcon(QString(":/qz/icons/%1.svg").arg(it->own)));
}

// The language chosen at installation: the "InstalledLanguage" of install_info.ini,
// else the language of the user's locale.
TLanguage InstalledLanguage() {
    const TSettingsStore ini = TSettingsStore::Load(InstalledFilePath(InstalledFile("install_info.ini")));
    const int fromIni = ini.GetInteger("InstallInfo", "InstalledLanguage", -1);
    if (fromIni == 0 || fromIni == 1) return static_cast<TLanguage>(fromIni);
    return QLocale::system().language() == QLocale::German ? lGerman : lEnglish;
}

}  // namespace

TMainForm::TMainForm(TCommandLine commandLine, QWidget* parent)
    : QMainWindow(parent),
      FCommandLine(std::move(commandLine)),
      FMdiArea(new QMdiArea),
      FStatusLines(new QLabel),
      FStatusModified(new QLabel),
      FStatusEditMode(new QLabel),
      FStatusReadOnly(new QLabel),
      FIdleTimer(new QTimer(this)) {
    setWindowTitle("QZ");
    // The icon installed with the program (hicolor theme), else the copy built in: every
    // window, log window and dialog shows it instead of the toolkit's.
    QApplication::setWindowIcon(QIcon::fromTheme("qz", QIcon(":/qz/qz.svg")));
    FMdiArea->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    FMdiArea->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    FMdiArea->setViewMode(QMdiArea::SubWindowView);
    setCentralWidget(FMdiArea);
    for (QLabel* field : {FStatusLines, FStatusModified, FStatusEditMode, FStatusReadOnly}) {
        field->setMinimumWidth(110);
        statusBar()->addWidget(field);
    }
    FFrontEnd = std::make_unique<TGuiFrontEnd>(this, statusBar());
    SetFrontEnd(FFrontEnd.get());
    BuildCommands();
    BuildMenus();
    FStartPanel = new TStartPanel(FMdiArea, FActions["acNew"], FActions["acFileOpen"],
                                  [this](const std::string& file) { OpenAnyFile(file); });
    setAcceptDrops(true);
    connect(FMdiArea, &QMdiArea::subWindowActivated, this, [this] { UpdateCommands(); });
    connect(FIdleTimer, &QTimer::timeout, this, [this] { UpdateCommands(); });
    FIdleTimer->start(250);
}

TMainForm::~TMainForm() {
    // The editors go before the front end they report through.
    for (QMdiSubWindow* sub : FMdiArea->subWindowList()) delete sub;
    SetFrontEnd(nullptr);
}

// Start-up

bool TMainForm::Startup() {
    std::string error;
    if (!InstallMissingDataFiles(&error)) ShowErrorMessage(error);
    for (int i = 0; i < FCommandLine.clfCount; ++i)
        if (!WriteLanguageFiles(".", &error)) ShowErrorMessage(error);
    const TSettingsStore settings = TSettingsStore::Load();
    LoadOptions(Options, settings);
    LoadEMailAddressList();
    const int stored = ReadSettingInteger("Language", -1);
    const TLanguage language = stored == 0 || stored == 1 ? static_cast<TLanguage>(stored) : InstalledLanguage();
    TLanguageLoadResult result;
    const std::string path = LanguageFilePath(language);
    auto strings = std::make_shared<TLanguageStrings>(TLanguageStrings::FromFile(path, &result));
    if (!strings->FileLoadDone()) {
        // Without texts nothing can be shown: the bilingual message, then the end.
        FFrontEnd->ShowErrorMessage(LanguageFileErrorMessage(path, result));
        return false;
    }
    SetLanguageStrings(strings);
    FLanguage = language;
    Retranslate();
    WriteSettingInteger("Language", language);
    // The store refuses to save over a file it could not read; the user learns why the
    // settings are the defaults and why changes to them will not stay.
    if (!settings.LoadError().empty()) ShowErrorMessage(LS(lsSettingsUnusable) + "\n" + settings.LoadError());
    FHistory.LoadFromRegistry();
    for (const std::string& file : FCommandLine.files) OpenAnyFile(file);
    UpdateCommands();
    return true;
}

bool TMainForm::ApplyLanguage(TLanguage language) {
    TLanguageLoadResult result;
    const std::string path = LanguageFilePath(language);
    auto strings = std::make_shared<TLanguageStrings>(TLanguageStrings::FromFile(path, &result));
    if (!strings->FileLoadDone()) {
        ShowErrorMessage(ToCore(MessageWithPath(LanguageFileErrorMessage(path, result), path)));
        Retranslate();  // the menu tick goes back to the language in use
        return false;
    }
    SetLanguageStrings(strings);
    FLanguage = language;
    WriteSettingInteger("Language", language);
    Retranslate();
    for (TQZEditor* editor : Editors()) editor->Retranslate();
    UpdateCommands();
    return true;
}

// The batch wizard is made on first use and keeps its choices and file list.
void TMainForm::BatchProcessing() {
    auto* wizard = findChild<TBatchWorkWizard*>();
    if (wizard == nullptr) wizard = new TBatchWorkWizard(this);
    wizard->restart();
    if (wizard->exec() == QDialog::Accepted) RunBatchChoice(this, wizard->Choice());
}

// Commands and menus

void TMainForm::BuildCommands() {
    for (const TCommand& c : Commands()) {
        auto* action = new QAction(this);
        action->setObjectName(c.name);
        action->setCheckable(c.checkable);
        action->setShortcuts(CommandKeys(c));
        const QIcon icon = CommandIcon(c.name);
        if (!icon.isNull()) action->setIcon(icon);
        FActions.insert(c.name, action);
        if (c.editor) {
            const QString name = c.name;
            connect(action, &QAction::triggered, this, [this, name] {
                if (TQZEditor* editor = ActiveEditor())
                    if (QAction* own = editor->Command(name); own != nullptr && own->isEnabled()) own->trigger();
                UpdateCommands();
            });
        }
    }
    connect(FActions["acNew"], &QAction::triggered, this, [this] { NewLog(); });
    connect(FActions["acFileOpen"], &QAction::triggered, this, [this] { ChooseAndOpen(); });
    connect(FActions["acFileExit"], &QAction::triggered, this, [this] { close(); });
    ConnectImportCommands(*this);
    connect(FActions["acFileExtractSelectedQSOsToNewLog"], &QAction::triggered, this,
            [this] { ExtractSelectedLines(); });
    connect(FActions["acEditOptimizeColWidthNow"], &QAction::triggered, this, [this] {
        for (TQZEditor* editor : Editors()) editor->FitColumnsNow();
    });
    const std::pair<const char*, const char*> folders[] = {
        {"CountryFiles1", "cty.dat"}, {"Memberlists1", "AGCWMBR.QZ"}, {"Assignmenttables1", "ardxdx.dat"}};
    for (const auto& [command, file] : folders) {
        const std::string entry = file;
        connect(FActions[command], &QAction::triggered, this, [this, entry] { ShowDataFolder(entry); });
    }
    connect(FActions["acBatch"], &QAction::triggered, this, [this] { BatchProcessing(); });
    connect(FActions["acOptionsDataHandling"], &QAction::triggered, this, [this] { ShowOptionsDialog(this); });
    connect(FActions["acEMailJournal"], &QAction::triggered, this, [this] { ShowEMailJournal(this); });
    connect(FActions["acOptionsFont"], &QAction::triggered, this, [this] { ChooseGridFont(*this); });
    connect(FActions["acOutputFontDialog"], &QAction::triggered, this, [this] { ChooseOutputFont(*this); });
    connect(FActions["Help2"], &QAction::triggered, this, [this] { ShowManual(*this, FLanguage); });
    connect(FActions["acHelpShortcuts"], &QAction::triggered, this, [this] { ShowShortcuts(*this); });
    connect(FActions["acHelpUpdateQZ"], &QAction::triggered, this, [this] { CheckProgramVersion(*this); });
    connect(FActions["acHelpUpdateCTY"], &QAction::triggered, this, [this] { UpdateCountryFile(*this); });
    connect(FActions["acHelpAbout"], &QAction::triggered, this, [this] { ShowAboutBox(this); });
    connect(FActions["WindowCascade1"], &QAction::triggered, FMdiArea, &QMdiArea::cascadeSubWindows);
    connect(FActions["WindowTileHorizontal1"], &QAction::triggered, this, [this] { TileHorizontally(*FMdiArea); });
    connect(FActions["WindowTileVertical1"], &QAction::triggered, this, [this] { TileVertically(*FMdiArea); });
    connect(FActions["WindowMinimizeAll1"], &QAction::triggered, this, [this] { MinimizeAll(*FMdiArea); });
    connect(FActions["WindowArrange1"], &QAction::triggered, this, [this] { ArrangeIcons(*FMdiArea); });
    auto* editModes = new QActionGroup(this);
    editModes->addAction(FActions["StandardEditMode"]);
    editModes->addAction(FActions["FastAppendMode"]);
    auto* languages = new QActionGroup(this);
    languages->addAction(FActions["English1"]);
    languages->addAction(FActions["German1"]);
    connect(FActions["English1"], &QAction::triggered, this, [this] { ApplyLanguage(lEnglish); });
    connect(FActions["German1"], &QAction::triggered, this, [this] { ApplyLanguage(lGerman); });
}

void TMainForm::BuildMenus() {
    auto menu = [this](int title) {
        QMenu* m = menuBar()->addMenu(QString());
        FMenus.insert(title, m);
        return m;
    };
    QMenu* file = menu(ui::lsMenuFile);
    QMenu* edit = menu(ui::lsMenuEdit);
    QMenu* tools = menu(ui::lsMenuTools);
    QMenu* output = menu(ui::lsMenuOutput);
    FWindowMenu = menu(ui::lsMenuWindow);
    QMenu* language = menu(ui::lsMenuLanguage);
    QMenu* help = menu(lsMenuHelp);
    QMenu* selected = new QMenu(this);
    FMenus.insert(ui::lsMenuSelected, selected);
    QMenu* importMenu = new QMenu(this);
    FMenus.insert(fmt::lsImportMenu, importMenu);
    QMenu* exportMenu = new QMenu(this);
    FMenus.insert(ui::lsMenuExport, exportMenu);
    FRecentMenu = new QMenu(this);
    FMenus.insert(ui::lsMenuRecent, FRecentMenu);
    connect(FRecentMenu, &QMenu::aboutToShow, this, [this] { FillRecentMenu(); });
    connect(FWindowMenu, &QMenu::aboutToShow, this, [this] { FillWindowMenu(); });

    for (const TCommand& c : Commands()) {
        QAction* a = FActions[c.name];
        switch (c.menu) {
            case TMenu::File:
                if (std::string_view(c.name) == "acFileSave")
                    file->addMenu(importMenu), file->addMenu(FRecentMenu), file->addSeparator();
                if (std::string_view(c.name) == "acOutputPrint" || std::string_view(c.name) == "acFileExit")
                    file->addSeparator();
                file->addAction(a);
                break;
            case TMenu::Edit:
                if (std::string_view(c.name) == "acEditComment" || std::string_view(c.name) == "acEditCompile")
                    edit->addSeparator();
                edit->addAction(a);
                break;
            case TMenu::Import: importMenu->addAction(a); break;
            case TMenu::Selected: selected->addAction(a); break;
            case TMenu::Tools:
                if (std::string_view(c.name) == "CountryFiles1") tools->addSeparator();
                tools->addAction(a);
                break;
            case TMenu::Output: output->addAction(a); break;
            case TMenu::Export: exportMenu->addAction(a); break;
            case TMenu::Window: FWindowMenu->addAction(a); break;
            case TMenu::Language: language->addAction(a); break;
            case TMenu::Help:
                if (std::string_view(c.name) == "acHelpUpdateQZ" || std::string_view(c.name) == "acHelpAbout")
                    help->addSeparator();
                help->addAction(a);
                break;
            case TMenu::None: break;
        }
    }
    edit->addSeparator();
    edit->addMenu(selected);
    output->addMenu(exportMenu);

    QToolBar* bar = addToolBar(QString());
    bar->setObjectName("mainToolBar");
    bar->setMovable(false);
    bar->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    for (const char* name : kToolbarCommands) {
        if (name == nullptr) bar->addSeparator();
        else bar->addAction(FActions[name]);
    }
}

void TMainForm::Retranslate() {
    for (const TCommand& c : Commands()) {
        QAction* a = FActions[c.name];
        a->setText(LSCaption(c.caption));
        const QString hint = LSHint(c.caption);
        a->setToolTip(hint.isEmpty() ? LSCaption(c.caption).remove('&') : hint);
        a->setStatusTip(hint);
    }
    for (auto it = FMenus.begin(); it != FMenus.end(); ++it) it.value()->setTitle(LSCaption(it.key()));
    if (FStartPanel != nullptr) FStartPanel->Retranslate();
    if (auto* wizard = findChild<TBatchWorkWizard*>()) wizard->Retranslate();
    FActions["English1"]->setChecked(FLanguage == lEnglish);
    FActions["German1"]->setChecked(FLanguage == lGerman);
}

void TMainForm::FillRecentMenu() {
    FRecentMenu->clear();
    const std::vector<std::string> files = FHistory.Newest();
    if (files.empty()) FRecentMenu->addAction(LSCaption(ui::lsNoRecentFiles))->setEnabled(false);
    for (std::size_t i = 0; i < files.size(); ++i) {
        // "&" in a name is doubled, so that the menu shows it and the name stays whole.
        QString text = FromPath(files[i]);
        text.replace('&', "&&");
        const std::string file = files[i];
        // The ten newest are numbered 1 to 9 and 0 as their accelerators.
        const QString caption = i < 10 ? QString("&%1 %2").arg((i + 1) % 10).arg(text) : text;
        connect(FRecentMenu->addAction(caption), &QAction::triggered, this, [this, file] { OpenAnyFile(file); });
    }
}

void TMainForm::FillWindowMenu() {
    FWindowMenu->clear();
    for (const TCommand& c : Commands())
        if (c.menu == TMenu::Window) FWindowMenu->addAction(FActions[c.name]);
    const QList<QMdiSubWindow*> windows = FMdiArea->subWindowList();
    if (!windows.isEmpty()) FWindowMenu->addSeparator();
    for (QMdiSubWindow* sub : windows) {
        // "&" in a file name is doubled, so that it shows and makes no accelerator.
        QAction* a = FWindowMenu->addAction(sub->windowTitle().replace("[*]", "").replace('&', "&&"));
        a->setCheckable(true);
        a->setChecked(sub == FMdiArea->activeSubWindow());
        connect(a, &QAction::triggered, this, [this, sub] { FMdiArea->setActiveSubWindow(sub); });
    }
}

void TMainForm::UpdateCommands() {
    TQZEditor* editor = ActiveEditor();
    FStartPanel->Update(FMdiArea->subWindowList().isEmpty(), FHistory.Newest());
    if (editor != nullptr) editor->UpdateCommands();
    for (const TCommand& c : Commands()) {
        if (!c.editor) continue;
        QAction* own = editor != nullptr ? editor->Command(c.name) : nullptr;
        FActions[c.name]->setEnabled(own != nullptr && own->isEnabled());
        if (c.checkable) FActions[c.name]->setChecked(own != nullptr && own->isChecked());
    }
    FActions["acFileExtractSelectedQSOsToNewLog"]->setEnabled(editor != nullptr && editor->ContestLog() != nullptr &&
                                                              editor->ContestLog()->NoOfSelectedQSOs() > 0);
    if (editor == nullptr || editor->ContestLog() == nullptr) {
        for (QLabel* field : {FStatusLines, FStatusModified, FStatusEditMode, FStatusReadOnly}) field->clear();
        return;
    }
    FStatusLines->setText(QString("%1: %2").arg(LSCaption(ui::lsLines)).arg(editor->ContestLog()->NoOfQSOs()));
    FStatusModified->setText(editor->Modified() ? LSCaption(ui::lsModified) : QString());
    FStatusEditMode->setText(LSCaption(editor->EditMode() == emAppend ? ui::lsAppendMode : ui::lsEditMode));
    FStatusReadOnly->setText(editor->ReadOnlyMode() ? LSCaption(ui::lsReadOnly) : QString());
}

// Editors

TQZEditor* TMainForm::ActiveEditor() const {
    QMdiSubWindow* sub = FMdiArea->activeSubWindow();
    if (sub == nullptr && !FMdiArea->subWindowList().isEmpty()) sub = FMdiArea->subWindowList().last();
    return sub != nullptr ? qobject_cast<TQZEditor*>(sub->widget()) : nullptr;
}

std::vector<TQZEditor*> TMainForm::Editors() const {
    std::vector<TQZEditor*> editors;
    for (QMdiSubWindow* sub : FMdiArea->subWindowList())
        if (auto* editor = qobject_cast<TQZEditor*>(sub->widget())) editors.push_back(editor);
    return editors;
}

TQZEditor* TMainForm::AddEditor() {
    auto* editor = new TQZEditor;
    ApplyGridFont(*editor->Grid(), Options.Font_StringGrid);
    ApplyOutputFont(*editor, Options.Font_OutputWindows);
    QMdiSubWindow* sub = FMdiArea->addSubWindow(editor);
    sub->setAttribute(Qt::WA_DeleteOnClose);
    // The sub-window's own menu would claim the window's keys (Ctrl+W closes through
    // File > Close, which asks about unsaved changes the same way).
    if (QMenu* menu = sub->systemMenu())
        for (QAction* a : menu->actions()) a->setShortcuts({});
    connect(editor, &TQZEditor::FileUsed, this, &TMainForm::UseFile);
    connect(editor, &TQZEditor::StateChanged, this, [this] { UpdateCommands(); });
    connect(editor, &QWidget::windowTitleChanged, sub, [sub, editor] {
        sub->setWindowTitle(editor->Title() + "[*]");
        sub->setWindowModified(editor->Modified());
    });
    return editor;
}

void TMainForm::DiscardEditor(TQZEditor* editor) {
    for (QMdiSubWindow* sub : FMdiArea->subWindowList()) {
        if (sub->widget() != editor) continue;
        FMdiArea->removeSubWindow(sub);
        delete sub;
        return;
    }
}

void TMainForm::UseFile(const QString& fileName) { FHistory.AddHistoryFile(ToPath(fileName)); }

void TMainForm::NewLog() {
    TQZEditor* editor = AddEditor();
    if (!editor->GetHeaderData()) {
        DiscardEditor(editor);
        return;
    }
    editor->parentWidget()->showMaximized();
    UpdateCommands();
}

void TMainForm::ExtractSelectedLines() {
    TQZEditor* source = ActiveEditor();
    if (source == nullptr) return;
    std::unique_ptr<TContestLog> log = source->CreateSelectedContestLog();
    if (!log) return;
    TQZEditor* editor = AddEditor();
    editor->SetContestLog(std::move(log), {}, "", "");
    editor->MarkModified();
    editor->parentWidget()->showMaximized();
    UpdateCommands();
}

bool TMainForm::OpenAnyFile(const std::string& fileName, TFileType type) {
    TOpenLogOptions options;
    options.showMessageBoxes = true;
    options.askQuestions = true;
    options.prepareConverter = [this](TConvert& converter) { PrepareConverterDialogs(this, converter); };
    options.forceType = type;
    TOpenedLog opened = OpenLog(fileName, options);
    if (!opened.log) {
        ShowErrorMessage(LS(ui::lsCannotOpenLog) + " " + ToCore(FromPath(fileName)) + "\n" +
                         ToCore(MessageWithPath(opened.error, fileName)));
        FHistory.RemoveHistoryFile(fileName);
        return false;
    }
    if (opened.type == ftASCII && type != ftASCII) ShowErrorMessage(LS(ui::lsASCIIGuessed));
    ShowLinesLeftOut(fileName, opened.dropped);
    const bool native = opened.type == ftQZ4;
    TQZEditor* editor = AddEditor();
    editor->SetContestLog(std::move(opened.log), opened.messages, native ? fileName : std::string(),
                          native ? std::string() : NativeFileName(fileName));
    if (!native) {
        // A converted log is shown with its result and the converter's messages in front.
        editor->SetOutputWindowChecked(owResult, true);
        editor->OutputTabs()->setCurrentIndex(owMessages);
    }
    editor->parentWidget()->showMaximized();
    UseFile(FromPath(fileName));
    UpdateCommands();
    return true;
}

void TMainForm::ChooseAndOpen() {
    TOpenLogDialog dialog(this);
    if (dialog.exec() != QDialog::Accepted) return;
    for (const QString& file : dialog.selectedFiles()) OpenAnyFile(ToPath(file));
}

// The folder is made when missing and named in the status bar; a desktop without a file
// manager cannot show it, so then a message says where it is.
void TMainForm::ShowDataFolder(const std::string& fileName) {
    const QString folder = FromPath(InstalledFileFolder(InstalledFile(fileName)));
    QDir().mkpath(folder);
    const QString shown = QDir::toNativeSeparators(QDir::cleanPath(folder));
    statusBar()->showMessage(LSCaption(cmd::lsFolder) + ": " + shown, kFolderMessageTime);
    if (!QDesktopServices::openUrl(QUrl::fromLocalFile(folder)))
        ShowInfoMessage(LS(cmd::lsFolderNotShown) + "\n" + ToCore(shown));
}

// Window events

void TMainForm::closeEvent(QCloseEvent* event) {
    for (QMdiSubWindow* sub : FMdiArea->subWindowList()) {
        FMdiArea->setActiveSubWindow(sub);
        if (!sub->close()) {
            event->ignore();
            return;
        }
    }
    std::error_code ec;
    std::filesystem::remove_all(TempFolder(), ec);  // a failure here is of no consequence
    FHistory.SaveToRegistry();
    setAcceptDrops(false);
    event->accept();
}

void TMainForm::dragEnterEvent(QDragEnterEvent* event) {
    if (event->mimeData()->hasUrls()) event->acceptProposedAction();
}

void TMainForm::dropEvent(QDropEvent* event) {
    for (const QUrl& url : event->mimeData()->urls()) {
        const QString path = url.toLocalFile();
        if (!path.isEmpty() && path.size() <= kMaxDroppedPathLength) OpenAnyFile(ToPath(path));
    }
    event->acceptProposedAction();
}

}  // namespace qz::gui
