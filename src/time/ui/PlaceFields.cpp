#include "time/ui/PlaceFields.h"

#include "time/Calendar.h"
#include "ui/MessageBoxes.h"

#include <QDateTime>
#include <QTimeZone>

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

}  // namespace

PlaceFields PlaceFields::fromPlace(const CLieu& place)
{
    PlaceFields f;
    f.name = QString::fromStdString(place.name());
    f.longitude = toPackedMinutes(place.longitude());
    f.latitude = toPackedMinutes(place.latitude() * kDegPerRad);
    f.zone = place.zone();
    f.summerTime = place.observesSummerTime() != 0;
    return f;
}

CLieu PlaceFields::toPlace() const
{
    return CLieu(name.toStdString(), fromPacked(longitude), fromPacked(latitude) * kRadPerDeg, zone,
                 summerTime ? 1 : 0);
}

QStringList PlaceFields::rowTexts() const
{
    return {name, coordinateText(longitude, 'E', 'W'), coordinateText(latitude, 'S', 'N'),
            QString::asprintf("%+5d", zone), summerTime ? QStringLiteral("  oui") : QStringLiteral("  non")};
}

PlaceFields PlaceFields::fromRowTexts(const QStringList& texts)
{
    PlaceFields f;
    if (texts.size() < 5)
        return f;
    f.name = texts[0].trimmed();
    f.longitude = readCoordinate(texts[1], QLatin1Char('E'));
    f.latitude = readCoordinate(texts[2], QLatin1Char('S'));
    readInteger(texts[3], f.zone);
    f.summerTime = texts[4].trimmed() == QStringLiteral("oui");
    return f;
}

PlaceFields newPlaceFields()
{
    PlaceFields f;
    const QTimeZone zone = QTimeZone::systemTimeZone();
    const QDateTime now = QDateTime::currentDateTime();
    f.zone = zone.standardTimeOffset(now) / 3600;  // truncated, like the seconds-West rule
    f.summerTime = zone.hasDaylightTime();
    return f;
}

}  // namespace zarn
