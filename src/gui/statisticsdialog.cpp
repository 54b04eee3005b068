#include "gui/statisticsdialog.h"

#include <QDialogButtonBox>
#include <QHeaderView>
#include <QListWidget>
#include <QPushButton>
#include <QTabWidget>
#include <QScreen>
#include <QScrollBar>
#include <QTableWidget>
#include <QVBoxLayout>

#include "base/text.h"
#include "gui/dialogtexts.h"
#include "gui/qtext.h"

namespace qz::gui {

namespace {

const QColor kCountColour(0xFF, 0xFF, 0xA0);

QString ColumnTitle(const TStatisticsColumn& c) {
    const QString where = c.allBands ? LSCaption(dlg::lsAllBands) : FromCore(Trim(BandNames[c.band]));
    return where + " " + LSCaption(c.calls ? dlg::lsCalls : dlg::lsQSOs);
}

}  // namespace

TStatisticsForm::TStatisticsForm(const TContestLog& log, QWidget* parent)
    : QDialog(parent), FTables(BuildStatistics(log)), FTabs(new QTabWidget) {
    setWindowTitle(LSCaption(dlg::lsStatisticsTitle));
    for (std::size_t t = 0; t < FTables.size(); ++t) {
        const TStatisticsTable& table = FTables[t];
        // Column 0 holds the multiplier, the others follow table.columns.
        auto* grid =
            new QTableWidget(static_cast<int>(table.multies.size()), static_cast<int>(table.columns.size()) + 1);
        grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
        grid->setSelectionMode(QAbstractItemView::SingleSelection);
        QStringList titles("Multi");
        for (const TStatisticsColumn& c : table.columns) titles << ColumnTitle(c);
        grid->setHorizontalHeaderLabels(titles);
        grid->verticalHeader()->hide();
        for (int r = 0; r < static_cast<int>(table.multies.size()); ++r) {
            auto* multi = new QTableWidgetItem(FromCore(table.multies[r]));
            multi->setFlags(Qt::ItemIsEnabled);
            grid->setItem(r, 0, multi);
            for (int c = 0; c < static_cast<int>(table.columns.size()); ++c) {
                auto* item = new QTableWidgetItem(FromCore(table.texts[r][c]));
                if (!table.columns[c].calls) {
                    // Counts are drawn on yellow and cannot be selected.
                    item->setBackground(kCountColour);
                    item->setFlags(Qt::ItemIsEnabled);
                    item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
                }
                grid->setItem(r, c + 1, item);
            }
        }
        grid->resizeColumnsToContents();
        const int tab = static_cast<int>(t);
        connect(grid, &QTableWidget::cellClicked, this,
                [this, tab](int row, int column) { ShowCalls(tab, row, column - 1); });
        const int col = log.GetColumnNumberFromProperty(cpMul, table.multiIndex, log.NoOfColumns());
        FTabs->addTab(grid, FromCore(log.ColumnHeader(col)));
    }
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close);
    buttons->button(QDialogButtonBox::Close)->setText(LSCaption(dlg::lsClose));
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(FTabs);
    layout->addWidget(buttons);
    resize(760, 480);
    FitToTables();
}

void TStatisticsForm::FitToTables() {
    // Wide enough for every column of the widest table, within the screen.
    int tableWidth = 0;
    for (int t = 0; t < FTabs->count(); ++t) {
        const QTableWidget* grid = Table(t);
        int w = 2 * grid->frameWidth() + grid->verticalScrollBar()->sizeHint().width();
        for (int c = 0; c < grid->columnCount(); ++c) w += grid->columnWidth(c);
        tableWidth = std::max(tableWidth, w);
    }
    const QMargins margins = layout()->contentsMargins();
    int wanted = tableWidth + margins.left() + margins.right() + 8;
    if (const QScreen* s = screen()) wanted = std::min(wanted, s->availableGeometry().width() * 9 / 10);
    if (wanted > width()) resize(wanted, height());
}

QTableWidget* TStatisticsForm::Table(int tab) const { return qobject_cast<QTableWidget*>(FTabs->widget(tab)); }

void TStatisticsForm::ShowCalls(int tab, int row, int column) {
    const TStatisticsTable& table = FTables[static_cast<std::size_t>(tab)];
    if (column < 0 || !table.columns[static_cast<std::size_t>(column)].calls) return;
    const std::vector<std::string>& calls =
        table.calls[static_cast<std::size_t>(row)][static_cast<std::size_t>(column)];
    if (calls.empty()) return;
    QDialog list(this);
    list.setWindowTitle(FromCore(table.multies[static_cast<std::size_t>(row)]) + " - " +
                        Table(tab)->horizontalHeaderItem(column + 1)->text());
    auto* view = new QListWidget;
    for (const std::string& call : calls) view->addItem(FromCore(call));
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close);
    buttons->button(QDialogButtonBox::Close)->setText(LSCaption(dlg::lsClose));
    connect(buttons, &QDialogButtonBox::rejected, &list, &QDialog::reject);
    auto* layout = new QVBoxLayout(&list);
    layout->addWidget(view);
    layout->addWidget(buttons);
    list.exec();
}

}  // namespace qz::gui
