#include "gui/view/CLaidOutTexts.h"

#include <QFont>
#include <QFontMetricsF>
#include <QTextLayout>
#include <QTextOption>

#include <algorithm>
#include <cmath>

namespace {

// Texts up to a few lines are kept; a long comment is laid out each time.
constexpr qsizetype kTextMax = 4096;
constexpr std::size_t kTextsPerFont = 256;

} // namespace

const CLaidOutTexts::Text* CLaidOutTexts::Find(int width, int flags, Qt::LayoutDirection direction,
                                               const QString& text, const QFont& font,
                                               const QPaintDevice* device) {
    if (text.isEmpty() || text.size() > kTextMax ||
        (flags & (Qt::AlignRight | Qt::AlignBottom | Qt::AlignVCenter | Qt::AlignJustify)) != 0)
        return nullptr;
    const QString key =
        QStringLiteral("%1|%2|%3|").arg(width).arg(flags).arg(static_cast<int>(direction)) + text;
    auto found = m_texts.find(key);
    if (found == m_texts.end()) {
        Text laid;
        if (!LayOut(width, flags, direction, text, font, device, laid))
            return nullptr;
        if (m_texts.size() >= kTextsPerFont)
            m_texts.clear();
        found = m_texts.emplace(key, std::move(laid)).first;
    }
    return &found->second;
}

bool CLaidOutTexts::LayOut(int width, int flags, Qt::LayoutDirection direction, const QString& text,
                           const QFont& font, const QPaintDevice* device, Text& laid) {
    QString lines = text;
    for (QChar& c : lines) {
        if (c == u'&' || c == u'\t' || c == QChar(0x9c) || c == u'\r')
            return false;
        if (c == u'\n')
            c = QChar::LineSeparator;
    }
    const bool wordWrap = (flags & Qt::TextWordWrap) != 0;
    QTextLayout layout(lines, font, device);
    QTextOption option;
    option.setTextDirection(direction);
    option.setAlignment(Qt::AlignLeft);
    if (!wordWrap)
        option.setFlags(option.flags() | QTextOption::IncludeTrailingSpaces);
    layout.setTextOption(option);
    layout.setCacheEnabled(true);
    const double lineWidth = wordWrap ? std::max(0, width) : double(0x01000000);
    const double leading = QFontMetricsF(font).leading();
    double height = -leading;
    double widest = 0.0;
    layout.beginLayout();
    for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
        line.setLineWidth(lineWidth);
        height += leading;
        // Lines on whole pixels, as Qt places them.
        height = std::ceil(height);
        line.setPosition(QPointF(0.0, height));
        height += line.height();
        widest = std::max(widest, line.naturalTextWidth());
    }
    layout.endLayout();

    const bool centred = (flags & Qt::AlignHCenter) != 0;
    laid.bounds = QRectF(centred ? (width - widest) / 2 : 0.0, 0.0, widest, height);
    for (int i = 0; i < layout.lineCount(); ++i) {
        const QTextLine line = layout.lineAt(i);
        Text::Line laidLine;
        laidLine.origin = QPointF(centred ? (width - line.horizontalAdvance()) / 2 : 0.0, 0.0);
        laidLine.box = QRectF(laidLine.origin.x() + line.x(), line.y(), line.horizontalAdvance(),
                              line.ascent() + line.descent());
        laidLine.runs = line.glyphRuns();
        laid.lines.push_back(std::move(laidLine));
    }
    return true;
}
