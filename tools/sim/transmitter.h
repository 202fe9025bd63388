#pragma once

#include <cstdint>
#include <string>

#include "tools/sim/paced_line.h"

namespace sim {

/// Faults a real line or transmitter may show.
struct Faults {
  bool wrongHeader = false;  // header block "XC2830"
  bool length2049 = false;   // length block 0x08 0x01
  int stallAfter = -1;       // stop after this many block bytes (header + length + image)
  bool noise = false;        // bytes around the acknowledges
  bool bytewise = false;     // header bytes one at a time, 40 ms apart
  bool silent = false;       // never answers
  int times = 1;             // attempts the faults apply to; 0 = every attempt
};

/// A model memory as it goes over the wire.
struct Memory {
  Bytes header;  // 6 bytes
  Bytes length;  // 2 bytes, big-endian
  Bytes image;
};

struct Outcome {
  bool ok = false;
  int attempts = 0;
  double transferMs = 0;  // from the opening acknowledge to the last one, on the line
  double wireMs = 0;      // what all blocks and acknowledges need at 12 bits per byte
};

/// The transmitter sends mem (TRAN menu, send): opens with 0xAA every 100 ms until the PC answers.
Outcome SendMemory(PacedLine& line, const Memory& mem, const Faults& faults, int baud,
                   std::int64_t deadlineNs);

/// The transmitter takes a memory from the PC and keeps what it got.
Outcome ReceiveMemory(PacedLine& line, Memory& mem, const Faults& faults, int baud,
                      std::int64_t deadlineNs);

}  // namespace sim
