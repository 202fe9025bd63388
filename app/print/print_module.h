#pragma once

#include <QObject>
#include <QString>

namespace app {

class TMainForm;
class TPreviewForm;

/// Printing in the main window: "D&rucken" (and the editor's "Druck" button) open the preview
/// of the active memory with the menu on screen preselected.
class PrintModule : public QObject {
  Q_OBJECT

 public:
  /// Makes the module and wires "D&rucken".
  static PrintModule* Install(TMainForm& form);
  /// Makes `TPreviewForm` (in the dialogs' start-up order).
  void CreatePreviewForm();
  TPreviewForm* PreviewForm() const { return preview_; }

 public slots:
  /// Opens the preview; does nothing while no memory is active.
  void OpenPreview();

 private:
  explicit PrintModule(TMainForm& form);

  TMainForm& form_;
  TPreviewForm* preview_ = nullptr;
  QString menuOnScreen_;  // the editor's selected menu, as it asks for its explanation
};

}  // namespace app
