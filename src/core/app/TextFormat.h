#pragma once
// Text composition for protocol lines and page texts.

#include <cstdarg>
#include <initializer_list>
#include <string>

// printf-style composition for the program's own literal formats.
std::string FormatText(const char* format, ...) __attribute__((format(printf, 1, 2)));
std::string FormatTextV(const char* format, va_list args) __attribute__((format(printf, 1, 0)));

// Fills a string-table text with texts the caller composed: "%1" to "%9" take that argument,
// and every printf field ("%s", "%d", "%.1f", ...) takes the next one in turn; "%%" is "%".
// A field without an argument, and anything inside the arguments, stays as it is.
std::string FillText(const std::string& pattern, std::initializer_list<std::string> args);
