#include "core/export/CCsvExport.h"

#include "core/app/StringTable.h"
#include "core/app/TextFormat.h"
#include "core/document/CAUVODoc.h"
#include "core/export/CCommandLineRun.h"
#include "core/sound/CSinusTone.h"
#include "platform/file/CFileReplacement.h"

#include <cmath>

namespace {

const char* const kEol = "\r\n";

std::string Text(unsigned id) {
    return StringTable::Load(id);
}

bool WriteFile(CCommandLineRun& run, const std::string& path, const std::string& text) {
    if (const int error = CFileReplacement::WriteFile(path, text.data(), text.size()); error != 0) {
        run.ReportNotSaved(path, error);
        return false;
    }
    return true;
}

int Export(CCommandLineRun& run, const std::string& outPath, const std::string& docPath) {
    // The document's tones need a device to exist on; nothing is played.
    run.OpenSound();
    CAUVODoc doc;
    if (doc.OnOpenDocument(docPath) && WriteFile(run, outPath, CCsvExport::Format(doc)))
        return CCommandLineRun::kOk;
    return CCommandLineRun::kFailed;
}

} // namespace

// Quoted when it holds a separator, a quote or a line break; quotes doubled.
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
    return FormatText("%s%ld.%ld", tenths < 0 ? "-" : "", magnitude / 10, magnitude % 10);
}

std::string CCsvExport::Format(const CAUVODoc& doc) {
    const std::string noValues = ",,,,,,";
    const std::string noSound = ",,";
    std::string csv = Text(StringTable::kCsvHeader) + kEol;
    csv += Text(StringTable::kCsvDatum) + noValues + Field(doc.m_strDatum) + noSound + kEol;
    csv += Text(StringTable::kCsvKommentar) + noValues + Field(doc.m_strKommentar) + noSound + kEol;
    const std::string hoertest = Text(StringTable::kCsvHoertest);
    const CHoertestDaten& data = doc.m_HoertestDaten;
    for (int i = 0; i < data.GetCount(); ++i)
        csv += hoertest + FormatText(",%d,", data.GetFrequency(i)) + Decibel(data.GetValue(i, 0)) +
               "," + Decibel(data.GetValue(i, 1)) + ",,," + noSound + kEol;
    const std::string tinnitus = Text(StringTable::kCsvTinnitus);
    const CTinnitusDaten& tones = doc.m_TinnitusDaten;
    for (int side = 0; side <= 1; ++side) {
        const std::string ear = Text(side == 0 ? StringTable::kLeft : StringTable::kRight);
        for (int i = 0; i < tones.GetCount(side); ++i) {
            CSinusTone* tone = tones.GetTone(i, side);
            csv += tinnitus + FormatText(",%.1f,,,", tone->GetFrequency()) + ear + "," +
                   Decibel(doc.ToRelativeLevel(tone->GetVolume())) + ",," +
                   (tone->IsNoiseBand() ? Text(StringTable::kKindRauschband) +
                                              FormatText(",%.1f", tone->GetBandwidth())
                                        : Text(StringTable::kKindSinuston) + ",") +
                   kEol;
        }
    }
    return csv;
}

int CCsvExport::Run(const std::vector<std::string>& args, const std::string& exePath,
                    std::ostream& err) {
    if (args.size() != 3 || args[0] != "--export-csv" || args[1].empty() || args[2].empty() ||
        args[1][0] == '-' || args[2][0] == '-') {
        err << Text(StringTable::kUsageCsv);
        return CCommandLineRun::kBadArguments;
    }
    // The text would replace the document it comes from.
    if (CCommandLineRun::IsSameFile(args[1], args[2])) {
        err << StringTable::Format(StringTable::kCsvIsDocument, args[1]) << '\n';
        return CCommandLineRun::kBadArguments;
    }

    CCommandLineRun run(exePath, err);
    return Export(run, args[1], args[2]);
}
