// Runs "qz call" as a user would.
#include <gtest/gtest.h>

#include <string>

#include "cli_run.h"

namespace qz {
namespace {

std::string BasicCty() { return std::string(QZ_TEST_DATA_DIR) + "/cty/basic.dat"; }

TEST(CliCall, PrintsOneRowPerCall) {
    test::RunResult r = test::RunQz("call --tsv --cty " + BasicCty() + " dl1abc/p W6XYZ/4 QQ1ABC 'dl1\xC3\xA4'");
    ASSERT_EQ(r.status, 0) << r.err;
    auto lines = SplitLinesForTest(r.out);
    ASSERT_EQ(lines.size(), 5u);
    EXPECT_EQ(lines[0], "call\tcountry\tmaster\tcont\tcq\titu\twpx\tarea\tdistrict\trelevant\text");
    EXPECT_EQ(lines[1], "DL1ABC/P\tFed. Rep. of Germany\tDL\tEU\t14\t28\tDL1\t1\tDL1\tDL1ABC\t/P");
    EXPECT_EQ(lines[2], "W6XYZ/4\tUnited States\tK\tNA\t5\t8\tW4\t4\tK4\tW4\t");
    EXPECT_EQ(lines[3], "QQ1ABC\t\t\t\t0\t0\tQQ1\t1\t\tQQ1ABC\t");
    EXPECT_EQ(lines[4].substr(0, 6), "DL1\xC3\xA4\t");  // UTF-8 in, Windows-1252 inside, UTF-8 out

    test::RunResult table = test::RunQz("call --cty " + BasicCty() + " DL1ABC");
    ASSERT_EQ(table.status, 0) << table.err;
    EXPECT_EQ(SplitLinesForTest(table.out)[1].substr(0, 32), "DL1ABC  Fed. Rep. of Germany  DL");
}

TEST(CliCall, MissingCountryFileIsAnErrorOnStderr) {
    test::RunResult r = test::RunQz("call --cty /no/such/folder/nothere.dat DL1ABC");
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.out, "");
    EXPECT_NE(r.err.find("File not found: "), std::string::npos) << r.err;
    EXPECT_NE(r.err.find("nothere.dat"), std::string::npos) << r.err;
    EXPECT_NE(r.err.find("no country data"), std::string::npos) << r.err;
}

TEST(CliCall, HelpAndUsageErrors) {
    test::RunResult help = test::RunQz("call --help");
    EXPECT_EQ(help.status, 0);
    EXPECT_NE(help.out.find("--cty FILE"), std::string::npos);
    EXPECT_EQ(test::RunQz("call").status, 2);
    EXPECT_EQ(test::RunQz("call --frob DL1ABC").status, 2);
}

}  // namespace
}  // namespace qz
