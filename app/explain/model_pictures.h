#pragma once

#include <QWidget>

class QPainter;

namespace app {

/// Draws the model type's picture (type mask bit 2 ... 512) into (0, 0, width, 120): the model
/// seen from above in black on white, the receiver channel number at every control surface
/// (helicopters: at the swashplate linkage points and the tail rotor).
void PaintModelPicture(QPainter& p, int typeMask);

/// One model type picture of the explanations strip (`Gld4Image`, `AcroImage` ...); width 0
/// and hidden unless shown.
class ModelTypeImage : public QWidget {
 public:
  ModelTypeImage(int typeMask, const char* objectName, QWidget* parent);
  int TypeMask() const { return typeMask_; }
  /// Shows the picture at its width, or hides it at width 0.
  void SetShown(bool shown);

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  int typeMask_;
};

}  // namespace app
