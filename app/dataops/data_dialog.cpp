#include "app/dataops/data_dialog.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QStatusBar>
#include <QTimer>
#include <QVBoxLayout>

#include "app/dataops/function_boxes.h"
#include "app/mainform.h"

namespace app {

DataDialog::DataDialog(TMainForm& form, const char* objectName, const QString& title,
                       const char* timerName)
    : QDialog(&form), form_(form) {
  setObjectName(objectName);
  setWindowTitle(title);
  setModal(false);
  functions_ = new FunctionBoxes(this);
  statusBar_ = new QStatusBar(this);
  statusBar_->setObjectName("CopyFormStatusBar");
  statusBar_->setSizeGripEnabled(false);
  timer_ = new QTimer(this);
  timer_->setObjectName(timerName);
  status_ = new StatusCounter(statusBar_, timer_);
}

void DataDialog::LayOut(QLayout* left, QPushButton* action) {
  auto* fertig = new QPushButton("&Fertig", this);
  fertig->setObjectName("FertigButton");
  auto* top = new QHBoxLayout;
  top->addLayout(left);
  top->addWidget(functions_, 1);
  auto* bottom = new QHBoxLayout;
  bottom->addStretch(1);
  bottom->addWidget(action);
  bottom->addWidget(fertig);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(top, 1);
  layout->addLayout(bottom);
  layout->addWidget(statusBar_);
  connect(fertig, &QPushButton::clicked, this, &QDialog::hide);
}

void DataDialog::ShowDialog() {
  move(form_.pos() + QPoint(100, 50));
  show();
  raise();
  activateWindow();
}

void DataDialog::BeginFormShow() {
  status_->Reset();
  move(form_.pos() + QPoint(100, 50));
}

void DataDialog::showEvent(QShowEvent* event) {
  FormShow();
  QDialog::showEvent(event);
}

core::DataSelection DataDialog::CheckedSelection(
    const std::array<QCheckBox*, core::kConditionCount>& conditions) const {
  core::DataSelection selection;
  for (int c = 0; c < core::kConditionCount; ++c)
    selection.conditions[static_cast<std::size_t>(c)] =
        conditions[static_cast<std::size_t>(c)]->isChecked();
  selection.menuIds = functions_->CheckedMenus();
  return selection;
}

}  // namespace app
