#pragma once
// The view's model: display flags and level bounds with their settings keys, the page drawing,
// the hit rectangles of the tinnitus diagrams, the mapping from window points back to side,
// frequency and level, and the tone selection. The window itself is IViewWindow.

#include "core/tinnitus/IToolView.h"
#include "core/view/CDiagramOptions.h"
#include "core/view/IPage.h"
#include "platform/dc/CDC.h"
#include "platform/dc/CRect.h"
#include "platform/document/IDocumentView.h"

#include <cstdint>

class CAUVODoc;
class CBaseApp;
class CSinusTone;
class IViewWindow;

class CAUVOView : public IDocumentView, public IToolView, public IPage {
public:
    // app: protocol and settings (none: nothing is logged, defaults are used).
    explicit CAUVOView(CBaseApp* app);
    ~CAUVOView() override;
    CAUVOView(const CAUVOView&) = delete;
    CAUVOView& operator=(const CAUVOView&) = delete;

    void SetWindow(IViewWindow* window) { m_pWindow = window; }
    IViewWindow* GetWindow() const { return m_pWindow; }
    // Registers with the document's views; null detaches.
    void SetDocument(CAUVODoc* doc);
    CAUVODoc* GetDocument() const { return m_pDocument; }
    CBaseApp* GetApp() const override { return m_pApp; }

    // A new or opened document: settings read again, selection tool, no selection.
    void OnInitialUpdate();
    // The window is going away: the three display flags are stored.
    void OnDestroy();
    // The document changed: the whole view is repainted, and a selected tone the document no
    // longer holds (it was reloaded or renewed) is forgotten.
    void OnUpdate(IDocumentView* sender, long hint) override;

    // The whole page on any device.
    void OnDraw(CDC& dc) override;
    void DrawTest(CDC& dc, CAUVODoc& doc, int side, const CRect& area, bool logarithmic,
                  bool normalCurve);
    void DrawTinnitus(CDC& dc, CAUVODoc& doc, int side, const CRect& area, bool logarithmic);

    // A client point (pixels) in a tinnitus plot area: side, frequency in Hz and level in mB
    // relative to the calibration. False (outputs untouched) elsewhere.
    bool ClientToTT(CPoint client, int& side, double& frequency, int& level) override;

    void SetSelectedTone(CSinusTone* tone, int side) override;
    // None (side 3) once the document no longer holds the selected tone.
    CSinusTone* GetSelectedTone(int* side = nullptr) const override;
    // Repaints the tinnitus diagram of side 0, or of the right ear for any other side.
    void InvalidateSide(int side) override;

    // For the mouse tools: the window's capture and pop-up menu, the document's tones.
    bool IsTogether() const override { return m_bZusammen; }
    void SetCapture() override;
    void ReleaseCapture() override;
    bool HasCapture() const override;
    void TrackPopupMenu(const std::vector<MenuEntry>& entries, CPoint client) override;
    CSinusTone* TToneNear(int side, double frequency) const override;
    CSinusTone* CreateTTValue(int side, double frequency, LONG level, double bandwidth) override;
    LONG ToRelativeLevel(LONG deviceAtt) const override;
    LONG ToAbsoluteLevel(LONG level) const override;
    void SetModifiedFlag() override;
    // Repaints the whole client area.
    void InvalidateAll();

    bool m_bZusammen = false;
    bool m_bShowHTD = false;
    bool m_bShowTTD = false;
    bool m_bLogDarst = false;
    bool m_bNormalkurve = false;
    CRect m_rectRechts;
    CRect m_rectLinks;
    static constexpr int kDefaultMinDB = -60;
    static constexpr int kDefaultMaxDB = 10;
    int m_nMinDB = kDefaultMinDB;
    int m_nMaxDB = kDefaultMaxDB;

private:
    CDiagramOptions Options(bool logarithmic) const;
    // No tone has been deleted since the selection was made and the document still holds
    // the selected tone (its address alone proves nothing: it may be reused).
    bool SelectionInDocument() const;

    CBaseApp* m_pApp;
    IViewWindow* m_pWindow = nullptr;
    CAUVODoc* m_pDocument = nullptr;
    CSinusTone* m_pSelTone = nullptr;
    int m_nSelSide = kNoSide;
    // The document's tone deletions when the tone was selected.
    std::uint32_t m_nSelDeletions = 0;
};
