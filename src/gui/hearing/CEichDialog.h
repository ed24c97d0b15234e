#pragma once
// Dialog 133 "Eichen": the window of the calibration (CEichRun).

#include "gui/hearing/CToneDialog.h"

#include "platform/sound/DirectSound.h"

#include <memory>

class CAUVOApp;
class CEichRun;
class QLineEdit;

class CEichDialog : public CToneDialog {
    Q_OBJECT
public:
    static constexpr int kMaxTyped = 5;

    // Throws CSoundBufferException when the tone cannot be made.
    CEichDialog(QWidget* parent, CAUVOApp& app);
    ~CEichDialog() override;

    void OnStart();
    void OnErkannt();
    void OnHilfe();
    void OnTimer(int id) override;
    void Refresh() override;

    CEichRun& Run() { return *m_pRun; }
    QLineEdit* Field() const { return m_pField; }

public slots:
    // Stores the field's value; a refused value keeps the dialog open.
    void accept() override;
    // Ignored during a run, like its disabled button.
    void reject() override;

private:
    class TypedLength;
    // The field shows the run's level; typing stays limited whatever its length.
    void SetFieldText();

    std::unique_ptr<CEichRun> m_pRun;
    QPushButton* m_pStart;
    QPushButton* m_pErkannt;
    QPushButton* m_pHilfe;
    QPushButton* m_pOK;
    QPushButton* m_pAbbrechen;
    QLineEdit* m_pField;
    TypedLength* m_pLength;
    bool m_bWasLocked = false;
    int m_nResultsShown = 0;
};
