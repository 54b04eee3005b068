// Rule helpers shared by several contest families.
#include "contests/rulehelpers.h"

#include "base/language.h"
#include "base/lsnumbers.h"
#include "base/text.h"

namespace qz {

bool SameCountry(const TCall& a, const TCall& b) { return a.CtyMasterPrefix() == b.CtyMasterPrefix(); }

bool SameContinent(const TCall& a, const TCall& b) { return a.Continent() == b.Continent(); }

std::string CQZoneCandidate(const TContestLog& log, int index, const std::string& text) {
    std::int32_t zone;
    if (!TryStrToInt(text, zone)) {
        log.AddMessage(LS(lsInvalidZone) + ": " + text, index);
        return {};
    }
    if (zone < 1 || zone > 40) {
        log.AddMessage(Format("%s: %d", LS(lsInvalidZone).c_str(), zone), index);
        return {};
    }
    return Format("%.2d", zone);
}

std::string ITUZoneCandidate(const TContestLog& log, int index, const std::string& text) {
    std::int32_t zone;
    if (!TryStrToInt(text, zone) || zone < 1 || zone > 75) {
        log.AddMessage(Format("%s: %s", LS(lsInvalidZone).c_str(), text.c_str()), index);
        return {};
    }
    return Format("%.2d", zone);
}

bool SameCallRcvdNumber(const TContestLog& log, int qsoIndex, int numberIndex, std::vector<std::string>& list,
                        std::string& result, bool ignoreCase) {
    const TQSO* q = log.QSOs(qsoIndex);
    if (!q || q->Call().Call().empty()) return false;
    const std::string& call = q->Call().Call();
    for (int j = 0; j < qsoIndex; ++j) {
        const TQSO* o = log.QSOs(j);
        if (ignoreCase ? SameText(o->Call().Call(), call) : o->Call().Call() == call) {
            result = o->RcvdNumbers(numberIndex);
            list.assign(1, result);
            return true;
        }
    }
    return false;
}

bool ZoneSuggestion(const TCall& call, TZone zone, std::vector<std::string>& list, std::string& result) {
    const TCtyStuff* cty = call.CtyStuff();
    const std::vector<std::string>* zones = cty ? cty->GetZones(call.CtyMasterPrefix(), zone) : nullptr;
    if (!zones) return false;
    list = *zones;
    result = Format("%.2d", zone == zCQ ? call.CQZone() : call.ITUZone());
    return true;
}

std::string CallBandModeDupeKey(const TContestLog& log, int index) {
    const TQSO* q = log.QSOs(index);
    if (!q) return {};
    std::string key = q->Call().Call();
    key += '\x01';
    key += static_cast<char>('A' + q->Band());
    key += static_cast<char>('A' + q->Mode());
    return key;
}

std::string IOTAReference(std::string_view text) {
    if (text.size() <= 2) return {};
    const std::string continent = UpperCase(text.substr(0, 2));
    bool known = false;
    for (int c = coAF; c < coInvalid; ++c) known = known || continent == ContinentNames[static_cast<std::size_t>(c)];
    if (!known) return {};
    // The number follows the "-", which may be left out.
    std::string_view number = text.substr(text[2] == '-' ? 3 : 2);
    std::int32_t n;
    if (!TryStrToInt(number, n) || n < 1 || n > 999) return {};
    return Format("%s-%.3d", continent.c_str(), n);
}

}  // namespace qz
