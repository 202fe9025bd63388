// fc28-sim: plays an FC-28 transmitter on a pseudo-terminal, for trying and testing transfers
// without the real transmitter.
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <iterator>
#include <string>

#include "core/link/wire_format.h"
#include "tools/sim/paced_line.h"
#include "tools/sim/transmitter.h"

namespace {

constexpr char kUsage[] =
    "usage: fc28-sim send FILE.fc | receive OUT.fc [options]\n"
    "  send FILE.fc      the transmitter sends this model memory (start a receive on the PC)\n"
    "  receive OUT.fc    the transmitter takes a model memory from the PC and stores it here\n"
    "options:\n"
    "  --baud 4800|9600  line speed (default 4800)\n"
    "  --path-file F     also write the pseudo-terminal's device path to F\n"
    "  --timeout S       give up after S seconds (default: wait for ever)\n"
    "  --fault NAME      wrong-header | length-2049 | stall:N | noise | bytewise | silent\n"
    "  --fault-times N   attempts the faults apply to (default 1; 0 = every attempt)\n";

int Usage(const char* why) {
  if (why) std::fprintf(stderr, "fc28-sim: %s\n", why);
  std::fputs(kUsage, stderr);
  return 2;
}

bool ReadMemory(const std::string& path, sim::Memory& mem, std::string& error) {
  std::ifstream in(path, std::ios::binary);
  if (!in) {
    error = "cannot read " + path;
    return false;
  }
  const sim::Bytes file((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  if (file.size() < 8) {
    error = path + " is too short for a model memory file";
    return false;
  }
  mem.header.assign(file.begin(), file.begin() + 6);
  mem.length.assign(file.begin() + 6, file.begin() + 8);
  const std::size_t n = mem.length[0] * 256u + mem.length[1];
  if (n > static_cast<std::size_t>(core::kMaxDataBlock) || file.size() < 8 + n) {
    error =
        path + " declares " + std::to_string(n) + " image bytes but is not a whole model memory";
    return false;
  }
  mem.image.assign(file.begin() + 8, file.begin() + 8 + static_cast<std::ptrdiff_t>(n));
  return true;
}

bool WriteFileAtomically(const std::string& path, const sim::Bytes& bytes) {
  const std::string temp = path + ".part";
  {
    std::ofstream out(temp, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()),
              static_cast<std::streamsize>(bytes.size()));
    if (!out.flush()) return false;
  }
  return std::rename(temp.c_str(), path.c_str()) == 0;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc == 2 && (std::strcmp(argv[1], "--help") == 0 || std::strcmp(argv[1], "-h") == 0)) {
    std::fputs(kUsage, stdout);
    return 0;
  }
  if (argc < 3) return Usage(nullptr);
  const std::string mode = argv[1];
  const std::string file = argv[2];
  if (mode != "send" && mode != "receive") return Usage("the mode is send or receive");
  int baud = 4800;
  double timeoutS = -1;
  std::string pathFile;
  sim::Faults faults;
  for (int i = 3; i < argc; ++i) {
    const std::string opt = argv[i];
    if (i + 1 >= argc) return Usage(("missing value after " + opt).c_str());
    const std::string value = argv[++i];
    if (opt == "--baud") {
      baud = std::atoi(value.c_str());
      if (baud != 4800 && baud != 9600) return Usage("the baud rate is 4800 or 9600");
    } else if (opt == "--path-file") {
      pathFile = value;
    } else if (opt == "--timeout") {
      timeoutS = std::atof(value.c_str());
    } else if (opt == "--fault-times") {
      faults.times = std::atoi(value.c_str());
    } else if (opt == "--fault") {
      if (value == "wrong-header")
        faults.wrongHeader = true;
      else if (value == "length-2049")
        faults.length2049 = true;
      else if (value == "noise")
        faults.noise = true;
      else if (value == "bytewise")
        faults.bytewise = true;
      else if (value == "silent")
        faults.silent = true;
      else if (value.rfind("stall:", 0) == 0)
        faults.stallAfter = std::atoi(value.c_str() + 6);
      else
        return Usage(("unknown fault " + value).c_str());
    } else {
      return Usage(("unknown option " + opt).c_str());
    }
  }

  sim::Memory mem;
  std::string error;
  if (mode == "send" && !ReadMemory(file, mem, error)) {
    std::fprintf(stderr, "fc28-sim: %s\n", error.c_str());
    return 2;
  }
  sim::PacedLine line;
  if (!line.Create(error)) {
    std::fprintf(stderr, "fc28-sim: %s\n", error.c_str());
    return 2;
  }
  line.SetBaud(baud);
  std::printf("%s\n", line.DevicePath().c_str());
  std::fflush(stdout);
  if (!pathFile.empty() && !WriteFileAtomically(pathFile, sim::Bytes(line.DevicePath().begin(),
                                                                     line.DevicePath().end()))) {
    std::fprintf(stderr, "fc28-sim: cannot write %s\n", pathFile.c_str());
    return 2;
  }
  std::fprintf(stderr, "fc28-sim: %s at %d bit/s on %s\n",
               mode == "send" ? "sending" : "waiting to receive", baud, line.DevicePath().c_str());

  const std::int64_t deadline =
      timeoutS < 0 ? -1 : sim::NowNs() + static_cast<std::int64_t>(timeoutS * 1e9);
  sim::Outcome out = mode == "send" ? sim::SendMemory(line, mem, faults, baud, deadline)
                                    : sim::ReceiveMemory(line, mem, faults, baud, deadline);
  if (!out.ok) {
    std::fprintf(stderr, "fc28-sim: no complete transfer (%d attempt(s))\n", out.attempts);
    return 1;
  }
  if (mode == "receive") {
    sim::Bytes bytes = mem.header;
    bytes.insert(bytes.end(), mem.length.begin(), mem.length.end());
    bytes.insert(bytes.end(), mem.image.begin(), mem.image.end());
    if (!WriteFileAtomically(file, bytes)) {
      std::fprintf(stderr, "fc28-sim: cannot write %s\n", file.c_str());
      return 2;
    }
  }
  std::fprintf(stderr,
               "fc28-sim: %s %zu image bytes in %d attempt(s); transfer %.1f ms, wire time %.1f ms "
               "(%+.2f %%)\n",
               mode == "send" ? "sent" : "received", mem.image.size(), out.attempts, out.transferMs,
               out.wireMs, (out.transferMs / out.wireMs - 1) * 100);
  return 0;
}
