// The read-only editor commands: the tab rows and a menu's grid as the window shows them.

#include <cstdio>
#include <optional>
#include <string>

#include "core/editor/gridfill.h"
#include "core/editor/menutab.h"
#include "core/editor/tabrow.h"
#include "core/store/model_memory.h"
#include "core/util/files.h"
#include "tools/cli/commands.h"

namespace cli {

namespace {

int Fail(const std::string& message, int code = 1) {
  std::fprintf(stderr, "veltrano-cli: %s\n", message.c_str());
  return code;
}

struct EditorArgs {
  Args positional;
  int version = 32;
  core::GridOptions options;
  std::string error;
};

EditorArgs Parse(const Args& args, bool gridOptions) {
  EditorArgs p;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& a = args[i];
    if (a == "--version") {
      if (i + 1 >= args.size()) {
        p.error = "option --version needs a value";
        return p;
      }
      const std::string& v = args[++i];
      if (v != "30" && v != "31" && v != "32") {
        p.error = "unknown version '" + v + "' (30, 31 or 32)";
        return p;
      }
      p.version = std::stoi(v);
    } else if (gridOptions && a == "--all-conditions") {
      p.options.allConditions = true;
    } else if (gridOptions && a == "--defaults") {
      p.options.defaults = true;
    } else if (a.size() > 2 && a.compare(0, 2, "--") == 0) {
      p.error = "unknown option " + a;
      return p;
    } else {
      p.positional.push_back(a);
    }
  }
  return p;
}

int Flush(const std::string& text) {
  if (std::fwrite(text.data(), 1, text.size(), stdout) != text.size() || std::fflush(stdout) != 0)
    return Fail("cannot write to standard output");
  return 0;
}

}  // namespace

int CmdMenus(const Args& args) {
  const EditorArgs p = Parse(args, false);
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
  const EditorArgs p = Parse(args, true);
  if (!p.error.empty()) return Fail(p.error);
  if (p.positional.size() != 2)
    return Fail("usage: grid FILE CODE [--version 30|31|32] [--all-conditions] [--defaults]");
  const std::string& code = p.positional[1];
  if (core::FindMenuByCode(code) == nullptr)
    return Fail("unknown menu code '" + code + "' (for example ATV, PMX1, MxVR)", 2);
  core::ModellSpeicherTyp record;
  std::string error;
  if (!LoadMemoryFile(record, p.positional[0], error)) return Fail(error);

  const core::GridFill g = core::FillGrid(code, &record, p.version, p.options);
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
