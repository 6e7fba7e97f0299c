// zarn-calc position BODY: where a body of the solar system stands for the
// instant and place of the options.
#include "calc/CalcCommand.h"
#include "calc/CalcOptions.h"
#include "sky/SkyMath.h"
#include "calc/CalcBodies.h"
#include "sky/SolarBodies.h"

#include <cstdio>
#include <optional>
#include <string>

namespace zarn {

namespace {

double degrees(double radians) { return radians * kDegPerRad; }

int runPosition(CalcContext& context)
{
    int status = 0;
    std::optional<NamedBody> named = namedBody(context, "usage : zarn-calc position ASTRE", status);
    if (!named)
        return status;
    CPlaSol& body = named->body();
    const int index = named->index;
    const CInstant& instant = context.instant;
    if (!body.Compute(instant)) {
        std::fprintf(stderr, "Position impossible à calculer\n");
        return 1;
    }
    const Horizontal h = EquatorialToHorizontal(instant.siderealTime(), instant.place().latitude(),
                                                body.GetAlpha(), body.GetDelta());
    std::printf("ra=%.6f dec=%.6f dist=%.6f alt=%.6f az=%.6f lon=%.6f lat=%.6f",
                degrees(ReduceAngle(body.GetAlpha(), 0.0, kTwoPi)), degrees(body.GetDelta()),
                body.GetDistance(), degrees(h.altitude), degrees(h.azimuth),
                ReduceAngle(degrees(body.GetEclipticLongitude()), 0.0, 360.0),
                degrees(body.GetEclipticLatitude()));
    if (index == kMoon) {
        const CLune& moon = named->bodies.moon;
        std::printf(" k=%.6f i=%.6f chi=%.6f q=%.6f", moon.GetIlluminatedFraction(),
                    degrees(moon.GetPhaseAngle()), degrees(moon.GetBrightLimbAngle()),
                    degrees(moon.GetParallacticAngle()));
    }
    if (index == kSaturn)
        std::printf(" B=%.6f", degrees(named->bodies.planet(kSaturn).RingTilt(instant.centuries())));
    std::printf("\n");
    return 0;
}

const CalcCommand position("position", "ASTRE", runPosition);

}  // namespace


}  // namespace zarn
