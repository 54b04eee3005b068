// The drop-down list of a cell's list editor: as wide as its longest entry, even where
// the cell is narrower.
#pragma once

class QComboBox;

namespace qz::gui {

// Sets the minimum width of `list`'s drop-down view so that every entry shows whole,
// next to a scroll bar. Call after the entries are added.
void FitListPopupToEntries(QComboBox& list);

}  // namespace qz::gui
