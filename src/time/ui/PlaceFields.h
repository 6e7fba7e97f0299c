// SPDX-License-Identifier: GPL-3.0-or-later
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
    QString zoneName;  // a zone of the time-zone database, or empty: the fixed zone

    static PlaceFields fromPlace(const CLieu& place);
    // The place with its coordinates converted from packed to degrees/radians.
    CLieu toPlace() const;

    // The five column texts of a list row: name, "%7.2f" + E/W, "%7.2f" + S/N,
    // "%+5d" (or the zone's name), "  oui"/"  non".
    QStringList rowTexts() const;
    // Reads a row back; the coordinates keep whole minutes of arc.
    static PlaceFields fromRowTexts(const QStringList& texts);
};

// The fields of a new place: the computer's zone of the database (TZ, or
// /etc/localtime) with its nearest whole-hour zone and whether it changes its
// clock this year; without a zone name, Qt's offsets of the system zone.
PlaceFields newPlaceFields();

// The text "Fuseau fixe" that stands for no zone name in the dialog.
QString fixedZoneText();

}  // namespace zarn
