#pragma once

#include <cstdint>
#include <deque>
#include <optional>
#include <string>
#include <vector>

namespace sim {

using Bytes = std::vector<std::uint8_t>;

/// Monotonic time in nanoseconds.
std::int64_t NowNs();
void SleepUntilNs(std::int64_t t);

/// The transmitter's end of a pseudo-terminal, behaving like a serial line at a baud rate:
/// what it sends leaves one byte per 12 bit times, and what the PC writes is taken as arriving
/// at the same pace (a pseudo-terminal delivers it at once).
class PacedLine {
 public:
  /// Creates the pseudo-terminal; false with a message on failure.
  bool Create(std::string& error);
  ~PacedLine();

  const std::string& DevicePath() const { return path_; }
  void SetBaud(int baud);
  std::int64_t ByteTimeNs() const { return byteTimeNs_; }

  /// Sends the bytes paced at line speed, waiting gapNs more before each byte after the first.
  void Send(const Bytes& bytes, std::int64_t gapNs = 0);
  /// When the last byte sent has left the line.
  std::int64_t SendDoneAt() const { return txFreeAt_; }

  /// The next byte from the PC once it has fully arrived, or nothing at deadlineNs (< 0: none).
  std::optional<std::uint8_t> Receive(std::int64_t deadlineNs);
  /// Arrival time of the byte Receive returned last.
  std::int64_t LastArrival() const { return lastArrival_; }
  /// Drops what the PC sent so far.
  void DropInput();

 private:
  void Pull(std::int64_t waitUntilNs);

  int master_ = -1;
  int slave_ = -1;  // kept open so the line stays up while the PC closes and reopens it
  std::string path_;
  std::int64_t byteTimeNs_ = 0;
  std::int64_t txFreeAt_ = 0;
  std::int64_t rxLineFreeAt_ = 0;
  std::int64_t lastArrival_ = 0;
  struct InByte {
    std::uint8_t value;
    std::int64_t arrival;
  };
  std::deque<InByte> input_;
};

}  // namespace sim
