#pragma once

#include <QDialog>
#include <array>

#include "core/dataops/datamenus.h"

class QCheckBox;
class QLayout;
class QPushButton;
class QStatusBar;
class QTimer;

namespace app {

class TMainForm;
class FunctionBoxes;
class StatusCounter;

/// What the copy and reset dialogs share: modeless, made once, the menu boxes beside their own
/// controls, the action button with "&Fertig", and a status bar whose text its timer clears.
class DataDialog : public QDialog {
  Q_OBJECT

 public:
  /// Places the dialog at the main window's left + 100, top + 50 and shows it in front.
  void ShowDialog();
  /// Refreshes captions, availability and the offered menus; runs whenever the dialog shows.
  virtual void FormShow() = 0;

  FunctionBoxes* Functions() const { return functions_; }
  StatusCounter* Status() const { return status_; }

 protected:
  DataDialog(TMainForm& form, const char* objectName, const QString& title, const char* timerName);
  /// Lays out: left beside the menu boxes, then action and "&Fertig", then the status bar.
  void LayOut(QLayout* left, QPushButton* action);
  /// The status text cleared and the dialog placed, as every FormShow begins.
  void BeginFormShow();
  /// The ticked conditions and menu boxes.
  core::DataSelection CheckedSelection(
      const std::array<QCheckBox*, core::kConditionCount>& conditions) const;
  void showEvent(QShowEvent* event) override;

  TMainForm& form_;
  FunctionBoxes* functions_ = nullptr;
  StatusCounter* status_ = nullptr;

 private:
  QStatusBar* statusBar_ = nullptr;
  QTimer* timer_ = nullptr;
};

}  // namespace app
