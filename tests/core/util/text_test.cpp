#include "core/util/text.h"

#include <gtest/gtest.h>

#include "core/util/datetime.h"

namespace core {
namespace {

TEST(Text, TrimsBlanksAndCapitalsAsciiLettersOnly) {
  EXPECT_EQ(TrimBlanks("\n x \r"), "\n x \r");
  // Capitals of ASCII letters only; file names compare case-blind for those alone.
  EXPECT_EQ(UpperAscii("asw28 glück-ß"), "ASW28 GLüCK-ß");
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
  EXPECT_EQ(SplitLines("a\nb\rc"), (Lines{"a", "b", "c"}));
  EXPECT_EQ(SplitLines("\r\n"), (Lines{""}));
  EXPECT_EQ(SplitLines(""), Lines{});
}

// Sixteen characters, the hour's tens blank, the seconds dropped; ordered by the minute.
TEST(DateText, FormatsSixteenCharactersAndOrdersByMinute) {
  EXPECT_EQ(FormatDateText({2026, 12, 5, 9, 5, 41}), "05.12.26    9:05");
  EXPECT_EQ(FormatDateText({1999, 1, 31, 0, 0, 0}), "31.01.99    0:00");
  EXPECT_GT(DateTextOrder("01.02.03   10:00"), DateTextOrder("01.02.03    9:59"));
  EXPECT_GT(DateTextOrder("01.02.03    9:59"), DateTextOrder("01.02.03    9:58"));
  EXPECT_GT(DateTextOrder("01.01.79    0:00"), DateTextOrder("31.12.80   23:59"));
}

// Every row reads as given, and what it read, formatted, reads back the same.
TEST(DateText, ReadsBackWithCenturyAndClampsOutOfRangeFields) {
  const struct {
    const char* text;
    DateTime read;
  } cases[] = {
      {"05.12.26    9:05", {2026, 12, 5, 9, 5, 0}},
      {"05.12.85   13:05", {1985, 12, 5, 13, 5, 0}},
      {"05.12.79   13:05", {2079, 12, 5, 13, 5, 0}},
      {"05.12.80   13:05", {1980, 12, 5, 13, 5, 0}},
      {"05.12.00   13:05", {2000, 12, 5, 13, 5, 0}},
      {"05/12-26   13x05", {2026, 12, 5, 13, 5, 0}},  // any one non-digit separates
      {"00.00.26    9:05", {2026, 1, 1, 9, 5, 0}},
      {"45.13.26    9:05", {2026, 12, 31, 9, 5, 0}},
      {"01.01.26   24:05", {2026, 1, 1, 0, 5, 0}},
      {"01.01.26   25:05", {2026, 1, 1, 23, 5, 0}},
      {"01.01.26   12:60", {2026, 1, 1, 12, 59, 0}},
      {"01.01.26   12:99", {2026, 1, 1, 12, 59, 0}},
      // Nothing readable gives the earliest values, never a failure.
      {"", {2000, 1, 1, 0, 0, 0}},
      {"garbage text here", {2000, 1, 1, 0, 0, 0}},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(ParseDateText(c.text), c.read) << c.text;
    EXPECT_EQ(ParseDateText(FormatDateText(c.read)), c.read) << c.text;
  }
}

}  // namespace
}  // namespace core
