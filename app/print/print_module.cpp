#include "app/print/print_module.h"

#include <QAction>

#include "app/mainform.h"
#include "app/print/preview_form.h"
#include "core/store/store.h"

namespace app {

PrintModule* PrintModule::Install(TMainForm& form) { return new PrintModule(form); }

PrintModule::PrintModule(TMainForm& form) : QObject(&form), form_(form) {
  setObjectName(QStringLiteral("PrintModule"));
  QAction* drucken = form.Action(Cmd::FktDrucken);
  connect(drucken, &QAction::triggered, this, &PrintModule::OpenPreview);
  connect(&form, &TMainForm::ActiveMemoryChanged, this,
          [this, drucken] { drucken->setEnabled(form_.Store().GetActive() != nullptr); });
  connect(&form, &TMainForm::ExplanationRequested, this,
          [this](const QString& code) { menuOnScreen_ = code; });
  drucken->setEnabled(form.Store().GetActive() != nullptr);
}

void PrintModule::CreatePreviewForm() {
  if (preview_ == nullptr) preview_ = new TPreviewForm(form_);
}

void PrintModule::OpenPreview() {
  if (form_.Store().GetActive() == nullptr) return;
  CreatePreviewForm();
  preview_->OpenPreview(menuOnScreen_);
}

}  // namespace app
