// Country file parsing, prefix lookup and the call-text helpers.
#include "domain/cty.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "base/frontend.h"
#include "base/installfiles.h"
#include "testutil.h"

namespace fs = std::filesystem;

namespace qz {
namespace {

std::string DataFile(const std::string& name) { return std::string(QZ_TEST_DATA_DIR) + "/cty/" + name; }

std::string Key(const TCtyStuff& cty, std::string_view call) {
    const TPrefixRec* p = cty.fCty(call);
    return p ? p->prPrefix : "-";
}

std::string Zones(const TCtyStuff& cty, std::string_view master, TZone zone) {
    const std::vector<std::string>* list = cty.GetZones(master, zone);
    if (!list) return "-";
    std::string s;
    for (const auto& z : *list) s += (s.empty() ? "" : ",") + z;
    return s;
}

TEST(CtyParse, BasicFileLoadsEntitiesInOrderOfAppearance) {
    TCtyStuff cty(DataFile("basic.dat"));
    EXPECT_EQ(cty.LoadError(), "");
    EXPECT_FALSE(cty.StoreChangedFileName());
    // The leading "#" lines are skipped; the entry without zones registers nothing.
    ASSERT_EQ(cty.CtyListCount(), 11);
    EXPECT_EQ(cty.CtyList()[0].crMasterPrefix, "DL");
    EXPECT_EQ(cty.CtyList()[9].crMasterPrefix, "DLX");
    EXPECT_EQ(cty.CtyList()[10].crMasterPrefix, "UR");

    const TPrefixRec* dl = cty.fCty("DL1ABC");
    ASSERT_NE(dl, nullptr);
    EXPECT_EQ(dl->prName, "Fed. Rep. of Germany");  // blanks inside a token are kept
    EXPECT_EQ(dl->prMasterPrefix, "DL");
    EXPECT_EQ(dl->prPrefix, "DL");
    EXPECT_EQ(dl->prCQZone, 14);
    EXPECT_EQ(dl->prITUZone, 28);
    EXPECT_EQ(dl->prContinent, coEU);
    EXPECT_FALSE(dl->prIsWAE);
}

TEST(CtyParse, OverridesFullCallsAndWaeMarks) {
    TCtyStuff cty(DataFile("basic.dat"));
    // VK9X(29)[54] is stored as VK9X with its own zones.
    const TPrefixRec* vk9x = cty.fCty("VK9XA");
    ASSERT_NE(vk9x, nullptr);
    EXPECT_EQ(vk9x->prPrefix, "VK9X");
    EXPECT_EQ(vk9x->prCQZone, 29);
    EXPECT_EQ(vk9x->prITUZone, 54);
    EXPECT_EQ(Key(cty, "VK9X(29)[54]"), "VK9X");

    // "=" full calls win over the prefix of their call, "/" parts included...
    EXPECT_EQ(cty.fCty("VK2XMAS")->prName, "Christmas Island");
    EXPECT_EQ(cty.fCty("VK2XYZ")->prName, "Australia");
    EXPECT_EQ(cty.fCty("DL0XX/EA8")->prName, "Fed. Rep. of Germany");
    EXPECT_EQ(cty.fCty("DL1ABC/EA8")->prName, "Canary Islands");
    // ...with their own zones, the relevant part of a call with "/" included...
    const TPrefixRec* kh6 = cty.fCty("KH6XX");
    ASSERT_NE(kh6, nullptr);
    EXPECT_EQ(kh6->prPrefix, "KH6XX");
    EXPECT_TRUE(kh6->prIsFullCall);
    EXPECT_EQ(kh6->prCQZone, 3);
    EXPECT_EQ(kh6->prITUZone, 61);
    EXPECT_EQ(cty.fCty("KH6XX/P")->prPrefix, "KH6XX");
    EXPECT_EQ(Key(cty, "=KH6XX"), "-");  // the "=" is not part of the key
    // ...but never stand for a longer call that starts with them (=N0J is not N0JK):
    // KH6XXA falls back to the prefix of its own entity.
    const TPrefixRec* longer = cty.fCty("KH6XXA");
    ASSERT_NE(longer, nullptr);
    EXPECT_NE(longer->prPrefix, "KH6XX");

    const TPrefixRec* it9 = cty.fCty("IT9ABC");
    ASSERT_NE(it9, nullptr);
    EXPECT_TRUE(it9->prIsWAE);
    EXPECT_EQ(it9->prMasterPrefix, "IT9");  // without the "*"
    EXPECT_EQ(it9->prName, "Sicily");       // the first of two equal keys wins
    EXPECT_EQ(cty.fCty("I1ABC")->prName, "Italy");
    EXPECT_EQ(cty.fCty("DL1ABC")->prName, "Fed. Rep. of Germany");

    EXPECT_EQ(cty.fCty("XX0ABC"), nullptr);  // an entry with both zones 0 contributes nothing
    EXPECT_EQ(cty.fCty("QQ1ABC"), nullptr);
    EXPECT_EQ(cty.fCty(""), nullptr);
    EXPECT_EQ(cty.fCty("dl1abc"), cty.fCty("DL1ABC"));
}

TEST(CtyParse, VersionIsTheDateOfTheVerEntry) {
    auto cty = TCtyStuff::FromText(
        "Canada: 05: 09: NA: 44.35: 78.75: 5.0: VE:\n"
        "    VA,VE,=VERSION,=VE2EM/M,=VER20230502,=VER20990101;\n");
    EXPECT_EQ(cty->Version(), "20230502");
    EXPECT_EQ(cty->fCty("VE3ABC")->prName, "Canada");
    EXPECT_EQ(TCtyStuff::FromText("Canada: 05: 09: NA: 44.35: 78.75: 5.0: VE:\n    VE,VER2023;\n")->Version(), "");
}

// The file gives all of KG4 to Guantanamo Bay; only a two-letter suffix is one.
TEST(CtyLookup, KG4IsGuantanamoOnlyWithATwoLetterSuffix) {
    auto cty = TCtyStuff::FromText(
        "United States: 05: 08: NA: 37.53: 91.67: 5.0: K:\n"
        "    K,N,W,=KG4XY(4)[8];\n"
        "Guantanamo Bay: 08: 11: NA: 20.00: 75.00: 5.0: KG4:\n"
        "    KG4,=KG44WW,=W1AW/KG4;\n");
    const std::pair<const char*, const char*> cases[] = {{"KG4AB", "KG4"},
                                                         {"kg4ab", "KG4"},
                                                         {"KG4AB/P", "KG4"},
                                                         {"KG4ZZ/QRP", "KG4"},
                                                         {"DL1ABC/KG4", "KG4"},
                                                         {"KG4W", "K"},
                                                         {"KG4IGC", "K"},
                                                         {"KG4W/P", "K"},
                                                         {"KG4IGC/4", "K"},
                                                         {"KG4AB/4", "K"},
                                                         {"KG4A1", "K"},
                                                         {"KG4ABC/P", "K"},
                                                         // Exact calls of the file win over the rule, either way.
                                                         {"KG44WW", "KG4"},
                                                         {"W1AW/KG4", "KG4"},
                                                         {"KG4XY", "K"},
                                                         {"KG4XY/P", "K"}};
    for (const auto& [call, master] : cases) {
        const TPrefixRec* p = cty->fCty(call);
        ASSERT_NE(p, nullptr) << call;
        EXPECT_EQ(p->prMasterPrefix, master) << call;
    }
    EXPECT_EQ(cty->fCty("KG4XY")->prCQZone, 4);
}

TEST(CtyParse, ZoneListsAreSortedTwoDigitSetsPerEntity) {
    TCtyStuff cty(DataFile("basic.dat"));
    EXPECT_EQ(Zones(cty, "K", zCQ), "03,05");
    EXPECT_EQ(Zones(cty, "K", zITU), "08,61");
    EXPECT_EQ(Zones(cty, "VE", zCQ), "04,05");
    EXPECT_EQ(Zones(cty, "VE", zITU), "04,09");
    // A duplicate key still counts for its entity's zones.
    EXPECT_EQ(Zones(cty, "DLX", zITU), "40");
    EXPECT_EQ(Zones(cty, "XX0", zCQ), "-");
    EXPECT_EQ(Zones(cty, "ZZ", zCQ), "-");
}

TEST(CtyParse, ZoneByCallAreaLinesExpandAliases) {
    TCtyStuff cty(DataFile("areas.dat"));
    ASSERT_EQ(cty.LoadError(), "");
    auto zones = [&](std::string_view call) {
        const TPrefixRec* p = cty.fCty(call);
        return p ? p->prPrefix + " " + std::to_string(p->prCQZone) + "/" + std::to_string(p->prITUZone) : "-";
    };
    // Letters-only aliases (also after one leading digit) get every area appended.
    EXPECT_EQ(zones("UA1ABC"), "UA1 16/19");
    EXPECT_EQ(zones("UA3ABC"), "UA3 17/20");
    EXPECT_EQ(zones("UA6ABC"), "UA6 16/29");
    EXPECT_EQ(zones("UA2ABC"), "UA 16/29");
    EXPECT_EQ(zones("R1ABC"), "R1 16/19");
    EXPECT_EQ(zones("4K3A"), "4K3 17/20");
    // An alias ending in a digit expands only when the digit is the newest item's area.
    EXPECT_EQ(zones("RK3ABC"), "RK3 16/29");
    EXPECT_EQ(zones("RV1ABC"), "RV1 16/19");
    EXPECT_EQ(zones("RV3ABC"), "RV3 17/20");
    // An alias with an override is not expanded.
    EXPECT_EQ(zones("RZ1ABC"), "RZ 18/31");
    // Several zone lines; items are used newest first, so UA0 expands and UA9 does not.
    EXPECT_EQ(zones("UA0ABC"), "UA0 19/33");
    EXPECT_EQ(zones("UA9ABC"), "UA9 17/30");
    EXPECT_EQ(zones("UA8ABC"), "UA8 18/31");
    EXPECT_EQ(zones("U9X0A"), "U9X 17/30");  // digits inside: not expanded
    EXPECT_EQ(Zones(cty, "UA", zCQ), "16,17,18");
    EXPECT_EQ(Zones(cty, "UA", zITU), "19,20,29,31");
    EXPECT_EQ(Zones(cty, "UA9", zCQ), "17,18,19");
    EXPECT_EQ(Zones(cty, "UA9", zITU), "30,31,33");
}

TEST(CtyParse, LineEndsOfEveryKindGiveTheSameData) {
    std::string text = test::ReadFile(DataFile("basic.dat"));
    std::string crlf, cr;
    for (char c : text) {
        crlf += c == '\n' ? std::string("\r\n") : std::string(1, c);
        cr += c == '\n' ? '\r' : c;
    }
    for (const std::string& t : {crlf, cr}) {
        auto cty = TCtyStuff::FromText(t);
        EXPECT_EQ(cty->LoadError(), "");
        EXPECT_EQ(cty->CtyListCount(), 11);
        EXPECT_EQ(Key(*cty, "DL0XX/EA8"), "DL0XX/EA8");
        EXPECT_EQ(Key(*cty, "VE3ABC"), "VE3");
    }
    // Line numbers count CR LF as one line end.
    auto broken =
        TCtyStuff::FromText("A: 1: 1: EU: 0: 0: 0: A:\r\n  A;\r\nB: 1: 1: EU: 0: 0: 0: B:\r\n  B(x);", "t.dat");
    EXPECT_EQ(broken->LoadError().rfind("t.dat, line 4:", 0), 0u) << broken->LoadError();
}

TEST(CtyParse, UnindentedAliasLineKeepsItsFirstCharacter) {
    auto cty = TCtyStuff::FromText("Germany: 14: 28: EU: 51: -10: -1: DL:\nDL,DA;\n");
    EXPECT_EQ(Key(*cty, "DL1ABC"), "DL");
    EXPECT_EQ(Key(*cty, "L1ABC"), "-");
}

TEST(CtyParse, HeaderZoneThatIsNoNumberCountsAsUnknown) {
    auto cty = TCtyStuff::FromText(
        "Germany: xx: 28: EU: 51: -10: -1: DL:\n    DL;\nSpain: 14: 37: EU: 40: 4: -1: EA:\n    EA;\n"
        "Nowhere: 0: 99: EU: 0: 0: 0: QQ:\n    QQ;\n",
        "z.dat");
    EXPECT_EQ(cty->LoadError(), "z.dat, line 1: CQ zone \"xx\" is not a number");
    ASSERT_NE(cty->fCty("DL1A"), nullptr);
    EXPECT_EQ(cty->fCty("DL1A")->prCQZone, 0);
    EXPECT_EQ(cty->fCty("DL1A")->prITUZone, 28);
    EXPECT_EQ(Key(*cty, "EA1A"), "EA");  // loading went on
    EXPECT_EQ(Key(*cty, "QQ1A"), "-");   // zones out of range are 0: no data
    EXPECT_EQ(cty->CtyListCount(), 2);
}

TEST(CtyParse, BrokenFilesKeepWhatWasReadAndSayWhere) {
    auto truncated = TCtyStuff::FromText(test::ReadFile(DataFile("truncated.dat")), "truncated.dat");
    EXPECT_EQ(truncated->CtyListCount(), 2);
    EXPECT_EQ(Key(*truncated, "EB1A"), "EB");
    EXPECT_EQ(Key(*truncated, "EC1A"), "-");  // the unterminated alias is not taken
    EXPECT_NE(truncated->LoadError().find("truncated.dat, line 6:"), std::string::npos) << truncated->LoadError();
    EXPECT_NE(truncated->LoadError().find("starts on line 4"), std::string::npos);

    auto garbage = TCtyStuff::FromText(test::ReadFile(DataFile("garbage.dat")), "garbage.dat");
    EXPECT_EQ(garbage->CtyListCount(), 1);
    EXPECT_EQ(Key(*garbage, "DL1A"), "DL");
    EXPECT_NE(garbage->LoadError().find("garbage.dat, line 4: binary data"), std::string::npos) << garbage->LoadError();

    struct Case {
        const char* text;
        const char* error;
    };
    const Case cases[] = {
        {"", "x.dat, line 1: no country entries found"},
        {"# only a comment\n# and another\n", "x.dat, line 3: no country entries found"},
        {"A: 1: 1: EU: 0: 0: 0: A:\n  A,B(1x);\n", "x.dat, line 2: zone override in \"B(1x)\" is not a number"},
        {"A: 1: 1: EU: 0: 0: 0: A:\n  A,B[7;\n", "x.dat, line 2: zone override in \"B[7\" is not a number"},
        {"A: 1: 1: EU: 0: 0: 0: A:\n  A;\nB: 1; 1: EU: 0: 0: 0: B:\n  B;\n", "\":\" expected after the CQ zone"},
        {"A: 1: 1: EU: 0: 0: 0: A:", "the file ends inside the entry that starts on line 1"},
        {"A: 1: 1: EU: 0: 0: 0: A:\n", "the file ends inside the entry"},
        {"A: 1: 1: EU: 0: 0: 0: A:\n#Z: R1,R2", "the file ends inside the entry"},
    };
    for (const Case& c : cases) {
        auto cty = TCtyStuff::FromText(c.text, "x.dat");
        EXPECT_NE(cty->LoadError().find(c.error), std::string::npos) << c.text << " -> " << cty->LoadError();
    }
    // Whatever came before the broken alias stays.
    auto partial = TCtyStuff::FromText("A: 1: 1: EU: 0: 0: 0: A:\n  A,B(1x);\n");
    EXPECT_EQ(Key(*partial, "A1"), "A");

    auto longToken = TCtyStuff::FromText(std::string(300, 'X') + ": 1: 1: EU: 0: 0: 0: X:\n  X;\n");
    EXPECT_NE(longToken->LoadError().find("longer than 255"), std::string::npos);
    EXPECT_EQ(longToken->CtyListCount(), 0);
}

// A damaged country file is refused whole, with its reason: scoring against part of the
// countries would give wrong scores without a word.
TEST(CtyParse, DamagedFilesAreRefusedWhenLoaded) {
    TCtyStuff truncated(DataFile("truncated.dat"));
    EXPECT_EQ(truncated.CtyListCount(), 0);
    EXPECT_EQ(Key(truncated, "DL1A"), "-");
    EXPECT_NE(truncated.LoadError().find("damaged country file: "), std::string::npos) << truncated.LoadError();
    EXPECT_NE(truncated.LoadError().find("truncated.dat, line 6:"), std::string::npos) << truncated.LoadError();

    // The published list cut after 50 KB (inside an entry), and cut at an entry's end.
    test::TempDir dir;
    const std::string whole = test::ReadFile(test::TestCountryFile());
    const std::string atEntryEnd = whole.substr(0, whole.find(";\n", 50000) + 2);
    const struct {
        std::string name, text, reason;
    } cases[] = {
        {"cty.dat", whole.substr(0, 50000), "the file ends inside the entry"},
        {"other.dat", whole.substr(0, 50000), "the file ends inside the entry"},
        {"CTY.DAT", atEntryEnd, "it names no version"},
        {"cty.dat",
         atEntryEnd.substr(0, atEntryEnd.size()) + "Canada: 5: 9: NA: 44: 80: 5: VE:\n    VE,=VER20230502;\n",
         "holds 185 countries, a complete one at least 300"},
    };
    for (const auto& c : cases) {
        test::WriteFile(dir.File(c.name), c.text);
        TCtyStuff cut(dir.File(c.name));
        EXPECT_EQ(cut.CtyListCount(), 0) << c.name;
        EXPECT_NE(cut.LoadError().find(dir.File(c.name)), std::string::npos) << cut.LoadError();
        EXPECT_NE(cut.LoadError().find(c.reason), std::string::npos) << cut.LoadError();
    }
    // A small file of the user's own, whole and without a version, is taken.
    test::WriteFile(dir.File("mine.dat"), atEntryEnd);
    EXPECT_GT(TCtyStuff(dir.File("mine.dat")).CtyListCount(), 100);
    EXPECT_EQ(TCtyStuff(test::TestCountryFile()).LoadError(), "");
}

TEST(CtyParse, HostileSizesStayBounded) {
    // Many items times many aliases would be quadratic without a limit.
    std::string text = "A: 1: 1: EU: 0: 0: 0: A:\n#Z: ";
    for (int i = 0; i < 1000; ++i) text += "R" + std::to_string(i % 10) + ",";
    text += "R1;\n  ";
    for (int i = 0; i < 100000; ++i) text += "AB,";
    text += "AB;\n";
    auto cty = TCtyStuff::FromText(text);
    EXPECT_NE(cty->LoadError().find("more than 64 zone-by-call-area items"), std::string::npos) << cty->LoadError();

    // A long run of identical keys is cheap: one record.
    std::string same = "A: 1: 1: EU: 0: 0: 0: A:\n  ";
    for (int i = 0; i < 200000; ++i) same += "DL,";
    same += "DL;\n";
    auto dup = TCtyStuff::FromText(same);
    EXPECT_EQ(dup->LoadError(), "");
    EXPECT_EQ(dup->PrefixCount(), 1);
}

TEST(CtyCallText, RelevantPartPrefixAreaAndDistrict) {
    auto cty = TCtyStuff::FromText("");
    const std::pair<const char*, const char*> relevant[] = {
        {"DL1ABC/P", "DL1ABC"},
        {"EA8/DL1ABC", "EA8"},
        {"DL1ABC/EA8", "EA8"},
        {"DL1ABC/QRP", "DL1ABC"},
        {"W1ABC/4", "W4"},
        {"AB1CD/7", "W7"},
        {"DL1ABC/3", "DL3"},
        {"OE3XYZ/MM", "OE3XYZ"},
        {"K1ABC/VE3", "VE3"},
        {"VE3/K1ABC", "VE3"},
        {"DL1ABC", "DL1ABC"},
        {"DL1ABC/AM", "DL1ABC"},
        {"DL1ABC/J", "DL1ABC"},
        {"DL1ABC/12", "DL1ABC"},
        {"AM1ABC/3", "AM3"},
        {"LY2000/3", "LY2003"},
        {"DL1ABC/EA8/P", "EA8"},
        {"dl1abc/p", "dl1abc"},
        {"/P", ""},
        {"", ""},
    };
    for (const auto& [call, part] : relevant) EXPECT_EQ(cty->RelevanterTeil(call), part) << call;
    // Parts are at most 26 characters.
    EXPECT_EQ(cty->RelevanterTeil(std::string(40, 'D')), std::string(26, 'D'));

    const std::pair<const char*, const char*> prefixes[] = {
        {"DL1ABC", "DL1"}, {"9A1ZZ", "9A1"}, {"LY2000", "LY2000"}, {"4X4ABC", "4X4"},
        {"RAZZ", "RA0"},   {"R", "R0"},      {"123", ""},          {"", ""},
    };
    for (const auto& [call, prefix] : prefixes) EXPECT_EQ(TCtyStuff::Prefix_(call), prefix) << call;

    EXPECT_EQ(cty->CallArea("DL1ABC"), 1);
    EXPECT_EQ(cty->CallArea("RAZZ"), 0);
    EXPECT_EQ(cty->CallArea("W6XYZ/4"), 4);
    EXPECT_EQ(cty->CallArea("S51AB"), 1);

    EXPECT_EQ(cty->fDistrict("DL1ABC", "DL"), "DL1");
    EXPECT_EQ(cty->fDistrict("UA9XYZ", "UA9"), "UA9");
    EXPECT_EQ(cty->fDistrict("RA3ABC", "UA"), "UA3");
    EXPECT_EQ(cty->fDistrict("W6XYZ/4", "K"), "K4");
    EXPECT_EQ(cty->fDistrict("RAZZ", "UA"), "UA0");
    EXPECT_EQ(cty->fDistrict("3D2AG/P", "3D2/r"), "3D2");
    EXPECT_EQ(cty->fDistrict("EA8ABC", "EA8"), "EA8");
}

TEST(CtyCallText, NoDataMeansNoAnswers) {
    auto cty = TCtyStuff::FromText("");
    EXPECT_EQ(cty->CtyListCount(), 0);
    EXPECT_EQ(cty->fCty("DL1ABC"), nullptr);
    EXPECT_EQ(cty->GetZones("DL", zCQ), nullptr);
}

// Records the messages and answers the open dialog with a prepared file.
class TDialogFrontEnd : public TSilentFrontEnd {
public:
    bool ChooseFileToOpen(const std::string& filter, std::string& fileName) override {
        filters.push_back(filter);
        if (answer.empty()) return false;
        fileName = answer;
        return true;
    }
    std::string answer;
    std::vector<std::string> filters;
};

class CtyFile : public ::testing::Test {
protected:
    void SetUp() override {
        test::UseEnglishStrings();
        SetFrontEnd(&frontEnd);
    }
    void TearDown() override { SetFrontEnd(nullptr); }
    TDialogFrontEnd frontEnd;
};

TEST_F(CtyFile, NameNotFoundIsLookedForInTheDataFolder) {
    fs::path folder = fs::path(InstalledFilePath(InstalledFile("cty.dat"))).parent_path();
    fs::create_directories(folder);
    std::string installed = (folder / "Mine.Dat").string();
    fs::copy_file(DataFile("basic.dat"), installed, fs::copy_options::overwrite_existing);

    TCtyStuff cty("/no/such/folder/MINE.DAT");
    EXPECT_EQ(cty.FileName(), installed);
    EXPECT_EQ(cty.CtyListCount(), 11);
    EXPECT_FALSE(cty.StoreChangedFileName());
    EXPECT_EQ(frontEnd.lastError, "");
    fs::remove(installed);
}

TEST_F(CtyFile, MissingFileAsksAndCancelLeavesNoData) {
    TCtyStuff cty("/no/such/folder/nothere.dat");
    EXPECT_EQ(cty.CtyListCount(), 0);
    EXPECT_NE(frontEnd.lastError.find("File not found:"), std::string::npos);
    EXPECT_NE(frontEnd.lastError.find("nothere.dat"), std::string::npos);
    ASSERT_EQ(frontEnd.filters.size(), 1u);
    EXPECT_EQ(frontEnd.filters[0], "Country files (*.dat)|*.dat|All files (*.*)|*.*");
    EXPECT_NE(cty.LoadError().find("not found"), std::string::npos);
    EXPECT_FALSE(cty.StoreChangedFileName());
}

TEST_F(CtyFile, FileChosenInTheDialogIsLoadedAndReported) {
    frontEnd.answer = DataFile("areas.dat");
    TCtyStuff cty("nothere.dat");
    EXPECT_EQ(cty.FileName(), DataFile("areas.dat"));
    EXPECT_TRUE(cty.StoreChangedFileName());
    EXPECT_EQ(cty.CtyListCount(), 2);
}

TEST_F(CtyFile, DialogThatKeepsNamingMissingFilesIsGivenUpOn) {
    frontEnd.answer = "/no/such/folder/either.dat";
    TCtyStuff cty("nothere.dat");
    EXPECT_EQ(cty.CtyListCount(), 0);
    EXPECT_GT(frontEnd.filters.size(), 1u);
}

TEST_F(CtyFile, EmptyNameAndCtyDatFallBackToTheSystemFile) {
    if (test::SystemCountryFile().empty()) GTEST_SKIP() << "hamradio-files is not installed: no system cty.dat";
    if (FileExists(InstalledFilePath(InstalledFile("cty.dat")))) GTEST_SKIP() << "the data folder has its own cty.dat";
    EXPECT_EQ(TCtyStuff("").FileName(), test::SystemCountryFile());
    EXPECT_EQ(TCtyStuff("/elsewhere/CTY.DAT").FileName(), test::SystemCountryFile());
    EXPECT_EQ(frontEnd.lastError, "");
}

class CtyRealFile : public ::testing::Test {
protected:
    void SetUp() override {
        if (test::SystemCountryFile().empty()) GTEST_SKIP() << "hamradio-files is not installed: no system cty.dat";
        cty = std::make_unique<TCtyStuff>(test::SystemCountryFile());
    }
    std::unique_ptr<TCtyStuff> cty;
};

TEST_F(CtyRealFile, WellKnownPrefixes) {
    EXPECT_EQ(cty->LoadError(), "");
    EXPECT_GT(cty->CtyListCount(), 300);
    struct Fact {
        const char* call;
        const char* name;
        TContinent continent;
        int cq;
    };
    const Fact facts[] = {
        {"DL1ABC", "Fed. Rep. of Germany", coEU, 14},
        {"W1AW", "United States of America", coNA, 5},
        {"JA1XYZ", "Japan", coAS, 25},
        {"VK2ABC", "Australia", coOC, 30},
        {"ZS6ABC", "South Africa", coAF, 38},
        {"PY2ABC", "Brazil", coSA, 11},
    };
    for (const Fact& f : facts) {
        const TPrefixRec* p = cty->fCty(f.call);
        ASSERT_NE(p, nullptr) << f.call;
        EXPECT_EQ(p->prName, f.name) << f.call;
        EXPECT_EQ(p->prContinent, f.continent) << f.call;
        EXPECT_EQ(p->prCQZone, f.cq) << f.call;
    }
    EXPECT_EQ(cty->fCty("DL1ABC")->prITUZone, 28);
    EXPECT_TRUE(cty->fCty("IT9ABC")->prIsWAE);
    // Full-call entries listed under another entity than their prefix.
    EXPECT_EQ(cty->fCty("9M4SDX")->prName, "Spratly Islands");
    EXPECT_EQ(cty->fCty("9M4ABC")->prName, "West Malaysia");
    EXPECT_EQ(cty->fCty("3D2AG/P")->prName, "Rotuma Island");
    EXPECT_EQ(cty->fCty("3D2AG")->prName, "Fiji");
}

}  // namespace
}  // namespace qz
