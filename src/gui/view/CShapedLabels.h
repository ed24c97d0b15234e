#pragma once
// The single-line labels of one font, shaped once and kept with the font's entry in
// CQtFontCache (UI thread only): every repaint draws the same few labels, and shaping is the
// dearest part of drawing them.

#include <QGlyphRun>
#include <QList>

#include <string>
#include <unordered_map>

class QFont;
class QPaintDevice;

class CShapedLabels {
public:
    // A label's glyphs, placed relative to the start of its baseline, and its advance.
    struct Label {
        QList<QGlyphRun> runs;
        double width = 0.0;
    };

    // The label shaped in font on device; null for texts too long to keep, texts with control
    // characters and texts that make no line, which are drawn directly.
    const Label* Find(const std::string& text, const QFont& font, const QPaintDevice* device);

private:
    std::unordered_map<std::string, Label> m_labels;
};
