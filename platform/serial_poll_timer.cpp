#include "platform/serial_poll_timer.h"

namespace platform {

SerialPollTimer::SerialPollTimer(std::function<bool()> step, QObject* parent)
    : QObject(parent), step_(std::move(step)) {
  timer_.setInterval(1);
  timer_.setTimerType(Qt::PreciseTimer);
  connect(&timer_, &QTimer::timeout, this, &SerialPollTimer::OnTimeout);
}

void SerialPollTimer::Wake() {
  if (!timer_.isActive()) timer_.start();
}

void SerialPollTimer::OnTimeout() {
  if (!step_()) timer_.stop();
}

}  // namespace platform
