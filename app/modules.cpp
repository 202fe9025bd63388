#include "modules.h"

#include "mainform.h"
#include "speichern_abfrage.h"

namespace app {

void InstallModules(TMainForm& /*form*/) {
  // Each module adds one line here, for example link::Install(form).
}

void CreateModuleDialogs(TMainForm& form) {
  // Port selection dialog (TComNrForm) comes first, once the link brings it.
  form.SetSaveQueryForm(new TSpeichernAbfrageForm(&form));
  // Then the new-memory, copy, history, preview and reset dialogs as they arrive.
}

}  // namespace app
