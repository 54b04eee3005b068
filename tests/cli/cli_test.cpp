// Runs the qz executable as a user would and checks what it prints.
#include <gtest/gtest.h>

#include <cstdio>
#include <string>

#include "cli_run.h"
#include "testutil.h"

namespace qz {
namespace {

TEST(Cli, ContestsListsEveryContest) {
    test::RunResult r = test::RunQz("contests --tsv");
    ASSERT_EQ(r.status, 0) << r.err;
    auto lines = SplitLinesForTest(r.out);
    ASSERT_EQ(lines.size(), 86u);  // header plus 85 contests
    EXPECT_EQ(lines[0], "ordinal\tcontest\tcabrillo\tmode\trules\taliases");
    EXPECT_EQ(lines[1].rfind("1\tCQ WW DX Contest CW\tCQ-WW-CW\tCW\t", 0), 0u) << lines[1];
    EXPECT_NE(lines[5].find("\tWAE CW, "), std::string::npos) << lines[5];  // the names of other programs
    EXPECT_EQ(lines[85].rfind("85\tWestfalen Nord Aktivit\xC3\xA4tstag\tWNA\tmixed\t", 0), 0u);  // UTF-8 on output
}

TEST(Cli, VersionHelpAndUnknownCommand) {
    EXPECT_EQ(test::RunQz("--version").out, "qz 4.10.0.0\n");
    test::RunResult help = test::RunQz("--help");
    EXPECT_EQ(help.status, 0);
    EXPECT_NE(help.out.find("contests"), std::string::npos);
    // Every format 'qz export' writes is named.
    for (const char* format : {"Cabrillo", "STF", "ADIF", "RES", "Swisslog", "dBase"})
        EXPECT_NE(help.out.find(format), std::string::npos) << format;
    test::RunResult bad = test::RunQz("frobnicate");
    EXPECT_EQ(bad.status, 2);
    EXPECT_NE(bad.err.find("unknown command"), std::string::npos);
}

// A settings file that cannot be parsed is refused, never replaced by one holding only
// the value changed; one saved with a byte-order mark is read as it is.
TEST(Cli, ASettingsFileThatCannotBeParsedIsKept) {
    test::TempDir dir;
    const std::string env = "QZ_CONFIG_DIR=" + dir.File("") + " QZ_DATA_DIR=" + dir.File("data");
    const std::string damaged =
        "[QZ]\nADIF_TimeFormat=0\n\x7F"
        "ELF\x02\x01\n[FileHistory]\nFile0=/logs/a.QZF\n";
    test::WriteFile(dir.File("settings.ini"), damaged);
    test::RunResult r = test::RunQz("adif-config set time=hhmmss", env);
    EXPECT_EQ(r.status, 1);
    EXPECT_NE(r.err.find("settings.ini, line 3"), std::string::npos) << r.err;
    EXPECT_EQ(test::ReadFile(dir.File("settings.ini")), damaged);

    test::WriteFile(dir.File("settings.ini"), "\xEF\xBB\xBF[QZ]\nADIF_TimeFormat=1\n");
    r = test::RunQz("adif-config show", env);
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_NE(r.out.find("hhmmss"), std::string::npos) << r.out;
}

}  // namespace
}  // namespace qz
