// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The rises and sets of one day, in legal hours (0 ≤ t < 24), or a code.
namespace zarn {

// Codes of the time fields.
constexpr double kNoEvent = -1.0;       // no such event on that day
constexpr double kAlwaysAbove = -101.0; // the body stays above the event altitude all day
constexpr double kAlwaysBelow = -102.0; // the body stays below the event altitude all day

inline bool isCode(double v) { return v == kAlwaysAbove || v == kAlwaysBelow; }
inline bool isTime(double v) { return v >= 0.0 && v < 24.0; }

struct CJourLeverCoucher {
    double rise = kNoEvent;        // first rise of the day
    double secondRise = kNoEvent;  // a second rise on the same day
    double set = kNoEvent;         // first set of the day
    double secondSet = kNoEvent;   // a second set on the same day
};

}  // namespace zarn
