#include "core/util/text.h"

#include <gtest/gtest.h>

namespace core {
namespace {

TEST(Text, TrimsBlanksAndCapitalsAsciiLettersOnly) {
  EXPECT_EQ(TrimBlanks(" \t ASW 28\t "), "ASW 28");
  EXPECT_EQ(TrimBlanks("\n x \r"), "\n x \r");
  EXPECT_EQ(TrimBlanks(" \t "), "");
  EXPECT_EQ(TrimBlanks(""), "");
  // Capitals of ASCII letters only; file names compare case-blind for those alone.
  EXPECT_EQ(UpperAscii("asw28 glück-ß"), "ASW28 GLüCK-ß");
  EXPECT_TRUE(EqualFileNames("/tmp/dir/asw28_1.fc", "/tmp/dir/ASW28_1.FC"));
  EXPECT_FALSE(EqualFileNames("ä.fc", "Ä.FC"));
  EXPECT_FALSE(EqualFileNames("a.fc", "a.fcx"));
}

TEST(Text, Cp1252RoundTripsEveryByte) {
  std::string all;
  for (int b = 0; b < 256; ++b) all.push_back(static_cast<char>(b));
  const std::string utf8 = Cp1252ToUtf8(all);
  EXPECT_EQ(Utf8Length(utf8), 256u);
  EXPECT_EQ(Utf8ToCp1252(utf8), all);
  // Characters the code page lacks, and broken UTF-8, become "?".
  EXPECT_EQ(Utf8ToCp1252("a\u4E2Db"), "a?b");
  EXPECT_EQ(Utf8ToCp1252("a\xC3"), "a?");
  EXPECT_EQ(Utf8ToCp1252("\xEF\xBF\xBD"), "?");
}

TEST(Text, CountsCharactersAndTellsWellFormedUtf8) {
  EXPECT_EQ(Utf8Length("glück/2"), 7u);
  EXPECT_EQ(Utf8Length("\xF0\x9F\x98\x80x"), 2u);
  // Invalid bytes count one each: lone continuation, truncated sequence, overlong, surrogate.
  EXPECT_EQ(Utf8Length("\x80\xC3"), 2u);
  EXPECT_EQ(Utf8Decode("\xC0\xAF"), std::u32string(U"\uFFFD\uFFFD"));
  EXPECT_EQ(Utf8Decode("\xED\xA0\x80"), std::u32string(U"\uFFFD\uFFFD\uFFFD"));
  EXPECT_EQ(Utf8Decode("aÄ€"), std::u32string(U"aÄ€"));
  std::string out;
  AppendUtf8(out, 0xD800);
  EXPECT_EQ(out, "\xEF\xBF\xBD");
  EXPECT_TRUE(IsValidUtf8("Höhe \xEF\xBF\xBD"));  // a real U+FFFD is fine
  EXPECT_FALSE(IsValidUtf8("H\xF6he"));           // Windows-1252 ö
  EXPECT_FALSE(IsValidUtf8("\xC3"));              // truncated
  EXPECT_FALSE(IsValidUtf8("\xC0\xAF"));          // overlong
  EXPECT_FALSE(IsValidUtf8("\xED\xA0\x80"));      // surrogate
}

TEST(Text, SplitsLinesLikeATextBox) {
  using Lines = std::vector<std::string>;
  EXPECT_EQ(SplitLines("a\r\nb\r\n"), (Lines{"a", "b"}));
  EXPECT_EQ(SplitLines("a\r\n\r\nb"), (Lines{"a", "", "b"}));
  EXPECT_EQ(SplitLines("a\nb\rc"), (Lines{"a", "b", "c"}));
  EXPECT_EQ(SplitLines("\r\n"), (Lines{""}));
  EXPECT_EQ(SplitLines(""), Lines{});
}

}  // namespace
}  // namespace core
