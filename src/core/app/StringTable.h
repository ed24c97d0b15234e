#pragma once
// Every German text of the program, by its resource id.

#include <string>

namespace StringTable {
// The text with this id; empty if there is none.
std::string Load(unsigned id);
// "%1", "%2", ... replaced by the arguments (the framework's message formatting).
std::string Format(unsigned id, const std::string& arg1, const std::string& arg2 = {});
} // namespace StringTable
