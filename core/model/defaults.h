#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "core/store/record.h"

// The four default images and new model memories made from them.

namespace core {

using ImageBytes = std::array<std::uint8_t, kImageSize>;

/// Default image of a model type mask: Glider for 2/4/8, Acro for 16, Heli for 32..512,
/// Standard for 1 and everything else.
const ImageBytes& DefaultImageFor(int modelTypeMask);

/// The dialog's languages, as its radio buttons order them.
enum class NewMemoryLanguage { Englisch, Deutsch, Franzoesisch };

/// Model type mask of a combo text, compared exactly; 1 for anything else.
int ModelTypeMaskOfText(const std::string& comboText);

/// Fills a record as the new-memory dialog does (image, type writes, language, name, header,
/// length 1870, in use, nothing saved); file name, date and activation are the store's part.
void FillDefaultMemory(ModellSpeicherTyp& record, int modelTypeMask, NewMemoryLanguage language,
                       int version);

class ModelMemoryStore;

/// "&Ok" of the new-memory dialog: a new memory from the store, filled, named in the model memory
/// directory, dated now, made active, the tree rebuilt. Returns the record.
ModellSpeicherTyp* CreateDefaultMemory(ModelMemoryStore& store, const std::string& comboText,
                                       NewMemoryLanguage language, int version);

/// Model type text of a memory for the main window: "GLIDER 2" ... , "STANDARD" for others.
std::string ModelTypeName(const ModellSpeicherTyp* record);
/// The window's `ModelltypLabel`: "Modelltyp: " and the type name, "-.-" without a memory.
std::string ModelltypLabelText(const ModellSpeicherTyp* active);

/// The image as 128 lines "{ $000 } $04,$05,...", CR LF ended.
std::string DefaultSourceText(const ModellSpeicherTyp& record);

/// Writes DefaultSourceText to path (replacing the file); false on failure.
bool WriteDefaultSource(const ModellSpeicherTyp& record, const std::string& path);

}  // namespace core
