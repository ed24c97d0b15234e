#pragma once

#include <cstddef>

// Writes all bytes to fd, going on after signals and short writes. On failure returns false
// with errno set; a write that makes no progress counts as a full disk (ENOSPC).
bool WriteAll(int fd, const void* data, std::size_t size);
