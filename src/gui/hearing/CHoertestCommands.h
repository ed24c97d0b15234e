#pragma once
// The main window's commands of the hearing test: "E&ichen...", "&Kopfhörer prüfen...",
// "&Hörtest starten..." and "Hörtest-&Daten bearbeiten...", each running its modal dialog or
// questions.

#include <QObject>

#include <functional>

class CAUVOApp;
class CAUVODoc;
class CCommandTable;
class QWidget;

class CHoertestCommands : public QObject {
    Q_OBJECT
public:
    using DocumentSource = std::function<CAUVODoc&()>;

    // Owned by mainWindow; the document is asked for anew at every command.
    static CHoertestCommands* Install(QWidget& mainWindow, CCommandTable& commands, CAUVOApp& app,
                                      DocumentSource document);

    void OnEichen();
    // Plays the headphone check's tones while its questions are open.
    void OnKopfhoererPruefen();
    void OnHoertestStarten();
    void OnHoertestDaten();

private:
    CHoertestCommands(QWidget& mainWindow, CAUVOApp& app, DocumentSource document);

    QWidget& m_mainWindow;
    CAUVOApp& m_app;
    DocumentSource m_document;
};
