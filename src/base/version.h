// The program's own version and the comparison of version numbers.
#pragma once

#include <string>
#include <string_view>

#include "domain/defs.h"

namespace qz {

enum TIntegerCompareResult { icrLess, icrEquals, icrGreater };

// Version record of the program (the fields a version resource carries).
struct TVersionInfo {
    std::string FFileName;
    std::string FLanguageCodepage = "040904E4";
    std::string FCompanyName = "Quorvel";
    std::string FFileDescription = "QZ contest log tool";
    std::string FTextFileVersion = "4.10.0.0";
    std::string FInternalName = "qz";
    std::string FLegalCopyright;
    std::string FLegalTradeMarks;
    std::string FOriginalFileName = "qz";
    std::string FProductName = "QZ";
    std::string FProductVersion = "4.10";
    std::string FComments;

    // Four decimal numbers separated by "."; all 0 for an empty text.
    TNumVersion NumFileVersion() const;
    // Compares `another` with this file's version number by number and answers at the
    // first difference: icrGreater when the other number is greater.
    TIntegerCompareResult CompareWith(const TNumVersion& another) const;
};

TNumVersion ParseNumVersion(std::string_view text);
TIntegerCompareResult CompareVersions(const TNumVersion& own, const TNumVersion& another);
TNumVersion ProgramVersion();
std::string ProgramVersionText();  // "4.10.0.0"
std::string ProductVersion();      // "4.10"

}  // namespace qz
