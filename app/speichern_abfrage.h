#pragma once

#include "app/question_dialog.h"
#include "core/store/store_host.h"

class QLabel;
class QPushButton;

namespace app {

/// `TSpeichernAbfrageForm`, "Modelldaten sichern": asks what to do with one unsaved model memory.
class TSpeichernAbfrageForm : public QuestionDialog {
  Q_OBJECT

 public:
  explicit TSpeichernAbfrageForm(QWidget* mainWindow);

  /// Shows the question 40 pixels right of and below the main window and waits for a button:
  /// 1 "&Speichern", 2 "&Alle speichern", 3 "&Nicht speichern", 4 "&Keinen speichern",
  /// 5 "Programm &fortsetzen" (only offered when closing).
  core::SaveAnswer Ask(const core::SaveQuery& query);

 private:
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
