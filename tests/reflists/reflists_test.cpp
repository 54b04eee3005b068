// Reference lists: the assignment-table line format, member lists, simple lists, their
// lookups (indexed, but answering as a scan in file order would) and reading from files.
#include <gtest/gtest.h>

#include <filesystem>
#include <random>

#include "base/installfiles.h"
#include "base/text.h"
#include "reflists/amiallocationtable.h"
#include "reflists/memberlist.h"
#include "reflists/miscallocationtable.h"
#include "reflists/simplelist.h"
#include "testutil.h"

namespace fs = std::filesystem;

namespace qz {
namespace {

using Items = std::vector<std::string>;

// Writes `data` as the installed file of `entry`, creating its folder.
void Install(const TFileToBeInstalled& entry, const std::string& onDiskName, const std::string& data) {
    std::string folder = InstalledFileFolder(entry);
    fs::create_directories(folder);
    test::WriteFile(folder + onDiskName, data);
}

// Assignment-table line format

TEST(AllocationTable, LineWithSubItemsSemicolonAndCallArea) {
    TAmiAllocationTable t;
    t.ReadFromText("NY: NY, NNY, ENY, WNY; 2\r\n");
    ASSERT_EQ(t.Count(), 4);
    EXPECT_EQ(t.Record(0).aarSubItem, "NY");
    EXPECT_EQ(t.Record(3).aarSubItem, "WNY");
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(t.Record(i).aarMainItem, "NY");
        EXPECT_EQ(t.Record(i).aarCallArea, 2);
    }
    EXPECT_EQ(t.GetMainItem("nny", false), "NY");
    EXPECT_EQ(t.GetMainItem("NnY", false), "NY");
    EXPECT_EQ(t.GetMainItem("XNY", false), "");
}

TEST(AllocationTable, LineEndingWithSemicolonOrPeriodHasNoToken) {
    TAmiAllocationTable ami;
    ami.ReadFromText("A: X, Y;\nB: Z; 3 .\n");
    ASSERT_EQ(ami.Count(), 3);
    EXPECT_EQ(ami.Record(0).aarCallArea, -1);
    EXPECT_EQ(ami.Record(2).aarCallArea, -1);

    TMiscAllocationTable misc;
    misc.ReadFromText("A: X, Y;\nB: Z; SP9\n");
    ASSERT_EQ(misc.Count(), 3);
    EXPECT_EQ(misc.Record(0).marPrefix, "");
    EXPECT_EQ(misc.Record(2).marPrefix, "SP9");
}

TEST(AllocationTable, LastPieceWithoutSemicolonIsDropped) {
    TAmiAllocationTable t;
    t.ReadFromText("MA: MA, MASS 1\nVT: VT\nME: ME;\n");
    ASSERT_EQ(t.Count(), 2);
    EXPECT_EQ(t.Record(0).aarSubItem, "MA");
    EXPECT_EQ(t.Record(0).aarCallArea, 1);  // the token is still read
    EXPECT_EQ(t.GetMainItem("MASS", false), "");
    EXPECT_EQ(t.GetMainItem("VT", false), "");  // ":" with neither "," nor ";"
    EXPECT_EQ(t.Record(1).aarMainItem, "ME");
}

TEST(AllocationTable, ShorteningFindsTheLongestKnownLeadingPart) {
    TAmiAllocationTable t;
    t.ReadFromText("MA: MA, MASS;\nME: M;\n");
    EXPECT_EQ(t.GetMainItem("MASS1", true), "MA");
    EXPECT_EQ(t.GetMainItem("MASS1", false), "");
    EXPECT_EQ(t.GetMainItem("mas", true), "MA");
    EXPECT_EQ(t.GetMainItem("MX", true), "ME");
    EXPECT_EQ(t.GetMainItem("X", true), "");
    EXPECT_EQ(t.GetMainItem("", true), "");
}

TEST(AllocationTable, SkipsCommentsAndMalformedLines) {
    TAmiAllocationTable t;
    t.ReadFromText(
        "* NY: NY; 2\n"  // comment
        "\n"             // empty
        "NY NY, NNY;\n"  // no ":"
        " : X, Y; 3\n"   // empty main item
        "AB:\n"          // nothing after ":"
        "OK: A;\n");
    ASSERT_EQ(t.Count(), 1);
    EXPECT_EQ(t.Record(0).aarMainItem, "OK");
}

TEST(AllocationTable, EmptyPiecesAreNoSubItems) {
    TAmiAllocationTable t;
    t.ReadFromText("A: B,, C, ;\nD: ;\n");
    ASSERT_EQ(t.Count(), 2);
    EXPECT_EQ(t.Record(1).aarSubItem, "C");
    EXPECT_EQ(t.GetMainItem("", false), "");
    EXPECT_FALSE(t.ContainsMainItem("D"));
}

TEST(AllocationTable, EveryLineEndAndTabsAreAccepted) {
    const std::string lines[] = {"NY:\tNY,\tNNY;\t2", "MA: MA, MASS; 1", "* comment", "TX: TX; 5"};
    for (const char* eol : {"\r\n", "\n", "\r"}) {
        std::string text;
        for (const auto& l : lines) text += l + eol;
        TAmiAllocationTable t;
        t.ReadFromText(text);
        ASSERT_EQ(t.Count(), 5) << "line end " << static_cast<int>(eol[0]);
        EXPECT_EQ(t.Record(1).aarSubItem, "NNY");
        EXPECT_EQ(t.Record(1).aarCallArea, 2);
        EXPECT_EQ(t.Record(4).aarCallArea, 5);
    }
}

TEST(AllocationTable, TrailingTokenThatIsNoNumber) {
    TAmiAllocationTable ami;
    ami.ReadFromText("A: X; 2b\nB: Y; K2\nC:Z;7\n");
    ASSERT_EQ(ami.Count(), 3);
    EXPECT_EQ(ami.Record(0).aarCallArea, -1);
    EXPECT_EQ(ami.Record(1).aarCallArea, -1);
    EXPECT_EQ(ami.Record(2).aarCallArea, -1);  // no blank: no token

    TMiscAllocationTable misc;
    misc.ReadFromText("C:Z;SP7\nD: W; sp7\n");
    EXPECT_EQ(misc.Record(0).marPrefix, "");  // the whole line is not a prefix
    EXPECT_EQ(misc.Record(1).marPrefix, "sp7");
}

TEST(AllocationTable, FirstRecordOfADuplicateSubItemWins) {
    TAmiAllocationTable ami;
    ami.ReadFromText("A: X, Y; 1\nB: x, Z; 2\nC: Y;\n");
    EXPECT_EQ(ami.GetMainItem("X", false), "A");
    EXPECT_EQ(ami.GetMainItem("y", true), "A");
    EXPECT_EQ(ami.GetMainItem("Z", false), "B");

    TMiscAllocationTable misc;
    misc.ReadFromText("A: X; P1\nB: X; P2\n");
    EXPECT_EQ(misc.GetMainItem("x", false), "A");
}

// Lists built from the tables

TEST(AmiAllocationTable, MainItemsOfACallArea) {
    TAmiAllocationTable t;
    t.ReadFromText("NY: NY, NNY; 2\nNJ: NJ; 2\nny: NEWYORK; 2\nal: AL; 2\nMA: MA; 1\nXX: XX; 12\nYY: YY;\n");
    EXPECT_EQ(t.GetMainItemsFromCallArea(2), (Items{"al", "NJ", "NY"}));
    EXPECT_EQ(t.GetMainItemsFromCallArea(1), (Items{"MA"}));
    EXPECT_EQ(t.GetMainItemsFromCallArea(3), std::nullopt);
    EXPECT_EQ(t.GetMainItemsFromCallArea(12), std::nullopt);
    EXPECT_EQ(t.GetMainItemsFromCallArea(-1), std::nullopt);
}

TEST(AmiAllocationTable, SubItemsAndPresenceOfAMainItem) {
    TAmiAllocationTable t;
    t.ReadFromText("NY: WNY, NY, NNY; 2\nny: ENY, nny; 2\nMA: MA;\n");
    EXPECT_EQ(t.GetAllSubItems("Ny"), (Items{"ENY", "NNY", "NY", "WNY"}));
    EXPECT_EQ(t.GetAllSubItems(""), std::nullopt);
    EXPECT_EQ(t.GetAllSubItems("VT"), std::nullopt);
    EXPECT_TRUE(t.ContainsMainItem("ma"));
    EXPECT_FALSE(t.ContainsMainItem("WNY"));
    EXPECT_FALSE(t.ContainsMainItem(""));
}

TEST(MiscAllocationTable, MainItemsOfAPrefixAndAll) {
    TMiscAllocationTable t;
    EXPECT_EQ(t.GetAllMainItems(), std::nullopt);
    t.ReadFromText("MI: MI, MILANO; I2\nBG: BG; i2\nRM: RM; I0\nNO: NOPFX;\nbg: BERGAMO; I2\n");
    EXPECT_EQ(t.GetMainItemsFromPrefix("I2"), (Items{"BG", "MI"}));
    EXPECT_EQ(t.GetMainItemsFromPrefix("i0"), (Items{"RM"}));
    EXPECT_EQ(t.GetMainItemsFromPrefix(""), (Items{"NO"}));
    EXPECT_EQ(t.GetMainItemsFromPrefix("I9"), std::nullopt);
    EXPECT_EQ(t.GetAllMainItems(), (Items{"BG", "MI", "NO", "RM"}));
    EXPECT_EQ(t.GetMainItem("milano", false), "MI");
}

// The indexes must answer as the plain scan in file order does; compare both on random
// tables with many collisions of sub-items in different letter case.
TEST(AllocationTable, IndexedLookupEqualsScanInFileOrder) {
    std::mt19937 rng(12345);
    auto word = [&](int maxLen) {
        std::string w;
        int n = 1 + static_cast<int>(rng() % static_cast<unsigned>(maxLen));
        for (int i = 0; i < n; ++i) w += "abAB"[rng() % 4];
        return w;
    };
    for (int round = 0; round < 20; ++round) {
        std::string text;
        for (int line = 0; line < 30; ++line)
            text +=
                "M" + std::to_string(line) + ": " + word(3) + ", " + word(3) + "; " + std::to_string(rng() % 10) + "\n";
        TAmiAllocationTable t;
        t.ReadFromText(text);
        for (int q = 0; q < 50; ++q) {
            std::string key = word(6);
            for (bool shortSubItem : {false, true}) {
                std::string expected;
                for (std::string k = key; !k.empty() && expected.empty(); k.pop_back()) {
                    for (int i = 0; i < t.Count() && expected.empty(); ++i)
                        if (SameText(t.Record(i).aarSubItem, k)) expected = t.Record(i).aarMainItem;
                    if (!shortSubItem) break;
                }
                EXPECT_EQ(t.GetMainItem(key, shortSubItem), expected) << key << " short " << shortSubItem;
            }
        }
    }
}

TEST(AllocationTable, ReadingReplacesTheTableAndMissingFileKeepsIt) {
    TFileToBeInstalled entry{fkAssignmentTable, "reflists_ami.dat"};
    Install(entry, "REFLISTS_AMI.DAT", "NY: NY; 2\n");  // found ignoring case
    TAmiAllocationTable ami;
    ami.ReadFromText("OLD: OLD; 1\n");
    ASSERT_TRUE(ami.ReadFromFile(entry));
    ASSERT_EQ(ami.Count(), 1);
    EXPECT_EQ(ami.GetMainItem("ny", false), "NY");
    EXPECT_EQ(ami.GetMainItem("OLD", false), "");

    EXPECT_FALSE(ami.ReadFromFile({fkAssignmentTable, "reflists_missing.dat"}));
    EXPECT_EQ(ami.Count(), 1);
    EXPECT_EQ(ami.GetMainItem("NY", false), "NY");

    TMiscAllocationTable misc;
    misc.ReadFromText("OLD: OLD; P\n");
    EXPECT_FALSE(misc.ReadFromFile({fkAssignmentTable, "reflists_missing.dat"}));
    EXPECT_EQ(misc.Count(), 1);
}

// A table with a line that cannot be read, or none at all (a copy cut short, a binary
// file), is refused with the file and line: loaded as it stands it would make every
// exchange it should know look unknown.
TEST(AllocationTable, DamagedTableIsRefusedWithFileAndLine) {
    TFileToBeInstalled entry{fkAssignmentTable, "reflists_damaged.dat"};
    const std::string path = InstalledFilePath(entry);
    const struct {
        std::string text, error;
    } cases[] = {
        {"", path + ", holds no entries"},
        {"* only a comment\n\n", path + ", holds no entries"},
        {"NY: NY, NNY; 2\nMA: MA;\nVT VT;\n", path + ", line 3: \"VT VT;\" is no \"MAIN: SUB, ...;\" line"},
        {"NY: NY; 2\nME: MAI", path + ", line 2: \"ME: MAI\" is no"},
        {"NY: NY; 2\n\x89PNG\x1A\n", path + ", line 2: binary data (byte 0x1A)"},
    };
    for (const auto& c : cases) {
        Install(entry, "reflists_damaged.dat", c.text);
        TMiscAllocationTable misc;
        misc.ReadFromText("OLD: OLD; P\n");
        std::string error;
        EXPECT_FALSE(misc.ReadFromFile(entry, &error)) << c.text;
        EXPECT_EQ(misc.Count(), 0);
        EXPECT_EQ(error.rfind(c.error, 0), 0u) << error;
        TAmiAllocationTable ami;
        EXPECT_FALSE(ami.ReadFromFile(entry));
    }
    Install(entry, "reflists_damaged.dat", "* comment\n\n   \nNY: NY; 2\n");
    TAmiAllocationTable fine;
    EXPECT_TRUE(fine.ReadFromFile(entry));
    fs::remove(path);
}

TEST(AllocationTable, AFolderInPlaceOfTheFileIsMissing) {
    TFileToBeInstalled entry{fkAssignmentTable, "reflists_folder.dat"};
    fs::create_directories(InstalledFileFolder(entry) + "reflists_folder.dat");
    TAmiAllocationTable t;
    std::string error;
    EXPECT_FALSE(t.ReadFromFile(entry, &error));
    EXPECT_EQ(t.Count(), 0);
}

TEST(AllocationTable, OversizedFileIsRefusedWithItsName) {
    TFileToBeInstalled entry{fkAssignmentTable, "reflists_huge.dat"};
    Install(entry, "reflists_huge.dat", "");
    fs::resize_file(InstalledFilePath(entry), kMaxListFileSize + 1);  // sparse: no disk used
    TAmiAllocationTable t;
    t.ReadFromText("OLD: OLD; 1\n");
    std::string error;
    EXPECT_FALSE(t.ReadFromFile(entry, &error));
    EXPECT_EQ(t.Count(), 0);  // the file exists, so the old table is gone
    EXPECT_NE(error.find("reflists_huge.dat"), std::string::npos) << error;
    fs::remove(InstalledFilePath(entry));
}

// Member lists

TEST(MemberList, PeriodLineEndsTheListWithAnEmptyRecord) {
    TMemberList m;
    m.ReadFromText("DL1ABC 123;\r\n.\r\nDL2XYZ 456;\r\n");
    ASSERT_EQ(m.Count(), 2);
    EXPECT_EQ(m.Record(0).mrCall, "DL1ABC");
    EXPECT_EQ(m.Record(0).mrMemberNumber, "123");
    EXPECT_EQ(m.Record(1).mrCall, "");
    EXPECT_EQ(m.GetMemberNumber("DL1ABC"), "123");
    EXPECT_EQ(m.GetMemberNumber("dl1abc"), "");  // case-sensitive
    EXPECT_EQ(m.GetMemberNumber("DL2XYZ"), "");  // after the end
}

TEST(MemberList, WithoutPeriodTheListEndsWithTheText) {
    TMemberList m;
    m.ReadFromText("DL1ABC 1;\nDL2XYZ 2;\nDL3QQ 3;");
    ASSERT_EQ(m.Count(), 3);
    EXPECT_EQ(m.GetMemberNumber("DL3QQ"), "3");
}

TEST(MemberList, PeriodEndingEitherTokenEndsTheList) {
    TMemberList m;
    m.ReadFromText("DL1ABC 1;\nDL2XYZ 2.\nDL3QQ 3;\n");
    ASSERT_EQ(m.Count(), 2);
    EXPECT_EQ(m.GetMemberNumber("DL2XYZ"), "2");

    m.ReadFromText("DL1ABC.\nDL2XYZ 2;\n");
    ASSERT_EQ(m.Count(), 1);
    EXPECT_EQ(m.Record(0).mrMemberNumber, "");

    // A "." inside a number is the end mark of the format: the rest is not read.
    m.ReadFromText("DL1ABC 12.34;\nDL2XYZ 2;\n");
    ASSERT_EQ(m.Count(), 1);
    EXPECT_EQ(m.GetMemberNumber("DL1ABC"), "12");
}

TEST(MemberList, SeparatorsBlanksAndLineEnds) {
    TMemberList m;
    m.ReadFromText("  DL1ABC\t\t77;comment\r\rDL2XYZ;88 99;\rDL3QQ 5\rDL4AA 6;\r   \r");
    ASSERT_EQ(m.Count(), 4);
    EXPECT_EQ(m.GetMemberNumber("DL1ABC"), "77");
    EXPECT_EQ(m.GetMemberNumber("DL2XYZ"), "88");
    // A number without ";" ends at the line end instead of running into the next line.
    EXPECT_EQ(m.GetMemberNumber("DL3QQ"), "5");
    EXPECT_EQ(m.GetMemberNumber("DL4AA"), "6");
}

TEST(MemberList, FirstRecordOfACallWins) {
    TMemberList m;
    m.ReadFromText("DL1ABC 1;\nDL1ABC 2;\ndl1abc 3;\n");
    EXPECT_EQ(m.GetMemberNumber("DL1ABC"), "1");
    EXPECT_EQ(m.GetMemberNumber("dl1abc"), "3");
    EXPECT_EQ(m.GetMemberNumber(""), "");
}

TEST(MemberList, ReadingClearsFirstAndMissingFileLeavesItEmpty) {
    TMemberList m;
    EXPECT_EQ(m.RcvdIndex(), 0);
    m.ReadFromText("DL1ABC 1;\n");
    EXPECT_FALSE(m.ReadFromFile({fkMemberList, "reflists_missing.qz"}));
    EXPECT_EQ(m.Count(), 0);
    EXPECT_EQ(m.GetMemberNumber("DL1ABC"), "");

    TFileToBeInstalled entry{fkMemberList, "ReflistsMbr.qz"};
    Install(entry, "REFLISTSMBR.QZ", "DL5ZZ 42;\n.\n");
    ASSERT_TRUE(m.ReadFromFile(entry));
    EXPECT_EQ(m.GetMemberNumber("DL5ZZ"), "42");
}

// Simple lists

TEST(SimpleList, TrimmedEntriesIgnoringCase) {
    TSimpleList s;
    s.ReadFromText("  DA0HQ \r\n\tdf0dtc\r\n\r\n   \rOE\n");
    EXPECT_EQ(s.Count(), 3);
    EXPECT_TRUE(s.Contains("da0hq"));
    EXPECT_TRUE(s.Contains("DF0DTC"));
    EXPECT_TRUE(s.Contains("oe"));
    EXPECT_FALSE(s.Contains(" OE"));
    EXPECT_FALSE(s.Contains(""));  // blank lines are no entries
}

TEST(SimpleList, MissingFileLeavesItEmpty) {
    TSimpleList s;
    s.ReadFromText("X\n");
    EXPECT_FALSE(s.ReadFromFile({fkAssignmentTable, "reflists_missing.dat"}));
    EXPECT_FALSE(s.Contains("X"));

    TFileToBeInstalled entry{fkCountryFile, "reflists_cty.dat"};
    Install(entry, "reflists_cty.dat", "DL\nF\n");
    ASSERT_TRUE(s.ReadFromFile(entry));
    EXPECT_TRUE(s.Contains("f"));
}

}  // namespace
}  // namespace qz
