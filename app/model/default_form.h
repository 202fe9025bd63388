#pragma once

#include <QDialog>

#include "core/model/defaults.h"

class QComboBox;
class QRadioButton;
class QPushButton;

namespace app {

class TMainForm;

/// The new-memory dialog behind "&Neu": model type and language of a memory made from the
/// default images. Made once, hidden after each use; keeps the combo text and the language.
class TDefaultForm : public QDialog {
  Q_OBJECT

 public:
  explicit TDefaultForm(TMainForm& form);

  /// Shows the dialog 100 pixels right of and 50 below the main window's top-left corner.
  void ShowDialog();
  /// "&Ok": makes the memory in the store (active, tree rebuilt) and closes the dialog.
  void OkButtonClick();

  core::NewMemoryLanguage Language() const;
  QComboBox* ModelltypComboBox() const { return combo_; }

 private:
  TMainForm& form_;
  QComboBox* combo_ = nullptr;
  QRadioButton* englisch_ = nullptr;
  QRadioButton* deutsch_ = nullptr;
  QRadioButton* franzoesisch_ = nullptr;
};

}  // namespace app
