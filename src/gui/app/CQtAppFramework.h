#pragma once
// The Qt side of start-up: creates the main window while the command line is processed and
// shows it. The document side plugs in through the handlers below.

#include "core/app/IAppFramework.h"

#include <QStringList>

#include <functional>
#include <memory>

class CMainFrame;
class CQtMessageBoxService;

class CQtAppFramework : public IAppFramework {
public:
    // Creates the first document in the new main window, or opens or prints the file named on
    // the command line (arguments without the program name). False ends the program; the
    // handler has already said why.
    using DocumentHandler = std::function<bool(CMainFrame&, const QStringList& arguments)>;
    using FrameHandler = std::function<void(CMainFrame&)>;

    explicit CQtAppFramework(QStringList arguments);
    ~CQtAppFramework() override;

    bool ProcessCommandLine() override;
    void ShowMainWindow() override;
    HWND MainWindowHandle() override;

    void SetDocumentHandler(DocumentHandler handler) { m_documentHandler = std::move(handler); }
    // Runs once the main window exists, before it is shown (the first-start short guide).
    void SetFrameCreatedHandler(FrameHandler handler) { m_frameCreated = std::move(handler); }
    // Message boxes without an active window belong to the main window.
    void SetMessageBoxService(CQtMessageBoxService* service) { m_pMessageBoxes = service; }

    CMainFrame* MainFrame() const { return m_pFrame.get(); }
    // Destroys the main window with its document before the sound device goes.
    void DestroyMainWindow();

private:
    QStringList m_arguments;
    std::unique_ptr<CMainFrame> m_pFrame;
    DocumentHandler m_documentHandler;
    FrameHandler m_frameCreated;
    CQtMessageBoxService* m_pMessageBoxes = nullptr;
};
