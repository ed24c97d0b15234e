#pragma once
// The texts of one font laid out in rectangles, once per text, width, flags and direction, the
// same way QPainter::drawText lays them out for the flags a page uses (top, left or centred,
// wrapped or not). Kept with the font's entry in CQtFontCache (UI thread only): footer, header
// and short comments are laid out again on every repaint otherwise.

#include <QGlyphRun>
#include <QList>
#include <QPointF>
#include <QRectF>
#include <QString>

#include <unordered_map>
#include <vector>

class QFont;
class QPaintDevice;

class CLaidOutTexts {
public:
    // Its lines (origin and opaque box relative to the rectangle's corner, glyphs), and the
    // bounds drawText reports, likewise relative.
    struct Text {
        struct Line {
            QPointF origin;
            QRectF box;
            QList<QGlyphRun> runs;
        };
        std::vector<Line> lines;
        QRectF bounds;
    };

    // The text laid out in a rectangle of this width; null, with nothing kept, where the text
    // or the flags need more of Qt's own handling.
    const Text* Find(int width, int flags, Qt::LayoutDirection direction, const QString& text,
                     const QFont& font, const QPaintDevice* device);

private:
    static bool LayOut(int width, int flags, Qt::LayoutDirection direction, const QString& text,
                       const QFont& font, const QPaintDevice* device, Text& laid);

    std::unordered_map<QString, Text> m_texts;
};
