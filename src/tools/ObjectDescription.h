// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the sky window says of the chosen object: its name and kind, its
// magnitude and constellation, where it stands now (altitude and azimuth,
// right ascension and declination), its rise, transit and set of the day,
// and for the Moon and the planets the lit fraction, distance and apparent
// diameter. Plain French texts, one line each.
#include <string>
#include <vector>

#include "time/CInstant.h"

namespace zarn {

class CAstre;
class SkyDirectory;

struct ObjectDescription {
    std::string name;
    std::vector<std::string> lines;  // after the name
};

// The object's body index (0 Sun … 6 Moon), or −1 for an object of the catalogue.
ObjectDescription describeObject(CAstre& object, int bodyIndex, const CInstant& instant, const SkyDirectory& sky);

// Altitude and azimuth (radians; azimuth from the north towards the east)
// of a right ascension and declination at the instant's place and time.
void altitudeAzimuth(double alpha, double delta, const CInstant& instant, double& altitude, double& azimuth);

}  // namespace zarn
