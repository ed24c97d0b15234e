#pragma once
// Turns SIGTERM, SIGINT and SIGHUP into a normal end of the event loop, so that shut-down
// still writes the settings (a logout must not lose a calibration). The signal handler only
// writes one byte into a pipe; the event loop reads it.

#include <QObject>

class QSocketNotifier;

class CSignalWatcher : public QObject {
    Q_OBJECT
public:
    explicit CSignalWatcher(QObject* parent = nullptr);
    ~CSignalWatcher() override;

    // Takes the signals that arrived so far, also while no event loop ran; true if any did.
    bool Poll();
    bool Received() const { return m_bReceived; }
    int LastSignal() const { return m_nSignal; }

signals:
    void Terminate(int signal);

private:
    void OnReadable();

    QSocketNotifier* m_pNotifier = nullptr;
    bool m_bReceived = false;
    int m_nSignal = 0;
};
