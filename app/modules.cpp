#include "app/modules.h"

#include <QAction>

#include "app/editor/editor_module.h"
#include "app/explain/explain_module.h"
#include "app/link/link_module.h"
#include "app/model/model_module.h"
#include "app/history_form.h"
#include "app/mainform.h"
#include "app/speichern_abfrage.h"

namespace app {

void InstallModules(TMainForm& form) {
  // Each module adds one line here.
  LinkModule::Install(form);
  ModelModule::Install(form);
  EditorModule::Install(form);  // the parameter page's tabs and grid, above the explanations
  // The explanations strip stacks below the editor's panel: it installs after the editor.
  ExplainModule::Install(form);
}

void CreateModuleDialogs(TMainForm& form) {
  // Port selection dialog (TComNrForm) comes first.
  if (auto* link = form.findChild<LinkModule*>()) link->CreateComNrForm();
  form.SetSaveQueryForm(new TSpeichernAbfrageForm(&form));
  if (auto* model = form.findChild<ModelModule*>()) model->CreateDefaultForm();
  // The copy dialog comes here once it exists.
  auto* history = new THistoryForm(&form);
  QAction* show = form.Action(Cmd::FktHistory);
  QObject::connect(show, &QAction::triggered, history, [history] {
    history->show();
    history->raise();
  });
  show->setEnabled(true);
  // Then the print preview and the reset dialog as they arrive.
}

}  // namespace app
