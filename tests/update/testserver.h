// A real HTTP server for the update tests (tests/update/testserver.py), started on
// 127.0.0.1 at a free port and stopped again by the test.
#pragma once

#include <sys/types.h>

#include <string>

namespace qz::test {

class TestHttpServer {
public:
    // Serves the files of `folder`; a `certFile` (key and certificate in one PEM file)
    // makes it HTTPS. Ready() is false when python3 is missing or the server did not
    // report its port within 10 s.
    explicit TestHttpServer(const std::string& folder, const std::string& certFile = "");
    ~TestHttpServer();
    TestHttpServer(const TestHttpServer&) = delete;
    TestHttpServer& operator=(const TestHttpServer&) = delete;

    bool Ready() const { return port_ > 0; }
    int Port() const { return port_; }
    // "http://127.0.0.1:PORT" + path (https with a certificate).
    std::string Url(const std::string& path) const;
    // Ends the server (closes its input, waits up to 5 s, then kills it).
    void Stop();

private:
    pid_t pid_ = -1;
    int input_ = -1;
    int port_ = 0;
    bool https_ = false;
};

}  // namespace qz::test
