#pragma once

#include <QImage>
#include <QWidget>

#include "app/explain/diagram_paint.h"
#include "core/editor/explanation.h"

namespace app {

/// The drawing surface of the explanations strip: a canvas that keeps what was drawn, so an
/// update of the same menu repaints plot areas and curves and leaves the labels standing.
class ErklaerungImage : public QWidget {
 public:
  explicit ErklaerungImage(QWidget* parent);

  /// Draws the content: afresh (background and labels) or as an update of the plot areas.
  void Draw(const core::Explanation& content, bool fresh, const core::ModellSpeicherTyp* mem,
            int version);
  const QImage& Canvas() const { return canvas_; }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  QImage canvas_;
};

}  // namespace app
