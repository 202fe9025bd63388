// Saves one model memory and its comment over and over, alternating between two versions, as
// the store does (WriteModelMemory). bench/core/store/kill_during_write.sh kills it at random
// moments and checks that each file always holds one whole version.
// Usage: store_write_loop PATH.FC
#include <cstdio>
#include <string>

#include "core/store/model_memory.h"

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: store_write_loop PATH.FC\n");
    return 2;
  }
  core::ModellSpeicherTyp r;
  r.header = core::kFileHeader;
  r.setDataLength(1870);
  r.dateText = "05.12.26    9:05";
  r.inUse = true;
  r.hasComment = true;
  for (unsigned long n = 0;; ++n) {
    const std::uint8_t fill = n % 2 == 0 ? 0xA5 : 0x5A;
    r.image.fill(fill);
    r.comment.assign(200, std::string(60, n % 2 == 0 ? 'a' : 'b'));
    r.imageSaved = r.commentSaved = false;
    if (!core::WriteModelMemory(r, argv[1]).ok()) {
      std::fprintf(stderr, "write failed after %lu saves\n", n);
      return 1;
    }
  }
}
