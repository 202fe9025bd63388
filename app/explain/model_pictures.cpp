#include "app/explain/model_pictures.h"

#include <QPainter>
#include <QPainterPath>
#include <cmath>
#include <numbers>

#include "core/editor/explanation.h"

namespace app {

namespace {

constexpr int kHeight = core::kStripHeight;

// A channel number in a small ring, centred at (x, y).
void Channel(QPainter& p, double x, double y, int channel) {
  p.save();
  p.setPen(QPen(Qt::black, 1));
  p.setBrush(Qt::white);
  p.drawEllipse(QPointF(x, y), 7, 7);
  QFont f = p.font();
  f.setPixelSize(10);
  f.setBold(true);
  p.setFont(f);
  p.drawText(QRectF(x - 7, y - 7, 14, 14), Qt::AlignCenter, QString::number(channel));
  p.restore();
}

// A thin line from a label to the surface it names.
void Leader(QPainter& p, QPointF from, QPointF to) {
  p.save();
  p.setPen(QPen(Qt::black, 0.7));
  p.drawLine(from, to);
  p.restore();
}

// A moving surface: hatched, outlined.
void Surface(QPainter& p, const QPolygonF& outline) {
  p.save();
  p.setPen(QPen(Qt::black, 1));
  p.setBrush(QBrush(Qt::black, Qt::BDiagPattern));
  p.drawPolygon(outline);
  p.restore();
}

QPointF Mirror(QPointF q, double cx) { return {2 * cx - q.x(), q.y()}; }

QPolygonF Mirror(const QPolygonF& poly, double cx) {
  QPolygonF m;
  for (const QPointF& q : poly) m << Mirror(q, cx);
  return m;
}

// Fixed-wing models, nose up. Wing half from root to tip; surfaces sit on its trailing edge.
struct Wing {
  double cx, rootLe, rootTe, tipX, tipLe, tipTe;
  double TrailingY(double x) const {
    return rootTe + (tipTe - rootTe) * (cx - x) / (cx - tipX);
  }
  QPolygonF LeftHalf() const {
    return QPolygonF({QPointF(cx, rootLe), QPointF(tipX + 3, tipLe), QPointF(tipX, (tipLe + tipTe) / 2),
                      QPointF(tipX + 3, tipTe), QPointF(cx, rootTe)});
  }
  // A trailing-edge surface between x0 and x1 on the left half, depth pixels deep.
  QPolygonF LeftSurface(double x0, double x1, double depth) const {
    return QPolygonF({QPointF(x0, TrailingY(x0) - depth), QPointF(x1, TrailingY(x1) - depth),
                      QPointF(x1, TrailingY(x1)), QPointF(x0, TrailingY(x0))});
  }
  void Draw(QPainter& p) const {
    p.setPen(QPen(Qt::black, 1.2));
    p.setBrush(Qt::white);
    p.drawPolygon(LeftHalf());
    p.drawPolygon(Mirror(LeftHalf(), cx));
  }
};

// A channel number with its leader on the left half, and another at the mirrored place.
void ChannelPair(QPainter& p, double cx, QPointF label, QPointF from, QPointF to, int left,
                 int right) {
  Channel(p, label.x(), label.y(), left);
  Leader(p, from, to);
  Channel(p, 2 * cx - label.x(), label.y(), right);
  Leader(p, Mirror(from, cx), Mirror(to, cx));
}

void Fuselage(QPainter& p, double cx, double nose, double halfWidth, double tail) {
  QPainterPath body;
  body.moveTo(cx, nose);
  body.cubicTo(cx + halfWidth * 1.2, nose + 6, cx + halfWidth, nose + 18, cx + halfWidth, nose + 30);
  body.lineTo(cx + 2, tail);
  body.lineTo(cx - 2, tail);
  body.lineTo(cx - halfWidth, nose + 30);
  body.cubicTo(cx - halfWidth, nose + 18, cx - halfWidth * 1.2, nose + 6, cx, nose);
  p.setPen(QPen(Qt::black, 1.2));
  p.setBrush(Qt::white);
  p.drawPath(body);
}

// Stabiliser with a full-span elevator (2) and the fin with its rudder (4) seen edge-on.
void Tail(QPainter& p, double cx, double y, double halfSpan) {
  const QPolygonF stab({QPointF(cx - 4, y), QPointF(cx - halfSpan, y + 3), QPointF(cx - halfSpan, y + 11),
                        QPointF(cx + halfSpan, y + 11), QPointF(cx + halfSpan, y + 3), QPointF(cx + 4, y)});
  p.setPen(QPen(Qt::black, 1.2));
  p.setBrush(Qt::white);
  p.drawPolygon(stab);
  Surface(p, QPolygonF({QPointF(cx - halfSpan, y + 7), QPointF(cx - 3, y + 7), QPointF(cx - 3, y + 11),
                        QPointF(cx - halfSpan, y + 11)}));
  Surface(p, QPolygonF({QPointF(cx + 3, y + 7), QPointF(cx + halfSpan, y + 7),
                        QPointF(cx + halfSpan, y + 11), QPointF(cx + 3, y + 11)}));
  p.setPen(QPen(Qt::black, 2));
  p.drawLine(QPointF(cx, y - 4), QPointF(cx, y + 9));
  p.setPen(QPen(Qt::black, 3));
  p.drawLine(QPointF(cx, y + 9), QPointF(cx, y + 17));
  Channel(p, cx - halfSpan - 10, y + 8, 2);
  Leader(p, QPointF(cx - halfSpan - 3, y + 8), QPointF(cx - halfSpan + 6, y + 9));
  Channel(p, cx + 14, y + 19, 4);
  Leader(p, QPointF(cx + 7, y + 18), QPointF(cx + 1, y + 15));
}

void Glider(QPainter& p, int typeMask) {
  const double cx = 135;
  const Wing w{cx, 27, 51, 6, 33, 43};
  w.Draw(p);
  Tail(p, cx, 90, 34);
  Fuselage(p, cx, 4, 6, 104);

  const bool flaps = typeMask != 0x002;
  // Ailerons 1 (left) and 7 (right), outboard; longer where there are no flaps.
  const QPolygonF aileron = w.LeftSurface(12, flaps ? 66 : 100, 6);
  Surface(p, aileron);
  Surface(p, Mirror(aileron, cx));
  const double ay = w.TrailingY(40);
  ChannelPair(p, cx, QPointF(36, ay + 12), QPointF(38, ay + 5), QPointF(40, ay - 1), 1, 7);
  if (flaps) {
    // Camber flaps 5 (left) and 6 (right), inboard.
    const QPolygonF flap = w.LeftSurface(70, 124, 7);
    Surface(p, flap);
    Surface(p, Mirror(flap, cx));
    const double fy = w.TrailingY(97);
    ChannelPair(p, cx, QPointF(97, fy + 12), QPointF(97, fy + 5), QPointF(97, fy - 1), 5, 6);
  }
  // Spoilers (3) on the upper surface of both halves.
  p.setPen(QPen(Qt::black, 1));
  p.setBrush(Qt::black);
  for (double x : {78.0, 2 * cx - 100}) p.drawRect(QRectF(x, 35, 22, 3));
  ChannelPair(p, cx, QPointF(89, 19), QPointF(89, 26), QPointF(89, 34), 3, 3);
  if (typeMask == 0x008) {
    // The brake flap (8) under the fuselage, driven by one servo.
    Surface(p, QPolygonF({QPointF(cx - 10, 49), QPointF(cx + 10, 49), QPointF(cx + 10, 57),
                          QPointF(cx - 10, 57)}));
    Channel(p, cx - 21, 66, 8);
    Leader(p, QPointF(cx - 15, 62), QPointF(cx - 8, 56));
  }
}

void Acro(QPainter& p) {
  const double cx = 66;
  const Wing w{cx, 36, 58, 4, 39, 54};
  w.Draw(p);
  Tail(p, cx, 90, 24);
  Fuselage(p, cx, 8, 8, 104);
  // Propeller and spinner: the throttle (3).
  p.setPen(QPen(Qt::black, 2.5));
  p.drawLine(QPointF(cx - 18, 6), QPointF(cx + 18, 6));
  p.setPen(QPen(Qt::black, 1));
  p.setBrush(Qt::white);
  p.drawEllipse(QPointF(cx, 8), 3.5, 4);
  Channel(p, cx + 30, 10, 3);
  Leader(p, QPointF(cx + 23, 9), QPointF(cx + 18, 7));
  const QPolygonF aileron = w.LeftSurface(8, 44, 6);
  Surface(p, aileron);
  Surface(p, Mirror(aileron, cx));
  const double ay = w.TrailingY(26);
  ChannelPair(p, cx, QPointF(24, ay + 12), QPointF(25, ay + 5), QPointF(26, ay - 1), 1, 7);
}

struct Linkage {
  double degrees;  // 0 = towards the tail, counted clockwise on screen
  int channel;
};

// Helicopter seen from above, nose left: rotor disc, swashplate with its linkage points, tail
// boom and tail rotor (4).
void Heli(QPainter& p, int typeMask) {
  const QPointF hub(92, 60);
  // Rotor disc.
  p.setPen(QPen(Qt::black, 0.8, Qt::DashLine));
  p.setBrush(Qt::NoBrush);
  p.drawEllipse(hub, 57, 57);
  // Body: canopy to the left, boom to the right, stabiliser and fin.
  QPainterPath body;
  body.moveTo(34, 60);
  body.cubicTo(38, 44, 70, 42, 110, 47);
  body.cubicTo(132, 50, 145, 55, 150, 58);
  body.lineTo(236, 58);
  body.lineTo(236, 62);
  body.lineTo(150, 62);
  body.cubicTo(145, 65, 132, 70, 110, 73);
  body.cubicTo(70, 78, 38, 76, 34, 60);
  p.setPen(QPen(Qt::black, 1.2));
  p.drawPath(body);
  p.drawLine(QPointF(50, 51), QPointF(50, 69));  // canopy frame
  p.drawRect(QRectF(204, 50, 7, 20));             // stabiliser
  // Tail rotor, seen edge-on.
  p.setPen(QPen(Qt::black, 3));
  p.drawLine(QPointF(240, 46), QPointF(240, 74));
  p.setPen(QPen(Qt::black, 1));
  p.drawEllipse(QPointF(240, 60), 2.5, 2.5);
  Channel(p, 256, 60, 4);
  Leader(p, QPointF(249, 60), QPointF(243, 60));

  // The blades above the body, the swashplate and its linkage points above them.
  p.setPen(QPen(Qt::black, 1));
  p.setBrush(Qt::white);
  p.save();
  p.translate(hub);
  p.rotate(-25);
  p.drawRoundedRect(QRectF(-57, -3, 114, 6), 2, 2);
  p.restore();

  const double r = 18;
  p.setPen(QPen(Qt::black, 1.5));
  p.setBrush(Qt::white);
  p.drawEllipse(hub, r, r);
  p.drawEllipse(hub, r - 6, r - 6);
  std::vector<Linkage> points;
  switch (typeMask) {
    case 0x020: points = {{270, 1}, {180, 2}}; break;                // H-1: one servo each
    case 0x040: points = {{180, 2}, {270, 1}, {90, 6}}; break;       // H-2
    case 0x080: points = {{180, 2}, {0, 7}, {270, 1}, {90, 6}}; break;  // H-4: four at 90
    case 0x100: points = {{0, 2}, {240, 1}, {120, 6}}; break;        // HR3: nick at the rear
    default: points = {{180, 2}, {300, 1}, {60, 6}}; break;          // HN3: nick at the front
  }
  for (const Linkage& l : points) {
    const double a = l.degrees * std::numbers::pi / 180;
    const QPointF at(hub.x() + r * std::cos(a), hub.y() + r * std::sin(a));
    const QPointF label(hub.x() + (r + 15) * std::cos(a), hub.y() + (r + 15) * std::sin(a));
    p.setPen(QPen(Qt::black, 1));
    p.setBrush(Qt::black);
    p.drawEllipse(at, 3, 3);
    Leader(p, at, label);
    Channel(p, label.x(), label.y(), l.channel);
  }
  if (typeMask == 0x020) Channel(p, hub.x(), hub.y(), 6);  // H-1: collective pitch moves it all
}

}  // namespace

void PaintModelPicture(QPainter& p, int typeMask) {
  const int width = core::ModelPictureWidth(typeMask);
  p.fillRect(0, 0, width, kHeight, Qt::white);
  p.setRenderHint(QPainter::Antialiasing, true);
  if (typeMask & 0x00E)
    Glider(p, typeMask);
  else if (typeMask == 0x010)
    Acro(p);
  else if (typeMask & 0x3E0)
    Heli(p, typeMask);
}

ModelTypeImage::ModelTypeImage(int typeMask, const char* objectName, QWidget* parent)
    : QWidget(parent), typeMask_(typeMask) {
  setObjectName(objectName);
  setFixedHeight(kHeight);
  SetShown(false);
}

void ModelTypeImage::SetShown(bool shown) {
  setFixedWidth(shown ? core::ModelPictureWidth(typeMask_) : 0);
  setVisible(shown);
}

void ModelTypeImage::paintEvent(QPaintEvent*) {
  QPainter p(this);
  PaintModelPicture(p, typeMask_);
}

}  // namespace app
