#include <QApplication>
#include <QDir>

#include "app/application.h"
#include "app/mainform.h"
#include "app/modules.h"
#include "app/qt_german.h"
#include "platform/settings_backend.h"

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  app::SetUpApplication();
  app::InstallQtGermanTranslations(application);  // the program speaks German, Qt's dialogs too

  platform::QtSettingsBackend registry;
  app::MainFormEnv env;
  env.registry = &registry;
  env.textStoreCandidates = platform::TextStoreCandidates();
  env.workingDir = platform::ToPath(QDir::currentPath());
  env.exeDir = platform::ToPath(QApplication::applicationDirPath());

  int result = 0;
  {
    app::TMainForm form(env);
    app::InstallModules(form);
    form.FormCreate();
    app::CreateModuleDialogs(form);
    form.show();
    result = QApplication::exec();
  }  // destruction writes the settings
  return result;
}
