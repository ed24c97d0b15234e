#pragma once
// The file side of the one document: New, Open, Save, Save As, the recent files, the window
// title, the question to save changes before the document is replaced or the program ends,
// and the file named on the command line.

#include "gui/document/CDocTemplateStrings.h"
#include "platform/document/IDocumentView.h"

#include <QObject>
#include <QPointer>
#include <QStringList>

#include <memory>

class CAUVOApp;
class CAUVODoc;
class CMainFrame;
class CRecentFileMenu;
class IDocumentDialogs;
class QWidget;

class CDocManager : public QObject, private IDocumentView {
    Q_OBJECT
public:
    // The manager owns the one document; dialogs asks the user (tests answer themselves).
    CDocManager(CAUVOApp& app, IDocumentDialogs& dialogs, QObject* parent = nullptr);
    ~CDocManager() override;

    // Joins the main window: file commands, recent files, title, question before closing.
    void Attach(CMainFrame& frame);
    // Start-up: without a file name a new document, else the first file named is opened.
    // False when it could not be opened (the user has been told).
    bool ProcessCommandLine(const QStringList& arguments);

    CAUVODoc& Document() { return *m_pDoc; }
    IDocumentDialogs& Dialogs() { return m_dialogs; }
    const CDocTemplateStrings& Template() const { return m_template; }
    QWidget* ParentWindow() const;

    // The file commands; each asks to save a modified document first where it replaces it.
    bool OnFileNew();
    bool OnFileOpen();
    bool OnFileSave();
    bool OnFileSaveAs();
    // Opens entry index of the recent files; an entry that cannot be opened leaves the list.
    bool OpenRecentFile(int index);
    // "Änderungen in %1 speichern?": true if the document may be replaced now.
    bool SaveModified();

    // The document's title for the window: "Unbenannt" or the file name, "*" when modified.
    QString DocumentTitle() const;
    void UpdateTitle();
    void UpdateRecentFiles();

signals:
    // A new or opened document has replaced the contents: its views make their initial update.
    void DocumentReplaced();

private:
    void OnUpdate(IDocumentView* sender, long hint) override;
    void RegisterCommands();
    bool NewDocument();
    bool OpenFile(const QString& path);
    // Saves to path, or asks for one when it is empty; false if cancelled or failed.
    bool DoSave(const QString& path);

    CAUVOApp& m_app;
    IDocumentDialogs& m_dialogs;
    CDocTemplateStrings m_template;
    std::unique_ptr<CAUVODoc> m_pDoc;
    QPointer<CMainFrame> m_pFrame;
    CRecentFileMenu* m_pRecentMenu = nullptr;
};
