#pragma once
// The recent files in the "&Datei" menu, at the place of the greyed "Letzte Datei" entry.

#include <QObject>
#include <QPointer>
#include <functional>
#include <vector>

class CRecentFileList;
class QAction;
class QMenu;

class CRecentFileMenu : public QObject {
    Q_OBJECT
public:
    // placeholder is the "Letzte Datei" entry of menu; it stays in the menu, hidden while
    // the list has entries. onOpen gets the index (0 = most recent) of the chosen entry.
    CRecentFileMenu(QMenu& menu, QAction& placeholder, const CRecentFileList& list,
                    std::function<void(int)> onOpen, QObject* parent = nullptr);

    // Rebuilds the entries from the list; call after every change of the list.
    void Rebuild();

    // The menu text of an entry: "&1 name", with '&' in the name shown as itself.
    static QString EntryText(int index, const QString& name);

private:
    QMenu& m_menu;
    QPointer<QAction> m_placeholder;
    const CRecentFileList& m_list;
    std::function<void(int)> m_onOpen;
    std::vector<QAction*> m_actions;
};
