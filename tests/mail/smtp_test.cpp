// Sending through a real SMTP server on 127.0.0.1: what arrives, and that credentials
// never travel unencrypted.
#include <gtest/gtest.h>

#include <chrono>
#include <string>

#include "mail/mailaddress.h"
#include "mail/mailtest.h"
#include "mail/smtp.h"
#include "mail/smtpserver.h"
#include "testutil.h"

namespace qz {
namespace {

using test::SmtpServer;
using Tls = SmtpServer::Options::Tls;

// A Cabrillo text with what could be lost on the way: a Windows-1252 letter, a line
// that is a lone dot, one that begins with a dot, and CR LF line ends.
const std::string kAttachment =
    "START-OF-LOG: 3.0\r\nCALLSIGN: DL1ABC\r\nNAME: J\xFCrgen\r\n.\r\n.leading dot\r\n"
    "QSO: 14000 CW 2013-11-23 0007 DL1ABC 599 14 W1AW 599 05\r\nEND-OF-LOG:\r\n";

class Smtp : public ::testing::Test {
protected:
    void SetUp() override {
        if (!test::SmtpServerAvailable()) GTEST_SKIP() << "python3-aiosmtpd or openssl is not installed";
        test::UseEnglishStrings();
    }
    static TMailMessage Message() {
        TMailMessage m;
        m.from = "dl1abc@example.org";
        m.to = {"robot@example.net"};
        m.cc = {"dl1abc@example.org"};
        m.subject = "DL1ABC";
        m.body = "Hello\r\n\r\nLog sent by QZ\r\n";
        m.attachmentName = "DL1ABC.log";
        m.attachment = kAttachment;
        return m;
    }
    static TSmtpSettings Settings(const SmtpServer& server, const std::string& user = "",
                                  const std::string& password = "") {
        TSmtpSettings s;
        s.host = "127.0.0.1";
        s.port = server.Port();
        s.userName = user;
        s.password = password;
        s.caFile = SmtpServer::CertificateFile();
        s.timeoutSeconds = 10;
        return s;
    }
};

TEST_F(Smtp, StartTlsWithLoginDeliversTheMessageAndItsAttachmentExactly) {
    SmtpServer server({Tls::StartTls, "dl1abc:secret"});
    ASSERT_NE(server.Port(), 0) << server.Error();
    TMailMessage m = Message();
    m.subject = "Log DL1ABC \xE4";
    const TSendResult r = SendMail(Settings(server, "dl1abc", "secret"), m);
    ASSERT_TRUE(r.Ok()) << r.message;

    EXPECT_EQ(server.Commands(), (std::vector<std::string>{"STARTTLS", "AUTH encrypted=True", "LOGIN accepted"}));
    ASSERT_EQ(server.Envelopes().size(), 1u);
    EXPECT_EQ(server.Envelopes()[0],
              (std::vector<std::string>{"dl1abc@example.org", "robot@example.net", "dl1abc@example.org"}));
    const std::string raw = server.Messages().at(0);
    const std::string headers = raw.substr(0, raw.find("\r\n\r\n"));
    EXPECT_EQ(test::HeaderValue(headers, "From"), "dl1abc@example.org");
    EXPECT_EQ(test::HeaderValue(headers, "To"), "robot@example.net");
    EXPECT_EQ(test::HeaderValue(headers, "Cc"), "dl1abc@example.org");
    EXPECT_EQ(test::HeaderValue(headers, "Subject"), "=?windows-1252?Q?Log_DL1ABC_=E4?=");
    EXPECT_NE(test::HeaderValue(headers, "Date"), "");
    EXPECT_EQ(test::HeaderValue(headers, "Content-Type").rfind("multipart/mixed;", 0), 0u) << headers;

    const auto parts = test::MimeParts(raw);
    ASSERT_EQ(parts.size(), 2u) << raw;
    EXPECT_EQ(test::HeaderValue(parts[0].headers, "Content-Type"), "text/plain; charset=windows-1252");
    EXPECT_NE(parts[0].content.find("Log sent by QZ"), std::string::npos) << parts[0].content;
    EXPECT_EQ(test::HeaderValue(parts[1].headers, "Content-Type"), "text/plain; charset=ISO-8859-1");
    EXPECT_EQ(test::HeaderValue(parts[1].headers, "Content-Disposition"), "attachment; filename=\"DL1ABC.log\"");
    EXPECT_EQ(test::HeaderValue(parts[1].headers, "Content-Transfer-Encoding"), "base64");
    EXPECT_EQ(test::DecodeBase64(parts[1].content), kAttachment);
}

TEST_F(Smtp, CredentialsAreNeverSentWithoutEncryption) {
    // The server advertises AUTH on a plain connection: a careless client would log in.
    SmtpServer server({Tls::None, "dl1abc:secret"});
    ASSERT_NE(server.Port(), 0) << server.Error();
    const TSendResult r = SendMail(Settings(server, "dl1abc", "secret"), Message());
    EXPECT_EQ(r.status, TSendStatus::NoTLS) << r.message;
    EXPECT_NE(r.message.find("offers no encryption"), std::string::npos) << r.message;
    EXPECT_TRUE(server.Commands().empty());
    EXPECT_TRUE(server.Messages().empty());
}

TEST_F(Smtp, WithoutLoginTlsIsUsedWhenOfferedAndNotRequired) {
    SmtpServer plain({Tls::None, ""});
    ASSERT_NE(plain.Port(), 0) << plain.Error();
    TSendResult r = SendMail(Settings(plain), Message());
    ASSERT_TRUE(r.Ok()) << r.message;
    EXPECT_EQ(plain.Messages().size(), 1u);

    SmtpServer tls({Tls::StartTls, ""});
    ASSERT_NE(tls.Port(), 0) << tls.Error();
    r = SendMail(Settings(tls), Message());
    ASSERT_TRUE(r.Ok()) << r.message;
    EXPECT_EQ(tls.Commands(), std::vector<std::string>{"STARTTLS"});
    EXPECT_EQ(tls.Messages().size(), 1u);
}

TEST_F(Smtp, ImplicitTlsByTheHostsScheme) {
    SmtpServer server({Tls::Implicit, "dl1abc:secret"});
    ASSERT_NE(server.Port(), 0) << server.Error();
    TSmtpSettings s = Settings(server, "dl1abc", "secret");
    s.host = "smtps://127.0.0.1";
    const TSendResult r = SendMail(s, Message());
    ASSERT_TRUE(r.Ok()) << r.message;
    EXPECT_EQ(server.Commands(), (std::vector<std::string>{"AUTH encrypted=True", "LOGIN accepted"}));
    EXPECT_EQ(server.Messages().size(), 1u);
}

TEST_F(Smtp, FailuresAreReportedAndNothingArrives) {
    {
        SmtpServer server({Tls::StartTls, "dl1abc:secret"});
        const TSendResult r = SendMail(Settings(server, "dl1abc", "wrong"), Message());
        EXPECT_EQ(r.status, TSendStatus::Failed);
        EXPECT_NE(r.message.find("127.0.0.1:" + std::to_string(server.Port())), std::string::npos) << r.message;
        EXPECT_TRUE(server.Messages().empty());
    }
    {
        // A certificate the client does not trust.
        SmtpServer server({Tls::StartTls, ""});
        TSmtpSettings s = Settings(server);
        s.caFile = test::SmtpServer::CertificateFile() + ".missing";
        EXPECT_EQ(SendMail(s, Message()).status, TSendStatus::Failed);
        EXPECT_TRUE(server.Messages().empty());
    }
    {
        SmtpServer server({Tls::None, "", "close"});
        const TSendResult r = SendMail(Settings(server), Message());
        EXPECT_EQ(r.status, TSendStatus::Failed);
        EXPECT_NE(r.message, "");
    }
}

TEST_F(Smtp, AServerThatNeverAnswersTimesOut) {
    SmtpServer server({Tls::None, "", "silent"});
    ASSERT_NE(server.Port(), 0) << server.Error();
    TSmtpSettings s = Settings(server);
    s.timeoutSeconds = 1;
    const auto start = std::chrono::steady_clock::now();
    const TSendResult r = SendMail(s, Message());
    EXPECT_EQ(r.status, TSendStatus::TimedOut) << r.message;
    EXPECT_NE(r.message.find("time-out"), std::string::npos) << r.message;
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(8));
}

TEST_F(Smtp, AServerThatStopsReadingTheMessageEndsTheSendWithAMessage) {
    SmtpServer::Options o;
    o.mode = "stall";
    o.lifetimeSeconds = 30;
    SmtpServer server(o);
    ASSERT_NE(server.Port(), 0) << server.Error();
    TSmtpSettings s = Settings(server);
    s.timeoutSeconds = 1;
    TMailMessage m = Message();
    // More than the socket buffers of both ends hold, so that the client's writing stops.
    m.attachment.clear();
    while (m.attachment.size() < kMaxAttachmentSize - 1024 * 1024) m.attachment += kAttachment;
    const auto start = std::chrono::steady_clock::now();
    const TSendResult r = SendMail(s, m);
    EXPECT_EQ(r.status, TSendStatus::TimedOut) << r.message;
    EXPECT_NE(r.message.find("stopped taking the message"), std::string::npos) << r.message;
    EXPECT_NE(r.message.find("nothing was delivered"), std::string::npos) << r.message;
    // The transfer rate is averaged over a few seconds before the limit applies.
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(15));
}

TEST_F(Smtp, TheAnswerToTheEndOfTheMessageDecidesWhatIsReported) {
    {
        // Took every byte, never answered: it may well have been delivered.
        SmtpServer::Options o;
        o.mode = "unconfirmed";
        o.lifetimeSeconds = 30;
        SmtpServer server(o);
        ASSERT_NE(server.Port(), 0) << server.Error();
        TSmtpSettings s = Settings(server);
        s.timeoutSeconds = 1;
        const TSendResult r = SendMail(s, Message());
        EXPECT_EQ(r.status, TSendStatus::Unconfirmed) << r.message;
        EXPECT_NE(r.message.find("may have been delivered; check before sending again"), std::string::npos)
            << r.message;
        EXPECT_EQ(r.message.find("nothing was"), std::string::npos) << r.message;
    }
    {
        SmtpServer::Options o;
        o.mode = "reject";
        SmtpServer server(o);
        ASSERT_NE(server.Port(), 0) << server.Error();
        const TSendResult r = SendMail(Settings(server), Message());
        EXPECT_EQ(r.status, TSendStatus::Failed) << r.message;
        EXPECT_NE(r.message.find("refused the message; nothing was delivered. Its answer: 554 5.7.1 Message refused: "
                                 "looks like spam"),
                  std::string::npos)
            << r.message;
        EXPECT_EQ(r.message.find("Weird"), std::string::npos) << r.message;
    }
}

TEST(SmtpInput, BadAddressesAndLargeAttachmentsAreRefusedBeforeConnecting) {
    TSmtpSettings s;
    s.host = "127.0.0.1";
    s.port = 1;  // nothing listens; a connection attempt would fail differently
    TMailMessage m;
    m.from = "dl1abc@example.org";
    m.to = {"robot.example.net"};
    TSendResult r = SendMail(s, m);
    EXPECT_EQ(r.status, TSendStatus::Invalid);
    EXPECT_NE(r.message.find("has no \"@\""), std::string::npos) << r.message;
    m.to = {"robot@example.net"};
    m.attachmentName = "big.log";
    m.attachment.assign(kMaxAttachmentSize + 1, 'x');
    r = SendMail(s, m);
    EXPECT_EQ(r.status, TSendStatus::Invalid);
    EXPECT_NE(r.message.find("big.log"), std::string::npos) << r.message;
}

TEST(SmtpInput, UrlsAddressListsAndHeaderTexts) {
    EXPECT_EQ(SmtpUrl("mail.example.org", 25), "smtp://mail.example.org:25");
    EXPECT_EQ(SmtpUrl("mail.example.org", 465), "smtps://mail.example.org:465");
    EXPECT_EQ(SmtpUrl("SMTPS://mail.example.org/", 2465), "smtps://mail.example.org:2465");
    EXPECT_EQ(SmtpUrl("smtp://::1", 587), "smtp://[::1]:587");

    struct Case {
        const char* text;
        std::vector<std::string> addresses;  // empty: refused
    };
    const Case cases[] = {
        {"robot@example.net", {"robot@example.net"}},
        {" Log Robot <robot@example.net>; me@example.org,, ", {"robot@example.net", "me@example.org"}},
        {"robot@example.net\r\nBcc: x@y.z", {}},
        {"robot@", {}},
        {"a@b@c", {}},
        {" , ", {}},
    };
    for (const Case& c : cases) {
        std::vector<std::string> got;
        std::string error;
        EXPECT_EQ(ParseAddressList(c.text, got, &error), !c.addresses.empty()) << c.text;
        if (!c.addresses.empty()) EXPECT_EQ(got, c.addresses) << c.text;
        else EXPECT_NE(error, "") << c.text;
    }
    EXPECT_EQ(EncodeHeaderText("DL1ABC\r\nBcc: x"), "DL1ABC  Bcc: x");
    EXPECT_EQ(EncodeHeaderText("\xC4rger=?"), "=?windows-1252?Q?=C4rger=3D=3F?=");
}

}  // namespace
}  // namespace qz
