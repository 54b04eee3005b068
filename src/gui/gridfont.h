// The font of every editor grid: the three stored font settings (size, name, style)
// applied to a grid, and the main window's font command that changes them.
#pragma once

#include <QFont>

#include "base/options.h"

class QTableView;

namespace qz::gui {

class TMainForm;

// The stored font as a Qt font; the default record ("MS Sans Serif", 8) stands for the
// desktop's own font, which the grids keep then.
bool GridFontIsDefault(const TSlimmedFont& font);
QFont GridFont(const TSlimmedFont& font);
TSlimmedFont SlimmedFont(const QFont& font);

// Gives `grid` the stored font (unless it is the default) and rows of its height.
void ApplyGridFont(QTableView& grid, const TSlimmedFont& font);

// acOptionsFont: the font dialog preset with the grid font; on OK the font is stored
// in the settings and applied to every open editor, whose grids are rebuilt.
void ChooseGridFont(TMainForm& window);

}  // namespace qz::gui
