#pragma once
// The parts both diagram kinds share: the ear title, the two axis lines and the frequency
// axis with its labels and grid.

#include "core/view/CFrequencyScale.h"
#include "core/view/CPlotArea.h"
#include "platform/dc/CDC.h"

class CDiagramFrame {
public:
    // Title "Links"/"Rechts" in the side colour at height t: in the together mode right ear
    // left-aligned 5 mm right of the middle, left ear right-aligned 5 mm left of it.
    static void DrawTitle(CDC& dc, const CPlotArea& plot, int side, bool together);
    // Axis lines with the axis pen, then right/baseline alignment, grid pen and black text for
    // the level labels.
    static void DrawAxes(CDC& dc, const CPlotArea& plot, const CPen& axisPen, const CPen& gridPen);
    // Unit label at the origin, then the ticks with label and grid line.
    static void DrawFrequencyAxis(CDC& dc, const CPlotArea& plot, const CFrequencyScale& scale,
                                  const CPen& gridPen);
};
