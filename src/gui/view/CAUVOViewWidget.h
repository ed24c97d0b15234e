#pragma once
// The view's window: paints the page on white from the top left corner in the screen's
// 0.1 mm units (page width = window width, no scrolling), repaints when the document
// changes, hands mouse messages to the current mouse tool and shows the tools' cursor.

#include "core/view/CAUVOView.h"
#include "core/view/IViewWindow.h"
#include "gui/view/CQtDC.h"

#include <QWidget>

#include <functional>

class CAUVODoc;
class CBaseApp;
class CCommandTable;
class CDocManager;
class CViewCommandHandlers;
class QMainWindow;

class CAUVOViewWidget : public QWidget, public IViewWindow {
    Q_OBJECT
public:
    enum class MouseMessage { LButtonDown, LButtonUp, RButtonUp, MouseMove };

    explicit CAUVOViewWidget(CBaseApp* app, QWidget* parent = nullptr);
    // Makes a view the central widget of the main window and registers its commands.
    static CAUVOViewWidget* Install(QMainWindow& frame, CCommandTable& commands, CBaseApp* app);
    // Stores the display flags, like the view window going away.
    ~CAUVOViewWidget() override;

    CAUVOView& View() { return m_view; }
    // A new or opened document: the view attaches and reads its settings again.
    // Null detaches (before the document goes away).
    void AttachDocument(CAUVODoc* doc);
    CAUVODoc* Document() const { return m_view.GetDocument(); }
    // Shows the manager's document and makes the initial update for every new or opened one.
    void FollowDocuments(CDocManager& documents);

    // Its commands in the window's command table (once).
    CViewCommandHandlers& RegisterCommands(CCommandTable& commands);
    CViewCommandHandlers* Commands() const { return m_pCommands; }

    int CurrentTool() const;

    // The screen as a device: its size in pixels and the window's logical resolution.
    CQtDC::Caps ScreenCaps() const;

    // IViewWindow
    CRect GetClientRect() const override;
    std::unique_ptr<CDC> CreateClientDC() override;
    void InvalidateRect(const CRect* deviceRect, bool erase) override;
    void SetCurrentTool(int toolNumber) override;
    void SetCapture() override { m_bCapture = true; }
    void ReleaseCapture() override { m_bCapture = false; }
    bool HasCapture() const override { return m_bCapture; }
    void TrackPopupMenu(const std::vector<IToolView::MenuEntry>& entries, CPoint client) override;

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;

private:
    bool Forward(MouseMessage message, QMouseEvent* event);
    void ShowToolCursor();

    CAUVOView m_view;
    bool m_bCapture = false;
    CViewCommandHandlers* m_pCommands = nullptr;
};
