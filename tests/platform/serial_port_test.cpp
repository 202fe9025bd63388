// Bytes both ways through this layer, the sleeping link timer and the wall clock are checked end
// to end (tests/link), where veltrano-cli and the window's link use them against fc28-sim; a
// pinned device that is not there is the CLI test's ("cannot open").
#include "platform/serial_port.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <termios.h>
#include <unistd.h>

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <memory>
#include <string>

#include "core/link/com_ports.h"

namespace {

// A pseudo-terminal standing in for a serial port; its far end (the master) stays silent.
struct Pty {
  int master = posix_openpt(O_RDWR | O_NOCTTY);
  std::string path;
  Pty() {
    grantpt(master);
    unlockpt(master);
    path = ptsname(master);
  }
  ~Pty() { close(master); }
};

struct QtSerialSystemTest : ::testing::Test {
  QtSerialSystemTest() {
    static int argc = 1;
    static char name[] = "platform_test";
    static char* argv[] = {name, nullptr};
    if (!QCoreApplication::instance()) new QCoreApplication(argc, argv);
    system.PinDevice(3, pty->path);
    ports.ComInit();
  }
  std::unique_ptr<Pty> pty = std::make_unique<Pty>();
  platform::QtSerialSystem system;
  core::ComPorts ports{system};
};

TEST_F(QtSerialSystemTest, PinnedDeviceIsListedAndOpenedWithTheLineSettings) {
  const auto names = system.ListPortNames();
  EXPECT_NE(std::find(names.begin(), names.end(), "COM3"), names.end());
  ASSERT_EQ(ports.ComOpen(3, 8, 2, 9600.0, core::kParityEven), 0);
  ASSERT_TRUE(ports.IsOpen(3));

  const int slave = open(pty->path.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK);
  ASSERT_GE(slave, 0);
  termios tio{};
  ASSERT_EQ(tcgetattr(slave, &tio), 0);
  EXPECT_EQ(cfgetospeed(&tio), static_cast<speed_t>(B9600));
  EXPECT_EQ(tio.c_cflag & CSIZE, static_cast<tcflag_t>(CS8));
  // Parity cannot be checked here: the Linux pseudo-terminal driver always clears PARENB.
  EXPECT_TRUE(tio.c_cflag & CSTOPB);
  close(slave);

  // Reopening at another rate works on the same device.
  EXPECT_EQ(ports.ComOpen(3, 8, 2, 4800.0, core::kParityEven), 0);
  EXPECT_TRUE(ports.IsOpen(3));
}

TEST_F(QtSerialSystemTest, AHungUpLineIsReportedAndWakesTheLink) {
  int wakes = 0;
  system.SetInputHandler([&] { ++wakes; });
  ASSERT_EQ(ports.ComOpen(3, 8, 2, 4800.0, core::kParityEven), 0);
  ASSERT_TRUE(ports.IsOpen(3));
  EXPECT_FALSE(ports.ComLineLost(3));
  pty.reset();  // the far end goes away; polled with the event loop running, as the link does
  for (QDeadlineTimer deadline(1000); !ports.ComLineLost(3) && !deadline.hasExpired();) {
    QCoreApplication::processEvents();
    usleep(1000);
  }
  EXPECT_TRUE(ports.ComLineLost(3));
  EXPECT_GE(wakes, 1);
}

}  // namespace
