#pragma once

#include <array>

namespace core {

/// What the port dialog shows when it becomes visible (FormShow).
struct ComFormView {
  bool checkBox = true;           ///< "nur vorhandene Schnittstellen anzeigen"
  std::array<bool, 9> enabled{};  ///< port buttons 1..8 (index 0 unused)
  int checkedPort = 1;            ///< the one checked port button
  bool rate48 = true;             ///< "4800 bit/s" checked, else "9600 bit/s"
};

/// The dialog's state at showing: the current port's button checked (any number outside 2..8
/// checks port 1), ports the system does not list disabled when only present ones are shown,
/// a checked but disabled button giving way to port 1, and the rate button of the baud rate.
ComFormView ComFormShow(int portNumber, int baudRate, bool showOnlyPresent,
                        const std::array<bool, 9>& present);

/// "&Ok": the baud rate and port number the checked buttons give (unchanged where none is).
struct ComFormChoice {
  int baudRate;
  int portNumber;
};
ComFormChoice ComFormOk(bool rate48Checked, bool rate96Checked, int checkedPort, int baudRate,
                        int portNumber);

}  // namespace core
