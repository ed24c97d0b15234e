#pragma once
// A held space bar or Enter is one press, for every window of the program while its owner
// (a tone dialog) lives. The keyboard's auto-repeat arrives as release/press pairs with one
// time stamp, which Qt does not always mark as repeated; both marks count here. The space
// bar presses a button when it goes down, so the repeated releases cannot click it.

#include <QEvent>
#include <QHash>
#include <QObject>

class CHeldKeyFilter : public QObject {
    Q_OBJECT
public:
    // Filters the whole application until owner is destroyed.
    explicit CHeldKeyFilter(QObject* owner);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool Decide(QObject* watched, QEvent* event);

    QHash<int, quint64> m_releaseTime;
    // A key event travels up to the parents; it is decided once.
    const QEvent* m_pLastEvent = nullptr;
    quint64 m_lastTime = 0;
    QEvent::Type m_lastType = QEvent::None;
    bool m_bLastSwallowed = false;
};
