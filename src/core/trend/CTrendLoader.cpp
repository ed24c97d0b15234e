#include "core/trend/CTrendLoader.h"

#include "core/app/StringTable.h"
#include "core/document/CAUVODoc.h"

#include <filesystem>
#include <system_error>

namespace {

// Reads with the document's checks but keeps its failure for the trend's own message, and
// makes none of the file's sounds: hundreds of files must not hold their buffers.
class CQuietDoc : public CAUVODoc {
public:
    CQuietDoc() { ReadWithoutSounds(); }

protected:
    void ReportSaveLoadError(const CDocumentError& /*error*/) override {}
};

bool IsFileOf(const std::string& path, const CAUVODoc* doc) {
    if (doc == nullptr || doc->GetPathName().empty())
        return false;
    std::error_code ec;
    return std::filesystem::equivalent(path, doc->GetPathName(), ec);
}

std::string FileName(const std::string& path) {
    return std::filesystem::path(path).filename().string();
}

} // namespace

CTrendLoader::Result CTrendLoader::Load(const std::vector<std::string>& paths,
                                        const CAUVODoc* open) {
    Result result;
    for (const std::string& path : paths) {
        if (IsFileOf(path, open)) {
            result.measurements.push_back(CTrendMeasurement::FromData(
                open->m_HoertestDaten, open->m_strDatum, FileName(path)));
            continue;
        }
        CQuietDoc doc;
        std::string why;
        std::error_code ec;
        if (std::filesystem::is_regular_file(path, ec) &&
            std::filesystem::file_size(path, ec) == 0) {
            // An empty file opens as a new measurement, but it holds none to follow.
            why = StringTable::Load(StringTable::kBadFileFormat);
        } else if (!doc.OnOpenDocument(path)) {
            why = CAUVODoc::ErrorText(doc.GetLastError());
        }
        if (!why.empty()) {
            result.errors.push_back(StringTable::Format(StringTable::kTrendUnreadable, path, why));
            continue;
        }
        result.measurements.push_back(
            CTrendMeasurement::FromData(doc.m_HoertestDaten, doc.m_strDatum, FileName(path)));
    }
    return result;
}
