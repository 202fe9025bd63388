#include <cstdio>
#include <cstring>

#include "tools/cli/commands.h"

namespace {

struct Command {
  const char* name;
  int (*run)(const cli::Args&);
  const char* usage;
};

constexpr Command kCommands[] = {
    {"new", cli::CmdNew, "new TYPE [--language englisch|deutsch|französisch] OUT.fc"},
    {"dump", cli::CmdDump, "dump FILE.fc [--version 30|31|32] [--plain]"},
    {"set", cli::CmdSet, "set FILE.fc NAME TEXT [--version 30|31|32]"},
    {"receive", cli::CmdReceive,
     "receive OUT.fc (--port N | --device PATH) [--baud 4800|9600] [--timeout SECONDS]"},
    {"send", cli::CmdSend,
     "send FILE.fc (--port N | --device PATH) [--baud 4800|9600] [--timeout SECONDS]"},
};

int Usage() {
  std::fprintf(stderr, "usage:\n");
  for (const auto& c : kCommands) std::fprintf(stderr, "  veltrano-cli %s\n", c.usage);
  return 2;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) return Usage();
  for (const auto& c : kCommands) {
    if (std::strcmp(argv[1], c.name) == 0) return c.run(cli::Args(argv + 2, argv + argc));
  }
  std::fprintf(stderr, "veltrano-cli: unknown command '%s'\n", argv[1]);
  return Usage();
}
