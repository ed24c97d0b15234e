#pragma once
// Writes a measurement file (version 200) byte by byte, so tests of the trend need no
// document or sound device to make their files.

#include <string>
#include <vector>

struct MeasurementFile {
    std::string date = "01.01.2025";
    int count = 8;         // 8 or 32: the document takes the standard frequencies
    std::vector<int> left; // mB per entry; missing entries are 0
    std::vector<int> right;
    int bands = 0; // noise bands on the left ear (tinnitus block 101); none: no sounds at all

    // False when the file could not be written.
    bool Write(const std::string& path) const;
};
