#pragma once

#include <QDialog>
#include <array>

#include "core/dataops/datamenus.h"

class QCheckBox;
class QRadioButton;
class QStatusBar;
class QTimer;

namespace app {

class TMainForm;
class FunctionBoxes;
class StatusCounter;

/// "Daten kopieren": copies chosen menus from one flight condition of the active or the
/// previous memory into flight conditions of one or both of them. Modeless, made once.
class TCopyForm : public QDialog {
  Q_OBJECT

 public:
  explicit TCopyForm(TMainForm& form);

  /// Places the dialog at the main window's left + 100, top + 50 and shows it in front.
  void ShowDialog();
  /// Availability and captions of the memory and condition controls, the offered menus.
  void FormShow();
  /// "&Kopieren": two passes over the targets, conditions and menus; each changed memory is
  /// one undo step.
  void KopierenButtonClick();

  FunctionBoxes* Functions() const { return functions_; }
  StatusCounter* Status() const { return status_; }

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  TMainForm& form_;
  QRadioButton* quelleAkt_ = nullptr;
  QRadioButton* quelleLast_ = nullptr;
  QCheckBox* zielAkt_ = nullptr;
  QCheckBox* zielLast_ = nullptr;
  std::array<QRadioButton*, core::kConditionCount> sourceConditions_{};
  std::array<QCheckBox*, core::kConditionCount> targetConditions_{};
  FunctionBoxes* functions_ = nullptr;
  QStatusBar* statusBar_ = nullptr;
  QTimer* timer_ = nullptr;
  StatusCounter* status_ = nullptr;
};

}  // namespace app
