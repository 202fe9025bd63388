#include "core/model/defaults.h"

#include <cstdio>

#include "core/model/access.h"
#include "core/model/defaults_data.h"
#include "core/model/partab_keys.h"
#include "core/store/store.h"
#include "core/util/files.h"

namespace core {

namespace {

struct NewMemoryType {
  const char* comboText;
  int mask;
  const char* subTypeText;  // written to SERVOTYP (gliders) or HELITYP (helis), else nullptr
  const char* modelName;
};

constexpr NewMemoryType kNewMemoryTypes[] = {
    {"STANDARD", 1, nullptr, "DEF_STANDARD"},
    {"ACRO", 16, nullptr, "DEF_ACRO"},
    {"GLIDER 2 SERVOS", 2, "2 SERVOS", "DEF_GLIDER_2"},
    {"GLIDER 4 SERVOS", 4, "4 SERVOS", "DEF_GLIDER_4"},
    {"GLIDER 5 SERVOS", 8, "5 SERVOS", "DEF_GLIDER_5"},
    {"HELI H1", 32, "H-1", "DEF_HELI_H1"},
    {"HELI H2", 64, "H-2", "DEF_HELI_H2"},
    {"HELI H4", 128, "H-4", "DEF_HELI_H4"},
    {"HELI HR3", 256, "HR3", "DEF_HELI_HR3"},
    {"HELI HN3", 512, "HN3", "DEF_HELI_HN3"},
};

const NewMemoryType& TypeOfMask(int mask) {
  for (const auto& t : kNewMemoryTypes)
    if (t.mask == mask) return t;
  return kNewMemoryTypes[0];
}

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
  for (const auto& t : kNewMemoryTypes)
    if (comboText == t.comboText) return t.mask;
  return 1;
}

void FillDefaultMemory(ModellSpeicherTyp& record, int modelTypeMask, NewMemoryLanguage language,
                       int version) {
  const NewMemoryType& type = TypeOfMask(modelTypeMask);
  record.image = DefaultImageFor(type.mask);
  if (type.mask & 0x00E) WriteByKey(key::kServoType, type.subTypeText, record, version);
  if (type.mask & 0x3E0) WriteByKey(key::kHeliType, type.subTypeText, record, version);
  const char* languageText = language == NewMemoryLanguage::Deutsch        ? "DEUTSCH"
                             : language == NewMemoryLanguage::Franzoesisch ? "FRANZÖSISCH"
                                                                            : "ENGLISCH";
  WriteByKey(key::kLanguage, languageText, record, version);
  WriteByKey(key::kModelName, type.modelName, record, version);
  for (int i = 0; i < kHeaderSize; ++i) record.header[static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(kFileHeader[i]);
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
  return ModelTypeNameOfValue(ModelTypeMask(record));
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
