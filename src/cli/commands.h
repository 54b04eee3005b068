// The subcommands of the qz command line.
#pragma once

#include <string>
#include <vector>

namespace qz::cli {

struct TGlobalOptions {
    bool tsv = false;
};

using TArgs = std::vector<std::string>;

// Each returns the process exit status.
int CmdContests(const TArgs& args);
int CmdCall(const TArgs& args);
int CmdExport(const TArgs& args);
int CmdInfo(const TArgs& args);
int CmdCompile(const TArgs& args);
int CmdConvert(const TArgs& args);
int CmdScore(const TArgs& args);
int CmdReport(const TArgs& args);
int CmdLayout(const TArgs& args);
int CmdADIFConfig(const TArgs& args);
int CmdCheck(const TArgs& args);
int CmdBatch(const TArgs& args);
int CmdCrossCheck(const TArgs& args);
int CmdUpdate(const TArgs& args);
int CmdSend(const TArgs& args);
int CmdFinalize(const TArgs& args);
int CmdJournal(const TArgs& args);

// True when `args` asks for help ("-h"/"--help").
bool WantsHelp(const TArgs& args);
// Removes a flag from `args`; true when it was there.
bool TakeFlag(TArgs& args, const std::string& flag);
// Removes "--name VALUE" or "--name=VALUE" from `args`.
bool TakeOption(TArgs& args, const std::string& name, std::string& value);

}  // namespace qz::cli
