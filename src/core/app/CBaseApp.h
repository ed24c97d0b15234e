#pragma once
// Services every part of the program reaches through the one application object:
// protocol log, settings store, message boxes, program folder.

#include "core/app/StringTable.h"

#include <cstdarg>
#include <cstddef>
#include <cstdint>
#include <string>

class IMessageBoxService;

struct ReleaseStamp {
    std::uint16_t major;
    std::uint16_t minor;
};

class CBaseApp {
public:
    explicit CBaseApp(const ReleaseStamp& stamp);
    virtual ~CBaseApp();
    CBaseApp(const CBaseApp&) = delete;
    CBaseApp& operator=(const CBaseApp&) = delete;

    // The one application object of the process (null before one exists).
    static CBaseApp* Instance();

    // Protocol line "dd.mm.yy hh:mm text\r\n", written only if level <= m_nDebugLevel.
    void WriteProtocol(const std::string& text, int level = 0);
    // A printf-style protocol line, composed only when the debug level reaches level.
    void Trace(int level, const char* format, ...) __attribute__((format(printf, 3, 4)));
    void TraceV(int level, const char* format, va_list args) __attribute__((format(printf, 3, 0)));

    bool ReadIniString(const char* key, std::string& value, std::size_t size);
    // True with the key's whole number; false with 0 when it is missing, empty or no whole
    // number (that one with a protocol line), so the caller's default applies.
    bool ReadIniInt(const char* key, int& value);
    bool WriteIniString(const char* key, const std::string& text);
    bool WriteIniInt(const char* key, int value, bool asUnsigned = false);

    void ErrorBox(const std::string& text, unsigned captionId = StringTable::kAppTitle);
    void ErrorBoxId(unsigned textId, unsigned captionId = StringTable::kAppTitle);
    void InfoBox(const std::string& text, unsigned captionId = StringTable::kAppTitle);
    void InfoBoxId(unsigned textId, unsigned captionId = StringTable::kAppTitle);
    // A box with OK (and "Abbrechen") that must be answered, information icon or none, not
    // logged; true for OK, false when nobody can answer.
    bool Confirm(const std::string& text, bool information, bool withCancel);
    // Question with "Ja" and "Nein", not logged; false when nobody can answer.
    bool AskYesNo(const std::string& text, unsigned captionId = StringTable::kAppTitle);

    // Text for a file-error cause 1..14; false (and empty) for others or if it does not fit.
    static bool FileErrorText(int cause, std::string& text, std::size_t size);

    void SetMessageBoxService(IMessageBoxService* service) { m_pMessageBoxes = service; }
    IMessageBoxService* GetMessageBoxService() const { return m_pMessageBoxes; }

    void SetSectionName(const std::string& name) { m_strSection = name; }
    const std::string& GetSectionName() const { return m_strSection; }
    void SetProgramFolder(const std::string& folder);
    const std::string& GetProgramFolder() const { return m_strProgramFolder; }
    const std::string& GetProtocolPath() const { return m_strProtocolPath; }
    // Elsewhere than beside the program, for an installation the user cannot write to.
    void SetProtocolPath(const std::string& path) { m_strProtocolPath = path; }
    // The settings file (the framework's profile name).
    void SetProfileName(const std::string& path) { m_strProfileName = path; }
    const std::string& GetProfileName() const { return m_strProfileName; }
    const ReleaseStamp& GetReleaseStamp() const { return m_stamp; }
    // No settings file existed when the program started: defaults meant for a new user apply.
    void SetFirstStart(bool first) { m_bFirstStart = first; }
    bool IsFirstStart() const { return m_bFirstStart; }

    int m_nDebugLevel = 0;

private:
    // The system-modal stop box of the protocol itself (stderr without a message-box service).
    void ShowSystemModal(const std::string& text);

    std::string m_strSection;
    std::string m_strProgramFolder;
    std::string m_strProtocolPath;
    const ReleaseStamp& m_stamp;
    std::string m_strProfileName;
    IMessageBoxService* m_pMessageBoxes = nullptr;
    bool m_bFirstStart = false;
};
