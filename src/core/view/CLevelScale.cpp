#include "core/view/CLevelScale.h"

#include "core/view/Trunc.h"

CLevelScale::CLevelScale(int yTop, int y0, int minDB, int maxDB)
    : m_nYTop(yTop), m_nY0(y0),
      m_dM(static_cast<double>(yTop - y0) / (static_cast<double>(maxDB) - minDB)),
      m_nBase(Trunc(yTop - maxDB * m_dM)) {}

int CLevelScale::AudiogramY(long long dB) const {
    return ClampToInt(static_cast<long long>(m_nBase) + Trunc(static_cast<double>(dB) * m_dM));
}

int CLevelScale::AudiogramYmB(int mB) const {
    return ClampToInt(static_cast<long long>(m_nBase) + Trunc(mB * 0.01 * m_dM));
}

int CLevelScale::TinnitusY(int dB) const {
    return ClampToInt(static_cast<long long>(m_nY0) + Trunc(dB * m_dM));
}

int CLevelScale::LevelAt(int y, int y0, int yTop, int minDB, int maxDB) {
    const double d = static_cast<double>(maxDB) - minDB;
    const double q = static_cast<double>(yTop - y) / (static_cast<double>(y0 - yTop) / d);
    return Trunc((static_cast<double>(maxDB) + Trunc(q) - minDB) * 100.0);
}

int CLevelScale::TinnitusLabelY(long long v) const {
    return ClampToInt(static_cast<long long>(m_nY0) - Trunc(static_cast<double>(v) * m_dM));
}

int CLevelScale::TinnitusUnitY(long long v) const {
    return ClampToInt(static_cast<long long>(m_nYTop) - Trunc(static_cast<double>(v) * m_dM));
}
