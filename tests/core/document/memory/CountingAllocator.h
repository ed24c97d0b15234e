#pragma once
// Bytes handed out by operator new in this test program.

#include <cstddef>

namespace CountingAllocator {
std::size_t Current();
std::size_t Peak();
void ResetPeak();
} // namespace CountingAllocator
