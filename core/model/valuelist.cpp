#include "core/model/valuelist.h"

#include <array>
#include <cmath>

#include "core/model/names.h"
#include "core/model/numtext.h"
#include "core/util/files.h"
#include "core/util/text.h"

namespace core {

namespace {

class ListBuilder {
 public:
  explicit ListBuilder(std::vector<ListeTyp>& lists, int id) : list_(lists.emplace_back()) {
    list_.id = id;
  }
  ListBuilder& Item(std::int32_t value, std::string text) {
    const bool placeholder = text.find("$CHN") != std::string::npos;
    std::string upper = UpperAscii(text);
    list_.items.push_back({value, std::move(text), std::move(upper), placeholder});
    return *this;
  }
  // count items from firstValue on, texts prefix + successive characters from firstChar.
  ListBuilder& Run(std::int32_t firstValue, const char* prefix, char firstChar, int count) {
    for (int i = 0; i < count; ++i)
      Item(firstValue + i, std::string(prefix) + static_cast<char>(firstChar + i));
    return *this;
  }
  ListBuilder& Fallback(std::string text) { return Item(kFallbackValue, std::move(text)); }

 private:
  ListeTyp& list_;
};

std::vector<ListeTyp> MakeLists() {
  std::vector<ListeTyp> l;
  l.reserve(40);
  auto list = [&l](int id) { return ListBuilder(l, id); };
  list(3).Item(0, "analog").Item(1, "digital");
  list(7).Item(0, "Standard").Item(1, "Glider").Item(2, "Acro").Item(3, "Heli");
  list(8).Item(0, "5 Servos").Item(1, "4 Servos").Item(2, "2 Servos");
  list(9).Item(0, "H-1").Item(1, "H-2").Item(2, "H-4").Item(3, "HR3").Item(4, "HN3");
  list(10).Item(0, "NORMAL").Item(1, "LIMIT");
  list(11).Item(0, "EXP1").Item(1, "EXP2").Item(256, "VTR");
  list(35).Item(0, "EXP1").Item(2, "EXP2").Item(3, "VTR").Fallback("VTR");
  list(21).Run(0, "Func +", '1', 8).Item(128, "INH").Fallback("INH");
  list(12)
      .Run(0, "Func +", '1', 8)
      .Run(8, "Switch +", '1', 8)
      .Run(16, "Switch +", 'A', 4)
      .Run(128, "Func -", '1', 8)
      .Run(136, "Switch -", '1', 8)
      .Run(144, "Switch -", 'A', 4);
  list(5).Run(0, "Func +", '1', 8).Run(128, "Func -", '1', 8);
  list(13).Item(0, "PCM").Item(1, "PPM");
  list(14).Item(0, "NORMAL").Item(1, "REVERSE");
  list(2)
      .Run(0, "Switch +", '1', 8)
      .Run(8, "Switch +", 'A', 12)
      .Run(32, "Switch -", '1', 8)
      .Run(40, "Switch -", 'A', 12)
      .Item(52, "ON")
      .Item(128, "INH")
      .Fallback("INH");
  list(15)
      .Run(0, "Switch +", '1', 8)
      .Run(8, "Switch +", 'A', 8)
      .Run(32, "Switch -", '1', 8)
      .Run(40, "Switch -", 'A', 8)
      .Item(128, "INH")
      .Fallback("INH");
  list(43)
      .Run(0, "Trim +", '1', 8)
      .Run(8, "Trim +", 'A', 4)
      .Run(16, "Trim -", '1', 8)
      .Run(24, "Trim -", 'A', 4)
      .Item(32, "INH")
      .Fallback("INH");
  list(17).Item(0, "GLOBAL").Item(1, "SEPARATE");
  list(18).Item(0, "NORMAL").Item(1, "CROSS");
  list(19).Item(0, "NORMAL").Item(1, "ATL");
  list(23).Item(0, "NORMAL").Item(1, "ALTERNATIVE");
  for (int id : {24, 34}) {
    auto b = list(id);
    for (int n = 1; n <= 8; ++n) {
      const std::string d = std::to_string(n);
      b.Item(n - 1, "$CHNAME(" + d + ")-$CHNR(" + d + ")");
    }
    b.Fallback(id == 24 ? "OFFSET" : "INH");
  }
  list(25).Item(0, "ACT").Item(1, "INH");
  list(26).Item(0, "LINEAR").Item(1, "CURVE");
  list(27).Item(0, "MIX").Item(1, "UNMIX");
  list(28).Item(0, "FUNCTION").Item(1, "OFFSET");
  list(29).Run(0, "Func +", '1', 8).Item(127, "INH");
  list(30).Item(0, "Y-ON").Item(1, "Y-OFF");
  list(44).Item(0, "X-ON").Item(1, "X-OFF");
  list(45).Item(0, "ON").Item(1, "OFF");
  list(47).Item(0, "CCW(LEFT)").Item(257, "CW(RIGHT)");
  list(32).Item(0, "HOLD").Item(1, "FAILSAFE");
  list(36).Item(0, "$CHNAME(3)").Item(1, "CH9").Item(191, "INH");
  list(37)
      .Item(0, "INH")
      .Item(1, "CH1")
      .Item(2, "CH2")
      .Item(3, "CH3")
      .Item(4, "CH4")
      .Item(5, "CH6")
      .Item(6, "CH5")
      .Item(7, "CH7")
      .Item(8, "CH8");
  list(42).Item(0, "CLR").Item(1, "INH");
  list(41).Item(0, "INH").Item(1, "UP").Item(2, "DOWN").Item(3, "RYTHMIC").Item(4, "LAP");
  list(46)
      .Item(1647400, "ENGLISCH")
      .Item(1649441, "DEUTSCH")
      .Item(2302233, "FRANZÖSISCH")
      .Fallback("ENGLISCH");
  list(48).Item(0, "CH7").Item(1, "INH");
  list(49).Item(0, "MANU").Item(1, "AUTO");
  return l;
}

struct Lists {
  std::vector<ListeTyp> all = MakeLists();
  std::array<const ListeTyp*, 64> byId{};
  Lists() {
    for (const auto& l : all) byId[static_cast<std::size_t>(l.id)] = &l;
  }
};

const Lists& TheLists() {
  static const Lists lists;
  return lists;
}

// Replaces the first "<tag>n)" by what value(n) gives.
template <typename Fn>
void ReplaceFirst(std::string& text, std::string_view tag, Fn value) {
  const std::size_t at = text.find(tag);
  if (at == std::string::npos) return;
  const std::size_t from = at + tag.size();
  const std::size_t close = text.find(')', from);
  const std::size_t end = close == std::string::npos ? text.size() : close;
  const int n = WholeNumberOfText(std::string_view(text).substr(from, end - from));
  const std::string after = close == std::string::npos ? std::string() : text.substr(close + 1);
  text = text.substr(0, at) + value(n) + after;
}

std::string ItemDisplay(const ListItem& item, int condition, const ModellSpeicherTyp* mem) {
  if (!item.hasPlaceholder) return item.upper;
  return UpperAscii(ExpandListText(item.text, condition, mem));
}

std::int64_t CurvePointDisplay(std::int64_t v) { return (503 - (v * 568 / 100)) / 10; }

// Formula 22's display truncates toward zero, so below 0 % its steps sit one value off the
// inverse; take the nearest value that shows the entered number again.
std::int32_t CurvePointValue(double d) {
  const std::int32_t v = RoundToInt((49.8 - d) * 1000 / 568);
  if (d != std::trunc(d) || std::fabs(d) > 1e6 || CurvePointDisplay(v) == static_cast<std::int64_t>(d)) return v;
  for (std::int32_t delta = 1; delta <= 3; ++delta)
    for (std::int32_t candidate : {v + delta, v - delta})
      if (CurvePointDisplay(candidate) == static_cast<std::int64_t>(d)) return candidate;
  return v;
}

std::string Pad4(const std::string& s) { return s.size() >= 4 ? s : std::string(4 - s.size(), ' ') + s; }

}  // namespace

void BuildValueLists() { (void)TheLists(); }

const std::vector<ListeTyp>& AllValueLists() { return TheLists().all; }

const ListeTyp* FindValueList(int id) {
  if (id < 0 || id >= 64) return nullptr;
  return TheLists().byId[static_cast<std::size_t>(id)];
}

std::string ExpandListText(std::string_view text, int condition, const ModellSpeicherTyp* mem) {
  std::string out(text);
  ReplaceFirst(out, "$CHNAME(", [&](int n) { return ChannelName(n, mem); });
  ReplaceFirst(out, "$CHNR(", [&](int n) { return ChannelNumberText(n, condition, mem); });
  return out;
}

std::string FormulaToText(int id, std::int32_t value, int condition, const ModellSpeicherTyp* mem) {
  if (const ListeTyp* list = FindValueList(id)) {
    const ListItem* fallback = nullptr;
    for (const auto& item : list->items) {
      if (item.value == value) return ItemDisplay(item, condition, mem);
      if (item.value == kFallbackValue && !fallback) fallback = &item;
    }
    if (fallback) return ItemDisplay(*fallback, condition, mem);
    return "UNBEKANNTER INHALT";
  }
  const double v = value;
  switch (id) {
    case 0: return FormatNumber(v, 0);
    case 1: return FormatNumber(-v, 0);
    case 4: return FormatNumber(v * 0.25, 0);
    case 20: return FormatNumber(v * 825 / 1000, 0);
    case 22: return std::to_string(CurvePointDisplay(value));
    case 31: return FormatNumber(v * 108 / 512, 0);
    case 33: return FormatNumber((500 - v) / 10, 1);
    case 40: return TimeText(value);
    default: return "unbekannte Formel " + std::to_string(id);
  }
}

std::optional<std::int32_t> TextToFormulaChecked(int id, std::string_view text, int condition,
                                                 const ModellSpeicherTyp* mem) {
  if (const ListeTyp* list = FindValueList(id)) {
    for (const auto& item : list->items) {
      // No item beyond the fallback is offered; an unknown text then names no value at all.
      if (item.value == kFallbackValue) return std::nullopt;
      if (ItemDisplay(item, condition, mem) == text) return item.value;
    }
    return 0;
  }
  switch (id) {
    case 0: return WholeNumberOfText(text);
    case 1: return RoundToInt(-static_cast<double>(WholeNumberOfText(text)));
    case 4: return RoundToInt(DecimalNumberOfText(text) * 4);
    case 20: return RoundToInt(DecimalNumberOfText(text) * 1000 / 825);
    case 22: return CurvePointValue(DecimalNumberOfText(text));
    case 31: return RoundToInt(DecimalNumberOfText(text) * 512 / 108);
    case 33: return RoundToInt((DecimalNumberOfText(text) - 50) * -10);
    case 40: return TimeOfText(text);
    default: return 0;
  }
}

std::int32_t TextToFormula(int id, std::string_view text, int condition,
                           const ModellSpeicherTyp* mem) {
  return TextToFormulaChecked(id, text, condition, mem).value_or(0);
}

bool IsOfferedValue(std::int32_t value, std::int32_t minimum, std::int32_t maximum) {
  if (value == kFallbackValue) return false;
  const double low = std::trunc(minimum + 0.001);
  const double high = std::trunc(maximum + 0.001);
  return value >= low && value <= high;
}

void FillValueList(int id, std::vector<std::string>& out, int condition,
                   const ModellSpeicherTyp* mem, std::int32_t minimum, std::int32_t maximum) {
  const ListeTyp* list = FindValueList(id);
  if (!list) return;
  for (const auto& item : list->items)
    if (IsOfferedValue(item.value, minimum, maximum)) out.push_back(ItemDisplay(item, condition, mem));
}

int ValueListWidth(int id, int condition, const ModellSpeicherTyp* mem, std::int32_t minimum,
                   std::int32_t maximum) {
  const ListeTyp* list = FindValueList(id);
  if (!list) return 0;
  std::size_t width = 0;
  for (const auto& item : list->items) {
    if (!IsOfferedValue(item.value, minimum, maximum)) continue;
    const std::string text = item.hasPlaceholder ? ExpandListText(item.text, condition, mem) : item.text;
    width = std::max(width, Utf8Length(text));
  }
  return static_cast<int>(width);
}

std::string FormulaCheckText(const ModellSpeicherTyp* mem) {
  std::string out;
  for (int i = 0; i <= 100; ++i) {
    const std::int32_t value = TextToFormula(0, std::to_string(i), 0, mem);
    const std::string back = FormulaToText(0, value, 0, mem);
    out += Pad4(std::to_string(i)) + "%, " + Pad4(std::to_string(value)) + ", " + Pad4(back) + "%";
    if (WholeNumberOfText(back) == i) out += ", ok";
    out += "\r\n";
  }
  return out;
}

bool WriteFormulaCheck(const ModellSpeicherTyp* mem, const std::string& path) {
  const std::string text = FormulaCheckText(mem);
  return ReplaceFileAtomically(path, text.data(), text.size());
}

}  // namespace core
