#include "app/modules.h"

#include <QAction>

#include "app/editor/editor_module.h"
#include "app/explain/explain_module.h"
#include "app/compare/compare_page.h"
#include "app/dataops/dataops_module.h"
#include "app/link/link_module.h"
#include "app/model/model_module.h"
#include "app/print/print_module.h"
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
  ComparePage::Install(form);
  DataOpsModule::Install(form);
  PrintModule::Install(form);
}

void CreateModuleDialogs(TMainForm& form) {
  // Port selection dialog (TComNrForm) comes first.
  if (auto* link = form.findChild<LinkModule*>()) link->CreateComNrForm();
  form.SetSaveQueryForm(new TSpeichernAbfrageForm(&form));
  if (auto* model = form.findChild<ModelModule*>()) model->CreateDefaultForm();
  auto* dataOps = form.findChild<DataOpsModule*>();
  if (dataOps) dataOps->CreateCopyForm();
  auto* history = new THistoryForm(&form);
  QAction* show = form.Action(Cmd::FktHistory);
  QObject::connect(show, &QAction::triggered, history, [history] {
    history->show();
    history->raise();
  });
  show->setEnabled(true);
  if (auto* print = form.findChild<PrintModule*>()) print->CreatePreviewForm();
  if (dataOps) dataOps->CreateResetForm();
}

}  // namespace app
