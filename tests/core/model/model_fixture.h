#pragma once

#include <string>
#include <string_view>

#include "core/model/access.h"
#include "core/model/defaults.h"
#include "core/model/names.h"
#include "core/model/partab.h"

namespace core::test {

inline constexpr int kVersions[] = {30, 31, 32};
inline constexpr int kTypeMasks[] = {1, 2, 4, 8, 16, 32, 64, 128, 256, 512};

/// A memory as the new-memory dialog makes it.
inline ModellSpeicherTyp MakeMemory(int mask,
                                    NewMemoryLanguage language = NewMemoryLanguage::Englisch,
                                    int version = 32) {
  ModellSpeicherTyp m;
  FillDefaultMemory(m, mask, language, version);
  return m;
}

/// The first row at address with that name, 0 if none.
inline int RowNamed(int address, std::string_view name) {
  for (int k = 1; k <= kParamCount; ++k)
    if (ParamDef(k).address == address && name == ParamDef(k).name) return k;
  return 0;
}

/// The first row of a menu with that name, 0 if none.
inline int RowOfMenu(int menu, std::string_view name) {
  for (int k = 1; k <= kParamCount; ++k)
    if (ParamDef(k).menu == menu && name == ParamDef(k).name) return k;
  return 0;
}

inline int FirstBit(int k) {
  return ParameterFirstBit(ParamDef(k));
}

/// Address of row k in condition c; global rows stay where they are.
inline int AddressIn(int k, int c) {
  const int a = ParamDef(k).address;
  return IsConditionAddress(a) ? ConditionAddress(a, c) : a;
}

/// Text of row k in condition c of the memory.
inline std::string Text(const ModellSpeicherTyp& m, int k, int c = 0, int version = 32) {
  return GetParameterText(AddressIn(k, c), FirstBit(k), &m, version);
}

/// Writes text to row k in condition c.
inline int Set(ModellSpeicherTyp& m, int k, const std::string& text, bool dependents, int c = 0,
               int version = 32) {
  return SetParameterText(AddressIn(k, c), FirstBit(k), &m, dependents, text, version);
}

/// Names of functions 1..8, joined by blanks.
inline std::string FunctionNames(const ModellSpeicherTyp& m) {
  std::string out;
  for (int n = 1; n <= 8; ++n) out += (n > 1 ? " " : "") + ChannelName(n, &m);
  return out;
}

/// Texts of row k in conditions 0..4, joined by ", ".
inline std::string Texts(const ModellSpeicherTyp& m, int k, int version = 32) {
  std::string out;
  for (int c = 0; c <= 4; ++c) out += (c ? ", " : "") + Text(m, k, c, version);
  return out;
}

}  // namespace core::test
