#pragma once
// Dialog 139 "Einzelmessung": one entry measured again (CEinzelmessungRun). After
// "&Übernehmen" the caller reads Level().

#include "gui/hearing/CToneDialog.h"

#include "platform/sound/DirectSound.h"

#include <cstdint>
#include <memory>

class CEinzelmessungRun;
class QLabel;
class QRadioButton;

class CEinzelmessungDialog : public CToneDialog {
    Q_OBJECT
public:
    CEinzelmessungDialog(QWidget* parent, std::int32_t normalNull, std::int32_t ceiling,
                         int frequency, std::int32_t startLevel, int side, bool pulsed,
                         IDirectSound* device);
    ~CEinzelmessungDialog() override;

    void OnStart();
    void OnErkannt();
    void OnTimer(int id) override;
    void Refresh() override;

    std::int32_t Level() const;
    CEinzelmessungRun& Run() { return *m_pRun; }

public slots:
    // "&Übernehmen" only with a recognised level; nothing closes while the tone plays.
    void accept() override;
    void reject() override;

private:
    std::unique_ptr<CEinzelmessungRun> m_pRun;
    QLabel* m_pText;
    QPushButton* m_pStart;
    QPushButton* m_pErkannt;
    QRadioButton* m_pDauerton;
    QRadioButton* m_pGepulst;
    QPushButton* m_pOK;
    QPushButton* m_pAbbrechen;
};
