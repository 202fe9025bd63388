#pragma once

#include <array>
#include <cstdint>
#include <memory>

#include "core/link/serial_port.h"

namespace core {

inline constexpr int kComPortCount = 8;
/// ComOpen result for a port number outside 1..8.
inline constexpr std::uint16_t kComBadPort = 2048;
/// ComWrite result when the system took fewer bytes than asked.
inline constexpr std::uint16_t kComShortWrite = 16;

/// The eight serial port slots COM1..COM8 (l_com32): non-blocking operations the transfer
/// protocol polls. Per-port calls with a number outside 1..8 do nothing and answer false.
class ComPorts {
 public:
  explicit ComPorts(SerialSystem& system) : system_(system) {}

  /// All slots closed, then ComEnumerate.
  void ComInit();
  /// Marks the ports the system lists as present; all eight when it lists none of COM1..COM8.
  void ComEnumerate();
  /// (Re)opens port 1..8 with the line settings and clears RTS and DTR; 0, or 2048 for a bad
  /// port number. A port that cannot be opened stays closed and still answers 0.
  std::uint16_t ComOpen(int port, int dataBits, int stopBits, double baud, int parity);
  /// True when received bytes are waiting.
  bool ComRxAvailable(int port);
  /// True when the last write has left the output queue; false when the port is not open.
  bool ComTxDone(int port);
  /// Queues count bytes; 0, or 16 when fewer were taken.
  std::uint16_t ComWrite(int port, const std::uint8_t* buffer, int count);
  /// Reads at most count of the waiting bytes; count becomes the number read. Always 0.
  std::uint16_t ComRead(int port, std::uint8_t* buffer, int& count);
  bool ComPortPresent(int port) const;
  void ComSetLines(int port, bool rts, bool dtr);
  void ComCloseAll();
  /// True when port 1..8 is open but its line is gone (see SerialDevice::LineLost).
  bool ComLineLost(int port);
  /// Closes one port (its slot can be opened again).
  void ComClose(int port);

  bool IsOpen(int port) const;

 private:
  struct Slot {
    bool present = false;
    std::unique_ptr<SerialDevice> device;
    bool writePending = false;
    std::uint32_t rxAvailable = 0;
    bool open = false;
  };
  Slot* SlotOf(int port);

  SerialSystem& system_;
  std::array<Slot, kComPortCount + 1> slots_{};  // index 0 unused
};

}  // namespace core
