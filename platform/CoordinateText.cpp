#include "platform/CoordinateText.h"

#include <QCoreApplication>
#include <QLocale>

#include <cmath>

namespace {

/// The number's size in the locale's digits, and whether it is below 0 once
/// rounded: -0.001 to two decimals is 0.00 and takes no minus, nor "S".
struct Magnitude
{
    QString digits;
    bool negative;
};

Magnitude magnitude(double value, int decimals)
{
    const double scale = std::pow(10.0, decimals);
    const bool negative = std::round(value * scale) < 0.0;
    // QLocale rounds halves away from 0, as std::lround does.
    return {QLocale().toString(std::fabs(value), 'f', decimals), negative};
}

} // namespace

QString shownLatitude(double latitudeDeg, int decimals)
{
    const Magnitude m = magnitude(latitudeDeg, decimals);
    if (m.negative)
        //: A latitude south of the equator: %1 its degrees, such as 33.87
        return QCoreApplication::translate("Coordinates", "%1° S").arg(m.digits);
    //: A latitude north of the equator: %1 its degrees, such as 52.52
    return QCoreApplication::translate("Coordinates", "%1° N").arg(m.digits);
}

QString shownLongitude(double longitudeDeg, int decimals)
{
    const Magnitude m = magnitude(longitudeDeg, decimals);
    if (m.negative)
        //: A longitude west of Greenwich: %1 its degrees, such as 74.01
        return QCoreApplication::translate("Coordinates", "%1° W").arg(m.digits);
    //: A longitude east of Greenwich: %1 its degrees, such as 13.40
    return QCoreApplication::translate("Coordinates", "%1° E").arg(m.digits);
}

QString shownCoordinates(const GeoPoint &point, int decimals)
{
    // Both at once: a translation that puts %2 first would otherwise read the
    // latitude's first digit as part of the number "%2".
    //: A place: %1 its latitude, %2 its longitude, such as 52.52° N and 13.40° E
    return QCoreApplication::translate("Coordinates", "%1, %2")
        .arg(shownLatitude(point.latitude, decimals), shownLongitude(point.longitude, decimals));
}

QString shownDegrees(double degrees, int decimals)
{
    const Magnitude m = magnitude(degrees, decimals);
    return m.negative ? QStringLiteral("\u2212") + m.digits : m.digits;
}

QString shownBearing(double bearingDeg)
{
    return QLocale().toString(((std::lround(bearingDeg) % 360) + 360) % 360);
}
