#include "core/store/model_memory.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "tests/core/store/store_fixture.h"

namespace core {
namespace {

using testing::FcBytes;
using testing::ReadBytes;
using testing::WriteBytes;

using Name = std::array<std::uint8_t, 12>;

// Name bytes set from a text (trimmed, capitals, one code per character, not per byte; unlisted
// characters such as blank and ß give 0), shown as name text (unlisted codes as blanks) and as
// file-name stem (letters and digits only). Every listed code comes back from its character.
TEST(NameCode, NameTextAndFileNameStem) {
  const struct {
    const char* text;  // set by SetNameFromText; null: the bytes as given
    Name bytes;
    const char* nameText;
    const char* stem;
  } rows[] = {
      {" glück/ß2 ", {7, 12, 73, 3, 11, 65, 0, 55}, "GLÜCK/ 2    ", "GLUECK2"},
      {"ASW 28", {1, 19, 23, 0, 55, 61}, "ASW 28      ", "ASW28"},
      {"ABCDEFGHIJKLMNO", {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12}, "ABCDEFGHIJKL", "ABCDEFGHIJKL"},
      {"ääääääääääääää",
       {71, 71, 71, 71, 71, 71, 71, 71, 71, 71, 71, 71},
       "ÄÄÄÄÄÄÄÄÄÄÄÄ",
       "AEAEAEAEAEAEAEAEAEAEAEAE"},
      {"\t\t", {}, "            ", "Modell"},
      {nullptr, {63, 64, 65, 0, 30, 200}, "-./         ", "Modell"},
      {nullptr, {72, 73, 65, 1}, "ÖÜ/A        ", "OEUEA"},
      {nullptr, {65, 62, 27, 255, 53}, "/9  0       ", "90"},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.nameText);
    ModellSpeicherTyp r;
    if (row.text != nullptr) {
      SetNameFromText(r, row.text);
    } else {
      std::copy(row.bytes.begin(), row.bytes.end(), r.image.begin());
    }
    EXPECT_TRUE(std::equal(row.bytes.begin(), row.bytes.end(), r.image.begin()));
    EXPECT_EQ(r.image[12], 0xFF);
    EXPECT_EQ(NameText(&r), row.nameText);
    EXPECT_EQ(FileNameStem(r), row.stem);
  }
  EXPECT_EQ(NameText(nullptr), "");
  for (int code = 0; code < 256; ++code) {
    const char32_t c = CodeToChar(static_cast<std::uint8_t>(code), false);
    if (c != U' ') {
      EXPECT_EQ(CharToCode(c), code) << code;
    }
  }
}

class FileFormat : public testing::StoreFixture {
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
  std::string path_ = dir_.file("T.FC");
};

TEST_F(FileFormat, RejectsBrokenFiles) {
  auto shortFile = FcBytes(1000);
  shortFile.resize(8 + 900);
  for (const auto& bytes :
       {FcBytes(100, "FC2831"), FcBytes(100, "fc2830"), shortFile, FcBytes(2049),
        std::vector<std::uint8_t>{'F', 'C', '2', '8', '3', '0', 0}})
    EXPECT_FALSE(Load(bytes).has_value()) << bytes.size();
  ModellSpeicherTyp r;
  EXPECT_FALSE(LoadModelMemory(r, dir_.file("missing.fc")));
  EXPECT_FALSE(LoadModelMemory(r, dir_.dir()));
}

// The data bytes land at the image's start, the rest stays 0xFF; trailing file bytes are ignored.
TEST_F(FileFormat, ReadWriteReadGivesSameBytes) {
  for (const int length : {0, 300, 1870, 2048}) {
    SCOPED_TRACE(length);
    const auto exact = FcBytes(length);
    auto withTail = exact;
    withTail.insert(withTail.end(), {9, 9, 9, 9});  // trailing bytes: ignored, not written back
    auto r = Load(withTail);
    ASSERT_TRUE(r.has_value());
    EXPECT_EQ(r->dataLength, length);
    EXPECT_TRUE(std::equal(exact.begin() + 8, exact.end(), r->image.begin()));
    EXPECT_EQ(std::count(r->image.begin() + length, r->image.end(), 0xFF), 2048 - length);
    r->dateText = "05.12.26    9:05";
    r->imageSaved = false;
    const std::string out = dir_.file("OUT.FC");
    ASSERT_TRUE(WriteModelMemory(*r, out).ok());
    EXPECT_EQ(ReadBytes(out), exact);
    // The file time carries the date text, and a load reads it back.
    ModellSpeicherTyp again;
    ASSERT_TRUE(LoadModelMemory(again, out));
    EXPECT_EQ(again.dateText, "05.12.26    9:05");
  }
}

TEST_F(FileFormat, CommentFileIsWindows1252WithCrLf) {
  EXPECT_EQ(CommentFilePath(dir_.file("a.b.FC")), dir_.file("a.b.TXT"));  // one per memory file
  auto r = Load(FcBytes(20));
  ASSERT_TRUE(r.has_value());
  r->comment = {"Größe: 3 m", "", "Flügel \tÜberholt €"};
  r->hasComment = true;
  r->commentSaved = false;
  ASSERT_TRUE(WriteModelMemory(*r, path_).ok());
  EXPECT_EQ(Text("T.TXT"),
            "Gr\xF6\xDF"
            "e: 3 m\r\n\r\nFl\xFCgel \t\xDC"
            "berholt \x80\r\n");

  ModellSpeicherTyp again;
  ASSERT_TRUE(LoadModelMemory(again, path_));
  EXPECT_TRUE(again.hasComment);
  EXPECT_EQ(again.comment, r->comment);

  // Emptied and written: the comment file goes.
  again.hasComment = false;
  again.commentSaved = false;
  ASSERT_TRUE(WriteModelMemory(again, path_).ok());
  EXPECT_EQ(Text("T.TXT"), "<none>");
  // Removing a missing comment file is no error.
  EXPECT_TRUE(WriteModelMemory(again, path_).ok());

  // An empty comment file is no comment.
  WriteBytes(dir_.file("T.TXT"), {});
  ModellSpeicherTyp empty;
  ASSERT_TRUE(LoadModelMemory(empty, path_));
  EXPECT_TRUE(!empty.hasComment && empty.comment.empty());
}

// The image cannot replace a directory standing where the file should be; the comment beside it
// is still written. (Both failing is the store's failed-write test.)
TEST_F(FileFormat, AFailedImageWriteStillWritesTheComment) {
  auto r = Load(FcBytes(50));
  ASSERT_TRUE(r.has_value());
  r->imageSaved = r->commentSaved = false;
  r->hasComment = true;
  r->comment = {"x"};
  std::filesystem::create_directories(dir_.file("D.FC") + "/keep");
  const WriteOutcome half = WriteModelMemory(*r, dir_.file("D.FC"));
  EXPECT_FALSE(half.image);
  EXPECT_TRUE(half.comment);
  EXPECT_EQ(Text("D.TXT"), "x\r\n");
  EXPECT_TRUE(std::filesystem::is_directory(dir_.file("D.FC") + "/keep"));
}

}  // namespace
}  // namespace core
