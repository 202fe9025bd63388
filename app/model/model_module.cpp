#include "app/model/model_module.h"

#include <QAction>

#include "app/model/default_form.h"
#include "app/mainform.h"
#include "core/model/defaults.h"
#include "core/model/valuelist.h"
#include "core/util/files.h"

namespace app {

ModelModule::ModelModule(TMainForm& form) : QObject(&form), form_(form) {
  setObjectName("ModelModule");
}

ModelModule* ModelModule::Install(TMainForm& form) {
  auto* m = new ModelModule(form);
  form.AddStep(Step::StartModules, [] { core::BuildValueLists(); });
  QAction* neu = form.Action(Cmd::FktNeu);
  neu->setEnabled(true);
  connect(neu, &QAction::triggered, m, [m] {
    if (!m->defaultForm_) m->CreateDefaultForm();
    m->defaultForm_->ShowDialog();
  });
  connect(form.Action(Cmd::FktDefaultDaten), &QAction::triggered, m, [m] { m->WriteDefaultData(); });
  connect(form.Action(Cmd::FktFormelnPruefen), &QAction::triggered, m,
          [m] { m->WriteFormulaCheckFile(); });
  return m;
}

void ModelModule::CreateDefaultForm() {
  if (!defaultForm_) defaultForm_ = new TDefaultForm(form_);
}

// The developer files go to the model memory directory, where a user finds them; an empty
// directory means the working directory.
std::string ModelModule::DeveloperFilePath(const char* name) const {
  return form_.Store().GetModelMemoryDir() + name;
}

std::string ModelModule::WriteDefaultData() {
  const core::ModellSpeicherTyp* active = form_.Store().GetActive();
  if (!active) return {};
  const std::string path = DeveloperFilePath("DefaultDaten.pas");
  return core::WriteDefaultSource(*active, path) ? path : std::string();
}

std::string ModelModule::WriteFormulaCheckFile() {
  const std::string path = DeveloperFilePath("Formel.txt");
  return core::WriteFormulaCheck(form_.Store().GetActive(), path) ? path : std::string();
}

}  // namespace app
