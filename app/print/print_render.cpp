#include "app/print/print_render.h"

#include <QFontMetrics>
#include <QPainter>
#include <QPdfWriter>
#include <QSaveFile>
#include <algorithm>

#include "app/explain/diagram_paint.h"
#include "core/editor/curves.h"
#include "core/editor/diagram_frame.h"
#include "core/print/page_geometry.h"
#include "core/store/model_memory.h"

namespace app {

namespace {

QString Q(const std::string& s) { return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size())); }

// Text whose top-left is at (x, y), as the page geometry places it.
void TextAt(QPainter& p, int x, int y, const QString& text) {
  p.drawText(x, y + QFontMetrics(p.font()).ascent(), text);
}

void TextRightAligned(QPainter& p, int right, int y, const QString& text) {
  TextAt(p, right - QFontMetrics(p.font()).horizontalAdvance(text), y, text);
}

void DrawCells(QPainter& p, const core::PageMetrics& m, int slot, const core::ZeileTyp& line,
               const QColor& fill) {
  p.setBrush(fill);
  for (int c = 1; c <= core::kPrintCells; ++c) {
    const core::PageRect box = core::CellBox(m, slot, c);
    p.drawRect(QRect(box.left, box.top, box.right - box.left - 1, box.bottom - box.top - 1));
    const core::PagePoint at = core::CellText(m, slot, c);
    TextAt(p, at.x, at.y, Q(line.cells[static_cast<std::size_t>(c - 1)]));
  }
  p.setBrush(Qt::white);
}

// One flight condition's curve in a frame without axis labels, grid and curve in black.
void DrawDiagram(QPainter& p, const core::PageRect& box, int kind, int value, int condition,
                 const core::ModellSpeicherTyp* mem, int version) {
  const core::DiagramFrame frame = core::MakeDiagramFrame({box.left, box.top, box.right, box.bottom});
  PaintDiagramFrame(p, frame, Qt::black, Qt::white, nullptr);
  const auto curve = static_cast<core::DiagramCurve>(kind - core::kLineDiagramFirst);
  PaintCurves(p, frame, {{condition, core::DiagramCurveOf(curve, value, condition, mem, version)}},
              Qt::black);
}

}  // namespace

QFont PrintFont(int pixelHeight) {
  QFont font(QStringLiteral("Courier New"));
  font.setStyleHint(QFont::TypeWriter, QFont::PreferMatch);
  font.setFixedPitch(true);
  font.setPixelSize(std::max(1, pixelHeight));
  return font;
}

void DrawPrintPage(QPainter& p, const core::PrintPage& page, const core::ModellSpeicherTyp* mem,
                   int version, int h) {
  const core::PageMetrics m = core::MakePageMetrics(h);
  p.save();
  p.setRenderHint(QPainter::Antialiasing, false);
  p.fillRect(QRect(0, 0, m.width, m.height), Qt::white);
  p.setPen(QPen(Qt::black, 1));
  p.setBrush(Qt::white);

  const QFont plain = PrintFont(m.fontHeight);
  p.setFont(PrintFont(m.titleFontHeight));
  const core::PagePoint name = core::HeaderName(m);
  TextAt(p, name.x, name.y, Q(core::NameText(mem)));
  p.setFont(plain);
  TextRightAligned(p, core::HeaderRight(m), core::HeaderLineTop(m, 0),
                   QStringLiteral("Seite: %1").arg(page.number));
  if (mem != nullptr) {
    TextRightAligned(p, core::HeaderRight(m), core::HeaderLineTop(m, 1), Q(mem->fileName));
    TextRightAligned(p, core::HeaderRight(m), core::HeaderLineTop(m, 2),
                     QStringLiteral("erstellt am ") + Q(mem->dateText));
  }

  QFont heading = plain;
  heading.setBold(true);
  heading.setUnderline(true);
  for (int i = 1; i <= core::kPrintLines; ++i) {
    const core::ZeileTyp& line = page.Line(i);
    const int y = core::LineTop(m, i);
    if (line.kind == core::kLineHeading) {
      p.setFont(heading);
      TextAt(p, m.left, y - 2, Q(line.text));
      p.setFont(plain);
    } else if (line.kind == core::kLineTableHeader) {
      DrawCells(p, m, i, line, QColor(192, 192, 192));
    } else if (line.kind == core::kLineRow) {
      DrawCells(p, m, i, line, Qt::white);
    } else if (core::IsDiagramLine(line.kind)) {
      if (line.kind == core::kLineDiagramFirst + 2) {
        const core::PagePoint at = core::DualRateLabel(m, i);
        TextAt(p, at.x, at.y, QStringLiteral("Dual-Rate %1:").arg(line.value));
      }
      for (int c = 2; c <= 6; ++c)
        DrawDiagram(p, core::DiagramBox(m, i, c), line.kind, line.value, c - 2, mem, version);
      p.setPen(QPen(Qt::black, 1));
    }
  }
  p.restore();
}

int RenderPrintPage(QPainter& painter, core::PrintLayout& layout, const core::ModellSpeicherTyp* mem,
                    int version, int h) {
  const core::PrintPage* page = layout.PageToRender();
  if (page == nullptr) return 0;
  DrawPrintPage(painter, *page, mem, version, h);
  return page->number;
}

QString WritePrintPdf(const QString& path, const core::PrintLayout& layout,
                      const core::ModellSpeicherTyp* mem, int version) {
  QSaveFile file(path);
  if (!file.open(QIODevice::WriteOnly)) return file.errorString();
  {
    QPdfWriter writer(&file);
    writer.setPageSize(QPageSize(QPageSize::A4));
    writer.setPageOrientation(QPageLayout::Portrait);
    writer.setPageMargins(QMarginsF(0, 0, 0, 0));
    writer.setResolution(300);
    writer.setTitle(Q(core::TrimmedName(mem)));
    writer.setCreator(QStringLiteral("Veltrano"));
    QPainter painter;
    if (!painter.begin(&writer)) {
      file.cancelWriting();
      return QStringLiteral("PDF-Ausgabe nicht möglich");
    }
    bool first = true;
    for (const core::PrintPage& page : layout.Pages()) {
      if (!first) writer.newPage();
      first = false;
      DrawPrintPage(painter, page, mem, version, writer.height());
    }
    painter.end();
  }
  if (!file.commit()) return file.errorString();
  return {};
}

}  // namespace app
