#pragma once
// Base of the dialogs that play a rising tone: timer 1 every 250 ms, the boxes that must be
// answered, and keys held down (CHeldKeyFilter): a key held a little too long cannot skip
// tones as recognised.

#include "core/hearingtest/IToneDialogHost.h"

#include <QDialog>

class QPushButton;
class QTimer;

class CToneDialog : public QDialog, public IToneDialogHost {
    Q_OBJECT
public:
    explicit CToneDialog(QWidget* parent);

    // Timer 1's tick; tests call it directly.
    virtual void OnTimer(int id) = 0;
    bool IsTimerRunning() const;

    void SetTimer(int id, int milliseconds) override;
    void KillTimer(int id) override;
    bool Confirm(const std::string& text, bool information, bool withCancel) override;
    // Message 1008 (61017).
    void ToneRefused() override;

    // widget, named after its control id (tests find controls by it).
    template <typename T> static T* Named(T* widget, const char* id) {
        widget->setObjectName(QLatin1String(id));
        return widget;
    }
    // A big push button for the recognition, large in any scaling.
    static QPushButton* MakeBigButton(const QString& text, QWidget* parent);

protected:
    // Makes button the default one and gives it the focus.
    void MakeDefault(QPushButton* button);

private:
    QTimer* m_pTimer;
};
