#include "gui/view/CPageCommandLine.h"

#include "core/app/CAUVOApp.h"
#include "core/app/StringTable.h"
#include "core/document/CAUVODoc.h"
#include "core/export/CCommandLineRun.h"
#include "core/view/CAUVOView.h"
#include "gui/platform/NumberFormat.h"
#include "gui/platform/UiText.h"
#include "gui/view/CPageOutput.h"
#include "gui/view/CPagePrinter.h"

#include <QApplication>
#include <QFileInfo>
#include <QPainter>
#include <QPrinter>

#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <iostream>
#include <memory>

namespace {

CPageCommandLine::Mode ModeOfSwitch(const QString& arg) {
    if (arg == QLatin1String("--print"))
        return CPageCommandLine::Mode::Print;
    if (arg == QLatin1String("--export-pdf"))
        return CPageCommandLine::Mode::Pdf;
    if (arg == QLatin1String("--export-png"))
        return CPageCommandLine::Mode::Png;
    return CPageCommandLine::Mode::None;
}

bool SameFile(const QString& a, const QString& b) {
    if (a.isEmpty() || b.isEmpty())
        return false;
    const QFileInfo fa(a);
    const QFileInfo fb(b);
    if (fa.exists() && fb.exists())
        return fa.canonicalFilePath() == fb.canonicalFilePath();
    return fa.absoluteFilePath() == fb.absoluteFilePath();
}
} // namespace

bool CPageCommandLine::Handles(int argc, char** argv) {
    return argc >= 2 && ModeOfSwitch(QString::fromLocal8Bit(argv[1])) != Mode::None;
}

std::string CPageCommandLine::Usage() {
    return StringTable::Load(StringTable::kUsagePage);
}

bool CPageCommandLine::Arguments::Parse(const QStringList& args, QString& error) {
    *this = Arguments();
    if (args.isEmpty() || (mode = ModeOfSwitch(args.front())) == Mode::None) {
        error = UiText(StringTable::kBadCall);
        return false;
    }
    QStringList positional;
    for (qsizetype i = 1; i < args.size(); ++i) {
        const QString& arg = args[i];
        if (arg == QLatin1String("--together")) {
            together = true;
        } else if (arg == QLatin1String("--normal-curve")) {
            normalCurve = true;
        } else if (arg == QLatin1String("--comparison") || arg == QLatin1String("--dpi")) {
            if (i + 1 >= args.size()) {
                error = UiText(StringTable::kOptionNeedsValue, arg);
                return false;
            }
            const QString value = args[++i];
            if (arg == QLatin1String("--comparison")) {
                comparisonPath = value;
                continue;
            }
            bool ok = false;
            const int n = value.toInt(&ok);
            if (mode != Mode::Png) {
                error = UiText(StringTable::kDpiOnlyPng);
                return false;
            }
            if (!ok || n < 1 || n > CPageOutput::kMaxDpi) {
                error = UiText(StringTable::kBadDpi, value, QString::number(CPageOutput::kMaxDpi));
                return false;
            }
            dpi = n;
        } else if (arg.startsWith(QLatin1String("--"))) {
            error = UiText(StringTable::kUnknownOption, arg);
            return false;
        } else {
            positional.push_back(arg);
        }
    }
    const qsizetype wanted = mode == Mode::Print ? 1 : 2;
    if (positional.size() != wanted) {
        error = UiText(mode == Mode::Print ? StringTable::kNeedOneDocument
                                           : StringTable::kNeedOutAndDocument);
        return false;
    }
    if (mode != Mode::Print)
        outPath = positional.takeFirst();
    documentPath = positional.front();
    // An export must never overwrite the measurements it reads.
    if (SameFile(outPath, documentPath) || SameFile(outPath, comparisonPath)) {
        error = UiText(StringTable::kOutIsDocument, outPath);
        return false;
    }
    return true;
}

namespace {

int Draw(CAUVOApp& app, const CPageCommandLine::Arguments& args, std::ostream& err) {
    CAUVODoc doc;
    const std::string path = QFileInfo(args.documentPath).absoluteFilePath().toStdString();
    if (!doc.OnOpenDocument(path))
        return CCommandLineRun::kFailed;
    // The header names the file, as for a document opened in the window.
    doc.SetPathName(path, false);
    if (!args.comparisonPath.isEmpty() &&
        !doc.SetVergleichsDatei(args.comparisonPath.toStdString()))
        return CCommandLineRun::kFailed;

    CAUVOView view(&app);
    view.SetDocument(&doc);
    view.OnInitialUpdate();
    view.m_bZusammen = args.together;
    view.m_bNormalkurve = args.normalCurve;

    int result = CCommandLineRun::kOk;
    QString error;
    switch (args.mode) {
    case CPageCommandLine::Mode::Pdf:
        if (!CPageOutput::WritePdf(view, args.outPath, error))
            result = CCommandLineRun::kFailed;
        break;
    case CPageCommandLine::Mode::Png:
        if (!CPageOutput::WritePng(view, args.outPath, args.dpi, error))
            result = CCommandLineRun::kFailed;
        break;
    case CPageCommandLine::Mode::Print: {
        if (!CPagePrinter::HasPrinter()) {
            error = CPagePrinter::NoPrinterMessage();
            result = CCommandLineRun::kFailed;
            break;
        }
        QPrinter printer(QPrinter::HighResolution);
        printer.setDocName(QString::fromStdString(doc.GetTitle()));
        QPainter painter;
        if (!painter.begin(&printer)) {
            error = UiText(StringTable::kPrintFailed);
            result = CCommandLineRun::kFailed;
            break;
        }
        CPageOutput::DrawOnPrinter(view, painter, printer);
        painter.end();
        break;
    }
    case CPageCommandLine::Mode::None:
        break;
    }
    // Settings stay as they are: a run without window stores no display flags.
    view.SetDocument(nullptr);
    if (!error.isEmpty())
        err << error.toStdString() << "\n";
    return result;
}

} // namespace

int CPageCommandLine::Run(const QStringList& args, const std::string& exePath, std::ostream& err) {
    Arguments parsed;
    QString error;
    if (!parsed.Parse(args, error)) {
        err << error.toStdString() << "\n" << Usage();
        return CCommandLineRun::kFailed;
    }

    CCommandLineRun run(exePath, err);
    run.OpenSound();
    return Draw(run.App(), parsed, err);
}

int CPageCommandLine::Main(int argc, char** argv) {
    return QtMain(argc, argv, &CPageCommandLine::Run);
}

int CPageCommandLine::QtMain(int argc, char** argv, Runner run) {
    // No display is needed for any of these runs.
    if (std::getenv("QT_QPA_PLATFORM") == nullptr)
        setenv("QT_QPA_PLATFORM", "offscreen", 1);
    QApplication qapp(argc, argv);
    KeepDecimalPoint();
    QStringList args = QApplication::arguments();
    args.removeFirst();
    return run(args, CCommandLineRun::ExePath(argc, argv), std::cerr);
}
