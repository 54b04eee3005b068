// Downloads over HTTPS check the server's certificate: a server with a certificate of
// its own making is refused.
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "testutil.h"
#include "update/download.h"
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

}  // namespace
}  // namespace qz
