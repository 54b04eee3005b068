#include <algorithm>

#include "cli/commands.h"

namespace qz::cli {

bool WantsHelp(const TArgs& args) {
    return std::find_if(args.begin(), args.end(), [](const std::string& a) { return a == "-h" || a == "--help"; }) !=
           args.end();
}

bool TakeFlag(TArgs& args, const std::string& flag) {
    auto it = std::find(args.begin(), args.end(), flag);
    if (it == args.end()) return false;
    args.erase(it);
    return true;
}

bool TakeOption(TArgs& args, const std::string& name, std::string& value) {
    for (auto it = args.begin(); it != args.end(); ++it) {
        if (*it == name && it + 1 != args.end()) {
            value = *(it + 1);
            args.erase(it, it + 2);
            return true;
        }
        if (it->rfind(name + "=", 0) == 0) {
            value = it->substr(name.size() + 1);
            args.erase(it);
            return true;
        }
    }
    return false;
}

}  // namespace qz::cli
