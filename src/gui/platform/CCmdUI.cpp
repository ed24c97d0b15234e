#include "gui/platform/CCmdUI.h"

#include <QAction>

int CCmdUI::Id() const {
    return m_action.data().toInt();
}

void CCmdUI::Enable(bool on) {
    m_action.setEnabled(on);
}

void CCmdUI::SetCheck(bool on) {
    m_action.setCheckable(true);
    m_action.setChecked(on);
}

void CCmdUI::SetText(const QString& text) {
    m_action.setText(text);
}
