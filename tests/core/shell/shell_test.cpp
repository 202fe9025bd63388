// Start-up values and their settings, the display tick and status bar, and the icon files.
#include <gtest/gtest.h>

#include <fstream>
#include <set>
#include <tuple>
#include <utility>

#include "core/shell/display.h"
#include "core/shell/icons.h"
#include "core/shell/startup.h"
#include "tests/core/settings/fake_backend.h"
#include "tests/core/util/temp_dir.h"

namespace core {
namespace {

namespace fs = std::filesystem;
using testing::FakeBackend;
using testing::ReadBytes;
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

TEST(DisplayTest, IconsAreWrittenAtThe26thTickAndTheCounterStops) {
  std::int32_t counter = 0;
  std::vector<int> writeTicks;
  for (int tick = 1; tick <= 100; ++tick)
    if (DisplayTick(counter)) writeTicks.push_back(tick);
  EXPECT_EQ(writeTicks, std::vector<int>{26});
  counter = kDisplayTickLimit - 1;
  for (int tick = 0; tick < 2; ++tick) EXPECT_FALSE(DisplayTick(counter));
  EXPECT_EQ(counter, kDisplayTickLimit);  // reached, and kept
}

// Texts, colours (panel 0 green and red) and commands as the user sees them are the window
// tests'; here when the status bar repaints, and the states the window flows do not reach.
TEST(DisplayTest, RepaintsWhenTheColourOrTheTransferPanelChanges) {
  ModellSpeicherTyp saved, unsaved;
  saved.inUse = unsaved.inUse = true;
  saved.imageSaved = saved.commentSaved = unsaved.commentSaved = true;
  const struct {
    const ModellSpeicherTyp* active;
    bool drawnSaved;
    int transferState;
    bool repaint;
  } cases[] = {
      {nullptr, true, 0, false},
      {nullptr, false, 0, true},  // red left over: back to green
      {nullptr, true, kTransferDisplayProgress, true},
      {&saved, true, 0, false},
      {&saved, false, 0, true},
      {&saved, true, kTransferDisplayProgress, true},
      {&saved, true, 2, false},
      {&unsaved, true, 0, true},
      {&unsaved, false, 0, false},
  };
  for (const auto& c : cases)
    EXPECT_EQ(DecideDisplay(c.active, "", c.drawnSaved, c.transferState).repaint, c.repaint)
        << (c.active == &saved) << c.drawnSaved << c.transferState;
  saved.deleted = true;
  const DisplayState d = DecideDisplay(&saved, "", false, 0);
  EXPECT_TRUE(d.txEnabled && d.undeleteEnabled && !d.deleteEnabled);
}

bool SameBytes(const std::vector<std::uint8_t>& a, std::span<const std::uint8_t> b) {
  return std::equal(a.begin(), a.end(), b.begin(), b.end());
}

// That they are 16 x 16 bitmaps, and their pictures, are checked where Qt reads them
// (tests/platform/icons_qt_test.cpp).
TEST(IconsTest, TwelveDistinctBitmapsFoundByTheirExactNames) {
  std::set<std::vector<std::uint8_t>> distinct;
  for (const IconBitmap& icon : BuiltInIcons())
    distinct.insert({icon.bytes.begin(), icon.bytes.end()});
  EXPECT_EQ(distinct.size(), 12u);
  EXPECT_FALSE(BuiltInIcon("ok.bmp"));
}

// Installed under /usr, the icons come from /usr/share/veltrano. Files the icon directory holds
// are not written beside the program again, the others are.
TEST(IconsTest, SearchOrderOfTheIconDirectoryAndWhatItSpares) {
  TempDir tmp;
  const fs::path cwd = tmp.path() / "work";
  const fs::path exe = tmp.path() / "usr" / "bin";
  const fs::path share = tmp.path() / "usr" / "share" / "veltrano";
  const std::vector<fs::path> dirs = IconSearchDirs(cwd, exe);
  EXPECT_EQ(IconSearchDirs(cwd, {}).size(), dirs.size() - 2);
  for (const fs::path& dir : {cwd / "exe", exe, share}) fs::create_directories(dir);
  std::ofstream(share / "Ok.bmp") << "x";
  std::ofstream(share / "Klammer.bmp") << "x";
  EXPECT_TRUE(FindIconDirectory(dirs) && fs::equivalent(*FindIconDirectory(dirs), share));
  ASSERT_TRUE(WriteIconFiles(cwd, dirs));
  EXPECT_FALSE(fs::exists(cwd / "Ok.bmp") || fs::exists(cwd / "Klammer.bmp"));
  EXPECT_TRUE(fs::exists(cwd / "Leer.bmp") && fs::exists(cwd / "OrdnerOffen.bmp"));

  std::ofstream(exe / "Ok.bmp") << "x";
  EXPECT_EQ(FindIconDirectory(dirs), exe);
  std::ofstream(cwd / "exe" / "Ok.bmp") << "x";
  EXPECT_EQ(FindIconDirectory(dirs), cwd / "exe");
  std::ofstream(tmp.path() / "Ok.bmp") << "x";
  EXPECT_EQ(FindIconDirectory(dirs), cwd / "..");
  std::ofstream(cwd / "Ok.bmp") << "x";
  EXPECT_EQ(FindIconDirectory(dirs), cwd);
}

TEST(IconsTest, FilesAreWrittenOnceAndSkippedWhenPresent) {
  TempDir tmp;
  const fs::path cwd = tmp.path() / "work";
  fs::create_directories(cwd);
  const std::vector<fs::path> dirs = IconSearchDirs(cwd, {});

  ASSERT_TRUE(WriteIconFiles(cwd, dirs));
  for (const IconBitmap& icon : BuiltInIcons())
    EXPECT_TRUE(SameBytes(ReadBytes(cwd / icon.fileName), icon.bytes)) << icon.fileName;
  const auto files = ReadIconFiles(cwd);
  ASSERT_TRUE(files);
  EXPECT_TRUE(SameBytes((*files)[12], *BuiltInIcon("Leer.bmp")));

  // A file the user put there stays; a missing one comes back.
  std::ofstream(cwd / "Leer.bmp", std::ios::trunc) << "mine";
  fs::remove(cwd / "Modell.bmp");
  ASSERT_TRUE(WriteIconFiles(cwd, dirs));
  EXPECT_EQ(ReadBytes(cwd / "Leer.bmp"), (std::vector<std::uint8_t>{'m', 'i', 'n', 'e'}));
  EXPECT_TRUE(SameBytes(ReadBytes(cwd / "Modell.bmp"), *BuiltInIcon("Modell.bmp")));
  fs::remove(cwd / "Modell.bmp");
  EXPECT_FALSE(ReadIconFiles(cwd));
}

TEST(IconsTest, WritingStopsAtTheFirstFailure) {
  TempDir tmp;
  const fs::path cwd = tmp.path() / "missing";
  EXPECT_FALSE(WriteIconFiles(cwd, IconSearchDirs(cwd, {})));
  EXPECT_FALSE(fs::exists(cwd));
  // The third file fails: the first two are written, nothing after the failure.
  const fs::path work = tmp.path() / "work";
  fs::create_directories(work);
  std::vector<std::string> tried;
  std::size_t failAt = 3;
  auto writer = [&](const fs::path& file, auto) {
    tried.push_back(file.filename().string());
    if (tried.size() == failAt) return false;
    std::ofstream(file) << "x";
    return true;
  };
  EXPECT_FALSE(WriteIconFiles(work, IconSearchDirs(work, {}), writer));
  EXPECT_EQ(tried, (std::vector<std::string>{"Ok.bmp", "Leer.bmp", "NichtOk.bmp"}));
  // The next run goes on where it failed, in the order of the list.
  tried.clear();
  failAt = 0;
  EXPECT_TRUE(WriteIconFiles(work, IconSearchDirs(work, {}), writer));
  ASSERT_EQ(tried.size(), 10u);
  EXPECT_EQ(tried.front(), "NichtOk.bmp");
}

}  // namespace
}  // namespace core
