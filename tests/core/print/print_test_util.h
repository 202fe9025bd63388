#pragma once

#include <set>
#include <string>
#include <vector>

#include "core/model/defaults.h"
#include "tests/core/model/model_fixture.h"
#include "core/print/print_pages.h"

namespace core {

inline ModellSpeicherTyp DefaultMemory(const std::string& type) {
  return test::MakeMemory(ModelTypeMaskOfText(type));
}

inline MenuSelected Only(std::set<std::string> codes) {
  return [codes = std::move(codes)](std::string_view code) { return codes.count(std::string(code)) > 0; };
}

struct SlotRef {
  int page;
  int slot;
  const ZeileTyp* line;
};

/// Every non-empty line in page and slot order.
inline std::vector<SlotRef> Lines(const PrintLayout& layout) {
  std::vector<SlotRef> out;
  for (const PrintPage& p : layout.Pages())
    for (int i = 1; i <= kPrintLines; ++i)
      if (p.Line(i).kind != kLineEmpty) out.push_back({p.number, i, &p.Line(i)});
  return out;
}

}  // namespace core
