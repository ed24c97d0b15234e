#pragma once
// One measurement as the trend sees it: its stored date text, the file it came from and the
// hearing-test values of both ears by frequency. Copies only, so the documents can go.

#include <string>
#include <vector>

class CHoertestDaten;

struct CTrendMeasurement {
    struct Point {
        int frequency = 0; // Hz
        int value[2] = {}; // mB, left and right
    };

    std::string date; // "dd.mm.yyyy" as stored
    std::string name; // file name, for the CSV and the messages
    std::vector<Point> points;

    // The table's entries in table order; entries without a positive frequency or with a
    // frequency that already came are left out, as they cannot be compared.
    static CTrendMeasurement FromData(const CHoertestDaten& data, std::string date,
                                      std::string name);
};
