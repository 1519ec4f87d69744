#pragma once

#include "astro/GeoPoint.h"
#include "mapcore/MapProjection.h"

#include <QString>
#include <QtGlobal>

#include <array>
#include <optional>

/// Where a view stands until the user chooses a centre.
enum class DefaultCentre
{
    Greenwich,   ///< the world maps, as atlases draw them
    SelectedZone ///< the views about one place
};

/// Everything the program knows of a view besides its arithmetic: the
/// command line's name, which is also how the preferences store it, the
/// View menu's title, translated in the context "MapView", and its centre
/// until one is chosen.
struct MapViewInfo
{
    MapView view;
    const char *name;
    const char *title;
    DefaultCentre centre;
    const char *shortcut; ///< in the window, in QKeySequence's portable form
};

inline constexpr std::array kMapViews{
    MapViewInfo{MapView::PlateCarree, "plate-carree", QT_TRANSLATE_NOOP("MapView", "Flat Map"),
                DefaultCentre::Greenwich, "Ctrl+1"},
    MapViewInfo{MapView::Azimuthal, "azimuthal",
                QT_TRANSLATE_NOOP("MapView", "Distances and Directions from the Centre"),
                DefaultCentre::SelectedZone, "Ctrl+2"},
    MapViewInfo{MapView::Globe, "globe", QT_TRANSLATE_NOOP("MapView", "Globe"),
                DefaultCentre::SelectedZone, "Ctrl+3"},
    MapViewInfo{MapView::Robinson, "robinson", QT_TRANSLATE_NOOP("MapView", "Robinson"),
                DefaultCentre::Greenwich, "Ctrl+4"},
    MapViewInfo{MapView::Mollweide, "mollweide",
                QT_TRANSLATE_NOOP("MapView", "Mollweide (Equal Areas)"), DefaultCentre::Greenwich,
                "Ctrl+5"},
};

constexpr const MapViewInfo &viewInfo(MapView view)
{
    return kMapViews[std::size_t(view)];
}

static_assert([] {
    for (std::size_t i = 0; i < kMapViews.size(); ++i)
        if (std::size_t(kMapViews[i].view) != i)
            return false;
    return true;
}());

/// The view of that command-line name, if any.
std::optional<MapView> mapViewNamed(const QString &name);

/// "52.52,13.4": a centre as the command line takes it and the preferences
/// keep it; none unless two numbers within ±90 and ±180 are given.
std::optional<GeoPoint> parseCentre(const QString &text);
QString centreText(const GeoPoint &centre);
