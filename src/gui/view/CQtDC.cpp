#include "gui/view/CQtDC.h"

#include "gui/view/CDottedLineStamps.h"
#include "gui/view/CLargeGlyphRuns.h"

#include <QFontMetricsF>
#include <QPaintDevice>
#include <QPaintEngine>
#include <QPainter>
#include <QPen>
#include <QScreen>
#include <QWidget>

#include <algorithm>
#include <cmath>

namespace {

QColor ToQColor(COLORREF c) {
    return QColor(GetRValue(c), GetGValue(c), GetBValue(c));
}

Qt::PenStyle ToQtStyle(int style) {
    switch (style) {
    case PS_DASH:
        return Qt::DashLine;
    case PS_DOT:
        return Qt::DotLine;
    case PS_DASHDOT:
        return Qt::DashDotLine;
    case PS_DASHDOTDOT:
        return Qt::DashDotDotLine;
    case PS_NULL:
        return Qt::NoPen;
    default:
        return Qt::SolidLine;
    }
}

// Line breaks of files written elsewhere arrive as CR LF.
QString ToQString(const std::string& text) {
    QString s = QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
    s.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    s.replace(QChar('\r'), QChar('\n'));
    return s;
}

} // namespace

CQtDC::CQtDC(QPainter* painter, const Caps& caps, bool printing)
    : m_pPainter(painter), m_caps(caps) {
    SetPrinting(printing);
    if (m_pPainter != nullptr) {
        m_pPainter->save();
        m_pPainter->setRenderHint(QPainter::Antialiasing, false);
    }
}

CQtDC::~CQtDC() {
    if (m_pPainter != nullptr)
        m_pPainter->restore();
}

CQtDC::Caps CQtDC::PageCaps(const QPaintDevice& device) {
    Caps caps;
    caps.horzRes = device.width();
    caps.vertRes = device.height();
    caps.logPixelsX = device.logicalDpiX();
    caps.logPixelsY = device.logicalDpiY();
    caps.bitsPixel = 24;
    caps.technology = DT_RASPRINTER;
    return caps;
}

CQtDC::Caps CQtDC::ScreenCaps(const QWidget& widget) {
    Caps caps;
    const QScreen* s = widget.screen();
    const QSize size = s != nullptr ? s->geometry().size() : widget.size();
    caps.horzRes = size.width();
    caps.vertRes = size.height();
    caps.logPixelsX = widget.logicalDpiX();
    caps.logPixelsY = widget.logicalDpiY();
    caps.bitsPixel = widget.depth();
    caps.technology = DT_RASDISPLAY;
    return caps;
}

void CQtDC::SetClipDevice(const QRect& device) {
    m_clip = device;
    m_bHasClip = true;
}

int CQtDC::GetDeviceCaps(int index) const {
    return m_caps.Get(index);
}

CRect CQtDC::GetClipBoxDevice() const {
    if (!m_bHasClip)
        return CDC::GetClipBoxDevice();
    return {m_clip.left(), m_clip.top(), m_clip.left() + m_clip.width(),
            m_clip.top() + m_clip.height()};
}

QString CQtDC::ResolveFamily(const QString& face) {
    return CQtFontCache::ResolveFamily(face);
}

bool CQtDC::CreateFont(CFont& font, const LOGFONT& lf) {
    return CDC::CreateFont(font, lf);
}

CQtDC::FontEntry& CQtDC::CurrentFontEntry() const {
    const LOGFONT& lf = GetCurrentFont().GetLogFont();
    const double scale = DeviceScaleY();
    if (m_pLastFont != nullptr && m_lastGeneration == CQtFontCache::Generation() &&
        m_lastScale == scale && m_lastLogFont == lf)
        return *m_pLastFont;
    FontEntry& found = CQtFontCache::Find(lf, scale, Device());
    m_pLastFont = &found;
    m_lastLogFont = lf;
    m_lastScale = scale;
    m_lastGeneration = CQtFontCache::Generation();
    return found;
}

QFont CQtDC::CurrentQFont() const {
    return CurrentFontEntry().font;
}

CSize CQtDC::GetTextExtent(const std::string& text) const {
    const QFontMetricsF fm(CurrentQFont(), Device());
    const double sx = DeviceScaleX();
    const double sy = DeviceScaleY();
    return {static_cast<int>(std::lround(fm.horizontalAdvance(ToQString(text)) / sx)),
            static_cast<int>(std::lround(fm.height() / sy))};
}

QPaintDevice* CQtDC::Device() const {
    return m_pPainter != nullptr ? m_pPainter->device() : nullptr;
}

QPoint CQtDC::ToDevice(CPoint p) const {
    LPtoDP(&p);
    return {p.x, p.y};
}

QRect CQtDC::ToDeviceRect(const CRect& logical) const {
    CRect r = logical;
    LPtoDP(&r);
    r.NormalizeRect();
    return {r.left, r.top, r.right - r.left, r.bottom - r.top};
}

void CQtDC::ApplyPenAndBrush() {
    const CPen& pen = GetCurrentPen();
    const double scale = DeviceScaleX();
    if (!m_bPenApplied || !(m_appliedPen == pen) || m_appliedPenScale != scale) {
        if (pen.GetStyle() == PS_NULL) {
            m_pPainter->setPen(Qt::NoPen);
        } else {
            // Width 0 is one device pixel; other widths are logical and scale with the device.
            int width = 0;
            if (pen.GetWidth() > 0)
                width = std::max(1, static_cast<int>(std::lround(pen.GetWidth() * scale)));
            QPen qpen(ToQColor(pen.GetColor()), width, ToQtStyle(pen.GetStyle()));
            qpen.setCapStyle(width > 1 ? Qt::RoundCap : Qt::FlatCap);
            qpen.setJoinStyle(Qt::RoundJoin);
            if (width == 0 && pen.GetStyle() == PS_DOT)
                SizeDotsForDevice(qpen);
            m_pPainter->setPen(qpen);
        }
        m_appliedPen = pen;
        m_appliedPenScale = scale;
        m_bPenApplied = true;
    }
    // The gaps of dotted lines leave visible what lies beneath (in the together mode the other
    // ear's tones).
    m_pPainter->setBackgroundMode(Qt::TransparentMode);
    const CBrush& brush = GetCurrentBrush();
    if (!m_bBrushApplied || !(m_appliedBrush == brush)) {
        if (brush.IsHollow())
            m_pPainter->setBrush(Qt::NoBrush);
        else
            m_pPainter->setBrush(ToQColor(brush.GetColor()));
        m_appliedBrush = brush;
        m_bBrushApplied = true;
    }
}

void CQtDC::SizeDotsForDevice(QPen& pen) const {
    // One-pixel dots vanish at printer and PDF resolutions, where a dotted hairline looks solid;
    // dots of about 0.3 mm on a line of about 0.1 mm look as on screen (one pixel at 96 dpi).
    const QPaintDevice* device = Device();
    const double pixelsPerMM = (device != nullptr ? device->logicalDpiX() : 96) / 25.4;
    const double width = std::max(1.0, std::round(0.1 * pixelsPerMM));
    const double dot = std::max(1.0, std::round(0.3 * pixelsPerMM));
    pen.setWidthF(width);
    pen.setCosmetic(true);
    pen.setDashPattern({dot / width, 2 * dot / width});
}

void CQtDC::ApplyTextState() {
    FontEntry& entry = CurrentFontEntry();
    if (m_pAppliedFont != &entry || m_appliedFontGeneration != CQtFontCache::Generation()) {
        m_pPainter->setFont(entry.font);
        m_pAppliedFont = &entry;
        m_appliedFontGeneration = CQtFontCache::Generation();
    }
    m_pPainter->setPen(ToQColor(GetTextColor()));
    m_bPenApplied = false;
    if (GetBkMode() == OPAQUE) {
        m_pPainter->setBackgroundMode(Qt::OpaqueMode);
        m_pPainter->setBackground(Qt::white);
    } else {
        m_pPainter->setBackgroundMode(Qt::TransparentMode);
    }
}

void CQtDC::DoLine(CPoint from, CPoint to) {
    if (m_pPainter == nullptr)
        return;
    ApplyPenAndBrush();
    const QPoint a = ToDevice(from);
    const QPoint b = ToDevice(to);
    if (GetCurrentPen().GetStyle() == PS_DOT && DrawDottedFromCache(a, b))
        return;
    m_pPainter->drawLine(a, b);
}

void CQtDC::DrawRun(const QGlyphRun& run, QPointF origin) {
    if (!CLargeGlyphRuns::Draw(*m_pPainter, run, origin))
        m_pPainter->drawGlyphRun(origin, run);
}

// What QPainter::drawText does with a rectangle for the flags used here: laid out once, then
// drawn from its glyphs. False, with nothing drawn, where the text or the flags need more of
// Qt's own handling.
bool CQtDC::DrawTextInRect(const QRect& rect, int flags, const QString& text, QRect* bounding) {
    if (!PlainRaster())
        return false;
    const CLaidOutTexts::Text* laid = CurrentFontEntry().texts.Find(
        rect.width(), flags, m_pPainter->layoutDirection(), text, m_pPainter->font(), Device());
    if (laid == nullptr)
        return false;
    const QPointF corner = rect.topLeft();
    // Fixed-point positions round differently below zero.
    for (const CLaidOutTexts::Text::Line& line : laid->lines) {
        if (corner.x() + line.box.x() < 0 || corner.y() + line.box.y() < 0)
            return false;
    }
    const bool opaque = m_pPainter->backgroundMode() == Qt::OpaqueMode;
    for (const CLaidOutTexts::Text::Line& line : laid->lines) {
        const QPointF origin = corner + line.origin;
        if (opaque)
            m_pPainter->fillRect(line.box.translated(corner), m_pPainter->background());
        for (const QGlyphRun& run : line.runs)
            DrawRun(run, origin);
    }
    if (bounding != nullptr)
        *bounding = laid->bounds.translated(corner).toAlignedRect();
    return true;
}

bool CQtDC::PlainRaster() const {
    return m_pPainter->paintEngine() != nullptr &&
           m_pPainter->paintEngine()->type() == QPaintEngine::Raster &&
           m_pPainter->deviceTransform().type() == QTransform::TxNone;
}

// A dotted line from its stamp: only lines well inside the device, where the engine's own
// clipping cannot shift the dots, and without a clip of the painter's own.
bool CQtDC::DrawDottedFromCache(QPoint a, QPoint b) {
    if (!PlainRaster() || m_pPainter->hasClipping() ||
        m_pPainter->compositionMode() != QPainter::CompositionMode_SourceOver)
        return false;
    const QPen& pen = m_pPainter->pen();
    if (pen.color().alpha() != 255 || pen.brush().style() != Qt::SolidPattern)
        return false;
    const int margin = CDottedLineStamps::Margin(pen);
    const QRect device(0, 0, Device()->width(), Device()->height());
    const QRect inner = device.adjusted(margin, margin, -margin, -margin);
    if (!inner.contains(a) || !inner.contains(b))
        return false;
    const CDottedLineStamps::Stamp& stamp =
        CDottedLineStamps::Find(pen, b - a, m_pPainter->renderHints());
    m_pPainter->drawImage(a - stamp.start, stamp.image);
    return true;
}

void CQtDC::DoEllipse(const CRect& box) {
    if (m_pPainter == nullptr)
        return;
    ApplyPenAndBrush();
    m_pPainter->drawEllipse(ToDeviceRect(box));
}

void CQtDC::DoRectangle(const CRect& box) {
    if (m_pPainter == nullptr)
        return;
    ApplyPenAndBrush();
    const QRect r = ToDeviceRect(box);
    m_pPainter->drawRect(r.adjusted(0, 0, -1, -1));
}

void CQtDC::DoTextOut(CPoint at, const std::string& text) {
    if (m_pPainter == nullptr)
        return;
    ApplyTextState();
    FontEntry& entry = CurrentFontEntry();
    if (!entry.metricsKnown) {
        const QFontMetricsF fm(m_pPainter->font(), Device());
        entry.ascent = fm.ascent();
        entry.descent = fm.descent();
        entry.metricsKnown = true;
    }
    // Shaped labels only on unscaled images and screens: PDF and printers keep the characters
    // behind the glyphs, a scaled painter places glyphs its own way. An opaque background is
    // filled here as drawText fills it (one box for one run of glyphs).
    const bool opaque = GetBkMode() == OPAQUE;
    const CShapedLabels::Label* shaped =
        PlainRaster() ? entry.labels.Find(text, m_pPainter->font(), Device()) : nullptr;
    if (shaped != nullptr && opaque && shaped->runs.size() != 1)
        shaped = nullptr;
    const QString s = shaped != nullptr ? QString() : ToQString(text);
    const QPoint p = ToDevice(at);
    double x = p.x();
    const double width = shaped != nullptr
                             ? shaped->width
                             : QFontMetricsF(m_pPainter->font(), Device()).horizontalAdvance(s);
    switch (GetTextAlign() & TA_HORZMASK) {
    case TA_RIGHT:
        x -= width;
        break;
    case TA_CENTER:
        x -= width / 2;
        break;
    default:
        break;
    }
    double baseline = p.y();
    switch (GetTextAlign() & TA_VERTMASK) {
    case TA_BASELINE:
        break;
    case TA_BOTTOM:
        baseline -= entry.descent;
        break;
    default:
        baseline += entry.ascent;
        break;
    }
    if (shaped == nullptr) {
        m_pPainter->drawText(QPointF(x, baseline), s);
        return;
    }
    if (opaque)
        m_pPainter->fillRect(
            QRectF(x, baseline - entry.ascent, width, entry.ascent + entry.descent),
            m_pPainter->background());
    for (const QGlyphRun& run : shaped->runs)
        DrawRun(run, QPointF(x, baseline));
}

int CQtDC::DoDrawText(const std::string& text, const CRect& rect, unsigned format) {
    if (m_pPainter == nullptr)
        return 0;
    ApplyTextState();
    const QRect device = ToDeviceRect(rect);
    int flags = Qt::AlignTop;
    if (format & DT_CENTER)
        flags |= Qt::AlignHCenter;
    else if (format & DT_RIGHT)
        flags |= Qt::AlignRight;
    else
        flags |= Qt::AlignLeft;
    if (format & DT_WORDBREAK)
        flags |= Qt::TextWordWrap;
    QString s = ToQString(text);
    if (format & DT_SINGLELINE)
        s.replace(QChar('\n'), QChar(' '));
    QRect bounding;
    if (format & DT_NOCLIP) {
        if (!DrawTextInRect(device, flags, s, &bounding))
            m_pPainter->drawText(device, flags | Qt::TextDontClip, s, &bounding);
    } else {
        m_pPainter->save();
        m_pPainter->setClipRect(device, Qt::IntersectClip);
        if (!DrawTextInRect(device, flags, s, &bounding))
            m_pPainter->drawText(device, flags, s, &bounding);
        m_pPainter->restore();
    }
    const double sy = DeviceScaleY();
    return sy > 0 ? static_cast<int>(std::lround(bounding.height() / sy)) : 0;
}
