#include "gui/commands.h"

#include <QSet>
#include <array>
#include <cstring>

namespace qz::gui {

namespace {

using K = QKeySequence;
constexpr auto kNone = QKeySequence::UnknownKey;
constexpr int lsRedo = 1200;

// In menu order within each menu.
const std::array kCommands = {
    TCommand{"acNew", 810, K::New, "", TMenu::File, false, false},
    TCommand{"acFileOpen", 869, K::Open, "", TMenu::File, false, false},
    TCommand{"acFileSave", 811, K::Save, "", TMenu::File, true, false},
    TCommand{"acFileSaveAs", 812, K::SaveAs, "", TMenu::File, true, false},
    TCommand{"acFileInfo", 910, kNone, "", TMenu::File, true, false},
    TCommand{"acFileClose", 813, K::Close, "", TMenu::File, true, false},
    TCommand{"acOutputPrint", 843, K::Print, "", TMenu::File, true, false},
    TCommand{"acOutputPrintPreview", 844, kNone, "", TMenu::File, true, false},
    TCommand{"acFinalize", 982, kNone, "F4", TMenu::File, true, false},
    TCommand{"acFileExit", 809, kNone, "Ctrl+Q; Alt+X", TMenu::File, false, false},

    TCommand{"acImportAutoDetect", 1034, kNone, "F9", TMenu::Import, false, false},
    TCommand{"acImportCabrillo", 1036, kNone, "F7", TMenu::Import, false, false},
    TCommand{"acImportSTF", 1039, kNone, "F6", TMenu::Import, false, false},
    TCommand{"acImportADIF", 1042, kNone, "", TMenu::Import, false, false},
    TCommand{"acImportASCII", 1051, kNone, "F8", TMenu::Import, false, false},
    TCommand{"acImportCT", 1053, kNone, "", TMenu::Import, false, false},
    TCommand{"acImportNA", 1056, kNone, "", TMenu::Import, false, false},
    TCommand{"acImportQW", 1058, kNone, "", TMenu::Import, false, false},

    TCommand{"acEditUndo", 827, K::Undo, "", TMenu::Edit, true, false},
    TCommand{"acEditRedo", lsRedo, kNone, "Ctrl+Y; Ctrl+Shift+Z", TMenu::Edit, true, false},
    TCommand{"acEditCopy", 823, kNone, "Shift+Ctrl+C", TMenu::Edit, true, false},
    TCommand{"acEditPaste", 824, kNone, "Shift+Ctrl+V", TMenu::Edit, true, false},
    TCommand{"acEditAppendQSO", 815, kNone, "Ctrl+Return", TMenu::Edit, true, false},
    TCommand{"StandardEditMode", 880, kNone, "", TMenu::None, true, true},
    TCommand{"FastAppendMode", 881, kNone, "", TMenu::None, true, true},
    TCommand{"acEditAppendMode", 882, kNone, "Ctrl+Shift+A", TMenu::Edit, true, true},
    TCommand{"acEditMoveUp", 825, kNone, "Ctrl+Up", TMenu::Edit, true, false},
    TCommand{"acEditMoveDown", 826, kNone, "Ctrl+Down", TMenu::Edit, true, false},
    TCommand{"acEditComment", 850, kNone, "F11", TMenu::Edit, true, false},
    TCommand{"acEditFind", 861, K::Find, "", TMenu::Edit, true, false},
    TCommand{"acEditFindNext", 862, K::FindNext, "", TMenu::Edit, true, false},
    TCommand{"acEditHeaderData", 915, kNone, "F12", TMenu::Edit, true, false},
    TCommand{"acEditCompile", 814, kNone, "F5", TMenu::Edit, true, false},
    TCommand{"acUpdateView", 834, kNone, "", TMenu::Edit, true, false},
    TCommand{"acEditOptimizeColWidthNow", 876, kNone, "Ctrl+F5", TMenu::Edit, false, false},
    TCommand{"acSwapReadOnly", 829, kNone, "Ctrl+Alt+F4", TMenu::Edit, true, true},
    TCommand{"acClearAllFlags", 828, kNone, "Ctrl+Alt+F12", TMenu::Edit, true, false},

    TCommand{"acEditMarkAll", 816, kNone, "Ctrl+A", TMenu::Selected, true, false},
    TCommand{"acEditUnselectAll", 817, kNone, "Ctrl+Alt+A", TMenu::Selected, true, false},
    TCommand{"acEditMarkActual", 818, kNone, "Ctrl+M", TMenu::Selected, true, false},
    TCommand{"acEditUnselectActual", 819, kNone, "Ctrl+Alt+M", TMenu::Selected, true, false},
    TCommand{"acEditMarkDefined", 911, kNone, "", TMenu::Selected, true, false},
    TCommand{"acEditUnselectDefined", 912, kNone, "", TMenu::Selected, true, false},
    TCommand{"acEditDeleteQSOs", 820, kNone, "Ctrl+Del", TMenu::Selected, true, false},
    TCommand{"acEditSetQSOAsBad", 821, kNone, "", TMenu::Selected, true, false},
    TCommand{"acEditSetQSOAsGood", 822, kNone, "", TMenu::Selected, true, false},
    TCommand{"acEditSetTimeDiff", 913, kNone, "", TMenu::Selected, true, false},
    TCommand{"acEditSetSentNumber", 914, kNone, "", TMenu::Selected, true, false},
    TCommand{"acEditCopyAsSentQTCs", 916, kNone, "", TMenu::Selected, true, false},
    TCommand{"acAltEnter", 1150, kNone, "Alt+Return", TMenu::Selected, true, false},
    TCommand{"acFileExtractSelectedQSOsToNewLog", 875, kNone, "", TMenu::Selected, false, false},

    TCommand{"acToolsCheckExchangedNumbers", 830, kNone, "", TMenu::Tools, true, false},
    TCommand{"acToolsCheck4Extensions", 831, kNone, "", TMenu::Tools, true, false},
    TCommand{"acToolsCheckMemberNumbers", 832, kNone, "", TMenu::Tools, true, false},
    TCommand{"acCheckQSY", 833, kNone, "", TMenu::Tools, true, false},
    TCommand{"acBatch", 486, kNone, "", TMenu::Tools, false, false},
    TCommand{"Statistics1", 917, kNone, "", TMenu::Tools, true, false},
    TCommand{"acOptionsDataHandling", 980, kNone, "", TMenu::Tools, false, false},
    TCommand{"acEMailJournal", 981, kNone, "Ctrl+E", TMenu::Tools, false, false},
    TCommand{"acOptionsFont", 1029, kNone, "", TMenu::Tools, false, false},
    TCommand{"CountryFiles1", 877, kNone, "", TMenu::Tools, false, false},
    TCommand{"Memberlists1", 878, kNone, "", TMenu::Tools, false, false},
    TCommand{"Assignmenttables1", 879, kNone, "", TMenu::Tools, false, false},

    TCommand{"tbEditEnable", 845, kNone, "", TMenu::Output, true, true},
    TCommand{"acSaveOutputFileAs", 835, kNone, "", TMenu::Output, true, false},
    TCommand{"acOutputSendEMail", 983, kNone, "", TMenu::Output, true, false},
    TCommand{"acOutputFontDialog", 1151, kNone, "", TMenu::Output, false, false},
    TCommand{"acExportResult", 836, kNone, "", TMenu::Export, true, false},
    TCommand{"acExportComments", 837, kNone, "", TMenu::Export, true, false},
    TCommand{"acExportSTF", 838, kNone, "", TMenu::Export, true, false},
    TCommand{"acExportCabrillo", 839, kNone, "", TMenu::Export, true, false},
    TCommand{"acExportADIF", 840, kNone, "", TMenu::Export, true, false},
    TCommand{"acExportRES", 841, kNone, "", TMenu::Export, true, false},
    TCommand{"acExportSwisslog", 842, kNone, "", TMenu::Export, true, false},
    TCommand{"acExportdBase", 1030, kNone, "", TMenu::Export, true, false},
    TCommand{"acExportADIFConfig", 1031, kNone, "", TMenu::Export, true, false},

    TCommand{"WindowCascade1", 848, kNone, "", TMenu::Window, false, false},
    TCommand{"WindowTileHorizontal1", 1152, kNone, "", TMenu::Window, false, false},
    TCommand{"WindowTileVertical1", 1153, kNone, "", TMenu::Window, false, false},
    TCommand{"WindowMinimizeAll1", 1154, kNone, "", TMenu::Window, false, false},
    TCommand{"WindowArrange1", 1155, kNone, "", TMenu::Window, false, false},

    TCommand{"English1", 846, kNone, "", TMenu::Language, false, true},
    TCommand{"German1", 847, kNone, "", TMenu::Language, false, true},

    TCommand{"Help2", 1156, kNone, "F1", TMenu::Help, false, false},
    TCommand{"acHelpShortcuts", 1157, kNone, "", TMenu::Help, false, false},
    TCommand{"acHelpUpdateQZ", 1061, kNone, "", TMenu::Help, false, false},
    TCommand{"acHelpUpdateCTY", 1062, kNone, "", TMenu::Help, false, false},
    TCommand{"acHelpAbout", 1063, kNone, "", TMenu::Help, false, false},
};

}  // namespace

std::span<const TCommand> Commands() { return kCommands; }

QList<QKeySequence> CommandKeys(const TCommand& command) {
    if (command.standardKey != QKeySequence::UnknownKey) return QKeySequence::keyBindings(command.standardKey);
    if (*command.key == '\0') return {};
    return QKeySequence::listFromString(QString::fromLatin1(command.key));
}

bool IsCommandKey(const QKeySequence& key) {
    static const QSet<QKeySequence> keys = [] {
        QSet<QKeySequence> all;
        for (const TCommand& c : kCommands)
            for (const QKeySequence& k : CommandKeys(c)) all.insert(k);
        return all;
    }();
    return keys.contains(key);
}

const TCommand* FindCommand(const char* name) {
    for (const TCommand& c : kCommands)
        if (std::strcmp(c.name, name) == 0) return &c;
    return nullptr;
}

}  // namespace qz::gui
