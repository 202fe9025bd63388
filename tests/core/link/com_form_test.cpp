#include "core/link/com_form.h"

#include <gtest/gtest.h>

namespace {

std::array<bool, 9> Only(int port) {
  std::array<bool, 9> p{};
  p[port] = true;
  return p;
}

TEST(ComForm, TheCheckBoxDecidesWhichPortsAreOffered) {
  // Checked: only listed ports are enabled, and a current port no longer listed falls back to 1.
  const auto v = core::ComFormShow(5, 4800, true, Only(3));
  for (int n = 1; n <= 8; ++n) EXPECT_EQ(v.enabled[n], n == 3) << n;
  EXPECT_EQ(v.checkedPort, 1);  // even though port 1 is disabled too
  EXPECT_TRUE(v.checkBox);
  EXPECT_TRUE(v.rate48);
  const auto ok = core::ComFormOk(v.rate48, !v.rate48, v.checkedPort, 4800, 5);
  EXPECT_EQ(ok.portNumber, 1);
  EXPECT_EQ(ok.baudRate, 4800);

  // Unchecked: all are enabled and the port stays.
  const auto all = core::ComFormShow(5, 9600, false, Only(3));
  for (int n = 1; n <= 8; ++n) EXPECT_TRUE(all.enabled[n]) << n;
  EXPECT_EQ(all.checkedPort, 5);
  EXPECT_FALSE(all.checkBox);
  EXPECT_FALSE(all.rate48);
}

TEST(ComForm, OddStoredValues) {
  // 19200 shows "9600 bit/s", and Ok stores 9600.
  const auto v = core::ComFormShow(1, 19200, true, Only(1));
  EXPECT_FALSE(v.rate48);
  EXPECT_EQ(core::ComFormOk(false, true, 1, 19200, 1).baudRate, 9600);
  // A port number outside 1..8 checks port 1.
  EXPECT_EQ(core::ComFormShow(0, 4800, false, Only(1)).checkedPort, 1);
  EXPECT_EQ(core::ComFormShow(12, 4800, false, Only(1)).checkedPort, 1);
  // No button checked changes nothing.
  const auto keep = core::ComFormOk(false, false, 0, 4800, 7);
  EXPECT_EQ(keep.baudRate, 4800);
  EXPECT_EQ(keep.portNumber, 7);
}

}  // namespace
