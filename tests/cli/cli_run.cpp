#include "cli_run.h"

#include <sys/wait.h>

#include <cstdio>
#include <filesystem>

#include "base/text.h"
#include "testutil.h"

namespace qz::test {

RunResult RunQz(const std::string& args, const std::string& env, const std::string& input) {
    TempDir dir;
    std::string outFile = dir.File("out"), errFile = dir.File("err");
    std::string cmd = env + (env.empty() ? "" : " ") + std::string(QZ_BINARY) + " " + args + " >" + outFile + " 2>" +
                      errFile + " <" + input;
    int rc = std::system(cmd.c_str());
    RunResult r;
    r.status = WIFEXITED(rc) ? WEXITSTATUS(rc) : -1;
    r.out = ReadFile(outFile);
    r.err = ReadFile(errFile);
    return r;
}

}  // namespace qz::test

namespace qz {
std::vector<std::string> SplitLinesForTest(const std::string& text) { return SplitLines(text); }
}  // namespace qz
