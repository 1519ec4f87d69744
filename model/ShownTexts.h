#pragma once

#include "mapcore/MapGeometry.h"

#include <QString>

class MapModel;

/// The clock's texts for the model's shown instant in its zone.
struct ClockTexts
{
    QString time;
    QString date;
};
ClockTexts clockTexts(const MapModel &model);

/// The sun's and the place's texts for the marker as a map of this geometry
/// draws it.
struct PlaceTexts
{
    QString sunrise;
    QString sunset;
    QString latitude;
    QString longitude;
};
PlaceTexts placeTexts(const MapModel &model, const MapGeometry &geometry);
