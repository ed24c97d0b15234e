#pragma once
// Failure while reading or writing an archive; the cause numbers are those callers test.

#include "platform/archive/CException.h"

#include <string>

class CArchiveException : public CException {
public:
    enum Cause {
        none = 0,
        genericException = 1,
        readOnly = 2,
        endOfFile = 3,
        writeOnly = 4,
        badIndex = 5,
        badClass = 6,
        badSchema = 7,
        bufferFull = 8,
    };

    explicit CArchiveException(int cause = none, std::string fileName = {});

    int m_cause;
    std::string m_strFileName;
};
