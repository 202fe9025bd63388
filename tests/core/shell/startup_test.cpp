#include "core/shell/startup.h"

#include <gtest/gtest.h>

#include <tuple>
#include <utility>

#include "tests/core/settings/fake_backend.h"

namespace core {
namespace {

using testing::FakeBackend;
using testing::TempDir;

constexpr std::int32_t M = kMissingInt;
using V = TransmitterVersion;

TEST(StartupTest, TransmitterVersionAndOptionenBits) {
  const std::pair<std::int32_t, V> versions[] = {
      {30, V::V30}, {31, V::V31}, {33, V::V32}, {0, V::V32}, {M, V::V32}};
  for (const auto& [setting, version] : versions)
    EXPECT_EQ(VersionOfNumber(setting), version) << setting;

  const ViewOptions o = DecodeOptionen(4 + 8 + 32 + 64 * 5);
  EXPECT_EQ(o, (ViewOptions{false, false, true, 1, 1, 5}));
  EXPECT_EQ(EncodeOptionen(o), 364);
  const ViewOptions all = DecodeOptionen(0xFFF);
  EXPECT_EQ(EncodeOptionen(all), 0xFFF);
  EXPECT_EQ(DecodeOptionen(-1), all);                        // higher bits are ignored
  const ViewOptions wide{true, true, false, 5, -1, 64 + 2};  // tab indexes out of range: masked
  EXPECT_EQ(DecodeOptionen(EncodeOptionen(wide)), (ViewOptions{true, true, false, 1, 0, 2}));
}

TEST(StartupTest, WindowPlacementAndItsFallbacks) {
  const WindowPlacement defaults{10, 10, 1004, 722, 265, 522};
  const struct {
    WindowPlacement stored, placed;
  } cases[] = {
      {{10, 10, 250, 200, 180, 150}, {10, 10, 600, 440, 180, 150}},  // enlarged
      {{0, 10, 600, 440, 180, 150}, defaults},
      {{10, 0, 600, 440, 180, 150}, defaults},
      {{10, 10, 600, 440, 180, M}, defaults},
      // The bottom must stay 16 pixels above the screen's edge; the right may touch it.
      {{20, 12, 600, 740, 180, 150}, {20, 12, 600, 740, 180, 150}},
      {{20, 13, 600, 740, 180, 150}, defaults},
      {{424, 10, 600, 440, 180, 150}, {424, 10, 600, 440, 180, 150}},
      {{425, 10, 600, 440, 180, 150}, defaults},
      {{500, 10, 299, 440, 180, 150}, defaults},  // enlarged off the screen
      // Sums of large stored values do not wrap round.
      {{2147483000, 10, 2000, 440, 1, 1}, defaults},
      {{10, 2147483000, 600, 2000, 1, 1}, defaults},
  };
  for (const auto& c : cases)
    EXPECT_EQ(ComputeWindowPlacement(c.stored, 1024, 768), c.placed)
        << c.stored.left << " " << c.stored.top;
  EXPECT_EQ(ComputeWindowPlacement({M, M, M, M, M, M}, 1920, 1080),
            (WindowPlacement{10, 10, 1900, 1034, 265, 834}));
}

auto Fields(const StartupSettings& s) {
  return std::tie(s.transferRate, s.comPort, s.portAuto, s.options, s.transmitter, s.placement,
                  s.modelMem);
}

TEST(StartupTest, ShutdownWritesInOrderAndPlacementOnlyInTheNormalState) {
  FakeBackend backend;
  Regist regist(backend, {});
  regist.SettingsInit(kVeltranoIdentity);
  ShutdownSettings s{9600, 2, false, DecodeOptionen(364), V::V30, {}, "ASK21"};
  WriteShutdownSettings(regist, s);
  EXPECT_EQ(backend.writes, (std::vector<std::string>{"TransferRate", "ComPort", "PortAuto",
                                                      "Optionen", "Transmitter", "ModelMem"}));

  backend.writes.clear();
  s.placement = WindowPlacement{-8, 5, 900, 700, 300, 400};
  WriteShutdownSettings(regist, s);
  EXPECT_EQ(backend.writes, (std::vector<std::string>{
                                "TransferRate", "ComPort", "PortAuto", "Optionen", "Transmitter",
                                "WinPosLeft", "WinPosTop", "WinPosWidth", "WinPosHeight",
                                "TreeViewWidth", "TreeViewHeight", "ModelMem"}));
  EXPECT_EQ(regist.ReadIntSetting("Transmitter", kHkeyCurrentUser), 30);
}

TEST(StartupTest, FirstRunGivesTheDefaultsAndSettingsSurviveARestartInTextMode) {
  TempDir tmp;
  FakeBackend backend;
  Regist regist(backend, {tmp.path()});
  regist.SettingsInit(kVeltranoIdentity);
  ASSERT_FALSE(regist.registryMode());
  const StartupSettings defaults{
      4800, 1, true, {true, true, false, 0, 0, 0}, V::V32, {10, 10, 1004, 722, 265, 522}, ""};
  EXPECT_EQ(Fields(ReadStartupSettings(regist, 1024, 768)), Fields(defaults));
  const WindowPlacement placement{20, 30, 800, 600, 250, 350};
  WriteShutdownSettings(
      regist, {9600, 3, false, DecodeOptionen(364), VersionOfNumber(33), placement, "MÄRZ"});
  EXPECT_TRUE(backend.writes.empty());

  Regist again(backend, {tmp.path()});
  again.SettingsInit(kVeltranoIdentity);
  const StartupSettings read = ReadStartupSettings(again, 1024, 768);
  const StartupSettings want{9600, 3, false, DecodeOptionen(364), V::V32, placement, "MÄRZ"};
  EXPECT_EQ(Fields(read), Fields(want));
  EXPECT_EQ(again.ReadIntSetting("Transmitter", kHkeyCurrentUser), 32);

  FakeBackend registry;
  registry.setInt("PortAuto", 2);  // only 1 means automatic
  Regist stored(registry, {});
  stored.SettingsInit(kVeltranoIdentity);
  EXPECT_FALSE(ReadStartupSettings(stored, 1024, 768).portAuto);
}

}  // namespace
}  // namespace core
