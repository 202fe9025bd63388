#include <string>

#include "core/editor/explanation.h"
#include "core/editor/menutab.h"
#include "core/store/model_memory.h"
#include "core/util/files.h"
#include "tools/cli/command_line.h"

namespace cli {

int CmdExplain(const Args& args) {
  const CommandLine line = ParseCommandLine(args, {"--version"});
  if (!line.error.empty()) return Fail(line.error);
  const Args& positional = line.positional;
  if (positional.size() != 2) return Fail("usage: explain FILE.fc CODE [--version 30|31|32]");
  const core::MdlMenuTyp* menu = core::FindMenuByCode(positional[1]);
  if (menu == nullptr) return Fail("unknown menu code '" + positional[1] + "'", 2);

  core::ModellSpeicherTyp record;
  std::string error;
  if (!LoadMemoryFile(record, positional[0], error)) return Fail(error);
  return Flush(core::ExplanationListing(*menu, &record, line.version));
}

}  // namespace cli
