#include "app/explain/erklaerung_image.h"

#include <QFontMetrics>
#include <QPainter>

namespace app {

namespace {

QFont StripFont(int pixelSize) {
  QFont f("Liberation Sans");
  f.setPixelSize(pixelSize);
  return f;
}

}  // namespace

ErklaerungImage::ErklaerungImage(QWidget* parent)
    : QWidget(parent), canvas_(core::kStripWidth, core::kStripHeight, QImage::Format_RGB32) {
  setObjectName("ErklaerungImage");
  setFixedSize(core::kStripWidth, core::kStripHeight);
  canvas_.fill(palette().color(QPalette::Button));
}

void ErklaerungImage::Draw(const core::Explanation& content, bool fresh,
                           const core::ModellSpeicherTyp* mem, int version) {
  const QColor face = palette().color(QPalette::Button);
  const QColor silver(core::kGridSilver.r, core::kGridSilver.g, core::kGridSilver.b);
  QPainter p(&canvas_);
  if (fresh || content.diagrams.empty()) p.fillRect(canvas_.rect(), face);
  for (std::size_t k = 0; k < content.diagrams.size(); ++k) {
    const core::DiagramDescription& d = content.diagrams[k];
    const core::DiagramFrame frame = core::MakeDiagramFrame(core::StripDiagramRect(static_cast<int>(k)));
    PaintDiagramFrame(p, frame, silver, face, fresh ? &d : nullptr);
    PaintCurves(p, frame, core::DiagramCurves(d, mem, version));
  }
  // Text lines on the button face, black, right of the diagrams.
  p.setFont(StripFont(11));
  p.setPen(Qt::black);
  p.setBackgroundMode(Qt::OpaqueMode);
  p.setBackground(face);
  const int ascent = QFontMetrics(p.font()).ascent();
  const int first = static_cast<int>(content.diagrams.size());
  for (std::size_t i = 0; i < content.texts.size(); ++i) {
    const core::PixelPoint at = core::StripTextOrigin(first, static_cast<int>(i));
    p.drawText(at.x, at.y + ascent, QString::fromUtf8(content.texts[i].data(),
                                                      static_cast<qsizetype>(content.texts[i].size())));
  }
  p.end();
  update();
}

void ErklaerungImage::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.drawImage(0, 0, canvas_);
}

}  // namespace app
