#include "platform/archive/CArchiveException.h"

namespace {
std::string CauseText(int cause) {
    switch (cause) {
    case CArchiveException::none:
        return "Kein Fehler.";
    case CArchiveException::readOnly:
        return "Versuch, in ein Archiv zum Lesen zu schreiben.";
    case CArchiveException::endOfFile:
        return "Unerwartetes Dateiende.";
    case CArchiveException::writeOnly:
        return "Versuch, aus einem Archiv zum Schreiben zu lesen.";
    case CArchiveException::badIndex:
    case CArchiveException::badClass:
    case CArchiveException::badSchema:
        return "Unerwartetes Dateiformat.";
    case CArchiveException::bufferFull:
        return "Der Puffer ist voll.";
    default:
        return "Allgemeiner Fehler beim Lesen oder Schreiben der Datei.";
    }
}
} // namespace

CArchiveException::CArchiveException(int cause, std::string fileName)
    : CException(CauseText(cause)), m_cause(cause), m_strFileName(std::move(fileName)) {}
