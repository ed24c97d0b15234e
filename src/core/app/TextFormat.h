#pragma once
// Text composition for protocol lines and page texts.

#include <cstdarg>
#include <initializer_list>
#include <string>

// printf-style composition for the program's own literal formats.
std::string FormatText(const char* format, ...) __attribute__((format(printf, 1, 2)));
std::string FormatTextV(const char* format, va_list args) __attribute__((format(printf, 1, 0)));

// Replaces the "%s" of a string-table text one after the other by the arguments; every other
// character, and "%s" inside the arguments, stays as it is.
std::string SubstituteS(const std::string& format, std::initializer_list<std::string> args);
