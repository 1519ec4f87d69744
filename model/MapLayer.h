#pragma once

#include <QtGlobal>

#include <array>
#include <cstddef>

/// The layers drawn over the day and night map, each switched on and off on
/// its own.
enum class MapLayer
{
    Grid,
    Locations,
    LocationNames,
    Sun,
    Moon,
    TwilightLines,
    RangeRings,
    Paths,
    LocatorGrid,
    Eclipses,
    Satellites,
    Clouds,
    Aurora,
};

/// A menu title and the key that tells it apart for translators.
struct MenuTitle
{
    const char *text;
    const char *key;
};

/// Everything the program knows of a layer besides its drawing: every user of
/// a layer (the model, the preferences, the window's actions, the command
/// line and its help) loops over kMapLayers, so that a new layer is one row
/// here and its drawing function.
struct MapLayerInfo
{
    MapLayer layer;
    /// The preferences key that keeps the switch, as earlier versions stored it.
    const char *storedKey;
    bool shownByDefault;
    /// The command line's name: "grid" gives --grid and --no-grid. Null for a
    /// layer the command line does not offer.
    const char *option;
    /// What the option's --help line says it draws.
    const char *optionHelp;
    /// The action's title while the layer is hidden and while it is shown:
    /// the English text, translated in the context "Localizable" with the
    /// menu's old strings-table key beside it. Null for a layer with no action.
    MenuTitle showTitle;
    MenuTitle hideTitle;
    /// The layer's name in the preferences, translated in the context
    /// "MapLayer"; null for a layer with no action.
    const char *name;
    /// The action's shortcut, in QKeySequence's portable text; null for none.
    const char *shortcut;
    /// Whether the map's own menu lists the action at its top, as it always
    /// has; the others are in its submenu of more layers.
    bool atTopOfMapMenu;
};

inline constexpr std::array kMapLayers{
    MapLayerInfo{
        MapLayer::Grid, "ShowLatLon", false, "grid", "draw the latitude/longitude grid",
        //: Contextual menu item that shows the latitude/longitude grid
        QT_TRANSLATE_NOOP3("Localizable", "Show Latitude/Longitude Grid", "ShowLatLonGridLines"),
        //: Contextual menu item that hides the latitude/longitude grid
        QT_TRANSLATE_NOOP3("Localizable", "Hide Latitude/Longitude Grid", "HideLatLonGridLines"),
        QT_TRANSLATE_NOOP("MapLayer", "Latitude and longitude grid"), "Ctrl+Shift+G", true},
    MapLayerInfo{MapLayer::Locations, "ShowLocations", false, "locations", "draw the zones' places",
                 //: Contextual menu item that shows the squares at the time zones' reference places
                 QT_TRANSLATE_NOOP3("Localizable", "Show Locations", "ShowLocations"),
                 //: Contextual menu item that hides the squares at the time zones' reference places
                 QT_TRANSLATE_NOOP3("Localizable", "Hide Locations", "HideLocations"),
                 QT_TRANSLATE_NOOP("MapLayer", "Squares at the zones' places"), "Ctrl+Shift+L",
                 true},
    // Kept and stored as earlier versions did; nothing draws it.
    MapLayerInfo{MapLayer::LocationNames,
                 "ShowLocationNames",
                 false,
                 nullptr,
                 nullptr,
                 {},
                 {},
                 nullptr,
                 nullptr,
                 false},
    MapLayerInfo{MapLayer::Sun, "ShowSun", false, "sun", "mark the point under the Sun",
                 //: Contextual menu item that shows the sun symbol at the point under the Sun
                 QT_TRANSLATE_NOOP3("Localizable", "Show Sun", "ShowSun"),
                 //: Contextual menu item that hides the sun symbol at the point under the Sun
                 QT_TRANSLATE_NOOP3("Localizable", "Hide Sun", "HideSun"),
                 QT_TRANSLATE_NOOP("MapLayer", "Point under the Sun"), "Ctrl+Shift+U", false},
    MapLayerInfo{MapLayer::Moon, "ShowMoon", false, "moon",
                 "mark the point under the Moon, in its phase",
                 //: Contextual menu item that shows the Moon, in its phase, at the point under it
                 QT_TRANSLATE_NOOP3("Localizable", "Show Moon", "ShowMoon"),
                 //: Contextual menu item that hides the Moon, in its phase, at the point under it
                 QT_TRANSLATE_NOOP3("Localizable", "Hide Moon", "HideMoon"),
                 QT_TRANSLATE_NOOP("MapLayer", "Moon in its phase"), "Ctrl+Shift+M", false},
    MapLayerInfo{MapLayer::TwilightLines, "ShowTwilightLines", false, "twilight-lines",
                 "draw the sunset and twilight lines",
                 //: Contextual menu item that shows the lines of sunset and of civil, nautical
                 //: and astronomical twilight
                 QT_TRANSLATE_NOOP3("Localizable", "Show Twilight Lines", "ShowTwilightLines"),
                 //: Contextual menu item that hides the lines of sunset and of civil, nautical
                 //: and astronomical twilight
                 QT_TRANSLATE_NOOP3("Localizable", "Hide Twilight Lines", "HideTwilightLines"),
                 QT_TRANSLATE_NOOP("MapLayer", "Sunset and twilight lines"), "Ctrl+Shift+T", false},
    // Range rings: circles of equal distance about the centre, with the
    // bearings from it, as radio amateurs and pilots name them.
    MapLayerInfo{MapLayer::RangeRings, "ShowRangeRings", false, "range-rings",
                 "draw the range rings: every 1000 km about the view's centre, with "
                 "their distances and the bearings from it",
                 //: Menu item that shows the range rings: circles every 1000 km around the
                 //: centre of the view, and lines towards the compass directions
                 QT_TRANSLATE_NOOP3("Localizable", "Show Range Rings", "ShowRangeRings"),
                 //: Menu item that hides the range rings
                 QT_TRANSLATE_NOOP3("Localizable", "Hide Range Rings", "HideRangeRings"),
                 //: The layer of circles every 1000 km and bearings around the centre
                 QT_TRANSLATE_NOOP("MapLayer", "Range rings"), "Ctrl+Shift+R", false},
    // Draws nothing until both home and target are set.
    MapLayerInfo{MapLayer::Paths, "ShowPaths", true, "paths",
                 "draw the short path (solid) and the long path (dashed) from home to target",
                 //: Menu item that shows the great circle from the home place to the target
                 //: place: the short path solid, the long path dashed
                 QT_TRANSLATE_NOOP3("Localizable", "Show Paths to Target", "ShowPaths"),
                 //: Menu item that hides the paths from home to the target
                 QT_TRANSLATE_NOOP3("Localizable", "Hide Paths to Target", "HidePaths"),
                 QT_TRANSLATE_NOOP("MapLayer", "Short and long paths from home to target"),
                 "Ctrl+Shift+P", false},
    MapLayerInfo{MapLayer::LocatorGrid, "ShowLocatorGrid", false, "locator-grid",
                 "draw the Maidenhead locator grid: fields, and squares where the map is large",
                 //: Menu item that shows the grid of Maidenhead locators used by radio
                 //: amateurs: fields of 20 by 10 degrees labelled AA to RR
                 QT_TRANSLATE_NOOP3("Localizable", "Show Locator Grid", "ShowLocatorGrid"),
                 //: Menu item that hides the grid of Maidenhead locators
                 QT_TRANSLATE_NOOP3("Localizable", "Hide Locator Grid", "HideLocatorGrid"),
                 QT_TRANSLATE_NOOP("MapLayer", "Maidenhead locator grid"), "Ctrl+Shift+K", false},
    // Draws nothing unless an eclipse is under way or within a day.
    MapLayerInfo{MapLayer::Eclipses, "ShowEclipses", true, "eclipses",
                 "draw the Moon's shadow and the path of a solar eclipse, and where a lunar "
                 "eclipse is seen, while one is within a day",
                 //: Menu item that shows solar eclipses (the Moon's shadow on the Earth and the
                 //: path of totality) and where lunar eclipses are seen, while one is near
                 QT_TRANSLATE_NOOP3("Localizable", "Show Eclipses", "ShowEclipses"),
                 //: Menu item that hides the eclipses on the map
                 QT_TRANSLATE_NOOP3("Localizable", "Hide Eclipses", "HideEclipses"),
                 QT_TRANSLATE_NOOP("MapLayer", "Eclipses"), "Ctrl+Shift+E", false},
    // Draws nothing until an element file is read and one of its satellites chosen.
    MapLayerInfo{MapLayer::Satellites, "ShowSatellites", true, "satellite-layer",
                 "draw the chosen satellites: their places, tracks and footprints",
                 //: Menu item that shows the chosen satellites with their ground tracks and
                 //: the areas they can be seen from
                 QT_TRANSLATE_NOOP3("Localizable", "Show Satellites", "ShowSatellites"),
                 //: Menu item that hides the satellites
                 QT_TRANSLATE_NOOP3("Localizable", "Hide Satellites", "HideSatellites"),
                 QT_TRANSLATE_NOOP("MapLayer", "Satellites, their tracks and footprints"),
                 "Ctrl+Shift+S", false},
    // Both draw nothing until their file is given; --clouds FILE and
    // --aurora FILE give it on the command line.
    MapLayerInfo{MapLayer::Clouds, "ShowClouds", true, nullptr, nullptr,
                 //: Menu item that shows the clouds of the cloud map file
                 QT_TRANSLATE_NOOP3("Localizable", "Show Clouds", "ShowClouds"),
                 //: Menu item that hides the clouds of the cloud map file
                 QT_TRANSLATE_NOOP3("Localizable", "Hide Clouds", "HideClouds"),
                 QT_TRANSLATE_NOOP("MapLayer", "Clouds"), "Ctrl+Shift+C", false},
    MapLayerInfo{MapLayer::Aurora, "ShowAurora", true, nullptr, nullptr,
                 //: Menu item that shows the aurora forecast (the northern and southern lights)
                 QT_TRANSLATE_NOOP3("Localizable", "Show Aurora", "ShowAurora"),
                 //: Menu item that hides the aurora forecast
                 QT_TRANSLATE_NOOP3("Localizable", "Hide Aurora", "HideAurora"),
                 //: The layer of the forecast of the northern and southern lights
                 QT_TRANSLATE_NOOP("MapLayer", "Aurora forecast"), "Ctrl+Shift+A", false},
};
inline constexpr std::size_t kMapLayerCount = kMapLayers.size();

constexpr const MapLayerInfo &layerInfo(MapLayer layer)
{
    return kMapLayers[std::size_t(layer)];
}

// The table is indexed by the enumeration.
static_assert([] {
    for (std::size_t i = 0; i < kMapLayerCount; ++i)
        if (std::size_t(kMapLayers[i].layer) != i)
            return false;
    return true;
}());
