// Loading of country files in the CTY.DAT layout and the prefix lookups over them.
#include "domain/cty.h"

#include <algorithm>
#include <bitset>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "base/fileio.h"
#include "base/frontend.h"
#include "base/installfiles.h"
#include "base/language.h"
#include "base/lsnumbers.h"
#include "base/text.h"

namespace qz {

namespace {

// Limits that keep a damaged or hostile file from costing unbounded time or memory.
// Real files stay far below them (tokens of about 30 bytes, about 30,000 prefixes).
constexpr std::size_t kMaxTokenLength = 255;
constexpr std::size_t kMaxItemsPerEntry = 64;
constexpr std::size_t kMaxInsertions = 2'000'000;
constexpr std::uintmax_t kMaxFileSize = 16u << 20;
// A front end that keeps answering the open dialog with missing files is given up on.
constexpr int kMaxDialogAttempts = 20;

constexpr int kMaxCQZone = 40;
constexpr int kMaxITUZone = 75;

std::string_view Cut(std::string_view s, std::size_t n) { return s.substr(0, std::min(s.size(), n)); }

// Up to three "/"-separated parts; a third "/" and what follows are ignored.
void SplitCall(std::string_view call, std::string_view (&parts)[3]) {
    std::size_t start = 0;
    for (auto& part : parts) {
        if (start > call.size()) {
            part = {};
            continue;
        }
        std::size_t slash = call.find('/', start);
        part = call.substr(start, slash == std::string_view::npos ? std::string_view::npos : slash - start);
        start = slash == std::string_view::npos ? call.size() + 1 : slash + 1;
    }
}

char LastDigit(std::string_view s, char none) {
    for (auto it = s.rbegin(); it != s.rend(); ++it)
        if (IsDigit(*it)) return *it;
    return none;
}

std::string TwoDigits(int zone) { return {static_cast<char>('0' + zone / 10), static_cast<char>('0' + zone % 10)}; }

void AddZone(std::vector<std::string>& list, int zone) {
    std::string z = TwoDigits(zone);
    auto it = std::lower_bound(list.begin(), list.end(), z);
    if (it == list.end() || *it != z) list.insert(it, std::move(z));
}

// The country file gives every KG4 call to Guantanamo Bay, but only KG4 with a suffix
// of exactly two letters is one; KG4 with any other suffix is a US station in call area
// 4. A bare KG4 (DL1ABC/KG4) is the location prefix and stays Guantanamo Bay. Asked only
// of a record found for the relevant part `rel`, so it costs nothing for other calls.
bool IsUSCallUnderKG4(const TPrefixRec& p, std::string_view rel) {
    if (p.prIsFullCall || p.prPrefix != "KG4" || rel.size() <= 3) return false;
    return !(rel.size() == 5 && IsUpperLetter(rel[3]) && IsUpperLetter(rel[4]));
}

}  // namespace

// Reads the text character by character the way the format is laid out: a leading run
// of "#" lines, then entries of eight ":"-terminated header tokens, optional
// zone-by-call-area lines and a ","-separated alias list ended by ";".
class TCtyParser {
public:
    TCtyParser(TCtyStuff& cty, std::string_view text) : cty_(cty), text_(text) {
        name_ = cty.FFileName.empty() ? std::string("country data") : cty.FFileName;
    }

    void Run() {
        while (!AtEnd() && Peek() == '#')
            if (!SkipRestOfLine()) break;
        while (ParseEntry()) {}
        if (!fatal_ && cty_.FCtyList.empty() && cty_.FLoadError.empty())
            cty_.FLoadError = Format("%s, line %d: no country entries found", name_.c_str(), line_);
    }

private:
    enum class TEnd { Separator, Semicolon, EndOfText };

    struct TItem {
        std::string sub;
        int cq, itu;
    };

    bool AtEnd() const { return pos_ >= text_.size(); }
    char Peek() const { return text_[pos_]; }
    char Get() {
        char c = text_[pos_++];
        if (c == '\r' || (c == '\n' && prev_ != '\r')) ++line_;
        prev_ = c;
        return c;
    }

    static bool IsBinary(char c) {
        auto u = static_cast<unsigned char>(c);
        return (u < 0x20 && c != '\r' && c != '\n' && c != '\t') || u == 0x7F;
    }

    // Consumes up to and including the next line end; false at the end of the text.
    bool SkipRestOfLine() {
        while (!AtEnd()) {
            char c = Get();
            if (c == '\n') return true;
            if (c == '\r') {
                if (!AtEnd() && Peek() == '\n') Get();
                return true;
            }
        }
        return false;
    }

    void Warn(const std::string& what) {
        if (cty_.FLoadError.empty()) cty_.FLoadError = Format("%s, line %d: %s", name_.c_str(), line_, what.c_str());
    }
    bool Fail(const std::string& what) {
        fatal_ = true;
        cty_.FLoadStopped = true;
        cty_.FLoadError = Format("%s, line %d: %s; loading stopped", name_.c_str(), line_, what.c_str());
        return false;
    }
    bool FailInsideEntry() { return Fail(Format("the file ends inside the entry that starts on line %d", entryLine_)); }

    // A token starts after line breaks, blanks, tabs and "=" and runs up to the separator
    // or ";" (consumed, not part of the token). False on a broken token.
    bool ReadToken(char separator, std::string& token, TEnd& end) {
        fullCall_ = false;
        while (!AtEnd()) {
            char c = Peek();
            if (c != '\r' && c != '\n' && c != ' ' && c != '\t' && c != '=') break;
            if (c == '=') fullCall_ = true;
            Get();
        }
        token.clear();
        while (!AtEnd()) {
            char c = Get();
            if (c == separator) {
                end = TEnd::Separator;
                return true;
            }
            if (c == ';') {
                end = TEnd::Semicolon;
                return true;
            }
            if (IsBinary(c)) return Fail(Format("binary data (byte 0x%02X)", static_cast<unsigned char>(c)));
            token.push_back(c);
            if (token.size() > kMaxTokenLength)
                return Fail(Format("a token is longer than %d characters", static_cast<int>(kMaxTokenLength)));
        }
        end = TEnd::EndOfText;
        return true;
    }

    // Removes "<open>number<close>" from `s` and stores the number as a zone; a missing
    // close or a content that is no number is an error.
    bool TakeZoneOverride(std::string& s, char open, char close, int maxZone, int& zone) {
        std::size_t p = s.find(open);
        if (p == std::string::npos) return true;
        std::size_t q = s.find(close, p + 1);
        std::int32_t value = 0;
        if (q == std::string::npos || !TryStrToInt(std::string_view(s).substr(p + 1, q - p - 1), value))
            return Fail(Format("zone override in \"%s\" is not a number", s.c_str()));
        zone = value >= 1 && value <= maxZone ? value : 0;
        s.erase(p, q - p + 1);
        return true;
    }

    bool TakeZoneOverrides(std::string& s, int& cq, int& itu) {
        return TakeZoneOverride(s, '(', ')', kMaxCQZone, cq) && TakeZoneOverride(s, '[', ']', kMaxITUZone, itu);
    }

    static int HeaderZone(const std::string& token, int maxZone, bool& isNumber) {
        std::int32_t value = 0;
        isNumber = TryStrToInt(Trim(token), value);
        return isNumber && value >= 1 && value <= maxZone ? value : 0;
    }

    bool ParseEntry() {
        static const char* const kHeaderFields[8] = {"country name", "CQ zone",   "ITU zone",    "continent",
                                                     "latitude",     "longitude", "time offset", "primary prefix"};
        std::string header[8];
        TEnd end = TEnd::Separator;
        entryLine_ = line_;
        for (int i = 0; i < 8; ++i) {
            if (!ReadToken(':', header[i], end)) return false;
            if (i == 0) entryLine_ = line_;
            if (end == TEnd::EndOfText) {
                if (i == 0 && header[0].empty()) return false;  // the regular end of the file
                return FailInsideEntry();
            }
            if (end == TEnd::Semicolon) return Fail(Format("\":\" expected after the %s", kHeaderFields[i]));
        }
        bool isNumber = true;
        cq_ = HeaderZone(header[1], kMaxCQZone, isNumber);
        if (!isNumber) Warn(Format("CQ zone \"%s\" is not a number", header[1].c_str()));
        itu_ = HeaderZone(header[2], kMaxITUZone, isNumber);
        if (!isNumber) Warn(Format("ITU zone \"%s\" is not a number", header[2].c_str()));
        continent_ = coInvalid;
        for (int c = coAF; c < coInvalid; ++c)
            if (header[3] == ContinentNames[c]) continent_ = static_cast<TContinent>(c);
        entryName_ = std::move(header[0]);
        master_ = std::move(header[7]);
        isWAE_ = !master_.empty() && master_[0] == '*';
        if (isWAE_) master_.erase(0, 1);
        entity_ = std::string::npos;
        items_.clear();

        if (!SkipRestOfLine()) return FailInsideEntry();
        // Zone-by-call-area lines start with "#"; the alias lines are indented by one blank.
        for (;;) {
            if (AtEnd()) return FailInsideEntry();
            char c = Peek();
            if (c == '#') {
                Get();
                if (!ParseZoneLine()) return false;
                if (!SkipRestOfLine()) return FailInsideEntry();
                continue;
            }
            if (c == ' ' || c == '\t') Get();
            break;
        }
        std::string alias;
        do {
            if (!ReadToken(',', alias, end)) return false;
            if (end == TEnd::EndOfText) return FailInsideEntry();
            if (!AddAlias(alias, fullCall_)) return false;
        } while (end != TEnd::Semicolon);
        return true;
    }

    bool ParseZoneLine() {
        std::string token;
        TEnd end = TEnd::Separator;
        if (!ReadToken(':', token, end)) return false;
        if (end == TEnd::EndOfText) return FailInsideEntry();
        while (end != TEnd::Semicolon) {
            if (!ReadToken(',', token, end)) return false;
            if (end == TEnd::EndOfText) return FailInsideEntry();
            if (items_.size() >= kMaxItemsPerEntry)
                return Fail(Format("more than %d zone-by-call-area items", static_cast<int>(kMaxItemsPerEntry)));
            // The item's leading letters (at least one character) go; the call-area digits stay.
            std::size_t first = token.empty() ? 0 : 1;
            while (first < token.size() && !IsDigit(token[first])) ++first;
            TItem item{token.substr(first), cq_, itu_};
            if (!TakeZoneOverrides(item.sub, item.cq, item.itu)) return false;
            items_.push_back(std::move(item));
        }
        return true;
    }

    static bool LettersAfterOptionalDigit(const std::string& s) {
        std::size_t i = !s.empty() && IsDigit(s[0]) ? 1 : 0;
        if (i >= s.size()) return false;
        for (; i < s.size(); ++i)
            if (!IsUpperLetter(s[i])) return false;
        return true;
    }

    bool AddAlias(std::string alias, bool fullCall) {
        if (alias.empty()) return true;
        // The file names its version as a made-up full call: "=VER" and a date.
        if (fullCall && cty_.FVersion.empty() && alias.size() > 3 && alias.compare(0, 3, "VER") == 0 &&
            std::all_of(alias.begin() + 3, alias.end(), [](char c) { return IsDigit(c); }))
            cty_.FVersion = alias.substr(3);
        if (!fullCall && !items_.empty() && alias.find_first_of("()[]") == std::string::npos) {
            // Items are used newest first; a prefix ending in a digit expands only when it
            // names the call area of the newest item.
            if (IsDigit(alias.back())) {
                const std::string& newest = items_.back().sub;
                if (!newest.empty() && newest[0] == alias.back()) {
                    std::string_view stem(alias.data(), alias.size() - 1);
                    for (auto it = items_.rbegin(); it != items_.rend(); ++it)
                        if (!Insert(std::string(stem) + it->sub, it->cq, it->itu)) return false;
                }
            } else if (LettersAfterOptionalDigit(alias)) {
                for (auto it = items_.rbegin(); it != items_.rend(); ++it)
                    if (!Insert(alias + it->sub, it->cq, it->itu)) return false;
            }
        }
        int cq = cq_, itu = itu_;
        if (!TakeZoneOverrides(alias, cq, itu)) return false;
        if (alias.empty()) return true;
        return Insert(std::move(alias), cq, itu, fullCall);
    }

    bool Insert(std::string key, int cq, int itu, bool fullCall = false) {
        if (cq_ == 0 && itu_ == 0) return true;  // an entry without zones contributes nothing
        if (++insertions_ > kMaxInsertions)
            return Fail(Format("more than %d prefixes", static_cast<int>(kMaxInsertions)));
        if (entity_ == std::string::npos) {
            auto found = cty_.FCtyIndex.find(master_);
            if (found != cty_.FCtyIndex.end()) {
                entity_ = found->second;
            } else {
                entity_ = cty_.FCtyList.size();
                cty_.FCtyList.push_back(TCtyRec{master_, {}, {}});
                cty_.FCtyIndex.emplace(master_, entity_);
                zonesSeen_.emplace_back();
            }
        }
        // Zone 0 means unknown and is no zone of the entity.
        auto& seen = zonesSeen_[entity_];
        TCtyRec& rec = cty_.FCtyList[entity_];
        if (cq != 0 && !seen.test(cq)) {
            seen.set(cq);
            AddZone(rec.crCQZones, cq);
        }
        if (itu != 0 && !seen.test(kMaxCQZone + itu)) {
            seen.set(kMaxCQZone + itu);
            AddZone(rec.crITUZones, itu);
        }
        if (!fullCall && key.size() >= 2) {
            std::uint8_t& longest = cty_.FLongestPrefix[TCtyStuff::PairIndex(key[0], key[1])];
            longest = static_cast<std::uint8_t>(std::max<std::size_t>(longest, std::min<std::size_t>(key.size(), 255)));
        }
        // Of two equal keys the first one inserted is the one found.
        std::uint64_t hash = TCtyStuff::KeyHash(key);
        TCtyStuff::TSlot& slot = cty_.SlotFor(key, hash);
        if (slot.rec) return true;
        TPrefixRec& node = cty_.FNodes.emplace_back();
        node.prName = entryName_;
        node.prMasterPrefix = master_;
        node.prIsWAE = isWAE_;
        node.prPrefix = std::move(key);
        node.prCQZone = static_cast<std::uint8_t>(cq);
        node.prITUZone = static_cast<std::uint8_t>(itu);
        node.prContinent = continent_;
        node.prIsFullCall = fullCall;
        slot = TCtyStuff::TSlot{&node, hash};
        const std::uint64_t bit = TCtyStuff::FilterBit(hash);
        cty_.FKeyFilter[bit / 64] |= std::uint64_t{1} << (bit % 64);
        ++cty_.FKeyCount;
        cty_.FMaxKeyLength = std::max(cty_.FMaxKeyLength, node.prPrefix.size());
        return true;
    }

    TCtyStuff& cty_;
    std::string_view text_;
    std::string name_;
    std::size_t pos_ = 0;
    int line_ = 1;
    char prev_ = 0;
    bool fatal_ = false;
    bool fullCall_ = false;  // the last token was written with a leading "="
    std::size_t insertions_ = 0;

    // The entry being read.
    int entryLine_ = 1;
    std::string entryName_;
    std::string master_;
    bool isWAE_ = false;
    int cq_ = 0, itu_ = 0;
    TContinent continent_ = coInvalid;
    std::size_t entity_ = std::string::npos;
    std::vector<TItem> items_;  // in reading order
    std::vector<std::bitset<kMaxCQZone + kMaxITUZone + 1>> zonesSeen_;
};

void TCtyStuff::Parse(std::string_view text) {
    // Real files hold about one key per 12 bytes; the table grows when that is short.
    std::size_t slots = 64;
    while (slots < text.size() / 6 && slots < (1u << 16)) slots *= 2;
    FSlots.assign(slots, TSlot{});
    FKeyFilter.assign(kFilterBits / 64, 0);
    FLongestPrefix.assign(kPairClasses * kPairClasses, 0);
    TCtyParser(*this, text).Run();
}

std::unique_ptr<TCtyStuff> TCtyStuff::FromText(std::string_view text, std::string fileName) {
    std::unique_ptr<TCtyStuff> cty(new TCtyStuff());
    cty->FFileName = std::move(fileName);
    cty->Parse(text);
    return cty;
}

TCtyStuff::TCtyStuff(const std::string& fileName) {
    namespace fs = std::filesystem;
    std::string name = fileName;
    if (!FileExists(name)) {
        std::string base = fs::path(name).filename().string();
        if (base.empty()) {
            name = DefaultCountryFilePath();
        } else {
            fs::path folder = fs::path(InstalledFilePath(InstalledFile("cty.dat"))).parent_path();
            name = FindFileIgnoringCase((folder / base).string());
            if (!FileExists(name) && SameText(base, "cty.dat")) name = DefaultCountryFilePath();
        }
    }
    for (int attempt = 0; !FileExists(name); ++attempt) {
        ShowErrorMessage(LS(lsFileNotFound) + " " + name);
        std::string chosen = name;
        if (attempt >= kMaxDialogAttempts || !FrontEnd().ChooseFileToOpen(LS(lsCtyFileFilter), chosen)) {
            FFileName = name;
            FLoadError = name + ": country file not found";
            return;
        }
        name = chosen;
        FStoreChangedFileName = true;
    }
    FFileName = name;

    std::string text;
    if (!ReadWholeFile(name, text, &FLoadError, kMaxFileSize)) return;
    Parse(text);
    // Scoring against part of the countries would give wrong results without a word:
    // a damaged file is refused whole.
    if (std::string why = CountryFileDamage(*this); !why.empty()) {
        Discard();
        FLoadError = why;
    }
}

void TCtyStuff::Discard() {
    FNodes.clear();
    FSlots.clear();
    FKeyFilter.clear();
    FLongestPrefix.clear();
    FKeyCount = 0;
    FMaxKeyLength = 0;
    FCtyList.clear();
    FCtyIndex.clear();
    FVersion.clear();
}

std::string CountryFileDamage(const TCtyStuff& cty) {
    const std::string& name = cty.FileName();
    if (cty.LoadStopped()) return "damaged country file: " + cty.LoadError();
    // The published list, under its own name, names its version and holds every
    // entity: a file of that name that lacks either was cut short or mangled.
    const bool published = SameText(std::filesystem::path(name).filename().string(), "cty.dat");
    if (!published) return "";
    if (cty.Version().empty())
        return name + ": damaged country file: it names no version (no =VER entry), so it is not complete";
    if (cty.CtyListCount() < kMinCountryFileEntities)
        return Format("%s: damaged country file: it holds %d countries, a complete one at least %d", name.c_str(),
                      cty.CtyListCount(), kMinCountryFileEntities);
    return "";
}

std::uint64_t TCtyStuff::KeyHash(std::string_view key) {
    std::uint64_t h = 0xcbf29ce484222325ull;  // FNV-1a, then a mix so the low bits spread
    for (unsigned char c : key) {
        h ^= c;
        h *= 0x100000001b3ull;
    }
    h ^= h >> 32;
    h *= 0x9e3779b97f4a7c15ull;
    return h ^ (h >> 29);
}

const TPrefixRec* TCtyStuff::Find(std::string_view key) const {
    if (FKeyCount == 0) return nullptr;
    const std::uint64_t hash = KeyHash(key);
    // Most keys asked for are not in the table (a call's longer leading parts): the
    // filter answers those without touching the table.
    const std::uint64_t bit = FilterBit(hash);
    if (!((FKeyFilter[bit / 64] >> (bit % 64)) & 1u)) return nullptr;
    const std::size_t mask = FSlots.size() - 1;
    for (std::size_t i = hash & mask;; i = (i + 1) & mask) {
        const TSlot& slot = FSlots[i];
        if (!slot.rec) return nullptr;
        if (slot.hash == hash && slot.rec->prPrefix == key) return slot.rec;
    }
}

TCtyStuff::TSlot& TCtyStuff::SlotFor(std::string_view key, std::uint64_t hash) {
    if ((FKeyCount + 1) * 2 > FSlots.size()) {
        std::vector<TSlot> old(std::max<std::size_t>(64, FSlots.size() * 2));
        old.swap(FSlots);
        for (const TSlot& slot : old)
            if (slot.rec) {
                std::size_t mask = FSlots.size() - 1;
                std::size_t i = slot.hash & mask;
                while (FSlots[i].rec) i = (i + 1) & mask;
                FSlots[i] = slot;
            }
    }
    std::size_t mask = FSlots.size() - 1;
    for (std::size_t i = hash & mask;; i = (i + 1) & mask) {
        TSlot& slot = FSlots[i];
        if (!slot.rec || (slot.hash == hash && slot.rec->prPrefix == key)) return slot;
    }
}

std::size_t TCtyStuff::PairIndex(char first, char second) {
    const auto cls = [](char c) -> std::size_t {
        if (c >= 'A' && c <= 'Z') return static_cast<std::size_t>(c - 'A');
        if (c >= '0' && c <= '9') return static_cast<std::size_t>(26 + c - '0');
        return 36;
    };
    return cls(first) * kPairClasses + cls(second);
}

const TPrefixRec* TCtyStuff::fCty(std::string_view call) const {
    if (call.empty() || FKeyCount == 0) return nullptr;
    // Calls come upper case and without "/" nearly always: then neither the upper-case
    // copy nor the relevant part needs a string of its own.
    std::string upText;
    std::string_view up = call;
    if (std::any_of(call.begin(), call.end(), [](char c) { return c >= 'a' && c <= 'z'; }))
        up = upText = UpperCase(call);
    // Full-call entries ("=" in the file) are found by the whole call, "/" parts included.
    if (up.size() <= FMaxKeyLength)
        if (const TPrefixRec* p = Find(up)) return p;
    std::string relText;
    std::string_view rel = up;
    if (up.find('/') != std::string_view::npos || up.size() > static_cast<std::size_t>(kCallStringLen))
        rel = relText = CallRelevantPart(up);
    std::size_t n = std::min(rel.size(), FMaxKeyLength);
    if (n == up.size() && rel == up) --n;  // already looked up as the whole call
    // Longer than every prefix key that starts like the call only a full-call entry can
    // match, and only the whole relevant part.
    const std::size_t longest = rel.size() >= 2 ? FLongestPrefix[PairIndex(rel[0], rel[1])] : 1;
    if (n > longest && n == rel.size()) {
        if (const TPrefixRec* p = Find(rel)) return p;
        --n;
    }
    n = std::min(n, std::max<std::size_t>(longest, 1));
    for (; n > 0; --n) {
        const TPrefixRec* p = Find(rel.substr(0, n));
        // A full call stands for that call only, not for longer calls starting with it;
        // the other KG4 calls go on to the prefix of the United States.
        if (p && (!p->prIsFullCall || n == rel.size()) && !IsUSCallUnderKG4(*p, rel)) return p;
    }
    return nullptr;
}

std::string TCtyStuff::RelevanterTeil(std::string_view call) const { return CallRelevantPart(call); }

int TCtyStuff::CallArea(std::string_view call) const { return CallAreaOf(call); }

std::string TCtyStuff::fDistrict(std::string_view call, std::string_view masterPrefix) const {
    return CallDistrict(call, masterPrefix);
}

const std::vector<std::string>* TCtyStuff::GetZones(std::string_view masterPrefix, TZone zone) const {
    auto it = FCtyIndex.find(masterPrefix);
    if (it == FCtyIndex.end()) return nullptr;
    const TCtyRec& rec = FCtyList[it->second];
    return zone == zCQ ? &rec.crCQZones : &rec.crITUZones;
}

std::string TCtyStuff::Prefix_(std::string_view call) {
    std::size_t letter = 0;
    while (letter < call.size() && !IsLetter(call[letter])) ++letter;
    if (letter == call.size()) return {};
    std::size_t digit = letter;
    while (digit < call.size() && !IsDigit(call[digit])) ++digit;
    if (digit == call.size()) return std::string(call.substr(0, call.size() == 1 ? 1 : 2)) + "0";
    std::size_t end = digit;
    while (end < call.size() && IsDigit(call[end])) ++end;
    return std::string(call.substr(0, end));
}

std::string CallRelevantPart(std::string_view call) {
    std::string_view parts[3];
    SplitCall(call, parts);
    std::string_view first = Cut(parts[0], kCallStringLen);
    std::string_view second = Cut(parts[1], kCallStringLen);
    std::int32_t number = 0;
    // Operating-condition suffixes, QRP-style additions and area numbers leave the home
    // call in charge; a shorter second part is a location prefix.
    bool firstCounts =
        second.empty() ||
        (second.size() == 1 && std::string_view("ADMNPT").find(UpCase(second[0])) != std::string_view::npos) ||
        UpCase(second[0]) == 'Q' || SameText(second, "MM") || SameText(second, "AM") || SameText(second, "J") ||
        TryStrToInt(second, number) || second.size() >= first.size();
    if (!firstCounts) return std::string(second);
    if (second.size() == 1 && IsDigit(second[0])) {
        char c0 = first.size() > 0 ? UpCase(first[0]) : '\0';
        char c1 = first.size() > 1 ? UpCase(first[1]) : '\0';
        if (((c0 == 'K' || c0 == 'N' || c0 == 'W') && (IsDigit(c1) || IsLetter(c1))) ||
            (c0 == 'A' && c1 >= 'A' && c1 <= 'L'))
            return std::string("W") + second[0];
        std::string prefix = TCtyStuff::Prefix_(first);
        if (!prefix.empty()) prefix.pop_back();
        return prefix + second[0];
    }
    return std::string(first);
}

int CallAreaOf(std::string_view call) { return LastDigit(CallRelevantPart(call), '0') - '0'; }

std::string CallDistrict(std::string_view call, std::string_view masterPrefix) {
    std::string master(masterPrefix == "UA9" ? std::string_view("UA") : masterPrefix);
    if (master.find('/') != std::string::npos) return master.substr(0, 3);
    if (!master.empty() && IsDigit(master.back())) return master;
    return master + LastDigit(CallRelevantPart(call), '0');
}

}  // namespace qz
