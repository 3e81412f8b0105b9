// Names as the host hands them (bounded 8-bit buffers) and as it takes
// them (UTF-16 for layer names, escaped text inside expressions).
#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "hostapi/ae_suites.h"

// The text of a host buffer of size bytes: up to its terminator, or all
// size bytes when it has none. Never reads past the buffer.
std::string boundedText(const A_char* buffer, std::size_t size);

// text decoded as UTF-8, every byte that is not part of a valid sequence
// replaced by U+FFFD.
std::u32string decodeUtf8(const std::string& text);
std::string encodeUtf8(const std::u32string& text);

// UTF-16 with surrogate pairs and a terminating 0.
std::vector<A_UTF16Char> encodeUtf16z(const std::u32string& text);

// text for a double-quoted string literal of an expression: backslash,
// quote and control characters escaped, everything else unchanged.
std::string escapeForExpression(const std::string& text);
