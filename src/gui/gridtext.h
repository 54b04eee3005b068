// What the editor grid shows, without any window: the text of a cell, the title of a
// column, the width a column starts with, and the column layout stored with the log.
#pragma once

#include <string>
#include <vector>

#include "engine/contestlog.h"

namespace qz {

// The text of line `row` (from 0) in column `col`; the mark column is empty (the view
// draws the selection itself).
std::string GridCellText(const TContestLog& log, int col, int row);
// The column's title; a multiplier column gets " " + language string 73.
std::string GridColumnTitle(const TContestLog& log, int col);
// The width stored in the header for the column's property and array index, else the
// default width of its property.
int GridColumnWidth(const TContestLog& log, int col);
// A text as wide as the widest value a column must show without cutting from the
// start, before any line holds it: a 10-character call, a 6-character exchange, a whole
// date; empty for the other columns.
std::string GridColumnSampleText(TColumnProperty property);
// Stores the columns with their widths (in grid order) into the log's header.
void StoreGridLayout(TContestLog& log, const std::vector<int>& widths);

}  // namespace qz

namespace qz {

// Writes `text` into line `q` as column `col` of `log` shows it, through the line's
// checked setters ("25.Nov.2023" or "25.11.2023" for a date). False when the text is
// not accepted (the line may then be partly changed: callers work on a copy) or the
// column holds no value that can be typed (number, mark, multiplier, points, flags).
bool SetGridCellText(const TContestLog& log, int col, TQSO& q, const std::string& text);
// Whether a column holds a value the user can type.
bool GridColumnEditable(const TContestLog& log, int col);

}  // namespace qz
