#include "gui/document/CComparisonFile.h"

#include "core/app/CAUVOApp.h"
#include "core/app/CommandIds.h"
#include "core/app/StringTable.h"
#include "core/document/CAUVODoc.h"
#include "gui/app/CMainFrame.h"
#include "gui/document/CDocManager.h"
#include "gui/document/IDocumentDialogs.h"
#include "gui/platform/UiText.h"

#include <QDir>
#include <QFileInfo>

CComparisonFile::CComparisonFile(CAUVOApp& app, CDocManager& documents, QObject* parent)
    : QObject(parent), m_app(app), m_documents(documents) {}

void CComparisonFile::Attach(CMainFrame& frame) {
    CCommandTable& cmds = frame.Commands();
    cmds.OnCommand(ID_VERGLEICHSDATEI_OEFFNEN, this, [this] { OnVergleichsdateiOeffnen(); });
    cmds.OnCommand(ID_VERGLEICHSDATEI_SCHLIESSEN, this, [this] { OnVergleichsdateiSchliessen(); });
    cmds.OnUpdate(ID_VERGLEICHSDATEI_SCHLIESSEN, this,
                  [this](CCmdUI& ui) { ui.Enable(CanClose()); });
}

QString CComparisonFile::FolderOf(const QString& path) {
    const qsizetype slash =
        std::max(path.lastIndexOf(QLatin1Char('/')), path.lastIndexOf(QLatin1Char('\\')));
    return slash < 0 ? QString() : path.left(slash);
}

bool CComparisonFile::OnVergleichsdateiOeffnen() {
    CAUVODoc& doc = m_documents.Document();
    // Start in the remembered folder, with the open comparison file's name preselected.
    const QString folder = QString::fromStdString(m_app.m_strVergleichsdateiPfad);
    QString initial;
    if (const CAUVODoc* open = doc.GetVergleichsDoc())
        initial = QString::fromStdString(open->GetPathName());
    if (!folder.isEmpty())
        initial = initial.isEmpty() ? folder : QDir(folder).filePath(QFileInfo(initial).fileName());

    const QString path = m_documents.Dialogs().GetOpenFileName(
        m_documents.ParentWindow(), UiText(StringTable::kComparisonOpenTitle),
        m_documents.Template().DialogFilter(), initial);
    if (path.isEmpty())
        return false;

    // A file that cannot be read has been reported and closed the comparison; the current
    // measurement and the remembered folder stay as they were.
    if (!doc.SetVergleichsDatei(path.toStdString()))
        return false;
    const QString chosenFolder = FolderOf(path);
    if (!chosenFolder.isEmpty())
        m_app.m_strVergleichsdateiPfad = chosenFolder.toStdString();
    return true;
}

void CComparisonFile::OnVergleichsdateiSchliessen() {
    m_documents.Document().SetVergleichsDatei();
}

bool CComparisonFile::CanClose() const {
    return m_documents.Document().GetVergleichsDoc() != nullptr;
}
