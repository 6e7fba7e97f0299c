// SPDX-License-Identifier: GPL-3.0-or-later
#include "archive/Windows1252.h"

#include <algorithm>
#include <array>
#include <cstdint>

namespace zarn {

namespace {

// Code points of the bytes 0x80–0x9F; the other bytes equal their code point.
constexpr std::array<char32_t, 32> kHighControls = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,  // 80–87
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,  // 88–8F
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,  // 90–97
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,  // 98–9F
};

char32_t codePointOf(unsigned char byte)
{
    if (byte >= 0x80 && byte <= 0x9F) return kHighControls[byte - 0x80];
    return byte;
}

void appendUtf8(std::string& out, char32_t c)
{
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xC0 | (c >> 6));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        out += static_cast<char>(0xE0 | (c >> 12));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
}

char byteOf(char32_t c)
{
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF)) return static_cast<char>(c);
    for (std::size_t i = 0; i < kHighControls.size(); ++i)
        if (kHighControls[i] == c) return static_cast<char>(0x80 + i);
    return kWindows1252Replacement;
}

// Decodes one UTF-8 sequence at `pos`; returns the code point and advances
// `pos`, or returns nothing and advances by one byte when the sequence is
// malformed.
bool decodeUtf8(std::string_view s, std::size_t& pos, char32_t& out)
{
    const auto lead = static_cast<unsigned char>(s[pos]);
    int length = 0;
    char32_t c = 0;
    char32_t minimum = 0;
    if (lead < 0x80) { out = lead; ++pos; return true; }
    if (lead >= 0xC2 && lead <= 0xDF) { length = 2; c = lead & 0x1F; minimum = 0x80; }
    else if (lead >= 0xE0 && lead <= 0xEF) { length = 3; c = lead & 0x0F; minimum = 0x800; }
    else if (lead >= 0xF0 && lead <= 0xF4) { length = 4; c = lead & 0x07; minimum = 0x10000; }
    else { ++pos; return false; }
    if (s.size() - pos < static_cast<std::size_t>(length)) { ++pos; return false; }
    for (int i = 1; i < length; ++i) {
        const auto next = static_cast<unsigned char>(s[pos + i]);
        if ((next & 0xC0) != 0x80) { ++pos; return false; }
        c = (c << 6) | (next & 0x3F);
    }
    if (c < minimum || c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF)) { ++pos; return false; }
    pos += length;
    out = c;
    return true;
}

}  // namespace

std::string windows1252ToUtf8(std::string_view bytes)
{
    std::string out;
    out.reserve(bytes.size());
    for (char b : bytes) appendUtf8(out, codePointOf(static_cast<unsigned char>(b)));
    return out;
}

std::string utf8ToWindows1252(std::string_view utf8)
{
    std::string out;
    out.reserve(utf8.size());
    std::size_t pos = 0;
    while (pos < utf8.size()) {
        char32_t c = 0;
        out += decodeUtf8(utf8, pos, c) ? byteOf(c) : kWindows1252Replacement;
    }
    return out;
}

}  // namespace zarn

namespace zarn {

bool fitsWindows1252(std::string_view utf8)
{
    // Each character the set lacks becomes one more '?'.
    const std::string bytes = utf8ToWindows1252(utf8);
    return std::count(bytes.begin(), bytes.end(), kWindows1252Replacement) ==
           std::count(utf8.begin(), utf8.end(), kWindows1252Replacement);
}

}  // namespace zarn
