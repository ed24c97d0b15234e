#include "gui/document/CDocManager.h"

#include "core/app/CAUVOApp.h"
#include "core/app/CommandIds.h"
#include "core/app/StringTable.h"
#include "core/document/CAUVODoc.h"
#include "gui/app/CMainFrame.h"
#include "gui/document/CRecentFileMenu.h"
#include "gui/document/IDocumentDialogs.h"
#include "gui/platform/UiText.h"

CDocManager::CDocManager(CAUVOApp& app, IDocumentDialogs& dialogs, QObject* parent)
    : QObject(parent), m_app(app), m_dialogs(dialogs), m_pDoc(std::make_unique<CAUVODoc>()) {
    m_pDoc->AddView(this);
}

CDocManager::~CDocManager() {
    m_pDoc->RemoveView(this);
}

QWidget* CDocManager::ParentWindow() const {
    return m_pFrame.data();
}

void CDocManager::Attach(CMainFrame& frame) {
    m_pFrame = &frame;
    RegisterCommands();
    frame.SetCloseQuery([this] { return SaveModified(); });
    QMenu* fileMenu = frame.MenuOf(ID_FILE_MRU_FILE1);
    QAction* placeholder = frame.Action(ID_FILE_MRU_FILE1);
    if (fileMenu && placeholder) {
        delete m_pRecentMenu;
        m_pRecentMenu = new CRecentFileMenu(
            *fileMenu, *placeholder, m_app.GetRecentFileList(),
            [this](int index) { OpenRecentFile(index); }, this);
    }
    UpdateTitle();
}

void CDocManager::RegisterCommands() {
    CCommandTable& cmds = m_pFrame->Commands();
    cmds.OnCommand(ID_FILE_NEW, this, [this] { OnFileNew(); });
    cmds.OnCommand(ID_FILE_OPEN, this, [this] { OnFileOpen(); });
    cmds.OnCommand(ID_FILE_SAVE, this, [this] { OnFileSave(); });
    cmds.OnCommand(ID_FILE_SAVE_AS, this, [this] { OnFileSaveAs(); });
    // The modified flag changes without telling anyone (tones dragged, properties edited):
    // the idle refresh of the commands keeps the title in step, as the framework does.
    cmds.OnUpdate(ID_FILE_SAVE, this, [this](CCmdUI&) { UpdateTitle(); });
}

bool CDocManager::ProcessCommandLine(const QStringList& arguments) {
    // As the framework parses it: switches it does not know are ignored, the first other
    // argument is the document; after "--" every word is a file name.
    bool options = true;
    for (const QString& argument : arguments) {
        if (options && argument == QLatin1String("--"))
            options = false;
        else if (!argument.isEmpty() && (!options || !argument.startsWith(QLatin1Char('-'))))
            return OpenFile(argument);
    }
    return NewDocument();
}

bool CDocManager::OnFileNew() {
    if (!SaveModified())
        return false;
    return NewDocument();
}

bool CDocManager::OnFileOpen() {
    if (!SaveModified())
        return false;
    const QString path = m_dialogs.GetOpenFileName(ParentWindow(), UiText(StringTable::kOpenTitle),
                                                   m_template.DialogFilter(), QString());
    if (path.isEmpty())
        return false;
    return OpenFile(path);
}

bool CDocManager::OnFileSave() {
    const std::string& path = m_pDoc->GetPathName();
    return DoSave(QString::fromStdString(path));
}

bool CDocManager::OnFileSaveAs() {
    return DoSave(QString());
}

bool CDocManager::OpenRecentFile(int index) {
    const auto& entries = m_app.GetRecentFileList().Entries();
    if (index < 0 || index >= static_cast<int>(entries.size()))
        return false;
    const QString path = QString::fromStdString(entries[static_cast<size_t>(index)]);
    if (!SaveModified())
        return false;
    if (OpenFile(path))
        return true;
    // The list may have changed while the message was shown: remove by path.
    const auto& now = m_app.GetRecentFileList().Entries();
    for (size_t i = 0; i < now.size(); ++i) {
        if (QString::fromStdString(now[i]) == path) {
            m_app.GetRecentFileList().Remove(static_cast<int>(i));
            break;
        }
    }
    UpdateRecentFiles();
    return false;
}

bool CDocManager::SaveModified() {
    if (!m_pDoc->IsModified())
        return true;
    const QString text =
        QString::fromStdString(StringTable::Format(StringTable::kAskToSave, m_pDoc->GetTitle()));
    switch (m_dialogs.AskSaveChanges(ParentWindow(), text)) {
    case IDocumentDialogs::SaveAnswer::Yes:
        return OnFileSave();
    case IDocumentDialogs::SaveAnswer::No:
        return true;
    case IDocumentDialogs::SaveAnswer::Cancel:
        break;
    }
    return false;
}

QString CDocManager::DocumentTitle() const {
    QString title = QString::fromStdString(m_pDoc->GetTitle());
    if (title.isEmpty())
        title = UiText(StringTable::kUntitled);
    if (m_pDoc->IsModified())
        title += QLatin1Char('*');
    return title;
}

void CDocManager::UpdateTitle() {
    if (m_pFrame)
        m_pFrame->SetDocumentTitle(DocumentTitle());
}

void CDocManager::UpdateRecentFiles() {
    if (m_pRecentMenu)
        m_pRecentMenu->Rebuild();
}

void CDocManager::OnUpdate(IDocumentView* /*sender*/, long /*hint*/) {
    UpdateTitle();
}

bool CDocManager::NewDocument() {
    const bool ok = m_pDoc->OnNewDocument();
    UpdateTitle();
    if (ok)
        emit DocumentReplaced();
    return ok;
}

bool CDocManager::OpenFile(const QString& path) {
    // The document reports a failure itself and stays as it was.
    if (!m_pDoc->OnOpenDocument(path.toStdString())) {
        UpdateTitle();
        return false;
    }
    m_pDoc->SetPathName(path.toStdString());
    UpdateRecentFiles();
    UpdateTitle();
    emit DocumentReplaced();
    return true;
}

bool CDocManager::DoSave(const QString& path) {
    QString target = path;
    if (target.isEmpty()) {
        // Suggest the current file, or the title with the extension for a new document.
        QString suggestion = QString::fromStdString(m_pDoc->GetPathName());
        if (suggestion.isEmpty())
            suggestion = m_template.WithExtension(QString::fromStdString(m_pDoc->GetTitle()));
        target = m_dialogs.GetSaveFileName(ParentWindow(), UiText(StringTable::kSaveAsTitle),
                                           m_template.DialogFilter(), suggestion);
        if (target.isEmpty())
            return false;
        target = m_template.WithExtension(target);
    }
    // A failed save has told the user why, keeps the document modified and the file as it was.
    if (!m_pDoc->OnSaveDocument(target.toStdString())) {
        UpdateTitle();
        return false;
    }
    m_pDoc->SetPathName(target.toStdString());
    UpdateRecentFiles();
    UpdateTitle();
    return true;
}
