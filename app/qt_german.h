#pragma once

class QCoreApplication;
class QTranslator;

namespace app {

/// Loads Qt's own German texts (standard buttons, context menus, file dialogs) from the
/// system's Qt translations and installs them; nullptr when they are not there.
QTranslator* InstallQtGermanTranslations(QCoreApplication& application);

}  // namespace app
