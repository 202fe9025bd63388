#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "core/store/record.h"

// Function (channel) names, flight condition names and full parameter names.

namespace core {

/// Function-name character code of a character: Ä/ä 105, Ö/ö 106, Ü/ü 107, else (code - 32) mod 256.
std::uint8_t EncodeFunctionChar(char32_t c);

/// The character of a function-name code (1..63, 105..107), or none.
std::optional<char32_t> DecodeFunctionChar(std::uint8_t code);

/// Decoded characters of image bytes [first, first + count), undecodable ones dropped (UTF-8).
std::string DecodeFunctionText(const ModellSpeicherTyp& mem, int first, int count);

/// Name of function n (1..9; others count as 1): "CH9" for 9, stored "SF1" shown as "SFL".
std::string ChannelName(int n, const ModellSpeicherTyp* mem);

/// Number shown after function n's name in condition (16 and negatives count as 0): "1".."8", "S1"...
std::string ChannelNumberText(int n, int condition, const ModellSpeicherTyp* mem);

/// Name of flight condition 0..4 (others count as 0); "DEFAULT" for 16.
std::string ConditionName(int condition, const ModellSpeicherTyp* mem);

/// Full name: condition or "GLOBAL", menu, parameter, joined by "\"; "$07F"-style when no row.
/// With dropChannels the channel name and number placeholders are removed instead of filled in.
std::string ExpandedParameterName(int address, int bit, bool dropChannels,
                                  const ModellSpeicherTyp* mem, int version);

/// Largest channel 1..9 whose placeholder occurs in the name of the row at address/bit; -1 if none.
int ChannelOfParameter(int address, int bit, const ModellSpeicherTyp* mem, int version);

/// Writes the eight function names for the memory's language and model type; true if a byte changed.
bool ApplyFunctionNames(ModellSpeicherTyp* mem, int version);

}  // namespace core
