#include "app/question_dialog.h"

#include <QCloseEvent>
#include <QEventLoop>
#include <QKeyEvent>
#include <QPushButton>

namespace app {

QuestionDialog::QuestionDialog(QWidget* mainWindow, const char* name, const QString& title)
    : QDialog(mainWindow, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint) {
  setObjectName(name);
  setWindowTitle(title);
  // Modal for the whole application, so no second save of all can start while one asks.
  setWindowModality(Qt::ApplicationModal);
}

QPushButton* QuestionDialog::AddButton(const char* name, const QString& caption, int answer) {
  auto* b = new QPushButton(caption, this);
  b->setObjectName(name);
  b->setAutoDefault(false);
  connect(b, &QPushButton::clicked, this, [this, answer] { Choose(answer); });
  return b;
}

int QuestionDialog::AskAndWait() {
  if (QWidget* main = parentWidget()) {
    const QRect frame = main->frameGeometry();
    move(frame.left() + 40, frame.top() + 40);
  }
  asking_ = true;
  // A local loop keeps every timer of the program running while the question waits.
  QEventLoop loop;
  connect(this, &QuestionDialog::Answered, &loop, &QEventLoop::quit);
  show();
  raise();
  activateWindow();
  if (asking_) loop.exec();
  return answer_;
}

void QuestionDialog::Choose(int answer) {
  if (!asking_) return;
  asking_ = false;
  answer_ = answer;
  hide();
  emit Answered(answer);
}

void QuestionDialog::closeEvent(QCloseEvent* event) {
  if (asking_)
    event->ignore();
  else
    event->accept();
}

void QuestionDialog::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_Escape) {
    event->accept();
    return;
  }
  QDialog::keyPressEvent(event);
}

void QuestionDialog::reject() {}

}  // namespace app
