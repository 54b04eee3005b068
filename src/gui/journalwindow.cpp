#include "gui/journalwindow.h"

#include <QDialogButtonBox>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include "base/lsnumbers.h"
#include "base/options.h"
#include "gui/mailstrings.h"
#include "gui/maildialogs.h"
#include "gui/optionsdialog.h"
#include "gui/qtext.h"

namespace qz::gui {

TEMailJournalForm::TEMailJournalForm(QWidget* parent) : QDialog(parent), FFolder(new QLabel), FGrid(new QTableWidget) {
    setObjectName("TEMailJournalForm");
    setWindowTitle(LSCaption(ui::lsJournalTitle));
    FFolder->setObjectName("lbFolder");
    FFolder->setTextInteractionFlags(Qt::TextSelectableByMouse);
    FGrid->setObjectName("sgJournal");
    FGrid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    FGrid->setSelectionBehavior(QAbstractItemView::SelectRows);
    FGrid->setSelectionMode(QAbstractItemView::SingleSelection);
    FGrid->verticalHeader()->hide();
    FGrid->horizontalHeader()->setStretchLastSection(true);
    connect(FGrid, &QTableWidget::cellDoubleClicked, this, [this](int row, int) { ShowMessage(row); });

    auto* editPath = new QPushButton(LSCaption(ui::lsJournalEditPath));
    editPath->setObjectName("bEditPath");
    editPath->setToolTip(LSHint(ui::lsJournalEditPath));
    connect(editPath, &QPushButton::clicked, this, [this] {
        TOptionsDialog dialog(this);
        if (dialog.ExecOnPage(TOptionsDialog::tsPaths, dialog.findChild<QLineEdit*>("leEMails")) == QDialog::Accepted)
            Reload();
    });
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close);
    buttons->button(QDialogButtonBox::Close)->setText(LSCaption(lsClose));
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* top = new QHBoxLayout;
    top->addWidget(new QLabel(LSCaption(ui::lsJournalFolder)));
    top->addWidget(FFolder, 1);
    top->addWidget(editPath);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(FGrid, 1);
    layout->addWidget(buttons);
    resize(760, 420);
    Reload();
}

void TEMailJournalForm::Reload() {
    const QString folder = FromPath(Options.Path_EMails.oValue);
    FFolder->setToolTip(folder);
    FFolder->setText(FFolder->fontMetrics().elidedText(folder, Qt::ElideMiddle, 480));
    FEntries = ReadJournal(Options.Path_EMails.oValue);
    FGrid->clear();
    FGrid->setColumnCount(4);
    if (FEntries.empty()) {
        // One empty row without titles.
        FGrid->setRowCount(1);
        FGrid->horizontalHeader()->hide();
        return;
    }
    FGrid->horizontalHeader()->show();
    FGrid->setHorizontalHeaderLabels(
        {LSCaption(lsJournalFile), LSCaption(lsJournalDate), LSCaption(lsJournalCall), LSCaption(ui::lsContestTitle)});
    FGrid->setRowCount(static_cast<int>(FEntries.size()));
    for (int row = 0; row < static_cast<int>(FEntries.size()); ++row) {
        const TJournalEntry& e = FEntries[static_cast<std::size_t>(row)];
        const QString texts[] = {QFileInfo(FromPath(e.fileName)).fileName(), FromCore(e.message.ehFormattedDateTime()),
                                 FromCore(e.message.ehCall), FromCore(e.message.ehContest)};
        for (int c = 0; c < 4; ++c) FGrid->setItem(row, c, new QTableWidgetItem(texts[c]));
    }
    FGrid->resizeColumnsToContents();
}

void TEMailJournalForm::ShowMessage(int row) {
    if (row < 0 || row >= static_cast<int>(FEntries.size())) return;
    const TJournalEntry& e = FEntries[static_cast<std::size_t>(row)];
    TSendEMailForm view(e.message, e.fileName, this);
    view.exec();
}

}  // namespace qz::gui
