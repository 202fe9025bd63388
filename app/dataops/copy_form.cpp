#include "app/dataops/copy_form.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QRadioButton>
#include <QStatusBar>
#include <QTimer>
#include <QVBoxLayout>

#include "app/dataops/function_boxes.h"
#include "app/mainform.h"
#include "core/dataops/copy.h"
#include "core/model/access.h"
#include "core/model/names.h"
#include "core/util/files.h"

namespace app {

namespace {

constexpr const char* kConditionNames[] = {"FlightNormal", "Flight1", "Flight2", "Flight3",
                                           "Flight4"};

QString MemoryName(const core::ModellSpeicherTyp* m, bool enabled) {
  return enabled && m ? QString::fromStdString(core::BaseNameOf(core::FileNameOf(m->fileName)))
                      : "...";
}

}  // namespace

TCopyForm::TCopyForm(TMainForm& form)
    : DataDialog(form, "CopyForm", "Daten kopieren", "CopyFormTimer") {
  auto* memories = new QGroupBox("Modellspeicher", this);
  memories->setObjectName("ModellspeicherGroupBox");
  quelleAkt_ = new QRadioButton("von ...", memories);
  quelleAkt_->setObjectName("QuelleAktRadioButton");
  quelleLast_ = new QRadioButton("von ...", memories);
  quelleLast_->setObjectName("QuelleLastRadioButton");
  zielAkt_ = new QCheckBox("nach ...", memories);
  zielAkt_->setObjectName("ZielAktCheckBox");
  zielLast_ = new QCheckBox("nach ...", memories);
  zielLast_->setObjectName("ZielLastCheckBox");
  quelleAkt_->setChecked(true);
  zielAkt_->setChecked(true);
  auto* memoryLayout = new QGridLayout(memories);
  memoryLayout->addWidget(quelleAkt_, 0, 0);
  memoryLayout->addWidget(quelleLast_, 1, 0);
  memoryLayout->addWidget(zielAkt_, 0, 1);
  memoryLayout->addWidget(zielLast_, 1, 1);

  auto* conditions = new QGroupBox("Flugzustände", this);
  conditions->setObjectName("FlugzustaendeGroupBox");
  auto* conditionLayout = new QGridLayout(conditions);
  for (int c = 0; c < core::kConditionCount; ++c) {
    auto* from = new QRadioButton("von ...", conditions);
    from->setObjectName(QString(kConditionNames[c]) + "RadioButton");
    auto* to = new QCheckBox("nach ...", conditions);
    to->setObjectName(QString(kConditionNames[c]) + "CheckBox");
    conditionLayout->addWidget(from, c, 0);
    conditionLayout->addWidget(to, c, 1);
    sourceConditions_[static_cast<std::size_t>(c)] = from;
    targetConditions_[static_cast<std::size_t>(c)] = to;
  }
  sourceConditions_[0]->setChecked(true);
  targetConditions_[1]->setChecked(true);

  auto* kopieren = new QPushButton("&Kopieren", this);
  kopieren->setObjectName("KopierenButton");
  auto* left = new QVBoxLayout;
  left->addWidget(memories);
  left->addWidget(conditions);
  left->addStretch(1);
  LayOut(left, kopieren);
  connect(kopieren, &QPushButton::clicked, this, &TCopyForm::KopierenButtonClick);
}

void TCopyForm::FormShow() {
  BeginFormShow();
  const core::ModellSpeicherTyp* active = form_.Store().GetActive();
  const core::ModellSpeicherTyp* previous = form_.Store().GetPrevious();
  const bool last = previous != nullptr, akt = active != nullptr;
  if (!last) {
    quelleLast_->setChecked(false);
    zielLast_->setChecked(false);
    quelleAkt_->setChecked(true);
    zielAkt_->setChecked(true);
  }
  quelleLast_->setEnabled(last);
  zielLast_->setEnabled(last);
  if (!akt) {
    quelleAkt_->setChecked(false);
    zielAkt_->setChecked(false);
    quelleLast_->setChecked(true);
    zielLast_->setChecked(true);
  }
  quelleAkt_->setEnabled(akt);
  zielAkt_->setEnabled(akt);
  const QString aktName = MemoryName(active, quelleAkt_->isEnabled());
  const QString lastName = MemoryName(previous, quelleLast_->isEnabled());
  quelleAkt_->setText("von " + aktName);
  zielAkt_->setText("nach " + aktName);
  quelleLast_->setText("von " + lastName);
  zielLast_->setText("nach " + lastName);

  const core::ModellSpeicherTyp* source = quelleAkt_->isChecked() ? active : previous;
  const core::ModellSpeicherTyp* target = zielAkt_->isChecked() ? active : previous;
  for (int c = 0; c < core::kConditionCount; ++c) {
    if (source)
      sourceConditions_[static_cast<std::size_t>(c)]->setText(
          "von " + QString::fromStdString(core::ConditionName(c, source)));
    if (target)
      targetConditions_[static_cast<std::size_t>(c)]->setText(
          "nach " + QString::fromStdString(core::ConditionName(c, target)));
  }
  functions_->Fill(core::CopyTypeMask(source, target), form_.TransmitterVersion(),
                   SelectedSubMenuTab(form_));
}

void TCopyForm::KopierenButtonClick() {
  core::ModellSpeicherTyp* active = form_.Store().GetActive();
  core::ModellSpeicherTyp* previous = form_.Store().GetPrevious();
  const core::ModellSpeicherTyp* source = quelleAkt_->isChecked() ? active : previous;
  if (source == nullptr) return;
  int sourceCondition = 0;
  for (int c = 1; c < core::kConditionCount; ++c)
    if (sourceConditions_[static_cast<std::size_t>(c)]->isChecked()) sourceCondition = c;
  const core::DataSelection selection = CheckedSelection(targetConditions_);

  const int version = form_.TransmitterVersion();
  bool changed = false;
  // Each target takes both passes as one undo step of its own.
  for (core::ModellSpeicherTyp* target :
       {zielAkt_->isChecked() ? active : nullptr, zielLast_->isChecked() ? previous : nullptr}) {
    if (target == nullptr) continue;
    changed |= form_.ChangeImage(*target, [&](core::ModellSpeicherTyp& record) {
      return core::CopyMenus(*source, sourceCondition, record, selection, version);
    });
  }
  status_->Show(changed ? "OK!" : "Keine Daten geändert!");
}

}  // namespace app
