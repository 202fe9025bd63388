#include "app/speichern_abfrage.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "core/util/text.h"

namespace app {

namespace {
constexpr int kWidth = 430;
constexpr int kHeightClosing = 190;
constexpr int kHeightSaving = 160;
}  // namespace

TSpeichernAbfrageForm::TSpeichernAbfrageForm(QWidget* mainWindow)
    : QuestionDialog(mainWindow, "SpeichernAbfrageForm", "Modelldaten sichern") {
  label1_ = new QLabel(this);
  label1_->setObjectName("SpeichernAbfrageLabel1");
  QFont big = label1_->font();
  big.setBold(true);
  big.setPointSizeF(big.pointSizeF() * 1.3);
  label1_->setFont(big);
  label2_ = new QLabel(this);
  label2_->setObjectName("SpeichernAbfrageLabel2");
  label3_ = new QLabel("wurde noch nicht gespeichert!", this);
  label3_->setObjectName("SpeichernAbfrageLabel3");
  for (QLabel* l : {label1_, label2_, label3_}) {
    l->setTextFormat(Qt::PlainText);
    l->setAlignment(Qt::AlignHCenter);
  }

  speichern_ = AddButton("SpeichernButton", "&Speichern", core::kAnswerSave);
  allesSpeichern_ = AddButton("AllesSpeichernButton", "&Alle speichern", core::kAnswerSaveAll);
  nichtSpeichern_ = AddButton("NichtSpeichernButton", "&Nicht speichern", core::kAnswerSkip);
  keinenSpeichern_ = AddButton("KeinenSpeichernButton", "&Keinen speichern", core::kAnswerSkipAll);
  abbrechen_ = AddButton("AbbrechenButton", "Programm &fortsetzen", core::kAnswerContinue);
  speichern_->setDefault(true);
  speichern_->setAutoDefault(true);

  auto* buttons = new QHBoxLayout;
  for (QPushButton* b : {speichern_, allesSpeichern_, nichtSpeichern_, keinenSpeichern_})
    buttons->addWidget(b);
  auto* lastRow = new QHBoxLayout;
  lastRow->addStretch();
  lastRow->addWidget(abbrechen_);
  lastRow->addStretch();

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(label1_);
  layout->addWidget(label2_);
  layout->addWidget(label3_);
  layout->addStretch();
  layout->addLayout(buttons);
  layout->addLayout(lastRow);
  setFixedSize(kWidth, kHeightSaving);
}

core::SaveAnswer TSpeichernAbfrageForm::Ask(const core::SaveQuery& query) {
  const bool several = query.unsavedCount >= 2;
  allesSpeichern_->setEnabled(several);
  keinenSpeichern_->setEnabled(several);
  abbrechen_->setVisible(query.closing);
  setFixedSize(kWidth, query.closing ? kHeightClosing : kHeightSaving);
  label1_->setText(QString::fromStdString(core::UpperAscii(query.baseName)));
  label2_->setText("erstellt am " + QString::fromStdString(query.dateText));
  speichern_->setFocus();
  return static_cast<core::SaveAnswer>(AskAndWait());
}

}  // namespace app
