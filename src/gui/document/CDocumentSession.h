#pragma once
// Everything the main window needs of the document side, made once in main: the real
// dialogs, the document manager and the comparison-file commands.

#include "gui/document/CComparisonFile.h"
#include "gui/document/CDocManager.h"
#include "gui/document/CQtDocumentDialogs.h"

#include <QStringList>

#include <functional>

class CAUVOApp;
class CMainFrame;

class CDocumentSession {
public:
    // Puts the document's view into the new main window; the view follows the manager's
    // document from then on.
    using ViewFactory = std::function<void(CMainFrame&, CDocManager&)>;

    explicit CDocumentSession(CAUVOApp& app, ViewFactory viewFactory = {});

    // The document handler of start-up: joins the window, then makes the first document or
    // opens the file named on the command line. False ends the program.
    bool Start(CMainFrame& frame, const QStringList& arguments);

private:
    CQtDocumentDialogs m_dialogs;
    CDocManager m_documents;
    CComparisonFile m_comparison;
    ViewFactory m_viewFactory;
};
