// The font of every editor grid and the font of every output window: each stored as
// three settings (size, name, style), applied to the grids or output windows, and the
// main window's font commands that change them.
#pragma once

#include <QFont>

#include "base/options.h"

class QTableView;

namespace qz::gui {

class TMainForm;
class TQZEditor;

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

// Gives the editor's output windows the stored output font; the default record stands
// for the desktop's fixed-width font, which they have then.
void ApplyOutputFont(TQZEditor& editor, const TSlimmedFont& font);
// acOutputFontDialog: the font dialog preset with the output font; on OK the font is
// stored in the settings and given to the output windows of every open editor.
void ChooseOutputFont(TMainForm& window);

}  // namespace qz::gui
