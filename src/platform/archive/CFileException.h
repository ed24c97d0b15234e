#pragma once
// Failure of a file operation. Causes 1 to 14 match the file-error texts (ids 3000 to 3013).

#include "platform/archive/CException.h"

#include <string>

class CFileException : public CException {
public:
    enum Cause {
        none = 0,
        genericException = 1,
        fileNotFound = 2,
        badPath = 3,
        tooManyOpenFiles = 4,
        accessDenied = 5,
        invalidFile = 6,
        removeCurrentDir = 7,
        directoryFull = 8,
        badSeek = 9,
        hardIO = 10,
        sharingViolation = 11,
        lockViolation = 12,
        diskFull = 13,
        endOfFile = 14,
    };

    explicit CFileException(int cause = none, long osError = -1, std::string fileName = {});

    // The cause that fits an errno value.
    static int OsErrorToCause(int osError);
    [[noreturn]] static void ThrowOsError(int osError, const std::string& fileName = {});

    int m_cause;
    long m_lOsError;
    std::string m_strFileName;
};
