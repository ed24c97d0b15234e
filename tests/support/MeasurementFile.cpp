#include "support/MeasurementFile.h"

#include <cstdint>
#include <cstring>
#include <fstream>

namespace {

void Int(std::string& out, std::int32_t v) {
    for (int i = 0; i < 4; ++i)
        out.push_back(static_cast<char>(static_cast<std::uint32_t>(v) >> (8 * i)));
}

void Double(std::string& out, double v) {
    std::uint64_t bits = 0;
    std::memcpy(&bits, &v, sizeof bits);
    for (int i = 0; i < 8; ++i)
        out.push_back(static_cast<char>(bits >> (8 * i)));
}

void Text(std::string& out, const std::string& text) {
    out.push_back(static_cast<char>(text.size()));
    out += text;
}

// The standard tables of 8 and 32 frequencies.
int Frequency(int count, int i) {
    static const int kEight[] = {250, 500, 1000, 2000, 4000, 6000, 8000, 10000};
    if (count == 8)
        return kEight[i];
    return i == 0 ? 100 : i == 1 ? 250 : 500 * (i - 1);
}

int At(const std::vector<int>& values, int i) {
    return i < static_cast<int>(values.size()) ? values[static_cast<size_t>(i)] : 0;
}

} // namespace

bool MeasurementFile::Write(const std::string& path) const {
    std::string bytes;
    Int(bytes, 200);
    Text(bytes, "AUVO V2.10 ZEB GmbH Varnholm");
    Text(bytes, date);
    Text(bytes, "");
    Int(bytes, 100);
    Int(bytes, count);
    Int(bytes, 0);
    for (int i = 0; i < count; ++i) {
        Int(bytes, Frequency(count, i));
        Int(bytes, At(left, i));
        Int(bytes, At(right, i));
    }
    Int(bytes, bands > 0 ? 101 : 100);
    Int(bytes, bands);
    for (int i = 0; i < bands; ++i) {
        Double(bytes, 1000.0 + i);
        Int(bytes, -3000);
        Int(bytes, 1); // a band
        Double(bytes, 200.0);
    }
    Int(bytes, 0);
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << bytes;
    return static_cast<bool>(out.flush());
}
