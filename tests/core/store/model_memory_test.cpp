#include "core/store/model_memory.h"

#include <gtest/gtest.h>

#include <array>
#include <filesystem>
#include <string>
#include <vector>

#include "tests/core/store/store_fixture.h"
#include "core/util/files.h"

namespace core {
namespace {

using testing::FcBytes;
using testing::ReadBytes;
using testing::TempDir;
using testing::WriteBytes;

using Name = std::array<std::uint8_t, 12>;

ModellSpeicherTyp WithName(const Name& bytes) {
  ModellSpeicherTyp r;
  std::copy(bytes.begin(), bytes.end(), r.image.begin());
  return r;
}

Name NameBytes(const ModellSpeicherTyp& r) {
  Name n;
  std::copy(r.image.begin(), r.image.begin() + 12, n.begin());
  return n;
}

TEST(NameCode, ConvertsBothWays) {
  // Every listed code comes back; file-name mode keeps letters and digits only.
  for (int code = 0; code < 256; ++code) {
    const char32_t c = CodeToChar(static_cast<std::uint8_t>(code), false);
    if (c != U' ') {
      EXPECT_EQ(CharToCode(c), code);
    }
  }
  EXPECT_EQ(std::u32string({CodeToChar(65, false), CodeToChar(65, true), CodeToChar(71, true),
                            CodeToChar(62, true), CodeToChar(27, false), CodeToChar(255, false)}),
            U"/  9  ");
  EXPECT_EQ(std::vector<int>({CharToCode(U'ä'), CharToCode(U'a'), CharToCode(U' '), CharToCode(U'ß')}),
            (std::vector<int>{71, 0, 0, 0}));
}

TEST(NameCode, NameTextAndStem) {
  const auto asw = WithName({1, 19, 23, 0, 55, 61, 0, 0, 0, 0, 0, 0});
  EXPECT_EQ(NameText(&asw), "ASW 28      ");
  EXPECT_EQ(TrimmedName(&asw), "ASW 28");
  EXPECT_EQ(FileNameStem(asw), "ASW28");

  const auto maerz = WithName({13, 71, 18, 26, 0, 0, 0, 0, 0, 0, 0, 0});
  EXPECT_EQ(NameText(&maerz), "MÄRZ        ");
  EXPECT_EQ(FileNameStem(maerz), "MAERZ");
  EXPECT_EQ(FileNameStem(WithName({})), "Modell");
  EXPECT_EQ(FileNameStem(WithName({63, 64, 65, 0, 30, 200})), "Modell");
  EXPECT_EQ(FileNameStem(WithName({72, 73, 65, 1})), "OEUEA");
  EXPECT_EQ(NameText(nullptr), "");
}

TEST(NameCode, SetsNameFromTextByCharacters) {
  ModellSpeicherTyp r;
  r.imageSaved = r.commentSaved = true;
  SetNameFromText(r, " glück/2 ");
  EXPECT_EQ(NameBytes(r), (Name{7, 12, 73, 3, 11, 65, 55, 0, 0, 0, 0, 0}));
  EXPECT_TRUE(r.imageSaved);  // flags are the caller's business
  EXPECT_EQ(r.image[12], 0xFF);

  SetNameFromText(r, "ABCDEFGHIJKLMNO");
  EXPECT_EQ(NameText(&r), "ABCDEFGHIJKL");
  // Twelve umlauts are twelve characters though 24 bytes.
  SetNameFromText(r, "ääääääääääääää");
  EXPECT_EQ(NameBytes(r), (Name{71, 71, 71, 71, 71, 71, 71, 71, 71, 71, 71, 71}));

  SetNameFromText(r, "A B");
  EXPECT_EQ(NameBytes(r), (Name{1, 0, 2, 0, 0, 0, 0, 0, 0, 0, 0, 0}));
  EXPECT_EQ(NameText(&r), "A B         ");
  EXPECT_EQ(FileNameStem(r), "AB");

  SetNameFromText(r, "\t\t");
  EXPECT_EQ(NameBytes(r), Name{});
}

TEST(Record, ResetGivesInitialValuesAndKeepsTheListLink) {
  ModellSpeicherTyp r, other;
  r.next = &other;
  r.image[5] = 1;
  r.fileName = "x";
  r.comment = {"a"};
  r.inUse = r.hasComment = true;
  r.setDataLength(100);
  ResetModelMemory(r);
  EXPECT_EQ(r.image[5] & r.header[0] & r.lengthBytes[0], 0xFF);
  EXPECT_TRUE(r.dataLength == 0 && r.fileName.empty() && r.comment.empty());
  EXPECT_FALSE(r.inUse || r.hasComment);
  EXPECT_EQ(r.next, &other);
}

class FileFormat : public ::testing::Test {
 protected:
  std::optional<ModellSpeicherTyp> Load(const std::vector<std::uint8_t>& bytes) {
    WriteBytes(path_, bytes);
    ModellSpeicherTyp r;
    if (!LoadModelMemory(r, path_)) {
      EXPECT_FALSE(r.inUse);
      EXPECT_LE(r.dataLength, kImageSize);
      return std::nullopt;
    }
    return r;
  }
  TempDir dir_;
  std::string path_ = dir_.file("T.FC");
};

TEST_F(FileFormat, LoadsExactFileAndLeavesTheRest) {
  const auto r = Load(FcBytes(300));
  ASSERT_TRUE(r.has_value());
  EXPECT_EQ(r->dataLength, 300);
  EXPECT_EQ(r->lengthBytes, (std::array<std::uint8_t, 2>{1, 44}));
  EXPECT_EQ(r->image[299], static_cast<std::uint8_t>(299 * 7 + 3));
  EXPECT_EQ(r->image[300], 0xFF);
  EXPECT_EQ(r->image[2047], 0xFF);
  EXPECT_TRUE(r->inUse && r->imageSaved && r->commentSaved && !r->hasComment);
}

TEST_F(FileFormat, RejectsBrokenFiles) {
  EXPECT_FALSE(Load(FcBytes(100, "FC2831")).has_value());
  EXPECT_FALSE(Load(FcBytes(100, "fc2830")).has_value());
  auto shortFile = FcBytes(1000);
  shortFile.resize(8 + 900);
  EXPECT_FALSE(Load(shortFile).has_value());
  EXPECT_FALSE(Load(FcBytes(2049)).has_value());
  EXPECT_FALSE(Load(FcBytes(0xFFFF, "FC2830", {1, 2, 3})).has_value());
  EXPECT_FALSE(Load({'F', 'C', '2', '8', '3', '0', 0}).has_value());
  EXPECT_FALSE(Load({}).has_value());
  ModellSpeicherTyp r;
  EXPECT_FALSE(LoadModelMemory(r, dir_.file("missing.fc")));
  EXPECT_FALSE(LoadModelMemory(r, dir_.dir()));
}

TEST_F(FileFormat, ReadWriteReadGivesSameBytes) {
  for (const int length : {0, 1870, 2048}) {
    SCOPED_TRACE(length);
    const auto exact = FcBytes(length);
    auto withTail = exact;
    withTail.insert(withTail.end(), {9, 9, 9, 9});  // trailing bytes: ignored, not written back
    auto r = Load(withTail);
    ASSERT_TRUE(r.has_value());
    EXPECT_EQ(r->dataLength, length);
    r->dateText = "05.12.26    9:05";
    r->imageSaved = false;
    const std::string out = dir_.file("OUT.FC");
    ASSERT_TRUE(WriteModelMemory(*r, out).ok());
    EXPECT_EQ(ReadBytes(out), exact);
    // The file time carries the date text, and a load reads it back.
    ModellSpeicherTyp again;
    ASSERT_TRUE(LoadModelMemory(again, out));
    EXPECT_EQ(again.dateText, "05.12.26    9:05");
    EXPECT_EQ(again.image, r->image);
    again.imageSaved = false;
    ASSERT_TRUE(WriteModelMemory(again, out).ok());
    EXPECT_EQ(ReadBytes(out), exact);
  }
}

TEST_F(FileFormat, CommentFileIsWindows1252WithCrLf) {
  EXPECT_EQ(CommentFilePath(dir_.file("ASW28_2.FC")), dir_.file("ASW28_2.TXT"));
  EXPECT_EQ(CommentFilePath(dir_.file("a.b.FC")), dir_.file("a.b.TXT"));  // one per memory file

  auto r = Load(FcBytes(20));
  ASSERT_TRUE(r.has_value());
  r->comment = {"Größe: 3 m", "", "Flügel \tÜberholt €"};
  r->hasComment = true;
  r->commentSaved = false;
  ASSERT_TRUE(WriteModelMemory(*r, path_).ok());
  const std::string expected =
      "Gr\xF6\xDF"
      "e: 3 m\r\n\r\nFl\xFCgel \t\xDC"
      "berholt \x80\r\n";
  const auto bytes = ReadBytes(dir_.file("T.TXT"));
  EXPECT_EQ(std::string(bytes.begin(), bytes.end()), expected);

  ModellSpeicherTyp again;
  ASSERT_TRUE(LoadModelMemory(again, path_));
  EXPECT_TRUE(again.hasComment);
  EXPECT_EQ(again.comment, r->comment);

  // Emptied and written: the comment file goes.
  again.hasComment = false;
  again.comment.clear();
  again.commentSaved = false;
  ASSERT_TRUE(WriteModelMemory(again, path_).ok());
  EXPECT_FALSE(std::filesystem::exists(dir_.file("T.TXT")));
  // Removing a missing comment file is no error.
  EXPECT_TRUE(WriteModelMemory(again, path_).ok());

  // An empty comment file is no comment.
  WriteBytes(dir_.file("T.TXT"), {});
  ModellSpeicherTyp empty;
  ASSERT_TRUE(LoadModelMemory(empty, path_));
  EXPECT_TRUE(!empty.hasComment && empty.comment.empty());
}

TEST_F(FileFormat, FailedWriteIsReportedAndKeepsTheOldFile) {
  auto r = Load(FcBytes(50));
  ASSERT_TRUE(r.has_value());
  r->imageSaved = false;
  r->commentSaved = false;
  r->hasComment = true;
  r->comment = {"x"};
  WriteBytes(dir_.file("plain"), {1});
  const WriteOutcome bad = WriteModelMemory(*r, dir_.file("plain") + "/X.FC");
  EXPECT_FALSE(bad.image || bad.comment);

  // The image cannot replace a directory standing where the file should be; the comment
  // beside it is still written.
  std::filesystem::create_directories(dir_.file("D.FC") + "/keep");
  const WriteOutcome half = WriteModelMemory(*r, dir_.file("D.FC"));
  EXPECT_FALSE(half.image);
  EXPECT_TRUE(half.comment);
  EXPECT_TRUE(std::filesystem::is_directory(dir_.file("D.FC") + "/keep"));
  EXPECT_EQ(ReadBytes(path_), FcBytes(50));
}

}  // namespace
}  // namespace core
