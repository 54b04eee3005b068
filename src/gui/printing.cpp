#include "gui/printing.h"

#include <QAbstractItemModel>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPrinter>
#include <QTableView>
#include <QTextBlock>

namespace qz::gui {

namespace {

// Paints `count` lines of `lineHeight` into the page area, starting a new page when the
// next line would not fit. `paint(i, y)` draws line i with its top at y.
template <typename PaintLine, typename PaintHead>
void PaintPages(QPainter& painter, QPrinter& printer, int count, int lineHeight, PaintHead paintHead, PaintLine paint) {
    const QRect page = painter.viewport();
    int y = paintHead();
    for (int i = 0; i < count; ++i) {
        if (y + lineHeight > page.height()) {
            printer.newPage();
            y = paintHead();
        }
        paint(i, y);
        y += lineHeight;
    }
}

}  // namespace

void PrintGrid(const QTableView& grid, QPrinter& printer) {
    const QAbstractItemModel* model = grid.model();
    if (model == nullptr) return;
    QPainter painter(&printer);
    if (!painter.isActive()) return;
    const int columns = model->columnCount();
    int viewWidth = 0;
    for (int c = 0; c < columns; ++c) viewWidth += grid.columnWidth(c);
    const QRect page = painter.viewport();
    const double scale = viewWidth > page.width() && viewWidth > 0 ? double(page.width()) / viewWidth : 1.0;
    QFont font = grid.font();
    font.setPointSizeF(font.pointSizeF() * std::max(0.6, scale));
    painter.setFont(font);
    const int lineHeight = painter.fontMetrics().height() + 2;
    std::vector<int> left(static_cast<std::size_t>(columns) + 1, 0);
    for (int c = 0; c < columns; ++c)
        left[static_cast<std::size_t>(c) + 1] = left[static_cast<std::size_t>(c)] + int(grid.columnWidth(c) * scale);
    auto cellRect = [&](int c, int y) {
        return QRect(left[static_cast<std::size_t>(c)] + 2, y,
                     left[static_cast<std::size_t>(c) + 1] - left[static_cast<std::size_t>(c)] - 4, lineHeight);
    };
    auto paintHead = [&] {
        QFont bold = font;
        bold.setBold(true);
        painter.setFont(bold);
        for (int c = 0; c < columns; ++c)
            painter.drawText(cellRect(c, 0), Qt::AlignLeft | Qt::AlignVCenter,
                             model->headerData(c, Qt::Horizontal, Qt::DisplayRole).toString());
        painter.setFont(font);
        painter.drawLine(0, lineHeight, left.back(), lineHeight);
        return lineHeight + 2;
    };
    PaintPages(painter, printer, model->rowCount(), lineHeight, paintHead, [&](int row, int y) {
        for (int c = 0; c < columns; ++c) {
            const QModelIndex index = model->index(row, c);
            const auto align = model->data(index, Qt::TextAlignmentRole);
            painter.drawText(cellRect(c, y), align.isValid() ? align.toInt() : int(Qt::AlignLeft | Qt::AlignVCenter),
                             model->data(index, Qt::DisplayRole).toString());
        }
    });
}

void PrintText(const QPlainTextEdit& memo, QPrinter& printer) {
    QPainter painter(&printer);
    if (!painter.isActive()) return;
    painter.setFont(memo.font());
    const int lineHeight = painter.fontMetrics().height();
    const QTextDocument* document = memo.document();
    PaintPages(
        painter, printer, document->blockCount(), lineHeight, [] { return 0; },
        [&](int i, int y) {
            QString line = document->findBlockByNumber(i).text();
            line.remove('\r');
            painter.drawText(QPoint(0, y + painter.fontMetrics().ascent()), line);
        });
}

}  // namespace qz::gui
