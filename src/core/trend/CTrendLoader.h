#pragma once
// Reads the measurements of a trend from their files. A file that cannot be read is left out
// and named in a message; the caller shows the messages, all at once.

#include "core/trend/CTrendMeasurement.h"

#include <string>
#include <vector>

class CAUVODoc;

class CTrendLoader {
public:
    struct Result {
        std::vector<CTrendMeasurement> measurements; // in the order of the paths
        std::vector<std::string> errors;             // one German message per file left out
    };

    // open: the document open in the window, if any; its file is taken as shown there, with
    // changes not yet saved. Only the hearing test and the date are read: no sound device is
    // needed, and each file takes no more memory than its own bytes.
    static Result Load(const std::vector<std::string>& paths, const CAUVODoc* open = nullptr);
};
