#pragma once

#include "core/model/version.h"

// The image address model and the model type and version masks that the parameter definitions
// are written against. Pure functions of numbers; the access layer wraps them for a record.

namespace core {

inline constexpr int kConditionBlockBase = 120;  // first byte of flight condition block 0
inline constexpr int kConditionBlockSize = 350;  // bytes of one block
inline constexpr int kConditionBlockCount = 5;
inline constexpr int kConditionNameOffset = 343;  // the 7-byte name at 463 + 350 k
inline constexpr int kConditionNameLength = 7;
inline constexpr int kImageDataLength = 1870;  // 120 global bytes + five blocks
inline constexpr int kModelTypeByte = 118;     // MODELLTYP
inline constexpr int kSubTypeByte = 119;       // SERVOTYP (glider) or HELITYP (heli)

// Model type bits.
inline constexpr int kTypeStandard = 0x001;
inline constexpr int kTypeGlider2 = 0x002;
inline constexpr int kTypeGlider4 = 0x004;
inline constexpr int kTypeGlider5 = 0x008;
inline constexpr int kTypeAcro = 0x010;
inline constexpr int kTypeHeliH1 = 0x020;
inline constexpr int kTypeHeliH2 = 0x040;
inline constexpr int kTypeHeliH4 = 0x080;
inline constexpr int kTypeHeliHR3 = 0x100;
inline constexpr int kTypeHeliHN3 = 0x200;
inline constexpr int kTypesGlider = 0x00E;
inline constexpr int kTypesHeli = 0x3E0;
inline constexpr int kTypesAll = 0x3FF;        // 1023: every model type
inline constexpr int kMenuSystemBits = 0xC00;  // bits 10 and 11 of a menu mask

/// True for 120..469 except 463 (the name of condition 0): the rows repeated in all five blocks.
constexpr bool IsConditionImageAddress(int address) {
  return address >= kConditionBlockBase && address < kConditionBlockBase + kConditionBlockSize &&
         address != kConditionBlockBase + kConditionNameOffset;
}

/// The address of a condition address's value in flight condition k (0..4).
constexpr int ConditionAddress(int address, int k) {
  return address + kConditionBlockSize * k;
}

/// First byte of flight condition block k (0..4): 120 + 350 k.
constexpr int ConditionBlockBase(int k) {
  return kConditionBlockBase + kConditionBlockSize * k;
}

/// Block 0..4 that an image offset lies in by position alone; -1 for 0..119 and beyond 1869.
constexpr int BlockOfImageAddress(int address) {
  if (address < kConditionBlockBase || address >= kImageDataLength) return -1;
  return (address - kConditionBlockBase) / kConditionBlockSize;
}

/// Model type mask from image bytes 118 and 119 (each 0..255): one bit of 1..512, else 1023.
constexpr int ModelTypeMaskFromBytes(int byte118, int byte119) {
  switch (byte118) {
    case 0:
      return kTypeStandard;
    case 1:
      if (byte119 == 2) return kTypeGlider2;
      if (byte119 == 1) return kTypeGlider4;
      if (byte119 == 0) return kTypeGlider5;
      return kTypesAll;
    case 2:
      return kTypeAcro;
    case 3:
      if (byte119 >= 0 && byte119 <= 4) return kTypeHeliH1 << byte119;
      return kTypesAll;
    default:
      return kTypesAll;
  }
}

/// A menu's type mask as model types: with bit 10 or 11 (system menus) all 1023 types.
constexpr int WidenMenuTypeMask(int menuMask) {
  return (menuMask & kMenuSystemBits) != 0 ? kTypesAll : menuMask;
}

}  // namespace core
