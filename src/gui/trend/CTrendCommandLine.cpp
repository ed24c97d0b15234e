#include "gui/trend/CTrendCommandLine.h"
#include "gui/view/CPageCommandLine.h"

#include "core/app/StringTable.h"
#include "core/export/CCommandLineRun.h"
#include "core/trend/CTrendCsv.h"
#include "core/trend/CTrendLoader.h"
#include "core/trend/CTrendPage.h"
#include "gui/platform/NumberFormat.h"
#include "gui/platform/UiText.h"
#include "gui/view/CPageOutput.h"
#include "platform/file/CFileReplacement.h"

#include <QApplication>
#include <QFileInfo>

#include <cstdlib>
#include <cstring>
#include <iostream>

namespace {

constexpr const char* kSwitch = "--export-trend";

int BadCall(std::ostream& err, const QString& message) {
    if (!message.isEmpty())
        err << message.toStdString() << "\n";
    err << StringTable::Load(StringTable::kUsageTrend);
    return CCommandLineRun::kBadArguments;
}

} // namespace

bool CTrendCommandLine::Handles(int argc, char** argv) {
    return argc >= 2 && std::strcmp(argv[1], kSwitch) == 0;
}

int CTrendCommandLine::Run(const QStringList& args, const std::string& exePath, std::ostream& err) {
    if (args.isEmpty() || args.front() != QLatin1String(kSwitch))
        return BadCall(err, UiText(StringTable::kBadCall));
    QStringList positional;
    for (qsizetype i = 1; i < args.size(); ++i) {
        if (args[i].startsWith(QLatin1String("--")))
            return BadCall(err, UiText(StringTable::kUnknownOption, args[i]));
        positional.push_back(args[i]);
    }
    if (positional.size() < 2)
        return BadCall(err, {});
    const QString out = positional.takeFirst();
    const QString suffix = QFileInfo(out).suffix().toLower();
    if (suffix != QLatin1String("pdf") && suffix != QLatin1String("png") &&
        suffix != QLatin1String("csv"))
        return BadCall(err, UiText(StringTable::kTrendBadOut, out));
    std::vector<std::string> files;
    for (const QString& file : positional) {
        // An export must never overwrite the measurements it reads.
        if (CCommandLineRun::IsSameFile(out.toStdString(), file.toStdString()))
            return BadCall(err, UiText(StringTable::kOutIsDocument, out));
        files.push_back(file.toStdString());
    }

    CCommandLineRun run(exePath, err);
    CTrendLoader::Result loaded = CTrendLoader::Load(files);
    for (const std::string& error : loaded.errors)
        run.App().ErrorBox(error);
    if (loaded.measurements.size() < 2) {
        run.App().ErrorBoxId(StringTable::kTrendTooFew);
        return CCommandLineRun::kFailed;
    }

    CTrendPage page{CTrend(std::move(loaded.measurements))};
    if (suffix == QLatin1String("csv")) {
        // The one writer of the exports: a complete file or the old one, and a German cause.
        const std::string text = CTrendCsv::Format(page.Trend());
        const std::string path = out.toStdString();
        if (const int error = CFileReplacement::WriteFile(path, text.data(), text.size());
            error != 0) {
            run.ReportNotSaved(path, error);
            return CCommandLineRun::kFailed;
        }
        return CCommandLineRun::kOk;
    }
    QString error;
    bool written = false;
    if (suffix == QLatin1String("pdf"))
        written = CPageOutput::WritePdf(page, out, error);
    else
        written = CPageOutput::WritePng(page, out, CPageOutput::kDefaultDpi, error);
    if (!written) {
        run.App().ErrorBox(error.toStdString());
        return CCommandLineRun::kFailed;
    }
    return CCommandLineRun::kOk;
}

int CTrendCommandLine::Main(int argc, char** argv) {
    return CPageCommandLine::QtMain(argc, argv, &CTrendCommandLine::Run);
}
