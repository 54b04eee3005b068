// qz finalize, send and journal against a real SMTP server on 127.0.0.1.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "base/settingsstore.h"
#include "cli_run.h"
#include "export/exporttest.h"
#include "logfile/qzf.h"
#include "mail/mailtest.h"
#include "mail/smtpserver.h"

namespace qz {
namespace {

using test::Add;
using test::SmtpServer;
using Tls = SmtpServer::Options::Tls;

class CliMail : public ::testing::Test {
protected:
    void SetUp() override {
        if (!test::SmtpServerAvailable()) GTEST_SKIP() << "python3-aiosmtpd or openssl is not installed";
        test::UseEnglishStrings();
        test::WriteFile(cty_, test::kTinyCty);
        env_ = "QZ_DATA_DIR=" + dir_.File("data") + " QZ_CONFIG_DIR=" + dir_.File("config");
        test::WriteFile(dir_.File("secret"), "secret\n");
        test::WriteFile(dir_.File("wrong"), "wrong\n");
    }
    void Configure(int port, const std::string& extra = "") {
        TSettingsStore s;
        s.SetString(kMainSection, "EMail_SMTPHost", "127.0.0.1");
        s.SetInteger(kMainSection, "EMail_SMTPPort", port);
        s.SetString(kMainSection, "EMail_UserName", "dl1abc");
        s.SetString(kMainSection, "EMail_Sender", "dl1abc@example.org");
        s.SetString(kMainSection, "Path_EMails", dir_.File("E-Mails"));
        s.SetString(kMainSection, "Path_Exported_Logs", dir_.File("Exported"));
        s.SetString(kMainSection, "EMail_CAFile", SmtpServer::CertificateFile());
        s.SetInteger(kMainSection, "EMail_ConnectTimeout", 10);
        if (!extra.empty())
            s.SetString(kMainSection, extra.substr(0, extra.find('=')), extra.substr(extra.find('=') + 1));
        std::filesystem::create_directories(dir_.File("config"));
        ASSERT_TRUE(s.Save(dir_.File("config/settings.ini")));
    }
    std::string StoreCQWWLog(const std::string& name) {
        auto log = test::MakeContestLog(test::FullHeader(cWWDXcw));
        if (!log) return {};
        Add(*log, {"W1AW", b20m, mCW, "2013-11-23 00:07", "599", {"14"}, "599", {"05"}});
        Add(*log, {"JA1XYZ", b40m, mCW, "2013-11-23 00:15", "599", {"14"}, "599", {"25"}});
        TQZF qzf;
        std::string stored = qzf.StoreLog(dir_.File(name), *log, false);
        EXPECT_FALSE(stored.empty()) << qzf.LastError();
        return stored;
    }
    test::RunResult Run(const std::string& args, const std::string& input = "/dev/null") {
        return test::RunQz(args + " --cty " + cty_, env_, input);
    }
    test::RunResult Journal(const std::string& args = "") { return test::RunQz("journal " + args, env_); }

    test::TempDir dir_;
    std::string cty_ = dir_.File("tiny.dat");
    std::string env_;
};

TEST_F(CliMail, FinalizeDeliversTheCabrilloLogOverStartTlsAndTheJournalListsIt) {
    SmtpServer server({Tls::StartTls, "dl1abc:secret"});
    ASSERT_NE(server.Port(), 0) << server.Error();
    Configure(server.Port());
    const std::string log = StoreCQWWLog("DL1ABC.QZF");
    test::RunResult r =
        Run("finalize --format cabrillo --to robot@example.net --password-stdin " + log, dir_.File("secret"));
    ASSERT_EQ(r.status, 0) << r.err;

    // Saved read-only, exported beside the log, delivered byte for byte.
    TFileHeader header;
    ASSERT_TRUE(TQZF().ReadPreviewInformation(log, header));
    EXPECT_TRUE(header.fhQZ_ReadOnly);
    const std::string exported = test::ReadFile(dir_.File("DL1ABC.log"));
    EXPECT_EQ(exported.rfind("START-OF-LOG: 3.0\r\n", 0), 0u);
    EXPECT_EQ(server.Commands(), (std::vector<std::string>{"STARTTLS", "AUTH encrypted=True", "LOGIN accepted"}));
    ASSERT_EQ(server.Messages().size(), 1u);
    const auto parts = test::MimeParts(server.Messages()[0]);
    ASSERT_EQ(parts.size(), 2u);
    EXPECT_EQ(test::HeaderValue(parts[1].headers, "Content-Disposition"), "attachment; filename=\"DL1ABC.log\"");
    EXPECT_EQ(test::DecodeBase64(parts[1].content), exported);
    EXPECT_EQ(server.Envelopes()[0],
              (std::vector<std::string>{"dl1abc@example.org", "robot@example.net", "dl1abc@example.org"}));

    r = Journal("--tsv");
    ASSERT_EQ(r.status, 0) << r.err;
    const auto rows = SplitLines(r.out);
    ASSERT_EQ(rows.size(), 2u) << r.out;
    EXPECT_EQ(rows[0], "date\tcontest\tcall\trecipient\tattachment\tfile");
    EXPECT_NE(rows[1].find("\tCQ WW DX Contest CW\tDL1ABC\trobot@example.net\tDL1ABC.log\t"), std::string::npos)
        << rows[1];
    // Damaged message files are named and make the listing fail; the others are listed.
    test::WriteFile(dir_.File("E-Mails/20131124_000000_DL9ZZ.qz_email"), "\x89PNG\r\n\x1A\n");
    std::filesystem::create_directory(dir_.File("E-Mails/20131125_000000_DL8ZZ.qz_email"));
    r = Journal("--tsv");
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(SplitLines(r.out).size(), 2u) << r.out;
    EXPECT_NE(r.err.find("20131124_000000_DL9ZZ.qz_email: no send date"), std::string::npos) << r.err;
    EXPECT_NE(r.err.find("20131125_000000_DL8ZZ.qz_email: is a folder"), std::string::npos) << r.err;
    std::filesystem::remove(dir_.File("E-Mails/20131124_000000_DL9ZZ.qz_email"));
    std::filesystem::remove(dir_.File("E-Mails/20131125_000000_DL8ZZ.qz_email"));

    // A second finalize of the now read-only log skips saving; the export exists and
    // is kept without --yes, so nothing is sent.
    r = Run("finalize --format cabrillo --to robot@example.net --password-stdin " + log, dir_.File("secret"));
    EXPECT_EQ(r.status, 1);
    EXPECT_NE(r.err.find("exists and was kept"), std::string::npos) << r.err;
    EXPECT_EQ(r.err.find("saved read-only"), std::string::npos) << r.err;
    EXPECT_EQ(server.Messages().size(), 1u);
}

TEST_F(CliMail, FailedSendsAreReportedAndNeverJournaled) {
    SmtpServer server({Tls::StartTls, "dl1abc:secret"});
    ASSERT_NE(server.Port(), 0) << server.Error();
    // The desktop program chose German: the command line still answers in English only.
    Configure(server.Port(), "Language=1");
    const std::string log = StoreCQWWLog("DL1ABC.QZF");

    // No robot address stored and none given.
    test::RunResult r = Run("send " + log, dir_.File("secret"));
    EXPECT_EQ(r.status, 1);
    EXPECT_NE(r.err.find("no log robot address is stored for CQ WW DX Contest CW"), std::string::npos) << r.err;
    // A wrong password. Without a terminal and without --yes the new recipient is not
    // stored, and the command says so.
    r = Run("send --to robot@example.net --password-stdin " + log, dir_.File("wrong"));
    EXPECT_EQ(r.status, 1);
    EXPECT_NE(r.err.find("Sending failed: 127.0.0.1:"), std::string::npos) << r.err;
    EXPECT_NE(r.err.find("robot@example.net was not stored as the log robot address of CQ WW DX Contest CW"),
              std::string::npos)
        << r.err;
    EXPECT_NE(Run("send " + log, dir_.File("secret")).err.find("no log robot address is stored"), std::string::npos);
    // A user name but no password and no terminal to ask on.
    r = Run("send --to robot@example.net " + log);
    EXPECT_EQ(r.status, 1);
    EXPECT_NE(r.err.find("--password-stdin"), std::string::npos) << r.err;

    EXPECT_TRUE(server.Messages().empty());
    r = Journal("--tsv");
    EXPECT_EQ(r.out, "date\tcontest\tcall\trecipient\tattachment\tfile\n");
}

TEST_F(CliMail, SendTakesACabrilloFileAsItIsAndStoresTheRobotAddress) {
    SmtpServer server({Tls::StartTls, "dl1abc:secret"});
    ASSERT_NE(server.Port(), 0) << server.Error();
    Configure(server.Port());
    const std::string log = StoreCQWWLog("DL1ABC.QZF");
    ASSERT_EQ(Run("export --format cabrillo -o " + dir_.File("mylog.cbr") + " " + log).status, 0);
    const std::string cabrillo = test::ReadFile(dir_.File("mylog.cbr"));

    // --yes answers the question whether to store the new recipient as robot address.
    test::RunResult r =
        Run("--yes send --to cqww@example.net --subject 'DL1ABC CQWW' --password-stdin " + dir_.File("mylog.cbr"),
            dir_.File("secret"));
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_NE(r.err.find("cqww@example.net is stored as the log robot address"), std::string::npos) << r.err;
    // Now the stored address is taken without --to.
    r = Run("send --password-stdin " + log, dir_.File("secret"));
    ASSERT_EQ(r.status, 0) << r.err;

    ASSERT_EQ(server.Messages().size(), 2u);
    const std::string first = server.Messages()[0];
    EXPECT_EQ(test::HeaderValue(first.substr(0, first.find("\r\n\r\n")), "Subject"), "DL1ABC CQWW");
    auto parts = test::MimeParts(first);
    ASSERT_EQ(parts.size(), 2u);
    EXPECT_EQ(test::HeaderValue(parts[1].headers, "Content-Disposition"), "attachment; filename=\"mylog.cbr\"");
    EXPECT_EQ(test::DecodeBase64(parts[1].content), cabrillo);
    parts = test::MimeParts(server.Messages()[1]);
    ASSERT_EQ(parts.size(), 2u);
    EXPECT_EQ(test::HeaderValue(parts[1].headers, "Content-Disposition"), "attachment; filename=\"DL1ABC.log\"");
    EXPECT_EQ(server.Envelopes()[1].at(1), "cqww@example.net");
    EXPECT_EQ(SplitLines(Journal().out).size(), 3u);
}

TEST_F(CliMail, ThePlatformMailClientGetsTheFileAndNothingIsJournaled) {
    Configure(1, "EMail_Type=1");
    // A stand-in for xdg-email that records its arguments.
    const std::string bin = dir_.File("bin");
    std::filesystem::create_directories(bin);
    test::WriteFile(bin + "/xdg-email",
                    "#!/bin/sh\nfor a in \"$@\"; do echo \"$a\"; done > " + dir_.File("args") + "\n");
    std::filesystem::permissions(bin + "/xdg-email", std::filesystem::perms::owner_all);
    const std::string log = StoreCQWWLog("DL1ABC.QZF");
    env_ += " PATH=" + bin + ":/usr/bin:/bin";
    test::RunResult r = Run("send --format stf --to robot@example.net " + log);
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(SplitLines(test::ReadFile(dir_.File("args"))),
              (std::vector<std::string>{"--attach", dir_.File("Exported/DL1ABC.stf"), "--subject", "DL1ABC",
                                        "robot@example.net"}));
    EXPECT_FALSE(std::filesystem::exists(dir_.File("E-Mails")));
    EXPECT_NE(r.err.find("was not stored"), std::string::npos) << r.err;
    // --yes stores the address, and the next send takes it without --to.
    r = Run("--yes send --format stf --to robot@example.net " + log);
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_NE(r.err.find("robot@example.net is stored as the log robot address"), std::string::npos) << r.err;
    r = Run("--yes send --format stf " + log);
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(SplitLines(test::ReadFile(dir_.File("args"))).back(), "robot@example.net");

    std::filesystem::remove(bin + "/xdg-email");
    r = Run("send --format stf --yes --to robot@example.net " + log);
    EXPECT_EQ(r.status, 1);
    EXPECT_NE(r.err.find("xdg-email was not found"), std::string::npos) << r.err;
}

}  // namespace
}  // namespace qz
