// A real SMTP server for the mail tests (tests/mail/smtp_server.py on aiosmtpd),
// started on 127.0.0.1 at a free port and stopped when the object goes.
#pragma once

#include <sys/types.h>

#include <string>
#include <vector>

namespace qz::test {

class SmtpServer {
public:
    struct Options {
        enum class Tls { None, StartTls, Implicit } tls = Tls::None;
        std::string login;  // "user:password": a login is required
        // Or "close", "silent", "stall", "unconfirmed", "reject" (tests/mail/smtp_server.py).
        std::string mode = "deliver";
        // The server ends by itself after this long at the latest.
        int lifetimeSeconds = 120;
    };
    explicit SmtpServer(const Options& options);
    ~SmtpServer();
    SmtpServer(const SmtpServer&) = delete;
    SmtpServer& operator=(const SmtpServer&) = delete;

    // 0 when the server did not start (`Error()` says why).
    int Port() const { return port_; }
    const std::string& Error() const { return error_; }

    // The raw data of the received messages, the envelope of each (sender, then the
    // recipients) and the AUTH/STARTTLS/LOGIN lines the server logged.
    std::vector<std::string> Messages() const;
    std::vector<std::vector<std::string>> Envelopes() const;
    std::vector<std::string> Commands() const;

    // The certificate the server uses with TLS (for the client's CA-file setting).
    static std::string CertificateFile();

private:
    std::string folder_;
    pid_t pid_ = -1;
    int stdinFd_ = -1;
    int port_ = 0;
    std::string error_;
};

// False when python3-aiosmtpd or openssl is missing (the tests then skip).
bool SmtpServerAvailable();

}  // namespace qz::test
