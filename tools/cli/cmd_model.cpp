#include <cstdio>

#include "commands.h"

namespace cli {

static int NotYet(const char* what) {
  std::fprintf(stderr, "veltrano-cli: '%s' is not available in this build\n", what);
  return 2;
}

int CmdNew(const Args&) { return NotYet("new"); }
int CmdDump(const Args&) { return NotYet("dump"); }
int CmdSet(const Args&) { return NotYet("set"); }

}  // namespace cli
