#pragma once

#include <string>
#include <string_view>

#include "core/model/access.h"
#include "core/model/defaults.h"
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

inline int FirstBit(int k) { return ParameterFirstBit(ParamDef(k)); }

/// Text of row k in condition c of the memory.
inline std::string Text(const ModellSpeicherTyp& m, int k, int c = 0, int version = 32) {
  const int a = IsConditionAddress(ParamDef(k).address) ? ConditionAddress(ParamDef(k).address, c) : ParamDef(k).address;
  return GetParameterText(a, FirstBit(k), &m, version);
}

/// Writes text to row k in condition c.
inline int Set(ModellSpeicherTyp& m, int k, const std::string& text, bool dependents, int c = 0,
               int version = 32) {
  const int a = IsConditionAddress(ParamDef(k).address) ? ConditionAddress(ParamDef(k).address, c) : ParamDef(k).address;
  return SetParameterText(a, FirstBit(k), &m, dependents, text, version);
}

}  // namespace core::test
