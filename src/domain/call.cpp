// Callsign lookup and the analysis of operating-condition suffixes.
#include "domain/call.h"

#include <algorithm>

#include "base/text.h"

namespace qz {

namespace {

// The first three "/"-separated parts; further parts are ignored.
struct TCallParts {
    std::string_view part[3];
    explicit TCallParts(std::string_view call) {
        std::size_t start = 0;
        for (auto& p : part) {
            if (start > call.size()) break;
            std::size_t slash = call.find('/', start);
            if (slash == std::string_view::npos) {
                p = call.substr(start);
                break;
            }
            p = call.substr(start, slash - start);
            start = slash + 1;
        }
    }
};

TCallExtension ExtensionOf(std::string_view part) {
    if (part.size() == 1) {
        switch (UpCase(part[0])) {
            case 'P': return eP;
            case 'M': return eM;
            case 'N': return eNov;
            case 'T': return eTec;
            case 'J': return eJOTA;
            case 'A': return eAlternative;
            case 'D': return eD;
            default: return eNo;
        }
    }
    if (part.size() == 2) {
        if (SameText(part, "MM")) return eMM;
        if (SameText(part, "AM")) return eAM;
    }
    return eNo;
}

}  // namespace

TCall::TCall(std::string_view call, const TCtyStuff* cty) : FCtyStuff(cty) {
    FCall = UpperCase(call);
    FPrefixRec = FCtyStuff ? FCtyStuff->fCty(FCall) : nullptr;
}

void TCall::SetCall(std::string_view call) {
    if (call.size() == FCall.size() &&
        std::equal(call.begin(), call.end(), FCall.begin(), [](char c, char up) { return UpCase(c) == up; }))
        return;
    FCall.assign(call);
    for (char& c : FCall) c = UpCase(c);
    FPrefixRec = FCtyStuff ? FCtyStuff->fCty(FCall) : nullptr;
}

void TCall::SetCtyStuff(const TCtyStuff* cty) {
    FCtyStuff = cty;
    FPrefixRec = FCtyStuff ? FCtyStuff->fCty(FCall) : nullptr;
}

std::string TCall::CtyName() const { return FPrefixRec ? FPrefixRec->prName : std::string(); }
std::string TCall::CtyMasterPrefix() const { return FPrefixRec ? FPrefixRec->prMasterPrefix : std::string(); }
bool TCall::CtyIsWAE() const { return FPrefixRec && FPrefixRec->prIsWAE; }
std::uint8_t TCall::CQZone() const { return FPrefixRec ? FPrefixRec->prCQZone : 0; }
std::uint8_t TCall::ITUZone() const { return FPrefixRec ? FPrefixRec->prITUZone : 0; }
TContinent TCall::Continent() const { return FPrefixRec ? FPrefixRec->prContinent : coInvalid; }

std::string TCall::Prefix() const { return TCtyStuff::Prefix_(CallRelevantPart(FCall)); }
std::string TCall::RelevantPart() const { return CallRelevantPart(FCall); }
std::string TCall::District() const {
    return FPrefixRec ? CallDistrict(FCall, FPrefixRec->prMasterPrefix) : std::string();
}
int TCall::CallArea() const { return CallAreaOf(FCall); }

std::string TCall::PureCall() const {
    TCallParts p(FCall);
    for (int i = 0; i < 3; ++i) {
        std::size_t n = p.part[i].size();
        if (n > p.part[(i + 1) % 3].size() && n > p.part[(i + 2) % 3].size()) return std::string(p.part[i]);
    }
    return {};
}

TCallExtension TCall::Extension() const {
    TCallParts p(FCall);
    TCallExtension ext = ExtensionOf(p.part[1]);
    return ext != eNo ? ext : ExtensionOf(p.part[2]);
}

bool TCall::IsPortableEx(TCallExtension& ext) const {
    ext = Extension();
    return ext == eP || ext == eM || ext == eMM;
}
bool TCall::IsPortable() const {
    TCallExtension ext;
    return IsPortableEx(ext);
}
bool TCall::IsMaritmeMobileEx(TCallExtension& ext) const {
    ext = Extension();
    return ext == eMM;
}
bool TCall::IsMaritmeMobile() const { return Extension() == eMM; }
bool TCall::IsMobile() const { return Extension() == eM; }
bool TCall::IsNoviceOrTechnicanEx(TCallExtension& ext) const {
    ext = Extension();
    return ext == eNov || ext == eTec;
}
bool TCall::IsNoviceOrTechnican() const {
    TCallExtension ext;
    return IsNoviceOrTechnicanEx(ext);
}
bool TCall::IsAlternativeOrD() const {
    TCallExtension ext = Extension();
    return ext == eAlternative || ext == eD;
}

}  // namespace qz
