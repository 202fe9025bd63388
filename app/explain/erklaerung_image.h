#pragma once

#include <QImage>
#include <QWidget>

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

/// Draws one diagram frame into a painter: with labels the rectangle is filled and labelled
/// first; then the plot area, its grid (in gridColour) and border. Shared with printed pages.
void PaintDiagramFrame(QPainter& p, const core::DiagramFrame& frame, const QColor& gridColour,
                       const QColor& face, const core::DiagramDescription* labels);

/// Draws the curves into the frame's plot area, in order, each in its condition's colour
/// (or in colour when it is valid).
void PaintCurves(QPainter& p, const core::DiagramFrame& frame,
                 const std::vector<core::ConditionCurve>& curves, const QColor& colour = {});

}  // namespace app
