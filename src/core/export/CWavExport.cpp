#include "core/export/CWavExport.h"

#include "core/app/StringTable.h"
#include "core/document/CAUVODoc.h"
#include "core/export/CCommandLineRun.h"
#include "core/export/CExportArguments.h"
#include "platform/file/CFileReplacement.h"
#include "platform/sound/WavFileOutput.h"

#include <cerrno>
#include <cmath>
#include <filesystem>
#include <memory>
#include <system_error>

namespace {

constexpr std::size_t kWavHeaderBytes = 58;
constexpr std::size_t kBytesPerFrame = 8;
constexpr std::size_t kChunkFrames = 44100;

// Plays the document's tones into the output; false if the document could not be read
// (the user has been told) or the samples could not be written.
bool Render(CCommandLineRun& run, WavFileOutput& wav, const CExportArguments& args) {
    CAUVODoc doc;
    if (!doc.OnOpenDocument(args.m_strDocumentPath))
        return false;
    doc.m_TinnitusDaten.PlayAll(CTinnitusDaten::playBoth);
    auto frames = static_cast<std::size_t>(std::llround(args.m_dSeconds * 44100.0));
    while (frames > 0) {
        const std::size_t n = std::min(frames, kChunkFrames);
        errno = 0;
        if (!wav.RenderFrames(n)) {
            run.ReportNotSaved(args.m_strOutPath, errno);
            return false;
        }
        frames -= n;
    }
    return true;
}

int Export(CCommandLineRun& run, const CExportArguments& args) {
    // A failed export leaves no half file and keeps an older one.
    CFileReplacement file(args.m_strOutPath);
    if (const int error = file.Open(); error != 0) {
        run.ReportNotSaved(args.m_strOutPath, error);
        return CCommandLineRun::kFailed;
    }
    auto output =
        std::make_unique<WavFileOutput>(file.TemporaryPath(), WavFileOutput::Mode::OnDemand);
    WavFileOutput& wav = *output;
    errno = 0;
    if (!run.OpenSound(std::move(output))) {
        run.ReportNotSaved(args.m_strOutPath, errno);
        return CCommandLineRun::kFailed;
    }

    const bool ok = Render(run, wav, args);
    // The tones are gone with the document; the device completes the file when released.
    run.CloseSound();
    if (!ok)
        return CCommandLineRun::kFailed;

    const auto frames = static_cast<std::uintmax_t>(std::llround(args.m_dSeconds * 44100.0));
    std::error_code ec;
    const std::uintmax_t size = std::filesystem::file_size(file.TemporaryPath(), ec);
    if (ec || size != kWavHeaderBytes + frames * kBytesPerFrame) {
        run.ReportNotSaved(args.m_strOutPath, ENOSPC);
        return CCommandLineRun::kFailed;
    }
    if (const int error = file.Commit(); error != 0) {
        run.ReportNotSaved(args.m_strOutPath, error);
        return CCommandLineRun::kFailed;
    }
    return CCommandLineRun::kOk;
}

} // namespace

int CWavExport::Run(const std::vector<std::string>& args, const std::string& exePath,
                    std::ostream& err) {
    CExportArguments parsed;
    if (!parsed.Parse(args)) {
        err << CExportArguments::Usage();
        return CCommandLineRun::kBadArguments;
    }

    // The samples would replace the document they come from.
    if (CCommandLineRun::IsSameFile(parsed.m_strOutPath, parsed.m_strDocumentPath)) {
        err << StringTable::Format(StringTable::kWavIsDocument, parsed.m_strOutPath) << '\n';
        return CCommandLineRun::kBadArguments;
    }

    CCommandLineRun run(exePath, err);
    return Export(run, parsed);
}
