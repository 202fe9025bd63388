#include "core/settings/l_regist.h"

#include <gtest/gtest.h>

#include <set>
#include <utility>

#include "core/settings/textcodec.h"
#include "tests/core/settings/fake_backend.h"

namespace core {
namespace {

namespace fs = std::filesystem;
using testing::FakeBackend;
using testing::ReadText;
using testing::TempDir;
using testing::WriteText;

#ifdef _WIN32
const std::string kNl = "\r\n";
#else
const std::string kNl = "\n";
#endif

fs::path SettingFile(const fs::path& store, const std::string& name) {
  return store / "HKEY_CURRENT_USER" / "Software" / "Morlind" / "Veltrano" / "10" / (name + ".txt");
}

TEST(RegistTest, LeadingIntegerOfALineAndRootKeysOutsideTheTable) {
  // "-8": a window left of a second screen.
  const std::pair<const char*, std::int32_t> cases[] = {{"12abc", 12}, {"abc", 0},   {"", 0},
                                                        {"-8", -8},    {"+7x", 7},   {"-", 0},
                                                        {"- 5", 0},    {" \t42", 42}};
  for (const auto& [text, value] : cases) EXPECT_EQ(LeadingInteger(text), value) << text;
  // Saturated to 32 bits; 2147483647 is also what a setting stored nowhere reads as.
  EXPECT_EQ(LeadingInteger("2147483647"), kMissingInt);
  EXPECT_EQ(LeadingInteger("2147483648"), 2147483647);
  EXPECT_EQ(LeadingInteger("99999999999999999999999"), 2147483647);
  EXPECT_EQ(LeadingInteger("-2147483648"), -2147483647 - 1);
  EXPECT_EQ(LeadingInteger("-99999999999999999999999"), -2147483647 - 1);
  EXPECT_EQ(RootKeyName(kHkeyDynData), "HKEY_DYN_DATA");
  EXPECT_EQ(RootKeyName(0), "HKEY_NONE");
  EXPECT_EQ(RootKeyName(0x80000007u), "HKEY_NONE");
}

TEST(RegistTest, TextFilePathDropsDotsBelowTheStoreOnly) {
  FakeBackend backend;
  Regist regist(backend, {});
  regist.SettingsInit({});
  const fs::path store = fs::path("base") / "Reg.Repl";
  // A store reached through ".." keeps its meaning: dropping those dots would leave it.
  const fs::path up = fs::path("..") / "RegRepl";
  EXPECT_EQ(regist.textFilePath(up, "ComPort", kHkeyLocalMachine),
            up / "HKEY_LOCAL_MACHINE" / "Software" / "Morlind" / "Veltrano" / "10" / "ComPort.txt");

  SettingsIdentity odd{"Vel.trano", "..", "2.0.1"};
  regist.SettingsInit(odd);
  EXPECT_EQ(regist.textFilePath(store, "X", kHkeyCurrentUser),
            store / "HKEY_CURRENT_USER" / "Software" / "Veltrano" / "201" / "X.txt");

  // Names that are not plain file names have no file.
  for (const char* bad : {"", "..", "a/b", "a\\b"})
    EXPECT_FALSE(regist.textFilePath(store, bad, kHkeyCurrentUser)) << bad;
  EXPECT_FALSE(regist.textFilePath({}, "ComPort", kHkeyCurrentUser));
  EXPECT_EQ(regist.textFilePath(store, "My.Name", kHkeyCurrentUser)->filename(), "My.Name.txt");
}

/// Text mode over a fresh "RegRepl" store, the first candidate that is a directory.
class TextModeTest : public ::testing::Test {
 protected:
  TextModeTest() {
    fs::create_directories(store);
    WriteText(tmp.path() / "plainfile", "x");
  }
  TempDir tmp;
  const fs::path store = tmp.path() / "RegRepl";
  FakeBackend backend;
  Regist regist{backend, {tmp.path() / "missing", tmp.path() / "plainfile", store}};
};

TEST_F(TextModeTest, ReadsTheFileFirstAndTheRegistryAfter) {
  backend.setInt("ComPort", 3);
  backend.setInt("TransferRate", 9600);
  backend.setText("ModelMem", "ASK21");
  regist.SettingsInit({});
  ASSERT_FALSE(regist.registryMode());

  // No files yet: the registry is the fallback.
  EXPECT_EQ(regist.ReadIntSetting("ComPort", kHkeyCurrentUser), 3);
  EXPECT_EQ(regist.ReadIntSetting("Optionen", kHkeyCurrentUser), kMissingInt);
  EXPECT_EQ(regist.ReadTextSetting("ModelMem", kHkeyCurrentUser), "ASK21");

  // The file wins; only its first line counts; an empty file has no line.
  WriteText(SettingFile(store, "ComPort"), "12abc\r\n7\r\n");
  WriteText(SettingFile(store, "TransferRate"), "");
  WriteText(SettingFile(store, "Optionen"), "\n");
  WriteText(SettingFile(store, "ModelMem"), "ASW 28\r\nother\r\n");
  WriteText(SettingFile(store, "ModelMemDir"), "/data/fc");
  EXPECT_EQ(regist.ReadIntSetting("ComPort", kHkeyCurrentUser), 12);
  EXPECT_EQ(regist.ReadIntSetting("TransferRate", kHkeyCurrentUser), 9600);
  EXPECT_EQ(regist.ReadIntSetting("Optionen", kHkeyCurrentUser), 0);
  EXPECT_EQ(regist.ReadTextSetting("ModelMem", kHkeyCurrentUser), "ASW 28");
  EXPECT_EQ(regist.ReadTextSetting("ModelMemDir", kHkeyCurrentUser), "/data/fc");
  // Another root has its own tree of files.
  EXPECT_EQ(regist.ReadIntSetting("ComPort", kHkeyLocalMachine), kMissingInt);
}

TEST_F(TextModeTest, WritesOneLineFileAndLeavesTheRegistryAlone) {
  regist.SettingsInit({});

  WriteText(SettingFile(store, "ComPort"), "5\nold second line\n");
  EXPECT_TRUE(regist.WriteIntSetting("ComPort", kHkeyCurrentUser, -8));
  EXPECT_EQ(ReadText(SettingFile(store, "ComPort")), "-8" + kNl);
  EXPECT_TRUE(regist.WriteTextSetting("ModelMem", kHkeyCurrentUser, ""));
  EXPECT_EQ(ReadText(SettingFile(store, "ModelMem")), kNl);
  EXPECT_TRUE(backend.writes.empty());

  // Nothing but the settings' files is left in their directory.
  std::set<fs::path> files;
  for (const auto& entry : fs::directory_iterator(SettingFile(store, "x").parent_path()))
    files.insert(entry.path().filename());
  EXPECT_EQ(files, (std::set<fs::path>{"ComPort.txt", "ModelMem.txt"}));

  // A file where a directory belongs makes the write fail and changes nothing else.
  fs::remove_all(store / "HKEY_CURRENT_USER");
  WriteText(store / "HKEY_CURRENT_USER", "in the way");
  EXPECT_FALSE(regist.WriteIntSetting("ComPort", kHkeyCurrentUser, 4));
  EXPECT_EQ(ReadText(store / "HKEY_CURRENT_USER"), "in the way");
  EXPECT_FALSE(regist.WriteIntSetting("../escape", kHkeyCurrentUser, 4));
}

TEST(RegistTest, RegistryModeFallsBackToTheTextFileOnlyWhenGivenOne) {
  TempDir tmp;
  FakeBackend backend;
  backend.setInt("ComPort", 2);
  backend.setInt("PortAuto", kMissingInt);
  backend.setText("ModelMemDir", "");
  const fs::path fallback = tmp.path() / "fallback";
  WriteText(SettingFile(fallback, "ComPort"), "4");
  WriteText(SettingFile(fallback, "TransferRate"), "9600 Baud");
  WriteText(SettingFile(fallback, "PortAuto"), "0");
  WriteText(SettingFile(fallback, "ModelMemDir"), "/fc/");
  Regist regist(backend, {tmp.path() / "RegRepl"}, fallback);
  regist.SettingsInit({});
  ASSERT_TRUE(regist.registryMode());
  EXPECT_EQ(regist.ReadIntSetting("ComPort", kHkeyCurrentUser), 2);  // the registry wins
  EXPECT_EQ(regist.ReadIntSetting("TransferRate", kHkeyCurrentUser), 9600);
  // A stored 2147483647 is the missing value, so the file is asked.
  EXPECT_EQ(regist.ReadIntSetting("PortAuto", kHkeyCurrentUser), 0);
  EXPECT_EQ(regist.ReadIntSetting("Optionen", kHkeyCurrentUser), kMissingInt);  // in neither
  EXPECT_EQ(regist.ReadTextSetting("ModelMemDir", kHkeyCurrentUser), "/fc/");

  // Writes go to the registry only.
  EXPECT_TRUE(regist.WriteIntSetting("ComPort", kHkeyCurrentUser, 6));
  EXPECT_EQ(regist.ReadIntSetting("ComPort", kHkeyCurrentUser), 6);
  EXPECT_EQ(ReadText(SettingFile(fallback, "ComPort")), "4");
  EXPECT_FALSE(fs::exists(tmp.path() / "RegRepl"));
  backend.failWrites = true;
  EXPECT_FALSE(regist.WriteIntSetting("ComPort", kHkeyCurrentUser, 7));
}

TEST_F(TextModeTest, FilesKeepTheirCharacters) {
  regist.SettingsInit({});

  // Characters of Windows-1252 are stored in that code page, as on Windows.
  regist.WriteTextSetting("ModelMemDir", kHkeyCurrentUser, "/Modelle/Müller €/");
  EXPECT_EQ(ReadText(SettingFile(store, "ModelMemDir")), "/Modelle/M\xFCller \x80/" + kNl);
  // Others go as UTF-8 behind a byte order mark.
  regist.WriteTextSetting("ModelMemDir", kHkeyCurrentUser, "/Модели/");
  EXPECT_EQ(ReadText(SettingFile(store, "ModelMemDir")), "\xEF\xBB\xBF/Модели/" + kNl);
  EXPECT_EQ(regist.ReadTextSetting("ModelMemDir", kHkeyCurrentUser), "/Модели/");
  // A file written by hand in UTF-8 reads as such.
  WriteText(SettingFile(store, "ModelMem"), "MÄRZ\n");
  EXPECT_EQ(regist.ReadTextSetting("ModelMem", kHkeyCurrentUser), "MÄRZ");

  for (const std::string text : {"", "plain", "Ã¼ber", "\xEF\xBB\xBFx", "ä\x81", "ÿ", "Ω"}) {
    EXPECT_EQ(DecodeSettingText(EncodeSettingText(text)), text) << text;
  }
  EXPECT_EQ(DecodeSettingText("\x81\x8D\x90"), "\u0081\u008D\u0090");
  EXPECT_EQ(DecodeSettingText("\xC0\xAF"), "\u00C0\u00AF");  // overlong form is no UTF-8
}

}  // namespace
}  // namespace core
