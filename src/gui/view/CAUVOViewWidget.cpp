#include "gui/view/CAUVOViewWidget.h"

#include "core/app/CBaseApp.h"
#include "core/app/StringTable.h"
#include "core/sound/CSinusTone.h"
#include "core/tinnitus/CTool.h"
#include "gui/document/CDocManager.h"
#include "gui/platform/UiText.h"
#include "gui/view/CViewCommandHandlers.h"

#include <QMainWindow>
#include <QMenu>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QScreen>

#include <cmath>

namespace {
// Tone circles and thick pens reach a little beyond a diagram's plot area; repainting this
// much more keeps them from leaving traces when a tone moves near an edge.
constexpr int kInvalidateMarginLogical = 25;
} // namespace

CAUVOViewWidget::CAUVOViewWidget(CBaseApp* app, QWidget* parent) : QWidget(parent), m_view(app) {
    m_view.SetWindow(this);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMouseTracking(true);
    setMinimumSize(200, 150);
}

CAUVOViewWidget* CAUVOViewWidget::Install(QMainWindow& frame, CCommandTable& commands,
                                          CBaseApp* app) {
    auto* view = new CAUVOViewWidget(app, &frame);
    frame.setCentralWidget(view);
    view->RegisterCommands(commands);
    return view;
}

CViewCommandHandlers& CAUVOViewWidget::RegisterCommands(CCommandTable& commands) {
    if (m_pCommands == nullptr)
        m_pCommands = new CViewCommandHandlers(*this, commands);
    return *m_pCommands;
}

CAUVOViewWidget::~CAUVOViewWidget() {
    // The command handlers refer to the view; they go first.
    delete m_pCommands;
    m_pCommands = nullptr;
    m_view.OnDestroy();
    m_view.SetDocument(nullptr);
    m_view.SetWindow(nullptr);
}

void CAUVOViewWidget::AttachDocument(CAUVODoc* doc) {
    m_view.SetDocument(doc);
    if (doc != nullptr)
        m_view.OnInitialUpdate();
    update();
}

void CAUVOViewWidget::FollowDocuments(CDocManager& documents) {
    AttachDocument(&documents.Document());
    connect(&documents, &CDocManager::DocumentReplaced, this, [this] {
        m_view.OnInitialUpdate();
        update();
    });
}

CQtDC::Caps CAUVOViewWidget::ScreenCaps() const {
    return CQtDC::ScreenCaps(*this);
}

CRect CAUVOViewWidget::GetClientRect() const {
    return {0, 0, width(), height()};
}

std::unique_ptr<CDC> CAUVOViewWidget::CreateClientDC() {
    return std::make_unique<CQtDC>(nullptr, ScreenCaps(), false);
}

void CAUVOViewWidget::InvalidateRect(const CRect* deviceRect, bool /*erase*/) {
    if (deviceRect == nullptr) {
        update();
        return;
    }
    CRect r = *deviceRect;
    r.NormalizeRect();
    const CQtDC::Caps caps = ScreenCaps();
    const int margin =
        static_cast<int>(std::ceil(kInvalidateMarginLogical * caps.logPixelsX / 254.0)) + 1;
    update(QRect(r.left, r.top, r.Width(), r.Height()).adjusted(-margin, -margin, margin, margin));
}

void CAUVOViewWidget::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    painter.fillRect(event->rect(), Qt::white);
    CQtDC dc(&painter, ScreenCaps(), false);
    dc.SetClipDevice(event->rect());
    m_view.OnDraw(dc);
}

int CAUVOViewWidget::CurrentTool() const {
    return CTool::s_nCurrentTool;
}

void CAUVOViewWidget::SetCurrentTool(int toolNumber) {
    CTool::s_nCurrentTool = toolNumber;
}

void CAUVOViewWidget::TrackPopupMenu(const std::vector<IToolView::MenuEntry>& entries,
                                     CPoint client) {
    QMenu menu(this);
    for (const IToolView::MenuEntry& entry : entries)
        menu.addAction(UiText(entry.textId))->setData(entry.commandId);
    const QAction* chosen = menu.exec(mapToGlobal(QPoint(client.x, client.y)));
    if (chosen != nullptr && m_pCommands != nullptr)
        m_pCommands->Execute(chosen->data().toInt());
}

bool CAUVOViewWidget::Forward(MouseMessage message, QMouseEvent* event) {
    const QPoint p = event->position().toPoint();
    const CPoint point(p.x(), p.y());
    // No tool reads the key flags.
    const unsigned flags = 0;
    CTool* tool = CTool::FindTool(CurrentTool());
    if (tool == nullptr)
        return false;
    try {
        switch (message) {
        case MouseMessage::LButtonDown:
            tool->OnLButtonDown(m_view, flags, point);
            break;
        case MouseMessage::LButtonUp:
            tool->OnLButtonUp(m_view, flags, point);
            break;
        case MouseMessage::RButtonUp:
            tool->OnRButtonUp(m_view, flags, point);
            break;
        case MouseMessage::MouseMove:
            tool->OnMouseMove(m_view, flags, point);
            break;
        }
    } catch (const CSoundBufferException&) {
        // A tone placed or dragged without a sound buffer: say so rather than end the program.
        m_bCapture = false;
        if (CBaseApp* app = m_view.GetApp())
            app->ErrorBoxId(StringTable::kNoSoundBuffer);
    }
    ShowToolCursor();
    return true;
}

void CAUVOViewWidget::ShowToolCursor() {
    switch (CTool::s_cursor) {
    case CTool::Cursor::Arrow:
        setCursor(Qt::ArrowCursor);
        break;
    case CTool::Cursor::Cross:
        setCursor(Qt::CrossCursor);
        break;
    case CTool::Cursor::None:
        unsetCursor();
        break;
    }
}

void CAUVOViewWidget::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && Forward(MouseMessage::LButtonDown, event))
        return;
    QWidget::mousePressEvent(event);
}

void CAUVOViewWidget::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && Forward(MouseMessage::LButtonUp, event))
        return;
    if (event->button() == Qt::RightButton && Forward(MouseMessage::RButtonUp, event))
        return;
    QWidget::mouseReleaseEvent(event);
}

void CAUVOViewWidget::mouseMoveEvent(QMouseEvent* event) {
    // A release the window never saw (another window took the mouse) ends the capture, so a
    // later hover cannot drag a tone.
    if (m_bCapture && !(event->buttons() & Qt::LeftButton))
        m_bCapture = false;
    Forward(MouseMessage::MouseMove, event);
}
