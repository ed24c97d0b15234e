#include "platform/time/LocalClock.h"

std::optional<LocalDateTime> LocalClock::s_fixed;

LocalDateTime LocalClock::Now() {
    if (s_fixed) {
        return *s_fixed;
    }
    LocalDateTime now;
    if (!ToLocal(std::time(nullptr), now)) {
        return LocalDateTime{};
    }
    return now;
}

std::time_t LocalClock::CurrentTime() {
    if (!s_fixed) {
        return std::time(nullptr);
    }
    std::tm tm{};
    tm.tm_year = s_fixed->year - 1900;
    tm.tm_mon = s_fixed->month - 1;
    tm.tm_mday = s_fixed->day;
    tm.tm_hour = s_fixed->hour;
    tm.tm_min = s_fixed->minute;
    tm.tm_sec = s_fixed->second;
    tm.tm_isdst = -1;
    return std::mktime(&tm);
}

bool LocalClock::ToLocal(std::time_t t, LocalDateTime& out) {
    std::tm tm{};
    if (localtime_r(&t, &tm) == nullptr) {
        return false;
    }
    out.year = tm.tm_year + 1900;
    out.month = tm.tm_mon + 1;
    out.day = tm.tm_mday;
    out.hour = tm.tm_hour;
    out.minute = tm.tm_min;
    out.second = tm.tm_sec;
    return true;
}

void LocalClock::SetFixed(const LocalDateTime& fixed) {
    s_fixed = fixed;
}

void LocalClock::ClearFixed() {
    s_fixed.reset();
}
