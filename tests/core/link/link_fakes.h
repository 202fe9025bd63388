#pragma once

#include <algorithm>
#include <cstdint>
#include <deque>
#include <memory>
#include <string>
#include <vector>

#include "core/link/clock.h"
#include "core/link/com_handler.h"
#include "core/link/com_ports.h"
#include "core/link/link_host.h"
#include "core/link/serial_port.h"
#include "core/link/swt.h"

namespace linktest {

using Bytes = std::vector<std::uint8_t>;

class FakeClock : public core::WallClock {
 public:
  std::int32_t ms = 12 * 3600 * 1000;
  std::int32_t MillisecondsSinceMidnight() override { return ms; }
  void Advance(int deltaMs) { ms = (ms + deltaMs) % core::kMillisecondsPerDay; }
};

/// What one fake port has seen, shared with the test after the slot closed it.
struct FakeLine {
  std::deque<std::uint8_t> input;                // bytes the "transmitter" sent, not yet read
  Bytes written;                                 // everything the PC wrote
  int outputQueued = 0;                          // what the driver reports as not yet sent
  int acceptLimit = -1;                          // Write takes at most this many bytes (-1: all)
  std::vector<std::pair<bool, bool>> lineCalls;  // (rts, dtr)
  core::LineSettings settings;
  int opens = 0;
  bool open = false;
  bool lost = false;  // the far end hung up
};

class FakeDevice : public core::SerialDevice {
 public:
  explicit FakeDevice(FakeLine& line) : line_(line) { line_.open = true; }
  ~FakeDevice() override { line_.open = false; }
  int InputQueued() override { return static_cast<int>(line_.input.size()); }
  int OutputQueued() override { return line_.outputQueued; }
  int Read(std::uint8_t* buffer, int count) override {
    const int n = std::min(count, static_cast<int>(line_.input.size()));
    std::copy_n(line_.input.begin(), n, buffer);
    line_.input.erase(line_.input.begin(), line_.input.begin() + n);
    return n;
  }
  int Write(const std::uint8_t* buffer, int count) override {
    const int n = line_.acceptLimit >= 0 && line_.acceptLimit < count ? line_.acceptLimit : count;
    line_.written.insert(line_.written.end(), buffer, buffer + n);
    return n;
  }
  void SetLines(bool rts, bool dtr) override { line_.lineCalls.emplace_back(rts, dtr); }
  bool LineLost() override { return line_.lost; }

 private:
  FakeLine& line_;
};

class FakeSystem : public core::SerialSystem {
 public:
  std::vector<std::string> names;
  FakeLine lines[9];
  bool canOpen[9] = {true, true, true, true, true, true, true, true, true};
  std::vector<std::string> ListPortNames() override { return names; }
  std::unique_ptr<core::SerialDevice> Open(int port, const core::LineSettings& s) override {
    if (port < 1 || port > 8 || !canOpen[port]) return nullptr;
    lines[port].settings = s;
    ++lines[port].opens;
    return std::make_unique<FakeDevice>(lines[port]);
  }
};

class FakeHost : public core::LinkHost {
 public:
  std::vector<std::unique_ptr<core::ModellSpeicherTyp>> records;
  core::ModellSpeicherTyp* active = nullptr;
  std::vector<std::string> log;
  int rebuilds = 0;
  int allocs = 0;
  std::uint64_t generation = 0;

  core::ModellSpeicherTyp* AllocModelMemory() override {
    ++allocs;
    for (auto& r : records) {
      if (!r->inUse) {
        r->reset();
        return r.get();
      }
    }
    records.push_back(std::make_unique<core::ModellSpeicherTyp>());
    return records.back().get();
  }
  core::ModellSpeicherTyp* GetActive() override { return active; }
  void RebuildTree() override { ++rebuilds; }
  void AppendLog(const std::string& line) override { log.push_back(line); }
  std::uint64_t RecordGeneration() const override { return generation; }
};

/// A link wired to fakes, port 1 at 4800 bit/s, opened by the first tick.
struct Rig {
  FakeClock clock;
  FakeSystem system;
  core::ComPorts ports{system};
  core::SoftTimers timers{clock};
  FakeHost host;
  core::ComHandler link{ports, timers, host};
  FakeLine& line = system.lines[1];

  Rig() {
    ports.ComInit();
    link.TransferReset();
  }
  /// One tick and 1 ms of wall clock.
  void Tick(int n = 1) {
    for (int i = 0; i < n; ++i) {
      link.TransferTick();
      clock.Advance(1);
    }
  }
  void Feed(const Bytes& bytes) { line.input.insert(line.input.end(), bytes.begin(), bytes.end()); }
  void Feed(std::uint8_t b) { line.input.push_back(b); }  // bench/core/link
  /// What the transmitter sends, then n ticks.
  void Answer(const Bytes& bytes, int n = 1) {
    Feed(bytes);
    Tick(n);
  }
  Bytes TakeWritten() {
    Bytes w = line.written;
    line.written.clear();
    return w;
  }
};

inline Bytes Header(const char* six) {
  return Bytes(six, six + 6);
}

}  // namespace linktest
