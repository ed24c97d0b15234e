#pragma once
// Errors of the hearing-test data, by code; the texts are what the user sees.

#include "platform/archive/CException.h"

#include <cstdint>
#include <string>

class CHoertestDatenException : public CException {
public:
    enum Code {
        generic = 0,
        badIndex = 1,
        notInitialised = 2,
        badArgument = 3,
    };

    explicit CHoertestDatenException(std::int32_t code);

    static std::string TextFor(std::int32_t code);

    std::int32_t m_nErrorCode;
};
