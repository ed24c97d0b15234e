#include "gui/trend/CTrendCommand.h"

#include "core/app/CAUVOApp.h"
#include "core/app/CommandIds.h"
#include "core/app/StringTable.h"
#include "core/document/CAUVODoc.h"
#include "core/trend/CTrendLoader.h"
#include "gui/app/CMainFrame.h"
#include "gui/document/CComparisonFile.h"
#include "gui/document/CDocManager.h"
#include "gui/document/IDocumentDialogs.h"
#include "gui/platform/UiText.h"
#include "gui/trend/CTrendWindow.h"

CTrendCommand::CTrendCommand(CAUVOApp& app, CDocManager& documents, QObject* parent)
    : QObject(parent), m_app(app), m_documents(documents) {}

void CTrendCommand::Attach(CMainFrame& frame) {
    frame.Commands().OnCommand(ID_HOERTEST_VERLAUF, this, [this] { OnHoertestVerlauf(); });
}

CTrendWindow* CTrendCommand::OnHoertestVerlauf() {
    // Start where the open measurement lies, else where the last comparison came from.
    QString folder =
        CComparisonFile::FolderOf(QString::fromStdString(m_documents.Document().GetPathName()));
    if (folder.isEmpty())
        folder = QString::fromStdString(m_app.m_strVergleichsdateiPfad);
    const QStringList paths = m_documents.Dialogs().GetOpenFileNames(
        m_documents.ParentWindow(), UiText(StringTable::kTrendOpenTitle),
        m_documents.Template().DialogFilter(), folder);
    if (paths.isEmpty())
        return nullptr;
    return Show(paths);
}

CTrendWindow* CTrendCommand::Show(const QStringList& paths) {
    std::vector<std::string> files;
    for (const QString& path : paths)
        files.push_back(path.toStdString());
    CTrendLoader::Result loaded = CTrendLoader::Load(files, &m_documents.Document());
    m_app.Trace(1, "CTrendCommand::Show: %d Dateien, %d gelesen", static_cast<int>(files.size()),
                static_cast<int>(loaded.measurements.size()));
    if (!loaded.errors.empty()) {
        std::string text;
        for (const std::string& error : loaded.errors)
            text += (text.empty() ? "" : "\n\n") + error;
        m_app.ErrorBox(text);
    }
    if (loaded.measurements.size() < 2) {
        m_app.ErrorBoxId(StringTable::kTrendTooFew);
        return nullptr;
    }
    auto* window = new CTrendWindow(CTrend(std::move(loaded.measurements)), &m_app,
                                    m_documents.ParentWindow());
    window->show();
    return window;
}
