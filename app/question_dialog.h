#pragma once

#include <QDialog>

class QPushButton;

namespace app {

/// A question only its buttons answer: modal for the whole application while the program's
/// timers keep running, no close button, Escape and the window's close do nothing.
class QuestionDialog : public QDialog {
  Q_OBJECT

 public:
  bool IsAsking() const { return asking_ && isVisible(); }

 signals:
  void Answered(int answer);

 protected:
  QuestionDialog(QWidget* mainWindow, const char* name, const QString& title);

  /// A button that answers with answer.
  QPushButton* AddButton(const char* name, const QString& caption, int answer);
  /// Shows the question 40 pixels right of and below the main window and waits for a button;
  /// its answer.
  int AskAndWait();

  void closeEvent(QCloseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void reject() override;

 private:
  void Choose(int answer);

  bool asking_ = false;
  int answer_ = 0;
};

}  // namespace app
