#pragma once

#include <cstdint>

// How a parameter's value is packed into image bytes: the storage types 0..34 of the parameter
// definitions. Type 25 is not used; 14, 15 and 16 are character codes that the name layer reads,
// so only their byte count matters here.
//
// Raw means the bytes as one big-endian number (1, 2 or 3 bytes), with all bits present, also
// those of other parameters sharing the byte; decoding picks the type's own bits out of it.

namespace core {

struct StorageTypeTyp {
  std::uint8_t bytes;     // 0 for the unused type 25
  std::uint8_t mask;      // bits of each byte that belong to the value
  std::uint8_t firstBit;  // lowest bit of mask
};

// clang-format off
inline constexpr StorageTypeTyp kStorageTypes[] = {
    {1, 255, 0},  // 0  unsigned byte
    {1, 255, 0},  // 1  signed byte
    {2, 255, 0},  // 2  signed 16-bit
    {3, 255, 0},  // 3  unsigned 24-bit
    {1, 255, 0},  // 4  negated signed byte
    {1, 255, 0},  // 5  sign and magnitude
    {1,   1, 0},  // 6  bit 0
    {1,   2, 1},  // 7  bit 1
    {1,   4, 2},  // 8  bit 2
    {1,   8, 3},  // 9  bit 3
    {1,  16, 4},  // 10 bit 4
    {1,  32, 5},  // 11 bit 5
    {1,  64, 6},  // 12 bit 6
    {1, 128, 7},  // 13 bit 7
    {3, 255, 0},  // 14 three function-name characters
    {7, 255, 0},  // 15 seven function-name characters
    {12, 255, 0}, // 16 twelve model-name characters
    {1, 254, 1},  // 17 bits 1..7
    {1,  56, 3},  // 18 bits 3..5
    {1,  48, 4},  // 19 bits 4..5
    {1,   7, 0},  // 20 bits 0..2
    {1, 224, 5},  // 21 bits 5..7
    {1, 255, 0},  // 22 offset byte
    {1, 112, 4},  // 23 bits 4..6
    {1,  63, 0},  // 24 bits 0..5
    {0,   0, 0},  // 25 not used
    {2,   1, 0},  // 26 bit 0 of both bytes
    {2,   2, 1},  // 27 bit 1 of both bytes
    {2,   4, 2},  // 28 bit 2 of both bytes
    {2,   8, 3},  // 29 bit 3 of both bytes
    {2,  16, 4},  // 30 bit 4 of both bytes
    {2,  32, 5},  // 31 bit 5 of both bytes
    {2,  64, 6},  // 32 bit 6 of both bytes
    {2, 128, 7},  // 33 bit 7 of both bytes
    {1, 127, 0},  // 34 bits 0..6
};
// clang-format on
static_assert(sizeof(kStorageTypes) / sizeof(kStorageTypes[0]) == 35);

/// True for the defined storage types 0..34 except 25.
constexpr bool IsStorageType(int type) {
  return type >= 0 && type <= 34 && type != 25;
}

/// Bytes of a storage type: 1, 2, 3, 7 or 12; 0 for 25 and types outside 0..34.
constexpr int StorageBytes(int type) {
  return IsStorageType(type) ? kStorageTypes[type].bytes : 0;
}

/// 8-bit mask of each byte of a storage type; 0 for 25 and types outside 0..34.
constexpr int StorageMask(int type) {
  return IsStorageType(type) ? kStorageTypes[type].mask : 0;
}

/// Lowest bit of the type's mask (0 for whole-byte types and unknown types).
constexpr int StorageFirstBit(int type) {
  return IsStorageType(type) ? kStorageTypes[type].firstBit : 0;
}

/// Storage types 6..13 (one bit) and 26..33 (one bit in each of two bytes).
constexpr bool IsBitStorage(int type) {
  return (type >= 6 && type <= 13) || (type >= 26 && type <= 33);
}

/// Types 14, 15, 16: character codes, not numbers.
constexpr bool IsCharacterStorage(int type) {
  return type >= 14 && type <= 16;
}

/// The type's mask over its whole raw number (the byte mask repeated in each of its 1..3 bytes);
/// 0 for character types, 25 and unknown types, which are not read as one number.
constexpr std::uint32_t StorageRawMask(int type) {
  const std::uint32_t m = static_cast<std::uint32_t>(StorageMask(type));
  switch (StorageBytes(type)) {
    case 1:
      return m;
    case 2:
      return m * 0x101u;
    case 3:
      return m * 0x10101u;
    default:
      return 0;
  }
}

/// Big-endian number of count (1..3) bytes at p.
constexpr std::uint32_t ReadRaw(const std::uint8_t* p, int count) {
  std::uint32_t raw = 0;
  for (int i = 0; i < count; ++i) raw = (raw << 8) | p[i];
  return raw;
}

/// Stores the low count (1..3) bytes of raw big-endian at p.
constexpr void WriteRaw(std::uint8_t* p, int count, std::uint32_t raw) {
  for (int i = count - 1; i >= 0; --i) {
    p[i] = static_cast<std::uint8_t>(raw & 0xFF);
    raw >>= 8;
  }
}

// One case a line, as the encodings are listed.
// clang-format off
/// Value of a raw number (all bits of the parameter's 1..3 bytes) for a numeric storage type;
/// 0 for character types, 25 and unknown types.
constexpr std::int32_t DecodeStorage(int type, std::uint32_t raw) {
  const auto r = static_cast<std::int32_t>(raw & 0xFFFFFF);
  const std::int32_t b = r & 0xFF;
  if (type >= 6 && type <= 13) return (b >> (type - 6)) & 1;
  if (type >= 26 && type <= 33) return ((r & 0xFFFF) >> (type - 26)) & 257;
  switch (type) {
    case 0: return b;
    case 1: return b >= 128 ? b - 256 : b;
    case 2: return (r & 0xFFFF) >= 32768 ? (r & 0xFFFF) - 65536 : (r & 0xFFFF);
    case 3: return r;
    case 4: return b >= 128 ? 256 - b : -b;
    case 5: return b >= 128 ? 128 - b : b;
    case 17: return b / 2;
    case 18: return (b & 63) >> 3;
    case 19: return (b & 48) >> 4;
    case 20: return b & 7;
    case 21: return (b & 224) >> 5;
    case 22: return b > 128 ? 129 - b : b - 1;
    case 23: return (b & 112) >> 4;
    case 24: return b & 63;
    case 34: return b & 127;
    default: return 0;
  }
}

/// Raw bits of a value for a numeric storage type, already limited to the type's own bits
/// (StorageRawMask); merge with MergeRaw. 0 for character types, 25 and unknown types.
constexpr std::uint32_t EncodeStorage(int type, std::int32_t value) {
  // Unsigned arithmetic: two's complement wrap-around is what the byte encodings want.
  const auto v = static_cast<std::uint32_t>(value);
  std::uint32_t raw = 0;
  if (type >= 6 && type <= 13) {
    raw = (v & 1u) << (type - 6);
  } else if (type >= 26 && type <= 33) {
    raw = (v & 257u) << (type - 26);
  } else {
    switch (type) {
      case 0: raw = v & 255u; break;
      case 1: raw = value < 0 ? v + 256u : v; break;
      case 2: raw = value < 0 ? v + 65536u : v; break;
      case 3: raw = v; break;
      case 4: raw = value > 0 ? 256u - v : 0u - v; break;
      case 5: raw = value < 0 ? 128u - v : v; break;
      case 17: raw = v * 2u; break;
      case 18: raw = (v * 8u) & 63u; break;
      case 19: raw = (v * 16u) & 48u; break;
      case 20: raw = v & 7u; break;
      case 21: raw = (v * 32u) & 224u; break;
      case 22: raw = value < -1 ? 129u - v : v + 1u; break;
      case 23: raw = (v * 16u) & 112u; break;
      case 24: raw = v & 63u; break;
      case 34: raw = v & 127u; break;
      default: return 0;
    }
  }
  return raw & StorageRawMask(type);
}

// clang-format on

/// True when the type's bytes hold value as it is: encoding it and decoding again gives it back.
constexpr bool FitsStorage(int type, std::int32_t value) {
  return DecodeStorage(type, EncodeStorage(type, value)) == value;
}

/// The raw number after writing: the type's bits from encoded, all other bits from old.
constexpr std::uint32_t MergeRaw(int type, std::uint32_t oldRaw, std::uint32_t encoded) {
  const std::uint32_t m = StorageRawMask(type);
  return (encoded & m) | (oldRaw & ~m & 0xFFFFFFu);
}

}  // namespace core
