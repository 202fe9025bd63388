#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/store/record.h"

// Value lists and numeric formulas: a parameter's decoded value to display text and back.

namespace core {

inline constexpr std::int32_t kFallbackValue = 61690;  // item shown for any value without its own

struct ListItem {
  std::int32_t value;
  std::string text;   // as stored, may hold "$CHNAME(n)" / "$CHNR(n)"
  std::string upper;  // text with a..z made capital
  bool hasPlaceholder;
};

/// One value list: its id is the formula number that uses it.
struct ListeTyp {
  int id;
  std::vector<ListItem> items;
};

/// Builds every list once (idempotent); FindValueList builds them on first use as well.
void BuildValueLists();

/// Every list in build order.
const std::vector<ListeTyp>& AllValueLists();

/// The list with this formula id, or nullptr.
const ListeTyp* FindValueList(int id);

/// Text with its first "$CHNAME(n)" and then its first "$CHNR(n)" replaced.
std::string ExpandListText(std::string_view text, int condition, const ModellSpeicherTyp* mem);

/// Display text (without unit) of value under formula id.
std::string FormulaToText(int id, std::int32_t value, int condition, const ModellSpeicherTyp* mem);

/// Value of a text (trimmed, without unit) under formula id; 0 where nothing is readable.
std::int32_t TextToFormula(int id, std::string_view text, int condition,
                           const ModellSpeicherTyp* mem);

/// As TextToFormula, but none when a list with a fallback item has no item of that text.
std::optional<std::int32_t> TextToFormulaChecked(int id, std::string_view text, int condition,
                                                 const ModellSpeicherTyp* mem);

/// True when value lies within the offered range of minimum..maximum (fallback item excluded).
bool IsOfferedValue(std::int32_t value, std::int32_t minimum, std::int32_t maximum);

/// Appends the offered items' expanded, upper-cased texts.
void FillValueList(int id, std::vector<std::string>& out, int condition,
                   const ModellSpeicherTyp* mem, std::int32_t minimum, std::int32_t maximum);

/// Largest character count of the offered items' expanded texts; 0 without list or items.
int ValueListWidth(int id, int condition, const ModellSpeicherTyp* mem, std::int32_t minimum,
                   std::int32_t maximum);

/// The 101 lines of the formula check (formula 0 for 0..100 %), CR LF ended.
std::string FormulaCheckText(const ModellSpeicherTyp* mem);

/// Writes FormulaCheckText to path (replacing the file); false on failure.
bool WriteFormulaCheck(const ModellSpeicherTyp* mem, const std::string& path);

}  // namespace core
