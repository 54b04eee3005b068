#include "cli/table.h"

#include <algorithm>

#include "base/encoding.h"
#include "base/text.h"

namespace qz::cli {

namespace {
// Width on screen of Windows-1252 text: one column per byte.
std::size_t Width(const std::string& s) { return s.size(); }
}  // namespace

std::string TTable::Render(bool tsv) const {
    std::string out;
    auto emit = [&](const std::vector<std::string>& row, const std::vector<std::size_t>& widths) {
        for (std::size_t i = 0; i < row.size(); ++i) {
            if (tsv) {
                if (i) out += '\t';
                out += EscapedControls(row[i], true);
                continue;
            }
            bool right = std::find(right_.begin(), right_.end(), i) != right_.end();
            std::size_t pad = widths[i] > Width(row[i]) ? widths[i] - Width(row[i]) : 0;
            if (i) out += "  ";
            if (right) out += std::string(pad, ' ');
            out += row[i];
            if (!right && i + 1 < row.size()) out += std::string(pad, ' ');
        }
        out += '\n';
    };
    std::vector<std::size_t> widths(header_.size(), 0);
    for (std::size_t i = 0; i < header_.size(); ++i) widths[i] = Width(header_[i]);
    for (const auto& r : rows_)
        for (std::size_t i = 0; i < r.size() && i < widths.size(); ++i) widths[i] = std::max(widths[i], Width(r[i]));
    emit(header_, widths);
    for (const auto& r : rows_) emit(r, widths);
    return out;
}

}  // namespace qz::cli
