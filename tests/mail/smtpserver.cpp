#include "mail/smtpserver.h"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <thread>

#include "base/text.h"
#include "testutil.h"

namespace qz::test {

namespace fs = std::filesystem;

namespace {

constexpr const char* kPython = "/usr/bin/python3";

std::string ScriptPath() { return std::string(QZ_SOURCE_DIR) + "/tests/mail/smtp_server.py"; }

// One key and self-signed certificate for 127.0.0.1 per test run.
const std::string& CertFolder() {
    static const std::string folder = [] {
        fs::path dir = fs::temp_directory_path() / ("qz-smtp-cert-" + std::to_string(::getpid()));
        fs::create_directories(dir);
        const std::string cmd =
            "openssl req -x509 -newkey ec -pkeyopt ec_paramgen_curve:prime256v1 -nodes -days 2 -subj /CN=127.0.0.1 "
            "-addext subjectAltName=IP:127.0.0.1 -keyout " +
            (dir / "key.pem").string() + " -out " + (dir / "cert.pem").string() + " >/dev/null 2>&1";
        if (std::system(cmd.c_str()) != 0) return std::string();
        std::atexit([] {
            std::error_code ec;
            fs::remove_all(fs::temp_directory_path() / ("qz-smtp-cert-" + std::to_string(::getpid())), ec);
        });
        return dir.string();
    }();
    return folder;
}

std::vector<std::string> FilesWithExtension(const std::string& folder, const std::string& ext) {
    std::vector<std::string> out;
    for (int n = 1; fs::exists(folder + "/msg-" + std::to_string(n) + ext); ++n)
        out.push_back(ReadFile(folder + "/msg-" + std::to_string(n) + ext));
    return out;
}

}  // namespace

bool SmtpServerAvailable() {
    return std::system((std::string(kPython) + " -c 'import aiosmtpd' >/dev/null 2>&1").c_str()) == 0 &&
           !CertFolder().empty();
}

std::string SmtpServer::CertificateFile() { return CertFolder() + "/cert.pem"; }

SmtpServer::SmtpServer(const Options& options) {
    static int counter = 0;
    folder_ = (fs::temp_directory_path() / ("qz-smtp-" + std::to_string(::getpid()) + "-" + std::to_string(counter++)))
                  .string();
    fs::create_directories(folder_);
    std::vector<std::string> args = {kPython,  ScriptPath(), "--out",      folder_,
                                     "--mode", options.mode, "--lifetime", std::to_string(options.lifetimeSeconds)};
    if (options.tls != Options::Tls::None) {
        args.push_back(options.tls == Options::Tls::StartTls ? "--starttls" : "--implicit-tls");
        args.push_back(CertFolder() + "/cert.pem");
        args.push_back(CertFolder() + "/key.pem");
    }
    if (!options.login.empty()) {
        args.push_back("--login");
        args.push_back(options.login);
    }
    std::vector<char*> argv;
    for (auto& a : args) argv.push_back(a.data());
    argv.push_back(nullptr);
    const std::string logPath = folder_ + "/server.log";
    int in[2], out[2];
    if (pipe(in) != 0 || pipe(out) != 0) {
        error_ = "pipe failed";
        return;
    }
    pid_ = fork();
    if (pid_ == 0) {
        dup2(in[0], 0);
        dup2(out[1], 1);
        // The server's own warnings and tracebacks go to its folder, not into the test log.
        const int log = open(logPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
        if (log >= 0) dup2(log, 2);
        close(in[0]);
        close(in[1]);
        close(out[0]);
        close(out[1]);
        execv(kPython, argv.data());
        _exit(127);
    }
    close(in[0]);
    close(out[1]);
    stdinFd_ = in[1];
    // The port arrives on the first line; the server gets ten seconds to start.
    std::string line;
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(10);
    while (line.find('\n') == std::string::npos && std::chrono::steady_clock::now() < deadline) {
        pollfd p{out[0], POLLIN, 0};
        if (poll(&p, 1, 200) <= 0) continue;
        char buf[64];
        const ssize_t n = read(out[0], buf, sizeof buf);
        if (n <= 0) break;
        line.append(buf, static_cast<std::size_t>(n));
    }
    close(out[0]);
    port_ = StrToIntDef(Trim(line), 0);
    if (port_ == 0) error_ = "the test SMTP server did not start";
}

SmtpServer::~SmtpServer() {
    if (stdinFd_ >= 0) close(stdinFd_);  // the server ends when its input closes
    if (pid_ > 0) {
        int status = 0;
        bool ended = false;
        for (int i = 0; i < 50 && !ended; ++i) {
            ended = waitpid(pid_, &status, WNOHANG) == pid_;
            if (!ended) std::this_thread::sleep_for(std::chrono::milliseconds(100));
        }
        if (!ended) {
            kill(pid_, SIGKILL);
            waitpid(pid_, &status, 0);
        }
    }
    std::error_code ec;
    fs::remove_all(folder_, ec);
}

std::vector<std::string> SmtpServer::Messages() const { return FilesWithExtension(folder_, ".eml"); }

std::vector<std::vector<std::string>> SmtpServer::Envelopes() const {
    std::vector<std::vector<std::string>> out;
    for (const auto& text : FilesWithExtension(folder_, ".env")) out.push_back(SplitLines(text));
    return out;
}

std::vector<std::string> SmtpServer::Commands() const {
    return fs::exists(folder_ + "/commands.log") ? SplitLines(ReadFile(folder_ + "/commands.log"))
                                                 : std::vector<std::string>{};
}

}  // namespace qz::test
