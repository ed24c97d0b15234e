#pragma once
// The one main window: menu 128, toolbar 128, status bar with prompts and indicators.
// Commands are QActions in the command table; other code registers handlers there.

#include "gui/app/CX11LockKeys.h"
#include "gui/platform/CCommandTable.h"

#include <QMainWindow>

#include <functional>

class QLabel;
class QMenu;
class QTimer;
class QToolBar;

class CMainFrame : public QMainWindow {
    Q_OBJECT
public:
    explicit CMainFrame(QWidget* parent = nullptr);
    ~CMainFrame() override;

    CCommandTable& Commands() { return *m_pCommands; }
    // The action of a command of menu or toolbar; null for an unknown id. The greyed
    // "Letzte Datei" entry (ID_FILE_MRU_FILE1) marks where the recent files go.
    QAction* Action(int id) const;
    // The menu with this title as in the menu bar ("&Datei", ...); null if there is none.
    QMenu* Menu(const QString& title) const;
    // The menu-bar menu that holds the command; null if no menu does.
    QMenu* MenuOf(int id) const;
    QToolBar* ToolBar() const { return m_pToolBar; }
    QLabel* MessagePane() const { return m_pMessagePane; }
    QList<QLabel*> Indicators() const { return m_indicators; }
    // Where the indicators read the lock keys (not owned; null: the X keyboard extension).
    void SetLockKeys(const ILockKeys* keys);
    // "UF", "NUM", "RF" while that lock is on, else empty; every 250 ms while shown.
    void UpdateIndicators();

    // Title "<document title> - AUVO".
    void SetDocumentTitle(const QString& documentTitle);
    // Asked before the window closes ("&Beenden", close button); false keeps it open.
    // The document's question to save goes here. A close it allows ends the event loop.
    void SetCloseQuery(std::function<bool()> query) { m_closeQuery = std::move(query); }

    void ShowAboutBox();

protected:
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    void CreateMenus();
    void CreateToolBar();
    void CreateStatusBar();
    void RegisterFrameCommands();

    CCommandTable* m_pCommands;
    QToolBar* m_pToolBar = nullptr;
    QLabel* m_pMessagePane = nullptr;
    QList<QLabel*> m_indicators;
    CX11LockKeys m_x11LockKeys;
    const ILockKeys* m_pLockKeys = &m_x11LockKeys;
    QTimer* m_pIdleTimer = nullptr;
    std::function<bool()> m_closeQuery;
};
