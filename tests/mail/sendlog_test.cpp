// Sending a log with the settings of the options: what is kept, what is asked, and
// that a failed send leaves no trace in the journal.
#include <gtest/gtest.h>

#include <string>

#include "base/frontend.h"
#include "base/settingsstore.h"
#include "mail/journal.h"
#include "mail/mailtest.h"
#include "mail/robotaddresses.h"
#include "mail/sendlog.h"
#include "mail/smtpserver.h"
#include "testutil.h"

namespace qz {
namespace {

using test::SmtpServer;
using Tls = SmtpServer::Options::Tls;

class RecordingFrontEnd : public TSilentFrontEnd {
public:
    explicit RecordingFrontEnd(TMsgAnswer answer) : TSilentFrontEnd(answer) {}
    TMsgAnswer AskYesNo(const std::string& text) override {
        questions.push_back(text);
        return TSilentFrontEnd::AskYesNo(text);
    }
    std::vector<std::string> questions;
};

class SendLog : public ::testing::Test {
protected:
    void SetUp() override {
        if (!test::SmtpServerAvailable()) GTEST_SKIP() << "python3-aiosmtpd or openssl is not installed";
        test::UseEnglishStrings();
        savedAddresses_ = EMailAddresses;
        EMailAddresses[cWWDXcw] = "cqww@example.net";
        WriteSettingString("EMail_CAFile", SmtpServer::CertificateFile());
        WriteSettingInteger("EMail_ConnectTimeout", 10);
        SetFrontEnd(&frontEnd_);
    }
    void TearDown() override {
        SetFrontEnd(nullptr);
        EMailAddresses = savedAddresses_;
        WriteSettingString("EMail_CAFile", "");
        WriteSettingInteger("EMail_ConnectTimeout", 30);
    }
    TOptions Settings(const SmtpServer& server, const std::string& user, const std::string& password) {
        TOptions o;
        o.EMail_SMTPHost.oValue = "127.0.0.1";
        o.EMail_SMTPPort.oValue = server.Port();
        o.EMail_UserName.oValue = user;
        o.EMail_Password.oValue = password;
        o.EMail_Sender.oValue = "dl1abc@example.org";
        o.Path_EMails.oValue = dir_.File("E-Mails");
        return o;
    }
    static TSendRequest Request() {
        TSendRequest r;
        r.recipients = "CQWW@example.net";
        r.subject = "DL1ABC";
        r.body = "73";
        r.attachmentName = "DL1ABC.log";
        r.attachment = "START-OF-LOG: 3.0\r\nEND-OF-LOG:\r\n";
        r.contest = cWWDXcw;
        r.ownCall = "DL1ABC";
        return r;
    }

    test::TempDir dir_;
    RecordingFrontEnd frontEnd_{TMsgAnswer::Yes};
    TEMailAddressTable savedAddresses_;
};

TEST_F(SendLog, ASentLogIsKeptWithWhatWasSent) {
    SmtpServer server({Tls::StartTls, "dl1abc:secret"});
    ASSERT_NE(server.Port(), 0) << server.Error();
    bool asked = false;
    // Only the password is missing: the query opens with the stored user name.
    const TSendOutcome out =
        SendLogByEMail(Request(), Settings(server, "dl1abc", ""), [&](std::string& user, std::string& password) {
            asked = true;
            EXPECT_EQ(user, "dl1abc");
            password = "secret";
            return true;
        });
    ASSERT_TRUE(out.Sent()) << out.error << frontEnd_.lastError;
    EXPECT_TRUE(asked);
    // The recipient differs from the robot address only in letter case: no question.
    EXPECT_TRUE(frontEnd_.questions.empty());
    EXPECT_NE(frontEnd_.lastInfo.find("The e-mail was sent.\n\nA copy was kept as \"" + out.keptFile + "\"."),
              std::string::npos)
        << frontEnd_.lastInfo;

    auto journal = ReadJournal(dir_.File("E-Mails"));
    ASSERT_EQ(journal.size(), 1u);
    const TEMailFile& kept = journal[0].message;
    EXPECT_EQ(kept.ehSMTPHost, "127.0.0.1");
    EXPECT_EQ(kept.ehTo, "CQWW@example.net");
    EXPECT_EQ(kept.ehCopy, "dl1abc@example.org");
    EXPECT_EQ(kept.ehContest, "CQ WW DX Contest CW");
    EXPECT_EQ(kept.ehBody, "73\r\n\r\n");  // without the footer
    EXPECT_EQ(kept.ehAttachment, "START-OF-LOG: 3.0\r\nEND-OF-LOG:\r\n\r\n");

    const auto parts = test::MimeParts(server.Messages().at(0));
    ASSERT_EQ(parts.size(), 2u);
    EXPECT_NE(parts[0].content.find("73\r\n\r\nLog sent by QZ (https://quorvel.example/qz)"), std::string::npos)
        << parts[0].content;
}

TEST_F(SendLog, ANewRecipientIsOfferedAsRobotAddressAndTheCopyCanBeOff) {
    SmtpServer server({Tls::None, ""});
    ASSERT_NE(server.Port(), 0) << server.Error();
    TSendRequest r = Request();
    r.recipients = "other@example.net";
    TOptions o = Settings(server, "", "");
    o.EMail_SendACopyToMe.oValue = false;
    const TSendOutcome out = SendLogByEMail(r, o, [](std::string&, std::string&) { return true; });
    ASSERT_TRUE(out.Sent()) << out.error;
    EXPECT_EQ(frontEnd_.questions.size(), 1u);
    EXPECT_EQ(EMailAddresses[cWWDXcw], "other@example.net");
    TEMailAddressTable stored{};
    DecodeRobotAddresses(test::ReadFile(TEMailAddressList().FileName()), "", stored, nullptr);
    EXPECT_EQ(stored[cWWDXcw], "other@example.net");
    EXPECT_EQ(server.Envelopes().at(0), (std::vector<std::string>{"dl1abc@example.org", "other@example.net"}));
    EXPECT_EQ(ReadJournal(dir_.File("E-Mails")).at(0).message.ehCopy, "");
}

TEST_F(SendLog, NothingIsKeptWhenSendingDoesNotHappen) {
    SmtpServer server({Tls::StartTls, "dl1abc:secret"});
    ASSERT_NE(server.Port(), 0) << server.Error();
    auto never = [](std::string&, std::string&) {
        ADD_FAILURE() << "credentials asked although the settings hold them";
        return false;
    };
    // A wrong password.
    TSendOutcome out = SendLogByEMail(Request(), Settings(server, "dl1abc", "wrong"), never);
    EXPECT_FALSE(out.Sent());
    EXPECT_EQ(frontEnd_.lastError.rfind("Sending failed: ", 0), 0u) << frontEnd_.lastError;
    // The credentials query cancelled.
    out = SendLogByEMail(Request(), Settings(server, "", ""), [](std::string&, std::string&) { return false; });
    EXPECT_TRUE(out.cancelled);
    // No server or no sender.
    TOptions o = Settings(server, "dl1abc", "secret");
    o.EMail_Sender.oValue = "";
    out = SendLogByEMail(Request(), o, never);
    EXPECT_EQ(out.status, TSendStatus::Invalid);
    EXPECT_EQ(frontEnd_.lastError, "Please enter the SMTP server and the sender address in the options first.");
    // A recipient without "@".
    TSendRequest r = Request();
    r.recipients = "robot.example.net";
    out = SendLogByEMail(r, Settings(server, "dl1abc", "secret"), never);
    EXPECT_EQ(out.status, TSendStatus::Invalid);
    EXPECT_NE(frontEnd_.lastError.find("has no \"@\""), std::string::npos) << frontEnd_.lastError;

    EXPECT_TRUE(server.Messages().empty());
    EXPECT_TRUE(ReadJournal(dir_.File("E-Mails")).empty());
    EXPECT_EQ(EMailAddresses[cWWDXcw], "cqww@example.net");
}

}  // namespace
}  // namespace qz
