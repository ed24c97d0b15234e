#include "platform/document/DocumentFile.h"
#include "platform/file/CFileReplacement.h"
#include "platform/file/FileDescriptor.h"

#include "platform/archive/CArchiveException.h"
#include "platform/archive/CFileException.h"

#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace DocumentFile {

std::vector<std::uint8_t> ReadWholeFile(const std::string& path, std::size_t limit) {
    // Non-blocking, so a pipe given as a document cannot hang the program before it is refused.
    FileDescriptor fd(::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK));
    if (fd.Get() < 0)
        CFileException::ThrowOsError(errno, path);
    struct stat st {};
    if (::fstat(fd.Get(), &st) != 0)
        CFileException::ThrowOsError(errno, path);
    if (S_ISDIR(st.st_mode))
        CFileException::ThrowOsError(EISDIR, path);
    if (!S_ISREG(st.st_mode))
        throw CFileException(CFileException::invalidFile, 0, path);
    if (st.st_size < 0 || static_cast<std::uint64_t>(st.st_size) > limit)
        throw CArchiveException(CArchiveException::badSchema, path);

    std::vector<std::uint8_t> bytes(static_cast<std::size_t>(st.st_size));
    std::size_t used = 0;
    // The file may change while it is read: read until its end, never past the limit.
    for (;;) {
        if (used == bytes.size()) {
            if (bytes.size() >= limit) {
                std::uint8_t probe = 0;
                const ssize_t more = ::read(fd.Get(), &probe, 1);
                if (more > 0)
                    throw CArchiveException(CArchiveException::badSchema, path);
                if (more < 0 && errno == EINTR)
                    continue;
                if (more < 0)
                    CFileException::ThrowOsError(errno, path);
                break;
            }
            bytes.resize(std::min(limit, std::max<std::size_t>(bytes.size() * 2, 4096)));
        }
        const ssize_t got = ::read(fd.Get(), bytes.data() + used, bytes.size() - used);
        if (got < 0) {
            if (errno == EINTR)
                continue;
            CFileException::ThrowOsError(errno, path);
        }
        if (got == 0)
            break;
        used += static_cast<std::size_t>(got);
    }
    bytes.resize(used);
    return bytes;
}

void WriteFileAtomically(const std::string& path, const std::vector<std::uint8_t>& bytes) {
    if (const int error = CFileReplacement::WriteFile(path, bytes.data(), bytes.size()); error != 0)
        CFileException::ThrowOsError(error, path);
}

} // namespace DocumentFile
