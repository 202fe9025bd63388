#include "core/editor/compare.h"

#include <cstdio>
#include <utility>

#include "core/model/access.h"
#include "core/model/names.h"
#include "core/model/partab.h"

namespace core {

namespace {

std::string StartLine(std::string_view nameA, std::string_view nameB) {
  std::string line = "Vergleich: ";
  line += nameA;
  line += " -> ";
  line += nameB;
  return line;
}

std::string AddressText(int address) {
  char buffer[16];
  std::snprintf(buffer, sizeof buffer, "$%03X", static_cast<unsigned>(address));
  return buffer;
}

// A difference: its list line and its table row, the full name split at every "\".
void AddDifference(CompareResult& result, const std::string& name, std::string va, std::string vb,
                   const DiffRow& where) {
  std::string line;
  line.reserve(name.size() + va.size() + vb.size() + 6);
  line.append(name).append(": ").append(va).append(" -> ").append(vb);
  result.lines.push_back(std::move(line));
  DiffRow& row = result.rows.emplace_back();
  row.address = where.address;
  row.bit = where.bit;
  row.condition = where.condition;
  row.parameter = where.parameter;
  std::size_t column = 0, from = 0;
  for (;;) {
    const std::size_t at = name.find('\\', from);
    if (column < row.cells.size())
      row.cells[column].assign(name, from, at == std::string::npos ? std::string::npos : at - from);
    ++column;
    if (at == std::string::npos) break;
    from = at + 1;
  }
  row.cells[3] = std::move(va);
  row.cells[4] = "->";
  row.cells[5] = std::move(vb);
  result.differ = true;
}

void Finish(CompareResult& result) {
  if (!result.differ) result.lines.push_back(kNoDifferencesLine);
}

}  // namespace

std::string CompareFileName(const ModellSpeicherTyp* record) {
  if (!record) return "---";
  const std::string_view name = record->fileName;
  const std::size_t at = name.find_last_of("/\\");
  return std::string(at == std::string_view::npos ? name : name.substr(at + 1));
}

std::array<std::string, kDiffColumns> DiffHeader(std::string_view nameA, std::string_view nameB) {
  return {"Flugzustand", "Menü", "Funktion", std::string(nameA), "", std::string(nameB), ""};
}

CompareResult CompareParameters(const ModellSpeicherTyp& a, const ModellSpeicherTyp& b,
                                std::string_view nameA, std::string_view nameB, int version) {
  CompareResult result;
  result.lines.reserve(256);
  result.rows.reserve(256);
  result.lines.push_back(StartLine(nameA, nameB));
  const int maskA = ModelTypeMask(&a), maskB = ModelTypeMask(&b);
  for (int f = 0; f < 5; ++f) {
    for (int k = 1; k <= kParamCount; ++k) {
      const int types = ParameterTypeMask(k, version);
      if ((types & maskA) == 0 || (types & maskB) == 0) continue;
      const MemApplMapTyp& def = ParamDef(k);
      const bool perCondition = IsConditionAddress(def.address);
      if (f != 0 && !perCondition) continue;
      std::string va = FormatParameterValue(k, f, false, &a, false);
      std::string vb = FormatParameterValue(k, f, false, &b, false);
      if (va == vb) continue;
      DiffRow where;
      where.address = ConditionAddress(def.address, f);
      where.bit = ParameterFirstBit(def);
      where.condition = perCondition ? f : -1;
      where.parameter = k;
      AddDifference(result, ExpandedParameterName(where.address, where.bit, false, &b, version),
                    std::move(va), std::move(vb), where);
    }
  }
  Finish(result);
  return result;
}

CompareResult CompareRaw(const ModellSpeicherTyp& a, const ModellSpeicherTyp& b,
                         std::string_view nameA, std::string_view nameB, int version) {
  CompareResult result;
  // At most a line per changed byte, as a rule: room for them all at once.
  std::size_t changedBytes = 1;
  for (int i = 0; i < a.dataLength && i < kImageSize; ++i)
    changedBytes += a.image[static_cast<std::size_t>(i)] != b.image[static_cast<std::size_t>(i)];
  result.lines.reserve(changedBytes + 1);
  result.rows.reserve(changedBytes);
  result.lines.push_back(StartLine(nameA, nameB));
  int lastParameter = -1, lastAddress = -1, lastStart = -1;
  for (int i = 0; i < a.dataLength && i < kImageSize; ++i) {
    const int changed = a.image[static_cast<std::size_t>(i)] ^ b.image[static_cast<std::size_t>(i)];
    if (changed == 0) continue;
    for (int bit = 0; bit < 8; ++bit) {
      if ((changed & (1 << bit)) == 0) continue;
      int p = 0;
      const int start = ParameterStartAddress(i, bit, &b, version, &p);
      // The same row in another flight condition is another value, listed on its own.
      const bool another = p != lastParameter || (p != 0 && start != lastStart);
      const bool listed = another || (p == 0 && i != lastAddress);
      std::string va = listed ? GetParameterText(i, bit, &a, version) : std::string();
      std::string vb = listed ? GetParameterText(i, bit, &b, version) : std::string();
      if (another) {
        DiffRow where;
        where.address = p != 0 ? start : i;
        where.bit = bit;
        where.condition = p != 0 && IsConditionAddress(ParamDef(p).address)
                              ? (start - ParamDef(p).address) / kConditionBlockSize
                              : -1;
        where.parameter = p;
        AddDifference(result, ExpandedParameterName(i, bit, false, &b, version), std::move(va),
                      std::move(vb), where);
      } else if (p == 0 && i != lastAddress) {
        result.lines.push_back(AddressText(i) + ": " + va + " -> " + vb);
      }
      lastAddress = i;
      lastParameter = p;
      lastStart = start;
    }
  }
  Finish(result);
  return result;
}

CompareResult CompareModelMemories(const ModellSpeicherTyp& a, const ModellSpeicherTyp& b,
                                   bool lowLevel, int version) {
  const std::string nameA = CompareFileName(&a), nameB = CompareFileName(&b);
  return lowLevel ? CompareRaw(a, b, nameA, nameB, version)
                  : CompareParameters(a, b, nameA, nameB, version);
}

}  // namespace core
