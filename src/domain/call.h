// A callsign together with its country lookup and the analysis of its "/" additions.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "domain/cty.h"
#include "domain/defs.h"

namespace qz {

// Small enough to be copied by value (one per log line): the call and two pointers.
// The country data is not owned and must outlive the call.
class TCall {
public:
    TCall() = default;
    TCall(std::string_view call, const TCtyStuff* cty);

    // The call, always upper case.
    const std::string& Call() const { return FCall; }
    // Stores the upper-cased call; looks it up again only when the text changes.
    void SetCall(std::string_view call);
    // Binds to other country data (may be nullptr) and looks the call up again.
    void SetCtyStuff(const TCtyStuff* cty);
    const TCtyStuff* CtyStuff() const { return FCtyStuff; }
    // The country record found for the call, or nullptr.
    const TPrefixRec* PrefixRec() const { return FPrefixRec; }

    // Country data of the record; empty, false, 0 or coInvalid without one.
    std::string CtyName() const;
    std::string CtyMasterPrefix() const;
    bool CtyIsWAE() const;
    std::uint8_t CQZone() const;
    std::uint8_t ITUZone() const;
    TContinent Continent() const;

    // WPX prefix of the relevant part.
    std::string Prefix() const;
    std::string RelevantPart() const;
    // Country-plus-call-area code; empty without a country record.
    std::string District() const;
    int CallArea() const;
    // Of the up to three "/"-separated parts the one strictly longer than both others;
    // empty when no part is.
    std::string PureCall() const;

    // The operating-condition suffix: the second "/" part, else the third.
    TCallExtension Extension() const;
    bool IsPortable() const;  // /P, /M or /MM
    bool IsPortableEx(TCallExtension& ext) const;
    bool IsMaritmeMobile() const;  // /MM
    bool IsMaritmeMobileEx(TCallExtension& ext) const;
    bool IsMobile() const;             // /M
    bool IsNoviceOrTechnican() const;  // /N or /T
    bool IsNoviceOrTechnicanEx(TCallExtension& ext) const;
    bool IsAlternativeOrD() const;  // /A or /D

private:
    std::string FCall;
    const TPrefixRec* FPrefixRec = nullptr;
    const TCtyStuff* FCtyStuff = nullptr;
};

}  // namespace qz
