#include "app/dataops/dataops_module.h"

#include <QAction>

#include "app/dataops/copy_form.h"
#include "app/dataops/reset_form.h"
#include "app/mainform.h"

namespace app {

DataOpsModule::DataOpsModule(TMainForm& form) : QObject(&form), form_(form) {
  setObjectName("DataOpsModule");
}

DataOpsModule* DataOpsModule::Install(TMainForm& form) {
  auto* m = new DataOpsModule(form);
  QAction* copy = form.Action(Cmd::FktCopyData);
  copy->setEnabled(true);
  connect(copy, &QAction::triggered, m, [m] {
    m->CreateCopyForm();
    m->copyForm_->ShowDialog();
  });
  QAction* reset = form.Action(Cmd::FktResetData);
  reset->setEnabled(true);
  connect(reset, &QAction::triggered, m, [m] {
    m->CreateResetForm();
    m->resetForm_->ShowDialog();
  });
  return m;
}

void DataOpsModule::CreateCopyForm() {
  if (!copyForm_) copyForm_ = new TCopyForm(form_);
}

void DataOpsModule::CreateResetForm() {
  if (!resetForm_) resetForm_ = new TResetForm(form_);
}

}  // namespace app
