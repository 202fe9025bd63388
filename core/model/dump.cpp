#include "core/model/dump.h"

#include "core/model/access.h"
#include "core/model/names.h"

namespace core {

std::vector<DumpEntry> DumpMemory(const ModellSpeicherTyp& mem, int version, bool plainNumbers) {
  std::vector<DumpEntry> entries;
  entries.reserve(3400);
  const int typeMask = ModelTypeMask(&mem);
  for (int f = 0; f <= 4; ++f) {
    for (int k = 1; k <= kParamCount; ++k) {
      if ((ParameterTypeMask(k, version) & typeMask) == 0) continue;
      const MemApplMapTyp& def = ParamDef(k);
      const bool perCondition = IsConditionAddress(def.address);
      if (f != 0 && !perCondition) continue;
      const int address = perCondition ? ConditionAddress(def.address, f) : def.address;
      const int bit = ParameterFirstBit(def);
      entries.push_back({ExpandedParameterName(address, bit, false, &mem, version),
                         FormatParameterValue(k, f, false, &mem, plainNumbers), address, bit});
    }
  }
  return entries;
}

std::string AddressText(const DumpEntry& entry) {
  return "@" + std::to_string(entry.address) + "." + std::to_string(entry.bit);
}

std::string DumpText(const ModellSpeicherTyp& mem, int version, bool plainNumbers,
                     bool withAddresses) {
  std::string out;
  out.reserve(200000);
  for (const DumpEntry& e : DumpMemory(mem, version, plainNumbers)) {
    if (withAddresses) {
      out += AddressText(e);
      out += ' ';
    }
    out += e.name;
    out += ": ";
    out += e.value;
    out += '\n';
  }
  return out;
}

const DumpEntry* FindDumpEntry(const std::vector<DumpEntry>& entries, const std::string& name) {
  const bool byAddress = !name.empty() && name.front() == '@';
  for (const DumpEntry& e : entries)
    if (byAddress ? AddressText(e) == name : e.name == name) return &e;
  return nullptr;
}

}  // namespace core
