#pragma once

#include <array>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "core/link/serial_port.h"

namespace platform {

/// The serial ports through QtSerialPort. On Windows port n is "COM" + n. Elsewhere port n is
/// the n-th port the system lists (ordered by device name), unless a device path is pinned to
/// it (the settings "ComDevice1".."ComDevice8", for example a pseudo-terminal).
class QtSerialSystem : public core::SerialSystem {
 public:
  /// Pins port 1..8 to a device path; an empty path unpins it.
  void PinDevice(int port, const std::string& path);
  /// Called whenever bytes arrive on a port opened afterwards (from the event loop), so a
  /// caller that stopped polling can start again.
  void SetInputHandler(std::function<void()> handler) { inputHandler_ = std::move(handler); }
  /// The device the port opens ("COM3", "/dev/ttyUSB0"); empty when there is none.
  std::string DevicePath(int port) const;

  std::vector<std::string> ListPortNames() override;
  std::unique_ptr<core::SerialDevice> Open(int port, const core::LineSettings& settings) override;

 private:
  std::vector<std::string> SystemDevices() const;
  std::array<std::string, 9> pinned_;
  std::function<void()> inputHandler_;
};

}  // namespace platform
