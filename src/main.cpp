// AUVO: entry point. Start-up and shut-down live in CAUVOApp; the window side in gui/app.

#include "core/app/CAUVOApp.h"
#include "core/export/CCommandLineRun.h"
#include "core/export/CCommandLineUsage.h"
#include "core/export/CCsvExport.h"
#include "core/export/CWavExport.h"
#include "gui/app/CMainFrame.h"
#include "gui/app/CQtAppFramework.h"
#include "gui/app/CToolbarIcons.h"
#include "gui/app/GermanTranslations.h"
#include "gui/document/CDocumentSession.h"
#include "gui/hearing/CHoertestCommands.h"
#include "gui/hearing/CKurzanleitungHost.h"
#include "gui/platform/CQtMessageBoxService.h"
#include "gui/platform/CSignalWatcher.h"
#include "gui/platform/NumberFormat.h"
#include "gui/trend/CTrendCommand.h"
#include "gui/trend/CTrendCommandLine.h"
#include "gui/view/CAUVOViewWidget.h"
#include "gui/view/CPageCommandLine.h"
#include "platform/sound/sdl/SdlAudioOutput.h"

#include <QApplication>

#include <cstdio>
#include <cstring>
#include <iostream>
#include <memory>

namespace {
// Exit code of a start that failed (its message has been shown).
constexpr int kStartFailed = 1;
} // namespace

int main(int argc, char** argv) {
    // No window, no sound device, no settings, no protocol.
    if (argc >= 2 && std::strcmp(argv[1], "--version") == 0) {
        std::fputs(CAUVOApp::AboutText().c_str(), stdout);
        return 0;
    }
    // Renders a document's tinnitus tones into a WAV file: no window, no sound card.
    if (argc >= 2 && std::strcmp(argv[1], "--export-wav") == 0)
        return CCommandLineRun::Main(argc, argv, CWavExport::Run);
    // The measurement as CSV for a spreadsheet.
    if (argc >= 2 && std::strcmp(argv[1], "--export-csv") == 0)
        return CCommandLineRun::Main(argc, argv, CCsvExport::Run);
    // Prints or exports the page of a document without a window.
    if (CPageCommandLine::Handles(argc, argv))
        return CPageCommandLine::Main(argc, argv);
    // The trend of several measurements as a page or CSV.
    if (CTrendCommandLine::Handles(argc, argv))
        return CTrendCommandLine::Main(argc, argv);
    // "--help", or an option nobody knows: the usage, and no window.
    if (const int code = CCommandLineUsage::Check(argc, argv, std::cout, std::cerr);
        code != CCommandLineUsage::kGoOn)
        return code;

    // Qt reads its options wherever they stand; the file names after "--" stay ours.
    int qtArgc = CCommandLineUsage::QtArgumentCount(argc, argv);
    QStringList fileWords;
    for (int i = qtArgc; i < argc; ++i)
        fileWords.push_back(QString::fromLocal8Bit(argv[i]));
    QApplication qapp(qtArgc, argv);
    KeepDecimalPoint();
    QApplication::setApplicationName(QStringLiteral("AUVO"));
    // Every window and dialog carries the program icon; the desktop entry's name lets a
    // Wayland desktop find the same icon for the running program.
    QApplication::setWindowIcon(CToolbarIcons::ProgramIcon());
    QGuiApplication::setDesktopFileName(QStringLiteral("auvo"));
    InstallGermanTranslations(qapp);
    SdlAudioOutput::RegisterAsRealOutput();
    CSignalWatcher signalWatcher;

    CAUVOApp app;
    CQtMessageBoxService messageBoxes;
    app.SetMessageBoxService(&messageBoxes);

    QStringList arguments = QApplication::arguments();
    arguments.removeFirst();
    arguments += fileWords;
    CQtAppFramework framework(arguments);
    framework.SetMessageBoxService(&messageBoxes);
    framework.SetFrameCreatedHandler([&app](CMainFrame& frame) {
        CKurzanleitungHost::Install(frame, frame.Commands(), app.m_lNormalNull);
    });
    auto documents =
        std::make_unique<CDocumentSession>(app, [&app](CMainFrame& frame, CDocManager& docs) {
            CAUVOViewWidget::Install(frame, frame.Commands(), &app)->FollowDocuments(docs);
            CHoertestCommands::Install(frame, frame.Commands(), app,
                                       [&docs]() -> CAUVODoc& { return docs.Document(); });
            (new CTrendCommand(app, docs, &frame))->Attach(frame);
        });
    framework.SetDocumentHandler([&documents](CMainFrame& frame, const QStringList& args) {
        return documents->Start(frame, args);
    });

    int exitCode = kStartFailed;
    if (app.InitInstance(framework, QApplication::applicationFilePath().toStdString()))
        exitCode = signalWatcher.Poll() ? 0 : QApplication::exec();

    // The window and its document go before the sound device they play on.
    framework.DestroyMainWindow();
    documents.reset();
    const int result = app.ExitInstance(exitCode);
    app.SetMessageBoxService(nullptr);
    return result;
}
