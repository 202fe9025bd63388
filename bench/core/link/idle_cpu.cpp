// CPU use of an idle link with its port open: the window's link timer code (ComHandler,
// TransferDisplay, SerialPollTimer) on a pseudo-terminal, measured with getrusage.
// Usage: link_idle_cpu [seconds] [--always] [--waiting] [--hangup]
//   --always   keeps the 1 ms timer running throughout (what a plain 1 ms window timer costs)
//   --waiting  measures a receive waiting for the transmitter instead of an idle link
//   --hangup   with --waiting: the far end closes the line at 0.5 s, before the measurement
#include <fcntl.h>
#include <stdlib.h>
#include <sys/resource.h>
#include <unistd.h>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTimer>
#include <cstdio>
#include <cstring>
#include <string>

#include "core/link/com_handler.h"
#include "core/link/com_ports.h"
#include "core/link/transfer_display.h"
#include "platform/clock.h"
#include "platform/serial_poll_timer.h"
#include "platform/serial_port.h"

namespace {

class IdleHost : public core::LinkHost {
 public:
  core::ModellSpeicherTyp* AllocModelMemory() override { return &record_; }
  core::ModellSpeicherTyp* GetActive() override { return nullptr; }
  void RebuildTree() override {}
  void AppendLog(const std::string& line) override { std::fprintf(stderr, "%s\n", line.c_str()); }

 private:
  core::ModellSpeicherTyp record_;
};

double CpuSeconds() {
  rusage u{};
  getrusage(RUSAGE_SELF, &u);
  return u.ru_utime.tv_sec + u.ru_utime.tv_usec / 1e6 + u.ru_stime.tv_sec +
         u.ru_stime.tv_usec / 1e6;
}

}  // namespace

int main(int argc, char** argv) {
  QCoreApplication app(argc, argv);
  double seconds = 10;
  bool always = false;
  bool waiting = false;
  bool hangup = false;
  for (int i = 1; i < argc; ++i) {
    if (std::strcmp(argv[i], "--always") == 0)
      always = true;
    else if (std::strcmp(argv[i], "--waiting") == 0)
      waiting = true;
    else if (std::strcmp(argv[i], "--hangup") == 0)
      hangup = true;
    else
      seconds = std::atof(argv[i]);
  }
  int master = posix_openpt(O_RDWR | O_NOCTTY);
  if (master < 0 || grantpt(master) != 0 || unlockpt(master) != 0) return 1;

  platform::QtSerialSystem system;
  system.PinDevice(1, ptsname(master));
  platform::SystemWallClock clock;
  core::ComPorts ports(system);
  core::SoftTimers timers(clock);
  IdleHost host;
  core::ComHandler link(ports, timers, host);
  ports.ComInit();
  timers.SwtInit();
  core::TransferDisplay display(timers);
  link.TransferReset();

  long ticks = 0;
  auto step = [&] {
    ++ticks;
    link.TransferTick();
    display.Tick(link.TransferProgress(), link.TransferBusy());
    return always || link.NeedsTicks() ||
           display.NeedsTicks(link.TransferBusy(), link.TransferProgress());
  };
  platform::SerialPollTimer timer(step);
  system.SetInputHandler([&] { timer.Wake(); });
  timer.Wake();
  if (waiting) {
    QTimer::singleShot(200, [&] {
      link.StartReceive();
      timer.Wake();
    });
  }

  if (hangup) {
    QTimer::singleShot(500, [&] {
      close(master);
      master = -1;
    });
  }

  double cpu0 = 0;
  long ticks0 = 0;
  QElapsedTimer wall;
  // Measure after a second in which the port opens and the display settles.
  QTimer::singleShot(1000, [&] {
    cpu0 = CpuSeconds();
    ticks0 = ticks;
    wall.start();
    QTimer::singleShot(static_cast<int>(seconds * 1000), [&] { app.quit(); });
  });
  app.exec();
  const double cpu = CpuSeconds() - cpu0;
  const double w = wall.elapsed() / 1000.0;
  std::printf("%s%s, %s timer, port %s: %.1f s, %ld ticks, CPU %.3f s = %.2f %% of one core\n",
              waiting ? "receive waiting" : "idle", hangup ? " (line hung up)" : "",
              always ? "always-running" : "sleeping", ports.IsOpen(1) ? "open" : "closed", w,
              ticks - ticks0, cpu, 100 * cpu / w);
  ports.ComCloseAll();
  if (master >= 0) close(master);
  return 0;
}
