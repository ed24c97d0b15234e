#include "core/app/CRecentFileList.h"

#include "platform/ini/PrivateProfile.h"

#include <algorithm>

namespace {

constexpr const char* kSection = "MRU";
constexpr std::size_t kMaxPathRead = 4096;
const std::string kEllipsis = "\xE2\x80\xA6"; // one character: "…"

std::string EntryKey(int number) {
    return "Datei" + std::to_string(number);
}

// Counts and cuts in characters, not bytes, so umlauts in names are neither split nor
// counted twice.
std::size_t CharCount(const std::string& s) {
    return static_cast<std::size_t>(std::count_if(
        s.begin(), s.end(), [](char c) { return (static_cast<unsigned char>(c) & 0xC0) != 0x80; }));
}

// Byte offset of the character with this index (s.size() past the end).
std::size_t ByteOffset(const std::string& s, std::size_t index) {
    std::size_t chars = 0;
    for (std::size_t i = 0; i < s.size(); ++i) {
        if ((static_cast<unsigned char>(s[i]) & 0xC0) != 0x80) {
            if (chars == index) {
                return i;
            }
            ++chars;
        }
    }
    return s.size();
}

} // namespace

void CRecentFileList::Add(const std::string& path) {
    if (path.empty()) {
        return;
    }
    std::erase(m_entries, path);
    m_entries.insert(m_entries.begin(), path);
    if (m_entries.size() > static_cast<std::size_t>(kSize)) {
        m_entries.resize(kSize);
    }
}

void CRecentFileList::Remove(int index) {
    if (index >= 0 && static_cast<std::size_t>(index) < m_entries.size()) {
        m_entries.erase(m_entries.begin() + index);
    }
}

std::string CRecentFileList::DisplayName(int index) const {
    if (index < 0 || static_cast<std::size_t>(index) >= m_entries.size()) {
        return {};
    }
    const std::string& path = m_entries[static_cast<std::size_t>(index)];
    const std::size_t limit = kDisplayLength;
    if (CharCount(path) <= limit) {
        return path;
    }
    const auto slash = path.find_last_of('/');
    const std::string name = slash == std::string::npos ? path : path.substr(slash + 1);
    if (CharCount(name) > limit) {
        // Keep the start and the end (with the extension) of an overlong name.
        const std::size_t tail = 10;
        const std::size_t n = CharCount(name);
        return name.substr(0, ByteOffset(name, limit - tail - 1)) + kEllipsis +
               name.substr(ByteOffset(name, n - tail));
    }
    // As many trailing folders as fit in front of the name, behind an ellipsis.
    std::string shown = name;
    std::size_t end = slash;
    while (end != std::string::npos && end > 0) {
        const auto start = path.find_last_of('/', end - 1);
        const std::size_t from = start == std::string::npos ? 0 : start + 1;
        const std::string candidate = path.substr(from, end - from) + "/" + shown;
        if (CharCount(candidate) + 2 > limit) {
            break;
        }
        shown = candidate;
        end = start;
    }
    if (CharCount(shown) + 2 > limit) {
        return shown;
    }
    return kEllipsis + "/" + shown;
}

void CRecentFileList::ReadList(const std::string& iniPath) {
    m_entries.clear();
    for (int i = 1; i <= kSize; ++i) {
        const std::string path =
            PrivateProfile::ReadString(kSection, EntryKey(i), "", kMaxPathRead, iniPath);
        if (!path.empty() &&
            std::find(m_entries.begin(), m_entries.end(), path) == m_entries.end()) {
            m_entries.push_back(path);
        }
    }
}

void CRecentFileList::WriteList(const std::string& iniPath) const {
    PrivateProfile::DeleteSection(kSection, iniPath);
    int number = 1;
    for (const std::string& path : m_entries) {
        if (!path.empty()) {
            PrivateProfile::WriteString(kSection, EntryKey(number++), path, iniPath);
        }
    }
}
