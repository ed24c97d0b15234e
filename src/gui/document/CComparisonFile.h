#pragma once
// "&Vergleichsdatei öffnen..." and "Vergleichsdatei &schließen": an earlier measurement
// loaded beside the current one; the folder it came from is remembered for the next time.

#include <QObject>

class CAUVOApp;
class CDocManager;
class CMainFrame;

class CComparisonFile : public QObject {
    Q_OBJECT
public:
    CComparisonFile(CAUVOApp& app, CDocManager& documents, QObject* parent = nullptr);

    // Registers both commands; closing is enabled only while a comparison is open.
    void Attach(CMainFrame& frame);

    // True if a comparison file is open afterwards.
    bool OnVergleichsdateiOeffnen();
    void OnVergleichsdateiSchliessen();
    bool CanClose() const;

    // The folder of a path: the text before its last separator (empty without one).
    static QString FolderOf(const QString& path);

private:
    CAUVOApp& m_app;
    CDocManager& m_documents;
};
