#include "core/export/CCsvExport.h"

#include "core/app/CAUVOApp.h"
#include "core/app/StringTable.h"
#include "core/document/CAUVODoc.h"
#include "core/export/CCommandLineRun.h"
#include "core/sound/CSinusTone.h"
#include "platform/archive/CFileException.h"

#include <cerrno>
#include <cmath>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <memory>
#include <system_error>

namespace {

const char* const kHeader = "Art,Frequenz (Hz),Links (dB),Rechts (dB),Ohr,Pegel (dB),Text";
const char* const kEol = "\r\n";

std::string Hertz(double frequency) {
    char text[64];
    std::snprintf(text, sizeof text, "%.1f", frequency);
    return text;
}

std::string Usage() {
    return StringTable::Load(StringTable::kUsageCsv);
}

// The text goes to a file beside the target, which replaces it only when complete.
bool WriteFile(CCommandLineRun& run, const std::string& path, const std::string& text) {
    const std::string partPath = path + ".part";
    errno = 0;
    {
        std::ofstream out(partPath, std::ios::binary | std::ios::trunc);
        out << text;
        out.flush();
        if (!out) {
            const int error = errno;
            out.close();
            std::error_code ec;
            std::filesystem::remove(partPath, ec);
            run.ReportNotSaved(path, error);
            return false;
        }
    }
    std::error_code ec;
    std::filesystem::rename(partPath, path, ec);
    if (ec) {
        std::filesystem::remove(partPath, ec);
        run.ReportNotSaved(path, ec.value());
        return false;
    }
    return true;
}

int Export(CCommandLineRun& run, const std::string& outPath, const std::string& docPath) {
    // The document's tones need a device to exist on; nothing is played.
    run.OpenSound();
    CAUVODoc doc;
    if (doc.OnOpenDocument(docPath) && WriteFile(run, outPath, CCsvExport::Format(doc)))
        return CCsvExport::kOk;
    return CCsvExport::kFailed;
}

} // namespace

std::string CCsvExport::Field(const std::string& text) {
    if (text.find_first_of(",\"\r\n") == std::string::npos)
        return text;
    std::string quoted = "\"";
    for (char c : text) {
        if (c == '"')
            quoted += '"';
        quoted += c;
    }
    return quoted + '"';
}

std::string CCsvExport::Decibel(long millibel) {
    // Whole tenths, rounded half away from zero, so no "-0.0" appears.
    const long tenths = std::lround(static_cast<double>(millibel) / 10.0);
    const long magnitude = tenths < 0 ? -tenths : tenths;
    char text[32];
    std::snprintf(text, sizeof text, "%s%ld.%ld", tenths < 0 ? "-" : "", magnitude / 10,
                  magnitude % 10);
    return text;
}

std::string CCsvExport::Format(const CAUVODoc& doc) {
    std::string csv = std::string(kHeader) + kEol;
    csv += "Datum,,,,,," + Field(doc.m_strDatum) + kEol;
    csv += "Kommentar,,,,,," + Field(doc.m_strKommentar) + kEol;
    const CHoertestDaten& data = doc.m_HoertestDaten;
    for (int i = 0; i < data.GetCount(); ++i)
        csv += "Hörtest," + std::to_string(data.GetFrequency(i)) + "," +
               Decibel(data.GetValue(i, 0)) + "," + Decibel(data.GetValue(i, 1)) + ",,," + kEol;
    const CTinnitusDaten& tones = doc.m_TinnitusDaten;
    for (int side = 0; side <= 1; ++side) {
        for (int i = 0; i < tones.GetCount(side); ++i) {
            CSinusTone* tone = tones.GetTone(i, side);
            csv += "Tinnitus," + Hertz(tone->GetFrequency()) + ",,," +
                   (side == 0 ? "Links," : "Rechts,") +
                   Decibel(doc.ToRelativeLevel(tone->GetVolume())) + "," + kEol;
        }
    }
    return csv;
}

int CCsvExport::Run(const std::vector<std::string>& args, const std::string& exePath,
                    std::ostream& err) {
    if (args.size() != 3 || args[0] != "--export-csv" || args[1].empty() || args[2].empty() ||
        args[1][0] == '-' || args[2][0] == '-') {
        err << Usage();
        return kBadArguments;
    }
    // The text would replace the document it comes from.
    std::error_code ec;
    if (std::filesystem::equivalent(args[1], args[2], ec)) {
        err << StringTable::Format(StringTable::kCsvIsDocument, args[1]) << '\n';
        return kBadArguments;
    }

    CCommandLineRun run(exePath, err);
    return Export(run, args[1], args[2]);
}

int CCsvExport::Main(int argc, char** argv) {
    return Run(CCommandLineRun::Arguments(argc, argv), CCommandLineRun::ExePath(argc, argv),
               std::cerr);
}
