#include "gui/view/CQtDC.h"

#include <QCoreApplication>
#include <QFontDatabase>
#include <QFontMetricsF>
#include <QHash>
#include <QPaintDevice>
#include <QPaintEngine>
#include <QPainter>
#include <QPainterPath>
#include <QPen>
#include <QRawFont>
#include <QScreen>
#include <QTextLayout>
#include <QWidget>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <list>
#include <unordered_map>
#include <vector>

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

// Texts as short as labels are shaped once per font and kept; longer ones are drawn directly.
constexpr std::size_t kShapedTextMax = 200;
constexpr std::size_t kShapedTextsPerFont = 4096;
constexpr std::size_t kFontsKept = 32;
constexpr std::size_t kStampsKept = 64;
// Texts in rectangles up to a few lines are laid out once; a long comment each time.
constexpr qsizetype kLaidTextMax = 4096;
constexpr std::size_t kLaidTextsPerFont = 256;

} // namespace

// A font as the painter draws it, and the labels shaped in it. Kept for the process (UI
// thread only): every repaint draws the same few fonts and labels.
// A text laid out in a rectangle's width: its lines (origin and opaque box relative to the
// rectangle's corner, glyphs), and the bounds drawText reports, likewise relative.
struct CQtDC::LaidText {
    struct Line {
        QPointF origin;
        QRectF box;
        QList<QGlyphRun> runs;
    };
    std::vector<Line> lines;
    QRectF bounds;
};

struct CQtDC::FontEntry {
    LOGFONT logFont;
    double scale = 1.0;
    int dpiX = 0;
    int dpiY = 0;
    QFont font;
    bool metricsKnown = false;
    double ascent = 0.0;
    double descent = 0.0;
    std::unordered_map<std::string, ShapedText> texts;
    std::unordered_map<QString, LaidText> laid;
};

namespace {
// Counts the times the entries were dropped: a context's last entry is valid only as long.
unsigned g_fontGeneration = 0;

// A cache for the process, emptied while the application still exists: fonts and images must
// not outlive Qt's font database.
template <typename T> std::list<T>& Cache() {
    static std::list<T>* cache = [] {
        qAddPostRoutine([] {
            Cache<T>().clear();
            ++g_fontGeneration;
        });
        return new std::list<T>;
    }();
    return *cache;
}

struct GlyphBoundsOfFont {
    QRawFont font;
    QHash<quint32, QRectF> glyphs;
};

struct DottedLineKey {
    int dx;
    int dy;
    QRgb color;
    double width;
    QList<qreal> dashes;
    bool operator==(const DottedLineKey&) const = default;
};

struct DottedLineStamp {
    DottedLineKey key;
    QImage image;
    QPoint start; // where the line starts in the image
};
} // namespace

std::list<CQtDC::FontEntry>& CQtDC::FontEntries() {
    return Cache<FontEntry>();
}

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
    static QHash<QString, QString> resolved;
    auto it = resolved.constFind(face);
    if (it != resolved.constEnd())
        return *it;
    const QStringList families = QFontDatabase::families();
    QString family = face;
    if (!families.contains(face, Qt::CaseInsensitive)) {
        family.clear();
        for (const QString& candidate :
             {QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans"),
              QStringLiteral("Arimo"), QStringLiteral("FreeSans")}) {
            if (families.contains(candidate, Qt::CaseInsensitive)) {
                family = candidate;
                break;
            }
        }
        if (family.isEmpty()) {
            QFont probe;
            probe.setStyleHint(QFont::SansSerif);
            family = probe.defaultFamily();
        }
    }
    resolved.insert(face, family);
    return family;
}

bool CQtDC::CreateFont(CFont& font, const LOGFONT& lf) {
    return CDC::CreateFont(font, lf);
}

CQtDC::FontEntry& CQtDC::CurrentFontEntry() const {
    const LOGFONT& lf = GetCurrentFont().GetLogFont();
    const double scale = DeviceScaleY();
    if (m_pLastFont != nullptr && m_lastGeneration == g_fontGeneration && m_lastScale == scale &&
        m_lastLogFont == lf)
        return *m_pLastFont;

    const QPaintDevice* device = Device();
    const int dpiX = device != nullptr ? device->logicalDpiX() : 0;
    const int dpiY = device != nullptr ? device->logicalDpiY() : 0;
    std::list<FontEntry>& entries = FontEntries();
    auto found = std::find_if(entries.begin(), entries.end(), [&](const FontEntry& e) {
        return e.scale == scale && e.dpiX == dpiX && e.dpiY == dpiY && e.logFont == lf;
    });
    if (found == entries.end()) {
        if (entries.size() >= kFontsKept) {
            entries.clear();
            ++g_fontGeneration;
        }
        QFont f(ResolveFamily(QString::fromStdString(lf.lfFaceName)));
        f.setStyleHint(QFont::SansSerif);
        f.setWeight(
            static_cast<QFont::Weight>(std::clamp(lf.lfWeight > 0 ? lf.lfWeight : 400, 1, 1000)));
        f.setItalic(lf.lfItalic);
        // A positive height is the whole cell (ascent plus descent), a negative one the em size.
        const double wanted = (lf.lfHeight == 0 ? 40 : std::abs(lf.lfHeight)) * scale;
        int pixels = std::max(1, static_cast<int>(std::lround(wanted)));
        f.setPixelSize(pixels);
        if (lf.lfHeight >= 0) {
            const QFontMetricsF fm(f, Device());
            if (fm.height() > 0)
                pixels = std::max(1, static_cast<int>(std::lround(wanted * pixels / fm.height())));
            f.setPixelSize(pixels);
        }
        FontEntry entry;
        entry.logFont = lf;
        entry.scale = scale;
        entry.dpiX = dpiX;
        entry.dpiY = dpiY;
        entry.font = f;
        entries.push_front(std::move(entry));
        found = entries.begin();
    }
    m_pLastFont = &*found;
    m_lastLogFont = lf;
    m_lastScale = scale;
    m_lastGeneration = g_fontGeneration;
    return *found;
}

QFont CQtDC::CurrentQFont() const {
    return CurrentFontEntry().font;
}

const CQtDC::ShapedText* CQtDC::Shaped(FontEntry& entry, const std::string& text) const {
    if (text.size() > kShapedTextMax ||
        std::any_of(text.begin(), text.end(), [](char c) { return c >= 0 && c < ' '; }))
        return nullptr;
    auto found = entry.texts.find(text);
    if (found != entry.texts.end())
        return &found->second;
    if (entry.texts.size() >= kShapedTextsPerFont)
        entry.texts.clear();
    const QString s = ToQString(text);
    ShapedText shaped;
    shaped.width = QFontMetricsF(m_pPainter->font(), Device()).horizontalAdvance(s);
    QTextLayout layout(s, m_pPainter->font(), Device());
    layout.beginLayout();
    QTextLine line = layout.createLine();
    layout.endLayout();
    if (!line.isValid())
        return nullptr;
    // Glyph positions relative to the start of the baseline.
    line.setPosition(QPointF(0.0, -line.ascent()));
    shaped.runs = layout.glyphRuns();
    return &entry.texts.emplace(text, std::move(shaped)).first->second;
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
    if (m_pAppliedFont != &entry || m_appliedFontGeneration != g_fontGeneration) {
        m_pPainter->setFont(entry.font);
        m_pAppliedFont = &entry;
        m_appliedFontGeneration = g_fontGeneration;
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

// Glyphs too large for the engine's glyph cache are filled as outlines, all glyphs of a run
// as one path; the rasteriser's cost then grows with the square of the edges in a pixel row.
// Handed to the engine in groups whose pixels do not touch, the glyphs get the same pixels
// much sooner: each keeps its outline and position. False when the engine draws the run from
// its glyph cache anyway.
bool CQtDC::DrawLargeGlyphs(const QGlyphRun& run, QPointF origin) {
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
        m_pPainter->drawGlyphRun(origin, part);
    }
    return true;
}

// Outlines are loaded with the font's hinting; a page uses the same few glyphs many times.
QRectF CQtDC::GlyphBounds(const QRawFont& font, quint32 glyph) {
    std::list<GlyphBoundsOfFont>& fonts = Cache<GlyphBoundsOfFont>();
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
    if (found->glyphs.size() >= static_cast<qsizetype>(kShapedTextsPerFont))
        found->glyphs.clear();
    return *found->glyphs.insert(glyph, font.pathForGlyph(glyph).boundingRect());
}

// What QPainter::drawText does with a rectangle for the flags used here (top, left or centred,
// wrapped or not): laid out the same way once per font, text, width and flags, then drawn from
// its glyphs, large ones in groups. False, with nothing drawn, where the text or the flags need
// more of Qt's own handling.
bool CQtDC::DrawTextInRect(const QRect& rect, int flags, const QString& text, QRect* bounding) {
    if (!PlainRaster() || text.isEmpty() || text.size() > kLaidTextMax ||
        (flags & (Qt::AlignRight | Qt::AlignBottom | Qt::AlignVCenter | Qt::AlignJustify)) != 0)
        return false;
    FontEntry& entry = CurrentFontEntry();
    const QString key = QStringLiteral("%1|%2|%3|")
                            .arg(rect.width())
                            .arg(flags)
                            .arg(static_cast<int>(m_pPainter->layoutDirection())) +
                        text;
    auto found = entry.laid.find(key);
    if (found == entry.laid.end()) {
        LaidText laid;
        if (!LayOut(rect.width(), flags, text, laid))
            return false;
        if (entry.laid.size() >= kLaidTextsPerFont)
            entry.laid.clear();
        found = entry.laid.emplace(key, std::move(laid)).first;
    }
    const LaidText& laid = found->second;
    const QPointF corner = rect.topLeft();
    // Fixed-point positions round differently below zero.
    for (const LaidText::Line& line : laid.lines) {
        if (corner.x() + line.box.x() < 0 || corner.y() + line.box.y() < 0)
            return false;
    }
    const bool opaque = m_pPainter->backgroundMode() == Qt::OpaqueMode;
    for (const LaidText::Line& line : laid.lines) {
        const QPointF origin = corner + line.origin;
        if (opaque)
            m_pPainter->fillRect(line.box.translated(corner), m_pPainter->background());
        for (const QGlyphRun& run : line.runs) {
            if (!DrawLargeGlyphs(run, origin))
                m_pPainter->drawGlyphRun(origin, run);
        }
    }
    if (bounding != nullptr)
        *bounding = laid.bounds.translated(corner).toAlignedRect();
    return true;
}

bool CQtDC::LayOut(int width, int flags, const QString& text, LaidText& laid) const {
    QString lines = text;
    for (QChar& c : lines) {
        if (c == u'&' || c == u'\t' || c == QChar(0x9c) || c == u'\r')
            return false;
        if (c == u'\n')
            c = QChar::LineSeparator;
    }
    const QFont font = m_pPainter->font();
    const bool wordWrap = (flags & Qt::TextWordWrap) != 0;
    QTextLayout layout(lines, font, Device());
    QTextOption option;
    option.setTextDirection(m_pPainter->layoutDirection());
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
        LaidText::Line laidLine;
        laidLine.origin = QPointF(centred ? (width - line.horizontalAdvance()) / 2 : 0.0, 0.0);
        laidLine.box = QRectF(laidLine.origin.x() + line.x(), line.y(), line.horizontalAdvance(),
                              line.ascent() + line.descent());
        laidLine.runs = line.glyphRuns();
        laid.lines.push_back(std::move(laidLine));
    }
    return true;
}

bool CQtDC::PlainRaster() const {
    return m_pPainter->paintEngine() != nullptr &&
           m_pPainter->paintEngine()->type() == QPaintEngine::Raster &&
           m_pPainter->deviceTransform().type() == QTransform::TxNone;
}

// Dotted lines cost the raster engine a blend per dot. A dotted line's pixels depend only on
// its pen and its vector, so each is drawn once into a transparent image and then copied:
// its dots are opaque and its gaps empty, so the copy gives the same pixels. Only lines well
// inside the device, where the engine's own clipping cannot shift the dots, and without a
// clip of the painter's own.
bool CQtDC::DrawDottedFromCache(QPoint a, QPoint b) {
    if (!PlainRaster() || m_pPainter->hasClipping() ||
        m_pPainter->compositionMode() != QPainter::CompositionMode_SourceOver)
        return false;
    const QPen& pen = m_pPainter->pen();
    if (pen.color().alpha() != 255 || pen.brush().style() != Qt::SolidPattern)
        return false;
    const int margin = static_cast<int>(std::ceil(pen.widthF())) + 2;
    const QRect device(0, 0, Device()->width(), Device()->height());
    const QRect inner = device.adjusted(margin, margin, -margin, -margin);
    if (!inner.contains(a) || !inner.contains(b))
        return false;

    std::list<DottedLineStamp>& stamps = Cache<DottedLineStamp>();
    const DottedLineKey key{b.x() - a.x(), b.y() - a.y(), pen.color().rgba(), pen.widthF(),
                            pen.dashPattern()};
    auto found = std::find_if(stamps.begin(), stamps.end(),
                              [&](const DottedLineStamp& stamp) { return stamp.key == key; });
    if (found == stamps.end()) {
        if (stamps.size() >= kStampsKept)
            stamps.pop_back();
        DottedLineStamp stamp{key,
                              QImage(std::abs(key.dx) + 2 * margin + 1,
                                     std::abs(key.dy) + 2 * margin + 1,
                                     QImage::Format_ARGB32_Premultiplied),
                              QPoint(margin + std::max(0, -key.dx), margin + std::max(0, -key.dy))};
        stamp.image.fill(Qt::transparent);
        QPainter painter(&stamp.image);
        painter.setRenderHints(m_pPainter->renderHints());
        painter.setBackgroundMode(Qt::TransparentMode);
        painter.setPen(pen);
        painter.drawLine(stamp.start, stamp.start + QPoint(key.dx, key.dy));
        painter.end();
        // Only the dots' box is copied: the rest is transparent anyway.
        QRect dots;
        for (int y = 0; y < stamp.image.height(); ++y) {
            const auto* row = reinterpret_cast<const QRgb*>(stamp.image.constScanLine(y));
            for (int x = 0; x < stamp.image.width(); ++x) {
                if (qAlpha(row[x]) != 0)
                    dots |= QRect(x, y, 1, 1);
            }
        }
        if (!dots.isEmpty()) {
            stamp.image = stamp.image.copy(dots);
            stamp.start -= dots.topLeft();
        }
        stamps.push_front(std::move(stamp));
        found = stamps.begin();
    } else if (found != stamps.begin()) {
        stamps.splice(stamps.begin(), stamps, found);
        found = stamps.begin();
    }
    m_pPainter->drawImage(a - found->start, found->image);
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
    const ShapedText* shaped = PlainRaster() ? Shaped(entry, text) : nullptr;
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
    for (const QGlyphRun& run : shaped->runs) {
        if (!DrawLargeGlyphs(run, QPointF(x, baseline)))
            m_pPainter->drawGlyphRun(QPointF(x, baseline), run);
    }
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
