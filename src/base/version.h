// The program's own version and the comparison of version numbers.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "base/buildversion.h"

namespace qz {

// A version number of four parts, as stored in file headers.
struct TNumVersion {
    std::int32_t MainVersion = 0;
    std::int32_t SubVersion = 0;
    std::int32_t Release = 0;
    std::int32_t Compilation = 0;
    bool operator==(const TNumVersion&) const = default;
};

enum TIntegerCompareResult { icrLess, icrEquals, icrGreater };

// Version record of the program (the fields a version resource carries).
struct TVersionInfo {
    std::string FFileName;
    std::string FLanguageCodepage = "040904E4";
    std::string FCompanyName = "Quorvel";
    std::string FFileDescription = "QZ contest log tool";
    std::string FTextFileVersion = QZ_VERSION_TEXT;
    std::string FInternalName = "qz";
    std::string FLegalCopyright;
    std::string FLegalTradeMarks;
    std::string FOriginalFileName = "qz";
    std::string FProductName = "QZ";
    std::string FProductVersion = QZ_PRODUCT_VERSION_TEXT;
    std::string FComments;

    // Four decimal numbers separated by "."; all 0 for an empty text.
    TNumVersion NumFileVersion() const;
    // Compares `another` with this file's version number by number and answers at the
    // first difference: icrGreater when the other number is greater.
    TIntegerCompareResult CompareWith(const TNumVersion& another) const;
};

TNumVersion ParseNumVersion(std::string_view text);
TIntegerCompareResult CompareVersions(const TNumVersion& own, const TNumVersion& another);
// The version of this build, taken from the project version (base/buildversion.h).
TNumVersion ProgramVersion();
std::string ProgramVersionText();  // all four parts: "4.10.0.0"
std::string ProductVersion();      // the first two: "4.10"

}  // namespace qz
