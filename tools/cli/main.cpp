#include <cstdio>
#include <cstring>

#include "core/model/model_types.h"
#include "core/shell/program_version.h"
#include "tools/cli/commands.h"

namespace {

struct Command {
  const char* name;
  int (*run)(const cli::Args&);
  const char* usage;
};

constexpr Command kCommands[] = {
    {"new", cli::CmdNew, "new TYPE [--language englisch|deutsch|französisch] OUT.fc"},
    {"dump", cli::CmdDump, "dump FILE.fc [--version 30|31|32] [--plain] [--addresses]"},
    {"set", cli::CmdSet, "set FILE.fc (NAME | @ADDRESS.BIT) TEXT [--version 30|31|32]"},
    {"menus", cli::CmdMenus, "menus FILE.fc [--version 30|31|32]"},
    {"grid", cli::CmdGrid,
     "grid FILE.fc CODE [--version 30|31|32] [--all-conditions] [--defaults]"},
    {"receive", cli::CmdReceive,
     "receive OUT.fc (--port N | --device PATH) [--baud 4800|9600] [--timeout SECONDS] [--force]"},
    {"send", cli::CmdSend,
     "send FILE.fc (--port N | --device PATH) [--baud 4800|9600] [--timeout SECONDS]"},
    {"explain", cli::CmdExplain, "explain FILE.fc CODE [--version 30|31|32]"},
    {"diff", cli::CmdDiff, "diff A.fc B.fc [--low-level] [--version 30|31|32]"},
    {"apply", cli::CmdApply, "apply A.fc B.fc [--names FILE|-] [--version 30|31|32]"},
    {"copy", cli::CmdCopy,
     "copy SOURCE.fc TARGET.fc --from COND --to CONDS --menus CODES|all [--version N]"},
    {"reset", cli::CmdReset, "reset FILE.fc --conditions CONDS --menus CODES|all [--version N]"},
    {"print", cli::CmdPrint,
     "print FILE.fc [--menus CODES|all|changed] [--version 30|31|32] [--layout] [--pdf OUT.pdf]"},
};

void PrintUsage(std::FILE* to) {
  std::fprintf(to, "usage:\n");
  for (const auto& c : kCommands) std::fprintf(to, "  veltrano-cli %s\n", c.usage);
  std::fprintf(to, "  veltrano-cli --help | --version\n");
}

int Usage() {
  PrintUsage(stderr);
  return 2;
}

int Help() {
  std::printf("veltrano-cli %s: FC-28 model memory files (*.fc) from the command line.\n",
              core::kProgramVersion);
  PrintUsage(stdout);
  std::printf("TYPE (any case):");
  for (const core::ModelTypeRow& type : core::kModelTypes)
    std::printf(" \"%s\"", type.newMemoryText);
  std::printf(
      "\n"
      "dump prints every value as \"NAME: VALUE\"; set takes such a NAME.\n"
      "Exit code 0 when done; the manual page veltrano-cli(1) says more.\n");
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) return Usage();
  if (argc == 2 && (std::strcmp(argv[1], "--help") == 0 || std::strcmp(argv[1], "-h") == 0))
    return Help();
  if (argc == 2 && std::strcmp(argv[1], "--version") == 0) {
    std::printf("veltrano-cli %s\n", core::kProgramVersion);
    return 0;
  }
  for (const auto& c : kCommands) {
    if (std::strcmp(argv[1], c.name) == 0) return c.run(cli::Args(argv + 2, argv + argc));
  }
  std::fprintf(stderr, "veltrano-cli: unknown command '%s'\n", argv[1]);
  return Usage();
}
