#pragma once
// "Hörtest-&Verlauf...": several measurement files picked at once (the open document may be
// one of them) are read and shown as a trend in the window "Verlauf". Files that cannot be
// read are named in one message and left out.

#include <QObject>
#include <QStringList>

class CAUVOApp;
class CDocManager;
class CMainFrame;
class CTrendWindow;

class CTrendCommand : public QObject {
    Q_OBJECT
public:
    CTrendCommand(CAUVOApp& app, CDocManager& documents, QObject* parent = nullptr);

    // Registers the command in the frame's command table.
    void Attach(CMainFrame& frame);

    // The file dialog, then Show; null when the user cancels or too few files could be read.
    CTrendWindow* OnHoertestVerlauf();
    // Reads the files and opens the window on them; null (and the user told) when fewer than
    // two measurements could be read.
    CTrendWindow* Show(const QStringList& paths);

private:
    CAUVOApp& m_app;
    CDocManager& m_documents;
};
