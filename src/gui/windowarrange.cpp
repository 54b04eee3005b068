#include "gui/windowarrange.h"

#include <QMdiArea>
#include <QMdiSubWindow>

namespace qz::gui {

namespace {

QList<QMdiSubWindow*> OpenWindows(const QMdiArea& area) {
    QList<QMdiSubWindow*> open;
    for (QMdiSubWindow* sub : area.subWindowList())
        if (!sub->isMinimized() && !sub->isHidden()) open << sub;
    return open;
}

// Splits the area into equal strips, one per open window, across or down.
void Tile(QMdiArea& area, bool stacked) {
    const QList<QMdiSubWindow*> windows = OpenWindows(area);
    if (windows.isEmpty()) return;
    const QRect space = area.viewport()->rect();
    const int n = static_cast<int>(windows.size());
    const int length = stacked ? space.height() : space.width();
    for (int i = 0; i < n; ++i) {
        const int from = length * i / n, to = length * (i + 1) / n;
        QMdiSubWindow* sub = windows[i];
        // A maximised window keeps its maximised geometry until it is shown normally.
        if (sub->isMaximized()) sub->showNormal();
        sub->setGeometry(stacked ? QRect(0, from, space.width(), to - from)
                                 : QRect(from, 0, to - from, space.height()));
    }
}

}  // namespace

void TileHorizontally(QMdiArea& area) { Tile(area, true); }

void TileVertically(QMdiArea& area) { Tile(area, false); }

void MinimizeAll(QMdiArea& area) {
    for (QMdiSubWindow* sub : area.subWindowList()) sub->showMinimized();
    ArrangeIcons(area);
}

void ArrangeIcons(QMdiArea& area) {
    const QRect space = area.viewport()->rect();
    int x = 0, bottom = space.bottom() + 1;
    for (QMdiSubWindow* sub : area.subWindowList()) {
        if (!sub->isMinimized()) continue;
        const QSize size = sub->size();
        if (x > 0 && x + size.width() > space.width()) {
            x = 0;
            bottom -= size.height();
        }
        sub->move(x, bottom - size.height());
        x += size.width();
    }
}

}  // namespace qz::gui
