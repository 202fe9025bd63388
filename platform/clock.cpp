#include "platform/clock.h"

#include <QTime>

namespace platform {

std::int32_t SystemWallClock::MillisecondsSinceMidnight() {
  return QTime::currentTime().msecsSinceStartOfDay();
}

}  // namespace platform
