#pragma once
// The tinnitus diagram of one ear: title, axes with grid and labels, and every tone of that
// ear as a stem from the frequency axis up to its level ending in a filled circle.

#include "core/view/CDiagramOptions.h"
#include "platform/dc/CDC.h"

class CAUVODoc;
class CBaseApp;

class CTinnitusPainter {
public:
    static constexpr int kToneRadius = 15; // 1.5 mm

    explicit CTinnitusPainter(CBaseApp* app) : m_pApp(app) {}

    // hitRect receives the plot area (normalised) before anything can fail. Errors are
    // written to the protocol and end this diagram only.
    void Draw(CDC& dc, CAUVODoc& doc, int side, const CRect& area, const CDiagramOptions& options,
              CRect& hitRect) const;

private:
    void DrawUnguarded(CDC& dc, CAUVODoc& doc, int side, const CRect& area,
                       const CDiagramOptions& options, CRect& hitRect) const;

    CBaseApp* m_pApp;
};
