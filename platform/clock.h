#pragma once

#include "core/link/clock.h"

namespace platform {

/// The local wall clock of the machine.
class SystemWallClock : public core::WallClock {
 public:
  std::int32_t MillisecondsSinceMidnight() override;
};

}  // namespace platform
