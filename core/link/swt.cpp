#include "core/link/swt.h"

#include <algorithm>

namespace core {

SoftTimers::~SoftTimers() {
  SwtFreeAll();
}

void SoftTimers::SwtInit() {
  SwtFreeAll();
}

void SoftTimers::SwtFreeAll() {
  // Unlink one by one so a long list does not recurse through the destructors.
  while (head_) head_ = std::move(head_->next);
}

std::int32_t SoftTimers::SwtNow() {
  std::int32_t ms = clock_.MillisecondsSinceMidnight();
  ms = std::clamp(ms, 0, kMillisecondsPerDay - 1);
  return ms / 10;
}

std::int32_t SoftTimers::SwtElapsed(std::int32_t now, std::int32_t start) {
  std::int32_t elapsed = now - start;
  if (now < start) elapsed += kCentisecondsPerDay;
  return elapsed;
}

SoftTimers::Timer* SoftTimers::Find(std::uint16_t id) const {
  for (Timer* t = head_.get(); t; t = t->next.get()) {
    if (t->id == id) return t;
  }
  return nullptr;
}

std::uint16_t SoftTimers::SwtStart(std::uint16_t id, std::uint8_t mode, std::uint16_t duration) {
  Timer* found = nullptr;
  std::uint16_t largest = 20;
  for (Timer* t = head_.get(); t; t = t->next.get()) {
    if (id != 0 && t->id == id) {
      found = t;
      break;
    }
    largest = std::max(largest, t->id);
  }
  if (!found) {
    auto timer = std::make_unique<Timer>();
    timer->id = id != 0 ? id : static_cast<std::uint16_t>(largest + 1);
    timer->next = std::move(head_);
    head_ = std::move(timer);
    found = head_.get();
  }
  found->mode = mode;
  found->running = true;
  found->duration = duration;
  found->start = SwtNow();
  return found->id;
}

bool SoftTimers::SwtExpired(std::uint16_t id) {
  Timer* t = Find(id);
  if (!t || !t->running || (t->mode & 0x03) != kSwtCountDown) return true;
  const std::int32_t elapsed = SwtElapsed(SwtNow(), t->start);
  bool expired = false;
  switch (t->mode & 0x70) {
    case kSwtUnitCentiseconds:
      expired = elapsed >= t->duration;
      break;
    case kSwtUnitSeconds:
      expired = elapsed >= std::int32_t{t->duration} * 100;
      break;
    case kSwtUnitMilliseconds:
      expired = elapsed >= t->duration / 10;
      break;
    default:
      break;
  }
  if (expired) t->running = false;
  return expired;
}

std::int32_t SoftTimers::SwtValue(std::uint16_t id) {
  Timer* t = Find(id);
  if (!t || !t->running) return 0;
  const std::int32_t elapsed = SwtElapsed(SwtNow(), t->start);
  std::int64_t value = 0;
  switch (t->mode & 0x70) {
    case kSwtUnitSeconds:
      value = elapsed / 100;
      break;
    case kSwtUnitCentiseconds:
      value = elapsed;
      break;
    case kSwtUnitMilliseconds:
      value = elapsed >= 1048575 ? elapsed : std::int64_t{elapsed} * 10;
      break;
    default:
      value = 0;
      break;
  }
  if ((t->mode & 0x03) == kSwtCountDown) {
    value = SwtExpired(id) ? 0 : t->duration - value;
  } else {
    value += t->duration;
  }
  return static_cast<std::int32_t>(std::clamp<std::int64_t>(value, 0, 65535));
}

}  // namespace core
