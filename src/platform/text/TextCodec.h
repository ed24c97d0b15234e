#pragma once
// Conversions between the program's UTF-8 texts and the encodings of the document file:
// Windows-1252 (the 8-bit texts) and UTF-16LE (the wide form some files carry).

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace TextCodec {

// Every byte has a character: the five bytes Windows leaves undefined (0x81, 0x8D, 0x8F,
// 0x90, 0x9D) become the control characters of the same number, so nothing is lost.
std::string Windows1252ToUtf8(std::string_view cp1252);

// False (out unchanged) if the text is not valid UTF-8 or holds a character that
// Windows-1252 has no byte for.
bool Utf8ToWindows1252(std::string_view utf8, std::string& out);

// True if Utf8ToWindows1252 would succeed.
bool IsWindows1252(std::string_view utf8);

// UTF-16LE bytes (an odd last byte is ignored) to UTF-8; unpaired surrogates become U+FFFD.
std::string Utf16LeToUtf8(const std::uint8_t* data, std::size_t bytes);

// UTF-8 to UTF-16 code units; malformed sequences become U+FFFD.
std::u16string Utf8ToUtf16(std::string_view utf8);

} // namespace TextCodec
