#pragma once
// The device context on a QPainter: screen, print preview, printer, PDF and images.
// Geometry is converted to device pixels with the context's own mapping, so what is drawn
// lands on the same pixels the mapping reports to hit tests. On unscaled raster devices it
// draws labels, texts in rectangles and dotted lines from the process's caches beside it
// (CQtFontCache, CShapedLabels, CLaidOutTexts, CDottedLineStamps, CLargeGlyphRuns), with
// Qt's own pixels; elsewhere it makes Qt's plain calls.

#include "gui/view/CQtFontCache.h"
#include "platform/dc/CDC.h"
#include "platform/dc/DeviceCaps.h"

#include <QFont>
#include <QRect>

class QPainter;
class QPaintDevice;
class QPen;
class QWidget;

class CQtDC : public CDC {
public:
    // Filled from the screen, the printer or the export sheet.
    using Caps = DeviceCaps;

    // The painter must be active and outlive this context. Printing marks printer, preview
    // and export pages. Without a painter the context only converts and measures.
    CQtDC(QPainter* painter, const Caps& caps, bool printing);
    ~CQtDC() override;

    // Capabilities of a page-like device (printer, PDF writer, image): its size in pixels
    // and its resolution.
    static Caps PageCaps(const QPaintDevice& device);
    // Capabilities of the screen a widget is on: its size, the widget's resolution.
    static Caps ScreenCaps(const QWidget& widget);

    // Limits drawing to this device rectangle (a paint event's region).
    void SetClipDevice(const QRect& device);

    int GetDeviceCaps(int index) const override;
    CRect GetClipBoxDevice() const override;
    bool CreateFont(CFont& font, const LOGFONT& lf) override;
    CSize GetTextExtent(const std::string& text) const override;

    // The family used for a requested face: itself when installed, else a sans-serif one.
    static QString ResolveFamily(const QString& face);

protected:
    void DoLine(CPoint from, CPoint to) override;
    void DoEllipse(const CRect& box) override;
    void DoRectangle(const CRect& box) override;
    void DoTextOut(CPoint at, const std::string& text) override;
    int DoDrawText(const std::string& text, const CRect& rect, unsigned format) override;

private:
    using FontEntry = CQtFontCache::Entry;

    QPoint ToDevice(CPoint p) const;
    QRect ToDeviceRect(const CRect& logical) const;
    void ApplyPenAndBrush();
    void SizeDotsForDevice(QPen& pen) const;
    void ApplyTextState();
    QFont CurrentQFont() const;
    FontEntry& CurrentFontEntry() const;
    bool PlainRaster() const;
    void DrawRun(const QGlyphRun& run, QPointF origin);
    bool DrawTextInRect(const QRect& rect, int flags, const QString& text, QRect* bounding);
    bool DrawDottedFromCache(QPoint a, QPoint b);
    QPaintDevice* Device() const;

    QPainter* m_pPainter;
    Caps m_caps;
    bool m_bHasClip = false;
    QRect m_clip;
    // The font entry last looked up, while the font and the scale stay the same.
    mutable FontEntry* m_pLastFont = nullptr;
    mutable LOGFONT m_lastLogFont;
    mutable double m_lastScale = 0.0;
    mutable unsigned m_lastGeneration = 0;
    // What the painter was last given, so that unchanged state is not set again.
    const FontEntry* m_pAppliedFont = nullptr;
    unsigned m_appliedFontGeneration = 0;
    bool m_bPenApplied = false;
    CPen m_appliedPen;
    double m_appliedPenScale = 0.0;
    bool m_bBrushApplied = false;
    CBrush m_appliedBrush;
};
