#include "modules.h"

#include "app/link/link_module.h"
#include "app/model/model_module.h"
#include "mainform.h"
#include "speichern_abfrage.h"

namespace app {

void InstallModules(TMainForm& form) {
  // Each module adds one line here.
  LinkModule::Install(form);
  ModelModule::Install(form);
}

void CreateModuleDialogs(TMainForm& form) {
  // Port selection dialog (TComNrForm) comes first.
  if (auto* link = form.findChild<LinkModule*>()) link->CreateComNrForm();
  form.SetSaveQueryForm(new TSpeichernAbfrageForm(&form));
  if (auto* model = form.findChild<ModelModule*>()) model->CreateDefaultForm();
  // Then the new-memory, copy, history, preview and reset dialogs as they arrive.
}

}  // namespace app
