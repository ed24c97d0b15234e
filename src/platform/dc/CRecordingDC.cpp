#include "platform/dc/CRecordingDC.h"

#include <cstdlib>

CRecordingDC::CRecordingDC() = default;

CRecordingDC::CRecordingDC(const Caps& caps, bool printing) : m_caps(caps) {
    SetPrinting(printing);
}

int CRecordingDC::GetDeviceCaps(int index) const {
    return m_caps.Get(index);
}

CRect CRecordingDC::GetClipBoxDevice() const {
    return m_bHasClip ? m_clip : CDC::GetClipBoxDevice();
}

void CRecordingDC::SetClipBoxDevice(const CRect& device) {
    m_clip = device;
    m_clip.NormalizeRect();
    m_bHasClip = true;
}

bool CRecordingDC::CreateFont(CFont& font, const LOGFONT& lf) {
    return !m_bRefuseFonts && CDC::CreateFont(font, lf);
}

CSize CRecordingDC::GetTextExtent(const std::string& text) const {
    // Half the cell height per character (UTF-8 continuation bytes do not count).
    int chars = 0;
    for (unsigned char c : text)
        if ((c & 0xC0) != 0x80)
            ++chars;
    const int h = std::abs(GetCurrentFont().GetHeight());
    const int height = h > 0 ? h : 16;
    return {chars * height / 2, height};
}

std::vector<CRecordingDC::Call> CRecordingDC::CallsOf(Kind kind) const {
    std::vector<Call> out;
    for (const Call& c : m_calls)
        if (c.kind == kind)
            out.push_back(c);
    return out;
}

std::vector<CRecordingDC::Call> CRecordingDC::TextsEqual(const std::string& text) const {
    std::vector<Call> out;
    for (const Call& c : m_calls)
        if ((c.kind == Kind::Text || c.kind == Kind::DrawText) && c.text == text)
            out.push_back(c);
    return out;
}

std::vector<CRecordingDC::Call> CRecordingDC::LinesBetween(CPoint a, CPoint b) const {
    std::vector<Call> out;
    for (const Call& c : m_calls)
        if (c.kind == Kind::Line && c.from == a && c.to == b)
            out.push_back(c);
    return out;
}

CRecordingDC::Call CRecordingDC::Snapshot(Kind kind) const {
    Call c;
    c.kind = kind;
    c.pen = GetCurrentPen();
    c.brush = GetCurrentBrush();
    c.font = GetCurrentFont();
    c.textColor = GetTextColor();
    c.flags = GetTextAlign();
    c.mapMode = GetMapMode();
    return c;
}

void CRecordingDC::DoLine(CPoint from, CPoint to) {
    Call c = Snapshot(Kind::Line);
    c.from = from;
    c.to = to;
    m_calls.push_back(c);
}

void CRecordingDC::DoEllipse(const CRect& box) {
    Call c = Snapshot(Kind::Ellipse);
    c.rect = box;
    m_calls.push_back(c);
}

void CRecordingDC::DoRectangle(const CRect& box) {
    Call c = Snapshot(Kind::Rectangle);
    c.rect = box;
    m_calls.push_back(c);
}

void CRecordingDC::DoTextOut(CPoint at, const std::string& text) {
    Call c = Snapshot(Kind::Text);
    c.from = at;
    c.text = text;
    m_calls.push_back(c);
}

int CRecordingDC::DoDrawText(const std::string& text, const CRect& rect, unsigned format) {
    Call c = Snapshot(Kind::DrawText);
    c.rect = rect;
    c.text = text;
    c.flags = format;
    m_calls.push_back(c);
    int lines = 1;
    for (char ch : text)
        if (ch == '\n')
            ++lines;
    return lines * GetTextExtent(text).cy;
}
