#include "platform/ini/IniDocument.h"
#include "platform/file/FileWrite.h"

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <sys/stat.h>
#include <unistd.h>

namespace {

const std::string kBom = "\xEF\xBB\xBF";

std::string Trim(const std::string& s) {
    const char* blanks = " \t";
    const auto first = s.find_first_not_of(blanks);
    if (first == std::string::npos) {
        return {};
    }
    const auto last = s.find_last_not_of(blanks);
    return s.substr(first, last - first + 1);
}

bool EqualNoCase(const std::string& a, const std::string& b) {
    if (a.size() != b.size()) {
        return false;
    }
    for (std::size_t i = 0; i < a.size(); ++i) {
        auto lower = [](unsigned char c) { return (c >= 'A' && c <= 'Z') ? c + 32 : c; };
        if (lower(static_cast<unsigned char>(a[i])) != lower(static_cast<unsigned char>(b[i]))) {
            return false;
        }
    }
    return true;
}

// The name inside "[...]", or nullopt if the line is no section header.
std::optional<std::string> HeaderName(const std::string& text) {
    const std::string t = Trim(text);
    if (t.empty() || t[0] != '[') {
        return std::nullopt;
    }
    const auto close = t.find(']');
    return Trim(t.substr(1, close == std::string::npos ? std::string::npos : close - 1));
}

// The key of a "key=value" line, or nullopt for comments, blank lines and headers.
std::optional<std::string> KeyName(const std::string& text) {
    const std::string t = Trim(text);
    if (t.empty() || t[0] == ';' || t[0] == '[') {
        return std::nullopt;
    }
    const auto eq = t.find('=');
    if (eq == std::string::npos) {
        return std::nullopt;
    }
    return Trim(t.substr(0, eq));
}

// Writes through a symbolic link to its target instead of replacing the link.
std::string ResolvedTarget(const std::string& path) {
    struct stat st {};
    if (::lstat(path.c_str(), &st) == 0 && S_ISLNK(st.st_mode)) {
        char resolved[PATH_MAX];
        if (::realpath(path.c_str(), resolved) != nullptr) {
            return resolved;
        }
    }
    return path;
}

} // namespace

IniDocument IniDocument::Load(const std::string& path) {
    IniDocument doc;
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        return doc;
    }
    const std::string data((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    // Editors may put a byte-order mark before the first section; keep it, but not in the way.
    std::size_t pos = 0;
    if (data.rfind(kBom, 0) == 0) {
        doc.m_bom = true;
        pos = kBom.size();
    }
    while (pos < data.size()) {
        const auto nl = data.find('\n', pos);
        Line line;
        if (nl == std::string::npos) {
            line.text = data.substr(pos);
            pos = data.size();
        } else {
            const bool crlf = nl > pos && data[nl - 1] == '\r';
            line.text = data.substr(pos, nl - pos - (crlf ? 1 : 0));
            line.eol = crlf ? "\r\n" : "\n";
            pos = nl + 1;
        }
        doc.m_lines.push_back(std::move(line));
    }
    return doc;
}

bool IniDocument::Save(const std::string& path) const {
    const std::string target = ResolvedTarget(path);
    const std::filesystem::path parent = std::filesystem::path(target).parent_path();
    std::error_code ec;
    if (!parent.empty() && !std::filesystem::exists(parent, ec)) {
        std::filesystem::create_directories(parent, ec);
        if (ec) {
            return false;
        }
    }

    std::string data = m_bom ? kBom : std::string();
    for (const Line& line : m_lines) {
        data += line.text;
        data += line.eol;
    }

    std::string tmpName = target + ".XXXXXX";
    const int fd = ::mkstemp(tmpName.data());
    if (fd < 0) {
        return false;
    }
    // Keep the permissions of the file being replaced.
    struct stat st {};
    const mode_t mode = ::stat(target.c_str(), &st) == 0 ? (st.st_mode & 07777) : 0644;
    bool ok = ::fchmod(fd, mode) == 0 && WriteAll(fd, data.data(), data.size()) && ::fsync(fd) == 0;
    ok = (::close(fd) == 0) && ok;
    if (ok && ::rename(tmpName.c_str(), target.c_str()) == 0) {
        return true;
    }
    ::unlink(tmpName.c_str());
    return false;
}

std::optional<std::size_t> IniDocument::FindSection(const std::string& section) const {
    for (std::size_t i = 0; i < m_lines.size(); ++i) {
        const auto name = HeaderName(m_lines[i].text);
        if (name && EqualNoCase(*name, section)) {
            return i;
        }
    }
    return std::nullopt;
}

std::size_t IniDocument::SectionEnd(std::size_t header) const {
    std::size_t i = header + 1;
    while (i < m_lines.size() && !HeaderName(m_lines[i].text)) {
        ++i;
    }
    return i;
}

std::optional<std::size_t> IniDocument::FindKey(std::size_t header, const std::string& key) const {
    const std::size_t end = SectionEnd(header);
    for (std::size_t i = header + 1; i < end; ++i) {
        const auto name = KeyName(m_lines[i].text);
        if (name && EqualNoCase(*name, key)) {
            return i;
        }
    }
    return std::nullopt;
}

std::string IniDocument::ValueOf(std::size_t line) const {
    const std::string& text = m_lines[line].text;
    return Trim(text.substr(text.find('=') + 1));
}

void IniDocument::SetValue(std::size_t line, const std::string& value) {
    std::string& text = m_lines[line].text;
    // Keep the key exactly as the file spells it.
    text = Trim(text.substr(0, text.find('='))) + "=" + value;
}

void IniDocument::InsertKey(std::size_t header, const std::string& key, const std::string& value) {
    // After the last non-blank line of the section, so blank lines before the next one stay.
    std::size_t at = SectionEnd(header);
    while (at > header + 1 && Trim(m_lines[at - 1].text).empty()) {
        --at;
    }
    if (m_lines[at - 1].eol.empty()) {
        m_lines[at - 1].eol = LineEnd();
    }
    m_lines.insert(m_lines.begin() + static_cast<std::ptrdiff_t>(at),
                   Line{key + "=" + value, LineEnd()});
}

void IniDocument::AppendSection(const std::string& section, const std::string& key,
                                const std::string& value) {
    TerminateLastLine();
    const std::string eol = LineEnd();
    m_lines.push_back(Line{"[" + section + "]", eol});
    m_lines.push_back(Line{key + "=" + value, eol});
}

void IniDocument::Erase(std::size_t first, std::size_t last) {
    m_lines.erase(m_lines.begin() + static_cast<std::ptrdiff_t>(first),
                  m_lines.begin() + static_cast<std::ptrdiff_t>(last));
}

std::string IniDocument::LineEnd() const {
    for (const Line& line : m_lines) {
        if (!line.eol.empty()) {
            return line.eol;
        }
    }
    return "\n";
}

void IniDocument::TerminateLastLine() {
    if (!m_lines.empty() && m_lines.back().eol.empty()) {
        m_lines.back().eol = LineEnd();
    }
}
