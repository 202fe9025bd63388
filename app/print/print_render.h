#pragma once

#include <QFont>
#include <QString>

#include "core/print/print_pages.h"
#include "core/store/record.h"

class QPainter;

// Draws printed pages with QPainter onto any paint device (preview picture, printer, PDF), at
// the geometry core computes for the device's page height. Needs Qt Gui only.

namespace app {

/// "Courier New" (or a font of the same metrics) of the given character height in device pixels.
QFont PrintFont(int pixelHeight);

/// Draws one page at page height h (device pixels) with the memory's header.
void DrawPrintPage(QPainter& painter, const core::PrintPage& page, const core::ModellSpeicherTyp* mem,
                   int version, int h);

/// Draws the layout's current page (lowered until it exists) at page height h; its number, 0 if none.
int RenderPrintPage(QPainter& painter, core::PrintLayout& layout, const core::ModellSpeicherTyp* mem,
                    int version, int h);

/// Writes every page as an A4 portrait PDF titled with the memory's name. The file is written
/// beside path and renamed over it only when complete. Empty on success, else why it failed.
QString WritePrintPdf(const QString& path, const core::PrintLayout& layout,
                      const core::ModellSpeicherTyp* mem, int version);

}  // namespace app
