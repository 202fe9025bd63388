#include "core/link/wire_format.h"

#include <algorithm>

namespace core {

bool ContainsAck(const std::uint8_t* bytes, int n) {
  return n > 0 && std::find(bytes, bytes + n, kAck) != bytes + n;
}

bool HeaderAccepted(const std::array<std::uint8_t, kHeaderBlockSize>& header) {
  return std::equal(kFileHeader.begin(), kFileHeader.begin() + 4, header.begin());
}

bool HeaderLoadable(const std::array<std::uint8_t, kHeaderBlockSize>& header) {
  return header == kFileHeader;
}

int LengthFromBlock(const std::array<std::uint8_t, kLengthBlockSize>& block) {
  return block[0] * 256 + block[1];
}

std::array<std::uint8_t, kLengthBlockSize> LengthBlock(int length) {
  return {static_cast<std::uint8_t>((length >> 8) & 0xFF),
          static_cast<std::uint8_t>(length & 0xFF)};
}

// The transmitter's bytes are single-byte characters; core text is UTF-8.
static void AppendLatin1(std::string& text, std::uint8_t b) {
  if (b < 0x80) {
    text += static_cast<char>(b);
  } else {
    text += static_cast<char>(0xC0 | (b >> 6));
    text += static_cast<char>(0x80 | (b & 0x3F));
  }
}

std::string FormatLine(const std::array<std::uint8_t, kHeaderBlockSize>& header) {
  std::string line = "Format = ";
  for (int i = 0; i < kHeaderBlockSize; ++i) {
    char c = static_cast<char>(header[i]);
    // Every V3 transmitter sends 30, so the minor digit says nothing.
    if (i == 5 && c == '0' && line.find("V3.") != std::string::npos) c = 'x';
    AppendLatin1(line, static_cast<std::uint8_t>(c));
    if (i == 3) line += " V";
    if (i == 4) line += ".";
  }
  return line;
}

std::uint32_t ExpectedDurationMs(int n, int baud) {
  if (baud <= 0 || n <= 0) return 0;
  return static_cast<std::uint32_t>(std::uint64_t(n) * kBitsPerByte * 1000 / std::uint64_t(baud));
}

std::int64_t TransferWireTimeUs(int n, int baud, bool pcSends) {
  if (baud <= 0) return 0;
  const std::int64_t acks = pcSends ? 6 : 5;
  const std::int64_t bytes = acks + kHeaderBlockSize + kLengthBlockSize + n;
  return bytes * kBitsPerByte * 1'000'000 / baud;
}

std::int64_t ByteTimeNs(int baud) {
  if (baud <= 0) return 0;
  return std::int64_t{kBitsPerByte} * 1'000'000'000 / baud;
}

}  // namespace core
