#pragma once

#include <string>

#include "core/print/print_pages.h"
#include "core/store/record.h"

namespace cli {

/// Writes the pages as the preview's "PDF speichern …" does, without a display; empty on
/// success, else why it failed. Only in builds with the Qt layers.
std::string WritePagesPdf(const std::string& path, const core::PrintLayout& layout,
                          const core::ModellSpeicherTyp& record, int version);

}  // namespace cli
