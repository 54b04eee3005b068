// Prints rows either as an aligned table (for a person at a terminal) or as
// tab-separated values (for scripts).
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "base/text.h"

namespace qz::cli {

class TTable {
public:
    explicit TTable(std::vector<std::string> header) : header_(std::move(header)) {}
    void AddRow(std::vector<std::string> row) { rows_.push_back(std::move(row)); }
    // Columns whose index is listed are right-aligned in the aligned form.
    void RightAlign(std::vector<std::size_t> columns) { right_ = std::move(columns); }
    // As tab-separated values every field goes through EscapedControls (backslash
    // included): a file name with a tab or a line end cannot break the row.
    std::string Render(bool tsv) const;

private:
    std::vector<std::string> header_;
    std::vector<std::vector<std::string>> rows_;
    std::vector<std::size_t> right_;
};

}  // namespace qz::cli
