#include "core/model/valuelist.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>

#include "tests/core/model/model_fixture.h"

namespace core {
namespace {

using test::MakeMemory;

TEST(FormulaToText, ListsShowTheirItemsUpperCased) {
  const auto m = MakeMemory(1);
  const struct {
    int formula, value;
    const char* text;
  } shown[] = {{13, 1, "PPM"},          {2, 9, "SWITCH +B"},    {2, 51, "SWITCH -L"},
               {2, 25, "INH"},          {12, 147, "SWITCH -D"}, {14, 99, "UNBEKANNTER INHALT"},
               {37, 6, "CH5"},          {35, 1, "VTR"},         {11, 257, "UNBEKANNTER INHALT"},
               {36, 0, "THR"},          {36, 1, "CH9"},         {36, 191, "INH"},
               {36, 5, "UNBEKANNTER INHALT"}, {46, 12345, "ENGLISCH"}, {24, 9, "OFFSET"},
               {34, 9, "INH"},          {99, 5, "unbekannte Formel 99"}};
  for (const auto& c : shown) EXPECT_EQ(FormulaToText(c.formula, c.value, 0, &m), c.text);
  EXPECT_EQ(FormulaToText(36, 0, 0, nullptr), "");  // no memory: no channel name
  for (int id : {0, 16, -1, 1000}) EXPECT_EQ(FindValueList(id), nullptr) << id;
}

TEST(Formulas, NumbersBothWays) {
  const struct {
    int formula, value;
    const char* text;
  } both[] = {{0, -37, "-37"}, {1, -37, "37"},   {4, 120, "30"},     {22, 0, "50"},
              {22, 88, "0"},   {22, -88, "100"}, {31, 512, "108"},   {33, 0, "50"},
              {33, 5, "49.5"}, {33, 88, "41.2"}, {40, 600, "10:00"}, {40, -30, "-00:30"}};
  for (const auto& c : both) {
    EXPECT_EQ(FormulaToText(c.formula, c.value, 0, nullptr), c.text) << c.formula;
    EXPECT_EQ(TextToFormula(c.formula, c.text, 0, nullptr), c.value) << c.formula;
  }
  EXPECT_EQ(FormulaToText(20, 100, 0, nullptr), "83");  // rounds half away
  EXPECT_EQ(TextToFormula(20, "82.5", 0, nullptr), 100);
  EXPECT_EQ(TextToFormula(33, "50,0", 0, nullptr), 0);
  EXPECT_EQ(TextToFormula(0, "12abc", 0, nullptr), 12);
  EXPECT_EQ(TextToFormula(16, "ABC", 0, nullptr), 0);
  EXPECT_EQ(TextToFormula(99, "12", 0, nullptr), 0);
  EXPECT_EQ(TextToFormula(0, "99999999999999999999", 0, nullptr), 999999999);
}

TEST(TextToFormula, ListsMatchUpperCaseTextsOnly) {
  const auto m = MakeMemory(1);
  EXPECT_EQ(TextToFormula(2, "SWITCH +B", 0, &m), 9);
  EXPECT_EQ(TextToFormulaChecked(2, "Switch +B", 0, &m), std::nullopt);  // list with fallback
  EXPECT_EQ(TextToFormula(2, "Switch +B", 0, &m), 0);
  EXPECT_EQ(TextToFormula(2, "INH", 0, &m), 128);
  EXPECT_EQ(TextToFormula(13, "ppm", 0, &m), 0);  // no fallback: 0
  EXPECT_EQ(TextToFormula(35, "VTR", 0, &m), 3);
  EXPECT_EQ(TextToFormula(24, "ELE-2", 0, &m), 1);
  EXPECT_EQ(TextToFormula(46, "FRANZÖSISCH", 0, &m), 2302233);
}

TEST(ValueListOffer, RespectsLimitsAndSkipsTheFallback) {
  const auto m = MakeMemory(1);
  auto fill = [&m](int formula, int lo, int hi) {
    std::vector<std::string> items;
    FillValueList(formula, items, 0, &m, lo, hi);
    return items;
  };
  EXPECT_EQ(fill(37, 5, 7), (std::vector<std::string>{"CH6", "CH5", "CH7"}));
  EXPECT_EQ(fill(35, 0, 3), (std::vector<std::string>{"EXP1", "EXP2", "VTR"}));
  EXPECT_EQ(fill(2, 0, 51).size(), 40u);
  EXPECT_TRUE(fill(0, 0, 100).empty());
  EXPECT_EQ(ValueListWidth(37, 0, &m, 5, 7), 3);
  EXPECT_EQ(ValueListWidth(24, 0, &m, 0, 7), 5);    // "AIL-1", expanded
  EXPECT_EQ(ValueListWidth(46, 0, &m, 0, 2302233), 11);  // characters, not bytes
  EXPECT_EQ(ValueListWidth(3, 0, &m, 0, 1), 7);     // "digital", not upper-cased
  EXPECT_EQ(ValueListWidth(0, 0, &m, 0, 100), 0);
  EXPECT_EQ(ValueListWidth(37, 0, &m, 20, 30), 0);
}

TEST(ExpandListText, ReplacesTheFirstPlaceholderOfEachKind) {
  auto m = MakeMemory(1);
  EXPECT_EQ(ExpandListText("$CHNAME(1)-$CHNR(1)", 0, &m), "AIL-1");
  EXPECT_EQ(ExpandListText("$CHNAME(2)/$CHNAME(3)", 0, &m), "ELE/$CHNAME(3)");
  EXPECT_EQ(ExpandListText("$CHNAME(12", 0, &m), "AIL");  // unclosed, 12 counts as 1
  m.image[120 + 350 * 2] = 130;                           // function 1 on switch input in condition 2
  EXPECT_EQ(ExpandListText("$CHNR(1)", 2, &m), "3");
  EXPECT_EQ(ExpandListText("x", 0, &m), "x");
}

TEST(FormulaCheck, ListsOneToHundredPercentAndWritesThem) {
  const std::string text = FormulaCheckText(nullptr);
  EXPECT_EQ(text.substr(0, 22), "   0%,    0,    0%, ok");
  EXPECT_NE(text.find("\r\n  57%,   57,   57%, ok\r\n"), std::string::npos);
  EXPECT_EQ(text.substr(text.size() - 24), " 100%,  100,  100%, ok\r\n");
  const auto path = std::filesystem::temp_directory_path() / "veltrano_formel_test.txt";
  ASSERT_TRUE(WriteFormulaCheck(nullptr, path.string()));
  std::ifstream in(path, std::ios::binary);
  EXPECT_EQ(std::string(std::istreambuf_iterator<char>(in), {}), text);
  std::filesystem::remove(path);
  EXPECT_FALSE(WriteFormulaCheck(nullptr, "/nonexistent-dir/x/Formel.txt"));
}

}  // namespace
}  // namespace core
