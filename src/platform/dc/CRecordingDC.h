#pragma once
// A device context that draws nothing and records every primitive with its exact logical
// coordinates and the drawing state at the time, so tests can assert what a page draws.

#include "platform/dc/CDC.h"
#include "platform/dc/DeviceCaps.h"

#include <string>
#include <vector>

class CRecordingDC : public CDC {
public:
    // By default one pixel is 0.1 mm, so device and logical units coincide.
    using Caps = DeviceCaps;

    enum class Kind { Line, Ellipse, Rectangle, Text, DrawText };

    struct Call {
        Kind kind = Kind::Line;
        CPoint from; // Line: start; Text: reference point
        CPoint to;   // Line: end
        CRect rect;  // Ellipse/Rectangle: box; DrawText: rectangle
        std::string text;
        unsigned flags = 0; // Text: alignment; DrawText: format
        CPen pen;
        CBrush brush;
        CFont font;
        COLORREF textColor = 0;
        int mapMode = MM_TEXT;
    };

    CRecordingDC();
    explicit CRecordingDC(const Caps& caps, bool printing = false);

    int GetDeviceCaps(int index) const override;
    CRect GetClipBoxDevice() const override;
    bool CreateFont(CFont& font, const LOGFONT& lf) override;
    CSize GetTextExtent(const std::string& text) const override;

    void SetCaps(const Caps& caps) { m_caps = caps; }
    // Narrows the clipping region to a device rectangle.
    void SetClipBoxDevice(const CRect& device);
    void ClearClip() { m_bHasClip = false; }
    // Makes every font creation fail, for the paths that cope without a font.
    void SetRefuseFonts(bool refuse) { m_bRefuseFonts = refuse; }

    const std::vector<Call>& Calls() const { return m_calls; }
    void ClearCalls() { m_calls.clear(); }
    std::vector<Call> CallsOf(Kind kind) const;
    // Every TextOut / DrawText of exactly this text.
    std::vector<Call> TextsEqual(const std::string& text) const;
    // Lines from a to b (in that direction).
    std::vector<Call> LinesBetween(CPoint a, CPoint b) const;

protected:
    void DoLine(CPoint from, CPoint to) override;
    void DoEllipse(const CRect& box) override;
    void DoRectangle(const CRect& box) override;
    void DoTextOut(CPoint at, const std::string& text) override;
    int DoDrawText(const std::string& text, const CRect& rect, unsigned format) override;

private:
    Call Snapshot(Kind kind) const;

    Caps m_caps;
    bool m_bHasClip = false;
    CRect m_clip;
    bool m_bRefuseFonts = false;
    std::vector<Call> m_calls;
};
