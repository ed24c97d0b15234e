#pragma once
// The lines of one INI file, kept exactly as read so that an edit rewrites only what changed.

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

class IniDocument {
public:
    struct Line {
        std::string text; // without the line end
        std::string eol;  // "\r\n", "\n" or "" for a last line without line end
    };

    // Empty document if the file is missing or unreadable.
    static IniDocument Load(const std::string& path);
    // Writes a temporary file beside path and renames it over path.
    bool Save(const std::string& path) const;

    // Index of the first header line of the section; nullopt if missing.
    std::optional<std::size_t> FindSection(const std::string& section) const;
    // One past the last line of the section that starts at header.
    std::size_t SectionEnd(std::size_t header) const;
    // Index of the first line of the key inside the section starting at header.
    std::optional<std::size_t> FindKey(std::size_t header, const std::string& key) const;
    // The value of a key line, blanks around it removed.
    std::string ValueOf(std::size_t line) const;

    void SetValue(std::size_t line, const std::string& value);
    void InsertKey(std::size_t header, const std::string& key, const std::string& value);
    void AppendSection(const std::string& section, const std::string& key,
                       const std::string& value);
    void Erase(std::size_t first, std::size_t last);

private:
    // The line end of the file (its first one), "\n" for a file without any.
    std::string LineEnd() const;
    void TerminateLastLine();

    std::vector<Line> m_lines;
    bool m_bom = false;
};
