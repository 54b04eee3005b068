// Rule helpers shared by several contest families.
#include "contests/framework/rulehelpers.h"

#include <algorithm>
#include <optional>

#include "base/language.h"
#include "base/lsnumbers.h"
#include "base/text.h"
#include "reflists/amiallocationtable.h"
#include "reflists/miscallocationtable.h"

namespace qz {

bool SameCountry(const TCall& a, const TCall& b) { return a.CtyMasterPrefix() == b.CtyMasterPrefix(); }

bool SameContinent(const TCall& a, const TCall& b) { return a.Continent() == b.Continent(); }

bool IsOneOf(std::string_view masterPrefix, std::initializer_list<std::string_view> prefixes) {
    return std::find(prefixes.begin(), prefixes.end(), masterPrefix) != prefixes.end();
}

std::int32_t RelationPoints(const TCall& own, const TCall& worked, std::int32_t sameCountry, std::int32_t sameContinent,
                            std::int32_t sameContinentNA, std::int32_t otherContinent) {
    if (SameCountry(own, worked)) return sameCountry;
    if (SameContinent(own, worked)) return own.Continent() == coNA ? sameContinentNA : sameContinent;
    return otherContinent;
}

std::string RangeCandidate(const TContestLog& log, int index, const std::string& text, int low, int high,
                           int messageIndex) {
    std::int32_t value;
    if (!TryStrToInt(text, value)) {
        log.AddMessage(LS(messageIndex) + ": " + text, index);
        return {};
    }
    if (value < low || value > high) {
        log.AddMessage(Format("%s: %d", LS(messageIndex).c_str(), value), index);
        return {};
    }
    return ZeroPadded(value, 2);
}

std::string CQZoneCandidate(const TContestLog& log, int index, const std::string& text) {
    return RangeCandidate(log, index, text, 1, 40, lsInvalidZone);
}

std::string ITUZoneCandidate(const TContestLog& log, int index, const std::string& text) {
    std::int32_t zone;
    if (!TryStrToInt(text, zone) || zone < 1 || zone > 75) {
        log.AddMessage(Format("%s: %s", LS(lsInvalidZone).c_str(), text.c_str()), index);
        return {};
    }
    return ZeroPadded(zone, 2);
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

bool HomeStationRcvdNumber(const TContestLog& log, int qsoIndex, int numberIndex, std::vector<std::string>& list,
                           std::string& result) {
    if (SameCallRcvdNumber(log, qsoIndex, numberIndex, list, result)) return true;
    const TMiscAllocationTable* table = log.MiscAllocationTable();
    auto items = table ? table->GetAllMainItems() : std::nullopt;
    if (!items || items->empty()) return false;
    list = std::move(*items);
    result.clear();
    return true;
}

bool ZoneSuggestion(const TCall& call, TZone zone, std::vector<std::string>& list, std::string& result) {
    const TCtyStuff* cty = call.CtyStuff();
    const std::vector<std::string>* zones = cty ? cty->GetZones(call.CtyMasterPrefix(), zone) : nullptr;
    if (!zones) return false;
    list = *zones;
    result = ZeroPadded(zone == zCQ ? call.CQZone() : call.ITUZone(), 2);
    return true;
}

std::string MainItemOfCall(const TAmiAllocationTable* table, const TCall& call) {
    if (!table) return {};
    std::string item = table->GetMainItem(call.Prefix(), false);
    return item.empty() ? table->GetMainItem(call.District(), false) : item;
}

bool StateSuggestion(const TAmiAllocationTable* table, const TCall& call, std::vector<std::string>& list,
                     std::string& result) {
    const std::string master = call.CtyMasterPrefix();
    if (master != "K" && master != "VE") return false;
    list.clear();
    result.clear();
    if (!table) return true;
    if (master == "K") {
        if (auto items = table->GetMainItemsFromCallArea(call.CallArea()); items && !items->empty()) {
            list = std::move(*items);
            result = list.front();
        }
        return true;
    }
    std::string province = MainItemOfCall(table, call);
    if (!province.empty()) {
        list.assign(1, province);
        result = province;
    }
    return true;
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
