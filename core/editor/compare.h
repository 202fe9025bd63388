#pragma once

#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "core/store/record.h"

// Comparison of two model memories: A the previous, B the active one. Pure: the result is the
// table's rows and the list of difference lines that can be appended to the comment.

namespace core {

inline constexpr int kDiffColumns = 7;
inline constexpr int kDiffFixedColumns = 3;
inline constexpr int kDiffRowHeight = 16;
inline constexpr int kDiffInitialRowCount = 50;
inline constexpr int kDiffColumnWidths[kDiffColumns] = {64, 120, 120, 160, 16, 160, 1000};
inline constexpr const char* kNoDifferencesLine =
    "Keine Unterschiede zwischen den Modellspeichern gefunden!";

/// One difference row of the table (row 0, the header, is not one of them).
struct DiffRow {
  std::array<std::string, kDiffColumns> cells;
  int address = -1;    // image address of the value in B (condition offset included)
  int bit = 0;         // bit index the value was found with
  int condition = -1;  // flight condition 0..4 of the value, -1 for a global one
  int parameter = 0;   // row 1..666 of the parameter table, 0 for a raw byte
};

struct CompareResult {
  std::vector<std::string> lines;  // the hidden list, first line "Vergleich: A -> B"
  std::vector<DiffRow> rows;
  bool differ = false;
};

/// File name shown for a model memory: its fileName without the directory; "---" for none.
std::string CompareFileName(const ModellSpeicherTyp* record);

/// Header row: "Flugzustand", "Menü", "Funktion", A's file name, "", B's file name, "".
std::array<std::string, kDiffColumns> DiffHeader(std::string_view nameA, std::string_view nameB);

/// Value by value through the parameter definitions: conditions 0..4, rows in table order,
/// only rows both model types have and, beyond condition 0, only per-condition rows.
CompareResult CompareParameters(const ModellSpeicherTyp& a, const ModellSpeicherTyp& b,
                                std::string_view nameA, std::string_view nameB, int version);

/// Bit by bit over A's data length; a parameter whose changed bits follow each other is
/// listed once.
CompareResult CompareRaw(const ModellSpeicherTyp& a, const ModellSpeicherTyp& b,
                         std::string_view nameA, std::string_view nameB, int version);

/// The raw comparison when lowLevel is set, else the parameter comparison; names from fileName.
CompareResult CompareModelMemories(const ModellSpeicherTyp& a, const ModellSpeicherTyp& b,
                                   bool lowLevel, int version);

}  // namespace core
