#pragma once
// A font as a value. Created through the device context (CDC::CreateFont), which may refuse.

#include "platform/dc/GdiTypes.h"

#include <string>

struct LOGFONT {
    int lfHeight = 0; // cell height in logical units
    int lfWeight = FW_NORMAL;
    bool lfItalic = false;
    int lfCharSet = ANSI_CHARSET;
    int lfOutPrecision = OUT_TT_PRECIS;
    int lfClipPrecision = CLIP_DEFAULT_PRECIS;
    int lfQuality = PROOF_QUALITY;
    int lfPitchAndFamily = VARIABLE_PITCH | FF_SWISS;
    std::string lfFaceName;
    bool operator==(const LOGFONT&) const = default;
};

class CFont {
public:
    CFont() = default;

    bool IsCreated() const { return m_bCreated; }
    const LOGFONT& GetLogFont() const { return m_lf; }
    int GetHeight() const { return m_lf.lfHeight; }
    int GetWeight() const { return m_lf.lfWeight; }
    const std::string& GetFaceName() const { return m_lf.lfFaceName; }
    bool operator==(const CFont&) const = default;

    // The font the device starts with; also what an uncreated font selects as.
    static CFont Default() {
        CFont f;
        f.m_lf.lfHeight = 0;
        f.m_lf.lfFaceName = "System";
        f.m_bCreated = true;
        return f;
    }

private:
    friend class CDC;
    LOGFONT m_lf;
    bool m_bCreated = false;
};
