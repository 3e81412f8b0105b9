#include "controls/text_encoding.h"

#include <gtest/gtest.h>

namespace {

TEST(TextEncoding, Utf8DecodingReplacesWhatIsNotUtf8) {
    struct Case {
        const char* name;
        std::string in;
        std::u32string out;
    };
    const Case cases[] = {
        {"ascii", "abc", U"abc"},
        {"two bytes", "\xC3\xA9", U"\u00E9"},
        {"four bytes", "\xF0\x9F\x8E\xA8", U"\U0001F3A8"},
        {"lone continuation", "\x80", U"\uFFFD"},
        {"truncated", "\xE2\x82", U"\uFFFD\uFFFD"},
        {"overlong", "\xC0\xAF", U"\uFFFD\uFFFD"},
        {"surrogate", "\xED\xA0\x80", U"\uFFFD\uFFFD\uFFFD"},
        {"past U+10FFFF", "\xF4\x90\x80\x80", U"\uFFFD\uFFFD\uFFFD\uFFFD"},
    };
    for (const Case& c : cases) EXPECT_EQ(decodeUtf8(c.in), c.out) << c.name;
}

TEST(TextEncoding, Utf16UsesSurrogatePairs) {
    EXPECT_EQ(encodeUtf16z(U"A\U0001F3A8"), (std::vector<A_UTF16Char>{0x41, 0xD83C, 0xDFA8, 0}));
    EXPECT_EQ(encodeUtf8(U"\u00DC\U0001F3A8"), "\xC3\x9C\xF0\x9F\x8E\xA8");
}

TEST(TextEncoding, BoundedText) {
    const char full[4] = {'a', 'b', 'c', 'd'};
    EXPECT_EQ(boundedText(full, 4), "abcd");
    EXPECT_EQ(boundedText("ab\0cd", 5), "ab");
}

}  // namespace
