#pragma once
// A point in time as the German day.month.year text a measurement is dated with.

#include <ctime>
#include <memory>
#include <string>

class CDate {
public:
    explicit CDate(std::time_t time = 0);

    // Recomputes every member from the time value (0 = no date).
    void Set(std::time_t time);
    // The text; a nonzero time value is taken over first.
    std::string GetText(std::time_t time = 0);

    static std::unique_ptr<CDate> CreateObject();
    static const char* GetRuntimeClassName() { return "CDate"; }

    const std::tm& GetTm() const { return m_tm; }
    std::time_t GetTime() const { return m_time; }

private:
    std::tm m_tm{};
    std::time_t m_time = 0;
    char m_szText[12] = {};
};
