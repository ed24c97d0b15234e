#include "gui/app/CMainFrame.h"

#include "core/app/CommandIds.h"
#include "core/app/StringTable.h"
#include "gui/app/CAboutDialog.h"
#include "gui/app/CManualCommand.h"
#include "gui/app/CToolbarIcons.h"
#include "gui/platform/UiText.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QLabel>
#include <QMenuBar>
#include <QStatusBar>
#include <QTimer>
#include <QToolBar>

namespace {
constexpr int kSeparator = 0;
constexpr unsigned kIndicatorIds[] = {StringTable::kIndicatorCaps, StringTable::kIndicatorNum,
                                      StringTable::kIndicatorScroll};

struct MenuEntry {
    int id;        // kSeparator for a separator
    unsigned text; // string id
    QKeyCombination key;
};

struct MenuDef {
    unsigned title; // string id
    std::initializer_list<MenuEntry> entries;
};

const QKeyCombination kNoKey{};

const MenuDef kMenus[] = {
    {StringTable::kMenuDatei,
     {{ID_FILE_NEW, StringTable::kMenuNeu, Qt::CTRL | Qt::Key_N},
      {ID_FILE_OPEN, StringTable::kMenuOeffnen, Qt::CTRL | Qt::Key_O},
      {ID_FILE_SAVE, StringTable::kMenuSpeichern, Qt::CTRL | Qt::Key_S},
      {ID_FILE_SAVE_AS, StringTable::kMenuSpeichernUnter, kNoKey},
      {kSeparator, 0, kNoKey},
      {ID_EICHEN, StringTable::kMenuEichen, kNoKey},
      {kSeparator, 0, kNoKey},
      {ID_FILE_PRINT, StringTable::kMenuDrucken, Qt::CTRL | Qt::Key_P},
      {ID_FILE_PRINT_PREVIEW, StringTable::kMenuSeitenansicht, kNoKey},
      {ID_FILE_PRINT_SETUP, StringTable::kMenuDruckereinrichtung, kNoKey},
      {kSeparator, 0, kNoKey},
      {ID_FILE_MRU_FILE1, StringTable::kRecentFileEmpty, kNoKey},
      {kSeparator, 0, kNoKey},
      {ID_APP_EXIT, StringTable::kMenuBeenden, kNoKey}}},
    {StringTable::kMenuBearbeiten,
     {{ID_KOMMENTAR, StringTable::kMenuKommentar, kNoKey},
      {kSeparator, 0, kNoKey},
      {ID_VERGLEICHSDATEI_OEFFNEN, StringTable::kMenuVergleichOeffnen, kNoKey},
      {ID_VERGLEICHSDATEI_SCHLIESSEN, StringTable::kMenuVergleichSchliessen, kNoKey},
      {kSeparator, 0, kNoKey},
      {ID_HOERTEST_DATEN, StringTable::kMenuHoertestDaten, kNoKey}}},
    {StringTable::kMenuHoertest,
     {{ID_KOPFHOERER_PRUEFEN, StringTable::kMenuKopfhoerer, kNoKey},
      {ID_HOERTEST_STARTEN, StringTable::kMenuHoertestStarten, kNoKey},
      {ID_HOERTEST_DATEN, StringTable::kMenuHoertestDaten, kNoKey},
      {ID_HOERTEST_VERLAUF, StringTable::kMenuHoertestVerlauf, kNoKey}}},
    {StringTable::kMenuTinnitus,
     {{ID_TINNITUS_HOEREN, StringTable::kMenuTinnitusHoeren, kNoKey},
      {ID_TINNITUS_NEU, StringTable::kMenuTinnitusNeu, kNoKey},
      {ID_TINNITUS_RAUSCHBAND_NEU, StringTable::kMenuTinnitusRauschbandNeu, kNoKey},
      {ID_TINNITUS_LOESCHEN, StringTable::kMenuTinnitusLoeschen, QKeyCombination(Qt::Key_Delete)},
      {ID_TINNITUS_EIGENSCHAFTEN, StringTable::kMenuTinnitusEigenschaften, kNoKey}}},
    {StringTable::kMenuAnsicht,
     {{ID_VIEW_TOOLBAR, StringTable::kMenuSymbolleiste, kNoKey},
      {ID_VIEW_STATUS_BAR, StringTable::kMenuStatusleiste, kNoKey},
      {kSeparator, 0, kNoKey},
      {ID_VIEW_HOERTEST, StringTable::kMenuHoertest, kNoKey},
      {ID_VIEW_TINNITUS, StringTable::kMenuViewTinnitus, kNoKey},
      {kSeparator, 0, kNoKey},
      {ID_ZUSAMMEN, StringTable::kMenuZusammen, kNoKey},
      {ID_LOGDARST, StringTable::kMenuLogDarst, kNoKey},
      {kSeparator, 0, kNoKey},
      {ID_NORMALKURVE, StringTable::kMenuNormalkurve, kNoKey}}},
    {StringTable::kMenuHilfe,
     {{ID_KURZANLEITUNG, StringTable::kMenuKurzanleitung, kNoKey},
      {ID_BEDIENUNG, StringTable::kMenuBedienung, kNoKey},
      {kSeparator, 0, kNoKey},
      {ID_APP_ABOUT, StringTable::kMenuInfo, kNoKey}}},
};

const int kToolBar[] = {ID_FILE_NEW,  ID_FILE_OPEN,        ID_FILE_SAVE,       ID_FILE_PRINT,
                        kSeparator,   ID_HOERTEST_STARTEN, ID_TINNITUS_HOEREN, ID_TINNITUS_NEU,
                        ID_KOMMENTAR, kSeparator,          ID_KURZANLEITUNG};

} // namespace

CMainFrame::CMainFrame(QWidget* parent)
    : QMainWindow(parent), m_pCommands(new CCommandTable(this)) {
    setWindowIcon(CToolbarIcons::ProgramIcon());
    CreateMenus();
    CreateToolBar();
    CreateStatusBar();
    RegisterFrameCommands();
    SetDocumentTitle(QString());

    // Idle refresh of the toolbar buttons, as long as the window is on screen.
    m_pIdleTimer = new QTimer(this);
    m_pIdleTimer->setInterval(250);
    connect(m_pIdleTimer, &QTimer::timeout, m_pCommands, &CCommandTable::UpdateAll);
    connect(m_pIdleTimer, &QTimer::timeout, this, &CMainFrame::UpdateIndicators);
    m_pCommands->UpdateAll();
    UpdateIndicators();
}

CMainFrame::~CMainFrame() = default;

QAction* CMainFrame::Action(int id) const {
    return m_pCommands->Action(id);
}

QMenu* CMainFrame::Menu(const QString& title) const {
    for (QAction* action : menuBar()->actions()) {
        if (action->menu() && action->text() == title)
            return action->menu();
    }
    return nullptr;
}

QMenu* CMainFrame::MenuOf(int id) const {
    QAction* command = Action(id);
    if (command == nullptr)
        return nullptr;
    for (QAction* action : menuBar()->actions()) {
        if (action->menu() && action->menu()->actions().contains(command))
            return action->menu();
    }
    return nullptr;
}

void CMainFrame::CreateMenus() {
    for (const MenuDef& def : kMenus) {
        QMenu* menu = menuBar()->addMenu(UiText(def.title));
        for (const MenuEntry& entry : def.entries) {
            if (entry.id == kSeparator) {
                menu->addSeparator();
                continue;
            }
            QKeySequence key = entry.key == kNoKey ? QKeySequence() : QKeySequence(entry.key);
            menu->addAction(m_pCommands->Add(entry.id, UiText(entry.text), key));
        }
        m_pCommands->Watch(*menu);
    }
}

void CMainFrame::CreateToolBar() {
    m_pToolBar = new QToolBar(this);
    m_pToolBar->setObjectName(QStringLiteral("toolbar128"));
    m_pToolBar->setIconSize(QSize(16, 15));
    m_pToolBar->setAllowedAreas(Qt::AllToolBarAreas);
    m_pToolBar->setMovable(true);
    m_pToolBar->setFloatable(true);
    m_pToolBar->setWindowTitle(UiText(StringTable::kAppTitle) + QStringLiteral(" - ") +
                               UiText(StringTable::kToolbarTitle));
    for (int id : kToolBar) {
        if (id == kSeparator) {
            m_pToolBar->addSeparator();
            continue;
        }
        QAction* action = m_pCommands->Action(id);
        action->setIcon(CToolbarIcons::ForCommand(id));
        action->setIconVisibleInMenu(false); // the menus stay text only
        m_pToolBar->addAction(action);
    }
    addToolBar(Qt::TopToolBarArea, m_pToolBar);
}

void CMainFrame::CreateStatusBar() {
    QStatusBar* bar = statusBar();
    // The message pane stays beneath the prompts: a hovered command's prompt covers it,
    // and it shows again as soon as the prompt is cleared.
    m_pMessagePane = new QLabel(UiText(StringTable::kIdlePrompt), bar);
    bar->addWidget(m_pMessagePane, 1);
    // Each indicator keeps the width of its text and shows it only while its lock is on.
    for (unsigned id : kIndicatorIds) {
        auto* label = new QLabel(UiText(id), bar);
        label->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        label->setAlignment(Qt::AlignCenter);
        label->setMinimumWidth(label->sizeHint().width());
        label->clear();
        bar->addPermanentWidget(label);
        m_indicators.append(label);
    }
}

void CMainFrame::SetLockKeys(const ILockKeys* keys) {
    m_pLockKeys = keys != nullptr ? keys : &m_x11LockKeys;
    UpdateIndicators();
}

void CMainFrame::UpdateIndicators() {
    const LockKeyState state = m_pLockKeys->Read();
    const bool on[] = {state.caps, state.num, state.scroll};
    for (qsizetype i = 0; i < m_indicators.size(); ++i)
        m_indicators[i]->setText(on[i] ? UiText(kIndicatorIds[i]) : QString());
}

void CMainFrame::RegisterFrameCommands() {
    CCommandTable& cmds = *m_pCommands;
    cmds.OnCommand(ID_APP_EXIT, this, [this] { close(); });
    cmds.OnCommand(ID_APP_ABOUT, this, [this] { ShowAboutBox(); });
    CManualCommand::Install(cmds, this);
    cmds.OnCommand(ID_VIEW_TOOLBAR, this,
                   [this] { m_pToolBar->setVisible(m_pToolBar->isHidden()); });
    cmds.OnUpdate(ID_VIEW_TOOLBAR, this,
                  [this](CCmdUI& ui) { ui.SetCheck(!m_pToolBar->isHidden()); });
    cmds.OnCommand(ID_VIEW_STATUS_BAR, this,
                   [this] { statusBar()->setVisible(statusBar()->isHidden()); });
    cmds.OnUpdate(ID_VIEW_STATUS_BAR, this,
                  [this](CCmdUI& ui) { ui.SetCheck(!statusBar()->isHidden()); });
}

void CMainFrame::SetDocumentTitle(const QString& documentTitle) {
    const QString title = documentTitle.isEmpty() ? UiText(StringTable::kUntitled) : documentTitle;
    setWindowTitle(title + QStringLiteral(" - ") + UiText(StringTable::kAppTitle));
}

void CMainFrame::ShowAboutBox() {
    CAboutDialog dialog(this);
    dialog.exec();
}

void CMainFrame::closeEvent(QCloseEvent* event) {
    if (m_closeQuery && !m_closeQuery()) {
        event->ignore();
        return;
    }
    QMainWindow::closeEvent(event);
    // This window is the program: its close ends the event loop even while windows without a
    // parent (the short guide) stay open, so nothing of AUVO lives on, sounding, unreachable.
    QCoreApplication::quit();
}

void CMainFrame::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    m_pIdleTimer->start();
}

void CMainFrame::hideEvent(QHideEvent* event) {
    m_pIdleTimer->stop();
    QMainWindow::hideEvent(event);
}
