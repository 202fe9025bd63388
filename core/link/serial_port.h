#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace core {

/// Parity codes as the port slots take them (0 none, 1 odd, 2 even, 3 mark, 4 space).
inline constexpr int kParityNone = 0;
inline constexpr int kParityOdd = 1;
inline constexpr int kParityEven = 2;
inline constexpr int kParityMark = 3;
inline constexpr int kParitySpace = 4;

struct LineSettings {
  int baud = 4800;   // bit/s
  int dataBits = 8;  // 5..8
  int stopBits = 2;  // 1 or 2
  int parity = kParityEven;
};

/// One open serial port. Every call returns at once.
class SerialDevice {
 public:
  virtual ~SerialDevice() = default;
  /// Bytes received and waiting to be read; clears and ignores line errors.
  virtual int InputQueued() = 0;
  /// Bytes written but not yet sent on the line.
  virtual int OutputQueued() = 0;
  /// Reads up to count waiting bytes into buffer; returns the number read (0 when none).
  virtual int Read(std::uint8_t* buffer, int count) = 0;
  /// Queues count bytes for sending; returns how many were taken.
  virtual int Write(const std::uint8_t* buffer, int count) = 0;
  /// Sets the RTS and DTR modem control lines.
  virtual void SetLines(bool rts, bool dtr) = 0;
  /// True once the other end has gone (a hang-up, an unplugged adapter, a port error): nothing
  /// will arrive any more and the port should be closed.
  virtual bool LineLost() { return false; }
};

/// The operating system's serial ports, addressed by port number 1..8.
class SerialSystem {
 public:
  virtual ~SerialSystem() = default;
  /// Device names the system lists, in the form "COM3" for port 3 (any case; others ignored).
  virtual std::vector<std::string> ListPortNames() = 0;
  /// Opens port 1..8 with the given line settings; nullptr when it cannot be opened.
  virtual std::unique_ptr<SerialDevice> Open(int port, const LineSettings& settings) = 0;
};

}  // namespace core
