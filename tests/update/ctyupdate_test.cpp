// The country-file update against a real HTTP server on 127.0.0.1: a good file is
// installed with a backup of the old one; every broken download leaves the installed
// file byte for byte as it was, and no stray file behind.
#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "base/datetime.h"
#include "base/encoding.h"
#include "base/text.h"
#include "testutil.h"
#include "update/ctyupdate.h"
#include "update/testserver.h"

namespace qz {
namespace {

namespace fs = std::filesystem;

std::string WithVersion(std::string text, const std::string& date) {
    const std::size_t at = text.find("=VER20230502");
    text.replace(at + 4, 8, date);
    return text;
}

std::vector<std::string> FilesBelow(const fs::path& folder) {
    std::vector<std::string> names;
    for (const auto& e : fs::recursive_directory_iterator(folder))
        names.push_back(fs::relative(e.path(), folder).string());
    std::sort(names.begin(), names.end());
    return names;
}

class CtyUpdate : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        served_ = std::make_unique<test::TempDir>();
        const std::string base = test::ReadFile(test::TestCountryFile());
        good_ = WithVersion(base, "20240101") + "Testland: 14: 28: EU: 0.0: 0.0: 0.0: QQ:\n    QQ;\n";
        test::WriteFile(served_->File("good.dat"), good_);
        test::WriteFile(served_->File("older.dat"), WithVersion(base, "20220101"));
        test::WriteFile(served_->File("same.dat"), base);
        std::string unversioned = good_;
        unversioned.erase(unversioned.find("=VER"), 13);
        test::WriteFile(served_->File("unversioned.dat"), unversioned);
        const CivilDate today = DecodeDate(NowUTC());
        test::WriteFile(served_->File("future.dat"), WithVersion(base, ZeroPadded(today.year + 2, 4) + "0101"));
        test::WriteFile(served_->File("cut.dat"), good_.substr(0, good_.size() / 2));
        test::WriteFile(served_->File("few.dat"), base.substr(0, base.find(";\n", base.size() / 10) + 2));
        test::WriteFile(served_->File("garbage.dat"),
                        test::ReadFile(std::string(QZ_TEST_DATA_DIR) + "/cty/garbage.dat"));
        server_ = std::make_unique<test::TestHttpServer>(served_->path().string());
    }
    static void TearDownTestSuite() {
        server_.reset();
        served_.reset();
    }

    void SetUp() override {
        if (!server_->Ready()) GTEST_SKIP() << "python3 is needed for the test HTTP server";
        fs::create_directories(dir_.path() / "CountryFiles");
        installed_ = test::ReadFile(test::TestCountryFile());
        test::WriteFile(Dest(), installed_);
    }

    std::string Dest() const { return (dir_.path() / "CountryFiles" / "cty.dat").string(); }

    TCtyUpdateResult Run(const std::string& url, bool force = false, long timeout = 30, long connectTimeout = 20) {
        TCtyUpdateRequest r;
        r.url = url;
        r.force = force;
        r.installedFile = r.destFile = Dest();
        r.download.timeoutSeconds = timeout;
        r.download.connectTimeoutSeconds = connectTimeout;
        r.download.showProgress = false;
        return TCTYUpdate(r).Execute();
    }

    static inline std::unique_ptr<test::TempDir> served_;
    static inline std::unique_ptr<test::TestHttpServer> server_;
    static inline std::string good_;
    test::TempDir dir_;
    std::string installed_;
};

TEST_F(CtyUpdate, GoodFileReplacesTheInstalledOneAndKeepsABackup) {
    TCtyUpdateResult r = Run(server_->Url("/moved/good.dat"));  // through a redirect
    ASSERT_EQ(r.outcome, TCtyUpdateOutcome::Installed) << r.message;
    EXPECT_EQ(test::ReadFile(Dest()), good_);
    EXPECT_EQ(r.backupFile, (dir_.path() / "CountryFiles" / "Backup" / "cty.dat.0").string());
    EXPECT_EQ(test::ReadFile(r.backupFile), installed_);
    EXPECT_EQ(r.offeredVersion.date, "20240101");
    EXPECT_EQ(FilesBelow(dir_.path()),
              (std::vector<std::string>{"CountryFiles", "CountryFiles/Backup", "CountryFiles/Backup/cty.dat.0",
                                        "CountryFiles/cty.dat"}));

    // The same version again: nothing to do, no second backup.
    r = Run(server_->Url("/files/good.dat"));
    EXPECT_EQ(r.outcome, TCtyUpdateOutcome::NotNewer) << r.message;
    EXPECT_FALSE(fs::exists(dir_.path() / "CountryFiles" / "Backup" / "cty.dat.1"));

    // An older one only when asked for.
    r = Run(server_->Url("/files/older.dat"), true);
    ASSERT_EQ(r.outcome, TCtyUpdateOutcome::Installed) << r.message;
    EXPECT_EQ(test::ReadFile((dir_.path() / "CountryFiles" / "Backup" / "cty.dat.1").string()), good_);
}

TEST_F(CtyUpdate, EveryFailureLeavesTheInstalledFileAsItWas) {
    struct Case {
        std::string url;
        const char* message;
        long timeout = 30;
        long connectTimeout = 20;
    };
    test::TestHttpServer gone(served_->path().string());
    ASSERT_TRUE(gone.Ready());
    gone.Stop();
    const Case cases[] = {
        {server_->Url("/files/missing.dat"), "status 404"},
        {server_->Url("/truncated/good.dat"), "good.dat: "},
        {server_->Url("/files/cut.dat"), "no complete country file"},
        {server_->Url("/files/garbage.dat"), "country file"},
        {server_->Url("/files/few.dat"), "too few"},
        {server_->Url("/html"), "web page"},
        {server_->Url("/files/older.dat"), "older than the installed one"},
        {server_->Url("/endless"), "larger than 16 MB"},
        {server_->Url("/loop"), "redirect"},
        {server_->Url("/slow"), "too long", 2},
        {server_->Url("/silent"), "sent nothing for 1 seconds", 300, 1},
        {server_->Url("/files/unversioned.dat"), "names no version"},
        {server_->Url("/files/future.dat"), "more than a year ahead"},
        {server_->Url("/files/\x1B[2J\x1B]0;owned\x07.dat"), "owned"},
        {gone.Url("/files/good.dat"), "no connection"},
        {"ftp://127.0.0.1/cty.dat", "only http:// and https://"},
        {"/etc/passwd", "only http:// and https://"},
    };
    for (const Case& c : cases) {
        const auto start = std::chrono::steady_clock::now();
        const TCtyUpdateResult r = Run(c.url, false, c.timeout, c.connectTimeout);
        EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(10)) << c.url;
        EXPECT_EQ(r.outcome, TCtyUpdateOutcome::Failed) << c.url;
        EXPECT_NE(r.message.find(c.message), std::string::npos) << c.url << ": " << r.message;
        EXPECT_EQ(r.message, PrintableText(r.message)) << c.url;
        EXPECT_EQ(test::ReadFile(Dest()), installed_) << c.url;
        EXPECT_EQ(FilesBelow(dir_.path()), (std::vector<std::string>{"CountryFiles", "CountryFiles/cty.dat"})) << c.url;
    }
}

TEST_F(CtyUpdate, PublishedReleaseIsCheckedFirstAndWrittenIntoTheFile) {
    TCtyUpdateRequest r;
    r.installedFile = r.destFile = Dest();
    r.download.policy = TUrlPolicy::HttpOrHttps;
    r.download.showProgress = false;
    // The version file names release 2302; the installed file none, so it gives way.
    test::WriteFile(served_->File("cty_wt.dat"), "# CTY-2302\n" + good_);
    r.versionFileUrl = server_->Url("/files/cty_wt.dat");
    r.fileUrl = server_->Url("/files/good.dat");
    TCtyUpdateResult result = TCTYUpdate(r).Execute();
    ASSERT_EQ(result.outcome, TCtyUpdateOutcome::Installed) << result.message;
    EXPECT_EQ(test::ReadFile(Dest()), "# based on CTY-2302\n" + good_);
    EXPECT_EQ(result.offeredVersion.release, 2302);

    // Now the installed file names its release: the same one is not fetched again.
    r.fileUrl = server_->Url("/files/missing.dat");
    result = TCTYUpdate(r).Execute();
    EXPECT_EQ(result.outcome, TCtyUpdateOutcome::NotNewer) << result.message;
    EXPECT_NE(result.message.find("CTY-2302"), std::string::npos) << result.message;

    // The built-in addresses are HTTPS only.
    r.download.policy = TUrlPolicy::HttpsOnly;
    test::WriteFile(served_->File("cty_wt.dat"), "# CTY-2303\n" + good_);
    result = TCTYUpdate(r).Execute();
    EXPECT_EQ(result.outcome, TCtyUpdateOutcome::Failed);
    EXPECT_NE(result.message.find("only https://"), std::string::npos) << result.message;
}

}  // namespace
}  // namespace qz
