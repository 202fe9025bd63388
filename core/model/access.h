#pragma once

#include <string>

#include "core/model/partab.h"
#include "core/model/partab_layout.h"
#include "core/store/record.h"

// The only road to a parameter's bytes. Every operation takes the model memory (nullptr allowed:
// empty text, 0 or false) and, where rows are filtered, the configured transmitter version
// (30, 31 or 32; anything else counts as 32).

namespace core {

inline constexpr int kDefaultMarker = 0x1000;    // address bit: read the default image instead
inline constexpr int kDefaultCondition = 16;     // condition index of the default column


/// Model type mask from image bytes 118/119 (one of 1, 2, 4 ... 512); 1023 for none or unknown.
int ModelTypeMask(const ModellSpeicherTyp* mem);

/// Row k's model types (its menu's, widened to 1023, when 0); 0 outside 1..666 or not in version.
int ParameterTypeMask(int k, int version);

/// Whether row k (1..666) exists in the given transmitter version.
bool ParameterInVersion(int k, int version);

/// True for 120..469 except 463 (the only rows repeated over the five blocks).
bool IsConditionAddress(int address);

/// Bytes of row k: 1, 2, 3, 7 or 12; 0 outside 1..666.
int ParameterByteCount(int k);

/// 8-bit mask of row k's storage type; 0 outside 1..666.
int ParameterBitMask(int k);

/// Lowest bit of the definition's mask (0 for whole-byte types).
int ParameterFirstBit(const MemApplMapTyp& def);

/// Storage type 6..13 or 26..33.
bool IsBitParameter(int k);

/// Row 1..666 stored at address (default marker ignored) for bit -1 (any) or 0..7; 0 if none.
int FindParameter(int address, int bit, const ModellSpeicherTyp* mem, int version);

/// Plain walk of the whole table, the reference for FindParameter's index.
int FindParameterByWalk(int address, int bit, const ModellSpeicherTyp* mem, int version);

/// First byte (condition offset included) of the row found at address/bit, -1 if none; *row gets it.
int ParameterStartAddress(int address, int bit, const ModellSpeicherTyp* mem, int version,
                          int* row = nullptr);

/// Condition 0..4 of the block holding address; 16 with the default marker; -1 if no row covers it.
int ConditionOfAddress(int address, const ModellSpeicherTyp* mem, int version);

/// Display text of the value at address (may carry the default marker), or a raw byte description.
std::string GetParameterText(int address, int bit, const ModellSpeicherTyp* mem, int version);

/// Display text of row k in condition 0..4 (or of the default image), unit appended unless plain.
std::string FormatParameterValue(int k, int condition, bool fromDefault,
                                 const ModellSpeicherTyp* mem, bool plainNumber);

/// Row k's value as stored in `from` (condition fromCondition, 0..4), formatted as row k reads in
/// `in` and its condition inCondition: list texts that name functions follow `in`.
std::string FormatParameterValueIn(int k, const ModellSpeicherTyp* from, int fromCondition,
                                   const ModellSpeicherTyp* in, int inCondition);

/// Result codes of SetParameterText.
enum SetResult : int { kUnchanged = 0, kChanged = 1, kChangedMore = 2 };

/// Writes text to the row at address/bit, with the dependency rules when asked; 0, 1 or 2.
int SetParameterText(int address, int bit, ModellSpeicherTyp* mem, bool withDependents,
                     const std::string& text, int version);

/// Limits, unit and formula of the row at address/bit; 0 or empty if none.
int ParameterMinimum(int address, int bit, const ModellSpeicherTyp* mem, int version);
int ParameterMaximum(int address, int bit, const ModellSpeicherTyp* mem, int version);
std::string ParameterUnit(int address, int bit, const ModellSpeicherTyp* mem, int version);
int ParameterFormula(int address, int bit, const ModellSpeicherTyp* mem, int version);

/// Text of the first row with key (and channel 1..9's placeholder, unless -1) in condition 0..4.
std::string GetTextByKey(int key, int channel, int condition, const ModellSpeicherTyp* mem,
                         int version);

/// Image byte 113 + condition is below 53; true for no memory or a condition outside 1..4.
bool ConditionInUse(int condition, const ModellSpeicherTyp* mem);

/// Formula is not one of 0, 1, 4, 16, 20, 22, 31, 33, 40 (also true for index 0).
bool HasValueList(int k);

/// Formula is one of 0, 1, 4, 20, 22, 31, 33, 40.
bool HasNumericFormula(int k);

}  // namespace core
