// Runs the built qz executable with arguments and captures what it prints.
#pragma once

#include <string>
#include <vector>

namespace qz::test {

struct RunResult {
    int status = -1;
    std::string out;
    std::string err;
};

// `args` is passed to the shell as it stands; `env` is prepended ("A=1 B=2"); standard
// input comes from `input`.
RunResult RunQz(const std::string& args, const std::string& env = "", const std::string& input = "/dev/null");

}  // namespace qz::test

namespace qz {
std::vector<std::string> SplitLinesForTest(const std::string& text);
}
