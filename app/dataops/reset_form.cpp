#include "app/dataops/reset_form.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QStatusBar>
#include <QTimer>
#include <QVBoxLayout>

#include "app/dataops/function_boxes.h"
#include "app/mainform.h"
#include "core/dataops/reset.h"
#include "core/model/access.h"
#include "core/model/names.h"

namespace app {

namespace {

constexpr const char* kBoxNames[] = {"FlightNormalCheckBox", "Flight1CheckBox", "Flight2CheckBox",
                                     "Flight3CheckBox", "Flight4CheckBox"};
constexpr const char* kInitialCaptions[] = {"NORMAL", "FLIGHT1", "FLIGHT2", "FLIGHT3", "FLIGHT4"};

}  // namespace

TResetForm::TResetForm(TMainForm& form)
    : DataDialog(form, "ResetForm", "Daten rücksetzen", "ResetFormTimer") {
  auto* conditions = new QGroupBox("Flugzustände", this);
  conditions->setObjectName("FlugzustaendeGroupBox");
  auto* conditionLayout = new QVBoxLayout(conditions);
  for (int c = 0; c < core::kConditionCount; ++c) {
    auto* box = new QCheckBox(kInitialCaptions[c], conditions);
    box->setObjectName(kBoxNames[c]);
    box->setChecked(true);
    conditionLayout->addWidget(box);
    conditions_[static_cast<std::size_t>(c)] = box;
  }
  conditionLayout->addStretch(1);

  auto* reset = new QPushButton("&Reset", this);
  reset->setObjectName("ResetButton");
  auto* left = new QVBoxLayout;
  left->addWidget(conditions);
  LayOut(left, reset);
  connect(reset, &QPushButton::clicked, this, &TResetForm::ResetButtonClick);
}

void TResetForm::FormShow() {
  BeginFormShow();
  const core::ModellSpeicherTyp* active = form_.Store().GetActive();
  if (active)
    for (int c = 0; c < core::kConditionCount; ++c)
      conditions_[static_cast<std::size_t>(c)]->setText(
          QString::fromStdString(core::ConditionName(c, active)));
  functions_->Fill(core::ModelTypeMask(active), form_.TransmitterVersion(),
                   SelectedSubMenuTab(form_));
}

void TResetForm::ResetButtonClick() {
  core::ModellSpeicherTyp* active = form_.Store().GetActive();
  if (active == nullptr) return;
  const core::DataSelection selection = CheckedSelection(conditions_);
  const int version = form_.TransmitterVersion();
  const bool changed = form_.ChangeImage(*active, [&](core::ModellSpeicherTyp& record) {
    return core::ResetMenus(record, selection, version);
  });
  status_->Show(changed ? "OK!" : "Keine Daten geändert!");
}

}  // namespace app
