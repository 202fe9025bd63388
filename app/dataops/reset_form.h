#pragma once

#include <QDialog>
#include <array>

#include "core/dataops/datamenus.h"

class QCheckBox;
class QStatusBar;
class QTimer;

namespace app {

class TMainForm;
class FunctionBoxes;
class StatusCounter;

/// "Daten rücksetzen": sets chosen menus of the active memory, in chosen flight conditions, back
/// to the defaults of its model type. Modeless, made once.
class TResetForm : public QDialog {
  Q_OBJECT

 public:
  explicit TResetForm(TMainForm& form);

  /// Places the dialog at the main window's left + 100, top + 50 and shows it in front.
  void ShowDialog();
  /// Condition captions of the active memory and the offered menus.
  void FormShow();
  /// "&Reset": two passes over the checked conditions and menus, one undo step.
  void ResetButtonClick();

  FunctionBoxes* Functions() const { return functions_; }
  StatusCounter* Status() const { return status_; }

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  TMainForm& form_;
  std::array<QCheckBox*, core::kConditionCount> conditions_{};
  FunctionBoxes* functions_ = nullptr;
  QStatusBar* statusBar_ = nullptr;
  QTimer* timer_ = nullptr;
  StatusCounter* status_ = nullptr;
};

}  // namespace app
