#pragma once
// Settings files in the INI format: "[section]" lines, "key=value" lines, ";" comments.
// Section and key names match without regard to case. A write touches only its own line
// (or appends to its section, or appends the section) and keeps every other byte of the file,
// including its line ends (\r\n or \n). Writes go to a temporary file beside the target that
// is renamed over it, so a failed write never damages the file on disk.

#include <cstddef>
#include <string>

namespace PrivateProfile {

// The value of key in section, cut to size - 1 bytes (never inside a UTF-8 sequence);
// defaultValue (cut the same way) if the file, the section or the key is missing.
std::string ReadString(const std::string& section, const std::string& key,
                       const std::string& defaultValue, std::size_t size, const std::string& path);

// Sets key in section to value; creates the file and its missing parent folders.
// False (and the file unchanged) if the names or the value cannot be stored in the format
// (empty names, line breaks, '=' in a key, ']' in a section) or the file cannot be written.
bool WriteString(const std::string& section, const std::string& key, const std::string& value,
                 const std::string& path);

// Removes the key's line; true if the key is gone afterwards.
bool DeleteKey(const std::string& section, const std::string& key, const std::string& path);

// Removes the section header and every line up to the next section; true if it is gone.
bool DeleteSection(const std::string& section, const std::string& path);

} // namespace PrivateProfile
