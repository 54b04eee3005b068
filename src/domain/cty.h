// Country data from a file in the CTY.DAT layout: which entity, zones and continent a
// call belongs to, plus the call-text helpers the contest rules use (relevant part,
// WPX prefix, call area, district).
#pragma once

#include <cstdint>
#include <deque>
#include <memory>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "domain/defs.h"

namespace qz {

// One prefix or full call of the country file with the data of its entity.
struct TPrefixRec {
    std::string prName;          // country name
    std::string prMasterPrefix;  // primary prefix of the entity, without the "*" mark
    bool prIsWAE = false;        // the primary prefix was marked "*" (counts only for WAE)
    bool prIsFullCall = false;   // written with "=": matches a whole call, never a longer one
    std::string prPrefix;        // the prefix or full call this record matches
    std::uint8_t prCQZone = 0;   // 1..40, 0 = unknown
    std::uint8_t prITUZone = 0;  // 1..75, 0 = unknown
    TContinent prContinent = coInvalid;
};

// One entity, in order of first appearance, with the zones any of its prefixes uses:
// sorted, without duplicates, each written with two digits ("05").
struct TCtyRec {
    std::string crMasterPrefix;
    std::vector<std::string> crCQZones;
    std::vector<std::string> crITUZones;
};

// Country data loaded once; every lookup afterwards is const and may run from several
// threads at once.
class TCtyStuff {
public:
    // Loads the country file `fileName`. A name that does not exist keeps only its file
    // name part and is looked for in the folder of the installed data files ("" means the
    // default country file). When it still does not exist the user is told
    // (ShowErrorMessage) and offered an open dialog; cancelling leaves no data
    // (CtyListCount() == 0).
    explicit TCtyStuff(const std::string& fileName);
    // Parses country data held in memory; `fileName` only names it in LoadError().
    static std::unique_ptr<TCtyStuff> FromText(std::string_view text, std::string fileName = "");

    TCtyStuff(const TCtyStuff&) = delete;
    TCtyStuff& operator=(const TCtyStuff&) = delete;

    // Number of entities loaded; 0 means no country data.
    int CtyListCount() const { return static_cast<int>(FCtyList.size()); }
    const std::vector<TCtyRec>& CtyList() const { return FCtyList; }
    // Number of distinct prefixes and full calls that lookups can find.
    int PrefixCount() const { return static_cast<int>(FKeyCount); }
    // The file actually loaded (or last tried).
    const std::string& FileName() const { return FFileName; }
    // The version the file names in its "=VER" entry (a date such as "20230502"); empty
    // when it names none.
    const std::string& Version() const { return FVersion; }
    // True when the user chose the file in a dialog; the caller stores the new name.
    bool StoreChangedFileName() const { return FStoreChangedFileName; }
    // "" when the whole file was read without a problem; otherwise the first problem,
    // naming the file and line. A broken structure (end of file inside an entry, a zone
    // override that is no number, an over-long token, binary bytes, too many items) ends
    // loading there; what was read before it stays.
    const std::string& LoadError() const { return FLoadError; }
    // True when a broken structure ended loading before the end of the file.
    bool LoadStopped() const { return FLoadStopped; }

    // The record for a call: the whole call as a full-call entry, else the longest
    // leading part of its relevant part; nullptr when none matches or no data is loaded.
    // A full-call entry ("=" in the file) matches the whole call or its whole relevant
    // part only, never a longer call that starts with it (=N0J is not N0JK). Of the
    // calls the file gives to Guantanamo Bay by the prefix KG4 only those with a
    // two-letter suffix (KG4AB, KG4AB/P) stay there; KG4W, KG4IGC are the United States.
    const TPrefixRec* fCty(std::string_view call) const;
    // The part of a call with "/" that decides its country (DL1ABC/P -> DL1ABC,
    // DL1ABC/EA8 -> EA8, W1ABC/4 -> W4, DL1ABC/3 -> DL3).
    std::string RelevanterTeil(std::string_view call) const;
    // WPX-style prefix (DL1ABC -> DL1, LY2000 -> LY2000, RAZZ -> RA0, no letter -> "").
    static std::string Prefix_(std::string_view call);
    // Last digit of the relevant part, 0 when it has none.
    int CallArea(std::string_view call) const;
    // Country-plus-call-area code of `call` in the entity with `masterPrefix`
    // (DL1ABC in DL -> DL1, RA3ABC in UA -> UA3, UA9XYZ in UA9 -> UA9).
    std::string fDistrict(std::string_view call, std::string_view masterPrefix) const;
    // Zones of the entity with this master prefix; nullptr when there is no such entity.
    // The list belongs to this object.
    const std::vector<std::string>* GetZones(std::string_view masterPrefix, TZone zone) const;

private:
    TCtyStuff() = default;
    friend class TCtyParser;

    struct THash {
        using is_transparent = void;
        std::size_t operator()(std::string_view s) const noexcept { return std::hash<std::string_view>{}(s); }
    };
    // Open-addressing table from key to the first record inserted with it.
    struct TSlot {
        const TPrefixRec* rec = nullptr;
        std::uint64_t hash = 0;
    };

    static std::uint64_t KeyHash(std::string_view key);
    // One bit per key in a filter small enough to stay in the cache; the bit is taken
    // from other bits of the hash than the slot.
    static constexpr std::size_t kFilterBits = std::size_t{1} << 19;
    static std::size_t FilterBit(std::uint64_t hash) { return (hash >> 40) & (kFilterBits - 1); }
    const TPrefixRec* Find(std::string_view key) const;
    // The slot holding `key`, or the empty slot where it belongs (the table grows first
    // so that it stays at most half full once the caller fills that slot).
    TSlot& SlotFor(std::string_view key, std::uint64_t hash);
    void Parse(std::string_view text);
    // Drops everything loaded: lookups find nothing, CtyListCount() is 0.
    void Discard();

    std::deque<TPrefixRec> FNodes;          // first record per key; addresses never change
    std::vector<TSlot> FSlots;              // size a power of two, at most half full
    std::vector<std::uint64_t> FKeyFilter;  // kFilterBits bits
    // The longest prefix (not full-call) key that starts with two given characters:
    // a call is looked up only from that length down. Indexed by PairIndex().
    static constexpr std::size_t kPairClasses = 37;  // A-Z, 0-9, anything else
    static std::size_t PairIndex(char first, char second);
    std::vector<std::uint8_t> FLongestPrefix;
    std::size_t FKeyCount = 0;
    std::size_t FMaxKeyLength = 0;
    std::vector<TCtyRec> FCtyList;
    std::unordered_map<std::string, std::size_t, THash, std::equal_to<>> FCtyIndex;
    std::string FFileName;
    std::string FVersion;
    bool FStoreChangedFileName = false;
    bool FLoadStopped = false;
    std::string FLoadError;
};

// The published country files hold about 340 entities (DXCC and WAE); far fewer means a
// damaged or foreign file.
inline constexpr int kMinCountryFileEntities = 300;

// "" when a loaded country file is whole; otherwise why it is damaged, naming the file:
// loading stopped at a broken entry, or a file named like the published list (cty.dat)
// lacks the version entry or holds fewer than kMinCountryFileEntities countries. A file loaded from disk that is
// damaged is refused (no data, LoadError() saying why).

// The call helpers without country data (TCtyStuff's members answer the same).
std::string CountryFileDamage(const TCtyStuff& cty);

std::string CallRelevantPart(std::string_view call);
int CallAreaOf(std::string_view call);
std::string CallDistrict(std::string_view call, std::string_view masterPrefix);

}  // namespace qz
