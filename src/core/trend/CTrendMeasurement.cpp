#include "core/trend/CTrendMeasurement.h"

#include "core/hearing/CHoertestDaten.h"

#include <algorithm>

CTrendMeasurement CTrendMeasurement::FromData(const CHoertestDaten& data, std::string date,
                                              std::string name) {
    CTrendMeasurement m;
    m.date = std::move(date);
    m.name = std::move(name);
    for (int i = 0; i < data.GetCount(); ++i) {
        const int frequency = data.GetFrequency(i);
        const bool seen =
            std::any_of(m.points.begin(), m.points.end(),
                        [frequency](const Point& p) { return p.frequency == frequency; });
        if (frequency <= 0 || seen)
            continue;
        m.points.push_back({frequency, {data.GetValue(i, 0), data.GetValue(i, 1)}});
    }
    std::stable_sort(m.points.begin(), m.points.end(),
                     [](const Point& a, const Point& b) { return a.frequency < b.frequency; });
    return m;
}
