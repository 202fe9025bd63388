#include "tools/sim/transmitter.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>

#include "core/link/wire_format.h"

namespace sim {

namespace {

constexpr std::int64_t kMs = 1'000'000;
constexpr std::int64_t kAckWait = 500 * kMs;  // then the transmitter starts over

// FC28SIM_TRACE=1 prints each step with its time, for finding where a transfer waits.
void Trace(const char* what) {
  static const bool on = std::getenv("FC28SIM_TRACE") != nullptr;
  static const std::int64_t t0 = NowNs();
  if (on) std::fprintf(stderr, "fc28-sim: %9.3f ms %s\n", (NowNs() - t0) / 1e6, what);
}

bool Expired(std::int64_t deadline) {
  return deadline >= 0 && NowNs() >= deadline;
}

std::int64_t Earlier(std::int64_t a, std::int64_t deadline) {
  return deadline >= 0 && deadline < a ? deadline : a;
}

// Waits for the acknowledge byte, discarding everything else; false at the time limit.
bool WaitAck(PacedLine& line, std::int64_t until) {
  while (auto b = line.Receive(until)) {
    if (*b == core::kAck) return true;
  }
  return false;
}

bool Applies(const Faults& f, int attempt) {
  return f.times == 0 || attempt <= f.times;
}

// Sends block bytes, stopping for good once the stall point is reached.
bool SendCounted(PacedLine& line, const Bytes& bytes, int& sent, int stallAfter,
                 std::int64_t gapNs = 0) {
  std::size_t n = bytes.size();
  if (stallAfter >= 0) n = std::min<std::size_t>(n, std::max(0, stallAfter - sent));
  line.Send(Bytes(bytes.begin(), bytes.begin() + static_cast<std::ptrdiff_t>(n)), gapNs);
  sent += static_cast<int>(n);
  return n == bytes.size();
}

void SendAck(PacedLine& line, bool noise) {
  if (noise) line.Send({0x00, 0x55});
  line.Send({core::kAck});
  if (noise) line.Send({0x12});
}

}  // namespace

Outcome SendMemory(PacedLine& line, const Memory& mem, const Faults& faults, int baud,
                   std::int64_t deadline) {
  Outcome out;
  out.wireMs = core::TransferWireTimeUs(static_cast<int>(mem.image.size()), baud, false) / 1000.0;
  for (out.attempts = 1;; ++out.attempts) {
    const bool fault = Applies(faults, out.attempts);
    if (fault && faults.silent) {
      while (!Expired(deadline)) line.Receive(Earlier(NowNs() + 100 * kMs, deadline));
      return out;
    }
    // Opening: 0xAA every 100 ms until the PC answers.
    std::int64_t start = 0;
    for (;;) {
      if (Expired(deadline)) return out;
      if (fault && faults.noise) line.Send({0x00, 0x55});
      line.Send({core::kAck});
      start = line.SendDoneAt() - line.ByteTimeNs();
      Trace("opening 0xAA sent");
      if (WaitAck(line, Earlier(line.SendDoneAt() + 100 * kMs, deadline))) break;
    }
    int sent = 0;
    const int stall = fault ? faults.stallAfter : -1;
    const Bytes header =
        fault && faults.wrongHeader ? Bytes{'X', 'C', '2', '8', '3', '0'} : mem.header;
    const Bytes length = fault && faults.length2049 ? Bytes{0x08, 0x01} : mem.length;
    Trace("PC answered");
    bool stalled = !SendCounted(line, header, sent, stall, fault && faults.bytewise ? 40 * kMs : 0);
    Trace("header sent");
    if (!stalled && !WaitAck(line, Earlier(line.SendDoneAt() + kAckWait, deadline))) continue;
    Trace("header acknowledged");
    stalled = stalled || !SendCounted(line, length, sent, stall);
    if (!stalled && !WaitAck(line, Earlier(line.SendDoneAt() + kAckWait, deadline))) continue;
    Trace("length acknowledged");
    stalled = stalled || !SendCounted(line, mem.image, sent, stall);
    Trace("image sent");
    if (stalled) {
      std::fprintf(stderr, "fc28-sim: stalled after %d bytes\n", sent);
      while (!Expired(deadline)) line.Receive(Earlier(NowNs() + 100 * kMs, deadline));
      return out;
    }
    if (!WaitAck(line, Earlier(line.SendDoneAt() + 2000 * kMs, deadline))) {
      if (Expired(deadline)) return out;
      continue;
    }
    Trace("image acknowledged");
    out.ok = true;
    out.transferMs = (line.LastArrival() - start) / 1e6;
    return out;
  }
}

Outcome ReceiveMemory(PacedLine& line, Memory& mem, const Faults& faults, int baud,
                      std::int64_t deadline) {
  Outcome out;
  for (out.attempts = 1;; ++out.attempts) {
    const bool fault = Applies(faults, out.attempts);
    if (fault && faults.silent) {
      while (!Expired(deadline)) line.Receive(Earlier(NowNs() + 100 * kMs, deadline));
      return out;
    }
    if (!WaitAck(line, deadline)) return out;
    const std::int64_t start = line.LastArrival() - line.ByteTimeNs();
    const bool noise = fault && faults.noise;
    const int stall = fault ? faults.stallAfter : -1;
    SendAck(line, noise);
    mem.header.clear();
    mem.length.clear();
    mem.image.clear();
    int got = 0;
    auto take = [&](Bytes& into, int n) {
      while (static_cast<int>(into.size()) < n) {
        if (stall >= 0 && got >= stall) return false;
        auto b = line.Receive(Earlier(NowNs() + 1000 * kMs, deadline));
        if (!b) return false;
        into.push_back(*b);
        ++got;
      }
      return true;
    };
    auto stalled = [&] {
      std::fprintf(stderr, "fc28-sim: stalled after %d bytes\n", got);
      while (!Expired(deadline)) line.Receive(Earlier(NowNs() + 100 * kMs, deadline));
    };
    if (!take(mem.header, core::kHeaderBlockSize)) {
      if (stall >= 0 && got >= stall) return stalled(), out;
      continue;
    }
    SendAck(line, noise);
    if (!take(mem.length, core::kLengthBlockSize)) {
      if (stall >= 0 && got >= stall) return stalled(), out;
      continue;
    }
    const int n = std::min(mem.length[0] * 256 + mem.length[1], core::kMaxDataBlock);
    SendAck(line, noise);
    if (!take(mem.image, n)) {
      if (stall >= 0 && got >= stall) return stalled(), out;
      continue;
    }
    SendAck(line, noise);
    if (!WaitAck(line, Earlier(line.SendDoneAt() + kAckWait, deadline))) {
      if (Expired(deadline)) return out;
      continue;
    }
    out.ok = true;
    out.transferMs = (line.LastArrival() - start) / 1e6;
    out.wireMs = core::TransferWireTimeUs(n, baud, true) / 1000.0;
    return out;
  }
}

}  // namespace sim
