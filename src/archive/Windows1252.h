// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Texts of the data files are stored in the Windows-1252 character set; in
// memory the engine keeps UTF-8. The conversion happens at the file boundary.
#include <string>
#include <string_view>

namespace zarn {

// The character that stands for anything Windows-1252 cannot hold (a code point
// outside the set, or a malformed UTF-8 sequence).
inline constexpr char kWindows1252Replacement = '?';

// Windows-1252 bytes to UTF-8. Every byte has a meaning: the five bytes the
// set leaves undefined (0x81, 0x8D, 0x8F, 0x90, 0x9D) become the C1 control
// characters of the same value, as Windows itself reads them, so that any file
// text survives a round trip.
std::string windows1252ToUtf8(std::string_view bytes);

// UTF-8 to Windows-1252. A code point outside the set becomes '?', and so does
// each byte of a malformed sequence (a stray continuation byte, a truncated
// sequence, an overlong form, a surrogate, a value beyond U+10FFFF).
std::string utf8ToWindows1252(std::string_view utf8);

// Whether a UTF-8 text goes into Windows-1252 without losing a character.
bool fitsWindows1252(std::string_view utf8);

}  // namespace zarn
