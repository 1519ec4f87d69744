<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="en">
<context>
    <name>Localizable</name>
    <message>
        <source>HideLatLonGridLines</source>
        <extracomment>Contextual menu item that hides the latitude/longitude grid</extracomment>
        <translation>Hide Latitude/Longitude Grid</translation>
    </message>
    <message>
        <source>ShowLatLonGridLines</source>
        <extracomment>Contextual menu item that shows the latitude/longitude grid</extracomment>
        <translation>Show Latitude/Longitude Grid</translation>
    </message>
    <message>
        <source>HideLocations</source>
        <extracomment>Contextual menu item that hides the squares at the time zones&apos; reference places</extracomment>
        <translation>Hide Locations</translation>
    </message>
    <message>
        <source>ShowLocations</source>
        <extracomment>Contextual menu item that shows the squares at the time zones&apos; reference places</extracomment>
        <translation>Show Locations</translation>
    </message>
    <message>
        <source>HideSun</source>
        <extracomment>Contextual menu item that hides the sun symbol at the point under the Sun</extracomment>
        <translation>Hide Sun</translation>
    </message>
    <message>
        <source>ShowSun</source>
        <extracomment>Contextual menu item that shows the sun symbol at the point under the Sun</extracomment>
        <translation>Show Sun</translation>
    </message>
    <message>
        <source>HideMoon</source>
        <extracomment>Contextual menu item that hides the Moon, in its phase, at the point under it</extracomment>
        <translation>Hide Moon</translation>
    </message>
    <message>
        <source>ShowMoon</source>
        <extracomment>Contextual menu item that shows the Moon, in its phase, at the point under it</extracomment>
        <translation>Show Moon</translation>
    </message>
    <message>
        <source>HideTwilightLines</source>
        <extracomment>Contextual menu item that hides the lines of sunset and of civil, nautical and astronomical twilight</extracomment>
        <translation>Hide Twilight Lines</translation>
    </message>
    <message>
        <source>ShowTwilightLines</source>
        <extracomment>Contextual menu item that shows the lines of sunset and of civil, nautical and astronomical twilight</extracomment>
        <translation>Show Twilight Lines</translation>
    </message>
    <message>
        <source>HideRangeRings</source>
        <extracomment>Contextual menu item that hides the rings every 1000 km and the bearings about the centre of the azimuthal view</extracomment>
        <translation>Hide Distance Rings</translation>
    </message>
    <message>
        <source>ShowRangeRings</source>
        <extracomment>Contextual menu item that shows the rings every 1000 km and the bearings about the centre of the azimuthal view</extracomment>
        <translation>Show Distance Rings</translation>
    </message>
</context>
</TS>
