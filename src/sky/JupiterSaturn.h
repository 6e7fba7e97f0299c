// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The mutual perturbations of Jupiter and Saturn: periodic corrections to
// their mean longitude, eccentricity, perihelion and semi-major axis.
namespace zarn {

struct PerturbationSums {
    double longitude = 0.0;     // ΔL, micro-degrees
    double perihelion = 0.0;    // e·Δω, micro-degrees
    double eccentricity = 0.0;  // Δe, units of 1e-7
    double axis = 0.0;          // Δa, units of 1e-6 AU
};

// The four sums for Jupiter (index 4) or Saturn (index 5) at T; zeros for any
// other index.
PerturbationSums JupiterSaturnPerturbations(int index, double T);

}  // namespace zarn
