#include "platform/file/FileDescriptor.h"

#include <cerrno>
#include <unistd.h>

void FileDescriptor::Reset(int fd) {
    Close();
    m_fd = fd;
}

int FileDescriptor::Close() {
    int error = 0;
    if (m_fd >= 0 && ::close(m_fd) != 0)
        error = errno;
    m_fd = -1;
    return error;
}
