#include "gui/hearing/CHoertestCommands.h"

#include "core/app/CAUVOApp.h"
#include "core/app/CommandIds.h"
#include "core/app/StringTable.h"
#include "core/document/CAUVODoc.h"
#include "core/hearingtest/CKopfhoererCheck.h"
#include "core/sound/CSinusTone.h"
#include "core/tinnitus/CTinnitusPause.h"
#include "gui/hearing/CEichDialog.h"
#include "gui/hearing/CHoertestDatenDialog.h"
#include "gui/hearing/CHoertestDialog.h"
#include "gui/platform/CCommandTable.h"

CHoertestCommands::CHoertestCommands(QWidget& mainWindow, CAUVOApp& app, DocumentSource document)
    : QObject(&mainWindow), m_mainWindow(mainWindow), m_app(app), m_document(std::move(document)) {}

CHoertestCommands* CHoertestCommands::Install(QWidget& mainWindow, CCommandTable& commands,
                                              CAUVOApp& app, DocumentSource document) {
    auto* self = new CHoertestCommands(mainWindow, app, std::move(document));
    commands.OnCommand(ID_EICHEN, self, [self] { self->OnEichen(); });
    commands.OnCommand(ID_KOPFHOERER_PRUEFEN, self, [self] { self->OnKopfhoererPruefen(); });
    commands.OnCommand(ID_HOERTEST_STARTEN, self, [self] { self->OnHoertestStarten(); });
    commands.OnCommand(ID_HOERTEST_DATEN, self, [self] { self->OnHoertestDaten(); });
    return self;
}

void CHoertestCommands::OnEichen() {
    const CTinnitusPause pause(m_document().m_TinnitusDaten);
    CEichDialog dlg(&m_mainWindow, m_app);
    dlg.exec();
}

void CHoertestCommands::OnKopfhoererPruefen() {
    const CTinnitusPause pause(m_document().m_TinnitusDaten);
    try {
        CKopfhoererCheck(m_app, m_app.m_pDirectSound).Run();
    } catch (const CSoundBufferException&) {
        m_app.ErrorBoxId(StringTable::kNoSoundBuffer);
    }
}

void CHoertestCommands::OnHoertestStarten() {
    // The dialog itself hands its result to the document.
    CAUVODoc& doc = m_document();
    const CTinnitusPause pause(doc.m_TinnitusDaten);
    CHoertestDialog dlg(&m_mainWindow, m_app, doc, m_app.m_pDirectSound);
    dlg.exec();
}

void CHoertestCommands::OnHoertestDaten() {
    CAUVODoc& doc = m_document();
    CHoertestDatenDialog dlg(&m_mainWindow, m_app, doc, m_app.m_pDirectSound);
    if (dlg.exec() == QDialog::Accepted)
        doc.UpdateAllViews(nullptr, 0);
}
