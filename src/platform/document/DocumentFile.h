#pragma once
// The file side of opening and saving a document.

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace DocumentFile {

// No document comes near this; a larger file is refused before it is read.
constexpr std::size_t kMaxFileSize = 64u * 1024u * 1024u;

// The whole file. Throws CFileException when the system refuses, and
// CArchiveException(badSchema) when the file is larger than limit.
std::vector<std::uint8_t> ReadWholeFile(const std::string& path, std::size_t limit = kMaxFileSize);

// Replaces the file at path by bytes, or leaves it exactly as it was: the bytes go to a
// temporary file beside it, which is synced and renamed over the target only when complete.
// Throws CFileException; the temporary file is gone then.
void WriteFileAtomically(const std::string& path, const std::vector<std::uint8_t>& bytes);

} // namespace DocumentFile
