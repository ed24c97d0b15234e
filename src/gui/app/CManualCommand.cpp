#include "gui/app/CManualCommand.h"

#include "core/app/CAUVOApp.h"
#include "core/app/CommandIds.h"
#include "gui/platform/CCommandTable.h"

#include <QDesktopServices>
#include <QFileInfo>
#include <QUrl>

QString CManualCommand::ManualPath() {
    const CAUVOApp* app = CAUVOApp::Get();
    if (app == nullptr || app->GetProgramFolder().empty())
        return {};
    return QString::fromStdString(app->GetProgramFolder()) + QStringLiteral("/doc/index.htm");
}

void CManualCommand::Install(CCommandTable& commands, QObject* owner) {
    // The desktop's default action for the file; a failure shows nothing.
    commands.OnCommand(ID_BEDIENUNG, owner,
                       [] { QDesktopServices::openUrl(QUrl::fromLocalFile(ManualPath())); });
    commands.OnUpdate(ID_BEDIENUNG, owner, [](CCmdUI& ui) {
        const QString path = ManualPath();
        ui.Enable(!path.isEmpty() && QFileInfo::exists(path));
    });
}
