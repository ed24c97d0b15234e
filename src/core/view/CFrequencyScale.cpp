#include "core/view/CFrequencyScale.h"

#include "core/view/Trunc.h"

#include <cmath>

CFrequencyScale::CFrequencyScale(int x0, int right, int maxKHz, bool logarithmic, int minFrequency)
    : m_nX0(x0), m_nK(maxKHz), m_bLog(logarithmic), m_dScale(0.0), m_nOffset(0) {
    const double width = static_cast<double>(right - x0);
    if (m_bLog) {
        const double fmax = 1000.0 * maxKHz;
        m_dScale = width / (std::log(fmax) - std::log(static_cast<double>(minFrequency)));
        m_nOffset = Trunc(std::log(static_cast<double>(minFrequency)) * m_dScale);
    } else {
        m_dScale = width / maxKHz;
    }
}

int CFrequencyScale::X(double frequency) const {
    if (m_bLog)
        return ClampToInt(static_cast<long long>(Trunc(std::log(frequency) * m_dScale)) -
                          m_nOffset + m_nX0);
    return ClampToInt(static_cast<long long>(m_nX0) + Trunc(frequency * m_dScale * 0.001));
}

int CFrequencyScale::LinearTickX(int k) const {
    return ClampToInt(static_cast<long long>(m_nX0) + Trunc(k * m_dScale));
}

std::vector<CFrequencyScale::Tick> CFrequencyScale::LogTicks() const {
    static const Tick kTicks[] = {{250, "250"}, {500, "500"}, {1000, "1"},  {2000, "2"},
                                  {4000, "4"},  {8000, "8"},  {15000, "15"}};
    std::vector<Tick> out;
    const long long fmax = 1000LL * m_nK;
    for (const Tick& t : kTicks) {
        if (t.frequency > fmax)
            break;
        out.push_back(t);
    }
    return out;
}

double CFrequencyScale::FrequencyAt(int dx, int width, int maxKHz, bool logarithmic,
                                    int minFrequency) {
    if (logarithmic) {
        const double s =
            width / (std::log(maxKHz * 1000.0) - std::log(static_cast<double>(minFrequency)));
        const int m = Trunc(std::log(static_cast<double>(minFrequency)) * s);
        // The base is this ten-digit constant, not the exact e: stored tones were placed with it.
        return std::pow(2.718281828, (dx + m) / s);
    }
    return dx / (static_cast<double>(width) / maxKHz) * 1000.0;
}
