#pragma once

#include <cstdint>

// The transmitter software versions the program knows, one row each: every mapping between the
// menu item, the "Transmitter" setting, the number the parameter model takes and the bit in the
// parameter table's version masks reads this table.

namespace core {

/// Transmitter software version chosen under "&Senderversion".
enum class TransmitterVersion { V30, V31, V32 };

struct TransmitterVersionRow {
  TransmitterVersion version;
  int number;           ///< as the parameter model takes it, and as "Transmitter" stores it
  int bit;              ///< in the parameter table's version masks
  const char* action;   ///< the menu item's object name
  const char* caption;  ///< the menu item's text
};

inline constexpr TransmitterVersionRow kTransmitterVersions[] = {
    {TransmitterVersion::V30, 30, 1, "FktV30", "FC-28 V3.0"},
    {TransmitterVersion::V31, 31, 2, "FktV31", "FC-28 V3.1"},
    {TransmitterVersion::V32, 32, 4, "FktV32", "FC-28 V3.2"},
};

/// The row of a version.
constexpr const TransmitterVersionRow& VersionRow(TransmitterVersion version) {
  for (const auto& row : kTransmitterVersions)
    if (row.version == version) return row;
  return kTransmitterVersions[2];
}

/// The version of a number (30, 31); every other number, a missing setting included, is V3.2.
constexpr TransmitterVersion VersionOfNumber(std::int32_t number) {
  for (const auto& row : kTransmitterVersions)
    if (row.number == number) return row.version;
  return TransmitterVersion::V32;
}

/// Version bit of a configured version number: 30 gives 1, 31 gives 2, anything else 4.
constexpr int VersionBit(int number) {
  return VersionRow(VersionOfNumber(number)).bit;
}

}  // namespace core
