#include "gui/app/CQtAppFramework.h"

#include "gui/app/CMainFrame.h"
#include "gui/platform/CQtMessageBoxService.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

#include <algorithm>

CQtAppFramework::CQtAppFramework(QStringList arguments) : m_arguments(std::move(arguments)) {}

CQtAppFramework::~CQtAppFramework() {
    DestroyMainWindow();
}

bool CQtAppFramework::ProcessCommandLine() {
    if (!m_pFrame) {
        m_pFrame = std::make_unique<CMainFrame>();
        if (m_pMessageBoxes)
            m_pMessageBoxes->SetMainWindow(m_pFrame.get());
        if (m_frameCreated)
            m_frameCreated(*m_pFrame);
    }
    if (m_documentHandler)
        return m_documentHandler(*m_pFrame, m_arguments);
    // No document yet: an empty page stands for the new, untitled one.
    auto* placeholder = new QWidget(m_pFrame.get());
    placeholder->setAutoFillBackground(true);
    placeholder->setBackgroundRole(QPalette::Base);
    m_pFrame->setCentralWidget(placeholder);
    m_pFrame->SetDocumentTitle(QString());
    return true;
}

void CQtAppFramework::ShowMainWindow() {
    if (!m_pFrame)
        return;
    // Room for the whole page (two diagram rows) without filling a large screen.
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        const QRect area = screen->availableGeometry();
        const QSize size(std::min(1200, area.width() * 9 / 10),
                         std::min(1000, area.height() * 9 / 10));
        m_pFrame->resize(size);
        m_pFrame->move(area.left() + (area.width() - size.width()) / 2,
                       area.top() + (area.height() - size.height()) / 2);
    }
    m_pFrame->show();
    m_pFrame->activateWindow();
    m_pFrame->raise();
    m_pFrame->repaint();
}

HWND CQtAppFramework::MainWindowHandle() {
    return m_pFrame.get();
}

void CQtAppFramework::DestroyMainWindow() {
    if (m_pMessageBoxes)
        m_pMessageBoxes->SetMainWindow(nullptr);
    m_pFrame.reset();
}
