#include "app/datei_geaendert.h"

#include <QCloseEvent>
#include <QEventLoop>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "core/util/files.h"

namespace app {

TDateiGeaendertForm::TDateiGeaendertForm(QWidget* mainWindow)
    : QDialog(mainWindow, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint) {
  setObjectName("DateiGeaendertForm");
  setWindowTitle("Datei geändert");
  setWindowModality(Qt::ApplicationModal);

  fileLabel_ = new QLabel(this);
  fileLabel_->setObjectName("DateiGeaendertLabel1");
  fileLabel_->setTextFormat(Qt::PlainText);
  QFont bold = fileLabel_->font();
  bold.setBold(true);
  fileLabel_->setFont(bold);
  auto* text = new QLabel(
      "wurde von einem anderen Programm geändert,\n"
      "seit Veltrano die Datei geladen oder gespeichert hat.",
      this);
  text->setObjectName("DateiGeaendertLabel2");
  for (QLabel* l : {fileLabel_, text}) l->setAlignment(Qt::AlignHCenter);

  auto* overwrite =
      AddButton("UeberschreibenButton", "Ü&berschreiben", core::FileChangedAnswer::kOverwrite);
  auto* keep =
      AddButton("AndereBehaltenButton", "Andere Fassung &behalten, unter neuem Namen speichern",
                core::FileChangedAnswer::kKeepOther);
  auto* cancel =
      AddButton("NichtSpeichernButton", "&Nicht speichern", core::FileChangedAnswer::kCancel);
  overwrite->setText("Ü&berschreiben");
  keep->setDefault(true);  // the choice that loses nothing

  auto* buttons = new QHBoxLayout;
  for (QPushButton* b : {overwrite, keep, cancel}) buttons->addWidget(b);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(fileLabel_);
  layout->addWidget(text);
  layout->addStretch();
  layout->addLayout(buttons);
}

QPushButton* TDateiGeaendertForm::AddButton(const char* name, const QString& caption,
                                            core::FileChangedAnswer answer) {
  auto* b = new QPushButton(caption, this);
  b->setObjectName(name);
  b->setAutoDefault(false);
  connect(b, &QPushButton::clicked, this, [this, answer] { Choose(answer); });
  return b;
}

core::FileChangedAnswer TDateiGeaendertForm::Ask(const std::string& path) {
  fileLabel_->setText(QString::fromStdString(core::FileNameOf(path)));
  setToolTip(QString::fromStdString(path));
  if (QWidget* main = parentWidget()) {
    const QRect frame = main->frameGeometry();
    move(frame.left() + 40, frame.top() + 40);
  }
  asking_ = true;
  answer_ = core::FileChangedAnswer::kCancel;
  // As the save query: a local loop keeps every timer running while the question waits.
  QEventLoop loop;
  connect(this, &TDateiGeaendertForm::Answered, &loop, &QEventLoop::quit);
  show();
  raise();
  activateWindow();
  if (asking_) loop.exec();
  return answer_;
}

void TDateiGeaendertForm::Choose(core::FileChangedAnswer answer) {
  if (!asking_) return;
  asking_ = false;
  answer_ = answer;
  hide();
  emit Answered();
}

void TDateiGeaendertForm::closeEvent(QCloseEvent* event) {
  if (asking_)
    event->ignore();
  else
    event->accept();
}

void TDateiGeaendertForm::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_Escape) {
    event->accept();
    return;
  }
  QDialog::keyPressEvent(event);
}

void TDateiGeaendertForm::reject() {}

}  // namespace app
