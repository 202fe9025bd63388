#pragma once

#include "core/model/partab_layout.h"

// The model types, one row each: every place that names a model type, offers it for a new
// memory or picks its function names reads this table.

namespace core {

/// Which set of function names (AIL, ELE, ...) a model type's functions 1..8 carry.
enum class NameFamily { Standard, Glider2, Glider4, Glider5, Acro, Heli };

struct ModelTypeRow {
  int bit;                     ///< the type's bit in the parameter table's type masks
  const char* name;            ///< as the window's "Modelltyp" label shows it
  const char* newMemoryText;   ///< the new-memory dialog's item
  const char* subTypeText;     ///< written to SERVOTYP (gliders) or HELITYP (helis); else null
  const char* defaultName;     ///< the model name of a new memory
  NameFamily family;
};

/// In the new-memory dialog's order.
inline constexpr ModelTypeRow kModelTypes[] = {
    {kTypeStandard, "STANDARD", "STANDARD", nullptr, "DEF_STANDARD", NameFamily::Standard},
    {kTypeAcro, "ACRO", "ACRO", nullptr, "DEF_ACRO", NameFamily::Acro},
    {kTypeGlider2, "GLIDER 2", "GLIDER 2 SERVOS", "2 SERVOS", "DEF_GLIDER_2", NameFamily::Glider2},
    {kTypeGlider4, "GLIDER 4", "GLIDER 4 SERVOS", "4 SERVOS", "DEF_GLIDER_4", NameFamily::Glider4},
    {kTypeGlider5, "GLIDER 5", "GLIDER 5 SERVOS", "5 SERVOS", "DEF_GLIDER_5", NameFamily::Glider5},
    {kTypeHeliH1, "HELI H1", "HELI H1", "H-1", "DEF_HELI_H1", NameFamily::Heli},
    {kTypeHeliH2, "HELI H2", "HELI H2", "H-2", "DEF_HELI_H2", NameFamily::Heli},
    {kTypeHeliH4, "HELI H4", "HELI H4", "H-4", "DEF_HELI_H4", NameFamily::Heli},
    {kTypeHeliHR3, "HELI HR3", "HELI HR3", "HR3", "DEF_HELI_HR3", NameFamily::Heli},
    {kTypeHeliHN3, "HELI HN3", "HELI HN3", "HN3", "DEF_HELI_HN3", NameFamily::Heli},
};

/// The row of a model type mask; STANDARD for 1 and for every mask that names no single type.
constexpr const ModelTypeRow& ModelTypeOfMask(int mask) {
  for (const auto& row : kModelTypes)
    if (row.bit == mask) return row;
  return kModelTypes[0];
}

}  // namespace core
