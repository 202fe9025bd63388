#pragma once

#include <QDialog>

#include "core/store/store_host.h"

class QLabel;
class QPushButton;

namespace app {

/// `TSpeichernAbfrageForm`, "Modelldaten sichern": asks what to do with one unsaved model memory.
/// Modal for the main window while it waits; the application's timers keep running.
/// It closes only through its buttons (no close button, Escape does nothing).
class TSpeichernAbfrageForm : public QDialog {
  Q_OBJECT

 public:
  explicit TSpeichernAbfrageForm(QWidget* mainWindow);

  /// Shows the question 40 pixels right of and below the main window and waits for a button:
  /// 1 "&Speichern", 2 "&Alle speichern", 3 "&Nicht speichern", 4 "&Keinen speichern",
  /// 5 "Programm &fortsetzen" (only offered when closing).
  core::SaveAnswer Ask(const core::SaveQuery& query);
  /// 6 before the first question, 0 while one is open, then the button's answer.
  core::SaveAnswer Answer() const { return answer_; }
  bool IsAsking() const { return answer_ == core::kAnswerPending && isVisible(); }

 signals:
  void Answered(int answer);

 protected:
  void closeEvent(QCloseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void reject() override;

 private:
  void Choose(core::SaveAnswer answer);
  QPushButton* AddButton(const char* name, const QString& caption, core::SaveAnswer answer);

  core::SaveAnswer answer_ = core::kNoAnswerYet;
  QLabel* label1_;
  QLabel* label2_;
  QLabel* label3_;
  QPushButton* speichern_;
  QPushButton* allesSpeichern_;
  QPushButton* nichtSpeichern_;
  QPushButton* keinenSpeichern_;
  QPushButton* abbrechen_;
};

}  // namespace app
