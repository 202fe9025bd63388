#include "tools/cli/print_pdf.h"

#include <QGuiApplication>
#include <cstdlib>
#include <memory>

#include "app/print/print_render.h"

namespace cli {

std::string WritePagesPdf(const std::string& path, const core::PrintLayout& layout,
                          const core::ModellSpeicherTyp& record, int version) {
  // Fonts need a GUI application; where there is no display the offscreen platform serves.
  std::unique_ptr<QGuiApplication> app;
  if (QGuiApplication::instance() == nullptr) {
    if (std::getenv("DISPLAY") == nullptr && std::getenv("WAYLAND_DISPLAY") == nullptr)
      setenv("QT_QPA_PLATFORM", "offscreen", 0);
    static int argc = 1;
    static char name[] = "veltrano-cli";
    static char* argv[] = {name, nullptr};
    app = std::make_unique<QGuiApplication>(argc, argv);
  }
  const QString error = app::WritePrintPdf(QString::fromStdString(path), layout, &record, version);
  return error.toStdString();
}

}  // namespace cli
