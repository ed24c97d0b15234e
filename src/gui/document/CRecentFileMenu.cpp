#include "gui/document/CRecentFileMenu.h"

#include "core/app/CRecentFileList.h"
#include "core/app/CommandIds.h"
#include "core/app/StringTable.h"

#include <QAction>
#include <QMenu>

CRecentFileMenu::CRecentFileMenu(QMenu& menu, QAction& placeholder, const CRecentFileList& list,
                                 std::function<void(int)> onOpen, QObject* parent)
    : QObject(parent), m_menu(menu), m_placeholder(&placeholder), m_list(list),
      m_onOpen(std::move(onOpen)) {
    Rebuild();
}

QString CRecentFileMenu::EntryText(int index, const QString& name) {
    QString escaped = name;
    escaped.replace(QLatin1Char('&'), QLatin1String("&&"));
    return QStringLiteral("&%1 %2").arg(index + 1).arg(escaped);
}

void CRecentFileMenu::Rebuild() {
    for (QAction* action : m_actions) {
        m_menu.removeAction(action);
        // Later: the list may change from inside the entry's own triggered signal.
        action->deleteLater();
    }
    m_actions.clear();
    if (!m_placeholder)
        return;

    const int count = static_cast<int>(m_list.Entries().size());
    for (int i = 0; i < count; ++i) {
        auto* action =
            new QAction(EntryText(i, QString::fromStdString(m_list.DisplayName(i))), this);
        action->setToolTip(QString::fromStdString(m_list.Entries()[static_cast<size_t>(i)]));
        action->setStatusTip(QString::fromStdString(
            StringTable::Load(static_cast<unsigned>(ID_FILE_MRU_FILE1 + i))));
        connect(action, &QAction::triggered, this, [this, i] {
            if (m_onOpen)
                m_onOpen(i);
        });
        m_menu.insertAction(m_placeholder, action);
        m_actions.push_back(action);
    }
    // The greyed placeholder stands for the empty list.
    m_placeholder->setVisible(count == 0);
    m_placeholder->setEnabled(false);
}
