#pragma once

#include <QObject>

namespace app {

class TMainForm;
class TCopyForm;
class TResetForm;

/// "&Daten" / "&Kopieren" and "&Reset" with their two modeless dialogs.
class DataOpsModule : public QObject {
  Q_OBJECT

 public:
  /// Makes the module and enables and connects the two commands.
  static DataOpsModule* Install(TMainForm& form);
  /// The dialogs, in the window's start-up order (copy after the new-memory dialog, reset last).
  void CreateCopyForm();
  void CreateResetForm();
  TCopyForm* CopyForm() const { return copyForm_; }
  TResetForm* ResetForm() const { return resetForm_; }

 private:
  explicit DataOpsModule(TMainForm& form);

  TMainForm& form_;
  TCopyForm* copyForm_ = nullptr;
  TResetForm* resetForm_ = nullptr;
};

}  // namespace app
