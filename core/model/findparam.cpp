#include <array>
#include <vector>

#include "core/editor/menutab.h"
#include "core/model/access.h"
#include "core/model/partab_layout.h"
#include "core/model/storage.h"

namespace core {

namespace {

constexpr int kMaxSubtractions = kConditionBlockCount - 1;  // blocks 1..4 lie 350..1400 above block 0

bool BitFits(int bit, int mask) {
  if (bit == -1) return true;
  if (bit < 0 || bit >= 8) return false;
  return (mask & (1 << bit)) != 0;
}

// Per image address the rows covering it, in table order, with what a lookup filters on.
struct ParamIndex {
  std::array<std::uint16_t, kImageSize + 1> first{};  // rows of address a: rows[first[a]..first[a+1])
  std::vector<std::uint16_t> rows;
  std::array<std::uint16_t, kParamCount + 1> types{};  // model types, the menu's when the row has none
  std::array<std::uint8_t, kParamCount + 1> versions{};
  std::array<std::uint8_t, kParamCount + 1> mask{};

  ParamIndex() {
    std::array<std::vector<std::uint16_t>, kImageSize> buckets;
    for (int k = 1; k <= kParamCount; ++k) {
      const MemApplMapTyp& def = ParamDef(k);
      types[k] = static_cast<std::uint16_t>(RowTypes(def));
      versions[k] = static_cast<std::uint8_t>(def.versions & 7);
      mask[k] = static_cast<std::uint8_t>(StorageMask(def.storage));
      const int end = def.address + StorageBytes(def.storage);
      for (int a = def.address; a < end && a < kImageSize; ++a)
        buckets[static_cast<std::size_t>(a)].push_back(static_cast<std::uint16_t>(k));
    }
    for (int a = 0; a < kImageSize; ++a) {
      first[static_cast<std::size_t>(a)] = static_cast<std::uint16_t>(rows.size());
      rows.insert(rows.end(), buckets[static_cast<std::size_t>(a)].begin(),
                  buckets[static_cast<std::size_t>(a)].end());
    }
    first[kImageSize] = static_cast<std::uint16_t>(rows.size());
  }

  static int RowTypes(const MemApplMapTyp& def) {
    if (def.types != 0) return def.types;
    const MdlMenuTyp* menu = FindMenu(def.menu);
    return menu ? WidenMenuTypeMask(menu->TypeMask) : 0;
  }
};

const ParamIndex& Index() {
  static const ParamIndex index;
  return index;
}

bool RowFits(const ParamIndex& ix, int k, int bit, int typeMask, int versionBit) {
  return BitFits(bit, ix.mask[static_cast<std::size_t>(k)]) &&
         (ix.types[static_cast<std::size_t>(k)] & typeMask) != 0 &&
         (ix.versions[static_cast<std::size_t>(k)] & versionBit) != 0;
}

// Both searches: the row and the number of 350-byte steps down to it; {0, -1} when none fits.
struct Hit {
  int row;
  int steps;
};

template <typename FindAt>
Hit Search(int address, FindAt findAt) {
  int a = address & ~kDefaultMarker;
  if (a < 0 || a >= kImageSize) return {0, -1};
  for (int steps = 0; steps <= kMaxSubtractions; ++steps) {
    if (const int k = findAt(a)) {
      if (steps > 0 && !IsConditionAddress(ParamDef(k).address)) return {0, -1};
      return {k, steps};
    }
    if (a < kConditionBlockSize) break;
    a -= kConditionBlockSize;
  }
  return {0, -1};
}

Hit IndexedSearch(int address, int bit, const ModellSpeicherTyp* mem, int version) {
  const ParamIndex& ix = Index();
  const int typeMask = ModelTypeMask(mem);
  const int versionBit = VersionBit(version);
  return Search(address, [&](int a) {
    const auto from = ix.first[static_cast<std::size_t>(a)], to = ix.first[static_cast<std::size_t>(a) + 1];
    for (auto i = from; i < to; ++i)
      if (RowFits(ix, ix.rows[i], bit, typeMask, versionBit)) return static_cast<int>(ix.rows[i]);
    return 0;
  });
}

}  // namespace

int ParameterTypeMask(int k, int version) {
  if (k < 1 || k > kParamCount || !ParameterInVersion(k, version)) return 0;
  return Index().types[static_cast<std::size_t>(k)];
}

int FindParameter(int address, int bit, const ModellSpeicherTyp* mem, int version) {
  return IndexedSearch(address, bit, mem, version).row;
}

int FindParameterByWalk(int address, int bit, const ModellSpeicherTyp* mem, int version) {
  const int typeMask = ModelTypeMask(mem);
  return Search(address, [&](int a) {
           for (int k = 1; k <= kParamCount; ++k) {
             const MemApplMapTyp& def = ParamDef(k);
             if (def.address > a || def.address + ParameterByteCount(k) - 1 < a) continue;
             if (!BitFits(bit, ParameterBitMask(k))) continue;
             if ((ParameterTypeMask(k, version) & typeMask) == 0) continue;
             return k;
           }
           return 0;
         })
      .row;
}

int ConditionOfAddress(int address, const ModellSpeicherTyp* mem, int version) {
  if (address & kDefaultMarker) return kDefaultCondition;
  return IndexedSearch(address, -1, mem, version).steps;
}

int ParameterStartAddress(int address, int bit, const ModellSpeicherTyp* mem, int version,
                          int* row) {
  const Hit hit = IndexedSearch(address, bit, mem, version);
  if (row) *row = hit.row;
  if (hit.row == 0) return -1;
  return ConditionAddress(ParamDef(hit.row).address, hit.steps);
}

}  // namespace core
