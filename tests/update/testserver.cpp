#include "update/testserver.h"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <thread>
#include <vector>

extern char** environ;

namespace qz::test {

TestHttpServer::TestHttpServer(const std::string& folder, const std::string& certFile) : https_(!certFile.empty()) {
    int in[2], out[2];
    if (::pipe2(in, O_CLOEXEC) != 0) return;
    if (::pipe2(out, O_CLOEXEC) != 0) {
        ::close(in[0]);
        ::close(in[1]);
        return;
    }
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, in[0], 0);
    posix_spawn_file_actions_adddup2(&actions, out[1], 1);
    posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);
    std::string python = "python3", script = std::string(QZ_SOURCE_DIR) + "/tests/update/testserver.py";
    std::string root = folder, cert = certFile;
    std::vector<char*> argv{python.data(), script.data(), root.data()};
    if (https_) argv.push_back(cert.data());
    argv.push_back(nullptr);
    const int rc = ::posix_spawnp(&pid_, python.c_str(), &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    ::close(in[0]);
    ::close(out[1]);
    input_ = in[1];
    if (rc != 0) {
        pid_ = -1;
        ::close(out[0]);
        return;
    }
    // The first line is the port; it comes at once or the server did not start.
    std::string line;
    pollfd p{out[0], POLLIN, 0};
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(10);
    while (line.find('\n') == std::string::npos && std::chrono::steady_clock::now() < deadline) {
        if (::poll(&p, 1, 200) <= 0) continue;
        char buf[64];
        const ssize_t n = ::read(out[0], buf, sizeof buf);
        if (n <= 0) break;
        line.append(buf, static_cast<std::size_t>(n));
    }
    ::close(out[0]);
    port_ = line.find('\n') == std::string::npos ? 0 : std::atoi(line.c_str());
    if (port_ <= 0) Stop();
}

TestHttpServer::~TestHttpServer() { Stop(); }

std::string TestHttpServer::Url(const std::string& path) const {
    return std::string(https_ ? "https" : "http") + "://127.0.0.1:" + std::to_string(port_) + path;
}

void TestHttpServer::Stop() {
    if (input_ >= 0) ::close(input_);
    input_ = -1;
    if (pid_ <= 0) return;
    for (int i = 0; i < 50; ++i) {
        if (::waitpid(pid_, nullptr, WNOHANG) == pid_) {
            pid_ = -1;
            return;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
    }
    ::kill(pid_, SIGKILL);
    ::waitpid(pid_, nullptr, 0);
    pid_ = -1;
}

}  // namespace qz::test
