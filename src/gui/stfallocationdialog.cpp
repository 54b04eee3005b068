#include "gui/stfallocationdialog.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QGroupBox>
#include <QHeaderView>
#include <QKeyEvent>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include "gui/formatstrings.h"
#include "gui/qtext.h"

namespace qz::gui {

TSTFConvertForm::TSTFConvertForm(const std::string& fileName, const TSTFAllocation& allocation, QWidget* parent)
    : QDialog(parent), FAllocation(allocation) {
    setObjectName("TSTFConvertForm");
    setWindowTitle(FromPath(fileName));
    auto* layout = new QVBoxLayout(this);
    const QString titles[2] = {LSCaption(fmt::lsOrderBoxes), LSHint(fmt::lsOrderBoxes)};
    for (int k = 0; k < 2; ++k) {
        FBoxes[k] = new QGroupBox(titles[k]);
        FBoxes[k]->setObjectName(k == 0 ? "gbQsoOrder" : "gbQtcOrder");
        auto* boxLayout = new QVBoxLayout(FBoxes[k]);
        FTables[k] = MakeTable(k == 0 ? allocation.QSORows : allocation.QTCRows,
                               k == 0 ? allocation.QSOOrder : allocation.QTCOrder);
        FTables[k]->setObjectName(k == 0 ? "vleQsoOrder" : "vleQtcOrder");
        boxLayout->addWidget(FTables[k]);
        layout->addWidget(FBoxes[k], 1);
    }
    FBoxes[1]->setVisible(!allocation.QTCRows.empty());
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    buttons->button(QDialogButtonBox::Cancel)->setText(LSCaption(fmt::lsCancel));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);
    resize(480, allocation.QTCRows.empty() ? 420 : 640);
}

QTableWidget* TSTFConvertForm::MakeTable(const std::vector<TSTFAllocationRow>& rows,
                                         const std::vector<std::string>& order) {
    auto* table = new QTableWidget(static_cast<int>(rows.size()), 2);
    table->setHorizontalHeaderLabels({LSCaption(fmt::lsKeyTitle), LSCaption(fmt::lsKeywordTitle)});
    table->verticalHeader()->hide();
    table->horizontalHeader()->setSectionResizeMode(0, QHeaderView::ResizeToContents);
    table->horizontalHeader()->setSectionResizeMode(1, QHeaderView::Stretch);
    table->setSelectionMode(QAbstractItemView::SingleSelection);
    for (int r = 0; r < table->rowCount(); ++r) {
        const TSTFAllocationRow& row = rows[static_cast<std::size_t>(r)];
        auto* key = new QTableWidgetItem(FromCore(row.Header));
        key->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
        table->setItem(r, 0, key);
        // A pick list of the file's keywords; the empty entry takes nothing.
        auto* pick = new QComboBox;
        pick->addItem(QString());
        for (const std::string& word : order) pick->addItem(FromCore(word));
        pick->setCurrentIndex(std::max(0, pick->findText(FromCore(row.Keyword), Qt::MatchFixedString)));
        pick->installEventFilter(this);
        table->setCellWidget(r, 1, pick);
    }
    table->installEventFilter(this);
    return table;
}

bool TSTFConvertForm::eventFilter(QObject* watched, QEvent* event) {
    // The Delete key clears the keyword of the row.
    if (event->type() == QEvent::KeyPress && static_cast<QKeyEvent*>(event)->key() == Qt::Key_Delete) {
        if (auto* pick = qobject_cast<QComboBox*>(watched)) {
            pick->setCurrentIndex(0);
            return true;
        }
        if (auto* table = qobject_cast<QTableWidget*>(watched); table != nullptr && table->currentRow() >= 0) {
            if (auto* pick = qobject_cast<QComboBox*>(table->cellWidget(table->currentRow(), 1)))
                pick->setCurrentIndex(0);
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

TSTFAllocation TSTFConvertForm::Allocation() const {
    TSTFAllocation a = FAllocation;
    for (int k = 0; k < 2; ++k) {
        std::vector<TSTFAllocationRow>& rows = k == 0 ? a.QSORows : a.QTCRows;
        const std::vector<std::string>& order = k == 0 ? a.QSOOrder : a.QTCOrder;
        for (int r = 0; r < FTables[k]->rowCount(); ++r) {
            const auto* pick = qobject_cast<QComboBox*>(FTables[k]->cellWidget(r, 1));
            const int i = pick != nullptr ? pick->currentIndex() : 0;
            // Index 0 is the empty entry; the others are the order's words in order.
            rows[static_cast<std::size_t>(r)].Keyword =
                i > 0 && static_cast<std::size_t>(i) <= order.size() ? order[static_cast<std::size_t>(i - 1)] : "";
        }
    }
    return a;
}

bool EditSTFAllocation(QWidget* parent, const std::string& fileName, TSTFAllocation& allocation) {
    TSTFConvertForm form(fileName, allocation, parent);
    if (form.exec() != QDialog::Accepted) return false;
    allocation = form.Allocation();
    return true;
}

}  // namespace qz::gui
