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

TResetForm::TResetForm(TMainForm& form) : QDialog(&form), form_(form) {
  setObjectName("ResetForm");
  setWindowTitle("Daten rücksetzen");
  setModal(false);

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

  functions_ = new FunctionBoxes(this);
  auto* reset = new QPushButton("&Reset", this);
  reset->setObjectName("ResetButton");
  auto* fertig = new QPushButton("&Fertig", this);
  fertig->setObjectName("FertigButton");
  statusBar_ = new QStatusBar(this);
  statusBar_->setObjectName("CopyFormStatusBar");
  statusBar_->setSizeGripEnabled(false);
  timer_ = new QTimer(this);
  timer_->setObjectName("ResetFormTimer");
  status_ = new StatusCounter(statusBar_, timer_);

  auto* top = new QHBoxLayout;
  top->addWidget(conditions);
  top->addWidget(functions_, 1);
  auto* bottom = new QHBoxLayout;
  bottom->addStretch(1);
  bottom->addWidget(reset);
  bottom->addWidget(fertig);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(top, 1);
  layout->addLayout(bottom);
  layout->addWidget(statusBar_);

  connect(reset, &QPushButton::clicked, this, &TResetForm::ResetButtonClick);
  connect(fertig, &QPushButton::clicked, this, &QDialog::hide);
}

void TResetForm::ShowDialog() {
  move(form_.pos() + QPoint(100, 50));
  show();
  raise();
  activateWindow();
}

void TResetForm::showEvent(QShowEvent* event) {
  FormShow();
  QDialog::showEvent(event);
}

void TResetForm::FormShow() {
  status_->Reset();
  move(form_.pos() + QPoint(100, 50));
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
  core::DataSelection selection;
  for (int c = 0; c < core::kConditionCount; ++c)
    selection.conditions[static_cast<std::size_t>(c)] =
        conditions_[static_cast<std::size_t>(c)]->isChecked();
  selection.menuIds = functions_->CheckedMenus();
  const int version = form_.TransmitterVersion();
  const bool changed = form_.ChangeImage(*active, [&](core::ModellSpeicherTyp& record) {
    return core::ResetMenus(record, selection, version);
  });
  status_->Show(changed ? "OK!" : "Keine Daten geändert!");
}

}  // namespace app
