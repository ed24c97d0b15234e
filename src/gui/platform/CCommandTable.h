#pragma once
// Every command of the main window is one QAction, found by its id. Code in other folders
// (document, view, dialogs) plugs in by registering a handler and an update handler for an id;
// a command without a handler stays disabled. Update handlers run when a menu is about to show,
// after every command and when the window is idle, like the framework's command-state updates.

#include "gui/platform/CCmdUI.h"

#include <QHash>
#include <QKeySequence>
#include <QObject>
#include <QPointer>

#include <functional>
#include <vector>

class QAction;
class QMenu;

class CCommandTable : public QObject {
    Q_OBJECT
public:
    using Handler = std::function<void()>;
    using UpdateHandler = std::function<void(CCmdUI&)>;

    explicit CCommandTable(QObject* parent = nullptr);
    ~CCommandTable() override;

    // Creates the action of a command (once per id). Its status-bar prompt is the part of the
    // command's string before the line feed, its tooltip the part after it (or the prompt).
    QAction* Add(int id, const QString& text, const QKeySequence& shortcut = {});
    // The action of a command; null for an unknown id.
    QAction* Action(int id) const;
    std::vector<int> Ids() const;

    // Runs handler when the command is chosen; replaces an earlier handler of the id.
    // With an owner, the handler goes away when the owner is destroyed.
    void OnCommand(int id, QObject* owner, Handler handler);
    // Decides enabled state, check mark or text of the command. Without one, a command
    // with a handler is enabled.
    void OnUpdate(int id, QObject* owner, UpdateHandler update);
    void RemoveHandlers(int id);
    bool HasHandler(int id) const;

    // Refreshes the state of all commands, or of those of one menu.
    void UpdateAll();
    void UpdateMenu(QMenu& menu);
    void Update(int id);
    // Runs the command as if chosen; false if it is unknown, has no handler or is disabled.
    bool Execute(int id);

    // Refreshes the menu's commands each time it is about to show.
    void Watch(QMenu& menu);

    // Splits a command string into prompt (before the line feed) and tooltip (after it).
    static QString PromptOf(const QString& text);
    static QString TooltipOf(const QString& text);

signals:
    void CommandExecuted(int id);

private:
    struct Entry {
        QAction* action = nullptr;
        Handler handler;
        UpdateHandler update;
        quint64 handlerSerial = 0;
        quint64 updateSerial = 0;
    };
    void Refresh(Entry& entry);
    void ScheduleUpdate();

    QHash<int, Entry> m_entries;
    quint64 m_nextSerial = 1;
    bool m_bUpdatePending = false;
};
