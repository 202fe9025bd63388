#pragma once

#include "core/model/version.h"

#include <cstdint>
#include <optional>
#include <string>

#include "core/settings/l_regist.h"

namespace core {

/// The settings identity of this program: "Veltrano" by "Morlind", version "1.0".
inline const SettingsIdentity kVeltranoIdentity{};

/// One row of the settings table: integer settings with the value used when missing.
struct IntSettingDefault {
  const char* name;
  std::int32_t whenMissing;
};
inline constexpr IntSettingDefault kTransferRate{"TransferRate", 4800};
inline constexpr IntSettingDefault kComPort{"ComPort", 1};
inline constexpr IntSettingDefault kPortAuto{"PortAuto", 1};
inline constexpr IntSettingDefault kOptionen{"Optionen", 3};
inline constexpr IntSettingDefault kTransmitter{"Transmitter", 32};
inline constexpr const char* kModelMemDirSetting = "ModelMemDir";
inline constexpr const char* kModelMemSetting = "ModelMem";


/// The view options packed into "Optionen".
struct ViewOptions {
  bool explanations = true;         ///< bit 0, "&Erläuterungen"
  bool allFlightConditions = true;  ///< bit 1, "Alle &Flugzustände zeigen"
  bool defaultValues = false;       ///< bit 2, "&Defaultwerte zeigen"
  int parameterTab = 0;             ///< bits 3-4, ParameterTabControl, 0..3
  int mainMenuTab = 0;              ///< bit 5, MainMenuTabControl, 0..1
  int subMenuTab = 0;               ///< bits 6-11, SubMenuTabControl, 0..63
  bool operator==(const ViewOptions&) const = default;
};
/// Unpacks the bits; bits above 11 are ignored.
ViewOptions DecodeOptionen(std::int32_t bits);
/// Packs the options; tab indexes are masked to their bit fields (negative gives 0).
std::int32_t EncodeOptionen(const ViewOptions& options);

/// Main window left, top, width, height in pixels; tree width and upper area height.
struct WindowPlacement {
  std::int32_t left = 0, top = 0, width = 0, height = 0, treeWidth = 0, treeHeight = 0;
  bool operator==(const WindowPlacement&) const = default;
};

/// The placement at start-up from the six stored values (kMissingInt where missing) and the
/// screen size in pixels: too small sizes are enlarged, anything missing or off-screen gives
/// the defaults (10, 10, screen width - 20, screen height - 46, 265, height - 200).
WindowPlacement ComputeWindowPlacement(const WindowPlacement& stored, int screenWidth,
                                       int screenHeight);

/// Everything the main window reads at creation, missing values already replaced.
struct StartupSettings {
  std::int32_t transferRate = 4800;  ///< bit/s
  std::int32_t comPort = 1;          ///< COM port number
  bool portAuto = true;              ///< "PortAuto" == 1
  ViewOptions options;
  TransmitterVersion transmitter = TransmitterVersion::V32;
  WindowPlacement placement;
  std::string modelMem;  ///< name to select at the first tree rebuild, may be empty
};

/// Reads "TransferRate", "ComPort", "PortAuto", "Optionen", "Transmitter", the six placement
/// settings and "ModelMem" (in that order) and applies the defaults. SettingsInit must have run.
StartupSettings ReadStartupSettings(Regist& regist, int screenWidth, int screenHeight);

/// What the main window writes at destruction.
struct ShutdownSettings {
  std::int32_t transferRate = 4800;
  std::int32_t comPort = 1;
  bool portAuto = true;
  ViewOptions options;
  TransmitterVersion transmitter = TransmitterVersion::V32;
  /// Set only while the window is in its normal state (neither maximised nor minimised).
  std::optional<WindowPlacement> placement;
  std::string modelMem;  ///< trimmed name of the active model memory, or empty
};

/// Writes the settings in shutdown order; placement only when given.
void WriteShutdownSettings(Regist& regist, const ShutdownSettings& settings);

}  // namespace core
