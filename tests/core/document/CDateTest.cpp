#include "core/document/CDate.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <ctime>
#include <limits>
#include <string>

namespace {

// POSIX rules, so the tests need no time-zone database.
class ScopedTimeZone {
public:
    explicit ScopedTimeZone(const char* tz) {
        if (const char* old = std::getenv("TZ")) {
            m_old = old;
            m_hadOld = true;
        }
        setenv("TZ", tz, 1);
        tzset();
    }
    ~ScopedTimeZone() {
        if (m_hadOld)
            setenv("TZ", m_old.c_str(), 1);
        else
            unsetenv("TZ");
        tzset();
    }

private:
    std::string m_old;
    bool m_hadOld = false;
};

// 6 December 2026 00:00:00 UTC.
constexpr std::time_t kDec6Utc = 1796515200;

} // namespace

TEST(CDate, ZeroMeansNoDate) {
    CDate date;
    EXPECT_EQ(date.GetText(), "--.--.----");
    EXPECT_EQ(date.GetTime(), 0);
    EXPECT_EQ(date.GetTm().tm_year, 0);
    EXPECT_EQ(date.GetTm().tm_mday, 0);
    EXPECT_EQ(CDate::CreateObject()->GetText(), "--.--.----");
    EXPECT_STREQ(CDate::GetRuntimeClassName(), "CDate");
}

TEST(CDate, TextFollowsLocalDayNotUtc) {
    ScopedTimeZone tz("CET-1CEST,M3.5.0,M10.5.0/3");
    // Local midnight of 6 Dec is 23:00 UTC on 5 Dec; local 23:59:59 is 22:59:59 UTC on 6 Dec.
    const std::time_t firstSecond = kDec6Utc - 3600;
    const std::time_t lastSecond = kDec6Utc + 86400 - 3600 - 1;
    EXPECT_EQ(CDate(firstSecond).GetText(), "06.12.2026");
    EXPECT_EQ(CDate(lastSecond).GetText(), "06.12.2026");
    EXPECT_EQ(CDate(firstSecond - 1).GetText(), "05.12.2026");
    EXPECT_EQ(CDate(lastSecond + 1).GetText(), "07.12.2026");

    CDate date(firstSecond);
    EXPECT_EQ(date.GetTm().tm_mon, 11);
    EXPECT_EQ(date.GetTm().tm_year, 126);
    EXPECT_EQ(date.GetTime(), firstSecond);
}

TEST(CDate, SmallFieldsArePaddedAndYearHasFourDigits) {
    ScopedTimeZone tz("UTC0");
    EXPECT_EQ(CDate(86400 * 31 + 3600).GetText(), "01.02.1970");
}

TEST(CDate, FailedConversionLeavesEmptyTextAndNoTime) {
    for (std::time_t bad : {std::time_t{-1}, std::numeric_limits<std::time_t>::max()}) {
        CDate date(kDec6Utc);
        date.Set(bad);
        EXPECT_EQ(date.GetText(), "");
        EXPECT_EQ(date.GetTime(), 0);
        EXPECT_EQ(date.GetTm().tm_mday, 0);
    }
}

TEST(CDate, GetTextRecomputesOnlyForNonzeroTime) {
    ScopedTimeZone tz("UTC0");
    CDate date(kDec6Utc);
    EXPECT_EQ(date.GetText(0), "06.12.2026");
    EXPECT_EQ(date.GetText(kDec6Utc + 86400), "07.12.2026");
    EXPECT_EQ(date.GetTime(), kDec6Utc + 86400);
}
