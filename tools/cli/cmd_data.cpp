// diff, apply, copy and reset: the comparison page and the copy and reset dialogs on files.

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "core/dataops/apply.h"
#include "core/dataops/copy.h"
#include "core/dataops/reset.h"
#include "core/editor/compare.h"
#include "core/model/access.h"
#include "core/model/defaults.h"
#include "core/store/model_memory.h"
#include "core/util/files.h"
#include "tools/cli/command_line.h"

namespace cli {

namespace {

// As diff(1): 0 same, 1 different, 2 trouble.
int Trouble(const std::string& message) {
  return Fail(message, 2);
}

// The selection of a copy or reset command line, checked against the menus offered for typeMask.
std::optional<core::DataSelection> Selection(const CommandLine& line, const char* conditionsOption,
                                             int typeMask, int version, std::string& error) {
  const auto conditions = line.options.find(conditionsOption);
  const auto menus = line.options.find("--menus");
  if (conditions == line.options.end() || menus == line.options.end()) {
    error = std::string("options ") + conditionsOption + " and --menus are needed";
    return std::nullopt;
  }
  core::DataSelection selection;
  const auto parsedConditions = core::ParseConditions(conditions->second);
  if (!parsedConditions) {
    error = "conditions '" + conditions->second + "' are not a list of 0..4";
    return std::nullopt;
  }
  selection.conditions = *parsedConditions;
  const auto ids = core::ParseMenuCodes(menus->second, typeMask, version);
  if (!ids || ids->empty()) {
    error = "menus '" + menus->second + "': not a list of menus offered for these model types";
    return std::nullopt;
  }
  selection.menuIds = *ids;
  return selection;
}

int Report(int result, core::ModellSpeicherTyp& record, const core::ImageBytes& before,
           const std::string& path) {
  if (result == core::kUnchanged || record.image == before) {
    std::printf("Keine Daten geändert!\n");
    return 0;
  }
  std::string error;
  if (!SaveMemoryFile(record, before, path, error)) return Trouble(error);
  std::printf("OK!\n");
  return 0;
}

// Full names, one a line, from a file or standard input ("-"); blank lines are passed over.
bool ReadNames(const std::string& from, std::vector<std::string>& names, std::string& error) {
  std::ifstream file;
  if (from != "-") {
    file.open(core::PathFromUtf8(from), std::ios::binary);
    if (!file) {
      error = "cannot read '" + from + "'";
      return false;
    }
  }
  std::istream& in = from == "-" ? std::cin : file;
  for (std::string line; std::getline(in, line);) {
    if (!line.empty() && line.back() == '\r') line.pop_back();  // written on Windows
    if (!line.empty()) names.push_back(line);
  }
  if (in.bad()) {
    error = "cannot read '" + from + "'";
    return false;
  }
  return true;
}

bool SameFile(const std::string& a, const std::string& b) {
  std::error_code ec;
  return std::filesystem::equivalent(core::PathFromUtf8(a), core::PathFromUtf8(b), ec);
}

// The two memories A and B of diff and apply; 0, or the exit code of a failure.
int LoadPair(const CommandLine& line, const char* usage, core::ModellSpeicherTyp& a,
             core::ModellSpeicherTyp& b) {
  if (!line.error.empty()) return Trouble(line.error);
  if (line.positional.size() != 2) return Trouble(std::string("usage: ") + usage);
  std::string error;
  if (!LoadMemoryFile(a, line.positional[0], error) ||
      !LoadMemoryFile(b, line.positional[1], error))
    return Trouble(error);
  return 0;
}

}  // namespace

int CmdDiff(const Args& args) {
  const CommandLine line = ParseCommandLine(args, {"--version"}, {"--low-level"});
  core::ModellSpeicherTyp a, b;
  if (const int rc = LoadPair(line, "diff A.fc B.fc [--low-level] [--version 30|31|32]", a, b))
    return rc;
  const int version = line.version;
  const std::string nameA = core::FileNameOf(line.positional[0]);
  const std::string nameB = core::FileNameOf(line.positional[1]);
  const core::CompareResult r = line.Has("--low-level")
                                    ? core::CompareRaw(a, b, nameA, nameB, version)
                                    : core::CompareParameters(a, b, nameA, nameB, version);
  std::string out;
  for (const std::string& l : r.lines) out += l + "\n";
  if (std::fwrite(out.data(), 1, out.size(), stdout) != out.size() || std::fflush(stdout) != 0)
    return Trouble("cannot write to standard output");
  return r.differ ? 1 : 0;
}

int CmdApply(const Args& args) {
  const CommandLine line = ParseCommandLine(args, {"--names", "--version"}, {});
  core::ModellSpeicherTyp a, b;
  if (const int rc = LoadPair(line, "apply A.fc B.fc [--names FILE|-] [--version 30|31|32]", a, b))
    return rc;
  const int version = line.version;
  std::string error;
  const core::CompareResult differences = core::CompareModelMemories(a, b, false, version);
  std::vector<core::DiffRow> rows = differences.rows;
  if (const auto names = line.Value("--names")) {
    std::vector<std::string> wanted, unmatched;
    if (!ReadNames(*names, wanted, error)) return Trouble(error);
    rows = core::RowsNamed(differences, b, wanted, version, &unmatched);
    // Already equal, or a typing error: either way there is nothing to take for it.
    for (const std::string& name : unmatched)
      std::fprintf(stderr, "veltrano-cli: no difference named '%s'\n", name.c_str());
  }
  const core::ImageBytes before = b.image;
  const core::TakeOverOutcome outcome = core::TakeOver(a, b, rows, version);
  if (b.image != before && !SaveMemoryFile(b, before, line.positional[1], error))
    return Trouble(error);
  std::printf("übernommen: %d, verschieden: %d\n", outcome.taken, outcome.Differing());
  if (std::fflush(stdout) != 0) return Trouble("cannot write to standard output");
  return outcome.Differing() == 0 ? 0 : 1;
}

int CmdCopy(const Args& args) {
  const CommandLine line = ParseCommandLine(args, {"--from", "--to", "--menus", "--version"}, {});
  if (!line.error.empty()) return Trouble(line.error);
  if (line.positional.size() != 2)
    return Trouble(
        "usage: copy SOURCE.fc TARGET.fc --from COND --to CONDS --menus CODES|all [--version N]");
  const auto from = line.options.find("--from");
  if (from == line.options.end() || from->second.size() != 1 || from->second[0] < '0' ||
      from->second[0] > '4')
    return Trouble("--from needs one condition 0..4");
  const std::string& sourcePath = line.positional[0];
  const std::string& targetPath = line.positional[1];
  core::ModellSpeicherTyp source, targetRecord;
  std::string error;
  if (!LoadMemoryFile(source, sourcePath, error)) return Trouble(error);
  const bool one = SameFile(sourcePath, targetPath);
  if (!one && !LoadMemoryFile(targetRecord, targetPath, error)) return Trouble(error);
  core::ModellSpeicherTyp& target = one ? source : targetRecord;

  const auto selection =
      Selection(line, "--to", core::CopyTypeMask(&source, &target), line.version, error);
  if (!selection) return Trouble(error);
  const core::ImageBytes before = target.image;
  const int result =
      core::CopyMenus(source, from->second[0] - '0', target, *selection, line.version);
  return Report(result, target, before, targetPath);
}

int CmdReset(const Args& args) {
  const CommandLine line = ParseCommandLine(args, {"--conditions", "--menus", "--version"}, {});
  if (!line.error.empty()) return Trouble(line.error);
  if (line.positional.size() != 1)
    return Trouble("usage: reset FILE.fc --conditions CONDS --menus CODES|all [--version N]");
  core::ModellSpeicherTyp m;
  std::string error;
  if (!LoadMemoryFile(m, line.positional[0], error)) return Trouble(error);
  const auto selection =
      Selection(line, "--conditions", core::ModelTypeMask(&m), line.version, error);
  if (!selection) return Trouble(error);
  const core::ImageBytes before = m.image;
  const int result = core::ResetMenus(m, *selection, line.version);
  return Report(result, m, before, line.positional[0]);
}

}  // namespace cli
