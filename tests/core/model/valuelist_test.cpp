#include "model/valuelist.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>

#include "model_fixture.h"

namespace core {
namespace {

using test::MakeMemory;

TEST(ValueLists, AreBuiltInTheirOrderWithTheirItems) {
  std::vector<int> ids;
  for (const auto& l : AllValueLists()) ids.push_back(l.id);
  const std::vector<int> expected = {3,  7,  8,  9,  10, 11, 35, 21, 12, 5,  13, 14, 2,
                                     15, 43, 17, 18, 19, 23, 24, 34, 25, 26, 27, 28, 29,
                                     30, 44, 45, 47, 32, 36, 37, 42, 41, 46, 48, 49};
  EXPECT_EQ(ids, expected);
  EXPECT_EQ(FindValueList(12)->items.size(), 40u);
  EXPECT_EQ(FindValueList(2)->items.size(), 43u);  // 40 switches, ON, INH, fallback
  EXPECT_EQ(FindValueList(15)->items.size(), 34u);
  EXPECT_EQ(FindValueList(43)->items.size(), 26u);
  EXPECT_EQ(FindValueList(0), nullptr);
  EXPECT_EQ(FindValueList(16), nullptr);
  EXPECT_EQ(FindValueList(-1), nullptr);
  EXPECT_EQ(FindValueList(1000), nullptr);
}

TEST(FormulaToText, ListsShowTheirItemsUpperCased) {
  const auto m = MakeMemory(1);
  EXPECT_EQ(FormulaToText(13, 1, 0, &m), "PPM");
  EXPECT_EQ(FormulaToText(2, 9, 0, &m), "SWITCH +B");
  EXPECT_EQ(FormulaToText(2, 51, 0, &m), "SWITCH -L");
  EXPECT_EQ(FormulaToText(2, 25, 0, &m), "INH");  // no item: fallback
  EXPECT_EQ(FormulaToText(12, 147, 0, &m), "SWITCH -D");
  EXPECT_EQ(FormulaToText(14, 99, 0, &m), "UNBEKANNTER INHALT");
  EXPECT_EQ(FormulaToText(99, 5, 0, &m), "unbekannte Formel 99");
  EXPECT_EQ(FormulaToText(37, 5, 0, &m), "CH6");
  EXPECT_EQ(FormulaToText(37, 6, 0, &m), "CH5");
  EXPECT_EQ(FormulaToText(35, 1, 0, &m), "VTR");
  EXPECT_EQ(FormulaToText(11, 257, 0, &m), "UNBEKANNTER INHALT");
  EXPECT_EQ(FormulaToText(36, 0, 0, &m), "THR");
  EXPECT_EQ(FormulaToText(36, 1, 0, &m), "CH9");
  EXPECT_EQ(FormulaToText(36, 191, 0, &m), "INH");
  EXPECT_EQ(FormulaToText(36, 5, 0, &m), "UNBEKANNTER INHALT");
  EXPECT_EQ(FormulaToText(46, 1647400, 0, &m), "ENGLISCH");
  EXPECT_EQ(FormulaToText(46, 1649441, 0, &m), "DEUTSCH");
  EXPECT_EQ(FormulaToText(46, 2302233, 0, &m), "FRANZÖSISCH");
  EXPECT_EQ(FormulaToText(46, 12345, 0, &m), "ENGLISCH");
  EXPECT_EQ(FormulaToText(24, 0, 0, &m), "AIL-1");
  EXPECT_EQ(FormulaToText(24, 9, 0, &m), "OFFSET");
  EXPECT_EQ(FormulaToText(34, 9, 0, &m), "INH");
  EXPECT_EQ(FormulaToText(36, 0, 0, nullptr), "");  // no memory: no channel name
}

TEST(FormulaToText, NumericFormulas) {
  EXPECT_EQ(FormulaToText(0, -37, 0, nullptr), "-37");
  EXPECT_EQ(FormulaToText(1, -37, 0, nullptr), "37");
  EXPECT_EQ(FormulaToText(4, 120, 0, nullptr), "30");
  EXPECT_EQ(FormulaToText(20, 100, 0, nullptr), "83");
  EXPECT_EQ(FormulaToText(22, 0, 0, nullptr), "50");
  EXPECT_EQ(FormulaToText(22, 88, 0, nullptr), "0");
  EXPECT_EQ(FormulaToText(22, -88, 0, nullptr), "100");
  EXPECT_EQ(FormulaToText(31, 512, 0, nullptr), "108");
  EXPECT_EQ(FormulaToText(33, 0, 0, nullptr), "50");
  EXPECT_EQ(FormulaToText(33, 5, 0, nullptr), "49.5");
  EXPECT_EQ(FormulaToText(33, 88, 0, nullptr), "41.2");
  EXPECT_EQ(FormulaToText(40, 600, 0, nullptr), "10:00");
}

TEST(TextToFormula, ListsMatchUpperCaseTextsOnly) {
  const auto m = MakeMemory(1);
  EXPECT_EQ(TextToFormula(2, "SWITCH +B", 0, &m), 9);
  EXPECT_EQ(TextToFormulaChecked(2, "Switch +B", 0, &m), std::nullopt);  // list with fallback
  EXPECT_EQ(TextToFormula(2, "Switch +B", 0, &m), 0);
  EXPECT_EQ(TextToFormula(2, "INH", 0, &m), 128);
  EXPECT_EQ(TextToFormula(13, "ppm", 0, &m), 0);  // no fallback: 0
  EXPECT_EQ(TextToFormula(13, "PPM", 0, &m), 1);
  EXPECT_EQ(TextToFormula(35, "VTR", 0, &m), 3);
  EXPECT_EQ(TextToFormula(24, "ELE-2", 0, &m), 1);
  EXPECT_EQ(TextToFormula(46, "FRANZÖSISCH", 0, &m), 2302233);
}

TEST(TextToFormula, NumericFormulasRoundHalfAway) {
  EXPECT_EQ(TextToFormula(0, "12abc", 0, nullptr), 12);
  EXPECT_EQ(TextToFormula(1, "12", 0, nullptr), -12);
  EXPECT_EQ(TextToFormula(22, "50", 0, nullptr), 0);
  EXPECT_EQ(TextToFormula(22, "0", 0, nullptr), 88);
  EXPECT_EQ(TextToFormula(22, "100", 0, nullptr), -88);
  EXPECT_EQ(TextToFormula(33, "49.5", 0, nullptr), 5);
  EXPECT_EQ(TextToFormula(33, "50,0", 0, nullptr), 0);
  EXPECT_EQ(TextToFormula(4, "30", 0, nullptr), 120);
  EXPECT_EQ(TextToFormula(20, "82.5", 0, nullptr), 100);
  EXPECT_EQ(TextToFormula(31, "108", 0, nullptr), 512);
  EXPECT_EQ(TextToFormula(40, "-0:30", 0, nullptr), -30);
  EXPECT_EQ(TextToFormula(16, "ABC", 0, nullptr), 0);
  EXPECT_EQ(TextToFormula(99, "12", 0, nullptr), 0);
  EXPECT_EQ(TextToFormula(0, "99999999999999999999", 0, nullptr), 999999999);
}

TEST(ValueListOffer, RespectsLimitsAndSkipsTheFallback) {
  const auto m = MakeMemory(1);
  std::vector<std::string> items;
  FillValueList(37, items, 0, &m, 5, 7);
  EXPECT_EQ(items, (std::vector<std::string>{"CH6", "CH5", "CH7"}));
  items.clear();
  FillValueList(35, items, 0, &m, 0, 3);
  EXPECT_EQ(items, (std::vector<std::string>{"EXP1", "EXP2", "VTR"}));
  items.clear();
  FillValueList(2, items, 0, &m, 0, 51);
  EXPECT_EQ(items.size(), 40u);
  items.clear();
  FillValueList(0, items, 0, &m, 0, 100);
  EXPECT_TRUE(items.empty());
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

TEST(FormulaCheck, ListsOneToHundredPercent) {
  const std::string text = FormulaCheckText(nullptr);
  EXPECT_EQ(text.substr(0, 22), "   0%,    0,    0%, ok");
  EXPECT_NE(text.find("\r\n  57%,   57,   57%, ok\r\n"), std::string::npos);
  EXPECT_EQ(text.substr(text.size() - 24), " 100%,  100,  100%, ok\r\n");
  std::size_t lines = 0;
  for (std::size_t at = text.find("\r\n"); at != std::string::npos; at = text.find("\r\n", at + 2)) ++lines;
  EXPECT_EQ(lines, 101u);

  const auto path = std::filesystem::temp_directory_path() / "veltrano_formel_test.txt";
  ASSERT_TRUE(WriteFormulaCheck(nullptr, path.string()));
  std::ifstream in(path, std::ios::binary);
  EXPECT_EQ(std::string(std::istreambuf_iterator<char>(in), {}), text);
  std::filesystem::remove(path);
  EXPECT_FALSE(WriteFormulaCheck(nullptr, "/nonexistent-dir/x/Formel.txt"));
}

}  // namespace
}  // namespace core
