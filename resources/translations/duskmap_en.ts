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
</context>
</TS>
