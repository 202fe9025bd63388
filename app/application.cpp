#include "app/application.h"

#include <QApplication>

namespace app {

void SetUpApplication() {
  QApplication::setApplicationName("Veltrano");
  QApplication::setOrganizationName("Morlind");
  QGuiApplication::setDesktopFileName("veltrano");
  QApplication::setWindowIcon(ProgramIcon());
}

QIcon ProgramIcon() {
  QIcon icon(":/icons/veltrano-48.png");
  icon.addFile(":/icons/veltrano.svg");  // ignored where Qt has no SVG icon engine
  return icon;
}

}  // namespace app
