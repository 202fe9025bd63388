#include "platform/serial_port.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <termios.h>
#include <unistd.h>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <memory>
#include <string>

#include "core/link/com_ports.h"
#include "platform/clock.h"
#include "platform/serial_poll_timer.h"

namespace {

void EnsureApp() {
  static int argc = 1;
  static char name[] = "platform_test";
  static char* argv[] = {name, nullptr};
  if (!QCoreApplication::instance()) new QCoreApplication(argc, argv);
}

// Polls with the event loop running, as the link does, until done or ms have passed.
template <typename Done>
bool WaitUntil(Done done, int ms = 1000) {
  QElapsedTimer t;
  t.start();
  while (t.elapsed() < ms) {
    QCoreApplication::processEvents();
    if (done()) return true;
    usleep(1000);
  }
  return false;
}

// A pseudo-terminal standing in for a serial port; the test plays the far end on the master.
struct Pty {
  int master = posix_openpt(O_RDWR | O_NOCTTY);
  std::string path;
  Pty() {
    grantpt(master);
    unlockpt(master);
    path = ptsname(master);
    fcntl(master, F_SETFL, fcntl(master, F_GETFL) | O_NONBLOCK);
  }
  ~Pty() { close(master); }
  /// What arrived until a read after the first bytes finds nothing more.
  std::string ReadAll() {
    std::string got;
    WaitUntil([&] {
      char buf[256];
      const ssize_t n = read(master, buf, sizeof buf);
      if (n > 0) got.append(buf, static_cast<std::size_t>(n));
      return n <= 0 && !got.empty();
    }, 200);
    return got;
  }
};

TEST(QtSerialSystem, PinnedDeviceIsListedAndOpenedWithTheLineSettings) {
  EnsureApp();
  Pty pty;
  platform::QtSerialSystem system;
  system.PinDevice(3, pty.path);
  EXPECT_EQ(system.DevicePath(3), pty.path);
  const auto names = system.ListPortNames();
  EXPECT_NE(std::find(names.begin(), names.end(), "COM3"), names.end());
  EXPECT_TRUE(system.DevicePath(0).empty());
  EXPECT_TRUE(system.DevicePath(9).empty());

  core::ComPorts ports(system);
  ports.ComInit();
  EXPECT_TRUE(ports.ComPortPresent(3));
  ASSERT_EQ(ports.ComOpen(3, 8, 2, 9600.0, core::kParityEven), 0);
  ASSERT_TRUE(ports.IsOpen(3));

  // The line settings reached the device.
  const int slave = open(pty.path.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK);
  ASSERT_GE(slave, 0);
  termios tio{};
  ASSERT_EQ(tcgetattr(slave, &tio), 0);
  EXPECT_EQ(cfgetospeed(&tio), static_cast<speed_t>(B9600));
  EXPECT_EQ(tio.c_cflag & CSIZE, static_cast<tcflag_t>(CS8));
  // Parity cannot be checked here: the Linux pseudo-terminal driver always clears PARENB.
  EXPECT_TRUE(tio.c_cflag & CSTOPB);
  close(slave);

  // Bytes both ways, without blocking; how reads split what waits is the port module's business.
  const std::uint8_t out[3] = {0xAA, 'F', 'C'};
  EXPECT_EQ(ports.ComWrite(3, out, 3), 0);
  EXPECT_EQ(pty.ReadAll(), std::string("\xAA"
                                       "FC"));
  EXPECT_TRUE(WaitUntil([&] { return ports.ComTxDone(3); }));
  ASSERT_EQ(write(pty.master, "\x00\x55\xAA", 3), 3);
  ASSERT_TRUE(WaitUntil([&] { return ports.ComRxAvailable(3); }));
  std::uint8_t in[8] = {};
  int count = 8;
  ports.ComRead(3, in, count);
  EXPECT_EQ(count, 3);
  EXPECT_EQ(in[2], 0xAA);

  // Reopening at another rate works on the same device; closing releases it.
  EXPECT_EQ(ports.ComOpen(3, 8, 2, 4800.0, core::kParityEven), 0);
  EXPECT_TRUE(ports.IsOpen(3));
  ports.ComCloseAll();
  EXPECT_FALSE(ports.IsOpen(3));
}

TEST(QtSerialSystem, MissingDeviceStaysClosed) {
  EnsureApp();
  platform::QtSerialSystem system;
  system.PinDevice(2, "/dev/veltrano-no-such-port");
  core::ComPorts ports(system);
  ports.ComInit();
  EXPECT_EQ(ports.ComOpen(2, 8, 2, 4800.0, core::kParityEven), 0);
  EXPECT_FALSE(ports.IsOpen(2));
  EXPECT_FALSE(ports.ComTxDone(2));
  system.PinDevice(2, "");
  EXPECT_TRUE(system.DevicePath(2).empty() || system.DevicePath(2).rfind("/dev/", 0) == 0);
}

TEST(SerialPollTimer, SleepsWhenTheStepHasNothingMoreToDo) {
  EnsureApp();
  int ticks = 0;
  platform::SerialPollTimer timer([&] { return ++ticks < 5; });
  EXPECT_FALSE(timer.Active());
  timer.Wake();
  EXPECT_TRUE(WaitUntil([&] { return !timer.Active(); }, 2000));
  EXPECT_EQ(ticks, 5);
  timer.Wake();
  EXPECT_TRUE(timer.Active());
}

TEST(SystemWallClock, MillisecondsSinceMidnightInRange) {
  platform::SystemWallClock clock;
  const auto ms = clock.MillisecondsSinceMidnight();
  EXPECT_GE(ms, 0);
  EXPECT_LT(ms, 86'400'000);
}

TEST(QtSerialSystem, AHungUpLineIsReportedAndWakesTheLink) {
  EnsureApp();
  auto pty = std::make_unique<Pty>();
  platform::QtSerialSystem system;
  int wakes = 0;
  system.SetInputHandler([&] { ++wakes; });
  system.PinDevice(1, pty->path);
  core::ComPorts ports(system);
  ports.ComInit();
  ASSERT_EQ(ports.ComOpen(1, 8, 2, 4800.0, core::kParityEven), 0);
  ASSERT_TRUE(ports.IsOpen(1));
  EXPECT_FALSE(ports.ComLineLost(1));
  pty.reset();  // the far end goes away
  EXPECT_TRUE(WaitUntil([&] { return ports.ComLineLost(1); }));
  EXPECT_GE(wakes, 1);
  ports.ComClose(1);
  EXPECT_FALSE(ports.IsOpen(1));
}

}  // namespace
