#pragma once

namespace app {

class TMainForm;

/// Lets the modules that live beside the main window (link, model, editor, printing) register
/// their start-up and shutdown steps, painters and commands; runs before FormCreate.
void InstallModules(TMainForm& form);

/// Makes the dialogs that follow the main window, in start-up order (after the port dialog
/// comes the save query dialog); runs after FormCreate. The dialogs live as long as the window.
void CreateModuleDialogs(TMainForm& form);

}  // namespace app
