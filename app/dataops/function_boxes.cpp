#include "app/dataops/function_boxes.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QPushButton>
#include <QStatusBar>
#include <QTabBar>
#include <QTimer>

#include "app/mainform.h"
#include "core/editor/menutab.h"

namespace app {

FunctionBoxes::FunctionBoxes(QWidget* parent) : QGroupBox("Funktionen", parent) {
  setObjectName("FunktionenGroupBox");
  auto* grid = new QGridLayout(this);
  for (int i = 0; i < core::kFunctionBoxCount; ++i) {
    auto* box = new QCheckBox("...", this);
    box->setObjectName(QString("CheckBox%1").arg(i + 1));
    grid->addWidget(box, i % 12, i / 12);
    boxes_[static_cast<std::size_t>(i)] = box;
  }
  auto* markAll = new QPushButton("alle markieren", this);
  markAll->setObjectName("MarkAllButton");
  auto* markNone = new QPushButton("keine markieren", this);
  markNone->setObjectName("MarkNoneButton");
  grid->addWidget(markAll, 12, 0);
  grid->addWidget(markNone, 12, 1);
  connect(markAll, &QPushButton::clicked, this, &FunctionBoxes::MarkAllButtonClick);
  connect(markNone, &QPushButton::clicked, this, &FunctionBoxes::MarkNoneButtonClick);
}

void FunctionBoxes::Fill(int typeMask, int version, const QString& selectedTab) {
  const core::FunctionBoxes fill = core::FillFunctionBoxes(typeMask, version);
  for (int i = 0; i < core::kFunctionBoxCount; ++i) {
    QCheckBox* box = boxes_[static_cast<std::size_t>(i)];
    box->setText(QString::fromStdString(fill.captions[static_cast<std::size_t>(i)]));
    box->setHidden(i >= fill.visible);
    box->setChecked(box->text() == selectedTab);
  }
}

void FunctionBoxes::MarkAllButtonClick() {
  for (QCheckBox* box : boxes_) box->setChecked(!box->isHidden());
}

void FunctionBoxes::MarkNoneButtonClick() {
  for (QCheckBox* box : boxes_) box->setChecked(false);
}

std::vector<int> FunctionBoxes::CheckedMenus() const {
  std::vector<int> ids;
  for (QCheckBox* box : boxes_) {
    if (!box->isChecked() || box->isHidden()) continue;
    if (const core::MdlMenuTyp* m = core::FindMenuByCode(box->text().toStdString()))
      ids.push_back(m->Id);
  }
  return ids;
}

QString SelectedSubMenuTab(const TMainForm& form) {
  const auto* tabs = form.findChild<QTabBar*>("SubMenuTabControl");
  if (tabs == nullptr || tabs->currentIndex() < 0) return {};
  return tabs->tabText(tabs->currentIndex());
}

StatusCounter::StatusCounter(QStatusBar* bar, QTimer* timer) : QObject(bar), bar_(bar) {
  timer->setInterval(1000);
  connect(timer, &QTimer::timeout, this, &StatusCounter::Tick);
  timer->start();
}

void StatusCounter::Show(const QString& text) {
  bar_->showMessage(text);
  counter_ = 0;
}

void StatusCounter::Reset() {
  counter_ = 10;
  bar_->clearMessage();
}

void StatusCounter::Tick() {
  if (counter_ >= 10) return;
  if (++counter_ == 4) bar_->clearMessage();
}

}  // namespace app
