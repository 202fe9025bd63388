#include <cstdio>
#include <string>

#include "core/editor/explanation.h"
#include "core/editor/menutab.h"
#include "core/store/model_memory.h"
#include "core/util/files.h"
#include "tools/cli/commands.h"

namespace cli {

namespace {

constexpr const char* kUsage = "usage: explain FILE.fc CODE [--version 30|31|32]";

int Fail(int code, const std::string& message) {
  std::fprintf(stderr, "veltrano-cli: %s\n", message.c_str());
  return code;
}

}  // namespace

int CmdExplain(const Args& args) {
  Args positional;
  int version = 32;
  for (std::size_t i = 0; i < args.size(); ++i) {
    if (args[i] == "--version") {
      const std::string value = i + 1 < args.size() ? args[++i] : "";
      if (value != "30" && value != "31" && value != "32")
        return Fail(1, "unknown version '" + value + "' (30, 31 or 32)");
      version = std::stoi(value);
    } else if (args[i].size() > 2 && args[i].compare(0, 2, "--") == 0) {
      return Fail(1, "unknown option " + args[i]);
    } else {
      positional.push_back(args[i]);
    }
  }
  if (positional.size() != 2) return Fail(1, kUsage);
  const core::MdlMenuTyp* menu = core::FindMenuByCode(positional[1]);
  if (menu == nullptr) return Fail(2, "unknown menu code '" + positional[1] + "'");

  const std::string& path = positional[0];
  core::ModellSpeicherTyp record;
  if (!core::FileExists(path)) return Fail(1, "cannot read '" + path + "'");
  if (!core::LoadModelMemory(record, path))
    return Fail(1, "'" + path + "' is no model memory file (header FC2830, at most 2048 data bytes)");
  const std::string text = core::ExplanationListing(*menu, &record, version);
  if (std::fwrite(text.data(), 1, text.size(), stdout) != text.size() || std::fflush(stdout) != 0)
    return Fail(1, "cannot write to standard output");
  return 0;
}

}  // namespace cli
