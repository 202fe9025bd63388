#pragma once

#include <string>
#include <vector>

#include "core/store/record.h"

// Every value of a model memory as "full name: display text" lines, in a fixed order that
// scripts diff: flight condition 0..4, then the rows in table order.

namespace core {

struct DumpEntry {
  std::string name;   // ExpandedParameterName of the value's address and the row's first bit
  std::string value;  // FormatParameterValue of the row in that condition
  int address;        // image offset, condition offset included
  int bit;            // the row's first bit
};

/// The entries of every row visible for the memory's model type and version, per condition.
std::vector<DumpEntry> DumpMemory(const ModellSpeicherTyp& mem, int version, bool plainNumbers);

/// The entries as UTF-8 lines "name: value\n"; with addresses each line starts with
/// "@ADDRESS.BIT " (decimal), which names the value even where full names repeat.
std::string DumpText(const ModellSpeicherTyp& mem, int version, bool plainNumbers,
                     bool withAddresses = false);

/// "@ADDRESS.BIT" of an entry.
std::string AddressText(const DumpEntry& entry);

/// The first entry whose full name is name (dump order), or nullptr.
/// "@ADDRESS.BIT" instead of a name picks the entry at that address and bit.
const DumpEntry* FindDumpEntry(const std::vector<DumpEntry>& entries, const std::string& name);

}  // namespace core
