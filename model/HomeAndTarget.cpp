#include "model/HomeAndTarget.h"

#include "model/MapModel.h"
#include "places/Locator.h"
#include "platform/Log.h"

#include <QCoreApplication>

#include <mutex>

places::PlaceResult placeNamedBy(const QString &text)
{
    const places::CityList &cities = places::CityList::shared();
    static std::once_flag logged;
    if (cities.empty()) {
        std::call_once(logged, [&cities] {
            logWarning(QString::fromStdString(cities.loadError()) +
                       QStringLiteral("; city names cannot be used as places"));
        });
    }
    return places::resolvePlace(text.toStdString(), cities);
}

QString placeEndTitle(PlaceEnd end)
{
    return QCoreApplication::translate("PlaceEnd", kPlaceEnds[std::size_t(end)].title);
}

QString coordinatesText(const GeoPoint &point)
{
    return QString::number(point.latitude, 'f', 4) + QLatin1Char(',') +
           QString::number(point.longitude, 'f', 4);
}

QString shownName(const ChosenPlace &chosen)
{
    const places::Place &place = chosen.place;
    if (!place.name.empty())
        return QString::fromStdString(place.name);
    const std::string typed = chosen.text.trimmed().toStdString();
    const bool typedLocator = places::locatorCentre(typed).has_value();
    return QString::fromStdString(
        places::locatorOf(place.point, typedLocator ? int(typed.size()) : 6));
}

QString translatedPlaceProblem(const std::string &problem)
{
    const std::size_t colon = problem.find(": ");
    const std::string phrase = problem.substr(0, colon);
    const QString translated = QCoreApplication::translate("PlaceProblem", phrase.c_str());
    return colon == std::string::npos ? translated
                                      : translated + QStringLiteral(": ") +
                                            QString::fromStdString(problem.substr(colon + 2));
}

PlaceEndSun placeEndSun(const MapModel &model, PlaceEnd end)
{
    const places::Place &place = model.place(end)->place;
    QTimeZone zone(QByteArray::fromStdString(place.zone));
    if (!zone.isValid())
        zone = QTimeZone::utc();
    PlaceEndSun sun;
    sun.local = model.shownInstant().toTimeZone(zone);
    const QDate date = sun.local.date();
    const double dayStart = double(QDateTime(date, QTime(0, 0), zone).toSecsSinceEpoch());
    const double dayEnd = double(QDateTime(date.addDays(1), QTime(0, 0), zone).toSecsSinceEpoch());
    const double elevation = end == PlaceEnd::Home ? model.homeElevation() : 0.0;
    sun.riseSet = astro::sunRiseSet(place.point, dayStart, dayEnd, elevation);
    sun.now = astro::sunHorizontal(place.point, double(model.shownInstant().toSecsSinceEpoch()));
    return sun;
}

std::vector<astro::TimeSpan> greyLineWindowsAhead(const MapModel &model)
{
    const auto &home = model.place(PlaceEnd::Home);
    const auto &target = model.place(PlaceEnd::Target);
    if (!home || !target)
        return {};
    const GreyLineBand band = model.greyLineBand();
    const double start = double(model.shownInstant().toSecsSinceEpoch());
    return astro::greyLineWindows(home->place.point, target->place.point, start, start + 86400.0,
                                  band.low, band.high);
}
