#include "core/app/TextFormat.h"

#include <cstdarg>
#include <cstdio>
#include <vector>

std::string FormatText(const char* format, ...) {
    va_list args;
    va_start(args, format);
    std::string out = FormatTextV(format, args);
    va_end(args);
    return out;
}

std::string FormatTextV(const char* format, va_list args) {
    va_list copy;
    va_copy(copy, args);
    const int n = std::vsnprintf(nullptr, 0, format, copy);
    va_end(copy);
    std::string out;
    if (n > 0) {
        std::vector<char> buf(static_cast<std::size_t>(n) + 1);
        std::vsnprintf(buf.data(), buf.size(), format, args);
        out.assign(buf.data(), static_cast<std::size_t>(n));
    }
    return out;
}

std::string FillText(const std::string& pattern, std::initializer_list<std::string> args) {
    const auto isDigit = [](char c) { return c >= '0' && c <= '9'; };
    const auto isLetter = [](char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); };
    std::string out;
    out.reserve(pattern.size());
    auto next = args.begin();
    for (std::size_t i = 0; i < pattern.size(); ++i) {
        if (pattern[i] != '%' || i + 1 >= pattern.size()) {
            out += pattern[i];
            continue;
        }
        const char c = pattern[i + 1];
        if (c == '%') {
            out += '%';
            ++i;
            continue;
        }
        // "%1": a numbered argument, unless it begins a printf field such as "%10d".
        const bool numbered =
            c >= '1' && c <= '9' &&
            (i + 2 >= pattern.size() ||
             !(isDigit(pattern[i + 2]) || pattern[i + 2] == '.' || isLetter(pattern[i + 2])));
        if (numbered) {
            const auto n = static_cast<std::size_t>(c - '1');
            if (n < args.size())
                out += *(args.begin() + n);
            else
                out.append(pattern, i, 2);
            ++i;
            continue;
        }
        std::size_t end = i + 1;
        while (end < pattern.size() && (isDigit(pattern[end]) || pattern[end] == '.' ||
                                        pattern[end] == 'l' || pattern[end] == '-'))
            ++end;
        if (end < pattern.size() && isLetter(pattern[end]) && next != args.end()) {
            out += *next++;
            i = end;
        } else {
            out += '%';
        }
    }
    return out;
}
