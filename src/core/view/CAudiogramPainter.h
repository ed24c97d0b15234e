#pragma once
// The audiogram of one ear: title, axes with grid and labels, and the thresholds of the
// comparison document, the normal curve and the document as lines through all entries.

#include "core/view/CDiagramOptions.h"
#include "platform/dc/CDC.h"

class CAUVODoc;
class CBaseApp;
class CHoertestDaten;

class CAudiogramPainter {
public:
    explicit CAudiogramPainter(CBaseApp* app) : m_pApp(app) {}

    // Errors of the data are written to the protocol and end this diagram only.
    void Draw(CDC& dc, CAUVODoc& doc, int side, const CRect& area,
              const CDiagramOptions& options) const;

private:
    void DrawUnguarded(CDC& dc, CAUVODoc& doc, int side, const CRect& area,
                       const CDiagramOptions& options) const;

    CBaseApp* m_pApp;
};
