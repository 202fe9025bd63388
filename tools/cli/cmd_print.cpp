#include <optional>
#include <string>

#include "core/print/print_menus.h"
#include "core/print/print_pages.h"
#include "core/store/model_memory.h"
#include "core/util/files.h"
#include "tools/cli/command_line.h"
#ifdef VELTRANO_CLI_PDF
#include "tools/cli/print_pdf.h"
#endif

namespace cli {

int CmdPrint(const Args& args) {
  const CommandLine line = ParseCommandLine(args, {"--menus", "--version", "--pdf"}, {"--layout"});
  if (!line.error.empty()) return Fail(line.error);
  if (line.positional.size() != 1)
    return Fail(
        "usage: print FILE.fc [--menus CODES|all|changed] [--version 30|31|32] [--layout] "
        "[--pdf OUT.pdf]");
  const int version = line.version;
  const std::optional<std::string> pdf = line.Value("--pdf");
  core::ModellSpeicherTyp record;
  std::string error;
  if (!LoadMemoryFile(record, line.positional[0], error)) return Fail(error);

  std::string bad;
  const auto codes =
      core::ParsePrintMenus(line.Value("--menus").value_or("all"), &record, version, &bad);
  if (!codes) return Fail("menu '" + bad + "' is not offered for this memory", 2);
  core::PrintLayout layout;
  layout.BuildPrintPages(&record, version, [&](std::string_view code) {
    for (const std::string& c : *codes)
      if (c == code) return true;
    return false;
  });

  if (pdf) {
#ifdef VELTRANO_CLI_PDF
    if (const std::string why = WritePagesPdf(*pdf, layout, record, version); !why.empty())
      return Fail("cannot write '" + *pdf + "': " + why);
#else
    return Fail("--pdf needs a build with the Qt layers (VELTRANO_GUI)");
#endif
  }
  return Flush(line.Has("--layout") ? core::FormatPrintLayout(layout)
               : pdf                ? std::string()
                                    : std::to_string(layout.PageCount()) + " Seiten\n");
}

}  // namespace cli
