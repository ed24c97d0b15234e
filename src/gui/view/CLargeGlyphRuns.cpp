#include "gui/view/CLargeGlyphRuns.h"

#include <QCoreApplication>
#include <QGlyphRun>
#include <QHash>
#include <QList>
#include <QPainter>
#include <QPainterPath>
#include <QRawFont>
#include <QRect>

#include <algorithm>
#include <list>
#include <vector>

namespace {

constexpr std::size_t kFontsKept = 32;
constexpr qsizetype kGlyphsPerFont = 4096;

struct GlyphBoundsOfFont {
    QRawFont font;
    QHash<quint32, QRectF> glyphs;
};

// Emptied while the application still exists: fonts must not outlive Qt's font database.
std::list<GlyphBoundsOfFont>& Fonts() {
    static std::list<GlyphBoundsOfFont>* fonts = [] {
        qAddPostRoutine([] { Fonts().clear(); });
        return new std::list<GlyphBoundsOfFont>;
    }();
    return *fonts;
}

// Outlines are loaded with the font's hinting.
QRectF GlyphBounds(const QRawFont& font, quint32 glyph) {
    std::list<GlyphBoundsOfFont>& fonts = Fonts();
    auto found = std::find_if(fonts.begin(), fonts.end(),
                              [&](const GlyphBoundsOfFont& bounds) { return bounds.font == font; });
    if (found == fonts.end()) {
        if (fonts.size() >= kFontsKept)
            fonts.pop_back();
        fonts.push_front({font, {}});
        found = fonts.begin();
    }
    auto bounds = found->glyphs.constFind(glyph);
    if (bounds != found->glyphs.constEnd())
        return *bounds;
    if (found->glyphs.size() >= kGlyphsPerFont)
        found->glyphs.clear();
    return *found->glyphs.insert(glyph, font.pathForGlyph(glyph).boundingRect());
}

} // namespace

bool CLargeGlyphRuns::Draw(QPainter& painter, const QGlyphRun& run, QPointF origin) {
    static const int maxCached = [] {
        const int fromEnvironment = qEnvironmentVariableIntValue("QT_MAX_CACHED_GLYPH_SIZE");
        return fromEnvironment != 0 ? fromEnvironment : 64;
    }();
    const QRawFont font = run.rawFont();
    if (!font.isValid() || font.pixelSize() * font.pixelSize() <= maxCached * maxCached)
        return false;
    const QList<quint32> glyphs = run.glyphIndexes();
    const QList<QPointF> positions = run.positions();
    if (glyphs.size() != positions.size())
        return false;

    struct Group {
        QList<quint32> glyphs;
        QList<QPointF> positions;
        QRect pixels;
    };
    std::vector<Group> groups;
    for (qsizetype i = 0; i < glyphs.size(); ++i) {
        // Two pixels of room around the outline for rounding and antialiasing.
        const QRect pixels = GlyphBounds(font, glyphs[i])
                                 .translated(positions[i] + origin)
                                 .toAlignedRect()
                                 .adjusted(-2, -2, 2, 2);
        if (groups.empty() || !groups.back().pixels.intersects(pixels)) {
            // A glyph reaching back past its neighbour: the run as it is.
            if (std::any_of(groups.begin(), groups.end(),
                            [&](const Group& g) { return g.pixels.intersects(pixels); }))
                return false;
            groups.push_back({{}, {}, pixels});
        }
        Group& g = groups.back();
        g.glyphs.append(glyphs[i]);
        g.positions.append(positions[i]);
        g.pixels |= pixels;
    }
    for (const Group& g : groups) {
        QGlyphRun part;
        part.setRawFont(font);
        part.setGlyphIndexes(g.glyphs);
        part.setPositions(g.positions);
        painter.drawGlyphRun(origin, part);
    }
    return true;
}
