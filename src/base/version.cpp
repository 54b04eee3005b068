#include "base/version.h"

#include "base/text.h"

namespace qz {

TNumVersion ParseNumVersion(std::string_view text) {
    TNumVersion v;
    if (Trim(text).empty()) return v;
    auto parts = SplitString(text, '.');
    std::int32_t* fields[4] = {&v.MainVersion, &v.SubVersion, &v.Release, &v.Compilation};
    for (std::size_t i = 0; i < 4 && i < parts.size(); ++i) *fields[i] = StrToIntDef(Trim(parts[i]), 0);
    return v;
}

TIntegerCompareResult CompareVersions(const TNumVersion& own, const TNumVersion& another) {
    const std::int32_t a[4] = {own.MainVersion, own.SubVersion, own.Release, own.Compilation};
    const std::int32_t b[4] = {another.MainVersion, another.SubVersion, another.Release, another.Compilation};
    for (int i = 0; i < 4; ++i) {
        if (b[i] > a[i]) return icrGreater;
        if (b[i] < a[i]) return icrLess;
    }
    return icrEquals;
}

TNumVersion TVersionInfo::NumFileVersion() const { return ParseNumVersion(FTextFileVersion); }

TIntegerCompareResult TVersionInfo::CompareWith(const TNumVersion& another) const {
    return CompareVersions(NumFileVersion(), another);
}

TNumVersion ProgramVersion() {
    return TNumVersion{QZ_VERSION_MAJOR, QZ_VERSION_MINOR, QZ_VERSION_PATCH, QZ_VERSION_TWEAK};
}
std::string ProgramVersionText() { return QZ_VERSION_TEXT; }
std::string ProductVersion() { return QZ_PRODUCT_VERSION_TEXT; }

}  // namespace qz
