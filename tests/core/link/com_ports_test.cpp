#include "core/link/com_ports.h"

#include <gtest/gtest.h>

#include "tests/core/link/link_fakes.h"

namespace {

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
  } cases[] = {{{"COM2", "COM10", "LPT1"}, "01000000"}, {{"com3"}, "00100000"},
               {{"COM9", "ttyS0"}, "11111111"},        {{}, "11111111"}};
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
  EXPECT_EQ(Open(9), 2048);
  EXPECT_EQ(Open(0), 2048);
  EXPECT_EQ(Open(1, 4800.7), 0);
  const auto& line = sys.lines[1];
  EXPECT_TRUE(ports.IsOpen(1));
  EXPECT_EQ(line.settings.baud, 4800);
  EXPECT_EQ(line.settings.dataBits, 8);
  EXPECT_EQ(line.settings.stopBits, 2);
  EXPECT_EQ(line.settings.parity, core::kParityEven);
  ASSERT_EQ(line.lineCalls.size(), 1u);
  EXPECT_EQ(line.lineCalls[0], std::make_pair(false, false));
  // Reopening closes first and clears the lines again.
  EXPECT_EQ(Open(1, 9600.0), 0);
  EXPECT_EQ(line.opens, 2);
  EXPECT_EQ(line.settings.baud, 9600);
  EXPECT_EQ(line.lineCalls.size(), 2u);
  // Opening another port keeps the first open.
  EXPECT_EQ(Open(2, 9600.0), 0);
  EXPECT_TRUE(sys.lines[1].open);
  ports.ComCloseAll();
  EXPECT_FALSE(sys.lines[1].open);
  EXPECT_FALSE(sys.lines[2].open);
  EXPECT_FALSE(ports.IsOpen(1));
}

TEST_F(ComPortsTest, PortThatCannotOpenStaysClosedAndSilent) {
  sys.canOpen[4] = false;
  EXPECT_EQ(Open(4), 0);
  EXPECT_FALSE(ports.IsOpen(4));
  EXPECT_FALSE(ports.ComTxDone(4));
  EXPECT_FALSE(ports.ComRxAvailable(4));
  const std::uint8_t b = 0xAA;
  EXPECT_EQ(ports.ComWrite(4, &b, 1), 16);
  int count = 5;
  std::uint8_t buf[5];
  EXPECT_EQ(ports.ComRead(4, buf, count), 0);
  EXPECT_EQ(count, 0);
  // Numbers outside 1..8 are harmless everywhere.
  EXPECT_FALSE(ports.ComTxDone(0));
  EXPECT_FALSE(ports.ComRxAvailable(12));
  ports.ComSetLines(-1, true, true);
}

TEST_F(ComPortsTest, ReadTakesOnlyWhatWasReportedWaiting) {
  Open(1);
  auto& line = sys.lines[1];
  line.input = {1, 2, 3, 4, 5};
  ASSERT_TRUE(ports.ComRxAvailable(1));
  std::uint8_t buf[8] = {};
  int count = 2;
  ports.ComRead(1, buf, count);
  EXPECT_EQ(count, 2);
  EXPECT_EQ(buf[0], 1);
  EXPECT_EQ(buf[1], 2);
  ASSERT_TRUE(ports.ComRxAvailable(1));  // asks the driver again: 3 waiting
  count = 8;
  ports.ComRead(1, buf, count);
  EXPECT_EQ(count, 3);
  EXPECT_EQ(buf[2], 5);
  EXPECT_FALSE(ports.ComRxAvailable(1));
  line.input = {9};
  count = 0;
  ports.ComRead(1, buf, count);
  EXPECT_EQ(count, 0);
  EXPECT_EQ(line.input.size(), 1u);
  // A read with nothing known waiting leaves count unchanged and reads nothing.
  Open(3);
  count = 4;
  ports.ComRead(3, buf, count);
  EXPECT_EQ(count, 4);
  EXPECT_EQ(sys.lines[3].readCalls, 0);
}

TEST_F(ComPortsTest, WriteAndTxDone) {
  EXPECT_FALSE(ports.ComTxDone(1));  // not open
  Open(1);
  auto& line = sys.lines[1];
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

}  // namespace
