#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "core/util/file_stamp.h"

namespace core {

inline constexpr int kImageSize = 2048;
inline constexpr int kHeaderSize = 6;
/// The first six bytes of every *.fc file, and the only header such files load with.
inline constexpr std::array<std::uint8_t, kHeaderSize> kFileHeader = {'F', 'C', '2', '8', '3', '0'};

/// One model memory: the transmitter's image plus what the PC keeps beside it.
/// Records are owned by the store and reused when free (`inUse` false).
struct ModellSpeicherTyp {
  std::array<std::uint8_t, kImageSize> image;
  std::array<std::uint8_t, kHeaderSize> header;
  std::array<std::uint8_t, 2> lengthBytes;  // dataLength, big-endian
  std::string fileName;                     // full path, UTF-8; empty until named
  std::string dateText;                     // "dd.mm.yy   hh:mm", 16 characters
  std::int32_t rxImageCount = 0;
  std::int32_t rxHeaderCount = 0;
  std::int32_t rxLengthCount = 0;
  std::int32_t dataLength = 0;  // 0..2048 valid image bytes
  bool inUse = false;
  bool deleted = false;
  bool hasComment = false;
  bool imageSaved = false;
  bool commentSaved = false;
  std::vector<std::string> comment;  // lines, UTF-8
  // The comment file exists but is no regular file or too large: it is never rewritten or
  // removed, and the comment cannot be edited.
  bool commentUnreadable = false;
  // The model memory file and comment file as this program loaded or last wrote them (both
  // unknown for a memory it has never written), so a write notices another program's change.
  FileStamp imageStamp;
  FileStamp commentStamp;
  bool stampsKnown = false;
  ModellSpeicherTyp* next = nullptr;
  ModellSpeicherTyp* nextSorted = nullptr;

  ModellSpeicherTyp() { reset(); }

  /// Every field but the two list links back to its initial value.
  void reset() {
    image.fill(0xFF);
    header.fill(0xFF);
    lengthBytes = {0xFF, 0xFF};
    fileName.clear();
    dateText.clear();
    rxImageCount = rxHeaderCount = rxLengthCount = 0;
    dataLength = 0;
    inUse = deleted = hasComment = imageSaved = commentSaved = false;
    comment.clear();
    commentUnreadable = false;
    imageStamp = commentStamp = FileStamp{};
    stampsKnown = false;
  }

  /// Every field but the two list links taken from another record.
  void copyContentFrom(const ModellSpeicherTyp& other) {
    ModellSpeicherTyp* const keepNext = next;
    ModellSpeicherTyp* const keepNextSorted = nextSorted;
    *this = other;
    next = keepNext;
    nextSorted = keepNextSorted;
  }

  /// Sets dataLength and lengthBytes together (n clamped to 0..2048).
  void setDataLength(int n) {
    if (n < 0) n = 0;
    if (n > kImageSize) n = kImageSize;
    dataLength = n;
    lengthBytes = {static_cast<std::uint8_t>(n >> 8), static_cast<std::uint8_t>(n & 0xFF)};
  }

  bool hasUnsavedChanges() const { return !imageSaved || !commentSaved; }
};

}  // namespace core
