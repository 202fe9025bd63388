#include <cstdio>
#include <optional>
#include <string>

#include "core/model/access.h"
#include "core/model/defaults.h"
#include "core/model/dump.h"
#include "core/model/model_types.h"
#include "core/store/model_memory.h"
#include "core/util/files.h"
#include "core/util/text.h"
#include "tools/cli/command_line.h"

namespace cli {

namespace {

std::optional<core::NewMemoryLanguage> LanguageOf(const std::optional<std::string>& text) {
  if (!text) return core::NewMemoryLanguage::Englisch;
  std::string upper = core::UpperAscii(*text);
  if (upper == "ENGLISCH") return core::NewMemoryLanguage::Englisch;
  if (upper == "DEUTSCH") return core::NewMemoryLanguage::Deutsch;
  if (upper == "FRANZöSISCH" || upper == "FRANZÖSISCH")
    return core::NewMemoryLanguage::Franzoesisch;
  return std::nullopt;
}

}  // namespace

int CmdNew(const Args& args) {
  const CommandLine p = ParseCommandLine(args, {"--language"});
  if (!p.error.empty()) return Fail(p.error);
  if (p.positional.size() != 2)
    return Fail("usage: new TYPE [--language englisch|deutsch|französisch] OUT.fc");
  const std::string type = core::UpperAscii(p.positional[0]);
  bool known = false;
  for (const core::ModelTypeRow& t : core::kModelTypes) known |= type == t.newMemoryText;
  if (!known)
    return Fail("unknown model type '" + p.positional[0] + "' (for example \"glider 2 servos\")");
  const auto language = LanguageOf(p.Value("--language"));
  if (!language)
    return Fail("unknown language '" + p.options.at("--language") +
                "' (englisch, deutsch, französisch)");
  const std::string& out = p.positional[1];
  if (core::FileExists(out)) return Fail("'" + out + "' exists already; not overwritten");

  core::ModellSpeicherTyp record;
  core::FillDefaultMemory(record, core::ModelTypeMaskOfText(type), *language, 32);
  core::SetDateNow(record);
  // The image alone: a new memory has no comment file to write or remove.
  if (!core::WriteModelImage(record, out)) return Fail("cannot write '" + out + "'");
  return 0;
}

int CmdDump(const Args& args) {
  const CommandLine p = ParseCommandLine(args, {"--version"}, {"--plain", "--addresses"});
  if (!p.error.empty()) return Fail(p.error);
  if (p.positional.size() != 1)
    return Fail("usage: dump FILE.fc [--version 30|31|32] [--plain] [--addresses]");
  core::ModellSpeicherTyp record;
  std::string error;
  if (!LoadMemoryFile(record, p.positional[0], error)) return Fail(error);
  return Flush(core::DumpText(record, p.version, p.Has("--plain"), p.Has("--addresses")));
}

int CmdSet(const Args& args) {
  const CommandLine p = ParseCommandLine(args, {"--version"});
  if (!p.error.empty()) return Fail(p.error);
  if (p.positional.size() != 3)
    return Fail("usage: set FILE.fc (NAME | @ADDRESS.BIT) TEXT [--version 30|31|32]");
  const std::string& path = p.positional[0];
  core::ModellSpeicherTyp record;
  std::string error;
  if (!LoadMemoryFile(record, path, error)) return Fail(error);

  const auto entries = core::DumpMemory(record, p.version, false);
  const core::DumpEntry* entry = core::FindDumpEntry(entries, p.positional[1]);
  if (!entry) return Fail("no value named '" + p.positional[1] + "' in '" + path + "'");

  const auto before = record.image;
  const int result =
      core::SetParameterText(entry->address, entry->bit, &record, true, p.positional[2], p.version);
  if (record.image != before && !SaveMemoryFile(record, before, path, error)) return Fail(error);
  std::printf("%d\n", result);
  return 0;
}

}  // namespace cli
