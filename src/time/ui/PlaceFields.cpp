// SPDX-License-Identifier: GPL-3.0-or-later
#include "time/ui/PlaceFields.h"

#include "time/Calendar.h"
#include "time/LegalOffset.h"
#include "time/ZoneDatabase.h"
#include "ui/MessageBoxes.h"

#include <QDateTime>
#include <QTimeZone>

#include <algorithm>
#include <cmath>

namespace zarn {

namespace {

QString coordinateText(double packed, char negative, char positive)
{
    return QString::asprintf("%7.2f%c", std::fabs(packed), packed < 0 ? negative : positive);
}

// "  2.20E" -> -2.20 for the letter that marks the negative side. The whole
// number is read, so 179.59W stays 179.59.
double readCoordinate(const QString& text, QChar negative)
{
    const QString t = text.trimmed();
    if (t.isEmpty())
        return 0.0;
    double v = 0.0;
    readNumber(t.left(t.size() - 1), v);
    return t.endsWith(negative) ? -v : v;
}

// The record's whole-hour zone of a zone name read back from a row.
int toPlaceZone(const QString& zoneName)
{
    if (!zoneKnown(zoneName.toStdString()))
        return 0;
    return placeOnZone(CLieu(), zoneName.toStdString(), QDate::currentDate().year()).zone();
}

}  // namespace

PlaceFields PlaceFields::fromPlace(const CLieu& place)
{
    PlaceFields f;
    f.name = QString::fromStdString(place.name());
    f.longitude = toPackedMinutes(place.longitude());
    f.latitude = toPackedMinutes(place.latitude() * kDegPerRad);
    f.zone = place.zone();
    f.summerTime = place.observesSummerTime() != 0;
    f.zoneName = QString::fromStdString(place.zoneName());
    return f;
}

CLieu PlaceFields::toPlace() const
{
    const CLieu place(name.toStdString(), fromPacked(longitude), fromPacked(latitude) * kRadPerDeg, zone,
                      summerTime ? 1 : 0);
    if (zoneName.isEmpty() || !zoneKnown(zoneName.toStdString()))
        return place;
    return placeOnZone(place, zoneName.toStdString(), QDate::currentDate().year());
}

QStringList PlaceFields::rowTexts() const
{
    return {name, coordinateText(longitude, 'E', 'W'), coordinateText(latitude, 'S', 'N'),
            zoneName.isEmpty() ? QString::asprintf("%+5d", zone) : zoneName,
            summerTime ? QStringLiteral("  oui") : QStringLiteral("  non")};
}

PlaceFields PlaceFields::fromRowTexts(const QStringList& texts)
{
    PlaceFields f;
    if (texts.size() < 5)
        return f;
    f.name = texts[0].trimmed();
    f.longitude = readCoordinate(texts[1], QLatin1Char('E'));
    f.latitude = readCoordinate(texts[2], QLatin1Char('S'));
    if (!readInteger(texts[3], f.zone)) {
        f.zoneName = texts[3].trimmed();
        f.zone = toPlaceZone(f.zoneName);
    }
    f.summerTime = texts[4].trimmed() == QStringLiteral("oui");
    return f;
}

QString fixedZoneText() { return QStringLiteral("Fuseau fixe"); }

PlaceFields newPlaceFields()
{
    PlaceFields f;
    const int year = QDate::currentDate().year();
    if (const std::string name = systemZoneName(); !name.empty()) {
        const CLieu on = placeOnZone(CLieu(), name, year);
        f.zoneName = QString::fromStdString(name);
        f.zone = on.zone();
        f.summerTime = on.observesSummerTime() != 0;
        return f;
    }
    // Qt's hasDaylightTime() is true for a zone that had summer time once
    // (Tokyo until 1951): whether the clock changes this year is what counts.
    const QTimeZone zone = QTimeZone::systemTimeZone();
    const QDateTime january(QDate(year, 1, 15), QTime(12, 0), Qt::UTC);
    const QDateTime july(QDate(year, 7, 15), QTime(12, 0), Qt::UTC);
    const int a = zone.offsetFromUtc(january);
    const int b = zone.offsetFromUtc(july);
    f.zone = static_cast<int>(std::lround(std::min(a, b) / 3600.0));
    f.summerTime = a != b;
    return f;
}

}  // namespace zarn
