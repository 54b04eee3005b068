// Printing the editor's grid and output windows on a printer or into a preview.
#pragma once

#include <functional>

class QPainter;
class QPlainTextEdit;
class QPrinter;
class QTableView;

namespace qz::gui {

// The rows of the grid's model, column titles repeated at the top of each page; the
// columns keep the proportions of the view and fill the page width, the text size
// follows within readable limits. `painter` is active on the page's device;
// `newPage` starts the next page.
void PaintGrid(const QTableView& grid, QPainter& painter, const std::function<void()>& newPage);
// PaintGrid on a printer or a preview.
void PrintGrid(const QTableView& grid, QPrinter& printer);
// The lines of an output window in its font, without wrapping.
void PrintText(const QPlainTextEdit& memo, QPrinter& printer);

}  // namespace qz::gui
