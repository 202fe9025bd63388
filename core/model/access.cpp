#include "core/model/access.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <vector>

#include "core/model/defaults.h"
#include "core/model/names.h"
#include "core/model/partab_layout.h"
#include "core/model/rules.h"
#include "core/model/storage.h"
#include "core/model/valuelist.h"
#include "core/store/model_memory.h"
#include "core/util/text.h"

namespace core {

namespace {

bool ValidRow(int k) { return k >= 1 && k <= kParamCount; }

// Rows of each key in table order, so a keyed read (the curves make hundreds per redraw) does not
// walk the whole table.
constexpr int kKeyLimit = 256;

const std::vector<int>& RowsWithKey(int key) {
  static const auto index = [] {
    std::array<std::vector<int>, kKeyLimit> rows;
    for (int k = 1; k <= kParamCount; ++k) {
      const int key = ParamDef(k).key;
      if (key >= 0 && key < kKeyLimit) rows[static_cast<std::size_t>(key)].push_back(k);
    }
    return rows;
  }();
  static const std::vector<int> none;
  return key >= 0 && key < kKeyLimit ? index[static_cast<std::size_t>(key)] : none;
}

bool IsNumericFormula(int formula) {
  switch (formula) {
    case 0: case 1: case 4: case 20: case 22: case 31: case 33: case 40: return true;
    default: return false;
  }
}

bool IsListFormula(int formula) { return !IsNumericFormula(formula) && formula != 16; }

// Name bytes read in the model-name code, trimmed.
std::string ModelNameText(const std::uint8_t* p) {
  std::string out;
  for (int i = 0; i < 12; ++i) AppendUtf8(out, CodeToChar(p[i], false));
  return TrimBlanks(out);
}

std::string FunctionNameText(const std::uint8_t* p, int count) {
  std::string out;
  for (int i = 0; i < count; ++i)
    if (auto c = DecodeFunctionChar(p[i])) AppendUtf8(out, *c);
  return out;
}

std::string RawByteText(int v) {
  char buffer[48];
  int n = std::snprintf(buffer, sizeof buffer, "%02X", v);
  if (v >= 10 && v <= 127)
    n += std::snprintf(buffer + n, sizeof buffer - static_cast<std::size_t>(n), "(%d)", v);
  else if (v >= 128)
    n += std::snprintf(buffer + n, sizeof buffer - static_cast<std::size_t>(n), "(us8:%d)(s8:%d)", v,
                       v - 256);
  std::string text(buffer, static_cast<std::size_t>(n));
  if (auto c = DecodeFunctionChar(static_cast<std::uint8_t>(v))) {
    text += '(';
    AppendUtf8(text, *c);
    text += ')';
  }
  return text;
}

// Writes the characters of text (trimmed, a..z made capital, padded with blanks) into count
// bytes. Bytes that already show as this text stay as they are (a code without a character
// reads as nothing, as a blank does).
bool WriteCharacters(std::uint8_t* p, int count, std::string_view text, bool functionCode) {
  const std::u32string chars = Utf8Decode(UpperAscii(TrimBlanks(text)) + std::string(20, ' '));
  std::uint8_t codes[12];
  bool differs = false;
  for (int i = 0; i < count; ++i) {
    const char32_t c = i < static_cast<int>(chars.size()) ? chars[static_cast<std::size_t>(i)] : U' ';
    codes[i] = functionCode ? EncodeFunctionChar(c) : CharToCode(c);
    differs |= p[i] != codes[i];
  }
  if (!differs) return false;
  const auto shown = [&](const std::uint8_t* bytes) {
    return functionCode ? FunctionNameText(bytes, count) : ModelNameText(bytes);
  };
  if (shown(p) == shown(codes)) return false;
  std::copy(codes, codes + count, p);
  return true;
}

}  // namespace


int ModelTypeMask(const ModellSpeicherTyp* mem) {
  if (!mem) return kTypesAll;
  return ModelTypeMaskFromBytes(mem->image[kModelTypeByte], mem->image[kSubTypeByte]);
}

bool ParameterInVersion(int k, int version) {
  return ValidRow(k) && (ParamDef(k).versions & VersionBit(version)) != 0;
}

bool IsConditionAddress(int address) { return IsConditionImageAddress(address); }

int ParameterByteCount(int k) { return ValidRow(k) ? StorageBytes(ParamDef(k).storage) : 0; }

int ParameterBitMask(int k) { return ValidRow(k) ? StorageMask(ParamDef(k).storage) : 0; }

int ParameterFirstBit(const MemApplMapTyp& def) { return StorageFirstBit(def.storage); }

bool IsBitParameter(int k) { return ValidRow(k) && IsBitStorage(ParamDef(k).storage); }

bool HasValueList(int k) { return !ValidRow(k) || IsListFormula(ParamDef(k).formula); }

bool HasNumericFormula(int k) { return ValidRow(k) && IsNumericFormula(ParamDef(k).formula); }

std::string FormatParameterValue(int k, int condition, bool fromDefault,
                                 const ModellSpeicherTyp* mem, bool plainNumber) {
  if (!mem || !ValidRow(k)) return {};
  const MemApplMapTyp& def = ParamDef(k);
  const int count = StorageBytes(def.storage);
  const std::uint8_t* image = fromDefault ? DefaultImageFor(ModelTypeMask(mem)).data() : mem->image.data();
  const int start = fromDefault ? def.address : ConditionAddress(def.address, condition);
  if (count == 0 || start < 0 || start + count > kImageSize) return {};
  const std::uint8_t* p = image + start;
  if (def.storage == 14 || def.storage == 15) return FunctionNameText(p, count);
  if (def.storage == 16) return ModelNameText(p);
  const std::int32_t value = DecodeStorage(def.storage, ReadRaw(p, count));
  if (plainNumber) return std::to_string(value);
  return TrimBlanks(FormulaToText(def.formula, value, condition, mem) + " " + def.unit);
}

std::string GetParameterText(int address, int bit, const ModellSpeicherTyp* mem, int version) {
  if (!mem) return {};
  const int a = address & ~kDefaultMarker;
  if (a < 0 || a >= kImageSize) return {};
  int k = 0;
  const int start = ParameterStartAddress(address, bit, mem, version, &k);
  if (k == 0) return RawByteText(mem->image[static_cast<std::size_t>(a)]);
  const int condition = (start - ParamDef(k).address) / kConditionBlockSize;
  return FormatParameterValue(k, condition, (address & kDefaultMarker) != 0, mem, false);
}

int SetParameterText(int address, int bit, ModellSpeicherTyp* mem, bool withDependents,
                     const std::string& text, int version) {
  // The default image is a constant: an address with the default marker is never written.
  if (!mem || (address & kDefaultMarker)) return kUnchanged;
  int k = 0;
  const int start = ParameterStartAddress(address, bit, mem, version, &k);
  if (k == 0) return kUnchanged;
  const MemApplMapTyp& def = ParamDef(k);
  const int count = StorageBytes(def.storage);
  if (count == 0 || start + count > kImageSize) return kUnchanged;
  const int previousTypeMask = ModelTypeMask(mem);
  std::uint8_t* p = mem->image.data() + start;

  bool changed = false;
  if (def.storage == 14 || def.storage == 15) {
    changed = WriteCharacters(p, count, text, true);
  } else if (def.storage == 16) {
    changed = WriteCharacters(p, count, text, false);
  } else if (IsNumericFormula(def.formula) || IsListFormula(def.formula)) {
    std::string value = TrimBlanks(text);
    const std::string_view unit = def.unit;
    if (!unit.empty()) {
      const std::size_t at = value.find(unit);
      if (at != std::string::npos) value = TrimBlanks(std::string_view(value).substr(0, at));
    }
    const int condition = (start - def.address) / kConditionBlockSize;
    // A value the row's bytes cannot hold would wrap into another one (-100 % becoming +95 %):
    // such a text writes nothing.
    const std::uint32_t oldRaw = ReadRaw(p, count);
    // A value that already shows as typed stays as it is: committing a cell's own text (or a
    // reset to what is shown) must not move the stored bytes to another value of that text,
    // nor turn a value no list item names ("UNBEKANNTER INHALT") into the first item.
    const auto shown = [&](std::uint32_t raw) {
      return FormulaToText(def.formula, DecodeStorage(def.storage, raw), condition, mem);
    };
    const std::string current = shown(oldRaw);
    const auto v =
        value == current ? std::nullopt : TextToFormulaChecked(def.formula, value, condition, mem);
    if (v && FitsStorage(def.storage, *v)) {
      const std::uint32_t newRaw = MergeRaw(def.storage, oldRaw, EncodeStorage(def.storage, *v));
      if (newRaw != oldRaw && shown(newRaw) != current) {
        WriteRaw(p, count, newRaw);
        changed = true;
      }
    }
  }
  if (!changed) return kUnchanged;

  bool more = false;
  if (withDependents)
    more = ApplyDependencyRules(k, start, text, previousTypeMask, mem, version);
  const bool structural = def.key == 79 || def.key == 80 || def.key == 81 ||
                          (def.key >= 83 && def.key <= 91);
  return more || structural ? kChangedMore : kChanged;
}

int ParameterMinimum(int address, int bit, const ModellSpeicherTyp* mem, int version) {
  const int k = FindParameter(address, bit, mem, version);
  return k ? ParamDef(k).minimum : 0;
}

int ParameterMaximum(int address, int bit, const ModellSpeicherTyp* mem, int version) {
  const int k = FindParameter(address, bit, mem, version);
  return k ? ParamDef(k).maximum : 0;
}

std::string ParameterUnit(int address, int bit, const ModellSpeicherTyp* mem, int version) {
  const int k = FindParameter(address, bit, mem, version);
  return k ? ParamDef(k).unit : "";
}

int ParameterFormula(int address, int bit, const ModellSpeicherTyp* mem, int version) {
  const int k = FindParameter(address, bit, mem, version);
  return k ? ParamDef(k).formula : 0;
}

std::string GetTextByKey(int key, int channel, int condition, const ModellSpeicherTyp* mem,
                         int version) {
  if (!mem) return {};
  if (condition < 0 || condition > 4) condition = 0;
  const std::string chname = "$CHNAME" + std::to_string(channel) + "$";
  const std::string chnr = "$CHNR" + std::to_string(channel) + "$";
  for (int k : RowsWithKey(key)) {
    const MemApplMapTyp& def = ParamDef(k);
    if (channel != -1) {
      const std::string_view name = def.name;
      if (name.find(chname) == std::string_view::npos && name.find(chnr) == std::string_view::npos)
        continue;
    }
    // Only per-condition rows move with the condition; a global row stays where it is.
    const int address = IsConditionAddress(def.address) ? ConditionAddress(def.address, condition) : def.address;
    std::string text = GetParameterText(address, ParameterFirstBit(def), mem, version);
    if (!text.empty()) return text;
  }
  return {};
}

bool ConditionInUse(int condition, const ModellSpeicherTyp* mem) {
  if (!mem || condition < 1 || condition > 4) return true;
  return mem->image[static_cast<std::size_t>(113 + condition)] < 53;
}

}  // namespace core
