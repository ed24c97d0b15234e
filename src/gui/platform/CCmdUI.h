#pragma once
// What an update handler may change on a command while its state is refreshed:
// enabled state, check mark and text (menu entry and toolbar button alike).

class QAction;
class QString;

class CCmdUI {
public:
    explicit CCmdUI(QAction& action) : m_action(action) {}

    int Id() const;
    void Enable(bool on = true);
    void SetCheck(bool on = true);
    void SetText(const QString& text);

private:
    QAction& m_action;
};
