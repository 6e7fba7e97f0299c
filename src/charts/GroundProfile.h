// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The pseudo-random sequence that draws the landscape along the horizon
// chart. It is marked before drawing and rewound before every repaint, so the
// same ground comes back each time, and a hit test can replay it.
namespace zarn {

class GroundProfile {
public:
    // Seeds the sequence from the C library's generator.
    GroundProfile();
    explicit GroundProfile(int seed);

    // The next step of the profile: how many times the value had to be divided
    // by ten to come down to 10 or less (0, 1 or 2 in practice).
    int Next();
    void Mark() { m_marked = m_value; }
    void Rewind() { m_value = m_marked; }

private:
    double m_value = 0.0;
    double m_marked = 0.0;
};

// Heights of the ground, column after column, for a chart of the given height:
// starts at height / 30 and wanders between height / 60 and height / 20,
// changing after every even column.
class GroundWalk {
public:
    GroundWalk(GroundProfile& profile, int chartHeight);
    int Height() const { return m_height; }
    // Moves past column i.
    void Advance(int column);

private:
    GroundProfile& m_profile;
    int m_height;
    int m_low;
    int m_high;
};

}  // namespace zarn
