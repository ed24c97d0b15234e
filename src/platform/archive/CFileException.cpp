#include "platform/archive/CFileException.h"

#include <cerrno>

CFileException::CFileException(int cause, long osError, std::string fileName)
    : CException("Dateifehler " + std::to_string(cause) +
                 (fileName.empty() ? std::string() : " : " + fileName)),
      m_cause(cause), m_lOsError(osError), m_strFileName(std::move(fileName)) {}

int CFileException::OsErrorToCause(int osError) {
    switch (osError) {
    case 0:
        return none;
    case ENOENT:
        return fileNotFound;
    case ENOTDIR:
    case ENAMETOOLONG:
    case ELOOP:
        return badPath;
    case EMFILE:
    case ENFILE:
        return tooManyOpenFiles;
    case EACCES:
    case EPERM:
    case EROFS:
    case EISDIR: // as the system refuses to open a folder as a file
        return accessDenied;
    case EBADF:
        return invalidFile;
    case EBUSY:
    case EWOULDBLOCK: // a lock held by another process
    case ETXTBSY:
        return sharingViolation;
    case ENOSPC:
    case EDQUOT:
    case EFBIG:
        return diskFull;
    case ESPIPE:
    case EOVERFLOW:
        return badSeek;
    case EIO:
        return hardIO;
    case EMLINK:
        return directoryFull;
    default:
        return genericException;
    }
}

void CFileException::ThrowOsError(int osError, const std::string& fileName) {
    throw CFileException(OsErrorToCause(osError), osError, fileName);
}
