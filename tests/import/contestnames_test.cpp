// The names of contests: the shipped table of other programs' spellings, its damage
// reports, and the order in which a name is looked up.
#include "import/contestnames.h"

#include <gtest/gtest.h>

#include "testutil.h"

namespace qz {
namespace {

TContestNameTable ShippedTable(std::vector<std::string>& errors) {
    const std::string path = std::string(QZ_SOURCE_DIR) + "/data/AssignmentTables/contestnames.dat";
    TContestNameTable table;
    table.ReadFromText(test::ReadFile(path), path, errors);
    return table;
}

TEST(ContestNames, TheShippedTableIsWholeAndNamesTheSpellingsOfOtherPrograms) {
    std::vector<std::string> errors;
    const TContestNameTable table = ShippedTable(errors);
    EXPECT_TRUE(errors.empty()) << errors.front();
    // Compared ignoring case, quotes, surrounding blanks and blank/"_"/"-" differences.
    EXPECT_EQ(ContestFromSpelling("WAE CW", table), cWAEcw);
    EXPECT_EQ(ContestFromSpelling("  \"wae_rtty\" ", table), cWAErtty);
    EXPECT_EQ(ContestFromSpelling("WAE  -  SSB", table), cWAEssb);
    EXPECT_EQ(ContestFromSpelling("WAEDC", table), cWAEcw);
    EXPECT_EQ(ContestFromSpelling("XMAS", table), cXMAS);
    EXPECT_EQ(ContestFromSpelling("FD CW", table), cFDcw);
    EXPECT_EQ(ContestFromSpelling("fd-ssb", table), cFDssb);
    EXPECT_EQ(ContestFromSpelling("EUHFC", table), cEUHF);
    EXPECT_EQ(ContestFromSpelling("DARC-10", table), cDARC10);
    EXPECT_EQ(ContestFromSpelling("UBA-DX-SSB", table), cUBAssb);
    // A line may name its contest by ordinal where contests share a keyword.
    EXPECT_EQ(ContestFromSpelling("IARU-FD-R1-USKA-SSB", table), cFDhb_ssb);
    // Contests we do not know stay unknown, however close their names are.
    for (const char* name : {"NTC QSO PARTY MAR", "NTCQP", "NTC-QP", "LZ-OPEN", "LZ-OPEN-DOMESTIC", "ARRL-FD",
                             "ARRL-SS-CW", "NAQP-CW", "SCC-RTTY"})
        EXPECT_EQ(ContestFromSpelling(name, table), cNoContest) << name;
}

TEST(ContestNames, KeywordsComeFirstThenSpellingsThenContainedKeywords) {
    std::vector<std::string> errors;
    TContestNameTable table;
    table.ReadFromText("* a comment\r\nCQ-WW-CW: WAE CW\r\n\r\n", "t.dat", errors);
    ASSERT_TRUE(errors.empty());
    EXPECT_EQ(ContestFromSpelling("wae cw", table), cWWDXcw);  // the table decides
    EXPECT_EQ(ContestFromSpelling("DARC-WAEDC-CW", table), cWAEcw);
    // Names that contain a keyword, or that a keyword contains, as before.
    EXPECT_EQ(ContestFromSpelling("DARC-WAEDC-RTTY-2013", table), cWAErtty);
    EXPECT_EQ(ContestFromSpelling("WPX", table), cWPXcw);
    EXPECT_EQ(ContestFromSpelling("NO SUCH THING", table), cNoContest);
    EXPECT_EQ(ContestFromSpelling(" \"\" ", table), cNoContest);
    EXPECT_EQ(table.Spellings(cWWDXcw), std::vector<std::string>{"WAE CW"});

    const TContestNameTable empty;
    EXPECT_EQ(ContestFromSpelling("WAE CW", empty), cNoContest);
}

TEST(ContestNames, DamagedLinesAreReportedWithFileAndLineAndTheRestIsTaken) {
    std::vector<std::string> errors;
    TContestNameTable table;
    table.ReadFromText(
        "EU-HF: EUHFC\n"
        "EU-HF EUHF\n"                     // 2: no colon
        "NO-SUCH-CONTEST: NSC\n"           // 3: unknown keyword
        "99: NINETY-NINE\n"                // 4: no such ordinal
        "DARC-10: DARC-10M, , CQ-WW-CW\n"  // 5: an empty spelling, another keyword
        "CQM: euhfc, CQ-MIR\n",            // 6: already EU-HF's spelling
        "names.dat", errors);
    ASSERT_EQ(errors.size(), 6u);
    EXPECT_EQ(errors[0].rfind("names.dat, line 2: ", 0), 0u) << errors[0];
    EXPECT_EQ(errors[1].rfind("names.dat, line 3: unknown contest 'NO-SUCH-CONTEST'", 0), 0u) << errors[1];
    EXPECT_EQ(errors[2].rfind("names.dat, line 4: ", 0), 0u) << errors[2];
    EXPECT_EQ(errors[3].rfind("names.dat, line 5: an empty spelling", 0), 0u) << errors[3];
    EXPECT_NE(errors[4].find("'CQ-WW-CW' already stands for CQ-WW-CW"), std::string::npos) << errors[4];
    EXPECT_NE(errors[5].find("line 6: 'euhfc' already stands for EU-HF"), std::string::npos) << errors[5];
    EXPECT_EQ(table.Find("EUHFC"), cEUHF);
    EXPECT_EQ(table.Find("DARC 10M"), cDARC10);
    EXPECT_EQ(table.Find("CQ MIR"), cCQM);
}

}  // namespace
}  // namespace qz
