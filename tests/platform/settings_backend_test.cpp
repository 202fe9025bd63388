#include "platform/settings_backend.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>

namespace platform {
namespace {

// A company of its own, so that even where native settings cannot be redirected (the Windows
// registry) the user's settings stay untouched; elsewhere they go to a temporary directory.
const std::string kKey = "Software\\MorlindTest\\Veltrano\\1.0";

class SettingsBackendTest : public ::testing::Test {
 protected:
  void SetUp() override {
    QStandardPaths::setTestModeEnabled(true);
    ASSERT_TRUE(dir_.isValid());
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, dir_.path());
  }
  void TearDown() override {
    QSettings(QSettings::NativeFormat, QSettings::UserScope, "MorlindTest", "Veltrano").clear();
  }

  QTemporaryDir dir_;
  QtSettingsBackend backend_;
};

TEST_F(SettingsBackendTest, ValuesRoundTripUnderTheVersionGroup) {
  const auto cu = core::kHkeyCurrentUser;
  EXPECT_FALSE(backend_.readInt(cu, kKey, "ComPort"));
  EXPECT_FALSE(backend_.readText(cu, kKey, "ModelMem"));
  EXPECT_TRUE(backend_.writeInt(cu, kKey, "ComPort", 3));
  EXPECT_TRUE(backend_.writeInt(cu, kKey, "WinPosLeft", -8));
  EXPECT_TRUE(backend_.writeText(cu, kKey, "ModelMemDir", "/Modelle/Müller, 1.0/"));
  EXPECT_TRUE(backend_.writeText(cu, kKey, "ModelMem", ""));
  EXPECT_EQ(backend_.readInt(cu, kKey, "ComPort"), 3);
  EXPECT_EQ(backend_.readInt(cu, kKey, "WinPosLeft"), -8);
  EXPECT_EQ(backend_.readText(cu, kKey, "ModelMemDir"), "/Modelle/Müller, 1.0/");
  EXPECT_EQ(backend_.readText(cu, kKey, "ModelMem"), "");

  QSettings direct(QSettings::NativeFormat, QSettings::UserScope, "MorlindTest", "Veltrano");
  EXPECT_EQ(direct.value("1.0/ComPort").toInt(), 3);

  // The settings module, in registry mode, finds them under the key it makes.
  core::Regist regist(backend_, {});
  regist.SettingsInit({"Veltrano", "MorlindTest", "1.0"});
  ASSERT_TRUE(regist.registryMode());
  EXPECT_EQ(regist.ReadIntSetting("WinPosLeft", cu), -8);
  EXPECT_EQ(regist.ReadTextSetting("ModelMemDir", cu), "/Modelle/Müller, 1.0/");
  EXPECT_EQ(regist.ReadIntSetting("TransferRate", cu), core::kMissingInt);
}

TEST_F(SettingsBackendTest, ValuesOfTheOtherKind) {
  const auto cu = core::kHkeyCurrentUser;
  const std::pair<const char*, std::optional<std::int32_t>> texts[] = {
      {"12", 12}, {" 9600 ", 9600}, {"12abc", {}}, {"99999999999", {}}, {"", {}}};
  for (const auto& [text, value] : texts) {
    backend_.writeText(cu, kKey, "A", text);
    EXPECT_EQ(backend_.readInt(cu, kKey, "A"), value) << text;
  }
  backend_.writeInt(cu, kKey, "F", 4800);
  EXPECT_EQ(backend_.readText(cu, kKey, "F"), "4800");
  QSettings direct(QSettings::NativeFormat, QSettings::UserScope, "MorlindTest", "Veltrano");
  direct.setValue("1.0/G", QStringList{"a", "b"});
  direct.sync();
  EXPECT_FALSE(backend_.readInt(cu, kKey, "G"));
  EXPECT_FALSE(backend_.readText(cu, kKey, "G"));
}

TEST_F(SettingsBackendTest, OnlyTheCurrentUserAndSoftwareKeysAreServed) {
  EXPECT_FALSE(backend_.writeInt(core::kHkeyLocalMachine, kKey, "ComPort", 1));
  EXPECT_FALSE(backend_.readInt(core::kHkeyLocalMachine, kKey, "ComPort"));
  EXPECT_FALSE(backend_.writeText(core::kHkeyCurrentUser, "Hardware\\X\\Y", "N", "t"));
  EXPECT_FALSE(backend_.writeText(core::kHkeyCurrentUser, "Software\\MorlindTest", "N", "t"));
  EXPECT_FALSE(backend_.readText(core::kHkeyCurrentUser, "Software\\\\Veltrano", "N"));
}

TEST(PathsTest, QStringPathsKeepTheirCharacters) {
  const QString text = QStringLiteral("/tmp/Müller €/Модели");
  EXPECT_EQ(FromPath(ToPath(text)), text);
  EXPECT_TRUE(ToPath(text).filename() == std::filesystem::path(u8"Модели"));
  const auto candidates = TextStoreCandidates();
#ifdef _WIN32
  EXPECT_EQ(candidates.size(), 2u);
#else
  ASSERT_EQ(candidates.size(), 1u);
  EXPECT_EQ(candidates[0].filename(), "RegRepl");
#endif
}

}  // namespace
}  // namespace platform
