#pragma once
// Glyphs too large for the engine's glyph cache (print resolutions) are filled as outlines,
// all glyphs of a run as one path; the rasteriser's cost then grows with the square of the
// edges in a pixel row. Handed to the engine in groups whose pixels do not touch, the glyphs
// get the same pixels much sooner: each keeps its outline and position. The glyphs' bounds
// are kept for the process (UI thread only): a page uses the same few glyphs many times.

#include <QPointF>

class QGlyphRun;
class QPainter;

class CLargeGlyphRuns {
public:
    // Draws the run at origin in groups; false, with nothing drawn, when the engine draws the
    // run from its glyph cache anyway or a glyph reaches back past its neighbour.
    static bool Draw(QPainter& painter, const QGlyphRun& run, QPointF origin);
};
