// Runs "qz check" over small Cabrillo logs with planted faults and over clean ones.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "cli_run.h"
#include "engine/testlog.h"
#include "testutil.h"

namespace qz {
namespace {

namespace fs = std::filesystem;

std::string Cabrillo(const std::string& contest, const std::vector<std::string>& qsos) {
    std::string s = "START-OF-LOG: 3.0\r\nCONTEST: " + contest + "\r\nCALLSIGN: DL1ABC\r\n";
    for (const auto& q : qsos) s += "QSO: " + q + "\r\n";
    return s + "END-OF-LOG:\r\n";
}

// A serial gap at line 3, a /P call logged without /P at line 4 and a band change 3
// minutes after the start at line 4.
const std::vector<std::string> kPlantedWPX = {
    "14000 CW 2013-05-25 0000 DL1ABC 599 001 W1AW 599 011",    "14000 CW 2013-05-25 0001 DL1ABC 599 002 K1ZZ 599 021",
    "14000 CW 2013-05-25 0002 DL1ABC 599 004 DL2XX/P 599 005", " 7000 CW 2013-05-25 0003 DL1ABC 599 005 DL2XX 599 007",
    " 7000 CW 2013-05-25 0020 DL1ABC 599 006 W1AW 599 015",
};
const std::vector<std::string> kCleanWPX = {
    "14000 CW 2013-05-25 0000 DL1ABC 599 001 W1AW 599 011",
    "14000 CW 2013-05-25 0001 DL1ABC 599 002 K1ZZ 599 021",
    "14000 CW 2013-05-25 0002 DL1ABC 599 003 DL2XX/P 599 005",
    " 7000 CW 2013-05-25 0012 DL1ABC 599 004 DL2XX/P 599 007",
    " 7000 CW 2013-05-25 0020 DL1ABC 599 005 W1AW 599 015",
};
// W1AW sends zone 05, later 04 (line 3).
const std::vector<std::string> kPlantedCQWW = {
    "14000 CW 2013-11-23 0000 DL1ABC 599 14 W1AW 599 05",
    "14000 CW 2013-11-23 0001 DL1ABC 599 14 JA1XYZ 599 25",
    " 7000 CW 2013-11-23 0015 DL1ABC 599 14 W1AW 599 04",
    " 7000 CW 2013-11-23 0016 DL1ABC 599 14 JA1XYZ 599 25",
};

class CliCheck : public ::testing::Test {
protected:
    void SetUp() override {
        test::WriteFile(cty_, test::kTinyCty);
        env_ = "QZ_DATA_DIR=" + dir_.File("data") + " QZ_CONFIG_DIR=" + dir_.File("config");
    }
    std::string Log(const std::string& name, const std::string& text) {
        const std::string path = dir_.File(name);
        test::WriteFile(path, text);
        return path;
    }
    test::RunResult Run(const std::string& args) { return test::RunQz("check --cty " + cty_ + " " + args, env_); }

    test::TempDir dir_;
    std::string cty_ = dir_.File("tiny.dat");
    std::string env_;
};

TEST_F(CliCheck, PlantedFaultsAreFoundAndCleanLogsPass) {
    const std::string wpx = Log("wpx.log", Cabrillo("CQ-WPX-CW", kPlantedWPX));
    const std::string cqww = Log("cqww.log", Cabrillo("CQ-WW-CW", kPlantedCQWW));
    test::RunResult r = Run("--tsv " + wpx + " " + cqww);
    EXPECT_EQ(r.status, 1) << r.err;
    const auto rows = SplitLinesForTest(r.out);
    ASSERT_EQ(rows.size(), 4u) << r.out << r.err;
    EXPECT_EQ(rows[0], "file\tline\tcheck\tcall\tmessage");
    EXPECT_EQ(rows[1], wpx + "\t3\tsent-gaps\tDL2XX/P\tNumbers missing before 004");
    EXPECT_EQ(rows[2], wpx + "\t4\tqsy\tDL2XX\tBand change less than ten minutes after the previous one");
    EXPECT_EQ(rows[3], cqww + "\t3\trcvd-fields\tW1AW\tValue differs from the previous one (Zone r 04)");
    // The call-extension check runs only where the contest scores portable stations
    // apart (a field day), not in the WPX log above.
    const std::string fd = Log("fd.log", Cabrillo("FD CW", kPlantedWPX));
    r = Run("--tsv --checks extensions " + fd + " " + wpx);
    EXPECT_EQ(r.status, 1) << r.err;
    EXPECT_EQ(r.out, "file\tline\tcheck\tcall\tmessage\n" + fd +
                         "\t4\textensions\tDL2XX\tCall extension possibly missing: DL2XX\n");
    EXPECT_NE(test::ReadFile(wpx).find("DL2XX 599 007"), std::string::npos) << "the log is not changed";

    const std::string clean = Log("clean.log", Cabrillo("CQ-WPX-CW", kCleanWPX));
    std::vector<std::string> fixed = kPlantedCQWW;
    fixed[2] = " 7000 CW 2013-11-23 0015 DL1ABC 599 14 W1AW 599 05";
    const std::string cleanWW = Log("cleanww.log", Cabrillo("CQ-WW-CW", fixed));
    r = Run(clean + " " + cleanWW);
    EXPECT_EQ(r.status, 0) << r.out << r.err;
    EXPECT_EQ(r.out, "==> " + clean + " <==\nno findings\n\n==> " + cleanWW + " <==\nno findings\n");
}

TEST_F(CliCheck, ChecksCanBeChosenAndBadArgumentsAreUsageErrors) {
    const std::string wpx = Log("wpx.log", Cabrillo("CQ-WPX-CW", kPlantedWPX));
    test::RunResult r = Run("--checks qsy,sent-serials " + wpx);
    EXPECT_EQ(r.status, 1);
    const auto lines = SplitLinesForTest(r.out);
    ASSERT_EQ(lines.size(), 2u) << r.out;
    EXPECT_NE(lines[1].find("qsy"), std::string::npos);
    EXPECT_EQ(Run("--checks sent-serials " + wpx).status, 0);

    EXPECT_EQ(Run("--checks bogus " + wpx).status, 2);
    EXPECT_EQ(Run("--checks , " + wpx).status, 2);
    EXPECT_EQ(Run("--frobnicate " + wpx).status, 2);
    EXPECT_EQ(Run("").status, 2);
    r = Run(dir_.File("missing.log") + " " + wpx);
    EXPECT_EQ(r.status, 1);
    EXPECT_NE(r.err.find("missing.log"), std::string::npos) << r.err;
    EXPECT_NE(r.out.find("qsy"), std::string::npos) << "the other files are still checked";
    const std::string garbage = Log("garbage.log", std::string("\x01\x02 not a log\r\n", 15));
    r = Run(garbage);
    EXPECT_EQ(r.status, 1);
    EXPECT_NE(r.err.find("garbage.log"), std::string::npos) << r.err;
}

}  // namespace
}  // namespace qz
