#include "core/trend/CTrend.h"

#include "core/app/StringTable.h"
#include "core/app/TextFormat.h"

#include <algorithm>
#include <climits>
#include <cmath>
#include <cstdio>
#include <map>
#include <set>

CTrend::CTrend(std::vector<CTrendMeasurement> picked) : m_measurements(std::move(picked)) {
    // Undated measurements cannot be placed in time: they go last, in the order picked.
    std::stable_sort(m_measurements.begin(), m_measurements.end(),
                     [](const CTrendMeasurement& a, const CTrendMeasurement& b) {
                         return DateKey(a.date).value_or(INT_MAX) <
                                DateKey(b.date).value_or(INT_MAX);
                     });
    std::set<int> frequencies;
    bool first = true;
    for (int side = 0; side <= 1; ++side)
        m_measured[side].assign(m_measurements.size(), false);
    for (size_t i = 0; i < m_measurements.size(); ++i) {
        for (const CTrendMeasurement::Point& p : m_measurements[i].points) {
            frequencies.insert(p.frequency);
            for (int side = 0; side <= 1; ++side)
                if (p.value[side] != 0)
                    m_measured[side][i] = true;
        }
        for (int side = 0; side <= 1; ++side) {
            if (!m_measured[side][i])
                continue;
            if (!m_reference[side])
                m_reference[side] = static_cast<int>(i);
            for (const CTrendMeasurement::Point& p : m_measurements[i].points) {
                m_nMin = first ? p.value[side] : std::min(m_nMin, p.value[side]);
                m_nMax = first ? p.value[side] : std::max(m_nMax, p.value[side]);
                first = false;
            }
        }
    }
    m_frequencies.assign(frequencies.begin(), frequencies.end());
    for (int side = 0; side <= 1; ++side) {
        m_entries[side].resize(m_measurements.size());
        for (int i = 0; i < Count(); ++i)
            Compare(i, side);
    }
}

const std::vector<CTrend::Entry>& CTrend::Entries(int index, int side) const {
    return m_entries[side == 0 ? 0 : 1].at(static_cast<size_t>(index));
}

bool CTrend::Measured(int index, int side) const {
    return m_measured[side == 0 ? 0 : 1].at(static_cast<size_t>(index));
}

void CTrend::Compare(int index, int side) {
    std::vector<Entry>& entries = m_entries[side][static_cast<size_t>(index)];
    const std::optional<int> from = m_reference[side];
    // An ear not tested is no hearing of 0 dB: comparing it would mark false changes.
    const bool compare = from && m_measured[side][static_cast<size_t>(index)];
    const std::vector<CTrendMeasurement::Point>& reference =
        m_measurements[static_cast<size_t>(from.value_or(index))].points;
    std::vector<int> changes;
    std::vector<size_t> compared;
    for (const CTrendMeasurement::Point& p : m_measurements[static_cast<size_t>(index)].points) {
        Entry e;
        e.frequency = p.frequency;
        e.value = p.value[side];
        const auto ref = std::find_if(reference.begin(), reference.end(),
                                      [&p](const auto& r) { return r.frequency == p.frequency; });
        if (compare && ref != reference.end()) {
            const long long change = static_cast<long long>(e.value) - ref->value[side];
            e.change = static_cast<int>(std::clamp<long long>(change, INT_MIN, INT_MAX));
            changes.push_back(*e.change);
            compared.push_back(entries.size());
        }
        entries.push_back(e);
    }
    const std::vector<bool> significant = Significant(changes);
    for (size_t k = 0; k < compared.size(); ++k)
        entries[compared[k]].significant = significant[k];
}

std::vector<bool> CTrend::Significant(const std::vector<int>& changes) {
    auto worse = [&changes](size_t k, int by) { return changes[k] <= -by; };
    std::vector<bool> result(changes.size());
    for (size_t k = 0; k < changes.size(); ++k) {
        const bool neighbour = (k > 0 && worse(k - 1, kNeighbourWorse)) ||
                               (k + 1 < changes.size() && worse(k + 1, kNeighbourWorse));
        result[k] = worse(k, kSingleWorse) || (worse(k, kNeighbourWorse) && neighbour);
    }
    return result;
}

std::optional<int> CTrend::DateKey(const std::string& date) {
    if (date.size() != 10 || date[2] != '.' || date[5] != '.')
        return std::nullopt;
    for (size_t i : {0, 1, 3, 4, 6, 7, 8, 9})
        if (date[i] < '0' || date[i] > '9')
            return std::nullopt;
    auto number = [&date](size_t at, size_t length) { return std::stoi(date.substr(at, length)); };
    const int day = number(0, 2);
    const int month = number(3, 2);
    if (day < 1 || day > 31 || month < 1 || month > 12)
        return std::nullopt;
    return number(6, 4) * 10000 + month * 100 + day;
}

std::string CTrend::DecibelText(int mB) {
    const long long tenths = std::llround(static_cast<double>(mB) / 10.0);
    const long long magnitude = tenths < 0 ? -tenths : tenths;
    std::string text = (tenths < 0 ? "-" : "") + std::to_string(magnitude / 10);
    if (magnitude % 10 != 0)
        text += "," + std::to_string(magnitude % 10);
    return text;
}

std::string CTrend::FrequencyText(int frequency) {
    if (frequency < 1000)
        return std::to_string(frequency) + " Hz";
    std::string text = std::to_string(frequency / 1000);
    if (const int rest = frequency % 1000; rest != 0) {
        char digits[8];
        std::snprintf(digits, sizeof digits, "%03d", rest);
        std::string decimals = digits;
        decimals.erase(decimals.find_last_not_of('0') + 1);
        text += "," + decimals;
    }
    return text + " kHz";
}

std::string CTrend::When(int index) const {
    const CTrendMeasurement& m = Measurement(index);
    return DateKey(m.date) ? m.date : m.name;
}

namespace {

// "a", "a und b", "a, b und c".
std::string Join(const std::vector<std::string>& parts) {
    std::string list = parts.front();
    for (size_t k = 1; k < parts.size(); ++k)
        list +=
            (k + 1 == parts.size() ? StringTable::Load(StringTable::kTrendAnd) : ", ") + parts[k];
    return list;
}

} // namespace

std::string CTrend::Summary(int side) const {
    const std::string ear = StringTable::Load(side == 0 ? StringTable::kLeft : StringTable::kRight);
    if (m_measurements.empty())
        return ear;
    const std::optional<int> reference = Reference(side);
    if (!reference)
        return FillText(StringTable::Load(StringTable::kTrendEarNotMeasured), {ear});
    int latest = Count() - 1;
    while (!Measured(latest, side))
        --latest;
    const std::string since = When(*reference);
    std::vector<std::string> parts;
    std::set<int> marked;
    for (const Entry& e : Entries(latest, side)) {
        if (!e.significant)
            continue;
        parts.push_back(FillText(StringTable::Load(StringTable::kTrendPoint),
                                 {DecibelText(*e.change), FrequencyText(e.frequency)}));
        marked.insert(e.frequency);
    }
    std::string text =
        parts.empty()
            ? FillText(StringTable::Load(StringTable::kTrendNoChange), {ear, since})
            : FillText(StringTable::Load(StringTable::kTrendChanges), {ear, Join(parts), since});

    // Marks between the reference and the latest that the latest no longer has: the worst
    // of each frequency, the earliest of equal ones.
    struct Passing {
        int change;
        int index;
    };
    std::map<int, Passing> passing;
    for (int i = *reference + 1; i < latest; ++i) {
        for (const Entry& e : Entries(i, side)) {
            if (!e.significant || marked.count(e.frequency) != 0)
                continue;
            const auto [it, added] = passing.try_emplace(e.frequency, Passing{*e.change, i});
            if (!added && *e.change < it->second.change)
                it->second = {*e.change, i};
        }
    }
    if (passing.empty())
        return text;
    std::vector<std::string> earlier;
    for (const auto& [frequency, p] : passing)
        earlier.push_back(
            FillText(StringTable::Load(StringTable::kTrendPassingPoint),
                     {DecibelText(p.change), FrequencyText(frequency), When(p.index)}));
    return FillText(StringTable::Load(StringTable::kTrendPassing), {text, Join(earlier)});
}
