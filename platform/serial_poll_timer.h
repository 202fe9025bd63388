#pragma once

#include <QObject>
#include <QTimer>
#include <functional>

namespace platform {

/// The 1 ms link timer: calls the step function as often as the system's timer allows while
/// the step says there is more to do, and sleeps otherwise, so an idle link costs no CPU.
class SerialPollTimer : public QObject {
  Q_OBJECT
 public:
  /// step runs one tick and answers whether further ticks are needed.
  explicit SerialPollTimer(std::function<bool()> step, QObject* parent = nullptr);

  /// Starts ticking (again) if asleep; call whenever the link gets work.
  void Wake();
  bool Active() const { return timer_.isActive(); }
  QTimer& Timer() { return timer_; }

 private:
  void OnTimeout();

  std::function<bool()> step_;
  QTimer timer_;
};

}  // namespace platform
