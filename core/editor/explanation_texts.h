#pragma once

#include <span>

#include "core/model/version.h"

// The text lines of the explanations strip, kept apart from the logic that picks them.

namespace core {

/// Which configured transmitter versions show a line.
enum VersionRule { kAllVersions, kFromV31, kV32Only };

/// One line: the menu (or, for the model type lines, the type mask) it belongs to.
struct ExplanationLine {
  int owner;
  VersionRule rule;
  const char* text;
};

/// Lines of the text menus in strip order, owned by menu id (TRM1 also stands for TRM2, PMX1
/// for PMX2..PMX6).
std::span<const ExplanationLine> MenuTextLines();

/// Lines of the model type menu, owned by type mask (0x3E0: every helicopter type).
std::span<const ExplanationLine> ModelTypeTextLines();

/// Whether a line with this rule is shown with the version configured (30, 31; else V3.2).
constexpr bool ShownInVersion(VersionRule rule, int version) {
  const TransmitterVersion v = VersionOfNumber(version);
  if (rule == kFromV31) return v != TransmitterVersion::V30;
  if (rule == kV32Only) return v == TransmitterVersion::V32;
  return true;
}

}  // namespace core
