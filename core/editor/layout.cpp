#include "core/editor/layout.h"

#include <string_view>

#include "core/model/access.h"
#include "core/model/names.h"
#include "core/model/partab.h"

namespace core {

namespace {

bool IsStripped(char c) {
  return c == ' ' || c == '\t' || c == '-';
}

std::string_view StripLabel(std::string_view s) {
  while (!s.empty() && IsStripped(s.back())) s.remove_suffix(1);
  while (!s.empty() && IsStripped(s.front())) s.remove_prefix(1);
  return s;
}

}  // namespace

int TakeLayoutRow(std::array<std::string, kLayoutLimit>& names,
                  std::array<bool, kLayoutLimit>& used, const std::string& label) {
  for (std::size_t i = 0; i < names.size(); ++i)
    if (used[i] && names[i] == label) return static_cast<int>(i) + 1;
  for (std::size_t i = 0; i < names.size(); ++i) {
    if (used[i]) continue;
    used[i] = true;
    names[i] = label;
    return static_cast<int>(i) + 1;
  }
  return 0;
}

std::string LayoutRowLabel(int row, const MdlMenuTyp& menu, const ModellSpeicherTyp* mem,
                           int version) {
  const MemApplMapTyp& def = ParamDef(row);
  const std::string full = ExpandedParameterName(def.address, ParameterFirstBit(def),
                                                 menu.PerChannel != 0, mem, version);
  std::string_view rest = full;
  for (int i = 0; i < 2; ++i) {
    const std::size_t slash = rest.find('\\');
    rest = slash == std::string_view::npos ? std::string_view{} : rest.substr(slash + 1);
  }
  std::string label(StripLabel(rest));
  if (def.menu2 == menu.Id) {
    const MdlMenuTyp* own = FindMenu(def.menu);
    label = std::string(own ? own->Code : "") + " " + label;
  }
  return label;
}

StringGridInfoTyp BuildLayout(const MdlMenuTyp& menu, const ModellSpeicherTyp* mem, int version,
                              GridOptions options) {
  StringGridInfoTyp g;
  const bool perFlight = menu.PerFlightCondition != 0;
  const bool perChannel = menu.PerChannel != 0;
  const int lastFlight = perFlight ? 4 : 0;
  if (perFlight || options.defaults) ++g.HeaderRows;
  if (perChannel) ++g.HeaderRows;
  const int groups = perChannel ? (menu.Id == kMenuIdRevr ? 9 : 8) : 1;

  int next = 0;  // columns taken so far
  auto take = [&](int channel, int flight) {
    if (next < kLayoutLimit) g.columns_[static_cast<std::size_t>(next++)] = {channel, flight};
  };
  for (int group = 1; group <= groups; ++group) {
    for (int f = 0; f <= lastFlight; ++f) {
      if (!options.allConditions && !ConditionInUse(f, mem)) continue;
      take(perChannel ? group : -1, perFlight || options.defaults ? f : -1);
    }
    if (options.defaults) take(perChannel ? group : -1, kDefaultCondition);
  }

  // The first column (used or not) that a value of channel/flight may take; 0 when all are full.
  auto columnFor = [&](int channel, int flight, bool compareChannel) {
    for (int c = 1; c <= kLayoutLimit; ++c) {
      const LayoutColumn& col = g.Column(c);
      if ((!compareChannel || col.Channel == channel || col.Channel == -1) &&
          (col.Flight == flight || col.Flight == -1))
        return c;
    }
    return 0;
  };

  for (int k : BuildMenuParamList(menu.Id, mem, version)) {
    const MemApplMapTyp& def = ParamDef(k);
    const int a = def.address;
    const int bit = ParameterFirstBit(def);
    const std::string label = LayoutRowLabel(k, menu, mem, version);

    const int r = TakeLayoutRow(g.rowNames_, g.rowUsed_, label);
    if (r == 0) continue;  // more than 60 labels: beyond what the table holds
    auto& row = g.cells_[StringGridInfoTyp::Index(r)];

    const int ch = ChannelOfParameter(a, bit, mem, version);
    const int channel = ch < 0 ? 1 : ch;
    const bool perCondition = IsConditionAddress(a);
    for (int f = 0; f <= lastFlight; ++f) {
      const int c = columnFor(channel, f, true);
      if (c == 0) continue;
      row[StringGridInfoTyp::Index(c)] = {perCondition ? ConditionAddress(a, f) : a, bit};
      if (!perCondition) break;
    }
    if (options.defaults) {
      const int c = columnFor(channel, kDefaultCondition, perChannel);
      if (c != 0) row[StringGridInfoTyp::Index(c)] = {a + kDefaultMarker, bit};
    }
  }

  g.ColCount = 1;
  for (int c = 1; c <= kLayoutLimit; ++c)
    if (g.Column(c).used()) g.ColCount = c;
  g.RowCount = 1;
  for (int r = 1; r <= kLayoutLimit; ++r)
    if (g.RowUsed(r)) g.RowCount = r;
  return g;
}

}  // namespace core
