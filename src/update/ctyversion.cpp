#include "update/ctyversion.h"

#include <memory>

#include "base/datetime.h"
#include "base/text.h"
#include "domain/cty.h"

namespace qz {

std::int32_t CtyRelease(std::string_view text) {
    std::size_t pos = 0;
    while (pos < text.size()) {
        std::size_t end = text.find_first_of("\r\n", pos);
        if (end == std::string_view::npos) end = text.size();
        const std::string_view line = text.substr(pos, end - pos);
        pos = end + 1;
        const std::size_t mark = line.find("CTY-");
        if (line.empty() || line[0] != '#' || mark == std::string_view::npos) continue;
        // Only the first such line counts, whatever it holds.
        std::int64_t value = 0;
        std::size_t digits = 0;
        for (std::size_t i = mark + 4; i < line.size() && IsDigit(line[i]) && digits < 9; ++i, ++digits)
            value = value * 10 + (line[i] - '0');
        return digits > 0 ? static_cast<std::int32_t>(value) : -1;
    }
    return -1;
}

TCtyVersion CtyVersionOf(std::string_view text, const TCtyStuff& parsed) {
    return {CtyRelease(text), parsed.Version()};
}

TCtyVersion CtyVersionOf(std::string_view text) {
    const std::unique_ptr<TCtyStuff> parsed = TCtyStuff::FromText(text);
    return CtyVersionOf(text, *parsed);
}

namespace {

template <typename T>
TCtyVersionOrder Order(const T& installed, const T& offered) {
    if (offered < installed) return TCtyVersionOrder::Older;
    return offered == installed ? TCtyVersionOrder::Same : TCtyVersionOrder::Newer;
}

// Dates of the same length compare as text; a longer run of digits is a later date.
std::pair<std::size_t, std::string_view> DateKey(const std::string& date) { return {date.size(), date}; }

}  // namespace

TCtyVersionOrder CompareCtyVersions(const TCtyVersion& installed, const TCtyVersion& offered) {
    if (installed.release >= 0 && offered.release >= 0) return Order(installed.release, offered.release);
    if (!installed.date.empty() && !offered.date.empty()) return Order(DateKey(installed.date), DateKey(offered.date));
    if (!installed.Known() && offered.Known()) return TCtyVersionOrder::Newer;
    return TCtyVersionOrder::Unknown;
}

bool CtyDateTooFarAhead(const TCtyVersion& version, double today) {
    constexpr std::size_t kDigits = 8;  // YYYYMMDD
    if (version.date.size() != kDigits) return version.date.size() > kDigits;
    const CivilDate d = DecodeDate(today);
    const std::string limit = ZeroPadded(d.year + 1, 4) + ZeroPadded(d.month, 2) + ZeroPadded(d.day, 2);
    return version.date > limit;
}

std::string CtyVersionText(const TCtyVersion& version) {
    std::string text;
    if (version.release >= 0) text = "CTY-" + std::to_string(version.release);
    if (!version.date.empty()) text += (text.empty() ? "VER" : ", VER") + version.date;
    return text.empty() ? "unknown" : text;
}

}  // namespace qz
