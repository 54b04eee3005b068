// The arrangement commands of the Window menu for the log windows in the main window's
// multiple-document area. Cascading is the area's own; the others are here.
#pragma once

class QMdiArea;

namespace qz::gui {

// The windows that are not minimised, each the area's full width, one above the other.
void TileHorizontally(QMdiArea& area);
// The same side by side, each the area's full height.
void TileVertically(QMdiArea& area);
void MinimizeAll(QMdiArea& area);
// The minimised windows in rows along the bottom edge, left to right.
void ArrangeIcons(QMdiArea& area);

}  // namespace qz::gui
