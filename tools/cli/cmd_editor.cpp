// The read-only editor commands: the tab rows and a menu's grid as the window shows them.

#include <cstdio>
#include <string>

#include "core/editor/gridfill.h"
#include "core/editor/menutab.h"
#include "core/editor/tabrow.h"
#include "core/store/model_memory.h"
#include "core/util/files.h"
#include "tools/cli/command_line.h"

namespace cli {

int CmdMenus(const Args& args) {
  const CommandLine p = ParseCommandLine(args, {"--version"});
  if (!p.error.empty()) return Fail(p.error);
  if (p.positional.size() != 1) return Fail("usage: menus FILE [--version 30|31|32]");
  core::ModellSpeicherTyp record;
  std::string error;
  if (!LoadMemoryFile(record, p.positional[0], error)) return Fail(error);
  std::string out;
  for (int mainTab = 0; mainTab < 2; ++mainTab)
    for (const std::string& code :
         core::BuildMenuTabRow(mainTab, &record, p.version, "", 0).captions)
      out += std::string(mainTab == 0 ? "System" : "SMIX") + "\t" + code + "\t" +
             core::MenuTitle(code) + "\n";
  return Flush(out);
}

int CmdGrid(const Args& args) {
  const CommandLine p = ParseCommandLine(args, {"--version"}, {"--all-conditions", "--defaults"});
  if (!p.error.empty()) return Fail(p.error);
  if (p.positional.size() != 2)
    return Fail("usage: grid FILE CODE [--version 30|31|32] [--all-conditions] [--defaults]");
  const std::string& code = p.positional[1];
  if (core::FindMenuByCode(code) == nullptr)
    return Fail("unknown menu code '" + code + "' (for example ATV, PMX1, MxVR)", 2);
  core::ModellSpeicherTyp record;
  std::string error;
  if (!LoadMemoryFile(record, p.positional[0], error)) return Fail(error);

  core::GridOptions options;
  options.allConditions = p.Has("--all-conditions");
  options.defaults = p.Has("--defaults");
  const core::GridFill g = core::FillGrid(code, &record, p.version, options);
  std::string out = "size " + std::to_string(g.cols) + " " + std::to_string(g.rows) + " " +
                    std::to_string(g.fixedCols) + " " + std::to_string(g.fixedRows) + "\nwidths";
  for (int w : g.widths) out += " " + std::to_string(w);
  out += "\n";
  for (int row = 0; row < g.rows; ++row) {
    for (int col = 0; col < g.cols; ++col) out += (col ? "\t" : "") + g.Text(col, row);
    out += "\n";
  }
  for (int row = 0; row < g.rows; ++row) {
    out += "colour ";
    for (int col = 0; col < g.cols; ++col) out += static_cast<char>(g.Look(col, row));
    out += "\n";
  }
  return Flush(out);
}

}  // namespace cli
