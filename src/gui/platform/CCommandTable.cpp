#include "gui/platform/CCommandTable.h"

#include "core/app/StringTable.h"

#include <QAction>
#include <QMenu>
#include <QTimer>

CCommandTable::CCommandTable(QObject* parent) : QObject(parent) {}

CCommandTable::~CCommandTable() = default;

QString CCommandTable::PromptOf(const QString& text) {
    return text.section(QLatin1Char('\n'), 0, 0);
}

QString CCommandTable::TooltipOf(const QString& text) {
    const qsizetype lf = text.indexOf(QLatin1Char('\n'));
    return lf < 0 ? text : text.mid(lf + 1);
}

QAction* CCommandTable::Add(int id, const QString& text, const QKeySequence& shortcut) {
    auto it = m_entries.find(id);
    if (it != m_entries.end())
        return it->action;
    auto* action = new QAction(text, this);
    action->setData(id);
    if (!shortcut.isEmpty())
        action->setShortcut(shortcut);
    const QString str = QString::fromStdString(StringTable::Load(static_cast<unsigned>(id)));
    if (!str.isEmpty()) {
        action->setStatusTip(PromptOf(str));
        action->setToolTip(TooltipOf(str));
    }
    action->setEnabled(false);
    connect(action, &QAction::triggered, this, [this, id] { Execute(id); });
    m_entries.insert(id, Entry{action, {}, {}, 0, 0});
    return action;
}

QAction* CCommandTable::Action(int id) const {
    auto it = m_entries.find(id);
    return it == m_entries.end() ? nullptr : it->action;
}

std::vector<int> CCommandTable::Ids() const {
    std::vector<int> ids;
    for (auto it = m_entries.begin(); it != m_entries.end(); ++it)
        ids.push_back(it.key());
    return ids;
}

void CCommandTable::OnCommand(int id, QObject* owner, Handler handler) {
    auto it = m_entries.find(id);
    if (it == m_entries.end())
        return;
    const quint64 serial = m_nextSerial++;
    it->handler = std::move(handler);
    it->handlerSerial = serial;
    if (owner) {
        connect(owner, &QObject::destroyed, this, [this, id, serial] {
            auto e = m_entries.find(id);
            if (e != m_entries.end() && e->handlerSerial == serial) {
                e->handler = nullptr;
                Refresh(*e);
            }
        });
    }
    Refresh(*it);
}

void CCommandTable::OnUpdate(int id, QObject* owner, UpdateHandler update) {
    auto it = m_entries.find(id);
    if (it == m_entries.end())
        return;
    const quint64 serial = m_nextSerial++;
    it->update = std::move(update);
    it->updateSerial = serial;
    if (owner) {
        connect(owner, &QObject::destroyed, this, [this, id, serial] {
            auto e = m_entries.find(id);
            if (e != m_entries.end() && e->updateSerial == serial) {
                e->update = nullptr;
                Refresh(*e);
            }
        });
    }
    Refresh(*it);
}

void CCommandTable::RemoveHandlers(int id) {
    auto it = m_entries.find(id);
    if (it == m_entries.end())
        return;
    it->handler = nullptr;
    it->update = nullptr;
    it->handlerSerial = it->updateSerial = 0;
    Refresh(*it);
}

bool CCommandTable::HasHandler(int id) const {
    auto it = m_entries.find(id);
    return it != m_entries.end() && it->handler != nullptr;
}

void CCommandTable::Refresh(Entry& entry) {
    if (!entry.handler) {
        entry.action->setEnabled(false);
        return;
    }
    entry.action->setEnabled(true);
    if (entry.update) {
        CCmdUI ui(*entry.action);
        entry.update(ui);
    }
}

void CCommandTable::UpdateAll() {
    m_bUpdatePending = false;
    for (auto& entry : m_entries)
        Refresh(entry);
}

void CCommandTable::UpdateMenu(QMenu& menu) {
    for (QAction* action : menu.actions()) {
        if (action->isSeparator())
            continue;
        auto it = m_entries.find(action->data().toInt());
        if (it != m_entries.end() && it->action == action)
            Refresh(*it);
    }
}

void CCommandTable::Update(int id) {
    auto it = m_entries.find(id);
    if (it != m_entries.end())
        Refresh(*it);
}

bool CCommandTable::Execute(int id) {
    auto it = m_entries.find(id);
    if (it == m_entries.end())
        return false;
    Refresh(*it);
    if (!it->handler || !it->action->isEnabled())
        return false;
    // A handler may replace itself or destroy its owner: run a copy.
    Handler handler = it->handler;
    handler();
    emit CommandExecuted(id);
    ScheduleUpdate();
    return true;
}

void CCommandTable::Watch(QMenu& menu) {
    connect(&menu, &QMenu::aboutToShow, this, [this, m = QPointer<QMenu>(&menu)] {
        if (m)
            UpdateMenu(*m);
    });
}

void CCommandTable::ScheduleUpdate() {
    if (m_bUpdatePending)
        return;
    m_bUpdatePending = true;
    QTimer::singleShot(0, this, [this] { UpdateAll(); });
}
