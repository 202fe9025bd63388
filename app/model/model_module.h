#pragma once

#include <QObject>
#include <string>

namespace app {

class TMainForm;
class TDefaultForm;

/// The parameter model in the main window: value lists at start-up, "&Neu" with the
/// new-memory dialog, and the hidden developer commands "Default Daten" and "Formeln prüfen".
class ModelModule : public QObject {
  Q_OBJECT

 public:
  /// Makes the module and registers its start-up step and commands.
  static ModelModule* Install(TMainForm& form);
  /// Makes `TDefaultForm` (in the dialogs' start-up order, after the save query dialog).
  void CreateDefaultForm();
  TDefaultForm* DefaultForm() const { return defaultForm_; }

  /// "Default Daten": the active memory's image as source text; the file's path, empty if none.
  std::string WriteDefaultData();
  /// "Formeln prüfen": the formula check file; the file's path, empty on failure.
  std::string WriteFormulaCheckFile();

 private:
  explicit ModelModule(TMainForm& form);
  std::string DeveloperFilePath(const char* name) const;

  TMainForm& form_;
  TDefaultForm* defaultForm_ = nullptr;
};

}  // namespace app
