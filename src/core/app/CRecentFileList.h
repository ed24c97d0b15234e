#pragma once
// The recently used documents: 4 entries, most recent first, kept in section "MRU".

#include <string>
#include <vector>

class CRecentFileList {
public:
    static constexpr int kSize = 4;
    static constexpr int kDisplayLength = 30;

    void Add(const std::string& path);
    void Remove(int index);
    const std::vector<std::string>& Entries() const { return m_entries; }
    // The entry's name for the menu, shortened to at most kDisplayLength characters.
    std::string DisplayName(int index) const;

    // Reads "Datei1".."Datei4" of section "MRU" from the settings file.
    void ReadList(const std::string& iniPath);
    // Deletes section "MRU", then writes the entries that are not empty.
    void WriteList(const std::string& iniPath) const;

private:
    std::vector<std::string> m_entries;
};
