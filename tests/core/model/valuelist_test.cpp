#include "core/model/valuelist.h"

#include <gtest/gtest.h>

#include <limits>
#include <utility>

#include "core/model/numtext.h"
#include "tests/core/model/model_fixture.h"
#include "tests/core/util/temp_dir.h"

namespace core {
namespace {

constexpr std::int32_t kMin = std::numeric_limits<std::int32_t>::min();
constexpr std::int32_t kMax = std::numeric_limits<std::int32_t>::max();

struct FormulaText {
  int formula, value;
  const char* text;
};

// Which text a list item spells is the list table's; these are how items are found and shown.
TEST(Formulas, NumbersAndListItemsBothWaysOfferedAndExpanded) {
  auto m = test::MakeMemory(1);
  // Lists: runs of letters, "$CHNAME(n)" expanded.
  const FormulaText both[] = {
      {0, -37, "-37"},     {1, -37, "37"},       {4, 120, "30"},     {22, 0, "50"},
      {22, 88, "0"},       {22, -88, "100"},     {31, 512, "108"},   {33, 0, "50"},
      {33, 5, "49.5"},     {33, 88, "41.2"},     {40, 600, "10:00"}, {40, -30, "-00:30"},
      {2, 9, "SWITCH +B"}, {2, 51, "SWITCH -L"}, {2, 128, "INH"},    {24, 1, "ELE-2"}};
  // Numbers round half away; a value no item names shows the fallback item.
  const FormulaText shown[] = {{20, 100, "83"},         {36, 0, "THR"},
                               {2, 25, "INH"},          {35, 1, "VTR"},
                               {46, 12345, "ENGLISCH"}, {46, 2302233, "FRANZÖSISCH"}};
  // A time without ":" is minutes; lists match upper-case texts only, else 0.
  const FormulaText read[] = {{20, 100, "82.5"},   {33, 0, "50,0"}, {0, 12, "12abc"},
                              {40, 300, "5"},      {16, 0, "ABC"},  {99, 0, "12"},
                              {2, 0, "Switch +B"}, {13, 0, "ppm"},  {46, 2302233, "FRANZÖSISCH"}};
  for (const auto& c : both) {
    EXPECT_EQ(FormulaToText(c.formula, c.value, 0, &m), c.text) << c.formula;
    EXPECT_EQ(TextToFormula(c.formula, c.text, 0, &m), c.value) << c.formula;
  }
  for (const auto& c : shown) EXPECT_EQ(FormulaToText(c.formula, c.value, 0, &m), c.text);
  for (const auto& c : read) EXPECT_EQ(TextToFormula(c.formula, c.text, 0, &m), c.value) << c.text;
  EXPECT_EQ(FormulaToText(11, 257, 0, &m), "UNBEKANNTER INHALT");  // no item and no fallback
  EXPECT_EQ(FormulaToText(99, 5, 0, &m), "unbekannte Formel 99");
  EXPECT_EQ(TextToFormula(0, "99999999999999999999", 0, &m), 999999999);
  EXPECT_EQ(TextToFormulaChecked(2, "Switch +B", 0, &m), std::nullopt);  // list with fallback
  EXPECT_EQ(FormulaToText(36, 0, 0, nullptr), "");                       // no memory: no name
  for (int id : {0, 16, -1, 1000}) EXPECT_EQ(FindValueList(id), nullptr) << id;
  // Offered items respect the limits and skip the fallback item.
  auto fill = [&m](int formula, int lo, int hi) {
    std::vector<std::string> items;
    FillValueList(formula, items, 0, &m, lo, hi);
    return items;
  };
  EXPECT_EQ(fill(37, 5, 7), (std::vector<std::string>{"CH6", "CH5", "CH7"}));
  EXPECT_EQ(fill(35, 0, 3), (std::vector<std::string>{"EXP1", "EXP2", "VTR"}));
  EXPECT_TRUE(fill(0, 0, 100).empty());
  EXPECT_EQ(ValueListWidth(24, 0, &m, 0, 7), 5);         // "AIL-1", expanded
  EXPECT_EQ(ValueListWidth(46, 0, &m, 0, 2302233), 11);  // characters, not bytes
  EXPECT_EQ(ValueListWidth(3, 0, &m, 0, 1), 7);          // "digital", not upper-cased
  EXPECT_EQ(ValueListWidth(0, 0, &m, 0, 100), 0);
  EXPECT_EQ(ValueListWidth(37, 0, &m, 20, 30), 0);
  // Expanding replaces the first placeholder of each kind.
  EXPECT_EQ(ExpandListText("$CHNAME(1)-$CHNR(1)", 0, &m), "AIL-1");
  EXPECT_EQ(ExpandListText("$CHNAME(2)/$CHNAME(3)", 0, &m), "ELE/$CHNAME(3)");
  EXPECT_EQ(ExpandListText("$CHNAME(12", 0, &m), "AIL");  // unclosed, 12 counts as 1
  m.image[120 + 350 * 2] = 130;  // function 1 on switch input in condition 2
  EXPECT_EQ(ExpandListText("$CHNR(1)", 2, &m), "3");
}

TEST(FormulaCheck, ListsOneToHundredPercentAndWritesThem) {
  const std::string text = FormulaCheckText(nullptr);
  EXPECT_EQ(text.substr(0, 22), "   0%,    0,    0%, ok");
  EXPECT_NE(text.find("\r\n  57%,   57,   57%, ok\r\n"), std::string::npos);
  EXPECT_EQ(text.substr(text.size() - 24), " 100%,  100,  100%, ok\r\n");
  testing::TempDir dir;
  ASSERT_TRUE(WriteFormulaCheck(nullptr, dir.file("Formel.txt")));
  EXPECT_EQ(testing::ReadText(dir.file("Formel.txt")), text);
  EXPECT_FALSE(WriteFormulaCheck(nullptr, dir.file("missing/Formel.txt")));
}

TEST(NumText, RoundsHalfAwayReadsTheLeadingNumberAndShowsMinutesAndHours) {
  // -0.4 shows no "-0"; infinity and more than 12 characters show hashes.
  const std::pair<double, const char*> shown[] = {
      {-2.5, "-3"},
      {-0.4, "0"},
      {123456789012.0, "123456789012"},
      {1234567890123.0, "############"},
      {-123456789012.5, "############"},
      {std::numeric_limits<double>::infinity(), "############"}};
  for (const auto& [v, text] : shown) EXPECT_EQ(FormatNumber(v, 0), text) << v;
  EXPECT_EQ(RoundHalfAway(2.4999, 0), 2);
  EXPECT_DOUBLE_EQ(RoundHalfAway(0.15, 1), 0.2);  // 0.15 is stored just below the half
  EXPECT_DOUBLE_EQ(RoundHalfAway(-1.25, 1), -1.3);
  EXPECT_EQ(RoundToInt(-0.35), 0);
  EXPECT_EQ(RoundToInt(1e300), kMax);
  EXPECT_EQ(RoundToInt(-1e300), kMin);
  const std::pair<const char*, std::int32_t> whole[] = {
      {"12abc", 12}, {"12,5", 12},          {"abc", 0},          {"", 0}, {"-", 0}, {"-17", -17},
      {"+17", 17},   {"-2147483648", kMin}, {"2147483648", kMax}};
  for (const auto& [text, v] : whole) EXPECT_EQ(WholeNumberOfText(text), v) << text;
  const std::pair<const char*, double> decimal[] = {{"12,5", 12.5}, {"-3.25 x", -3.25}, {"  7", 7},
                                                    {".5", 0.5},    {"5.", 5},          {"abc", 0},
                                                    {"-", 0},       {"1e999", 0}};  // not finite
  for (const auto& [text, v] : decimal) EXPECT_DOUBLE_EQ(DecimalNumberOfText(text), v) << text;
  const std::pair<int, const char*> both[] = {
      {600, "10:00"}, {-90, "-01:30"}, {3599, "59:59"}, {3600, "01:00:00"}, {0, "00:00"}};
  for (const auto& [seconds, text] : both) {
    EXPECT_EQ(TimeText(seconds), text);
    EXPECT_EQ(TimeOfText(text), seconds);
  }
  EXPECT_EQ(TimeText(kMin), "-596523:14:08");
  // Without ":" a time is minutes: "5" is 5:00.
  const std::pair<const char*, std::int32_t> read[] = {
      {"-10:30", -630}, {"5:7", 307},    {"1:00:00", 3600}, {"-0:30", -30},
      {"5", 5 * 60},    {"45", 45 * 60}, {"-5", -300},      {"999999999:0:0", kMax}};
  for (const auto& [text, v] : read) EXPECT_EQ(TimeOfText(text), v) << text;
}

}  // namespace
}  // namespace core
