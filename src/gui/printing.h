// Printing the editor's grid and output windows on a printer or into a preview.
#pragma once

class QPainter;
class QPlainTextEdit;
class QPrinter;
class QTableView;

namespace qz::gui {

// The rows of the grid's model, column titles repeated at the top of each page; the
// columns keep the proportions of the view, scaled down to the page width when wider.
void PrintGrid(const QTableView& grid, QPrinter& printer);
// The lines of an output window in its font, without wrapping.
void PrintText(const QPlainTextEdit& memo, QPrinter& printer);

}  // namespace qz::gui
