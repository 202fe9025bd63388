#pragma once

#include <QColor>
#include <vector>

#include "core/editor/diagram_frame.h"
#include "core/editor/explanation.h"

class QPainter;

// Curve diagrams painted with Qt Gui only, for the explanations strip and the printed pages.

namespace app {

/// Draws one diagram frame into a painter: with labels the rectangle is filled and labelled
/// first; then the plot area, its grid (in gridColour) and border. Shared with printed pages.
void PaintDiagramFrame(QPainter& p, const core::DiagramFrame& frame, const QColor& gridColour,
                       const QColor& face, const core::DiagramDescription* labels);

/// Draws the curves into the frame's plot area, in order, each in its condition's colour
/// (or in colour when it is valid).
void PaintCurves(QPainter& p, const core::DiagramFrame& frame,
                 const std::vector<core::ConditionCurve>& curves, const QColor& colour = {});

}  // namespace app
