#include "mail/mailclient.h"

#include <spawn.h>
#include <sys/wait.h>

#include <cerrno>
#include <cstring>
#include <vector>

#include "base/encoding.h"
#include "base/text.h"
#include "mail/mailaddress.h"

extern char** environ;

namespace qz {

bool ComposeWithMailClient(const std::string& attachment, const std::string& subject, const std::string& address,
                           std::string* error) {
    auto fail = [error](const std::string& why) {
        if (error) *error = why;
        return false;
    };
    std::vector<std::string> args = {"xdg-email", "--attach", attachment, "--subject", Cp1252ToUtf8(subject)};
    if (!Trim(address).empty()) {
        // One bare address: anything else could be taken for an option of the program.
        std::string bare, why;
        if (!BareAddress(address, bare, &why)) return fail(why);
        args.push_back(bare);
    }
    std::vector<char*> argv;
    for (auto& a : args) argv.push_back(a.data());
    argv.push_back(nullptr);
    pid_t pid = 0;
    const int rc = posix_spawnp(&pid, "xdg-email", nullptr, nullptr, argv.data(), environ);
    if (rc != 0)
        return fail(rc == ENOENT ? "the mail client helper xdg-email was not found (Debian package xdg-utils)"
                                 : "xdg-email could not be started: " + std::string(std::strerror(rc)));
    int status = 0;
    while (waitpid(pid, &status, 0) < 0)
        if (errno != EINTR) return fail("xdg-email: " + std::string(std::strerror(errno)));
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0)
        return fail("xdg-email ended with status " + std::to_string(WIFEXITED(status) ? WEXITSTATUS(status) : -1) +
                    " (no mail client could take the message)");
    return true;
}

}  // namespace qz
