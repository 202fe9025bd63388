#include "core/model/defaults.h"

#include <cstdio>

#include "core/model/access.h"
#include "core/model/defaults_data.h"
#include "core/model/model_types.h"
#include "core/model/partab_keys.h"
#include "core/store/store.h"
#include "core/util/files.h"

namespace core {

namespace {

// Writes text to every row with the key, each with its dependents.
void WriteByKey(int key, const char* text, ModellSpeicherTyp& record, int version) {
  for (int k = 1; k <= kParamCount; ++k) {
    const MemApplMapTyp& def = ParamDef(k);
    if (def.key == key) SetParameterText(def.address, ParameterFirstBit(def), &record, true, text, version);
  }
}

}  // namespace

const ImageBytes& DefaultImageFor(int modelTypeMask) {
  return DefaultImageData(DefaultKindForTypeMask(modelTypeMask));
}

int ModelTypeMaskOfText(const std::string& comboText) {
  for (const auto& t : kModelTypes)
    if (comboText == t.newMemoryText) return t.bit;
  return kTypeStandard;
}

void FillDefaultMemory(ModellSpeicherTyp& record, int modelTypeMask, NewMemoryLanguage language,
                       int version) {
  const ModelTypeRow& type = ModelTypeOfMask(modelTypeMask);
  record.image = DefaultImageFor(type.bit);
  if (type.bit & kTypesGlider) WriteByKey(key::kServoType, type.subTypeText, record, version);
  if (type.bit & kTypesHeli) WriteByKey(key::kHeliType, type.subTypeText, record, version);
  const char* languageText = language == NewMemoryLanguage::Deutsch        ? "DEUTSCH"
                             : language == NewMemoryLanguage::Franzoesisch ? "FRANZÖSISCH"
                                                                            : "ENGLISCH";
  WriteByKey(key::kLanguage, languageText, record, version);
  WriteByKey(key::kModelName, type.defaultName, record, version);
  record.header = kFileHeader;
  record.setDataLength(1870);
  record.inUse = true;
  record.deleted = false;
  record.hasComment = false;
  record.imageSaved = false;
  record.commentSaved = false;
}

ModellSpeicherTyp* CreateDefaultMemory(ModelMemoryStore& store, const std::string& comboText,
                                       NewMemoryLanguage language, int version) {
  ModellSpeicherTyp* record = store.AllocModelMemory();
  FillDefaultMemory(*record, ModelTypeMaskOfText(comboText), language, version);
  const std::string directory = store.GetModelMemoryDir();
  store.AssignFileName(*record, directory);
  SetDateNow(*record);
  store.SetActiveModelMemory(record);
  store.Host().RebuildTree(directory);
  store.Host().Changed(StoreChange::Flags);
  return record;
}

std::string ModelTypeName(const ModellSpeicherTyp* record) {
  return ModelTypeOfMask(ModelTypeMask(record)).name;
}

std::string ModelltypLabelText(const ModellSpeicherTyp* active) {
  return "Modelltyp: " + (active != nullptr ? ModelTypeName(active) : std::string("-.-"));
}

std::string DefaultSourceText(const ModellSpeicherTyp& record) {
  std::string out;
  char buffer[16];
  for (int line = 0; line < kImageSize / 16; ++line) {
    std::snprintf(buffer, sizeof buffer, "{ $%03X } ", line * 16);
    out += buffer;
    for (int i = 0; i < 16; ++i) {
      std::snprintf(buffer, sizeof buffer, "$%02X,", record.image[static_cast<std::size_t>(line * 16 + i)]);
      out += buffer;
    }
    out += "\r\n";
  }
  return out;
}

bool WriteDefaultSource(const ModellSpeicherTyp& record, const std::string& path) {
  const std::string text = DefaultSourceText(record);
  return ReplaceFileAtomically(path, text.data(), text.size());
}

}  // namespace core
