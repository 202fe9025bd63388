#pragma once

#include <string>
#include <vector>

namespace cli {

using Args = std::vector<std::string>;

// Each returns the process exit code; errors go to standard error.
int CmdNew(const Args& args);
int CmdDump(const Args& args);
int CmdSet(const Args& args);
int CmdReceive(const Args& args);
int CmdSend(const Args& args);
int CmdExplain(const Args& args);
int CmdMenus(const Args& args);
int CmdGrid(const Args& args);
int CmdDiff(const Args& args);
int CmdApply(const Args& args);
int CmdCopy(const Args& args);
int CmdReset(const Args& args);
int CmdPrint(const Args& args);

}  // namespace cli
