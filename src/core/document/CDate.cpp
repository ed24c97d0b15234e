#include "core/document/CDate.h"

#include <cstdio>
#include <cstring>

CDate::CDate(std::time_t time) {
    Set(time);
}

void CDate::Set(std::time_t time) {
    m_time = time;
    m_tm = std::tm{};
    if (time == 0) {
        std::snprintf(m_szText, sizeof m_szText, "--.--.----");
        return;
    }
    std::tm local{};
    // Negative times and years past 9999 count as failed conversions: the text never grows
    // beyond ten characters and dates before 1970 are no measurement dates.
    if (time < 0 || localtime_r(&time, &local) == nullptr || local.tm_year + 1900 > 9999) {
        m_time = 0;
        m_szText[0] = '\0';
        return;
    }
    m_tm = local;
    std::snprintf(m_szText, sizeof m_szText, "%02u.%02u.%04u", static_cast<unsigned>(local.tm_mday),
                  static_cast<unsigned>(local.tm_mon + 1),
                  static_cast<unsigned>(local.tm_year + 1900));
}

std::string CDate::GetText(std::time_t time) {
    if (time != 0)
        Set(time);
    return m_szText;
}

std::unique_ptr<CDate> CDate::CreateObject() {
    return std::make_unique<CDate>(0);
}
