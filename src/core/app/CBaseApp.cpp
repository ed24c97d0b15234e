#include "core/app/CBaseApp.h"
#include "platform/file/FileWrite.h"

#include "core/app/IMessageBoxService.h"
#include "core/app/StringTable.h"
#include "core/app/TextFormat.h"
#include "platform/archive/CFileException.h"
#include "platform/ini/PrivateProfile.h"
#include "platform/time/LocalClock.h"

#include <algorithm>
#include <cerrno>
#include <climits>
#include <cstdarg>
#include <cstdint>
#include <cstdio>
#include <fcntl.h>
#include <iostream>
#include <optional>
#include <sys/file.h>
#include <unistd.h>

namespace {

CBaseApp* s_instance = nullptr;

constexpr std::size_t kMaxProtocolLine = 511;

// "dd.mm.yy hh:mm text\r\n", the text cut (at a UTF-8 boundary) so the line fits 511 bytes.
std::string ComposeProtocolLine(const std::string& text) {
    const LocalDateTime now = LocalClock::Now();
    char stamp[32];
    std::snprintf(stamp, sizeof stamp, "%02d.%02d.%02d %02d:%02d ", now.day % 100, now.month % 100,
                  now.year % 100, now.hour % 100, now.minute % 100);
    std::string body = text.substr(0, text.find('\0'));
    const std::size_t room = kMaxProtocolLine - std::string(stamp).size() - 2;
    if (body.size() > room) {
        std::size_t end = room;
        while (end > 0 && (static_cast<unsigned char>(body[end]) & 0xC0) == 0x80) {
            --end;
        }
        body.resize(end);
    }
    return stamp + body + "\r\n";
}

bool IsBlank(char c) {
    return c == ' ' || (c >= '\t' && c <= '\r');
}

// A whole decimal number between optional blanks: optional sign, then digits only. Values
// beyond 32 bits are limited, except that what was written unsigned reads back as written.
// Nothing for any other text: "12abc" or "-45.5" read as 12 or -45 would be taken for a setting.
std::optional<int> WholeNumber(const std::string& s) {
    std::size_t i = 0;
    std::size_t end = s.size();
    while (i < end && IsBlank(s[i])) {
        ++i;
    }
    while (end > i && IsBlank(s[end - 1])) {
        --end;
    }
    bool negative = false;
    if (i < end && (s[i] == '-' || s[i] == '+')) {
        negative = s[i] == '-';
        ++i;
    }
    if (i == end) {
        return std::nullopt;
    }
    constexpr std::int64_t kLimit = std::int64_t{1} << 33;
    std::int64_t v = 0;
    for (; i < end; ++i) {
        if (s[i] < '0' || s[i] > '9') {
            return std::nullopt;
        }
        v = std::min(v * 10 + (s[i] - '0'), kLimit);
    }
    if (negative) {
        return v > -std::int64_t{INT_MIN} ? INT_MIN : static_cast<int>(-v);
    }
    if (v > std::int64_t{UINT32_MAX}) {
        return INT_MAX;
    }
    return static_cast<int>(static_cast<std::uint32_t>(v));
}

} // namespace

CBaseApp::CBaseApp(const ReleaseStamp& stamp) : m_stamp(stamp) {
    s_instance = this;
}

CBaseApp::~CBaseApp() {
    if (s_instance == this) {
        s_instance = nullptr;
    }
}

CBaseApp* CBaseApp::Instance() {
    return s_instance;
}

void CBaseApp::SetProgramFolder(const std::string& folder) {
    m_strProgramFolder = folder;
    m_strProtocolPath = folder + "/AUVO.PRT";
}

void CBaseApp::Trace(int level, const char* format, ...) {
    va_list args;
    va_start(args, format);
    TraceV(level, format, args);
    va_end(args);
}

void CBaseApp::TraceV(int level, const char* format, va_list args) {
    if (m_nDebugLevel >= level)
        WriteProtocol(FormatTextV(format, args), level);
}

void CBaseApp::WriteProtocol(const std::string& text, int level) {
    if (m_nDebugLevel < level || m_strProtocolPath.empty()) {
        return;
    }
    // Open without creating, then take the file for ourselves alone: a second instance
    // writing at the same moment gets the message instead of interleaving its bytes.
    int fd = ::open(m_strProtocolPath.c_str(), O_RDWR | O_CLOEXEC);
    if (fd < 0 && errno == ENOENT) {
        fd = ::open(m_strProtocolPath.c_str(), O_RDWR | O_CREAT | O_EXCL | O_CLOEXEC, 0644);
        if (fd < 0) {
            return;
        }
    }
    int cause = 0;
    if (fd < 0) {
        cause = CFileException::OsErrorToCause(errno);
    } else if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
        cause = CFileException::OsErrorToCause(errno);
        ::close(fd);
    }
    if (cause != 0) {
        std::string causeText;
        FileErrorText(cause, causeText, 60);
        ShowSystemModal(m_strProtocolPath + " : " + causeText);
        return;
    }

    const std::string line = ComposeProtocolLine(text);
    bool ok = ::lseek(fd, 0, SEEK_END) >= 0 && WriteAll(fd, line.data(), line.size());
    ok = (::close(fd) == 0) && ok;
    if (!ok) {
        ShowSystemModal("Protokoll Schreibfehler / Close!");
    }
}

void CBaseApp::ShowSystemModal(const std::string& text) {
    if (m_pMessageBoxes != nullptr) {
        m_pMessageBoxes->ShowSystemModal(text);
    } else {
        std::cerr << text << '\n';
    }
}

bool CBaseApp::ReadIniString(const char* key, std::string& value, std::size_t size) {
    value = PrivateProfile::ReadString(m_strSection, key, "", size, m_strProfileName);
    return !value.empty();
}

bool CBaseApp::ReadIniInt(const char* key, int& value) {
    value = 0;
    std::string text;
    if (!ReadIniString(key, text, 32)) {
        return false;
    }
    const std::optional<int> number = WholeNumber(text);
    if (!number) {
        Trace(0, "CBaseApp::ReadIniInt: %s = '%s' ist keine ganze Zahl, die Vorgabe gilt", key,
              text.c_str());
        return false;
    }
    value = *number;
    return true;
}

bool CBaseApp::WriteIniString(const char* key, const std::string& text) {
    return PrivateProfile::WriteString(m_strSection, key, text, m_strProfileName);
}

bool CBaseApp::WriteIniInt(const char* key, int value, bool asUnsigned) {
    char buffer[16];
    if (asUnsigned) {
        std::snprintf(buffer, sizeof buffer, "%u", static_cast<unsigned>(value));
    } else {
        std::snprintf(buffer, sizeof buffer, "%d", value);
    }
    return WriteIniString(key, buffer);
}

void CBaseApp::ErrorBox(const std::string& text, unsigned captionId) {
    const std::string caption = StringTable::Load(captionId);
    WriteProtocol(caption + " : " + text, 0);
    if (m_pMessageBoxes != nullptr) {
        m_pMessageBoxes->Show(text, caption, IMessageBoxService::Icon::Stop);
    } else {
        std::cerr << caption << ": " << text << '\n';
    }
}

void CBaseApp::ErrorBoxId(unsigned textId, unsigned captionId) {
    ErrorBox(StringTable::Load(textId), captionId);
}

void CBaseApp::InfoBox(const std::string& text, unsigned captionId) {
    const std::string caption = StringTable::Load(captionId);
    if (m_pMessageBoxes != nullptr) {
        m_pMessageBoxes->Show(text, caption, IMessageBoxService::Icon::Information);
    } else {
        std::cerr << caption << ": " << text << '\n';
    }
}

bool CBaseApp::Confirm(const std::string& text, bool information, bool withCancel) {
    return m_pMessageBoxes != nullptr &&
           m_pMessageBoxes->Confirm(text, StringTable::Load(StringTable::kAppTitle),
                                    information ? IMessageBoxService::Icon::Information
                                                : IMessageBoxService::Icon::None,
                                    withCancel);
}

bool CBaseApp::AskYesNo(const std::string& text, unsigned captionId) {
    return m_pMessageBoxes != nullptr &&
           m_pMessageBoxes->AskYesNo(text, StringTable::Load(captionId));
}

void CBaseApp::InfoBoxId(unsigned textId, unsigned captionId) {
    InfoBox(StringTable::Load(textId), captionId);
}

bool CBaseApp::FileErrorText(int cause, std::string& text, std::size_t size) {
    text.clear();
    if (cause < 1 || cause > 14) {
        return false;
    }
    const std::string found = StringTable::Load(StringTable::kFileErrorFirst + cause - 1);
    if (found.size() >= size) {
        return false;
    }
    text = found;
    return true;
}
