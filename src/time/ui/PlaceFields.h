#pragma once
// The values the place dialog edits: coordinates as signed packed
// degrees.minutes (2.20 is 2° 20'), longitude positive West, latitude
// positive North, and the rows of the observatory list made from them.
#include "time/CLieu.h"

#include <QString>
#include <QStringList>

namespace zarn {

struct PlaceFields {
    QString name;
    double longitude = 0.0;  // signed packed degrees.minutes, West positive
    double latitude = 0.0;   // signed packed degrees.minutes, North positive
    int zone = 0;
    bool summerTime = true;

    static PlaceFields fromPlace(const CLieu& place);
    // The place with its coordinates converted from packed to degrees/radians.
    CLieu toPlace() const;

    // The five column texts of a list row: name, "%7.2f" + E/W, "%7.2f" + S/N,
    // "%+5d", "  oui"/"  non".
    QStringList rowTexts() const;
    // Reads a row back; the coordinates keep whole minutes of arc.
    static PlaceFields fromRowTexts(const QStringList& texts);
};

// The fields of a new place: the computer's time zone (whole hours East) and
// whether it follows summer time.
PlaceFields newPlaceFields();

}  // namespace zarn
