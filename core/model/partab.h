#pragma once

#include <cstdint>

namespace core {

/// One parameter definition: where a transmitter parameter lives in the image and how it reads.
struct MemApplMapTyp {
  std::uint16_t address;  // first byte; block 0 for per-condition parameters
  std::int32_t key;       // 0, or a number by which code finds this row
  const char* name;       // may hold placeholders such as "$CHNAME1$"
  const char* unit;       // "%", "min:s" or ""
  std::uint16_t menu;     // id of the menu that shows it
  std::uint16_t menu2;    // 0, or a further menu
  std::int32_t order;     // display order key, -1 for none
  std::uint16_t types;    // model type mask; 0 means those of its menu
  std::int32_t storage;   // storage type 0..34
  std::int32_t formula;   // value list or formula id; 16 for names
  std::int32_t versions;  // 1 V3.0, 2 V3.1, 4 V3.2
  std::int32_t minimum;
  std::int32_t maximum;
};

inline constexpr int kParamCount = 666;

/// Row k of the table, k in 1..666 (the caller checks the range).
const MemApplMapTyp& ParamDef(int k);

}  // namespace core
