<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>ClockChange</name>
    <message>
        <source>%1 h</source>
        <extracomment>How far the clocks move: whole hours (&quot;1 h&quot;)</extracomment>
        <translation>%1 Std.</translation>
    </message>
    <message>
        <source>%1%2 min</source>
        <extracomment>How far the clocks move: minutes, after any hours (&quot;30 min&quot;)</extracomment>
        <translation>%1%2 Min.</translation>
    </message>
    <message>
        <source>Clocks go forward %1 on %2 at %3</source>
        <extracomment>%1: how far (&quot;1 h&quot;), %2: the date, %3: the time on the clocks before the change</extracomment>
        <translation>Die Uhren werden am %2 um %3 um %1 vorgestellt</translation>
    </message>
    <message>
        <source>Clocks go back %1 on %2 at %3</source>
        <extracomment>%1: how far (&quot;1 h&quot;), %2: the date, %3: the time on the clocks before the change</extracomment>
        <translation>Die Uhren werden am %2 um %3 um %1 zurückgestellt</translation>
    </message>
</context>
<context>
    <name>Coordinates</name>
    <message>
        <source>%1° S</source>
        <extracomment>A latitude south of the equator: %1 its degrees, such as 33.87</extracomment>
        <translation>%1° S</translation>
    </message>
    <message>
        <source>%1° N</source>
        <extracomment>A latitude north of the equator: %1 its degrees, such as 52.52</extracomment>
        <translation>%1° N</translation>
    </message>
    <message>
        <source>%1° W</source>
        <extracomment>A longitude west of Greenwich: %1 its degrees, such as 74.01</extracomment>
        <translation>%1° W</translation>
    </message>
    <message>
        <source>%1° E</source>
        <extracomment>A longitude east of Greenwich: %1 its degrees, such as 13.40</extracomment>
        <translation>%1° O</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <extracomment>A place: %1 its latitude, %2 its longitude, such as 52.52° N and 13.40° E</extracomment>
        <translation>%1, %2</translation>
    </message>
</context>
<context>
    <name>EclipsePath</name>
    <message>
        <source>%1 UT</source>
        <extracomment>A time in UT beside the central line of a solar eclipse&apos;s path on the map</extracomment>
        <translation>%1 UT</translation>
    </message>
    <message>
        <source>%1 %</source>
        <extracomment>Beside a line of the Moon&apos;s shadow on the map: the part of the Sun&apos;s diameter the Moon hides along it, in per cent</extracomment>
        <translation>%1 %</translation>
    </message>
    <message>
        <source>All of totality seen</source>
        <extracomment>On the map where all of a lunar eclipse&apos;s totality can be seen</extracomment>
        <translation>Ganze Totalität sichtbar</translation>
    </message>
    <message>
        <source>All of the eclipse seen</source>
        <extracomment>On the map where all of a partial or penumbral lunar eclipse can be seen</extracomment>
        <translation>Ganze Finsternis sichtbar</translation>
    </message>
    <message>
        <source>Moon rises during the eclipse</source>
        <extracomment>On the map where the Moon rises while a lunar eclipse is under way</extracomment>
        <translation>Mond geht während der Finsternis auf</translation>
    </message>
    <message>
        <source>Moon sets during the eclipse</source>
        <extracomment>On the map where the Moon sets while a lunar eclipse is under way</extracomment>
        <translation>Mond geht während der Finsternis unter</translation>
    </message>
    <message>
        <source>Eclipse not seen</source>
        <extracomment>On the map where a lunar eclipse cannot be seen: the Moon is down throughout</extracomment>
        <translation>Finsternis nicht sichtbar</translation>
    </message>
</context>
<context>
    <name>EclipsesDialog</name>
    <message>
        <source>Total lunar</source>
        <translation>Totale Mondfinsternis</translation>
    </message>
    <message>
        <source>Partial lunar</source>
        <translation>Partielle Mondfinsternis</translation>
    </message>
    <message>
        <source>Penumbral lunar</source>
        <translation>Halbschatten-Mondfinsternis</translation>
    </message>
    <message>
        <source>Total solar</source>
        <translation>Totale Sonnenfinsternis</translation>
    </message>
    <message>
        <source>Annular solar</source>
        <translation>Ringförmige Sonnenfinsternis</translation>
    </message>
    <message>
        <source>Hybrid solar</source>
        <translation>Hybride Sonnenfinsternis</translation>
    </message>
    <message>
        <source>Partial solar</source>
        <translation>Partielle Sonnenfinsternis</translation>
    </message>
    <message>
        <source>%1 min %2 s</source>
        <extracomment>A duration of totality or annularity: %1 minutes, %2 seconds</extracomment>
        <translation>%1 min %2 s</translation>
    </message>
    <message>
        <source>Eclipses</source>
        <translation>Finsternisse</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Art</translation>
    </message>
    <message>
        <source>Greatest (UT)</source>
        <translation>Maximum (UT)</translation>
    </message>
    <message>
        <source>Place of greatest</source>
        <translation>Ort des Maximums</translation>
    </message>
    <message>
        <source>Duration</source>
        <translation>Dauer</translation>
    </message>
    <message>
        <source>Magnitude</source>
        <translation>Größe</translation>
    </message>
    <message>
        <source>Seen from home</source>
        <translation>Von zu Hause sichtbar</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Ja</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Nein</translation>
    </message>
    <message>
        <source>&amp;Go There</source>
        <extracomment>Shows the eclipse chosen in the list at its greatest</extracomment>
        <translation>&amp;Hingehen</translation>
    </message>
    <message>
        <source>Eclipses from %1 to %2</source>
        <extracomment>The list&apos;s name for screen readers: %1 and %2 the first and last years it covers</extracomment>
        <translation>Finsternisse von %1 bis %2</translation>
    </message>
</context>
<context>
    <name>ElementProblem</name>
    <message>
        <source>a bad checksum</source>
        <extracomment>Why a satellite&apos;s orbital elements in a file were not used</extracomment>
        <translation>eine falsche Prüfsumme</translation>
    </message>
    <message>
        <source>a malformed line</source>
        <translation>eine fehlerhafte Zeile</translation>
    </message>
    <message>
        <source>a value that is not a number</source>
        <translation>ein Wert, der keine Zahl ist</translation>
    </message>
    <message>
        <source>a missing line</source>
        <translation>eine fehlende Zeile</translation>
    </message>
    <message>
        <source>lines of two different satellites</source>
        <translation>Zeilen zweier verschiedener Satelliten</translation>
    </message>
    <message>
        <source>a bad catalogue number</source>
        <translation>eine falsche Katalognummer</translation>
    </message>
    <message>
        <source>a missing field</source>
        <translation>ein fehlendes Feld</translation>
    </message>
    <message>
        <source>an impossible value</source>
        <translation>ein unmöglicher Wert</translation>
    </message>
    <message>
        <source>not element sets nor OMM</source>
        <translation>weder Bahnelemente noch OMM</translation>
    </message>
    <message>
        <source>larger than 50 MB</source>
        <translation>größer als 50 MB</translation>
    </message>
    <message>
        <source>missing or not readable</source>
        <translation>fehlt oder ist nicht lesbar</translation>
    </message>
    <message>
        <source>JSON or XML that does not parse</source>
        <translation>JSON oder XML, das sich nicht lesen lässt</translation>
    </message>
    <message>
        <source>Cannot read the satellites&apos; elements in %1: %2</source>
        <translation>Die Bahnelemente der Satelliten in %1 sind nicht lesbar: %2</translation>
    </message>
    <message numerus="yes">
        <source>Skipped %n record(s) in %1, the first on line %2: %3</source>
        <translation>
            <numerusform>%n Datensatz in %1 übersprungen, der erste in Zeile %2: %3</numerusform>
            <numerusform>%n Datensätze in %1 übersprungen, der erste in Zeile %2: %3</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>FactsPanel</name>
    <message>
        <source>Paths from home to target</source>
        <extracomment>What a screen reader calls the row&apos;s line of the paths from home to target</extracomment>
        <translation>Wege vom Heimatort zum Ziel</translation>
    </message>
    <message>
        <source>Unpin %1</source>
        <translation>%1 lösen</translation>
    </message>
    <message>
        <source>Next satellite passes over home</source>
        <extracomment>What a screen reader calls the row&apos;s line of the satellites&apos; next passes over home</extracomment>
        <translation>Nächste Satellitenüberflüge über dem Zuhause</translation>
    </message>
</context>
<context>
    <name>GoToDateDialog</name>
    <message>
        <source>Go to Date and Time</source>
        <translation>Gehe zu Datum und Uhrzeit</translation>
    </message>
    <message>
        <source>YYYY-MM-DD HH:MM:SS</source>
        <extracomment>The form a date and time is typed in; keep the order and the punctuation</extracomment>
        <translation>JJJJ-MM-TT HH:MM:SS</translation>
    </message>
    <message>
        <source>Date and time</source>
        <translation>Datum und Uhrzeit</translation>
    </message>
    <message>
        <source>About the date and time</source>
        <translation>Hinweis zu Datum und Uhrzeit</translation>
    </message>
    <message>
        <source>Date and time in %1:</source>
        <translation>Datum und Uhrzeit in %1:</translation>
    </message>
    <message>
        <source>Type a date and time as 2027-06-21 22:00:00.</source>
        <translation>Geben Sie Datum und Uhrzeit wie 2027-06-21 22:00:00 ein.</translation>
    </message>
    <message>
        <source>The map shows times from %1 to %2 here.</source>
        <translation>Die Karte zeigt hier Zeiten von %1 bis %2.</translation>
    </message>
    <message>
        <source>The clocks go forward that night and skip this time: the map shows %1, %2 later.</source>
        <translation>In dieser Nacht werden die Uhren vorgestellt und überspringen diese Zeit: Die Karte zeigt %1, %2 später.</translation>
    </message>
    <message>
        <source>The clocks go back that night and this time comes twice: the map shows the first, %1.</source>
        <translation>In dieser Nacht werden die Uhren zurückgestellt und diese Zeit kommt zweimal vor: Die Karte zeigt die erste, %1.</translation>
    </message>
</context>
<context>
    <name>Localizable</name>
    <message>
        <source>Show Latitude/Longitude Grid</source>
        <comment>ShowLatLonGridLines</comment>
        <extracomment>Contextual menu item that shows the latitude/longitude grid</extracomment>
        <translation>Längen- und Breitengrade anzeigen</translation>
    </message>
    <message>
        <source>Hide Latitude/Longitude Grid</source>
        <comment>HideLatLonGridLines</comment>
        <extracomment>Contextual menu item that hides the latitude/longitude grid</extracomment>
        <translation>Längen- und Breitengrade ausblenden</translation>
    </message>
    <message>
        <source>Show Locations</source>
        <comment>ShowLocations</comment>
        <extracomment>Contextual menu item that shows the squares at the time zones&apos; reference places</extracomment>
        <translation>Orte anzeigen</translation>
    </message>
    <message>
        <source>Hide Locations</source>
        <comment>HideLocations</comment>
        <extracomment>Contextual menu item that hides the squares at the time zones&apos; reference places</extracomment>
        <translation>Orte ausblenden</translation>
    </message>
    <message>
        <source>Show Sun</source>
        <comment>ShowSun</comment>
        <extracomment>Contextual menu item that shows the sun symbol at the point under the Sun</extracomment>
        <translation>Sonne anzeigen</translation>
    </message>
    <message>
        <source>Hide Sun</source>
        <comment>HideSun</comment>
        <extracomment>Contextual menu item that hides the sun symbol at the point under the Sun</extracomment>
        <translation>Sonne ausblenden</translation>
    </message>
    <message>
        <source>Show Moon</source>
        <comment>ShowMoon</comment>
        <extracomment>Contextual menu item that shows the Moon, in its phase, at the point under it</extracomment>
        <translation>Mond anzeigen</translation>
    </message>
    <message>
        <source>Hide Moon</source>
        <comment>HideMoon</comment>
        <extracomment>Contextual menu item that hides the Moon, in its phase, at the point under it</extracomment>
        <translation>Mond ausblenden</translation>
    </message>
    <message>
        <source>Show Twilight Lines</source>
        <comment>ShowTwilightLines</comment>
        <extracomment>Contextual menu item that shows the lines of sunset and of civil, nautical and astronomical twilight</extracomment>
        <translation>Dämmerungslinien anzeigen</translation>
    </message>
    <message>
        <source>Hide Twilight Lines</source>
        <comment>HideTwilightLines</comment>
        <extracomment>Contextual menu item that hides the lines of sunset and of civil, nautical and astronomical twilight</extracomment>
        <translation>Dämmerungslinien ausblenden</translation>
    </message>
    <message>
        <source>Show Paths to Target</source>
        <comment>ShowPaths</comment>
        <extracomment>Menu item that shows the great circle from the home place to the target place: the short path solid, the long path dashed</extracomment>
        <translation>Wege zum Ziel anzeigen</translation>
    </message>
    <message>
        <source>Hide Paths to Target</source>
        <comment>HidePaths</comment>
        <extracomment>Menu item that hides the paths from home to the target</extracomment>
        <translation>Wege zum Ziel ausblenden</translation>
    </message>
    <message>
        <source>Show Locator Grid</source>
        <comment>ShowLocatorGrid</comment>
        <extracomment>Menu item that shows the grid of Maidenhead locators used by radio amateurs: fields of 20 by 10 degrees labelled AA to RR</extracomment>
        <translation>Locator-Gitter anzeigen</translation>
    </message>
    <message>
        <source>Hide Locator Grid</source>
        <comment>HideLocatorGrid</comment>
        <extracomment>Menu item that hides the grid of Maidenhead locators</extracomment>
        <translation>Locator-Gitter ausblenden</translation>
    </message>
    <message>
        <source>Show Range Rings</source>
        <comment>ShowRangeRings</comment>
        <extracomment>Menu item that shows the range rings: circles every 1000 km around the centre of the view, and lines towards the compass directions</extracomment>
        <translation>Entfernungsringe anzeigen</translation>
    </message>
    <message>
        <source>Hide Range Rings</source>
        <comment>HideRangeRings</comment>
        <extracomment>Menu item that hides the range rings</extracomment>
        <translation>Entfernungsringe ausblenden</translation>
    </message>
    <message>
        <source>Show Eclipses</source>
        <comment>ShowEclipses</comment>
        <extracomment>Menu item that shows solar eclipses (the Moon&apos;s shadow on the Earth and the path of totality) and where lunar eclipses are seen, while one is near</extracomment>
        <translation>Finsternisse zeigen</translation>
    </message>
    <message>
        <source>Hide Eclipses</source>
        <comment>HideEclipses</comment>
        <extracomment>Menu item that hides the eclipses on the map</extracomment>
        <translation>Finsternisse ausblenden</translation>
    </message>
    <message>
        <source>Show Satellites</source>
        <comment>ShowSatellites</comment>
        <extracomment>Menu item that shows the chosen satellites with their ground tracks and the areas they can be seen from</extracomment>
        <translation>Satelliten einblenden</translation>
    </message>
    <message>
        <source>Hide Satellites</source>
        <comment>HideSatellites</comment>
        <extracomment>Menu item that hides the satellites</extracomment>
        <translation>Satelliten ausblenden</translation>
    </message>
    <message>
        <source>Show Clouds</source>
        <comment>ShowClouds</comment>
        <extracomment>Menu item that shows the clouds of the cloud map file</extracomment>
        <translation>Wolken anzeigen</translation>
    </message>
    <message>
        <source>Hide Clouds</source>
        <comment>HideClouds</comment>
        <extracomment>Menu item that hides the clouds of the cloud map file</extracomment>
        <translation>Wolken ausblenden</translation>
    </message>
    <message>
        <source>Show Aurora</source>
        <comment>ShowAurora</comment>
        <extracomment>Menu item that shows the aurora forecast (the northern and southern lights)</extracomment>
        <translation>Polarlicht anzeigen</translation>
    </message>
    <message>
        <source>Hide Aurora</source>
        <comment>HideAurora</comment>
        <extracomment>Menu item that hides the aurora forecast</extracomment>
        <translation>Polarlicht ausblenden</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Time zone</source>
        <translation>Zeitzone</translation>
    </message>
    <message>
        <source>Time</source>
        <extracomment>Name of the clock readout, as a screen reader says it</extracomment>
        <translation>Uhrzeit</translation>
    </message>
    <message>
        <source>Date</source>
        <extracomment>Name of the date readout, as a screen reader says it</extracomment>
        <translation>Datum</translation>
    </message>
    <message>
        <source>Switch between the small and the large map</source>
        <translation>Zwischen kleiner und großer Karte wechseln</translation>
    </message>
    <message>
        <source>Zoom</source>
        <extracomment>Button: switch between the small and the large map</extracomment>
        <translation>Zoom</translation>
    </message>
    <message>
        <source>Save the map as a JPEG image</source>
        <translation>Die Karte als JPEG-Bild speichern</translation>
    </message>
    <message>
        <source>Save as JPEG</source>
        <translation>Als JPEG speichern</translation>
    </message>
    <message>
        <source>Save…</source>
        <translation>Speichern …</translation>
    </message>
    <message>
        <source>Sunrise</source>
        <translation>Sonnenaufgang</translation>
    </message>
    <message>
        <source>Sunset</source>
        <translation>Sonnenuntergang</translation>
    </message>
    <message>
        <source>Latitude</source>
        <translation>Breite</translation>
    </message>
    <message>
        <source>Longitude</source>
        <translation>Länge</translation>
    </message>
    <message>
        <source>Shown time</source>
        <translation>Angezeigte Zeit</translation>
    </message>
    <message>
        <source>Time:</source>
        <extracomment>Label of the slider that moves the shown time</extracomment>
        <translation>Zeit:</translation>
    </message>
    <message>
        <source>Time from now</source>
        <translation>Abstand zu jetzt</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Abspielen</translation>
    </message>
    <message>
        <source>Show the map as it is now</source>
        <translation>Die Karte wie jetzt anzeigen</translation>
    </message>
    <message>
        <source>Now</source>
        <extracomment>Button: show the map at the present moment</extracomment>
        <translation>Jetzt</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Ansicht</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>&amp;Time</source>
        <extracomment>Menu that moves the shown time: later, earlier, now, play</extracomment>
        <translation>&amp;Zeit</translation>
    </message>
    <message>
        <source>&amp;Save as JPEG…</source>
        <translation>Als JPEG &amp;speichern …</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>&amp;Zoom</source>
        <translation>&amp;Zoom</translation>
    </message>
    <message>
        <source>&amp;Full Screen</source>
        <translation>&amp;Vollbild</translation>
    </message>
    <message>
        <source>Open the Map&apos;s Menu</source>
        <translation>Menü der Karte öffnen</translation>
    </message>
    <message>
        <source>&amp;Keyboard Shortcuts</source>
        <translation>&amp;Tastenkürzel</translation>
    </message>
    <message>
        <source>&amp;About Duskmap</source>
        <translation>Ü&amp;ber Duskmap</translation>
    </message>
    <message>
        <source>&amp;Settings</source>
        <translation>&amp;Einstellungen</translation>
    </message>
    <message>
        <source>&amp;Preferences…</source>
        <translation>&amp;Einstellungen …</translation>
    </message>
    <message>
        <source>Keyboard Shortcuts</source>
        <translation>Tastenkürzel</translation>
    </message>
    <message>
        <source>Keyboard shortcuts</source>
        <translation>Tastenkürzel</translation>
    </message>
    <message>
        <source>Action</source>
        <extracomment>Column headings of the list of keyboard shortcuts: what the keys do, and the keys</extracomment>
        <translation>Aktion</translation>
    </message>
    <message>
        <source>Shortcut</source>
        <translation>Tastenkürzel</translation>
    </message>
    <message>
        <source> or </source>
        <extracomment>Between two keyboard shortcuts of one action</extracomment>
        <translation> oder </translation>
    </message>
    <message>
        <source>Next clock change</source>
        <translation>Nächste Zeitumstellung</translation>
    </message>
    <message>
        <source>Could not save the map to &quot;%1&quot;: %2</source>
        <translation>Die Karte konnte nicht als „%1“ gespeichert werden: %2</translation>
    </message>
    <message>
        <source>JPEG images (*.jpg)</source>
        <translation>JPEG-Bilder (*.jpg)</translation>
    </message>
    <message>
        <source>About Duskmap</source>
        <translation>Über Duskmap</translation>
    </message>
    <message>
        <source>&lt;h3&gt;Duskmap %1&lt;/h3&gt;&lt;p&gt;A world map of day, twilight and night, with a clock for a time zone of your choice.&lt;/p&gt;&lt;p&gt;Map images: NASA Visible Earth (&quot;Blue Marble&quot; and &quot;Earth at Night&quot;, NASA Goddard Space Flight Center), public domain.&lt;/p&gt;&lt;p&gt;Time zones and their places: the IANA tz database (public domain).&lt;/p&gt;&lt;p&gt;Duskmap is free software: you can redistribute it and/or modify it under the terms of the GNU General Public License as published by the Free Software Foundation, either version 3 of the License, or (at your option) any later version. It comes with no warranty.&lt;/p&gt;</source>
        <translation>&lt;h3&gt;Duskmap %1&lt;/h3&gt;&lt;p&gt;Eine Weltkarte von Tag, Dämmerung und Nacht, mit einer Uhr für eine Zeitzone Ihrer Wahl.&lt;/p&gt;&lt;p&gt;Kartenbilder: NASA Visible Earth („Blue Marble“ und „Earth at Night“, NASA Goddard Space Flight Center), gemeinfrei.&lt;/p&gt;&lt;p&gt;Zeitzonen und ihre Orte: die IANA-tz-Datenbank (gemeinfrei).&lt;/p&gt;&lt;p&gt;Duskmap ist freie Software: Sie können sie unter den Bedingungen der GNU General Public License, wie von der Free Software Foundation veröffentlicht, weitergeben und/oder ändern, entweder gemäß Version 3 der Lizenz oder (nach Ihrer Wahl) jeder späteren Version. Sie wird ohne jede Gewährleistung bereitgestellt.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <comment>a readout and its value</comment>
        <extracomment>What a screen reader says for a readout: its name, then its value</extracomment>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>&amp;Projection</source>
        <translation>&amp;Projektion</translation>
    </message>
    <message>
        <source>&amp;Centre On</source>
        <translation>&amp;Zentrieren auf</translation>
    </message>
    <message>
        <source>Selected Zone</source>
        <translation>Gewählte Zeitzone</translation>
    </message>
    <message>
        <source>North Pole</source>
        <translation>Nordpol</translation>
    </message>
    <message>
        <source>South Pole</source>
        <translation>Südpol</translation>
    </message>
    <message>
        <source>Home</source>
        <extracomment>View → Centre On: the home place the user keeps (in the preferences or given with --home)</extracomment>
        <translation>Heimatort</translation>
    </message>
    <message>
        <source>&lt;p&gt;Cities: GeoNames (geonames.org), under the Creative Commons Attribution 4.0 licence.&lt;/p&gt;</source>
        <translation>&lt;p&gt;Städte: GeoNames (geonames.org), unter der Lizenz Creative Commons Namensnennung 4.0.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>Default Centre</source>
        <extracomment>View → Centre On: where the view stands until another centre is chosen: Greenwich for the world maps, the selected zone for the azimuthal view and the globe</extracomment>
        <translation>Standardmitte</translation>
    </message>
    <message>
        <source>Move &amp;West</source>
        <translation>Nach &amp;Westen</translation>
    </message>
    <message>
        <source>Move &amp;East</source>
        <translation>Nach &amp;Osten</translation>
    </message>
    <message>
        <source>Move &amp;North</source>
        <translation>Nach &amp;Norden</translation>
    </message>
    <message>
        <source>Move &amp;South</source>
        <translation>Nach &amp;Süden</translation>
    </message>
    <message>
        <source>&lt;p&gt;Eclipses: the Swiss Ephemeris (Astrodienst AG) with its JPL-based files, under the GNU Affero General Public License 3.0.&lt;/p&gt;</source>
        <translation>&lt;p&gt;Finsternisse: die Swiss Ephemeris (Astrodienst AG) mit ihren auf JPL beruhenden Dateien, unter der GNU Affero General Public License 3.0.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>Satellite Passes</source>
        <translation>Satellitenüberflüge</translation>
    </message>
    <message>
        <source>Choose an element file and its satellites in the preferences.</source>
        <translation>Wählen Sie in den Einstellungen eine Datei mit Bahnelementen und deren Satelliten.</translation>
    </message>
    <message>
        <source>Set a home place in the preferences to see the passes over it.</source>
        <translation>Legen Sie in den Einstellungen einen Heimatort fest, um die Überflüge zu sehen.</translation>
    </message>
    <message>
        <source>Passes over %1 in the next 3 days, above %2°, times in %3. Visible: sunlit while home is in the dark.</source>
        <extracomment>Above the list of passes: %1 the home place, %2 the elevation mask, %3 the time zone</extracomment>
        <translation>Überflüge über %1 in den nächsten 3 Tagen, über %2°, Zeiten in %3. Sichtbar: von der Sonne beschienen, während es zu Hause dunkel ist.</translation>
    </message>
    <message>
        <source>Satellite passes</source>
        <translation>Satellitenüberflüge</translation>
    </message>
    <message>
        <source>Satellite</source>
        <extracomment>Column headings of the list of satellite passes</extracomment>
        <translation>Satellit</translation>
    </message>
    <message>
        <source>Rise</source>
        <translation>Aufgang</translation>
    </message>
    <message>
        <source>Azimuth</source>
        <translation>Azimut</translation>
    </message>
    <message>
        <source>Culmination</source>
        <translation>Höchststand</translation>
    </message>
    <message>
        <source>Elevation</source>
        <translation>Höhe</translation>
    </message>
    <message>
        <source>Set</source>
        <translation>Untergang</translation>
    </message>
    <message>
        <source>Visible</source>
        <translation>Sichtbar</translation>
    </message>
    <message>
        <source>yes</source>
        <translation>ja</translation>
    </message>
    <message>
        <source>no</source>
        <translation>nein</translation>
    </message>
    <message>
        <source>&amp;Satellite Passes…</source>
        <extracomment>Menu item that opens the list of the chosen satellites&apos; next passes over home</extracomment>
        <translation>&amp;Satellitenüberflüge…</translation>
    </message>
    <message>
        <source>Elements</source>
        <extracomment>Column heading: how old each satellite&apos;s orbital elements are</extracomment>
        <translation>Bahnelemente</translation>
    </message>
    <message>
        <source>Azimuth at rise</source>
        <translation>Azimut beim Aufgang</translation>
    </message>
    <message>
        <source>Greatest elevation</source>
        <translation>Größte Höhe</translation>
    </message>
    <message>
        <source>Azimuth at set</source>
        <translation>Azimut beim Untergang</translation>
    </message>
</context>
<context>
    <name>MapLayer</name>
    <message>
        <source>Latitude and longitude grid</source>
        <translation>Längen- und Breitengrade</translation>
    </message>
    <message>
        <source>Squares at the zones&apos; places</source>
        <translation>Quadrate an den Orten der Zonen</translation>
    </message>
    <message>
        <source>Point under the Sun</source>
        <translation>Punkt unter der Sonne</translation>
    </message>
    <message>
        <source>Moon in its phase</source>
        <translation>Mond in seiner Phase</translation>
    </message>
    <message>
        <source>Sunset and twilight lines</source>
        <translation>Linien von Sonnenuntergang und Dämmerung</translation>
    </message>
    <message>
        <source>Short and long paths from home to target</source>
        <translation>Kurzer und langer Weg vom Heimatort zum Ziel</translation>
    </message>
    <message>
        <source>Maidenhead locator grid</source>
        <translation>Maidenhead-Locator-Gitter</translation>
    </message>
    <message>
        <source>Range rings</source>
        <extracomment>The layer of circles every 1000 km and bearings around the centre</extracomment>
        <translation>Entfernungsringe</translation>
    </message>
    <message>
        <source>Eclipses</source>
        <translation>Finsternisse</translation>
    </message>
    <message>
        <source>Satellites, their tracks and footprints</source>
        <translation>Satelliten, ihre Bahnspuren und Ausleuchtzonen</translation>
    </message>
    <message>
        <source>Clouds</source>
        <translation>Wolken</translation>
    </message>
    <message>
        <source>Aurora forecast</source>
        <extracomment>The layer of the forecast of the northern and southern lights</extracomment>
        <translation>Polarlichtvorhersage</translation>
    </message>
</context>
<context>
    <name>MapView</name>
    <message>
        <source>Flat Map</source>
        <translation>Flache Karte</translation>
    </message>
    <message>
        <source>Distances and Directions from the Centre</source>
        <translation>Entfernungen und Richtungen vom Mittelpunkt</translation>
    </message>
    <message>
        <source>Globe</source>
        <translation>Globus</translation>
    </message>
    <message>
        <source>Robinson</source>
        <translation>Robinson</translation>
    </message>
    <message>
        <source>Mollweide (Equal Areas)</source>
        <translation>Mollweide (flächentreu)</translation>
    </message>
</context>
<context>
    <name>MapWidget</name>
    <message>
        <source>Day and night map</source>
        <translation>Tag-und-Nacht-Karte</translation>
    </message>
    <message>
        <source>More Zones</source>
        <translation>Weitere Zonen</translation>
    </message>
    <message>
        <source>Contextual Menu</source>
        <translation>Kontextmenü</translation>
    </message>
    <message>
        <source>Pin</source>
        <extracomment>Submenu of the map&apos;s menu: keep a world clock for one of the nearby zones</extracomment>
        <translation>Anheften</translation>
    </message>
    <message>
        <source>More Layers</source>
        <translation>Weitere Ebenen</translation>
    </message>
    <message>
        <source>%1° %2</source>
        <translation>%1° %2</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <comment>latitude, longitude</comment>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>N</source>
        <comment>north</comment>
        <translation>N</translation>
    </message>
    <message>
        <source>S</source>
        <comment>south</comment>
        <translation>S</translation>
    </message>
    <message>
        <source>E</source>
        <comment>east</comment>
        <translation>O</translation>
    </message>
    <message>
        <source>W</source>
        <comment>west</comment>
        <translation>W</translation>
    </message>
    <message>
        <source>%1 · %2 km from the centre, bearing %3°</source>
        <translation>%1 · %2 km vom Mittelpunkt, Richtung %3°</translation>
    </message>
    <message>
        <source>Centre Map Here</source>
        <translation>Karte hier zentrieren</translation>
    </message>
    <message>
        <source>Set Home Here</source>
        <extracomment>Map menu: make the place clicked the home place</extracomment>
        <translation>Hier Heimatort festlegen</translation>
    </message>
    <message>
        <source>Set Target Here</source>
        <extracomment>Map menu: make the place clicked the target place, far end of the paths from home</extracomment>
        <translation>Hier Ziel festlegen</translation>
    </message>
</context>
<context>
    <name>PlaceEnd</name>
    <message>
        <source>Home</source>
        <extracomment>The user&apos;s own place, one end of the paths</extracomment>
        <translation>Heimatort</translation>
    </message>
    <message>
        <source>&amp;Home:</source>
        <translation>&amp;Heimatort:</translation>
    </message>
    <message>
        <source>Target</source>
        <extracomment>The far place the paths from home lead to</extracomment>
        <translation>Ziel</translation>
    </message>
    <message>
        <source>&amp;Target:</source>
        <translation>&amp;Ziel:</translation>
    </message>
</context>
<context>
    <name>PlaceField</name>
    <message>
        <source>A city, a locator such as JO62qm, or 52.52, 13.40</source>
        <extracomment>Placeholder of the home and target fields: the forms a place may be typed in</extracomment>
        <translation>Eine Stadt, ein Locator wie JO62qm oder 52.52, 13.40</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <comment>a state and its country</comment>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>%1, %2 · %3</source>
        <extracomment>A city in the list of cities of a name: %1 the city, %2 its country, %3 its time zone</extracomment>
        <translation>%1, %2 · %3</translation>
    </message>
</context>
<context>
    <name>PlaceProblem</name>
    <message>
        <source>city names are unavailable without the city list</source>
        <translation>ohne die Städteliste sind keine Stadtnamen verfügbar</translation>
    </message>
    <message>
        <source>no city of that name</source>
        <translation>keine Stadt dieses Namens</translation>
    </message>
    <message>
        <source>coordinates are not numbers</source>
        <translation>Koordinaten sind keine Zahlen</translation>
    </message>
    <message>
        <source>coordinates out of range (latitude -90 to 90, longitude -180 to 180)</source>
        <translation>Koordinaten außerhalb des Bereichs (Breite −90 bis 90, Länge −180 bis 180)</translation>
    </message>
    <message>
        <source>not a latitude and longitude in degrees, minutes and seconds</source>
        <translation>keine Breite und Länge in Grad, Minuten und Sekunden</translation>
    </message>
    <message>
        <source>no place given</source>
        <translation>kein Ort angegeben</translation>
    </message>
    <message>
        <source>not a Maidenhead locator of 4, 6 or 8 characters (like JO62qm)</source>
        <translation>kein Maidenhead-Locator mit 4, 6 oder 8 Zeichen (wie JO62qm)</translation>
    </message>
    <message>
        <source>not a latitude and longitude in degrees (like 52.52,13.40)</source>
        <translation>keine Breite und Länge in Grad (wie 52.52,13.40)</translation>
    </message>
    <message>
        <source>no city name given</source>
        <translation>kein Stadtname angegeben</translation>
    </message>
</context>
<context>
    <name>PreferencesDialog</name>
    <message>
        <source>Shown on the map</source>
        <translation>Auf der Karte angezeigt</translation>
    </message>
    <message>
        <source>World clocks</source>
        <translation>Weltuhren</translation>
    </message>
    <message>
        <source>Add a world clock</source>
        <translation>Weltuhr hinzufügen</translation>
    </message>
    <message>
        <source>Type a city, a country or a zone to add its clock</source>
        <translation>Stadt, Land oder Zone einer neuen Uhr</translation>
    </message>
    <message>
        <source>&amp;Remove</source>
        <translation>&amp;Entfernen</translation>
    </message>
    <message>
        <source>Move &amp;Up</source>
        <translation>Nach &amp;oben</translation>
    </message>
    <message>
        <source>Move &amp;Down</source>
        <translation>Nach &amp;unten</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <comment>a city and its time zone&apos;s id</comment>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>&amp;Projection:</source>
        <translation>&amp;Projektion:</translation>
    </message>
    <message>
        <source>Home and target</source>
        <extracomment>Group of the preferences: the user&apos;s own place and a far place, with the paths between</extracomment>
        <translation>Heimatort und Ziel</translation>
    </message>
    <message>
        <source>Problem with a place</source>
        <translation>Problem mit einem Ort</translation>
    </message>
    <message>
        <source> m</source>
        <extracomment>Unit after the home&apos;s height above the sea</extracomment>
        <translation> m</translation>
    </message>
    <message>
        <source>Home&apos;s height above the &amp;sea:</source>
        <extracomment>Preferences: the home&apos;s height above the sea, which lowers its horizon</extracomment>
        <translation>Höhe des Heimatorts über dem &amp;Meer:</translation>
    </message>
    <message>
        <source>Lowest Sun of the grey line</source>
        <extracomment>The grey line&apos;s lowest and highest Sun, for screen readers</extracomment>
        <translation>Tiefster Sonnenstand der Graulinie</translation>
    </message>
    <message>
        <source>Highest Sun of the grey line</source>
        <translation>Höchster Sonnenstand der Graulinie</translation>
    </message>
    <message>
        <source>A place is on the grey line while the Sun&apos;s centre stands between these heights above or below its horizon.</source>
        <extracomment>Tooltip of the grey line&apos;s band in the preferences</extracomment>
        <translation>Ein Ort liegt auf der Graulinie, solange die Sonnenmitte zwischen diesen Höhen über oder unter seinem Horizont steht.</translation>
    </message>
    <message>
        <source>to</source>
        <extracomment>Between the grey line&apos;s lowest and highest Sun: &quot;−6° to 6°&quot;</extracomment>
        <translation>bis</translation>
    </message>
    <message>
        <source>Grey line, Sun from:</source>
        <extracomment>Preferences: the Sun&apos;s heights at which a place is on the grey line</extracomment>
        <translation>Graulinie, Sonne von:</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>%1 Home or Target, %2 what is wrong with the place typed</extracomment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>Preferences</source>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <source>Satellites</source>
        <extracomment>Group of the preferences: the satellites shown on the map and their file</extracomment>
        <translation>Satelliten</translation>
    </message>
    <message>
        <source>A file of TLE or OMM elements</source>
        <extracomment>Placeholder of the field that names the file of satellites&apos; orbital elements</extracomment>
        <translation>Eine Datei mit TLE- oder OMM-Elementen</translation>
    </message>
    <message>
        <source>Element file</source>
        <extracomment>The field that names the file of satellites&apos; orbital elements, for screen readers</extracomment>
        <translation>Elementdatei</translation>
    </message>
    <message>
        <source>&amp;Choose…</source>
        <translation>&amp;Wählen…</translation>
    </message>
    <message>
        <source>Choose the satellites&apos; element file</source>
        <translation>Datei mit den Bahnelementen der Satelliten wählen</translation>
    </message>
    <message>
        <source>&amp;Element file:</source>
        <translation>&amp;Elementdatei:</translation>
    </message>
    <message>
        <source>Satellites&apos; Element File</source>
        <translation>Elementdatei der Satelliten</translation>
    </message>
    <message>
        <source>Element sets (*.tle *.txt *.3le *.csv *.json *.xml);;All files (*)</source>
        <extracomment>File types in the dialog that chooses the satellites&apos; element file</extracomment>
        <translation>Bahnelemente (*.tle *.txt *.3le *.csv *.json *.xml);;Alle Dateien (*)</translation>
    </message>
    <message>
        <source>Problem with the element file</source>
        <translation>Problem mit der Elementdatei</translation>
    </message>
    <message>
        <source>Elevation mask</source>
        <translation>Höhenmaske</translation>
    </message>
    <message>
        <source>The footprints and the passes count a satellite as up from this elevation above home&apos;s horizon.</source>
        <extracomment>Tooltip of the satellites&apos; elevation mask</extracomment>
        <translation>Ausleuchtzonen und Überflüge zählen einen Satelliten ab dieser Höhe über dem Horizont des Heimatorts als aufgegangen.</translation>
    </message>
    <message>
        <source>Ele&amp;vation mask:</source>
        <translation>Höhen&amp;maske:</translation>
    </message>
    <message>
        <source>Find by name or catalogue number</source>
        <extracomment>Placeholder of the search box over the list of satellites</extracomment>
        <translation>Nach Name oder Katalognummer suchen</translation>
    </message>
    <message>
        <source>Find a satellite</source>
        <translation>Satellit suchen</translation>
    </message>
    <message>
        <source>Satellites to show</source>
        <translation>Anzuzeigende Satelliten</translation>
    </message>
    <message>
        <source>On the map: gold, sunlit; blue, in the Earth&apos;s shadow; green, sunlit over home in the dark, to be seen by eye; grey, elements older than 14 days.</source>
        <extracomment>The legend of the satellites&apos; colours on the map</extracomment>
        <translation>Auf der Karte: gold, von der Sonne beschienen; blau, im Erdschatten; grün, beschienen über dem dunklen Heimatort, mit bloßem Auge sichtbar; grau, Elemente älter als 14 Tage.</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <extracomment>A satellite in the list to choose from: its name and catalogue number</extracomment>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>Clouds and aurora</source>
        <extracomment>Group of the preferences: the files of the cloud map and of the aurora forecast</extracomment>
        <translation>Wolken und Polarlicht</translation>
    </message>
    <message>
        <source>Choose…</source>
        <extracomment>Button beside a file&apos;s field in the preferences that opens a file dialog</extracomment>
        <translation>Wählen…</translation>
    </message>
    <message>
        <source>Clear</source>
        <extracomment>Button beside a file&apos;s field in the preferences that empties it</extracomment>
        <translation>Leeren</translation>
    </message>
    <message>
        <source>S&amp;atellites…</source>
        <extracomment>Button in the preferences that opens the choice of satellites and their file</extracomment>
        <translation>S&amp;atelliten…</translation>
    </message>
    <message>
        <source>&amp;Find:</source>
        <extracomment>The search box over the list of satellites</extracomment>
        <translation>&amp;Suchen:</translation>
    </message>
</context>
<context>
    <name>RangeRings</name>
    <message>
        <source>N</source>
        <comment>north</comment>
        <translation>N</translation>
    </message>
    <message>
        <source>%1 km</source>
        <comment>a ring&apos;s distance</comment>
        <translation>%1 km</translation>
    </message>
</context>
<context>
    <name>Readouts</name>
    <message>
        <source>Sunrise</source>
        <translation>Sonnenaufgang</translation>
    </message>
    <message>
        <source>Sunset</source>
        <translation>Sonnenuntergang</translation>
    </message>
    <message>
        <source>Latitude</source>
        <translation>Breite</translation>
    </message>
    <message>
        <source>Longitude</source>
        <translation>Länge</translation>
    </message>
    <message>
        <source>Sun never sets</source>
        <translation>Die Sonne geht nicht unter</translation>
    </message>
    <message>
        <source>Sun never rises</source>
        <translation>Die Sonne geht nicht auf</translation>
    </message>
    <message>
        <source>N</source>
        <extracomment>Hemisphere letter after a latitude: north</extracomment>
        <translation>N</translation>
    </message>
    <message>
        <source>S</source>
        <extracomment>Hemisphere letter after a latitude: south</extracomment>
        <translation>S</translation>
    </message>
    <message>
        <source>E</source>
        <extracomment>Hemisphere letter after a longitude: east</extracomment>
        <translation>O</translation>
    </message>
    <message>
        <source>W</source>
        <extracomment>Hemisphere letter after a longitude: west</extracomment>
        <translation>W</translation>
    </message>
</context>
<context>
    <name>Satellites</name>
    <message>
        <source>%1 days</source>
        <extracomment>How old a satellite&apos;s orbital elements are; %1 a number of days such as 2.3</extracomment>
        <translation>%1 Tage</translation>
    </message>
    <message>
        <source>%1, stale</source>
        <extracomment>%1 an age in days, such as &quot;20.0 days&quot;: elements too old to trust</extracomment>
        <translation>%1, veraltet</translation>
    </message>
    <message>
        <source>%1, catalogue number %2</source>
        <extracomment>A satellite in the map&apos;s tooltip: %1 its name, %2 its catalogue number</extracomment>
        <translation>%1, Katalognummer %2</translation>
    </message>
    <message>
        <source>%1 km high, seen up to %2 km away</source>
        <extracomment>%1 the satellite&apos;s height above the ground, %2 the radius of the area that sees it above the elevation mask, both in kilometres</extracomment>
        <translation>%1 km hoch, zu sehen bis %2 km Entfernung</translation>
    </message>
    <message>
        <source>In the Earth&apos;s shadow</source>
        <extracomment>How a satellite stands now; blue is its colour on the map</extracomment>
        <translation>Im Erdschatten</translation>
    </message>
    <message>
        <source>In the Earth&apos;s shadow (blue)</source>
        <translation>Im Erdschatten (blau)</translation>
    </message>
    <message>
        <source>Sunlit</source>
        <extracomment>How a satellite stands now; gold is its colour on the map</extracomment>
        <translation>Sonnenbeschienen</translation>
    </message>
    <message>
        <source>Sunlit (gold)</source>
        <translation>Sonnenbeschienen (gold)</translation>
    </message>
    <message>
        <source>Sunlit over home in the dark: to be seen by eye</source>
        <extracomment>The satellite can be seen by eye from home now; green is its colour on the map</extracomment>
        <translation>Sonnenbeschienen über dem dunklen Zuhause: mit bloßem Auge zu sehen</translation>
    </message>
    <message>
        <source>Sunlit over home in the dark: to be seen by eye (green)</source>
        <translation>Sonnenbeschienen über dem dunklen Zuhause: mit bloßem Auge zu sehen (grün)</translation>
    </message>
    <message>
        <source>Elements %1 days old: stale, so it may be far from where it is drawn (grey)</source>
        <extracomment>%1 the elements&apos; age in days, such as 20.3; grey is the satellite&apos;s colour on the map while they are this old</extracomment>
        <translation>Bahnelemente %1 Tage alt: veraltet, der Satellit kann weit von der gezeichneten Stelle sein (grau)</translation>
    </message>
    <message>
        <source>Elements dated %1 days later</source>
        <extracomment>%1 days between the shown time and the later epoch of the orbital elements</extracomment>
        <translation>Bahnelemente %1 Tage später datiert</translation>
    </message>
    <message>
        <source>Elements %1 days old</source>
        <extracomment>%1 the age in days of the orbital elements its place is worked out from</extracomment>
        <translation>Bahnelemente %1 Tage alt</translation>
    </message>
</context>
<context>
    <name>ShownTexts</name>
    <message>
        <source>%1%2 h</source>
        <extracomment>A difference of whole hours between two clocks: &quot;+8 h&quot;</extracomment>
        <translation>%1%2 Std.</translation>
    </message>
    <message>
        <source>day</source>
        <extracomment>The light at a world clock&apos;s place now</extracomment>
        <translation>Tag</translation>
    </message>
    <message>
        <source>twilight</source>
        <extracomment>The light at a world clock&apos;s place now</extracomment>
        <translation>Dämmerung</translation>
    </message>
    <message>
        <source>night</source>
        <extracomment>The light at a world clock&apos;s place now</extracomment>
        <translation>Nacht</translation>
    </message>
    <message numerus="yes">
        <source>%1%n day</source>
        <extracomment>How many days a world clock&apos;s date lies ahead of or behind the selected zone&apos;s; %1 is the sign</extracomment>
        <translation>
            <numerusform>%1%n Tag</numerusform>
            <numerusform>%1%n Tage</numerusform>
        </translation>
    </message>
    <message>
        <source>Day and night map, %1 %2 UTC.</source>
        <extracomment>What the map shows, for screen readers: %1 the date, %2 the time (UTC)</extracomment>
        <translation>Tag-und-Nacht-Karte, %1 %2 UTC.</translation>
    </message>
    <message>
        <source>%1: %2, Sun %3° high.</source>
        <extracomment>%1 a city, %2 day, twilight or night there, %3 the Sun&apos;s height in degrees</extracomment>
        <translation>%1: %2, Sonne %3° hoch.</translation>
    </message>
    <message>
        <source>%1: %2, Sun %3° below the horizon.</source>
        <extracomment>%1 a city, %2 day, twilight or night there, %3 the Sun&apos;s depth in degrees</extracomment>
        <translation>%1: %2, Sonne %3° unter dem Horizont.</translation>
    </message>
    <message>
        <source>≈</source>
        <extracomment>Marks a local time whose zone is only guessed, from the nearest city or the longitude</extracomment>
        <translation>≈</translation>
    </message>
    <message>
        <source>polar day</source>
        <extracomment>The Sun does not set on this day at a place</extracomment>
        <translation>Polartag</translation>
    </message>
    <message>
        <source>polar night</source>
        <extracomment>The Sun does not rise on this day at a place</extracomment>
        <translation>Polarnacht</translation>
    </message>
    <message>
        <source>none</source>
        <extracomment>A sunrise or sunset that does not happen on this day</extracomment>
        <translation>keiner</translation>
    </message>
    <message>
        <source>sunrise %1, sunset %2</source>
        <extracomment>%1 and %2 are local times, such as 7:58</extracomment>
        <translation>Aufgang %1, Untergang %2</translation>
    </message>
    <message>
        <source>%1 %2 · %3 · %4 · Sun %5°</source>
        <extracomment>One end of the path: %1 Home or Target, %2 its name or locator, %3 its local time, %4 its sunrise and sunset, %5 the Sun&apos;s height in degrees</extracomment>
        <translation>%1 %2 · %3 · %4 · Sonne %5°</translation>
    </message>
    <message>
        <source>(guessed)</source>
        <translation>(geschätzt)</translation>
    </message>
    <message>
        <source>no grey line within 24 h</source>
        <extracomment>No span within the next day when both places are in the twilight band</extracomment>
        <translation>keine Graulinie in 24 h</translation>
    </message>
    <message>
        <source>SP %1° %2 km · LP %3° %4 km</source>
        <extracomment>The short path (SP) and the long path (LP) from home to target: each its bearing from home and its length, as radio operators write them</extracomment>
        <translation>SP %1° %2 km · LP %3° %4 km</translation>
    </message>
    <message>
        <source>Short path: towards %1° from home, %2° back from the target
Grey line: the Sun from %3° to %4° at both ends</source>
        <extracomment>%1 and %2 the Sun&apos;s heights that bound the grey line, such as −6 and 6</extracomment>
        <translation>Kurzer Weg: Richtung %1° vom Heimatort, %2° zurück vom Ziel
Graulinie: Sonne von %3° bis %4° an beiden Enden</translation>
    </message>
    <message>
        <source>grey line now, until %1 (home time)</source>
        <extracomment>Both places are in the twilight band now; %1 is the time it ends at home</extracomment>
        <translation>Graulinie jetzt, bis %1 (Zeit am Heimatort)</translation>
    </message>
    <message>
        <source>grey line %1–%2 (home time)</source>
        <extracomment>The next span when both places are in the twilight band, in home&apos;s times: 16:02–16:40</extracomment>
        <translation>Graulinie %1–%2 (Zeit am Heimatort)</translation>
    </message>
    <message>
        <source>%1 · locator %2
Time zone %3
Sun towards %4°</source>
        <extracomment>%1 the place&apos;s latitude and longitude, %2 the Maidenhead locator, %3 the time zone, %4 the Sun&apos;s compass direction in degrees</extracomment>
        <translation>%1 · Locator %2
Zeitzone %3
Sonne in Richtung %4°</translation>
    </message>
    <message>
        <source>no eclipse seen</source>
        <extracomment>A solar eclipse is near, but this place does not see it</extracomment>
        <translation>keine Finsternis zu sehen</translation>
    </message>
    <message>
        <source>total lunar eclipse %1–%2</source>
        <extracomment>%1 and %2 the local times a total lunar eclipse&apos;s totality begins and ends (or moonrise, moonset)</extracomment>
        <translation>totale Mondfinsternis %1–%2</translation>
    </message>
    <message>
        <source>partial lunar eclipse %1–%2</source>
        <extracomment>%1 and %2 the local times the Moon enters and leaves the Earth&apos;s umbra (or moonrise, moonset)</extracomment>
        <translation>partielle Mondfinsternis %1–%2</translation>
    </message>
    <message>
        <source>penumbral lunar eclipse %1–%2</source>
        <extracomment>%1 and %2 the local times the Moon enters and leaves the Earth&apos;s penumbra (or moonrise, moonset)</extracomment>
        <translation>Halbschatten-Mondfinsternis %1–%2</translation>
    </message>
    <message>
        <source>lunar eclipse not seen</source>
        <extracomment>A lunar eclipse is near, but the Moon is below this place&apos;s horizon throughout</extracomment>
        <translation>Mondfinsternis nicht zu sehen</translation>
    </message>
    <message>
        <source>%1 visible %2, %3°</source>
        <translation>%1 sichtbar %2, %3°</translation>
    </message>
    <message>
        <source>%1 rises %2, %3°</source>
        <translation>%1 geht auf %2, %3°</translation>
    </message>
    <message>
        <source>sunrise</source>
        <extracomment>In place of the local time an eclipse is first seen: the Sun rises during it</extracomment>
        <translation>Sonnenaufgang</translation>
    </message>
    <message>
        <source>sunset</source>
        <extracomment>In place of the local time an eclipse is last seen: the Sun sets during it</extracomment>
        <translation>Sonnenuntergang</translation>
    </message>
    <message>
        <source>total eclipse %1–%2 (partial %3–%4), Sun %5°</source>
        <extracomment>What a place sees of a solar eclipse: %1 and %2 the local times totality begins and ends, %3 and %4 those of the partial eclipse around it, %5 the Sun&apos;s height in degrees at the greatest</extracomment>
        <translation>totale Finsternis %1–%2 (partiell %3–%4), Sonne %5°</translation>
    </message>
    <message>
        <source>annular eclipse %1–%2 (partial %3–%4), Sun %5°</source>
        <extracomment>%1 and %2 the local times the ring of the Sun begins and ends, %3 and %4 those of the partial eclipse around it, %5 the Sun&apos;s height in degrees at the greatest</extracomment>
        <translation>ringförmige Finsternis %1–%2 (partiell %3–%4), Sonne %5°</translation>
    </message>
    <message>
        <source>partial eclipse %1–%2, %3 % at %4, Sun %5°</source>
        <extracomment>%1 and %2 the local times a partial solar eclipse begins and ends (or sunrise, sunset), %3 the most of the Sun&apos;s diameter covered, in per cent rounded down, %4 the local time of that greatest, %5 the Sun&apos;s height in degrees then</extracomment>
        <translation>partielle Finsternis %1–%2, %3 % um %4, Sonne %5°</translation>
    </message>
    <message>
        <source>moonrise</source>
        <extracomment>In place of the local time a lunar eclipse is first seen: the Moon rises during it</extracomment>
        <translation>Mondaufgang</translation>
    </message>
    <message>
        <source>moonset</source>
        <extracomment>In place of the local time a lunar eclipse is last seen: the Moon sets during it</extracomment>
        <translation>Monduntergang</translation>
    </message>
    <message>
        <source>%1 visible until %2, %3°</source>
        <translation>%1 sichtbar bis %2, %3°</translation>
    </message>
    <message>
        <source>%1 up until %2, %3°</source>
        <translation>%1 über dem Horizont bis %2, %3°</translation>
    </message>
    <message>
        <source>%1: no pass within 3 days</source>
        <extracomment>A chosen satellite that does not rise above home&apos;s horizon (the elevation mask) within the days searched; %1 its name</extracomment>
        <translation>%1: kein Überflug in 3 Tagen</translation>
    </message>
    <message numerus="yes">
        <source>%n more</source>
        <extracomment>After the soonest passes in the row: how many chosen satellites are left out</extracomment>
        <translation>
            <numerusform>%n weiterer</numerusform>
            <numerusform>%n weitere</numerusform>
        </translation>
    </message>
    <message>
        <source>Passes %1</source>
        <extracomment>The row of the chosen satellites&apos; next passes over home: %1 the soonest few</extracomment>
        <translation>Überflüge %1</translation>
    </message>
</context>
<context>
    <name>SkyTexts</name>
    <message>
        <source>New</source>
        <extracomment>Phase of the Moon</extracomment>
        <translation>Neumond</translation>
    </message>
    <message>
        <source>Waxing crescent</source>
        <extracomment>Phase of the Moon</extracomment>
        <translation>Zunehmende Sichel</translation>
    </message>
    <message>
        <source>First quarter</source>
        <extracomment>Phase of the Moon</extracomment>
        <translation>Erstes Viertel</translation>
    </message>
    <message>
        <source>Waxing gibbous</source>
        <extracomment>Phase of the Moon</extracomment>
        <translation>Zunehmender Mond</translation>
    </message>
    <message>
        <source>Full</source>
        <extracomment>Phase of the Moon</extracomment>
        <translation>Vollmond</translation>
    </message>
    <message>
        <source>Waning gibbous</source>
        <extracomment>Phase of the Moon</extracomment>
        <translation>Abnehmender Mond</translation>
    </message>
    <message>
        <source>Last quarter</source>
        <extracomment>Phase of the Moon</extracomment>
        <translation>Letztes Viertel</translation>
    </message>
    <message>
        <source>Waning crescent</source>
        <extracomment>Phase of the Moon</extracomment>
        <translation>Abnehmende Sichel</translation>
    </message>
    <message>
        <source>Moon: %1, %2%
Sun overhead: %3, %4</source>
        <extracomment>The Moon&apos;s phase and lit part; the point where the Sun stands overhead</extracomment>
        <translation>Mond: %1, %2 %
Sonne im Zenit: %3, %4</translation>
    </message>
</context>
<context>
    <name>TimeMachine</name>
    <message>
        <source>One Hour &amp;Later</source>
        <translation>Eine Stunde &amp;später</translation>
    </message>
    <message>
        <source>One Hour &amp;Earlier</source>
        <translation>Eine Stunde &amp;früher</translation>
    </message>
    <message>
        <source>One &amp;Day Later</source>
        <translation>Einen &amp;Tag später</translation>
    </message>
    <message>
        <source>One Day Ea&amp;rlier</source>
        <translation>Einen Tag f&amp;rüher</translation>
    </message>
    <message>
        <source>&amp;Now</source>
        <translation>&amp;Jetzt</translation>
    </message>
    <message>
        <source>&amp;Go to Date and Time…</source>
        <translation>&amp;Gehe zu Datum und Uhrzeit …</translation>
    </message>
    <message>
        <source>&amp;Play</source>
        <translation>Ab&amp;spielen</translation>
    </message>
    <message>
        <source>Play &amp;Speed</source>
        <translation>&amp;Geschwindigkeit</translation>
    </message>
    <message>
        <source>1 Minute a Second</source>
        <translation>1 Minute pro Sekunde</translation>
    </message>
    <message>
        <source>10 Minutes a Second</source>
        <translation>10 Minuten pro Sekunde</translation>
    </message>
    <message>
        <source>1 Hour a Second</source>
        <translation>1 Stunde pro Sekunde</translation>
    </message>
    <message>
        <source>1 Day a Second</source>
        <translation>1 Tag pro Sekunde</translation>
    </message>
    <message>
        <source>&amp;Pause</source>
        <translation>&amp;Pause</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pause</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Abspielen</translation>
    </message>
    <message>
        <source>Showing %1 %2 (%3) · Now: %4</source>
        <extracomment>%1: the shown date and time, %2: its zone&apos;s abbreviation, %3: how far from now, %4: the key that goes back to now</extracomment>
        <translation>Angezeigt: %1 %2 (%3) · Jetzt: %4</translation>
    </message>
    <message>
        <source>d MMMM yyyy, HH:mm</source>
        <translation>d. MMMM yyyy, HH:mm</translation>
    </message>
    <message>
        <source>d</source>
        <extracomment>Abbreviation of days in a time from now: &quot;+3 d 2 h&quot;</extracomment>
        <translation>T.</translation>
    </message>
    <message>
        <source>h</source>
        <extracomment>Abbreviation of hours in a time from now: &quot;+3 h 20 min&quot;</extracomment>
        <translation>Std.</translation>
    </message>
    <message>
        <source>min</source>
        <extracomment>Abbreviation of minutes in a time from now: &quot;+20 min&quot;</extracomment>
        <translation>Min.</translation>
    </message>
    <message>
        <source>s</source>
        <extracomment>Abbreviation of seconds in a time from now: &quot;+5 s&quot;</extracomment>
        <translation>Sek.</translation>
    </message>
    <message>
        <source>%1 — Duskmap</source>
        <comment>the distance from now</comment>
        <translation>%1 — Duskmap</translation>
    </message>
    <message>
        <source>Ne&amp;xt Eclipse</source>
        <extracomment>Time menu: show the next solar or lunar eclipse at its greatest</extracomment>
        <translation>&amp;Nächste Finsternis</translation>
    </message>
    <message>
        <source>Pre&amp;vious Eclipse</source>
        <extracomment>Time menu: show the previous solar or lunar eclipse at its greatest</extracomment>
        <translation>&amp;Vorige Finsternis</translation>
    </message>
    <message>
        <source>E&amp;clipses…</source>
        <translation>&amp;Finsternisse…</translation>
    </message>
</context>
<context>
    <name>TwilightLines</name>
    <message>
        <source>sunset</source>
        <extracomment>Label on the map beside the line where the Sun sets</extracomment>
        <translation>Sonnenuntergang</translation>
    </message>
    <message>
        <source>civil</source>
        <extracomment>Label on the map beside the line where civil twilight ends (Sun 6° below the horizon)</extracomment>
        <translation>bürgerlich</translation>
    </message>
    <message>
        <source>nautical</source>
        <extracomment>Label on the map beside the line where nautical twilight ends (Sun 12° below)</extracomment>
        <translation>nautisch</translation>
    </message>
    <message>
        <source>astronomical</source>
        <extracomment>Label on the map beside the line where astronomical twilight ends (Sun 18° below)</extracomment>
        <translation>astronomisch</translation>
    </message>
    <message>
        <source>sunrise</source>
        <extracomment>Label on the map beside the line where the Sun rises</extracomment>
        <translation>Sonnenaufgang</translation>
    </message>
</context>
<context>
    <name>Weather</name>
    <message>
        <source>%1 d %2 h</source>
        <extracomment>An age in days and hours: &quot;3 d 4 h&quot;</extracomment>
        <translation>%1 T. %2 Std.</translation>
    </message>
    <message>
        <source>%1 h %2 min</source>
        <extracomment>An age in hours and minutes: &quot;2 h 10 min&quot;</extracomment>
        <translation>%1 Std. %2 Min.</translation>
    </message>
    <message>
        <source>%1 min</source>
        <extracomment>An age in minutes: &quot;35 min&quot;</extracomment>
        <translation>%1 Min.</translation>
    </message>
    <message>
        <source>Clouds %1 old</source>
        <extracomment>In the map&apos;s corner: how old the cloud map is, &quot;Clouds 2 h 10 min old&quot;</extracomment>
        <translation>Wolken %1 alt</translation>
    </message>
    <message>
        <source>Aurora %1 old</source>
        <extracomment>In the map&apos;s corner: how long ago the aurora forecast&apos;s instant was</extracomment>
        <translation>Polarlicht %1 alt</translation>
    </message>
    <message>
        <source>Aurora forecast for %1 ahead</source>
        <translation>Polarlichtvorhersage für in %1</translation>
    </message>
    <message>
        <source>Aurora likely overhead</source>
        <extracomment>Home and Target row: the aurora forecast is strong right above the place, and it is dark and clear</extracomment>
        <translation>Polarlicht wahrscheinlich im Zenit</translation>
    </message>
    <message>
        <source>Aurora likely on the horizon</source>
        <extracomment>Home and Target row: the aurora is forecast near enough to be seen low in the sky</extracomment>
        <translation>Polarlicht wahrscheinlich am Horizont</translation>
    </message>
    <message>
        <source>No aurora forecast here</source>
        <translation>Hier kein Polarlicht vorhergesagt</translation>
    </message>
    <message>
        <source>Aurora forecast, but the sky is too light</source>
        <extracomment>Home and Target row: aurora forecast, but the Sun is less than 12 degrees below the horizon</extracomment>
        <translation>Polarlicht vorhergesagt, aber der Himmel ist zu hell</translation>
    </message>
    <message>
        <source>Aurora forecast, but cloudy</source>
        <translation>Polarlicht vorhergesagt, aber bewölkt</translation>
    </message>
</context>
<context>
    <name>WeatherFiles</name>
    <message>
        <source>no such file</source>
        <translation>keine solche Datei</translation>
    </message>
    <message>
        <source>not a readable file</source>
        <translation>keine lesbare Datei</translation>
    </message>
    <message>
        <source>larger than %1 MB</source>
        <translation>größer als %1 MB</translation>
    </message>
    <message>
        <source>not a JPEG or PNG image</source>
        <translation>kein JPEG- oder PNG-Bild</translation>
    </message>
    <message>
        <source>a cloud map is an equirectangular image twice as wide as high, from %1 pixels wide to %2; this one is %3x%4, %5</source>
        <translation>eine Wolkenkarte ist ein plattkartisches Bild, doppelt so breit wie hoch, von %1 bis %2 Pixel breit; diese ist %3×%4, %5</translation>
    </message>
    <message>
        <source>damaged data: the image ends early</source>
        <translation>beschädigte Daten: das Bild endet zu früh</translation>
    </message>
    <message>
        <source>damaged data: its size changes as it is read</source>
        <translation>beschädigte Daten: die Größe ändert sich beim Lesen</translation>
    </message>
    <message>
        <source>larger than %1 MB, not an aurora forecast</source>
        <translation>größer als %1 MB, keine Polarlichtvorhersage</translation>
    </message>
    <message>
        <source>not JSON: %1 at byte %2</source>
        <translation>kein JSON: %1 bei Byte %2</translation>
    </message>
    <message>
        <source>no &quot;%1&quot; as an ISO 8601 time</source>
        <translation>kein „%1“ als ISO-8601-Zeit</translation>
    </message>
    <message>
        <source>no &quot;coordinates&quot; list</source>
        <translation>keine Liste „coordinates“</translation>
    </message>
    <message>
        <source>point %1 of &quot;coordinates&quot; is not [longitude, latitude, value]</source>
        <translation>Punkt %1 von „coordinates“ ist nicht [Länge, Breite, Wert]</translation>
    </message>
    <message>
        <source>point %1 of &quot;coordinates&quot;: %2</source>
        <translation>Punkt %1 von „coordinates“: %2</translation>
    </message>
    <message>
        <source>&quot;coordinates&quot; holds %1 points, not %2</source>
        <translation>„coordinates“ enthält %1 Punkte, nicht %2</translation>
    </message>
</context>
<context>
    <name>WeatherSource</name>
    <message>
        <source>C&amp;loud map:</source>
        <extracomment>Preferences: the file of a greyscale world map of the clouds</extracomment>
        <translation>&amp;Wolkenkarte:</translation>
    </message>
    <message>
        <source>Cloud map file</source>
        <translation>Datei der Wolkenkarte</translation>
    </message>
    <message>
        <source>Choose the cloud map file</source>
        <translation>Datei der Wolkenkarte wählen</translation>
    </message>
    <message>
        <source>Clear the cloud map file</source>
        <translation>Wolkenkarte entfernen</translation>
    </message>
    <message>
        <source>Cloud Map</source>
        <translation>Wolkenkarte</translation>
    </message>
    <message>
        <source>Images (*.jpg *.jpeg *.png);;All files (*)</source>
        <extracomment>File types in the dialog that chooses the cloud map</extracomment>
        <translation>Bilder (*.jpg *.jpeg *.png);;Alle Dateien (*)</translation>
    </message>
    <message>
        <source>Cloud map &quot;%1&quot; not shown: %2</source>
        <extracomment>%1 the cloud map&apos;s file name, %2 what is wrong with it</extracomment>
        <translation>Wolkenkarte „%1“ nicht angezeigt: %2</translation>
    </message>
    <message>
        <source>Aur&amp;ora forecast:</source>
        <extracomment>Preferences: the file of NOAA&apos;s aurora forecast (OVATION, in JSON)</extracomment>
        <translation>P&amp;olarlichtvorhersage:</translation>
    </message>
    <message>
        <source>Aurora forecast file</source>
        <translation>Datei der Polarlichtvorhersage</translation>
    </message>
    <message>
        <source>Choose the aurora forecast file</source>
        <translation>Datei der Polarlichtvorhersage wählen</translation>
    </message>
    <message>
        <source>Clear the aurora forecast file</source>
        <translation>Polarlichtvorhersage entfernen</translation>
    </message>
    <message>
        <source>Aurora Forecast</source>
        <translation>Polarlichtvorhersage</translation>
    </message>
    <message>
        <source>OVATION forecasts (*.json);;All files (*)</source>
        <extracomment>File types in the dialog that chooses the aurora forecast</extracomment>
        <translation>OVATION-Vorhersagen (*.json);;Alle Dateien (*)</translation>
    </message>
    <message>
        <source>Aurora forecast &quot;%1&quot; not shown: %2</source>
        <extracomment>%1 the aurora forecast&apos;s file name, %2 what is wrong with it</extracomment>
        <translation>Polarlichtvorhersage „%1“ nicht angezeigt: %2</translation>
    </message>
</context>
<context>
    <name>ZoneFinder</name>
    <message>
        <source>Type a city, a country or a zone</source>
        <translation>Stadt, Land oder Zone eingeben</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <comment>a city and its time zone&apos;s id</comment>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>No zone matches “%1”</source>
        <translation>Keine Zone passt zu „%1“</translation>
    </message>
</context>
</TS>
