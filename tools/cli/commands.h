#pragma once

#include <string>
#include <vector>

#include "core/store/record.h"

namespace cli {

using Args = std::vector<std::string>;

/// Loads a model memory file; false with a message that says why (missing, unreadable with the
/// system's reason, no model memory file).
bool LoadMemoryFile(core::ModellSpeicherTyp& record, const std::string& path, std::string& error);

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
