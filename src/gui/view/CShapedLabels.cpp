#include "gui/view/CShapedLabels.h"

#include <QFont>
#include <QFontMetricsF>
#include <QString>
#include <QTextLayout>

#include <algorithm>

namespace {

// Texts as short as labels are kept; longer ones are drawn directly.
constexpr std::size_t kLabelMax = 200;
constexpr std::size_t kLabelsPerFont = 4096;

} // namespace

const CShapedLabels::Label* CShapedLabels::Find(const std::string& text, const QFont& font,
                                                const QPaintDevice* device) {
    if (text.size() > kLabelMax ||
        std::any_of(text.begin(), text.end(), [](char c) { return c >= 0 && c < ' '; }))
        return nullptr;
    auto found = m_labels.find(text);
    if (found != m_labels.end())
        return &found->second;
    if (m_labels.size() >= kLabelsPerFont)
        m_labels.clear();
    // No line breaks to convert: control characters are refused above.
    const QString s = QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
    Label label;
    label.width = QFontMetricsF(font, device).horizontalAdvance(s);
    QTextLayout layout(s, font, device);
    layout.beginLayout();
    QTextLine line = layout.createLine();
    layout.endLayout();
    if (!line.isValid())
        return nullptr;
    // Glyph positions relative to the start of the baseline.
    line.setPosition(QPointF(0.0, -line.ascent()));
    label.runs = layout.glyphRuns();
    return &m_labels.emplace(text, std::move(label)).first->second;
}
