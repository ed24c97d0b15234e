#include "gui/hearing/CKurzanleitungHost.h"

#include "core/app/CAUVOApp.h"
#include "core/app/CBaseApp.h"
#include "core/app/CommandIds.h"
#include "core/app/StringTable.h"
#include "gui/hearing/CKurzanleitungDialog.h"
#include "gui/platform/CCommandTable.h"

#include <QWidget>

#include <new>

CKurzanleitungHost::CKurzanleitungHost(QWidget& mainWindow)
    : QObject(&mainWindow), m_mainWindow(mainWindow) {}

CKurzanleitungHost::~CKurzanleitungHost() {
    delete m_pKurzanleitung.data();
}

CKurzanleitungHost* CKurzanleitungHost::Install(QWidget& mainWindow, CCommandTable& commands,
                                                long normalNull) {
    auto* host = new CKurzanleitungHost(mainWindow);
    commands.OnCommand(ID_KURZANLEITUNG, host,
                       [host] { host->ShowKurzanleitung(CKurzanleitungDialog::GeneralText()); });
    if (normalNull <= CAUVOApp::kNotCalibrated)
        host->ShowKurzanleitung(CKurzanleitungDialog::GeneralText());
    return host;
}

CKurzanleitungHost* CKurzanleitungHost::Of(QWidget* widget) {
    if (widget == nullptr)
        return nullptr;
    for (QWidget* w = widget; w != nullptr; w = w->parentWidget())
        if (auto* host = w->findChild<CKurzanleitungHost*>(QString(), Qt::FindDirectChildrenOnly))
            return host;
    return nullptr;
}

void CKurzanleitungHost::ShowKurzanleitung(const std::string& text) {
    if (m_pKurzanleitung.isNull()) {
        try {
            // A window of its own, not the main window's child: the tone dialogs are modal to
            // the main window, and the guide they open must stay usable beside them.
            m_pKurzanleitung = new CKurzanleitungDialog(nullptr);
            m_pKurzanleitung->setWindowIcon(m_mainWindow.windowIcon());
        } catch (const std::bad_alloc&) {
            if (CBaseApp* app = CBaseApp::Instance())
                app->ErrorBoxId(StringTable::kNoKurzanleitung);
            return;
        }
    }
    m_pKurzanleitung->SetText(text);
    m_pKurzanleitung->show();
    m_pKurzanleitung->raise();
}

CKurzanleitungDialog* CKurzanleitungHost::Window() const {
    return m_pKurzanleitung.data();
}
