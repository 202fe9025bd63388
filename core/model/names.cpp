#include "core/model/names.h"

#include <array>
#include <cstdio>
#include <string_view>

#include "core/editor/menutab.h"
#include "core/model/access.h"
#include "core/model/model_types.h"
#include "core/model/partab.h"
#include "core/model/partab_keys.h"
#include "core/util/text.h"

namespace core {

namespace {

constexpr int kFunctionNameBase = 76;  // function n's name at 76 + 4 (n - 1), 3 bytes
constexpr int kConditionNameBase = kConditionBlockBase + kConditionNameOffset;

int ClampChannel(int n) { return n < 1 || n > 9 ? 1 : n; }

// Functions 1..8 by model type family and language (ENGLISCH, DEUTSCH, FRANZÖSISCH).
struct NameSet {
  const char* names[3][8];
};
constexpr NameSet kStandardNames{{{"AIL", "ELE", "THR", "RUD", "AUX", "AUX", "AUX", "AUX"},
                                  {"QUE", "HOE", "MOT", "SEI", "ZUS", "ZUS", "ZUS", "ZUS"},
                                  {"AIL", "PRO", "GAZ", "DIR", "AUX", "AUX", "AUX", "AUX"}}};
constexpr NameSet kGlider2Names{{{"AIL", "ELE", "ABR", "RUD", "AUX", "AUX", "AI2", "AUX"},
                                 {"QUE", "HOE", "BRE", "SEI", "ZUS", "ZUS", "QU2", "ZUS"},
                                 {"AIL", "PRO", "ARF", "DIR", "AUX", "AUX", "AI2", "AUX"}}};
constexpr NameSet kGlider4Names{{{"AIL", "ELE", "ABR", "RUD", "SFL", "SF2", "AI2", "AUX"},
                                 {"QUE", "HOE", "BRE", "SEI", "SFL", "SF2", "QU2", "ZUS"},
                                 {"AIL", "PRO", "ARF", "DIR", "FPR", "FPR", "AI2", "AUX"}}};
constexpr NameSet kGlider5Names{{{"AIL", "ELE", "ABR", "RUD", "SFL", "SF2", "AI2", "BFL"},
                                 {"QUE", "HOE", "BRE", "SEI", "SFL", "SF2", "QU2", "BRK"},
                                 {"AIL", "PRO", "ARF", "DIR", "FPR", "FPR", "AI2", "FLF"}}};
constexpr NameSet kAcroNames{{{"AIL", "ELE", "THR", "RUD", "GER", "AUX", "AI2", "AUX"},
                              {"QUE", "HOE", "MOT", "SEI", "EIN", "ZUS", "QU2", "ZUS"},
                              {"AIL", "PRO", "GAZ", "DIR", "TRA", "AUX", "AI2", "AUX"}}};
constexpr NameSet kHeliNames{{{"AIL", "ELE", "THR", "RUD", "GYR", "PIT", "AU1", "AU2"},
                              {"QUE", "HOE", "MOT", "SEI", "KRE", "PIT", "ZU1", "ZU2"},
                              {"AIL", "PRO", "GAZ", "DIR", "GYR", "PAS", "AU1", "AU2"}}};

const NameSet& NamesForType(int mask) {
  switch (ModelTypeOfMask(mask).family) {
    case NameFamily::Glider2: return kGlider2Names;
    case NameFamily::Glider4: return kGlider4Names;
    case NameFamily::Glider5: return kGlider5Names;
    case NameFamily::Acro: return kAcroNames;
    case NameFamily::Heli: return kHeliNames;
    case NameFamily::Standard: break;
  }
  return kStandardNames;
}

// Replaces the first occurrence of token by value; false when it does not occur.
bool ReplaceToken(std::string& text, std::string_view token, std::string_view value) {
  const std::size_t at = text.find(token);
  if (at == std::string::npos) return false;
  text.replace(at, token.size(), value);
  return true;
}

constexpr std::string_view kChannelNameTokens[] = {"$CHNAME0$", "$CHNAME1$", "$CHNAME2$", "$CHNAME3$",
                                                   "$CHNAME4$", "$CHNAME5$", "$CHNAME6$", "$CHNAME7$",
                                                   "$CHNAME8$", "$CHNAME9$"};
constexpr std::string_view kChannelNumberTokens[] = {"$CHNR0$", "$CHNR1$", "$CHNR2$", "$CHNR3$", "$CHNR4$",
                                                     "$CHNR5$", "$CHNR6$", "$CHNR7$", "$CHNR8$", "$CHNR9$"};
constexpr std::string_view kFlightTokens[] = {"$FLIGHT0$", "$FLIGHT1$", "$FLIGHT2$", "$FLIGHT3$",
                                              "$FLIGHT4$"};

// Which placeholders occur in a text, one bit per number; one pass instead of a search per token.
struct TokenMask {
  unsigned channelName = 0, channelNumber = 0, flight = 0;
};

TokenMask ScanTokens(std::string_view s) {
  TokenMask m;
  auto digitThenDollar = [&](std::size_t at) {
    return at + 1 < s.size() && s[at] >= '0' && s[at] <= '9' && s[at + 1] == '$' ? s[at] - '0' : -1;
  };
  for (std::size_t at = s.find('$'); at != std::string_view::npos; at = s.find('$', at + 1)) {
    const std::string_view rest = s.substr(at + 1);
    int d;
    if (rest.substr(0, 6) == "CHNAME" && (d = digitThenDollar(at + 7)) >= 0) m.channelName |= 1u << d;
    else if (rest.substr(0, 4) == "CHNR" && (d = digitThenDollar(at + 5)) >= 0) m.channelNumber |= 1u << d;
    else if (rest.substr(0, 6) == "FLIGHT" && (d = digitThenDollar(at + 7)) >= 0) m.flight |= 1u << d;
  }
  return m;
}

// Menu names in capitals, by menu table position, made once.
const std::string& UpperMenuName(const MdlMenuTyp& menu) {
  static const auto names = [] {
    std::array<std::string, kMenuCount> upper;
    for (int i = 0; i < kMenuCount; ++i) upper[static_cast<std::size_t>(i)] = UpperAscii(kMenuTable[i].EnglishName);
    return upper;
  }();
  return names[static_cast<std::size_t>(&menu - kMenuTable)];
}

}  // namespace

std::uint8_t EncodeFunctionChar(char32_t c) {
  if (c == U'Ä' || c == U'ä') return 105;
  if (c == U'Ö' || c == U'ö') return 106;
  if (c == U'Ü' || c == U'ü') return 107;
  // The transmitter counts from the Windows-1252 byte ("Œ" is 0x8C), not from the code point;
  // a character the code page lacks is written as "?".
  const int byte = Cp1252ByteOf(c);
  return static_cast<std::uint8_t>(((byte < 0 ? '?' : byte) - 32) & 0xFF);
}

std::optional<char32_t> DecodeFunctionChar(std::uint8_t code) {
  if (code >= 1 && code <= 63) return static_cast<char32_t>(code + 32);
  if (code == 105) return U'Ä';
  if (code == 106) return U'Ö';
  if (code == 107) return U'Ü';
  return std::nullopt;
}

std::string DecodeFunctionText(const ModellSpeicherTyp& mem, int first, int count) {
  std::string out;
  for (int i = first; i < first + count && i < kImageSize; ++i)
    if (i >= 0)
      if (auto c = DecodeFunctionChar(mem.image[static_cast<std::size_t>(i)])) AppendUtf8(out, *c);
  return out;
}

std::string ChannelName(int n, const ModellSpeicherTyp* mem) {
  if (!mem) return {};
  n = ClampChannel(n);
  if (n == 9) return "CH9";
  std::string name = DecodeFunctionText(*mem, kFunctionNameBase + 4 * (n - 1), 3);
  return name == "SF1" ? "SFL" : name;
}

std::string ChannelNumberText(int n, int condition, const ModellSpeicherTyp* mem) {
  if (!mem) return {};
  if (condition == kDefaultCondition || condition < 0 || condition > 4) condition = 0;
  n = ClampChannel(n);
  if (n == 9) return "9";
  // Function n's source is byte n - 1 of the condition's block.
  int b = mem->image[static_cast<std::size_t>(ConditionAddress(kConditionBlockBase, condition) + n - 1)];
  if (b >= 128) b -= 128;
  const int shown = (b + 1) & 0xFF;
  return shown <= 8 ? std::to_string(shown) : "S" + std::to_string(shown - 8);
}

std::string ConditionName(int condition, const ModellSpeicherTyp* mem) {
  if (condition == kDefaultCondition) return "DEFAULT";
  if (!mem) return {};
  if (condition < 0 || condition > 4) condition = 0;
  const int first = ConditionAddress(kConditionNameBase, condition);
  if (mem->image[static_cast<std::size_t>(first)] != 0) return DecodeFunctionText(*mem, first, 7);
  if (condition == 0) return "NORMAL";
  static constexpr const char* kGlider[] = {"START", "SPEED", "DISTANC", "LANDING"};
  static constexpr const char* kHeli[] = {"IDL-UP1", "IDL-UP2", "IDL-UP3", "TH-HOLD"};
  switch (mem->image[118]) {
    case 1: return kGlider[condition - 1];
    case 3: return kHeli[condition - 1];
    default: return "FLIGHT" + std::to_string(condition);
  }
}

std::string ExpandedParameterName(int address, int bit, bool dropChannels,
                                  const ModellSpeicherTyp* mem, int version) {
  const int k = FindParameter(address, bit, mem, version);
  if (k == 0) {
    char buffer[16];
    std::snprintf(buffer, sizeof buffer, "$%03X", static_cast<unsigned>(address) & 0xFFFFu);
    return buffer;
  }
  const MemApplMapTyp& def = ParamDef(k);
  // The found row's own address decides; the address passed in carries the condition offset.
  int condition = 0;
  std::string name;
  if (IsConditionAddress(def.address)) {
    condition = ConditionOfAddress(address, mem, version);
    name = ConditionName(condition, mem);
  } else {
    name = "GLOBAL";
  }
  const MdlMenuTyp* menu = FindMenu(def.menu);
  name += '\\';
  if (menu) name += UpperMenuName(*menu);
  name += '\\';
  name += def.name;
  TokenMask present = ScanTokens(name);
  // Replacing changes the text, so its placeholders are looked at again after each change.
  for (int n = 0; n <= 9; ++n) {
    if (present.channelName & (1u << n)) {
      ReplaceToken(name, kChannelNameTokens[n], dropChannels ? std::string() : ChannelName(n, mem));
      present = ScanTokens(name);
    }
    if (present.channelNumber & (1u << n)) {
      ReplaceToken(name, kChannelNumberTokens[n],
                   dropChannels ? std::string() : ChannelNumberText(n, condition, mem));
      present = ScanTokens(name);
    }
  }
  for (int n = 0; n <= 4; ++n) {
    if (present.flight & (1u << n)) {
      ReplaceToken(name, kFlightTokens[n], ConditionName(n, mem));
      present = ScanTokens(name);
    }
  }
  return name;
}

int ChannelOfParameter(int address, int bit, const ModellSpeicherTyp* mem, int version) {
  const int k = FindParameter(address, bit, mem, version);
  if (k == 0) return -1;
  const std::string_view name = ParamDef(k).name;
  for (int n = 9; n >= 1; --n)
    if (name.find(kChannelNameTokens[n]) != std::string_view::npos ||
        name.find(kChannelNumberTokens[n]) != std::string_view::npos)
      return n;
  return -1;
}

bool ApplyFunctionNames(ModellSpeicherTyp* mem, int version) {
  if (!mem) return false;
  const std::string language = GetTextByKey(key::kLanguage, -1, 0, mem, version);
  const int column = language == "DEUTSCH" ? 1 : (language == "FRANZÖSISCH" ? 2 : 0);
  const NameSet& set = NamesForType(ModelTypeMask(mem));
  bool changed = false;
  for (int n = 1; n <= 8; ++n) {
    for (int k = 1; k <= kParamCount; ++k) {
      const MemApplMapTyp& def = ParamDef(k);
      if (def.key != key::kFunctionName1 + n - 1) continue;
      changed |= SetParameterText(def.address, ParameterFirstBit(def), mem, false,
                                  set.names[column][n - 1], version) != kUnchanged;
      break;
    }
  }
  return changed;
}

}  // namespace core
