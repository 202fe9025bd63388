#include <cstdio>
#include <optional>
#include <string>

#include "core/print/print_menus.h"
#include "core/print/print_pages.h"
#include "core/store/model_memory.h"
#include "core/util/files.h"
#include "tools/cli/commands.h"
#ifdef VELTRANO_CLI_PDF
#include "tools/cli/print_pdf.h"
#endif

namespace cli {

namespace {

constexpr char kUsage[] =
    "usage: print FILE.fc [--menus CODES|all|changed] [--version 30|31|32] [--layout] [--pdf OUT.pdf]";

int Fail(int code, const std::string& message) {
  std::fprintf(stderr, "veltrano-cli: %s\n", message.c_str());
  return code;
}

struct PrintArgs {
  std::string file;
  std::string menus = "all";
  int version = 32;
  bool layout = false;
  std::optional<std::string> pdf;
};

// Empty on success, else the error.
std::string ParseArgs(const Args& args, PrintArgs& out) {
  bool haveFile = false;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& a = args[i];
    const bool takesValue = a == "--menus" || a == "--version" || a == "--pdf";
    if (takesValue && i + 1 >= args.size()) return "option " + a + " needs a value";
    if (a == "--menus") {
      out.menus = args[++i];
    } else if (a == "--version") {
      const std::string& v = args[++i];
      if (v != "30" && v != "31" && v != "32") return "unknown version '" + v + "' (30, 31 or 32)";
      out.version = std::stoi(v);
    } else if (a == "--pdf") {
      out.pdf = args[++i];
    } else if (a == "--layout") {
      out.layout = true;
    } else if (a.size() > 2 && a.compare(0, 2, "--") == 0) {
      return "unknown option " + a;
    } else if (!haveFile) {
      out.file = a;
      haveFile = true;
    } else {
      return kUsage;
    }
  }
  return haveFile ? "" : kUsage;
}

}  // namespace

int CmdPrint(const Args& args) {
  PrintArgs a;
  if (const std::string error = ParseArgs(args, a); !error.empty()) return Fail(1, error);
  core::ModellSpeicherTyp record;
  if (!core::FileExists(a.file)) return Fail(1, "cannot read '" + a.file + "'");
  if (!core::LoadModelMemory(record, a.file))
    return Fail(1, "'" + a.file + "' is no model memory file (header FC2830, at most 2048 data bytes)");

  std::string bad;
  const auto codes = core::ParsePrintMenus(a.menus, &record, a.version, &bad);
  if (!codes) return Fail(2, "menu '" + bad + "' is not offered for this memory");
  core::PrintLayout layout;
  layout.BuildPrintPages(&record, a.version, [&](std::string_view code) {
    for (const std::string& c : *codes)
      if (c == code) return true;
    return false;
  });

  if (a.pdf) {
#ifdef VELTRANO_CLI_PDF
    if (const std::string error = WritePagesPdf(*a.pdf, layout, record, a.version); !error.empty())
      return Fail(1, "cannot write '" + *a.pdf + "': " + error);
#else
    return Fail(1, "--pdf needs a build with the Qt layers (VELTRANO_GUI)");
#endif
  }
  std::string text = a.layout ? core::FormatPrintLayout(layout)
                     : a.pdf  ? std::string()
                              : std::to_string(layout.PageCount()) + " Seiten\n";
  if (std::fwrite(text.data(), 1, text.size(), stdout) != text.size() || std::fflush(stdout) != 0)
    return Fail(1, "cannot write to standard output");
  return 0;
}

}  // namespace cli
