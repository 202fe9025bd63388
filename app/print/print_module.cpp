#include "app/print/print_module.h"

#include <QAction>
#include <QPushButton>

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
  // The editor's "Druck" beside the menu title (the preview has a "DruckButton" of its own).
  for (QPushButton* druck : form_.findChildren<QPushButton*>(QStringLiteral("DruckButton"))) {
    if (druck->window() != &form_ || druck->property("opensPreview").toBool()) continue;
    druck->setProperty("opensPreview", true);
    connect(druck, &QPushButton::clicked, this, &PrintModule::OpenPreview);
    connect(&form_, &TMainForm::ActiveMemoryChanged, druck,
            [this, druck] { druck->setEnabled(form_.Store().GetActive() != nullptr); });
    druck->setEnabled(form_.Store().GetActive() != nullptr);
  }
}

void PrintModule::OpenPreview() {
  if (form_.Store().GetActive() == nullptr) return;
  CreatePreviewForm();
  preview_->OpenPreview(menuOnScreen_);
}

}  // namespace app
