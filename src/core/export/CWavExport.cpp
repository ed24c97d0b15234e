#include "core/export/CWavExport.h"

#include "core/app/CAUVOApp.h"
#include "core/app/StringTable.h"
#include "core/document/CAUVODoc.h"
#include "core/export/CCommandLineRun.h"
#include "core/export/CExportArguments.h"
#include "platform/sound/WavFileOutput.h"

#include <cerrno>
#include <cmath>
#include <filesystem>
#include <iostream>
#include <memory>
#include <system_error>

namespace {

constexpr std::size_t kWavHeaderBytes = 58;
constexpr std::size_t kBytesPerFrame = 8;
constexpr std::size_t kChunkFrames = 44100;

// Plays the document's tones into the output; false if the document could not be read
// (the user has been told) or the samples could not be written.
bool Render(CCommandLineRun& run, WavFileOutput& wav, const CExportArguments& args, bool& written) {
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
    written = true;
    return true;
}

int Export(CCommandLineRun& run, const CExportArguments& args) {
    // The samples go to a file beside the target, which replaces it only when complete:
    // a failed export leaves no half file and keeps an older one.
    const std::string partPath = args.m_strOutPath + ".part";
    auto output = std::make_unique<WavFileOutput>(partPath, WavFileOutput::Mode::OnDemand);
    WavFileOutput& wav = *output;
    errno = 0;
    if (!run.OpenSound(std::move(output))) {
        run.ReportNotSaved(args.m_strOutPath, errno);
        return CWavExport::kFailed;
    }

    bool written = false;
    const bool ok = Render(run, wav, args, written);
    // The tones are gone with the document; the device completes the file when released.
    run.CloseSound();

    std::error_code ec;
    if (!ok) {
        std::filesystem::remove(partPath, ec);
        return CWavExport::kFailed;
    }
    const auto frames = static_cast<std::uintmax_t>(std::llround(args.m_dSeconds * 44100.0));
    const std::uintmax_t size = std::filesystem::file_size(partPath, ec);
    if (ec || size != kWavHeaderBytes + frames * kBytesPerFrame) {
        std::filesystem::remove(partPath, ec);
        run.ReportNotSaved(args.m_strOutPath, ENOSPC);
        return CWavExport::kFailed;
    }
    std::filesystem::rename(partPath, args.m_strOutPath, ec);
    if (ec) {
        std::filesystem::remove(partPath, ec);
        run.ReportNotSaved(args.m_strOutPath, ec.value());
        return CWavExport::kFailed;
    }
    return CWavExport::kOk;
}

} // namespace

int CWavExport::Run(const std::vector<std::string>& args, const std::string& exePath,
                    std::ostream& err) {
    CExportArguments parsed;
    if (!parsed.Parse(args)) {
        err << CExportArguments::Usage();
        return kBadArguments;
    }

    // The samples would replace the document they come from.
    std::error_code ec;
    if (std::filesystem::equivalent(parsed.m_strOutPath, parsed.m_strDocumentPath, ec)) {
        err << StringTable::Format(StringTable::kWavIsDocument, parsed.m_strOutPath) << '\n';
        return kBadArguments;
    }

    CCommandLineRun run(exePath, err);
    return Export(run, parsed);
}

int CWavExport::Main(int argc, char** argv) {
    return Run(CCommandLineRun::Arguments(argc, argv), CCommandLineRun::ExePath(argc, argv),
               std::cerr);
}
