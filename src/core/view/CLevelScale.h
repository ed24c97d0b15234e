#pragma once
// Level axis of both diagram kinds: M units per dB between the frequency axis y0 and the
// axis top yTop for the range minDB..maxDB.

class CLevelScale {
public:
    static constexpr long long kMaxLabels = 1000;

    // First of the labels every 10 dB from minDB below limit. A range of more than 1000
    // labels (a hand-edited settings file) keeps the top 1000 so drawing cannot stall; the
    // value that ends the labels stays the same.
    static long long FirstLabel(long long minDB, long long limit) {
        const long long count = limit > minDB ? (limit - minDB + 9) / 10 : 0;
        return count > kMaxLabels ? minDB + 10 * (count - kMaxLabels) : minDB;
    }

    CLevelScale(int yTop, int y0, int minDB, int maxDB);

    int AudiogramY(long long dB) const;
    int AudiogramYmB(int mB) const;
    // Tinnitus diagram: 0 dB on the frequency axis, upwards.
    int TinnitusY(int dB) const;
    // Tinnitus level labels count downwards from the axis top: label of v (v < 0) and the
    // place of "dB" for the v that ended the labels.
    int TinnitusLabelY(long long v) const;
    int TinnitusUnitY(long long v) const;

    // Level in mB for a point of a hit rectangle (top = y0, bottom = yTop); whole dB only.
    static int LevelAt(int y, int y0, int yTop, int minDB, int maxDB);

private:
    int m_nYTop;
    int m_nY0;
    double m_dM;
    int m_nBase;
};
