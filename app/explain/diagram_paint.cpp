#include "app/explain/diagram_paint.h"

#include <QPainter>
#include <QPolygon>

namespace app {

namespace {

QRect ToQRect(const core::PixelRect& r) { return QRect(r.left, r.top, r.Width(), r.Height()); }

QColor ToQColor(const core::ConditionRgb& c) { return QColor(c.r, c.g, c.b); }

QFont StripFont(int pixelSize) {
  QFont f("Liberation Sans");
  f.setPixelSize(pixelSize);
  return f;
}

}  // namespace

void PaintDiagramFrame(QPainter& p, const core::DiagramFrame& frame, const QColor& gridColour,
                       const QColor& face, const core::DiagramDescription* labels) {
  p.save();
  p.setRenderHint(QPainter::Antialiasing, false);
  const QRect plot = ToQRect(frame.plot);
  if (labels != nullptr) {
    p.fillRect(ToQRect(frame.area), face);
    p.setPen(Qt::black);
    p.setFont(StripFont(10));
    p.drawText(ToQRect(frame.xLabel), Qt::AlignCenter, QString::fromStdString(labels->xLabel));
    // The y label reads upwards in the left margin.
    const QRect margin = ToQRect(frame.yLabel);
    p.save();
    p.translate(margin.center().x() + 1, margin.center().y() + 1);
    p.rotate(-90);
    p.drawText(QRect(-margin.height() / 2, -margin.width() / 2, margin.height(), margin.width()),
               Qt::AlignCenter, QString::fromStdString(labels->yLabel));
    p.restore();
  }
  p.fillRect(plot, Qt::white);
  QPen solid(gridColour, 1);
  QPen dotted(gridColour, 1, Qt::CustomDashLine);
  dotted.setDashPattern({1, 1});
  for (const core::GridLine& g : frame.grid) {
    p.setPen(g.dotted ? dotted : solid);
    p.drawLine(g.x1, g.y1, g.x2, g.y2);
  }
  p.setPen(QPen(Qt::black, 1));
  p.setBrush(Qt::NoBrush);
  p.drawRect(plot.adjusted(0, 0, -1, -1));
  p.restore();
}

void PaintCurves(QPainter& p, const core::DiagramFrame& frame,
                 const std::vector<core::ConditionCurve>& curves, const QColor& colour) {
  p.save();
  p.setRenderHint(QPainter::Antialiasing, false);
  p.setClipRect(ToQRect(frame.plot));
  for (const core::ConditionCurve& c : curves) {
    const core::CurvePixels pixels = core::PlotCurve(frame.plot, c.curve);
    QPolygon line;
    line.reserve(core::kCurvePoints);
    for (const core::PixelPoint& px : pixels) line << QPoint(px.x, px.y);
    p.setPen(QPen(colour.isValid() ? colour : ToQColor(core::ConditionColour(c.condition)), 1));
    p.drawPolyline(line);
  }
  p.restore();
}

}  // namespace app
