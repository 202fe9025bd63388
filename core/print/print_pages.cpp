#include "core/print/print_pages.h"

#include <algorithm>
#include <cstdio>

#include "core/editor/menutab.h"
#include "core/model/access.h"
#include "core/model/names.h"
#include "core/model/partab.h"
#include "core/model/partab_layout.h"
#include "core/print/print_labels.h"

namespace core {

namespace {

constexpr int kMenuIdRevr = 12;
constexpr int kMenuIdFailSafe = 22;
constexpr int kMenuIdDualRate = 16;
constexpr int kContinuationLines = 5;

struct MenuDiagram {
  int menuId;
  int kind;
};

// clang-format off
constexpr MenuDiagram kMenuDiagrams[] = {
    {14, 6},    // ATV: servo line of the line's channel
    {15, 7},    // AFR: rate curve of the line's channel
    {16, 8},    // D/R: rate curve of dual-rate position 1, 2, 3
    {40, 9},    // PMX1: nine-point curve of the first mixer
    {261, 10},  // REVO
    {157, 11},  // PCrv: pitch curve without hover
    {156, 12},  // PHOV: pitch curve with hover
    {54, 13},   // TCrv: throttle curve without hover
    {52, 14},   // THOV: throttle curve with hover
    {272, 15},  // GYRO
};
// clang-format on

// The running state of one build: the page being filled, the line index and the block start.
class PageFiller {
 public:
  explicit PageFiller(std::vector<PrintPage>& pages) : pages_(pages) { pages_.push_back({}); }

  int index = 1;
  int blockStart = 1;

  ZeileTyp& Put(int kind) {
    ZeileTyp& z = Filling().Line(index);
    z = ZeileTyp{};
    z.kind = kind;
    return z;
  }

  void Advance() {
    ++index;
    PageCheck();
  }

  // At slot 60 a new page begins, and the lines blockStart..59 move to it, so a block that
  // fits on one page is never split.
  void PageCheck() {
    if (index <= kPrintLines) return;
    index = 1;
    PrintPage next;
    next.number = Filling().number + 1;
    pages_.push_back(std::move(next));
    PrintPage& old = pages_[pages_.size() - 2];
    PrintPage& fresh = pages_.back();
    for (int s = blockStart; s <= kPrintLines; ++s) {
      ZeileTyp& line = old.Line(s);
      if (line.kind != kLineEmpty || index > 1) fresh.Line(index++) = std::move(line);
      line = ZeileTyp{};
    }
  }

 private:
  PrintPage& Filling() { return pages_.back(); }
  std::vector<PrintPage>& pages_;
};

std::string HeadingText(const MdlMenuTyp& m) {
  char id[8];
  std::snprintf(id, sizeof id, "%02d", m.Id % 100);
  return std::string(m.Code) + " (" + id + ") " + m.EnglishName + " - " + m.Description;
}

// rowChannels: the channel of each row when the table is per channel.
void PutTable(PageFiller& f, const MdlMenuTyp& menu, bool perChannel, int channel,
              const std::vector<int>& rows, const std::vector<int>& rowChannels,
              const ModellSpeicherTyp* mem, int version) {
  ZeileTyp& header = f.Put(kLineTableHeader);
  header.cells[0] = perChannel ? std::string(menu.Code) + ", Funktion " + ChannelName(channel, mem) +
                                     "-" + ChannelNumberText(channel, 0, mem)
                               : std::string(menu.Code);
  for (int c = 0; c < 5; ++c) header.cells[static_cast<std::size_t>(c + 1)] = ConditionName(c, mem);
  header.cells[6] = "DEFAULT";
  f.Advance();

  for (std::size_t i = 0; i < rows.size(); ++i) {
    if (perChannel && rowChannels[i] != channel) continue;
    const int k = rows[i];
    const MemApplMapTyp& def = ParamDef(k);
    const int a = def.address;
    const int b = ParameterFirstBit(def);
    ZeileTyp& row = f.Put(kLineRow);
    row.cells[0] = PrintRowLabel(k, menu, perChannel, mem, version);
    row.cells[1] = GetParameterText(a, b, mem, version);
    if (IsConditionAddress(a)) {
      for (int c = 1; c <= 4; ++c)
        row.cells[static_cast<std::size_t>(c + 1)] =
            GetParameterText(ConditionAddress(a, c), b, mem, version);
    }
    row.cells[6] = GetParameterText(a | kDefaultMarker, b, mem, version);
    f.Advance();
  }
}

void PutDiagram(PageFiller& f, int kind, int value) {
  f.Put(kind).value = value;
  for (int i = 0; i < kContinuationLines; ++i) {
    f.Advance();
    f.Put(kLineContinuation);
  }
  f.PageCheck();
}

}  // namespace

int DiagramKindOfMenu(int menuId) {
  for (const MenuDiagram& d : kMenuDiagrams)
    if (d.menuId == menuId) return d.kind;
  return 0;
}

void PrintLayout::PrintInit() {
  pages_.clear();
  current_ = 1;
}

void PrintLayout::PrintFreePages() { pages_.clear(); }

const PrintPage* PrintLayout::FindPage(int n) const {
  if (n < 1 || n > PageCount()) return nullptr;
  return &pages_[static_cast<std::size_t>(n - 1)];
}

bool PrintLayout::GoToPage(int n) {
  if (FindPage(n) == nullptr) return false;
  current_ = n;
  return true;
}

const PrintPage* PrintLayout::PageToRender() {
  if (pages_.empty()) return nullptr;
  current_ = std::clamp(current_, 1, PageCount());
  return FindPage(current_);
}

void PrintLayout::BuildPrintPages(const ModellSpeicherTyp* mem, int version,
                                  const MenuSelected& selected) {
  PrintFreePages();
  pages_.reserve(24);  // all menus of any model type fit; more only grows the vector
  PageFiller f(pages_);
  const int mask = ModelTypeMask(mem) | kMenuSystemBits;
  for (const MdlMenuTyp& menu : kMenuTable) {
    if ((menu.TypeMask & mask) == 0 || menu.Id == kMenuIdName) continue;
    if (!MenuHasParameters(menu.Id, version) || !selected || !selected(menu.Code)) continue;

    f.blockStart = f.index;
    f.Put(kLineHeading).text = HeadingText(menu);
    f.Advance();

    const bool perChannel =
        menu.PerChannel != 0 && menu.Id != kMenuIdRevr && menu.Id != kMenuIdFailSafe;
    const std::vector<int> rows = BuildMenuParamList(menu.Id, mem, version);
    std::vector<int> rowChannels;
    if (perChannel) {
      for (int k : rows)
        rowChannels.push_back(
            ChannelOfParameter(ParamDef(k).address, ParameterFirstBit(ParamDef(k)), mem, version));
    }
    const int kind = DiagramKindOfMenu(menu.Id);
    for (int channel = 1; channel <= (perChannel ? 8 : 1); ++channel) {
      // A channel's table moves with its heading only when it follows the heading directly.
      if (perChannel && (f.index < f.blockStart || f.index > f.blockStart + 1))
        f.blockStart = f.index;
      PutTable(f, menu, perChannel, channel, rows, rowChannels, mem, version);
      if (kind == 8) {
        for (int position = 1; position <= 3; ++position) PutDiagram(f, kind, position);
      } else if (kind != 0) {
        PutDiagram(f, kind, perChannel ? channel : 1);
      }
      f.blockStart = f.index;
      f.Advance();
    }
  }
}

std::string FormatPrintLayout(const PrintLayout& layout) {
  std::string out;
  for (const PrintPage& page : layout.Pages()) {
    out += "Seite " + std::to_string(page.number) + "\n";
    for (int i = 1; i <= kPrintLines; ++i) {
      const ZeileTyp& z = page.Line(i);
      if (z.kind == kLineEmpty) continue;
      out += std::to_string(i) + "\t" + std::to_string(z.kind);
      if (z.kind == kLineHeading) {
        out += "\t" + z.text;
      } else if (z.kind == kLineTableHeader || z.kind == kLineRow) {
        for (const std::string& cell : z.cells) out += "\t" + cell;
      } else if (IsDiagramLine(z.kind)) {
        out += "\t" + std::to_string(z.value);
      }
      out += "\n";
    }
  }
  return out;
}

}  // namespace core
