#include "core/hearing/CHoertestDatenException.h"

CHoertestDatenException::CHoertestDatenException(std::int32_t code)
    : CException(TextFor(code)), m_nErrorCode(code) {}

std::string CHoertestDatenException::TextFor(std::int32_t code) {
    switch (code) {
    case generic:
        return "HTD Allgemeiner Fehler";
    case badIndex:
        return "HTD Index ungültig";
    case notInitialised:
        return "HTD Noch nicht initialisiert";
    case badArgument:
        return "HTD Ungültiges Argument";
    default:
        return "HTD unbekannter Fehler";
    }
}
