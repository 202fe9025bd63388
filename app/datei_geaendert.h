#pragma once

#include <string>

#include "app/question_dialog.h"
#include "core/store/store_host.h"

class QLabel;

namespace app {

/// `TDateiGeaendertForm`, "Datei geändert": a file about to be written was changed by another
/// program since this one loaded or wrote it.
class TDateiGeaendertForm : public QuestionDialog {
  Q_OBJECT

 public:
  explicit TDateiGeaendertForm(QWidget* mainWindow);

  /// Shows the question for the file at path and waits for a button.
  core::FileChangedAnswer Ask(const std::string& path);

 private:
  QLabel* fileLabel_;
};

}  // namespace app
