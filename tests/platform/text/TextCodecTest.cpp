#include "platform/text/TextCodec.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

std::string Byte(unsigned char b) {
    return std::string(1, static_cast<char>(b));
}

std::vector<std::uint8_t> Utf16Le(std::u16string_view s) {
    std::vector<std::uint8_t> out;
    for (char16_t c : s) {
        out.push_back(static_cast<std::uint8_t>(c & 0xFF));
        out.push_back(static_cast<std::uint8_t>(c >> 8));
    }
    return out;
}

} // namespace

TEST(Windows1252, EveryByteSurvivesTheTripThroughUtf8) {
    for (int b = 0; b < 256; ++b) {
        std::string utf8 = TextCodec::Windows1252ToUtf8(Byte(static_cast<unsigned char>(b)));
        std::string back;
        ASSERT_TRUE(TextCodec::Utf8ToWindows1252(utf8, back)) << "byte " << b;
        EXPECT_EQ(back, Byte(static_cast<unsigned char>(b))) << "byte " << b;
    }
}

TEST(Windows1252, HighBytesDecodeAsWindowsDefinesThem) {
    EXPECT_EQ(TextCodec::Windows1252ToUtf8(Byte(0x80)), "\u20AC");
    EXPECT_EQ(TextCodec::Windows1252ToUtf8(Byte(0x84)), "\u201E");
    EXPECT_EQ(TextCodec::Windows1252ToUtf8(Byte(0x9F)), "\u0178");
    EXPECT_EQ(TextCodec::Windows1252ToUtf8(Byte(0xE4) + Byte(0xDF)), "äß");
    // The undefined bytes keep their number as control characters.
    for (unsigned char b : {0x81, 0x8D, 0x8F, 0x90, 0x9D}) {
        std::string expected("\xC2");
        expected += Byte(b);
        EXPECT_EQ(TextCodec::Windows1252ToUtf8(Byte(b)), expected);
    }
}

TEST(Windows1252, TellsWhichTextsItCanHold) {
    EXPECT_TRUE(TextCodec::IsWindows1252(""));
    EXPECT_TRUE(TextCodec::IsWindows1252("Hörtest rechts: 4 kHz – leise “Pfeifen” €"));
    EXPECT_FALSE(TextCodec::IsWindows1252("Ohr 耳"));
    EXPECT_FALSE(TextCodec::IsWindows1252("\u0080")); // C1 control that 0x80 does not stand for
    EXPECT_FALSE(TextCodec::IsWindows1252("\xF0\x9F\x8E\xB5"));
    // Malformed UTF-8: a lone continuation byte, a cut sequence, an overlong slash, a surrogate.
    for (const char* bad : {"a\x80", "\xC3", "\xC0\xAF", "\xED\xA0\x80"})
        EXPECT_FALSE(TextCodec::IsWindows1252(bad)) << bad;

    std::string out = "unchanged";
    EXPECT_FALSE(TextCodec::Utf8ToWindows1252("耳", out));
    EXPECT_EQ(out, "unchanged");
}

TEST(Utf16, DecodesPairsAndReplacesLoneSurrogates) {
    auto bytes = Utf16Le(u"Ä€耳\U0001F3B5");
    EXPECT_EQ(TextCodec::Utf16LeToUtf8(bytes.data(), bytes.size()), "Ä€耳\U0001F3B5");

    std::u16string lone = u"a";
    lone += static_cast<char16_t>(0xD800);
    lone += u"b";
    lone += static_cast<char16_t>(0xDC00);
    bytes = Utf16Le(lone);
    EXPECT_EQ(TextCodec::Utf16LeToUtf8(bytes.data(), bytes.size()), "a\uFFFDb\uFFFD");

    // An odd trailing byte is no character.
    bytes = Utf16Le(u"x");
    bytes.push_back(0x41);
    EXPECT_EQ(TextCodec::Utf16LeToUtf8(bytes.data(), bytes.size()), "x");
}

TEST(Utf16, EncodesUtf8WithSurrogatePairsAndReplacement) {
    EXPECT_EQ(TextCodec::Utf8ToUtf16("Ü耳\U0001F3B5"), u"Ü耳\U0001F3B5");
    EXPECT_EQ(TextCodec::Utf8ToUtf16("a\xFF"
                                     "b"),
              u"a\uFFFDb");
}
