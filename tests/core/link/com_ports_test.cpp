#include "core/link/com_ports.h"

#include <gtest/gtest.h>

#include <tuple>

#include "core/link/com_form.h"
#include "tests/core/link/link_fakes.h"

namespace {

using linktest::Bytes;

struct ComPortsTest : ::testing::Test {
  ComPortsTest() { ports.ComInit(); }
  linktest::FakeSystem sys;
  core::ComPorts ports{sys};
  int Open(int port, double baud = 4800.0) { return ports.ComOpen(port, 8, 2, baud, 2); }
};

TEST_F(ComPortsTest, EnumerateMarksListedPortsOnly) {
  // Only COM1..COM8 count, in any case; none of them listed marks them all.
  const struct {
    std::vector<std::string> names;
    const char* present;  // ports 1..8
  } cases[] = {{{"COM2", "COM10", "LPT1"}, "01000000"},
               {{"com3"}, "00100000"},
               {{"COM9", "ttyS0"}, "11111111"},
               {{}, "11111111"}};
  for (const auto& c : cases) {
    sys.names = c.names;
    ports.ComEnumerate();
    std::string present;
    for (int n = 1; n <= 8; ++n) present += ports.ComPortPresent(n) ? '1' : '0';
    EXPECT_EQ(present, c.present) << c.names.size();
  }
  EXPECT_FALSE(ports.ComPortPresent(0) || ports.ComPortPresent(9));
}

TEST_F(ComPortsTest, OpenSetsLineSettingsAndClearsLines) {
  EXPECT_EQ(std::tuple(Open(9), Open(0)), std::tuple(2048, 2048));
  EXPECT_EQ(Open(1, 4800.7), 0);
  const auto& line = sys.lines[1];
  const auto& s = line.settings;
  EXPECT_EQ(std::tuple(s.baud, s.dataBits, s.stopBits, s.parity),
            std::tuple(4800, 8, 2, core::kParityEven));
  EXPECT_EQ(line.lineCalls, (std::vector<std::pair<bool, bool>>{{false, false}}));
  // Reopening closes first and clears the lines again; opening another port keeps it open.
  EXPECT_EQ(Open(1, 9600.0), 0);
  EXPECT_EQ(Open(2, 9600.0), 0);
  EXPECT_EQ(std::tuple(line.opens, s.baud, line.lineCalls.size(), line.open, ports.IsOpen(1)),
            std::tuple(2, 9600, 2u, true, true));
  ports.ComCloseAll();
  EXPECT_FALSE(sys.lines[1].open || sys.lines[2].open || ports.IsOpen(1));
}

TEST_F(ComPortsTest, PortsClosedOrOutside1To8AreHarmlessAndSilent) {
  sys.canOpen[4] = false;
  EXPECT_EQ(Open(4), 0);  // a port that cannot open stays closed
  for (const int port : {4, 5, 0, 9, -1}) {
    SCOPED_TRACE(port);
    EXPECT_FALSE(ports.IsOpen(port) || ports.ComTxDone(port) || ports.ComRxAvailable(port) ||
                 ports.ComLineLost(port));
    std::uint8_t buf[5] = {0xAA};
    EXPECT_EQ(ports.ComWrite(port, buf, 1), 16);
    int count = 5;
    EXPECT_EQ(ports.ComRead(port, buf, count), 0);
    EXPECT_EQ(count, 0);
    ports.ComSetLines(port, true, true);
    ports.ComClose(port);
  }
}

TEST_F(ComPortsTest, ReadTakesOnlyWhatWasReportedWaitingAndWritesWaitForTxDone) {
  Open(1);
  auto& line = sys.lines[1];
  line.input = {1, 2, 3, 4, 5};
  ASSERT_TRUE(ports.ComRxAvailable(1));
  Bytes buf(8);
  int first = 2, second = 8;
  ports.ComRead(1, buf.data(), first);
  ASSERT_TRUE(ports.ComRxAvailable(1));  // asks the driver again: 3 waiting
  ports.ComRead(1, buf.data() + 2, second);
  EXPECT_EQ(std::tuple(first, second), std::tuple(2, 3));
  EXPECT_EQ(buf, (Bytes{1, 2, 3, 4, 5, 0, 0, 0}));
  EXPECT_FALSE(ports.ComRxAvailable(1));
  // A read with nothing known waiting leaves count unchanged and reads nothing.
  Open(3);
  sys.lines[3].input = {7};
  int count = 4;
  ports.ComRead(3, buf.data(), count);
  EXPECT_EQ(std::tuple(count, sys.lines[3].input.size()), std::tuple(4, 1u));

  // Writes: a full write is pending until the driver reports its queue empty.
  EXPECT_TRUE(ports.ComTxDone(1));
  const std::uint8_t block[4] = {1, 2, 3, 4};
  EXPECT_EQ(ports.ComWrite(1, block, 4), 0);
  line.outputQueued = 3;
  EXPECT_FALSE(ports.ComTxDone(1));
  line.outputQueued = 0;
  EXPECT_TRUE(ports.ComTxDone(1));
  line.outputQueued = 3;
  EXPECT_TRUE(ports.ComTxDone(1));  // no write pending any more: the driver is not asked
  line.acceptLimit = 2;
  EXPECT_EQ(ports.ComWrite(1, block, 4), 16);
  EXPECT_TRUE(ports.ComTxDone(1));  // a short write sets no pending write
}

std::array<bool, 9> Only(int port) {
  std::array<bool, 9> p{};
  p[port] = true;
  return p;
}

// The dialog unchecked, with all ports offered and a stored 19200, is the window test's.
TEST(ComForm, OnlyListedPortsAreOfferedAndOddStoredValues) {
  // Checked: a current port no longer listed falls back to 1, even though port 1 is disabled.
  const auto v = core::ComFormShow(5, 4800, true, Only(3));
  for (int n = 1; n <= 8; ++n) EXPECT_EQ(v.enabled[n], n == 3) << n;
  EXPECT_EQ(std::tuple(v.checkedPort, v.checkBox, v.rate48), std::tuple(1, true, true));
  const auto ok = core::ComFormOk(v.rate48, !v.rate48, v.checkedPort, 4800, 5);
  EXPECT_EQ(std::tuple(ok.portNumber, ok.baudRate), std::tuple(1, 4800));
  // "9600 bit/s" checked over a stored 19200 stores 9600.
  EXPECT_EQ(core::ComFormOk(false, true, 1, 19200, 1).baudRate, 9600);
  // A port number outside 1..8 checks port 1.
  for (const int stored : {0, 12})
    EXPECT_EQ(core::ComFormShow(stored, 4800, false, Only(1)).checkedPort, 1) << stored;
}

}  // namespace
