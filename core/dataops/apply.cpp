#include "core/dataops/apply.h"

#include <algorithm>
#include <unordered_set>

#include "core/model/access.h"
#include "core/model/names.h"
#include "core/model/partab.h"

namespace core {

namespace {

bool SameValue(const DiffRow& x, const DiffRow& y) {
  return x.parameter == y.parameter && x.address == y.address && x.bit == y.bit;
}

std::string Werte(int n) {
  return std::to_string(n) + (n == 1 ? " Wert" : " Werte");
}

}  // namespace

int ApplyDifference(const ModellSpeicherTyp& a, ModellSpeicherTyp& b, const DiffRow& row,
                    int version) {
  if (row.parameter < 1 || row.parameter > kParamCount) return kUnchanged;
  // Where b reads these bits as another row (a memory of no known type), write only when that
  // row holds the value the same way (as DIFF, FLPR and ELVN of an ACRO share their rates).
  const int k = FindParameter(row.address, row.bit, &b, version);
  if (k == 0) return kUnchanged;
  const MemApplMapTyp &listed = ParamDef(row.parameter), &read = ParamDef(k);
  if (k != row.parameter && (read.address != listed.address || read.storage != listed.storage ||
                             read.formula != listed.formula))
    return kUnchanged;
  const int condition = row.condition < 0 ? 0 : row.condition;
  const std::string text = FormatParameterValueIn(k, &a, condition, &b, condition);
  const auto before = b.image;
  const int result = SetParameterText(row.address, row.bit, &b, true, text, version);
  // A value b has no text for (an unknown list value of a) would be written as another one:
  // b keeps its own, and the row stays listed.
  if (result != kUnchanged && FormatParameterValueIn(k, &b, condition, &b, condition) != text) {
    b.image = before;
    return kUnchanged;
  }
  return result;
}

TakeOverOutcome TakeOver(const ModellSpeicherTyp& a, ModellSpeicherTyp& b,
                         const std::vector<DiffRow>& rows, int version) {
  TakeOverOutcome outcome;
  for (const DiffRow& row : rows)
    outcome.result = std::max(outcome.result, ApplyDifference(a, b, row, version));
  outcome.after = CompareModelMemories(a, b, false, version);
  for (const DiffRow& row : rows) {
    const auto listed = [&row](const DiffRow& r) { return SameValue(r, row); };
    if (std::none_of(outcome.after.rows.begin(), outcome.after.rows.end(), listed)) ++outcome.taken;
  }
  return outcome;
}

std::vector<DiffRow> RowsAt(const CompareResult& result, const std::vector<int>& indices) {
  std::vector<bool> chosen(result.rows.size(), false);
  for (int i : indices)
    if (i >= 0 && static_cast<std::size_t>(i) < chosen.size())
      chosen[static_cast<std::size_t>(i)] = true;
  std::vector<DiffRow> rows;
  for (std::size_t i = 0; i < chosen.size(); ++i)
    if (chosen[i] && result.rows[i].parameter != 0) rows.push_back(result.rows[i]);
  return rows;
}

std::vector<DiffRow> RowsNamed(const CompareResult& result, const ModellSpeicherTyp& b,
                               const std::vector<std::string>& names, int version,
                               std::vector<std::string>* unmatched) {
  const std::unordered_set<std::string> wanted(names.begin(), names.end());
  std::unordered_set<std::string> found;
  std::vector<DiffRow> rows;
  for (const DiffRow& row : result.rows) {
    if (row.parameter == 0) continue;
    std::string name = ExpandedParameterName(row.address, row.bit, false, &b, version);
    if (!wanted.count(name)) continue;
    rows.push_back(row);
    found.insert(std::move(name));
  }
  if (unmatched)
    for (const std::string& name : names)
      if (!found.count(name)) unmatched->push_back(name);
  return rows;
}

std::string TakeOverStatusText(int taken, int differing) {
  std::string text = Werte(taken) + " übernommen, ";
  if (differing == 0) return text + "keine Unterschiede mehr";
  return text + Werte(differing) + " noch verschieden";
}

}  // namespace core
