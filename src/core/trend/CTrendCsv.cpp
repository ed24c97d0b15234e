#include "core/trend/CTrendCsv.h"

#include "core/app/StringTable.h"
#include "core/export/CCsvExport.h"
#include "core/trend/CTrend.h"

#include <cstdio>

namespace {

// As the measurement's own CSV export.
const char* const kEol = "\r\n";

// Values are whole mB: two decimals show them exactly, so -19.99 dB is never read as the
// -20 dB that would be significant.
std::string Decibel(int mB) {
    const long long magnitude = mB < 0 ? -static_cast<long long>(mB) : mB;
    char text[32];
    std::snprintf(text, sizeof text, "%s%lld.%02lld", mB < 0 ? "-" : "", magnitude / 100,
                  magnitude % 100);
    return text;
}

} // namespace

std::string CTrendCsv::Format(const CTrend& trend) {
    const std::string yes = StringTable::Load(StringTable::kTrendYes);
    const std::string no = StringTable::Load(StringTable::kTrendNo);
    const std::string notMeasured = StringTable::Load(StringTable::kTrendNotMeasured);
    std::string csv = StringTable::Load(StringTable::kTrendCsvHeader) + kEol;
    for (int i = 0; i < trend.Count(); ++i) {
        const CTrendMeasurement& m = trend.Measurement(i);
        const std::string prefix =
            CCsvExport::Field(m.date) + "," + CCsvExport::Field(m.name) + ",";
        for (int side = 0; side <= 1; ++side) {
            const std::string ear =
                StringTable::Load(side == 0 ? StringTable::kLeft : StringTable::kRight);
            const bool measured = trend.Measured(i, side);
            for (const CTrend::Entry& e : trend.Entries(i, side)) {
                csv += prefix + ear + "," + std::to_string(e.frequency) + "," +
                       (measured ? Decibel(e.value) : notMeasured) + "," +
                       (e.change ? Decibel(*e.change) : std::string()) + "," +
                       (e.significant ? yes : no) + kEol;
            }
        }
    }
    return csv;
}
