#include "gui/printing.h"

#include <QAbstractItemModel>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPrinter>
#include <QTableView>
#include <QTextBlock>
#include <algorithm>

namespace qz::gui {

namespace {

// The text may grow up to this factor over its size on the screen when a narrow grid
// is spread over the page, and shrinks at most to the lower one for a wide grid.
constexpr double kMaxFontGrowth = 1.5;
constexpr double kMinFontShrink = 0.5;

// Paints `count` lines of `lineHeight` into the page area, starting a new page when the
// next line would not fit. `paint(i, y)` draws line i with its top at y.
template <typename NewPage, typename PaintLine, typename PaintHead>
void PaintPages(const QRect& page, int count, int lineHeight, NewPage newPage, PaintHead paintHead, PaintLine paint) {
    int y = paintHead();
    for (int i = 0; i < count; ++i) {
        if (y + lineHeight > page.height()) {
            newPage();
            y = paintHead();
        }
        paint(i, y);
        y += lineHeight;
    }
}

}  // namespace

void PaintGrid(const QTableView& grid, QPainter& painter, const std::function<void()>& newPage) {
    const QAbstractItemModel* model = grid.model();
    if (model == nullptr || !painter.isActive()) return;
    const int columns = model->columnCount();
    int viewWidth = 0;
    for (int c = 0; c < columns; ++c) viewWidth += grid.columnWidth(c);
    const QRect page = painter.viewport();
    // Column widths are screen pixels, the page is in device pixels (a printer has some
    // 600 to 1200 per inch): the columns are spread over the whole page width, the text
    // follows as far as it stays readable.
    const double scale = viewWidth > 0 ? double(page.width()) / viewWidth : 1.0;
    const double deviceToScreen = double(painter.device()->logicalDpiX()) / std::max(1, grid.logicalDpiX());
    QFont font = grid.font();
    font.setPointSizeF(font.pointSizeF() * std::clamp(scale / deviceToScreen, kMinFontShrink, kMaxFontGrowth));
    painter.setFont(font);
    const int lineHeight = painter.fontMetrics().height() * 6 / 5;
    std::vector<int> left(static_cast<std::size_t>(columns) + 1, 0);
    for (int c = 0; c < columns; ++c)
        left[static_cast<std::size_t>(c) + 1] = left[static_cast<std::size_t>(c)] + int(grid.columnWidth(c) * scale);
    const int padding = painter.fontMetrics().horizontalAdvance(' ') / 2;
    auto cellRect = [&](int c, int y) {
        return QRect(left[static_cast<std::size_t>(c)] + padding, y,
                     left[static_cast<std::size_t>(c) + 1] - left[static_cast<std::size_t>(c)] - 2 * padding,
                     lineHeight);
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
        return lineHeight + lineHeight / 5;
    };
    PaintPages(page, model->rowCount(), lineHeight, newPage, paintHead, [&](int row, int y) {
        for (int c = 0; c < columns; ++c) {
            const QModelIndex index = model->index(row, c);
            const auto align = model->data(index, Qt::TextAlignmentRole);
            painter.drawText(cellRect(c, y), align.isValid() ? align.toInt() : int(Qt::AlignLeft | Qt::AlignVCenter),
                             model->data(index, Qt::DisplayRole).toString());
        }
    });
}

void PrintGrid(const QTableView& grid, QPrinter& printer) {
    QPainter painter(&printer);
    PaintGrid(grid, painter, [&printer] { printer.newPage(); });
}

void PrintText(const QPlainTextEdit& memo, QPrinter& printer) {
    QPainter painter(&printer);
    if (!painter.isActive()) return;
    painter.setFont(memo.font());
    const int lineHeight = painter.fontMetrics().height();
    const QTextDocument* document = memo.document();
    PaintPages(
        painter.viewport(), document->blockCount(), lineHeight, [&printer] { printer.newPage(); }, [] { return 0; },
        [&](int i, int y) {
            QString line = document->findBlockByNumber(i).text();
            line.remove('\r');
            painter.drawText(QPoint(0, y + painter.fontMetrics().ascent()), line);
        });
}

}  // namespace qz::gui
