#include "gui/document/CDocumentSession.h"

#include "gui/app/CMainFrame.h"

#include <QPalette>
#include <QWidget>

CDocumentSession::CDocumentSession(CAUVOApp& app, ViewFactory viewFactory)
    : m_documents(app, m_dialogs), m_comparison(app, m_documents),
      m_viewFactory(std::move(viewFactory)) {}

bool CDocumentSession::Start(CMainFrame& frame, const QStringList& arguments) {
    m_documents.Attach(frame);
    m_comparison.Attach(frame);
    // The view joins once the first document stands, so its initial update runs once.
    if (!m_documents.ProcessCommandLine(arguments))
        return false;
    if (m_viewFactory) {
        m_viewFactory(frame, m_documents);
    } else {
        // Until a view is plugged in, an empty page stands for the document.
        auto* page = new QWidget(&frame);
        page->setAutoFillBackground(true);
        page->setBackgroundRole(QPalette::Base);
        frame.setCentralWidget(page);
    }
    return true;
}
