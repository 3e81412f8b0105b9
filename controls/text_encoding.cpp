#include "controls/text_encoding.h"

#include <cstdio>
#include <cstring>

std::string boundedText(const A_char* buffer, std::size_t size) {
    const void* end = std::memchr(buffer, '\0', size);
    return std::string(buffer, end ? static_cast<const A_char*>(end) - buffer : size);
}

namespace {
constexpr char32_t kReplacement = 0xFFFD;

bool continuation(unsigned char c) { return (c & 0xC0) == 0x80; }
}  // namespace

std::u32string decodeUtf8(const std::string& text) {
    std::u32string out;
    const auto* s = reinterpret_cast<const unsigned char*>(text.data());
    const std::size_t n = text.size();
    for (std::size_t i = 0; i < n;) {
        const unsigned char c = s[i];
        std::size_t length = 0;
        char32_t cp = 0;
        char32_t minimum = 0;
        if (c < 0x80) {
            length = 1, cp = c;
        } else if ((c & 0xE0) == 0xC0) {
            length = 2, cp = c & 0x1F, minimum = 0x80;
        } else if ((c & 0xF0) == 0xE0) {
            length = 3, cp = c & 0x0F, minimum = 0x800;
        } else if ((c & 0xF8) == 0xF0) {
            length = 4, cp = c & 0x07, minimum = 0x10000;
        }
        bool valid = length > 0 && i + length <= n;
        for (std::size_t k = 1; valid && k < length; ++k) {
            valid = continuation(s[i + k]);
            cp = (cp << 6) | (s[i + k] & 0x3F);
        }
        // Overlong forms, surrogates and values past U+10FFFF are not UTF-8.
        valid = valid && cp >= minimum && cp <= 0x10FFFF && !(cp >= 0xD800 && cp <= 0xDFFF);
        if (valid) {
            out.push_back(cp);
            i += length;
        } else {
            out.push_back(kReplacement);
            ++i;
        }
    }
    return out;
}

std::string encodeUtf8(const std::u32string& text) {
    std::string out;
    for (const char32_t cp : text) {
        if (cp < 0x80) {
            out += static_cast<char>(cp);
        } else if (cp < 0x800) {
            out += static_cast<char>(0xC0 | (cp >> 6));
            out += static_cast<char>(0x80 | (cp & 0x3F));
        } else if (cp < 0x10000) {
            out += static_cast<char>(0xE0 | (cp >> 12));
            out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
            out += static_cast<char>(0x80 | (cp & 0x3F));
        } else {
            out += static_cast<char>(0xF0 | (cp >> 18));
            out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
            out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
            out += static_cast<char>(0x80 | (cp & 0x3F));
        }
    }
    return out;
}

std::vector<A_UTF16Char> encodeUtf16z(const std::u32string& text) {
    std::vector<A_UTF16Char> out;
    for (const char32_t cp : text) {
        if (cp < 0x10000) {
            out.push_back(static_cast<A_UTF16Char>(cp));
        } else {
            const char32_t v = cp - 0x10000;
            out.push_back(static_cast<A_UTF16Char>(0xD800 | (v >> 10)));
            out.push_back(static_cast<A_UTF16Char>(0xDC00 | (v & 0x3FF)));
        }
    }
    out.push_back(0);
    return out;
}

std::string escapeForExpression(const std::string& text) {
    std::string out;
    for (const char c : text) {
        const auto u = static_cast<unsigned char>(c);
        if (c == '\\' || c == '"') {
            out += '\\';
            out += c;
        } else if (u < 0x20 || u == 0x7F) {
            char escaped[8];
            std::snprintf(escaped, sizeof escaped, "\\u%04x", u);
            out += escaped;
        } else {
            out += c;
        }
    }
    return out;
}
