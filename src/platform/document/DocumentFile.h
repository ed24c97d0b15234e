#pragma once
// The file side of opening and saving a document.

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace DocumentFile {

// A real measurement takes a few KB; a larger file is refused before it is read, so no
// document can make opening or drawing it slow.
constexpr std::size_t kMaxFileSize = 1024u * 1024u;

// The whole file. Throws CFileException when the system refuses, and
// CArchiveException(badSchema) when the file is larger than limit.
std::vector<std::uint8_t> ReadWholeFile(const std::string& path, std::size_t limit = kMaxFileSize);

// Replaces the file at path by bytes, or leaves it exactly as it was (CFileReplacement).
// Throws CFileException; the temporary file is gone then.
void WriteFileAtomically(const std::string& path, const std::vector<std::uint8_t>& bytes);

} // namespace DocumentFile
