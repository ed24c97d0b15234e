#pragma once
// Dialog 130 "Hörtest-Durchführung": the window of a hearing test (CHoertestRun).

#include "gui/hearing/CToneDialog.h"

#include "platform/sound/DirectSound.h"

#include <memory>

class CAUVOApp;
class CAUVODoc;
class CHoertestRun;
class QCheckBox;
class QLabel;
class QRadioButton;

class CHoertestDialog : public CToneDialog {
    Q_OBJECT
public:
    // Throws CSoundBufferException when the tone cannot be made.
    CHoertestDialog(QWidget* parent, CAUVOApp& app, CAUVODoc& doc, IDirectSound* device);
    ~CHoertestDialog() override;

    void OnStart();
    void OnErkannt();
    void OnStop();
    void OnHilfe();
    void OnTimer(int id) override;
    void Refresh() override;

    CHoertestRun& Run() { return *m_pRun; }

public slots:
    // "&Ende": the result goes to the document.
    void accept() override;
    // "&Abbrechen": discarded; ignored while a test runs, so Escape cannot lose it.
    void reject() override;

private:
    std::unique_ptr<CHoertestRun> m_pRun;
    QRadioButton* m_pStandard;
    QRadioButton* m_pErweitert;
    QRadioButton* m_pDauerton;
    QRadioButton* m_pGepulst;
    QCheckBox* m_pStartVol;
    QLabel* m_pStartVolMore;
    QCheckBox* m_pRandom;
    QPushButton* m_pStart;
    QPushButton* m_pStop;
    QLabel* m_pStatus;
    QPushButton* m_pErkannt;
    QPushButton* m_pHilfe;
    QPushButton* m_pEnde;
    QPushButton* m_pAbbrechen;
    bool m_bWasRunning = false;
};
