#include "core/trend/CTrendCsv.h"

#include "core/app/StringTable.h"
#include "core/export/CCsvExport.h"
#include "core/trend/CTrend.h"

namespace {
// As the measurement's own CSV export.
const char* const kEol = "\r\n";
} // namespace

std::string CTrendCsv::Format(const CTrend& trend) {
    const std::string yes = StringTable::Load(StringTable::kTrendYes);
    const std::string no = StringTable::Load(StringTable::kTrendNo);
    std::string csv = StringTable::Load(StringTable::kTrendCsvHeader) + kEol;
    for (int i = 0; i < trend.Count(); ++i) {
        const CTrendMeasurement& m = trend.Measurement(i);
        const std::string prefix =
            CCsvExport::Field(m.date) + "," + CCsvExport::Field(m.name) + ",";
        for (int side = 0; side <= 1; ++side) {
            const std::string ear =
                StringTable::Load(side == 0 ? StringTable::kLeft : StringTable::kRight);
            for (const CTrend::Entry& e : trend.Entries(i, side)) {
                csv += prefix + ear + "," + std::to_string(e.frequency) + "," +
                       CCsvExport::Decibel(e.value) + "," +
                       (e.change ? CCsvExport::Decibel(*e.change) : std::string()) + "," +
                       (e.significant ? yes : no) + kEol;
            }
        }
    }
    return csv;
}
