#pragma once
// Local wall-clock time for protocol stamps and document dates. Tests fix the clock so that
// time-dependent output is exact.

#include <ctime>
#include <optional>

struct LocalDateTime {
    int year = 1970; // four digits
    int month = 1;   // 1..12
    int day = 1;     // 1..31
    int hour = 0;    // 0..23
    int minute = 0;
    int second = 0;
};

class LocalClock {
public:
    // The local time now, or the fixed time while one is set.
    static LocalDateTime Now();
    // Seconds since the epoch now; with a fixed time, that time read as local time.
    static std::time_t CurrentTime();
    // Converts a time value to local time; false if the platform cannot convert it.
    static bool ToLocal(std::time_t t, LocalDateTime& out);

    static void SetFixed(const LocalDateTime& fixed);
    static void ClearFixed();

private:
    static std::optional<LocalDateTime> s_fixed;
};

// Fixes the clock for the lifetime of the object (tests).
class FixedLocalClock {
public:
    explicit FixedLocalClock(const LocalDateTime& fixed) { LocalClock::SetFixed(fixed); }
    ~FixedLocalClock() { LocalClock::ClearFixed(); }
    FixedLocalClock(const FixedLocalClock&) = delete;
    FixedLocalClock& operator=(const FixedLocalClock&) = delete;
};
