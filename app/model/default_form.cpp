#include "app/model/default_form.h"

#include <QComboBox>
#include <QCompleter>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "app/mainform.h"
#include "core/model/model_types.h"

namespace app {

TDefaultForm::TDefaultForm(TMainForm& form) : QDialog(&form), form_(form) {
  setObjectName("DefaultForm");
  setWindowTitle("Neu erstellen ");
  setModal(true);
  auto* panel = new QWidget(this);
  panel->setObjectName("DefaultPanel");
  auto* panelLayout = new QVBoxLayout(panel);

  combo_ = new QComboBox(panel);
  combo_->setObjectName("ModelltypComboBox");
  combo_->setEditable(true);  // the user may type; an unknown text makes a Standard memory
  // Typed text stays as typed: compared exactly, never added as an item, and not completed to
  // an item of another case ("acro" is no ACRO).
  combo_->setInsertPolicy(QComboBox::NoInsert);
  combo_->completer()->setCaseSensitivity(Qt::CaseSensitive);
  for (const core::ModelTypeRow& type : core::kModelTypes) combo_->addItem(type.newMemoryText);
  combo_->setCurrentText("STANDARD");
  // Named by its label: screen readers on Linux read a combo box's own name as its text.
  auto* comboLabel = new QLabel("&Modelltyp:", panel);
  comboLabel->setObjectName("ModelltypComboLabel");
  comboLabel->setBuddy(combo_);
  panelLayout->addWidget(comboLabel);
  panelLayout->addWidget(combo_);

  englisch_ = new QRadioButton("Englisch", panel);
  englisch_->setObjectName("EnglischRadioButton");
  englisch_->setChecked(true);
  deutsch_ = new QRadioButton("Deutsch", panel);
  deutsch_->setObjectName("DeutschRadioButton");
  franzoesisch_ = new QRadioButton("Französisch", panel);
  franzoesisch_->setObjectName("FranzoesischRadioButton");
  for (QRadioButton* r : {englisch_, deutsch_, franzoesisch_}) panelLayout->addWidget(r);

  auto* buttons = new QHBoxLayout;
  auto* ok = new QPushButton("&Ok", panel);
  ok->setObjectName("OkButton");
  ok->setDefault(true);
  auto* abbruch = new QPushButton("&Abbruch", panel);
  abbruch->setObjectName("AbbruchButton");
  buttons->addWidget(ok);
  buttons->addWidget(abbruch);
  panelLayout->addLayout(buttons);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(panel);
  connect(ok, &QPushButton::clicked, this, &TDefaultForm::OkButtonClick);
  connect(abbruch, &QPushButton::clicked, this, &QDialog::reject);
}

void TDefaultForm::ShowDialog() {
  move(form_.pos() + QPoint(100, 50));
  open();
}

core::NewMemoryLanguage TDefaultForm::Language() const {
  if (deutsch_->isChecked()) return core::NewMemoryLanguage::Deutsch;
  if (franzoesisch_->isChecked()) return core::NewMemoryLanguage::Franzoesisch;
  return core::NewMemoryLanguage::Englisch;
}

void TDefaultForm::OkButtonClick() {
  core::CreateDefaultMemory(form_.Store(), combo_->currentText().toStdString(), Language(),
                            form_.TransmitterVersion());
  accept();
}

}  // namespace app
