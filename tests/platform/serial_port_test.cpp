// Bytes both ways through this layer, the sleeping link timer and the wall clock are checked end
// to end (tests/link), where veltrano-cli and the window's link use them against fc28-sim.
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

namespace {

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
  EXPECT_EQ(system.DevicePath(3), pty->path);
  const auto names = system.ListPortNames();
  EXPECT_NE(std::find(names.begin(), names.end(), "COM3"), names.end());
  EXPECT_TRUE(system.DevicePath(0).empty() && system.DevicePath(9).empty());
  EXPECT_TRUE(ports.ComPortPresent(3));
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

  // Reopening at another rate works on the same device; closing releases it.
  EXPECT_EQ(ports.ComOpen(3, 8, 2, 4800.0, core::kParityEven), 0);
  EXPECT_TRUE(ports.IsOpen(3));
  ports.ComCloseAll();
  EXPECT_FALSE(ports.IsOpen(3));
  // A device that is not there stays closed; unpinned, the port falls back to the system's.
  system.PinDevice(2, "/dev/veltrano-no-such-port");
  EXPECT_EQ(ports.ComOpen(2, 8, 2, 4800.0, core::kParityEven), 0);
  EXPECT_FALSE(ports.IsOpen(2));
  system.PinDevice(2, "");
  EXPECT_TRUE(system.DevicePath(2).empty() || system.DevicePath(2).rfind("/dev/", 0) == 0);
}

TEST_F(QtSerialSystemTest, AHungUpLineIsReportedAndWakesTheLink) {
  int wakes = 0;
  system.SetInputHandler([&] { ++wakes; });
  ASSERT_EQ(ports.ComOpen(3, 8, 2, 4800.0, core::kParityEven), 0);
  ASSERT_TRUE(ports.IsOpen(3));
  EXPECT_FALSE(ports.ComLineLost(3));
  pty.reset();  // the far end goes away
  EXPECT_TRUE(WaitUntil([&] { return ports.ComLineLost(3); }));
  EXPECT_GE(wakes, 1);
  ports.ComClose(3);
  EXPECT_FALSE(ports.IsOpen(3));
}

}  // namespace
