#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "core/store/record.h"

namespace core {

/// The FC-28 serial link: 8 data bits, even parity, 2 stop bits, stop-and-wait blocks.
inline constexpr std::uint8_t kAck = 0xAA;
inline constexpr int kHeaderBlockSize = kHeaderSize;
inline constexpr int kLengthBlockSize = 2;
inline constexpr int kMaxDataBlock = kImageSize;
inline constexpr int kImageWriteChunk = 32;
inline constexpr int kBitsPerByte = 12;  // start, 8 data, parity, 2 stop
inline constexpr int kRxBlockTimeoutMs = 300;

/// True when any of the n bytes is the acknowledge byte.
bool ContainsAck(const std::uint8_t* bytes, int n);

/// A header block is accepted when it begins with "FC28"; the version digits are not checked.
bool HeaderAccepted(const std::array<std::uint8_t, kHeaderBlockSize>& header);

/// True when the header is exactly "FC2830", the only one model memory files load with.
bool HeaderLoadable(const std::array<std::uint8_t, kHeaderBlockSize>& header);

/// The length block's value, big-endian.
int LengthFromBlock(const std::array<std::uint8_t, kLengthBlockSize>& block);
std::array<std::uint8_t, kLengthBlockSize> LengthBlock(int length);

/// "Format = FC28 V3.x" style line for a header block.
std::string FormatLine(const std::array<std::uint8_t, kHeaderBlockSize>& header);

/// Expected line time of n image bytes in ms: n x 12 x 1000 / baud; 0 for baud <= 0.
std::uint32_t ExpectedDurationMs(int n, int baud);

/// Line time of a whole transfer of n image bytes in microseconds at 12 bits per byte: the
/// three blocks and every acknowledge (six when the PC sends, five when it receives).
std::int64_t TransferWireTimeUs(int n, int baud, bool pcSends);

/// Time one byte takes on the line, in nanoseconds.
std::int64_t ByteTimeNs(int baud);

}  // namespace core
