// SPDX-License-Identifier: GPL-3.0-or-later
// Jupiter–Saturn perturbations of the low-precision planetary theory. The
// terms are the published series (Meeus, Astronomical Formulae for
// Calculators), transcribed from data/sources/theory/
// jupiter_saturn_perturbations.tsv (its README tells how they were checked).
// Each term is (c0 + c1·ν + c2·ν²) · f1(k·X) · f2(kQ·Q), X being one of the
// angles V, W, ζ, ψ, and f a sine, a cosine or 1.
// Inputs: the body index and T (ν = T/5 + 0.1). Years: with them Jupiter keeps
// 0.013° and Saturne 0.038° in longitude over 1901–2099 (bench/accuracy);
// without them the great inequality alone would cost about 0.3° and 0.8°.
// The ν² terms make the series lose hold centuries away.
// Failure: none of its own; an index other than Jupiter's or Saturn's gets
// zeros, and a non-finite T gives non-finite sums, which the planet's Compute
// then refuses.
#include "sky/JupiterSaturn.h"

#include "sky/CPlaSol.h"
#include "time/Calendar.h"

#include <cmath>

namespace zarn {

namespace {

enum Planet { J, S };
enum Quantity { Longitude, Eccentricity, Perihelion, Axis };
enum Function { One, Sin, Cos };
enum Angle { None, V, W, Zeta, Psi, kAngles };
constexpr int kMaxMultiple = 5;

struct Term {
    Planet planet;
    Quantity quantity;
    double c0, c1, c2;
    Function f1;
    Angle angle;
    int k;
    Function f2;
    int kQ;
};

// clang-format off
constexpr Term kTerms[] = {
    {J, Longitude, 0.331364, -0.010281, -0.004692, Sin, V, 1, One, 0},
    {J, Longitude, 0.003228, -0.064436, 0.002075, Cos, V, 1, One, 0},
    {J, Longitude, -0.003083, -0.000275, 0.000489, Sin, V, 2, One, 0},
    {J, Longitude, 0.002472, 0, 0, Sin, W, 1, One, 0},
    {J, Longitude, 0.013619, 0, 0, Sin, Zeta, 1, One, 0},
    {J, Longitude, 0.018472, 0, 0, Sin, Zeta, 2, One, 0},
    {J, Longitude, 0.006717, 0, 0, Sin, Zeta, 3, One, 0},
    {J, Longitude, 0.002775, 0, 0, Sin, Zeta, 4, One, 0},
    {J, Longitude, 0.007275, -0.001253, 0, Sin, Zeta, 1, Sin, 1},
    {J, Longitude, 0.006417, 0, 0, Sin, Zeta, 2, Sin, 1},
    {J, Longitude, 0.002439, 0, 0, Sin, Zeta, 3, Sin, 1},
    {J, Longitude, -0.033839, -0.001125, 0, Cos, Zeta, 1, Sin, 1},
    {J, Longitude, -0.003767, 0, 0, Cos, Zeta, 2, Sin, 1},
    {J, Longitude, -0.035681, -0.001208, 0, Sin, Zeta, 1, Cos, 1},
    {J, Longitude, -0.004261, 0, 0, Sin, Zeta, 2, Cos, 1},
    {J, Longitude, 0.002178, 0, 0, One, None, 0, Cos, 1},
    {J, Longitude, -0.006333, 0.001161, 0, Cos, Zeta, 1, Cos, 1},
    {J, Longitude, -0.006675, 0, 0, Cos, Zeta, 2, Cos, 1},
    {J, Longitude, -0.002664, 0, 0, Cos, Zeta, 3, Cos, 1},
    {J, Longitude, -0.002572, 0, 0, Sin, Zeta, 1, Sin, 2},
    {J, Longitude, -0.003567, 0, 0, Sin, Zeta, 2, Sin, 2},
    {J, Longitude, 0.002094, 0, 0, Cos, Zeta, 1, Cos, 2},
    {J, Longitude, 0.003342, 0, 0, Cos, Zeta, 2, Cos, 2},
    {J, Eccentricity, 3606, 130, -43, Sin, V, 1, One, 0},
    {J, Eccentricity, 1289, -580, 0, Cos, V, 1, One, 0},
    {J, Eccentricity, -6764, 0, 0, Sin, Zeta, 1, Sin, 1},
    {J, Eccentricity, -1110, 0, 0, Sin, Zeta, 2, Sin, 1},
    {J, Eccentricity, -224, 0, 0, Sin, Zeta, 3, Sin, 1},
    {J, Eccentricity, -204, 0, 0, One, None, 0, Sin, 1},
    {J, Eccentricity, 1284, 116, 0, Cos, Zeta, 1, Sin, 1},
    {J, Eccentricity, 188, 0, 0, Cos, Zeta, 2, Sin, 1},
    {J, Eccentricity, 1460, 130, 0, Sin, Zeta, 1, Cos, 1},
    {J, Eccentricity, 224, 0, 0, Sin, Zeta, 2, Cos, 1},
    {J, Eccentricity, -817, 0, 0, One, None, 0, Cos, 1},
    {J, Eccentricity, 6074, 0, 0, Cos, Zeta, 1, Cos, 1},
    {J, Eccentricity, 992, 0, 0, Cos, Zeta, 2, Cos, 1},
    {J, Eccentricity, 508, 0, 0, Cos, Zeta, 3, Cos, 1},
    {J, Eccentricity, 230, 0, 0, Cos, Zeta, 4, Cos, 1},
    {J, Eccentricity, 108, 0, 0, Cos, Zeta, 5, Cos, 1},
    {J, Eccentricity, -956, -73, 0, Sin, Zeta, 1, Sin, 2},
    {J, Eccentricity, 448, 0, 0, Sin, Zeta, 2, Sin, 2},
    {J, Eccentricity, 137, 0, 0, Sin, Zeta, 3, Sin, 2},
    {J, Eccentricity, -997, 108, 0, Cos, Zeta, 1, Sin, 2},
    {J, Eccentricity, 480, 0, 0, Cos, Zeta, 2, Sin, 2},
    {J, Eccentricity, 148, 0, 0, Cos, Zeta, 3, Sin, 2},
    {J, Eccentricity, -956, 99, 0, Sin, Zeta, 1, Cos, 2},
    {J, Eccentricity, 490, 0, 0, Sin, Zeta, 2, Cos, 2},
    {J, Eccentricity, 158, 0, 0, Sin, Zeta, 3, Cos, 2},
    {J, Eccentricity, 179, 0, 0, One, None, 0, Cos, 2},
    {J, Eccentricity, 1024, 75, 0, Cos, Zeta, 1, Cos, 2},
    {J, Eccentricity, -437, 0, 0, Cos, Zeta, 2, Cos, 2},
    {J, Eccentricity, -132, 0, 0, Cos, Zeta, 3, Cos, 2},
    {J, Perihelion, 0.007192, -0.003147, 0, Sin, V, 1, One, 0},
    {J, Perihelion, -0.020428, -0.000675, 0.000197, Cos, V, 1, One, 0},
    {J, Perihelion, 0.007269, 0.000672, 0, Sin, Zeta, 1, Sin, 1},
    {J, Perihelion, -0.004344, 0, 0, One, None, 0, Sin, 1},
    {J, Perihelion, 0.034036, 0, 0, Cos, Zeta, 1, Sin, 1},
    {J, Perihelion, 0.005614, 0, 0, Cos, Zeta, 2, Sin, 1},
    {J, Perihelion, 0.002964, 0, 0, Cos, Zeta, 3, Sin, 1},
    {J, Perihelion, 0.037761, 0, 0, Sin, Zeta, 1, Cos, 1},
    {J, Perihelion, 0.006158, 0, 0, Sin, Zeta, 2, Cos, 1},
    {J, Perihelion, -0.006603, 0, 0, Cos, Zeta, 1, Cos, 1},
    {J, Perihelion, -0.005356, 0, 0, Sin, Zeta, 1, Sin, 2},
    {J, Perihelion, 0.002722, 0, 0, Sin, Zeta, 2, Sin, 2},
    {J, Perihelion, 0.004483, 0, 0, Cos, Zeta, 1, Sin, 2},
    {J, Perihelion, -0.002642, 0, 0, Cos, Zeta, 2, Sin, 2},
    {J, Perihelion, 0.004403, 0, 0, Sin, Zeta, 1, Cos, 2},
    {J, Perihelion, -0.002536, 0, 0, Sin, Zeta, 2, Cos, 2},
    {J, Perihelion, 0.005547, 0, 0, Cos, Zeta, 1, Cos, 2},
    {J, Perihelion, -0.002689, 0, 0, Cos, Zeta, 2, Cos, 2},
    {J, Axis, -263, 0, 0, Cos, V, 1, One, 0},
    {J, Axis, 205, 0, 0, Cos, Zeta, 1, One, 0},
    {J, Axis, 693, 0, 0, Cos, Zeta, 2, One, 0},
    {J, Axis, 312, 0, 0, Cos, Zeta, 3, One, 0},
    {J, Axis, 147, 0, 0, Cos, Zeta, 4, One, 0},
    {J, Axis, 299, 0, 0, Sin, Zeta, 1, Sin, 1},
    {J, Axis, 181, 0, 0, Cos, Zeta, 2, Sin, 1},
    {J, Axis, 204, 0, 0, Sin, Zeta, 2, Cos, 1},
    {J, Axis, 111, 0, 0, Sin, Zeta, 3, Cos, 1},
    {J, Axis, -337, 0, 0, Cos, Zeta, 1, Cos, 1},
    {J, Axis, -111, 0, 0, Cos, Zeta, 2, Cos, 1},
    {S, Longitude, -0.814181, 0.01815, 0.016714, Sin, V, 1, One, 0},
    {S, Longitude, -0.010497, 0.160906, -0.0041, Cos, V, 1, One, 0},
    {S, Longitude, 0.007581, 0, 0, Sin, V, 2, One, 0},
    {S, Longitude, -0.007986, 0, 0, Sin, W, 1, One, 0},
    {S, Longitude, -0.148811, 0, 0, Sin, Zeta, 1, One, 0},
    {S, Longitude, -0.040786, 0, 0, Sin, Zeta, 2, One, 0},
    {S, Longitude, -0.015208, 0, 0, Sin, Zeta, 3, One, 0},
    {S, Longitude, -0.006339, 0, 0, Sin, Zeta, 4, One, 0},
    {S, Longitude, -0.006244, 0, 0, One, None, 0, Sin, 1},
    {S, Longitude, 0.008931, 0.002728, 0, Sin, Zeta, 1, Sin, 1},
    {S, Longitude, -0.0165, 0, 0, Sin, Zeta, 2, Sin, 1},
    {S, Longitude, -0.005775, 0, 0, Sin, Zeta, 3, Sin, 1},
    {S, Longitude, 0.081344, 0.003206, 0, Cos, Zeta, 1, Sin, 1},
    {S, Longitude, 0.015019, 0, 0, Cos, Zeta, 2, Sin, 1},
    {S, Longitude, 0.085581, 0.002494, 0, Sin, Zeta, 1, Cos, 1},
    {S, Longitude, 0.025328, -0.003117, 0, Cos, Zeta, 1, Cos, 1},
    {S, Longitude, 0.014394, 0, 0, Cos, Zeta, 2, Cos, 1},
    {S, Longitude, 0.006319, 0, 0, Cos, Zeta, 3, Cos, 1},
    {S, Longitude, 0.006369, 0, 0, Sin, Zeta, 1, Sin, 2},
    {S, Longitude, 0.009156, 0, 0, Sin, Zeta, 2, Sin, 2},
    {S, Longitude, 0.007525, 0, 0, Sin, Psi, 3, Sin, 2},
    {S, Longitude, -0.005236, 0, 0, Cos, Zeta, 1, Cos, 2},
    {S, Longitude, -0.007736, 0, 0, Cos, Zeta, 2, Cos, 2},
    {S, Longitude, -0.007528, 0, 0, Cos, Psi, 3, Cos, 2},
    {S, Eccentricity, -7927, 2548, 91, Sin, V, 1, One, 0},
    {S, Eccentricity, 13381, 1226, -253, Cos, V, 1, One, 0},
    {S, Eccentricity, 248, -121, 0, Sin, V, 2, One, 0},
    {S, Eccentricity, -305, -91, 0, Cos, V, 2, One, 0},
    {S, Eccentricity, 412, 0, 0, Sin, Zeta, 2, One, 0},
    {S, Eccentricity, 12415, 0, 0, One, None, 0, Sin, 1},
    {S, Eccentricity, 390, -617, 0, Sin, Zeta, 1, Sin, 1},
    {S, Eccentricity, 165, -204, 0, Sin, Zeta, 2, Sin, 1},
    {S, Eccentricity, 26599, 0, 0, Cos, Zeta, 1, Sin, 1},
    {S, Eccentricity, -4687, 0, 0, Cos, Zeta, 2, Sin, 1},
    {S, Eccentricity, -1870, 0, 0, Cos, Zeta, 3, Sin, 1},
    {S, Eccentricity, -821, 0, 0, Cos, Zeta, 4, Sin, 1},
    {S, Eccentricity, -377, 0, 0, Cos, Zeta, 5, Sin, 1},
    {S, Eccentricity, 497, 0, 0, Cos, Psi, 2, Sin, 1},
    {S, Eccentricity, 163, -611, 0, One, None, 0, Cos, 1},
    {S, Eccentricity, -12696, 0, 0, Sin, Zeta, 1, Cos, 1},
    {S, Eccentricity, -4200, 0, 0, Sin, Zeta, 2, Cos, 1},
    {S, Eccentricity, -1503, 0, 0, Sin, Zeta, 3, Cos, 1},
    {S, Eccentricity, -619, 0, 0, Sin, Zeta, 4, Cos, 1},
    {S, Eccentricity, -268, 0, 0, Sin, Zeta, 5, Cos, 1},
    {S, Eccentricity, -282, -1306, 0, Cos, Zeta, 1, Cos, 1},
    {S, Eccentricity, -86, 230, 0, Cos, Zeta, 2, Cos, 1},
    {S, Eccentricity, 461, 0, 0, Sin, Psi, 2, Cos, 1},
    {S, Eccentricity, -350, 0, 0, One, None, 0, Sin, 2},
    {S, Eccentricity, 2211, -286, 0, Sin, Zeta, 1, Sin, 2},
    {S, Eccentricity, -2208, 0, 0, Sin, Zeta, 2, Sin, 2},
    {S, Eccentricity, -568, 0, 0, Sin, Zeta, 3, Sin, 2},
    {S, Eccentricity, -346, 0, 0, Sin, Zeta, 4, Sin, 2},
    {S, Eccentricity, -2780, -222, 0, Cos, Zeta, 1, Sin, 2},
    {S, Eccentricity, 2022, 263, 0, Cos, Zeta, 2, Sin, 2},
    {S, Eccentricity, 248, 0, 0, Cos, Zeta, 3, Sin, 2},
    {S, Eccentricity, 242, 0, 0, Sin, Psi, 3, Sin, 2},
    {S, Eccentricity, 467, 0, 0, Cos, Psi, 3, Sin, 2},
    {S, Eccentricity, -490, 0, 0, One, None, 0, Cos, 2},
    {S, Eccentricity, -2842, -279, 0, Sin, Zeta, 1, Cos, 2},
    {S, Eccentricity, 128, 226, 0, Sin, Zeta, 2, Cos, 2},
    {S, Eccentricity, 224, 0, 0, Sin, Zeta, 3, Cos, 2},
    {S, Eccentricity, -1594, 282, 0, Cos, Zeta, 1, Cos, 2},
    {S, Eccentricity, 2162, -207, 0, Cos, Zeta, 2, Cos, 2},
    {S, Eccentricity, 561, 0, 0, Cos, Zeta, 3, Cos, 2},
    {S, Eccentricity, 343, 0, 0, Cos, Zeta, 4, Cos, 2},
    {S, Eccentricity, 469, 0, 0, Sin, Psi, 3, Cos, 2},
    {S, Eccentricity, -242, 0, 0, Cos, Psi, 3, Cos, 2},
    {S, Eccentricity, -205, 0, 0, Sin, Zeta, 1, Sin, 3},
    {S, Eccentricity, 262, 0, 0, Sin, Zeta, 3, Sin, 3},
    {S, Eccentricity, 208, 0, 0, Cos, Zeta, 1, Cos, 3},
    {S, Eccentricity, -271, 0, 0, Cos, Zeta, 3, Cos, 3},
    {S, Eccentricity, -382, 0, 0, Cos, Zeta, 3, Sin, 4},
    {S, Eccentricity, -376, 0, 0, Sin, Zeta, 3, Cos, 4},
    {S, Perihelion, 0.077108, 0.007186, -0.001533, Sin, V, 1, One, 0},
    {S, Perihelion, 0.045803, -0.014766, -0.000536, Cos, V, 1, One, 0},
    {S, Perihelion, -0.007075, 0, 0, Sin, Zeta, 1, One, 0},
    {S, Perihelion, -0.075825, 0, 0, Sin, Zeta, 1, Sin, 1},
    {S, Perihelion, -0.024839, 0, 0, Sin, Zeta, 2, Sin, 1},
    {S, Perihelion, -0.008631, 0, 0, Sin, Zeta, 3, Sin, 1},
    {S, Perihelion, -0.072586, 0, 0, One, None, 0, Cos, 1},
    {S, Perihelion, -0.150383, 0, 0, Cos, Zeta, 1, Cos, 1},
    {S, Perihelion, 0.026897, 0, 0, Cos, Zeta, 2, Cos, 1},
    {S, Perihelion, 0.010053, 0, 0, Cos, Zeta, 3, Cos, 1},
    {S, Perihelion, -0.013597, -0.001719, 0, Sin, Zeta, 1, Sin, 2},
    {S, Perihelion, -0.007742, 0.001517, 0, Cos, Zeta, 1, Sin, 2},
    {S, Perihelion, 0.013586, -0.001375, 0, Cos, Zeta, 2, Sin, 2},
    {S, Perihelion, -0.013667, 0.001239, 0, Sin, Zeta, 1, Cos, 2},
    {S, Perihelion, 0.011981, 0, 0, Sin, Zeta, 2, Cos, 2},
    {S, Perihelion, 0.014861, 0.001136, 0, Cos, Zeta, 1, Cos, 2},
    {S, Perihelion, -0.013064, -0.001628, 0, Cos, Zeta, 2, Cos, 2},
    {S, Axis, 0, 572, 0, Sin, V, 1, One, 0},
    {S, Axis, 2933, 0, 0, Cos, V, 1, One, 0},
    {S, Axis, 33629, 0, 0, Cos, Zeta, 1, One, 0},
    {S, Axis, -3081, 0, 0, Cos, Zeta, 2, One, 0},
    {S, Axis, -1423, 0, 0, Cos, Zeta, 3, One, 0},
    {S, Axis, -671, 0, 0, Cos, Zeta, 4, One, 0},
    {S, Axis, -320, 0, 0, Cos, Zeta, 5, One, 0},
    {S, Axis, 1098, 0, 0, One, None, 0, Sin, 1},
    {S, Axis, -2812, 0, 0, Sin, Zeta, 1, Sin, 1},
    {S, Axis, 688, 0, 0, Sin, Zeta, 2, Sin, 1},
    {S, Axis, -393, 0, 0, Sin, Zeta, 3, Sin, 1},
    {S, Axis, -228, 0, 0, Sin, Zeta, 4, Sin, 1},
    {S, Axis, 2138, 0, 0, Cos, Zeta, 1, Sin, 1},
    {S, Axis, -999, 0, 0, Cos, Zeta, 2, Sin, 1},
    {S, Axis, -642, 0, 0, Cos, Zeta, 3, Sin, 1},
    {S, Axis, -325, 0, 0, Cos, Zeta, 4, Sin, 1},
    {S, Axis, -890, 0, 0, One, None, 0, Cos, 1},
    {S, Axis, 2206, 0, 0, Sin, Zeta, 1, Cos, 1},
    {S, Axis, -1590, 0, 0, Sin, Zeta, 2, Cos, 1},
    {S, Axis, -647, 0, 0, Sin, Zeta, 3, Cos, 1},
    {S, Axis, -344, 0, 0, Sin, Zeta, 4, Cos, 1},
    {S, Axis, 2885, 0, 0, Cos, Zeta, 1, Cos, 1},
    {S, Axis, 2172, 102, 0, Cos, Zeta, 2, Cos, 1},
    {S, Axis, 296, 0, 0, Cos, Zeta, 3, Cos, 1},
    {S, Axis, -267, 0, 0, Sin, Zeta, 2, Sin, 2},
    {S, Axis, -778, 0, 0, Cos, Zeta, 1, Sin, 2},
    {S, Axis, 495, 0, 0, Cos, Zeta, 2, Sin, 2},
    {S, Axis, 250, 0, 0, Cos, Zeta, 3, Sin, 2},
    {S, Axis, -856, 0, 0, Sin, Zeta, 1, Cos, 2},
    {S, Axis, 441, 0, 0, Sin, Zeta, 2, Cos, 2},
    {S, Axis, 296, 0, 0, Cos, Zeta, 2, Cos, 2},
    {S, Axis, 211, 0, 0, Cos, Zeta, 3, Cos, 2},
    {S, Axis, -427, 0, 0, Sin, Zeta, 1, Sin, 3},
    {S, Axis, 398, 0, 0, Sin, Zeta, 3, Sin, 3},
    {S, Axis, 344, 0, 0, Cos, Zeta, 1, Cos, 3},
    {S, Axis, -427, 0, 0, Cos, Zeta, 3, Cos, 3},
};
// clang-format on

// Sines and cosines of the multiples 0..5 of each angle, computed once per T.
struct Multiples {
    double sine[kAngles + 1][kMaxMultiple + 1];
    double cosine[kAngles + 1][kMaxMultiple + 1];

    void fill(int slot, double radians)
    {
        for (int m = 0; m <= kMaxMultiple; ++m) {
            sine[slot][m] = std::sin(m * radians);
            cosine[slot][m] = std::cos(m * radians);
        }
    }
    double apply(Function f, int slot, int m) const
    {
        switch (f) {
        case Sin: return sine[slot][m];
        case Cos: return cosine[slot][m];
        default: return 1.0;
        }
    }
};

constexpr int kQSlot = kAngles;  // the extra row holds the multiples of Q

Multiples multiplesAt(double T)
{
    const double P = 237.47555 + 3034.9061 * T;
    const double Q = 265.9165 + 1222.1139 * T;
    const double S = 243.51721 + 428.4677 * T;
    Multiples mult;
    mult.fill(None, 0.0);
    mult.fill(V, (5 * Q - 2 * P) * kRadPerDeg);
    mult.fill(W, (2 * P - 6 * Q + 3 * S) * kRadPerDeg);
    mult.fill(Zeta, (Q - P) * kRadPerDeg);
    mult.fill(Psi, (S - Q) * kRadPerDeg);
    mult.fill(kQSlot, Q * kRadPerDeg);
    return mult;
}

}  // namespace

PerturbationSums JupiterSaturnPerturbations(int index, double T)
{
    PerturbationSums sums;
    if (index != kJupiter && index != kSaturn)
        return sums;
    const Planet planet = index == kJupiter ? J : S;
    const Multiples mult = multiplesAt(T);
    const double nu = T / 5 + 0.1;
    double total[4] = {0, 0, 0, 0};
    for (const Term& term : kTerms) {
        if (term.planet != planet)
            continue;
        total[term.quantity] += (term.c0 + (term.c1 + term.c2 * nu) * nu) *
                                mult.apply(term.f1, term.angle, term.k) *
                                mult.apply(term.f2, kQSlot, term.kQ);
    }
    // The series give degrees for the longitude and the perihelion.
    sums.longitude = total[Longitude] * 1e6;
    sums.perihelion = total[Perihelion] * 1e6;
    sums.eccentricity = total[Eccentricity];
    sums.axis = total[Axis];
    return sums;
}

}  // namespace zarn
