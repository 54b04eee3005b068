// The commands of the desktop program: one table with each command's name, the
// language string of its caption and hint, its key and the menu that shows it. The
// main window makes one action per command and forwards those of the log editor to the
// active editor; each editor makes its own action per editor command and decides
// whether it is enabled.
#pragma once

#include <QKeySequence>
#include <span>

namespace qz::gui {

enum class TMenu { File, Import, Edit, Selected, Tools, Output, Export, Window, Language, Help, None };

struct TCommand {
    const char* name;
    int caption;  // language string: caption|hint
    QKeySequence::StandardKey standardKey;
    const char* key;  // used when standardKey is UnknownKey
    TMenu menu;
    bool editor;  // an editor command (forwarded to the active editor)
    bool checkable;
};

std::span<const TCommand> Commands();
const TCommand* FindCommand(const char* name);
// The keys of a command (none, one or several).
QList<QKeySequence> CommandKeys(const TCommand& command);
// Whether `key` is the key of a window command: such keys reach the command even while a
// cell editor has the focus, which would otherwise take some of them (Ctrl+Z) itself.
bool IsCommandKey(const QKeySequence& key);

// Language strings of the menus and other window texts.
namespace ui {
inline constexpr int lsMenuFile = 800;
inline constexpr int lsMenuEdit = 801;
inline constexpr int lsMenuTools = 802;
inline constexpr int lsMenuWindow = 803;
inline constexpr int lsMenuLanguage = 804;
inline constexpr int lsMenuOutput = 805;
inline constexpr int lsMenuSelected = 806;
inline constexpr int lsMenuRecent = 807;
inline constexpr int lsMenuExport = 808;
inline constexpr int lsUntitled = 4;
inline constexpr int lsCannotOpenLog = 5;
inline constexpr int lsNativeLogFilter = 35;
inline constexpr int lsMultTitleSuffix = 73;
inline constexpr int lsOutputEditsLost = 102;
inline constexpr int lsModified = 103;
inline constexpr int lsSaveChanges = 104;
inline constexpr int lsOutputWindowsModified = 112;
inline constexpr int lsEditMode = 115;
inline constexpr int lsAppendMode = 116;
inline constexpr int lsCannotDeleteAll = 131;
inline constexpr int lsNothingDeleted = 132;
inline constexpr int lsSearchNotFound = 138;
inline constexpr int lsReadOnly = 603;
inline constexpr int lsASCIIGuessed = 647;
inline constexpr int lsTabFirst = 851;  // Messages ... Swisslog, in TOutputWindow order
inline constexpr int lsLineEntry = 859;
inline constexpr int lsApply = 860;
inline constexpr int lsSearchFor = 863;
inline constexpr int lsNotAccepted = 864;
inline constexpr int lsNewLogTitle = 865;
inline constexpr int lsOwnCall = 866;
inline constexpr int lsNoRulesYet = 867;
inline constexpr int lsLines = 868;
inline constexpr int lsNoRecentFiles = 870;
inline constexpr int lsClipboardEmpty = 871;
inline constexpr int lsCannotSave = 872;
inline constexpr int lsShowOutputWindow = 873;
inline constexpr int lsContest = 91;
}  // namespace ui

}  // namespace qz::gui
