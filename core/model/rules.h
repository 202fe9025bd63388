#pragma once

#include <string>

#include "core/store/record.h"

namespace core {

/// The dependency rules after row k changed at image offset start (condition offset included):
/// sign partner, GLOBAL, ACT, then function names and model type. True if a rule changed more.
bool ApplyDependencyRules(int k, int start, const std::string& text, int previousTypeMask,
                          ModellSpeicherTyp* mem, int version);

}  // namespace core
