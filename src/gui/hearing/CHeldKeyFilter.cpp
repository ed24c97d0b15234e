#include "gui/hearing/CHeldKeyFilter.h"

#include <QAbstractButton>
#include <QCoreApplication>
#include <QKeyEvent>

namespace {
bool IsPressKey(int key) {
    return key == Qt::Key_Space || key == Qt::Key_Return || key == Qt::Key_Enter ||
           key == Qt::Key_Select;
}
} // namespace

CHeldKeyFilter::CHeldKeyFilter(QObject* owner) : QObject(owner) {
    QCoreApplication::instance()->installEventFilter(this);
}

bool CHeldKeyFilter::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress && event->type() != QEvent::KeyRelease)
        return false;
    const auto* key = static_cast<const QKeyEvent*>(event);
    if (!IsPressKey(key->key()))
        return false;
    if (event == m_pLastEvent && key->timestamp() == m_lastTime && event->type() == m_lastType)
        return m_bLastSwallowed;
    m_pLastEvent = event;
    m_lastTime = key->timestamp();
    m_lastType = event->type();
    m_bLastSwallowed = Decide(watched, event);
    return m_bLastSwallowed;
}

bool CHeldKeyFilter::Decide(QObject* watched, QEvent* event) {
    const auto* key = static_cast<const QKeyEvent*>(event);
    auto* button = qobject_cast<QAbstractButton*>(watched);
    const bool space = key->key() == Qt::Key_Space || key->key() == Qt::Key_Select;
    if (event->type() == QEvent::KeyRelease) {
        m_releaseTime.insert(key->key(), key->timestamp());
        // The button was pressed when the key went down.
        return key->isAutoRepeat() || (space && button != nullptr);
    }
    const auto released = m_releaseTime.constFind(key->key());
    if (key->isAutoRepeat() || (released != m_releaseTime.cend() && *released == key->timestamp()))
        return true;
    if (space && button != nullptr) {
        if (button->isEnabled())
            button->click();
        return true;
    }
    return false;
}
