// Runs "qz update" against a real HTTP server on 127.0.0.1.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "base/datetime.h"
#include "base/text.h"
#include "cli_run.h"
#include "testutil.h"
#include "update/testserver.h"

namespace qz {
namespace {

TEST(CliUpdate, CountryFileFromAnAddressIsUsedByTheNextCommand) {
    test::TempDir served, data;
    std::string good = test::ReadFile(test::TestCountryFile());
    // Newer than any installed file, and not more than a year ahead (which is refused).
    const CivilDate today = DecodeDate(NowUTC());
    good.replace(good.find("=VER20230502") + 4, 8,
                 ZeroPadded(today.year + 1, 4) + ZeroPadded(today.month, 2) + ZeroPadded(today.day, 2));
    good += "Testland: 14: 28: EU: 0.0: 0.0: 0.0: QQ:\n    QQ;\n";
    test::WriteFile(served.File("cty.dat"), good);
    test::TestHttpServer server(served.path().string());
    if (!server.Ready()) GTEST_SKIP() << "python3 is needed for the test HTTP server";
    const std::string env = "QZ_DATA_DIR=" + data.path().string();
    const std::string installed = data.File("CountryFiles/cty.dat");

    test::RunResult r = test::RunQz("update --cty --url " + server.Url("/files/cty.dat"), env);
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_NE(r.out.find("The update was installed."), std::string::npos) << r.out;
    EXPECT_EQ(test::ReadFile(installed), good);
    r = test::RunQz("call --tsv QQ1ABC", env);
    EXPECT_NE(r.out.find("\tTestland\t"), std::string::npos) << r.out << r.err;

    // A failed download says so and changes nothing.
    r = test::RunQz("update --cty --url " + server.Url("/files/nothere.dat"), env);
    EXPECT_EQ(r.status, 1);
    EXPECT_NE(r.err.find("status 404"), std::string::npos) << r.err;
    EXPECT_NE(r.err.find("unchanged"), std::string::npos) << r.err;
    EXPECT_EQ(test::ReadFile(installed), good);
    EXPECT_FALSE(std::filesystem::exists(data.File("CountryFiles/Backup")));
}

TEST(CliUpdate, ProgramVersionCheck) {
    test::TempDir served;
    test::WriteFile(served.File("newer.txt"), "4\n10\n0\n1\nhttps://example.org/qz\n");
    test::WriteFile(served.File("same.txt"), "4\n10\n0\n0\nhttps://example.org/qz\n");
    test::TestHttpServer server(served.path().string());
    if (!server.Ready()) GTEST_SKIP() << "python3 is needed for the test HTTP server";

    test::RunResult r = test::RunQz("--no update --check --url " + server.Url("/files/newer.txt"));
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_NE(r.out.find("Version 4.10.0.1 is offered (this is 4.10.0.0). Download page: https://example.org/qz"),
              std::string::npos)
        << r.out;
    r = test::RunQz("update --check --url " + server.Url("/files/same.txt"));
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_NE(r.out.find("up to date"), std::string::npos) << r.out;

    r = test::RunQz("update --check");  // no address is set in the tests' settings
    EXPECT_EQ(r.status, 1);
    EXPECT_NE(r.err.find("No address is set for the program version file"), std::string::npos) << r.err;
}

TEST(CliUpdate, UsageErrors) {
    EXPECT_EQ(test::RunQz("update --help").status, 0);
    for (const char* args :
         {"update", "update --check --cty", "update --check --force", "update --cty --url", "update --cty extra"})
        EXPECT_EQ(test::RunQz(args).status, 2) << args;
}

}  // namespace
}  // namespace qz
