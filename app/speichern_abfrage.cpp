#include "app/speichern_abfrage.h"

#include <QCloseEvent>
#include <QEventLoop>
#include <QHBoxLayout>
#include <QKeyEvent>
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
    : QDialog(mainWindow, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint) {
  setObjectName("SpeichernAbfrageForm");
  setWindowTitle("Modelldaten sichern");
  // Modal for the whole application, so no second save of all can start while this one asks.
  setWindowModality(Qt::ApplicationModal);

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

QPushButton* TSpeichernAbfrageForm::AddButton(const char* name, const QString& caption,
                                              core::SaveAnswer answer) {
  auto* b = new QPushButton(caption, this);
  b->setObjectName(name);
  b->setAutoDefault(false);
  connect(b, &QPushButton::clicked, this, [this, answer] { Choose(answer); });
  return b;
}

core::SaveAnswer TSpeichernAbfrageForm::Ask(const core::SaveQuery& query) {
  answer_ = core::kAnswerPending;
  const bool several = query.unsavedCount >= 2;
  allesSpeichern_->setEnabled(several);
  keinenSpeichern_->setEnabled(several);
  abbrechen_->setVisible(query.closing);
  setFixedSize(kWidth, query.closing ? kHeightClosing : kHeightSaving);
  label1_->setText(QString::fromStdString(core::UpperAscii(query.baseName)));
  label2_->setText("erstellt am " + QString::fromStdString(query.dateText));
  if (QWidget* main = parentWidget()) {
    const QRect frame = main->frameGeometry();
    move(frame.left() + 40, frame.top() + 40);
  }
  speichern_->setFocus();

  // A local loop keeps every timer of the program running while the question waits.
  QEventLoop loop;
  connect(this, &TSpeichernAbfrageForm::Answered, &loop, &QEventLoop::quit);
  show();
  raise();
  activateWindow();
  if (answer_ == core::kAnswerPending) loop.exec();
  return answer_;
}

void TSpeichernAbfrageForm::Choose(core::SaveAnswer answer) {
  if (answer_ != core::kAnswerPending) return;
  answer_ = answer;
  hide();
  emit Answered(answer);
}

void TSpeichernAbfrageForm::closeEvent(QCloseEvent* event) {
  // Only the buttons answer.
  if (answer_ == core::kAnswerPending)
    event->ignore();
  else
    event->accept();
}

void TSpeichernAbfrageForm::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_Escape) {
    event->accept();
    return;
  }
  QDialog::keyPressEvent(event);
}

void TSpeichernAbfrageForm::reject() {}

}  // namespace app
