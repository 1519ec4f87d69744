#include "model/ShownTexts.h"

#include "model/MapModel.h"
#include "readouts/ReadoutTexts.h"
#include "zones/TimeZones.h"

ClockTexts clockTexts(const MapModel &model)
{
    const QtZoneCalendar zone(model.timeZone());
    const LocalFields fields = zone.fieldsAt(model.shownInstant().toSecsSinceEpoch());
    return {QString::fromStdString(timeText(fields)), QString::fromStdString(dateText(fields))};
}

PlaceTexts placeTexts(const MapModel &model, const MapGeometry &geometry)
{
    // The place as the marker stands on the map: through its pixel position
    // and back, in single precision.
    const ZonePlace place = model.markerPlace();
    const float latitude = yToLatitude(latitudeToY(place.latitude, geometry), geometry);
    const float longitude = xToLongitude(longitudeToX(place.longitude, geometry), geometry);
    const QtZoneCalendar zone(model.timeZone());
    const SunTexts sun =
        sunTexts(model.shownInstant().toSecsSinceEpoch(), zone, latitude, longitude);
    return {QString::fromStdString(sun.sunrise), QString::fromStdString(sun.sunset),
            QString::fromStdString(latitudeText(latitude)),
            QString::fromStdString(longitudeText(longitude))};
}
