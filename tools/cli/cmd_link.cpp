#include <cstdio>

#include "commands.h"

namespace cli {

static int NotYet(const char* what) {
  std::fprintf(stderr, "veltrano-cli: '%s' is not available in this build\n", what);
  return 2;
}

int CmdReceive(const Args&) { return NotYet("receive"); }
int CmdSend(const Args&) { return NotYet("send"); }

}  // namespace cli
