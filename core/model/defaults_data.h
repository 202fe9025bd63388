#pragma once

#include <array>
#include <cstdint>

#include "core/model/partab_layout.h"
#include "core/store/record.h"

// The four factory model memory images (Standard, Acro, Glider, Heli). Only offsets 0..469 are
// data of their own: the five condition blocks are equal, so 470..1869 repeat 120..469, and
// 1870..2047 hold 0xFF.

namespace core {

inline constexpr int kDefaultListedBytes = 470;  // offsets 0..469
inline constexpr int kDefaultListingLines = 15;  // 32 bytes a line, the last one 22

using DefaultImage = std::array<std::uint8_t, kImageSize>;
using DefaultListing = const char* const[kDefaultListingLines];

enum class DefaultKind { Standard, Acro, Glider, Heli };

/// Which image serves a model type mask: Acro 16, Glider 2/4/8, Heli 32..512, else Standard.
constexpr DefaultKind DefaultKindForTypeMask(int mask) {
  if (mask == kTypeAcro) return DefaultKind::Acro;
  if (mask != 0 && (mask & ~kTypesGlider) == 0) return DefaultKind::Glider;
  if (mask != 0 && (mask & ~kTypesHeli) == 0) return DefaultKind::Heli;
  return DefaultKind::Standard;
}

/// The 2048 bytes of a default image.
const DefaultImage& DefaultImageData(DefaultKind kind);

namespace detail {
constexpr int HexDigit(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}
}  // namespace detail

/// The full image from the listing of offsets 0..469; not a constant expression if a line is
/// malformed (wrong length or a character that is no upper-case hexadecimal digit).
consteval DefaultImage ExpandDefaultListing(const DefaultListing& lines) {
  DefaultImage image{};
  int at = 0;
  for (int line = 0; line < kDefaultListingLines; ++line) {
    const char* p = lines[line];
    int n = 0;
    while (p[n] != '\0') ++n;
    const int expected = line + 1 < kDefaultListingLines ? 64 : 44;
    if (n != expected) throw "listing line of the wrong length";
    for (int i = 0; i < n; i += 2) {
      const int hi = detail::HexDigit(p[i]), lo = detail::HexDigit(p[i + 1]);
      if (hi < 0 || lo < 0) throw "listing holds a character that is no hexadecimal digit";
      image[at++] = static_cast<std::uint8_t>(hi * 16 + lo);
    }
  }
  for (int k = 1; k < kConditionBlockCount; ++k)
    for (int i = 0; i < kConditionBlockSize; ++i)
      image[ConditionBlockBase(k) + i] = image[kConditionBlockBase + i];
  for (int i = kImageDataLength; i < kImageSize; ++i) image[i] = 0xFF;
  return image;
}

}  // namespace core
