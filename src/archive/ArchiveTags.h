// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The leading words of object references in the archive: null, new class,
// object of a known class (0x8000 + class index), and the escape to the 32-bit
// forms (bit 31 marks a class index).
#include <cstdint>

namespace zarn::archive_tags {

constexpr std::uint16_t kNullTag = 0x0000;
constexpr std::uint16_t kNewClassTag = 0xFFFF;
constexpr std::uint16_t kBigTag = 0x7FFF;
constexpr std::uint16_t kClassTag = 0x8000;
constexpr std::uint32_t kBigClassFlag = 0x80000000;

}  // namespace zarn::archive_tags
