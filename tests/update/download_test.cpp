// Downloads over HTTPS check the server's certificate: a server with a certificate of
// its own making is refused. What a server sends reaches the user only made printable.
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "testutil.h"
#include "base/encoding.h"
#include "update/download.h"
#include "update/qzupdate.h"
#include "update/testserver.h"

namespace qz {
namespace {

TEST(Download, HttpsRefusesAnUntrustedCertificate) {
    test::TempDir dir;
    const std::string pem = dir.File("server.pem");
    const std::string make = "openssl req -x509 -newkey rsa:2048 -nodes -days 1 -subj /CN=127.0.0.1 -keyout " + pem +
                             " -out " + dir.File("cert.pem") + " >/dev/null 2>&1 && cat " + dir.File("cert.pem") +
                             " >> " + pem;
    if (std::system(make.c_str()) != 0) GTEST_SKIP() << "openssl is needed to make a test certificate";
    test::WriteFile(dir.File("x.dat"), "data\n");
    test::TestHttpServer server(dir.path().string(), pem);
    if (!server.Ready()) GTEST_SKIP() << "python3 is needed for the test HTTP server";

    TDownloadOptions options;
    options.policy = TUrlPolicy::HttpOrHttps;
    options.showProgress = false;
    std::string body;
    const TDownloadResult r = DownloadToString(server.Url("/files/x.dat"), options, body);
    EXPECT_EQ(r.status, TDownloadStatus::Failed) << r.error;
    EXPECT_NE(r.error.find("certificate"), std::string::npos) << r.error;
    EXPECT_EQ(body, "");
}

TEST(QZUpdate, WhatTheServerSendsCannotControlTheTerminal) {
    test::TempDir dir;
    test::WriteFile(dir.File("version.txt"), "99\n0\n0\n0\nhttps://example.org/\x1B]0;owned\x07\x1B[2J\n");
    test::TestHttpServer server(dir.path().string());
    if (!server.Ready()) GTEST_SKIP() << "python3 is needed for the test HTTP server";
    const TQZCheckResult r = TQZUpdate(server.Url("/files/version.txt")).CheckNewVersion();
    ASSERT_EQ(r.outcome, TQZCheckOutcome::NewerOffered) << r.message;
    EXPECT_NE(r.message.find("https://example.org/ ]0;owned  [2J"), std::string::npos) << r.message;
    // Such an address is not handed to the browser either.
    std::string error;
    EXPECT_FALSE(OpenInBrowser(r.offer.downloadPage, &error));
    EXPECT_EQ(error, PrintableText(error));
}

}  // namespace
}  // namespace qz
