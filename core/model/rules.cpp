#include "core/model/rules.h"

#include <optional>

#include "core/model/access.h"
#include "core/model/defaults.h"
#include "core/model/names.h"
#include "core/model/partab_keys.h"
#include "core/model/storage.h"
#include "core/util/text.h"

namespace core {

namespace {

int FirstRowWithKey(int key) {
  for (int k = 1; k <= kParamCount; ++k)
    if (ParamDef(k).key == key) return k;
  return 0;
}

int LastRowWithKey(int key) {
  for (int k = kParamCount; k >= 1; --k)
    if (ParamDef(k).key == key) return k;
  return 0;
}

bool SharesMenu(const MemApplMapTyp& changed, const MemApplMapTyp& partner) {
  return changed.menu == partner.menu || changed.menu == partner.menu2;
}

// The partner key of a pair holding key, or 0.
int PartnerKey(const KeyPair& pair, int key) {
  if (pair.first == key) return pair.second;
  if (pair.second == key) return pair.first;
  return 0;
}

// The partner row of the changed row's key in one pair, at the changed row's condition.
struct Partner {
  const MemApplMapTyp* def;
  int address;
  int bit;
};

std::optional<Partner> PartnerOf(const KeyPair& pair, int key, int condition) {
  const int other = PartnerKey(pair, key);
  if (other == 0) return std::nullopt;
  const int p = FirstRowWithKey(other);
  if (p == 0) return std::nullopt;
  const MemApplMapTyp& def = ParamDef(p);
  return Partner{&def, ConditionAddress(def.address, condition), ParameterFirstBit(def)};
}

bool SignPartnerRule(const MemApplMapTyp& def, int condition, const std::string& newText,
                     ModellSpeicherTyp* mem, int version) {
  bool reported = false;
  for (const KeyPair& pair : kSignPartners) {
    const auto partner = PartnerOf(pair, def.key, condition);
    if (!partner) continue;
    const int address = partner->address;
    const int bit = partner->bit;
    std::string partnerText = TrimBlanks(GetParameterText(address, bit, mem, version));
    const bool newNegative = !newText.empty() && newText.front() == '-';
    const bool partnerNegative = !partnerText.empty() && partnerText.front() == '-';
    if (newNegative == partnerNegative) continue;
    partnerText = newNegative ? "-" + partnerText : partnerText.substr(1);
    if (SetParameterText(address, bit, mem, false, partnerText, version) != kUnchanged &&
        SharesMenu(def, *partner->def))
      reported = true;
  }
  return reported;
}

bool GlobalRule(const MemApplMapTyp& def, int start, const std::string& newText,
                ModellSpeicherTyp* mem, int version) {
  if (VersionBit(version) < 2) return false;  // V3.1 and later only
  bool changed = false;
  for (const KeyPair& pair : kGlobalPairs) {
    if (def.key == pair.first && newText == "GLOBAL") {
      for (int k = 1; k <= kParamCount; ++k) {
        const MemApplMapTyp& row = ParamDef(k);
        if (row.key != pair.second) continue;
        const int bit = ParameterFirstBit(row);
        const std::string value = GetParameterText(row.address, bit, mem, version);
        for (int c = 1; c <= 4; ++c)
          changed |= SetParameterText(ConditionAddress(row.address, c), bit, mem, false, value,
                                      version) != kUnchanged;
      }
    }
    if (def.key == pair.second) {
      const int m = LastRowWithKey(pair.first);
      if (m == 0) continue;
      const MemApplMapTyp& mode = ParamDef(m);
      if (GetParameterText(mode.address, ParameterFirstBit(mode), mem, version) != "GLOBAL") continue;
      const int bit = ParameterFirstBit(def);
      for (int c = 0; c <= 4; ++c) {
        const int address = ConditionAddress(def.address, c);
        if (address == start) continue;
        changed |= SetParameterText(address, bit, mem, false, newText, version) != kUnchanged;
      }
    }
  }
  return changed;
}

bool ActRule(const MemApplMapTyp& def, int condition, const std::string& newText,
             ModellSpeicherTyp* mem, int version) {
  bool reported = false;
  for (const KeyPair& pair : kActPairs) {
    const auto partner = PartnerOf(pair, def.key, condition);
    if (!partner) continue;
    const int address = partner->address;
    const int bit = partner->bit;
    if (newText != "ACT" || TrimBlanks(GetParameterText(address, bit, mem, version)) != "ACT") continue;
    if (SetParameterText(address, bit, mem, false, "INH", version) != kUnchanged &&
        SharesMenu(def, *partner->def))
      reported = true;
  }
  return reported;
}

// Parameters the new model type gains start from its default image.
void ModelTypeRule(int previousTypeMask, ModellSpeicherTyp* mem, int version) {
  const int newMask = ModelTypeMask(mem);
  const ImageBytes& defaults = DefaultImageFor(newMask);
  for (int k = 1; k <= kParamCount; ++k) {
    const int types = ParameterTypeMask(k, version);
    if ((types & previousTypeMask) != 0 || (types & newMask) == 0) continue;
    const MemApplMapTyp& def = ParamDef(k);
    const int count = StorageBytes(def.storage);
    const int mask = StorageMask(def.storage);
    const int blocks = IsConditionAddress(def.address) ? 5 : 1;
    for (int c = 0; c < blocks; ++c) {
      for (int i = 0; i < count; ++i) {
        const int a = ConditionAddress(def.address, c) + i;
        if (a >= kImageSize) break;
        auto& byte = mem->image[static_cast<std::size_t>(a)];
        byte = static_cast<std::uint8_t>((byte & ~mask) | (defaults[static_cast<std::size_t>(a)] & mask));
      }
    }
  }
}

}  // namespace

bool ApplyDependencyRules(int k, int start, const std::string& text, int previousTypeMask,
                          ModellSpeicherTyp* mem, int version) {
  const MemApplMapTyp& def = ParamDef(k);
  const int condition = (start - def.address) / kConditionBlockSize;
  const std::string newText = TrimBlanks(text);
  bool reported = SignPartnerRule(def, condition, newText, mem, version);
  if (!reported) reported = GlobalRule(def, start, newText, mem, version);
  if (!reported) reported = ActRule(def, condition, newText, mem, version);
  if (reported) return true;
  if (def.key == key::kLanguage || def.key == key::kServoType)
    reported = ApplyFunctionNames(mem, version);
  if (def.key == key::kModelType) {
    ModelTypeRule(previousTypeMask, mem, version);
    ApplyFunctionNames(mem, version);
    reported = true;
  }
  return reported;
}

}  // namespace core
