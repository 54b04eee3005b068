#include "gui/shortcutsdialog.h"

#include <QAction>
#include <QDialogButtonBox>
#include <QHeaderView>
#include <QTableWidget>
#include <QVBoxLayout>

#include "gui/commands.h"
#include "gui/commandstrings.h"
#include "gui/formatstrings.h"
#include "gui/mainwindow.h"
#include "gui/qtext.h"
#include "gui/shellstrings.h"

namespace qz::gui {

namespace {

QString MenuTitle(TMenu menu) {
    switch (menu) {
        case TMenu::File: return LSCaption(ui::lsMenuFile);
        case TMenu::Import: return LSCaption(fmt::lsImportMenu);
        case TMenu::Edit: return LSCaption(ui::lsMenuEdit);
        case TMenu::Selected: return LSCaption(ui::lsMenuSelected);
        case TMenu::Tools: return LSCaption(ui::lsMenuTools);
        case TMenu::Output: return LSCaption(ui::lsMenuOutput);
        case TMenu::Export: return LSCaption(ui::lsMenuExport);
        case TMenu::Window: return LSCaption(ui::lsMenuWindow);
        case TMenu::Language: return LSCaption(ui::lsMenuLanguage);
        case TMenu::Help: return LSCaption(lsMenuHelp);
        case TMenu::None: return {};
    }
    return {};
}

}  // namespace

TShortcutsDialog::TShortcutsDialog(const TMainForm& window, QWidget* parent)
    : QDialog(parent), FTable(new QTableWidget(0, 3)) {
    setWindowTitle(LSCaption(cmd::lsShortcuts).remove('&'));
    FTable->setHorizontalHeaderLabels({LSCaption(cmd::lsKey), LSCaption(cmd::lsCommand), LSCaption(cmd::lsMenu)});
    FTable->setEditTriggers(QAbstractItemView::NoEditTriggers);
    FTable->setSelectionBehavior(QAbstractItemView::SelectRows);
    FTable->verticalHeader()->hide();
    for (const TCommand& c : Commands()) {
        const QAction* action = window.Command(c.name);
        if (action == nullptr || action->shortcuts().isEmpty()) continue;
        QStringList keys;
        for (const QKeySequence& key : action->shortcuts()) keys << key.toString(QKeySequence::NativeText);
        const int row = FTable->rowCount();
        FTable->insertRow(row);
        FTable->setItem(row, 0, new QTableWidgetItem(keys.join(", ")));
        FTable->setItem(row, 1, new QTableWidgetItem(action->text().remove('&').remove("...")));
        FTable->setItem(row, 2, new QTableWidgetItem(MenuTitle(c.menu).remove('&')));
        FTable->item(row, 0)->setData(Qt::UserRole, QString::fromLatin1(c.name));
    }
    FTable->resizeColumnsToContents();
    FTable->horizontalHeader()->setStretchLastSection(true);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(FTable, 1);
    layout->addWidget(buttons);
    resize(620, 560);
}

void ShowShortcuts(TMainForm& window) {
    TShortcutsDialog dialog(window, &window);
    dialog.exec();
}

}  // namespace qz::gui
