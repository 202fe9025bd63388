#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "core/editor/compare.h"
#include "core/store/record.h"

// Taking differences of a parameter comparison over from A (the previous memory) into B (the
// active one), row by row, each value written as an edit of B would write it.

namespace core {

/// Takes one difference row from a into b: a's stored value of the row's parameter, formatted
/// as that parameter reads in b and the row's condition, written with its dependents. Raw rows
/// (parameter 0) and rows b reads as another parameter are left alone. SetResult.
int ApplyDifference(const ModellSpeicherTyp& a, ModellSpeicherTyp& b, const DiffRow& row,
                    int version);

/// What a take-over did: the highest SetResult, the comparison afterwards and how many of the
/// chosen rows no longer differ.
struct TakeOverOutcome {
  int result = 0;
  CompareResult after;
  int taken = 0;
  int Differing() const { return static_cast<int>(after.rows.size()); }
};

/// Takes the rows over in the order given, then compares a with b again (by value, names from
/// fileName). A chosen row counts as taken when it is no longer listed afterwards.
TakeOverOutcome TakeOver(const ModellSpeicherTyp& a, ModellSpeicherTyp& b,
                         const std::vector<DiffRow>& rows, int version);

/// The rows at the given indices of a parameter comparison, in list order and each once;
/// indices outside the list and raw rows are passed over.
std::vector<DiffRow> RowsAt(const CompareResult& result, const std::vector<int>& indices);

/// The rows whose full name (as the difference lines name them, read in b) is among names, in
/// list order; names that name no row go to unmatched in the order given.
std::vector<DiffRow> RowsNamed(const CompareResult& result, const ModellSpeicherTyp& b,
                               const std::vector<std::string>& names, int version,
                               std::vector<std::string>* unmatched = nullptr);

/// Status line of the comparison page after a take-over, e.g. "2 Werte übernommen, 1 Wert
/// noch verschieden".
std::string TakeOverStatusText(int taken, int differing);

}  // namespace core
