// The list of keyboard shortcuts: every command of the commands table that has a key,
// with its caption and menu, read from the main window's actions, so that the list
// shows the keys the program really has.
#pragma once

#include <QDialog>

class QTableWidget;

namespace qz::gui {

class TMainForm;

class TShortcutsDialog : public QDialog {
    Q_OBJECT
public:
    explicit TShortcutsDialog(const TMainForm& window, QWidget* parent = nullptr);
    QTableWidget* Table() const { return FTable; }

private:
    QTableWidget* FTable;
};

// acHelpShortcuts.
void ShowShortcuts(TMainForm& window);

}  // namespace qz::gui
