#pragma once

#include <QObject>
#include <QString>
#include <QWidget>
#include <array>
#include <string>
#include <vector>

#include "core/editor/explanation.h"

namespace app {

class TMainForm;
class ErklaerungImage;
class ModelTypeImage;

/// The strip below the parameter grid: the model type pictures and the drawing surface.
/// Its size follows what is shown (120 pixels high, 1 when nothing); it never asks the window
/// for more width than the window has (the surface is cut off at the right).
class ErklaerungPanel : public QWidget {
 public:
  explicit ErklaerungPanel(QWidget* parent);
  ErklaerungImage* Image() const { return image_; }
  /// Shows the picture of a model type (0: none) and places the surface right of it.
  void ShowPicture(int typeMask);
  /// 120 while something is shown, 1 otherwise.
  void SetShowing(bool showing);
  QSize sizeHint() const override;
  QSize minimumSizeHint() const override { return {0, height()}; }

 private:
  std::array<ModelTypeImage*, 9> pictures_{};
  ErklaerungImage* image_ = nullptr;
};

/// Explains the selected menu in the strip: follows the window's explanation requests and the
/// "&Erläuterungen" tick, and redraws after every change of the active memory's image.
class ExplainModule : public QObject {
  Q_OBJECT

 public:
  static ExplainModule* Install(TMainForm& form);
  ErklaerungPanel* Panel() const { return panel_; }
  /// Explains the menu with this code ("" for none).
  void ShowExplanation(const QString& menuCode);

 private:
  explicit ExplainModule(TMainForm& form);
  void OptionsChanged();
  void ActiveMemoryChanged();

  TMainForm& form_;
  ErklaerungPanel* panel_ = nullptr;
  QString code_;        // the menu asked for last
  int lastId_ = 0;      // the menu explained last, 0 = none
  std::vector<std::string> lastLabels_;  // what the labels drawn last say
  bool ticked_ = false;
};

}  // namespace app
