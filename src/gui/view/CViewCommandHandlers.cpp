#include "gui/view/CViewCommandHandlers.h"

#include "core/app/CAUVOApp.h"
#include "core/app/CommandIds.h"
#include "core/app/StringTable.h"
#include "core/document/CAUVODoc.h"
#include "gui/hearing/CKommentarDialog.h"
#include "gui/platform/CCommandTable.h"
#include "gui/platform/UiText.h"
#include "gui/tinnitus/CTonEigenschaftenDialog.h"
#include "gui/view/CAUVOViewWidget.h"
#include "gui/view/CPagePrinter.h"

#include <QMainWindow>
#include <QShortcut>
#include <QStatusBar>

CViewCommandHandlers::CViewCommandHandlers(CAUVOViewWidget& view, CCommandTable& commands)
    : QObject(&view), m_view(view), m_commands(commands), m_viewCommands(view.View()),
      m_pPrinter(new CPagePrinter(view)) {
    for (int id : {ID_ZUSAMMEN, ID_VIEW_HOERTEST, ID_VIEW_TINNITUS, ID_LOGDARST, ID_NORMALKURVE,
                   ID_TINNITUS_HOEREN})
        RegisterViewCommand(id, true);
    for (int id : {ID_TINNITUS_NEU, ID_TINNITUS_RAUSCHBAND_NEU, ID_TINNITUS_LOESCHEN})
        RegisterViewCommand(id, false);

    m_commands.OnCommand(ID_TINNITUS_EIGENSCHAFTEN, this, [this] { OnTonEigenschaften(); });
    m_commands.OnUpdate(ID_TINNITUS_EIGENSCHAFTEN, this, [this](CCmdUI& ui) {
        ui.Enable(m_view.Document() != nullptr &&
                  m_viewCommands.IsEnabled(ID_TINNITUS_EIGENSCHAFTEN));
    });

    // Escape silences the tinnitus tones at once, wherever the focus is in the main window.
    auto* stop =
        new QShortcut(QKeySequence(Qt::Key_Escape), &m_view, nullptr, nullptr, Qt::WindowShortcut);
    connect(stop, &QShortcut::activated, this, [this] {
        if (m_view.Document() != nullptr && m_viewCommands.StopTones())
            m_commands.UpdateAll();
    });

    m_commands.OnCommand(ID_KOMMENTAR, this, [this] { OnKommentar(); });
    m_commands.OnUpdate(ID_KOMMENTAR, this,
                        [this](CCmdUI& ui) { ui.Enable(m_view.Document() != nullptr); });

    // Direct printing has no menu entry; it still is a command of the window.
    if (m_commands.Action(ID_FILE_PRINT_DIRECT) == nullptr)
        m_commands.Add(ID_FILE_PRINT_DIRECT, CCommandTable::TooltipOf(QString::fromStdString(
                                                 StringTable::Load(ID_FILE_PRINT_DIRECT))));
    const auto hasDocument = [this](CCmdUI& ui) { ui.Enable(m_view.Document() != nullptr); };
    m_commands.OnCommand(ID_FILE_PRINT, this, [this] { m_pPrinter->OnFilePrint(); });
    m_commands.OnUpdate(ID_FILE_PRINT, this, hasDocument);
    m_commands.OnCommand(ID_FILE_PRINT_DIRECT, this, [this] { m_pPrinter->OnFilePrintDirect(); });
    m_commands.OnUpdate(ID_FILE_PRINT_DIRECT, this, hasDocument);
    m_commands.OnCommand(ID_FILE_PRINT_PREVIEW, this, [this] { m_pPrinter->OnFilePrintPreview(); });
    m_commands.OnUpdate(ID_FILE_PRINT_PREVIEW, this, hasDocument);
    m_commands.OnCommand(ID_FILE_PRINT_SETUP, this, [this] { m_pPrinter->OnFilePrintSetup(); });
}

void CViewCommandHandlers::RegisterViewCommand(int id, bool checkMark) {
    m_commands.OnCommand(id, this, [this, id] {
        if (m_view.Document() != nullptr)
            m_viewCommands.Execute(id);
    });
    m_commands.OnUpdate(id, this, [this, id, checkMark](CCmdUI& ui) {
        const bool attached = m_view.Document() != nullptr;
        ui.Enable(attached && m_viewCommands.IsEnabled(id));
        if (checkMark)
            ui.SetCheck(attached && m_viewCommands.IsChecked(id));
        // Command states follow every change and every 250 ms: the moment to see whether a
        // tone now sounds held at the ceiling.
        if (id == ID_TINNITUS_HOEREN && attached)
            NoteCeiling();
    });
}

void CViewCommandHandlers::NoteCeiling() {
    CAUVODoc* doc = m_view.Document();
    CAUVOApp* app = CAUVOApp::Get();
    auto* frame = qobject_cast<QMainWindow*>(m_view.window());
    if (doc == nullptr || app == nullptr || frame == nullptr ||
        !doc->TakeCeilingNotice(app->OutputCeiling()))
        return;
    frame->statusBar()->showMessage(UiText(StringTable::kCeilingNotice), kCeilingNoticeMs);
}

void CViewCommandHandlers::OnKommentar() {
    CAUVODoc* doc = m_view.Document();
    if (doc == nullptr)
        return;
    CKommentarDialog dialog(&m_view);
    dialog.m_strKommentar = doc->m_strKommentar;
    if (dialog.exec() == QDialog::Accepted)
        doc->SetComment(dialog.m_strKommentar);
}

void CViewCommandHandlers::OnTonEigenschaften() {
    CAUVODoc* doc = m_view.Document();
    int side = CAUVOView::kNoSide;
    CSinusTone* tone = m_view.View().GetSelectedTone(&side);
    if (doc == nullptr || tone == nullptr || !m_viewCommands.IsEnabled(ID_TINNITUS_EIGENSCHAFTEN))
        return;
    CTonEigenschaftenDialog dialog(&m_view, *tone, *doc);
    if (dialog.exec() == QDialog::Accepted)
        m_view.View().InvalidateSide(side);
}

bool CViewCommandHandlers::Execute(int id) {
    return m_commands.Execute(id);
}
