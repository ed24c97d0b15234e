#include "platform/ini/PrivateProfile.h"

#include "platform/ini/IniDocument.h"

namespace {

// At most max bytes of s, shortened further so no UTF-8 sequence is split.
std::string CutUtf8(const std::string& s, std::size_t max) {
    if (s.size() <= max) {
        return s;
    }
    std::size_t end = max;
    while (end > 0 && (static_cast<unsigned char>(s[end]) & 0xC0) == 0x80) {
        --end;
    }
    return s.substr(0, end);
}

bool HasLineBreak(const std::string& s) {
    return s.find_first_of("\r\n") != std::string::npos;
}

bool Storable(const std::string& section, const std::string& key) {
    if (section.empty() || HasLineBreak(section) || section.find(']') != std::string::npos) {
        return false;
    }
    if (key.empty() || HasLineBreak(key) || key.find('=') != std::string::npos) {
        return false;
    }
    const auto first = key.find_first_not_of(" \t");
    return first != std::string::npos && key[first] != ';' && key[first] != '[';
}

} // namespace

namespace PrivateProfile {

std::string ReadString(const std::string& section, const std::string& key,
                       const std::string& defaultValue, std::size_t size, const std::string& path) {
    if (size == 0) {
        return {};
    }
    const IniDocument doc = IniDocument::Load(path);
    std::string value = defaultValue;
    if (const auto header = doc.FindSection(section)) {
        if (const auto line = doc.FindKey(*header, key)) {
            value = doc.ValueOf(*line);
        }
    }
    return CutUtf8(value, size - 1);
}

bool WriteString(const std::string& section, const std::string& key, const std::string& value,
                 const std::string& path) {
    // A line break would split the value into lines the next read cannot see.
    if (path.empty() || !Storable(section, key) || HasLineBreak(value)) {
        return false;
    }
    IniDocument doc = IniDocument::Load(path);
    if (const auto header = doc.FindSection(section)) {
        if (const auto line = doc.FindKey(*header, key)) {
            doc.SetValue(*line, value);
        } else {
            doc.InsertKey(*header, key, value);
        }
    } else {
        doc.AppendSection(section, key, value);
    }
    return doc.Save(path);
}

bool DeleteKey(const std::string& section, const std::string& key, const std::string& path) {
    IniDocument doc = IniDocument::Load(path);
    const auto header = doc.FindSection(section);
    if (!header) {
        return true;
    }
    const auto line = doc.FindKey(*header, key);
    if (!line) {
        return true;
    }
    doc.Erase(*line, *line + 1);
    return doc.Save(path);
}

bool DeleteSection(const std::string& section, const std::string& path) {
    IniDocument doc = IniDocument::Load(path);
    const auto header = doc.FindSection(section);
    if (!header) {
        return true;
    }
    doc.Erase(*header, doc.SectionEnd(*header));
    return doc.Save(path);
}

} // namespace PrivateProfile
