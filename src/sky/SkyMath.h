// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The small numerical helpers of the position theories: polynomials in time,
// the obliquity of the ecliptic, ecliptic to equatorial and equatorial to
// horizontal conversions, five-point interpolation and Kepler's equation.
// All angles are radians; ReduceAngle lives with the calendar helpers.
#include "time/Calendar.h"

namespace zarn {

// a[0] + a[1]·T + … + a[n]·Tⁿ, by Horner's rule from the highest coefficient.
double Polynomial(const double* a, double T, int n);

// Obliquity of the ecliptic for T (Julian centuries from 1900 January 0.5).
double Obliquity(double T);

// Converts ecliptic (λ, β) of date to equatorial (α, δ), α in (0, 2π].
// Returns false, leaving α and δ untouched, when δ is not a number.
bool EclipticToEquatorial(double T, double lambda, double beta, double& alpha, double& delta);
// The reverse turn: equatorial (α, δ) to ecliptic (λ, β) of date, λ in
// (−π, π]. Catalogue positions pass through unchanged, so a star keeps one λ.
void EquatorialToEcliptic(double T, double alpha, double delta, double& lambda, double& beta);

struct Horizontal {
    double azimuth;   // from the South towards the West, (0, 2π]
    double altitude;  // [−π/2, π/2]
};

// Horizontal coordinates of (α, δ) for the local sidereal time θ and the
// latitude φ.
Horizontal EquatorialToHorizontal(double theta, double latitude, double alpha, double delta);

// Rotation about the y axis used to turn the equatorial frame into a horizon
// frame: x′ = c·x − s·z, z′ = s·x + c·z.
void Rotate(double& x, double& z, double c, double s);

inline double Sign(double v) { return v < 0 ? -1.0 : 1.0; }

// Five tabular values y[0..4] at equal steps; returns n, in steps from y[2],
// of the zero (mode 0) or of the extremum (mode 1) of the interpolated curve.
enum class InterpolationMode { Zero = 0, Extremum = 1 };
double Interpolate5(InterpolationMode mode, const double y[5]);

// Eccentric anomaly E for the eccentricity e and the mean anomaly M (radians),
// reduced into (0, 2π]. The iteration is bounded: a NaN in gives a NaN out.
double SolveKepler(double e, double M);

// True anomaly v and radius r from the semi-major axis, e and E.
struct OrbitPoint {
    double v;
    double r;
};
OrbitPoint TrueAnomaly(double a, double e, double E);

}  // namespace zarn
