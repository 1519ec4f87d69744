<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it">
<context>
    <name>ClockChange</name>
    <message>
        <source>%1 h</source>
        <extracomment>How far the clocks move: whole hours (&quot;1 h&quot;)</extracomment>
        <translation>%1 h</translation>
    </message>
    <message>
        <source>%1%2 min</source>
        <extracomment>How far the clocks move: minutes, after any hours (&quot;30 min&quot;)</extracomment>
        <translation>%1%2 min</translation>
    </message>
    <message>
        <source>Clocks go forward %1 on %2 at %3</source>
        <extracomment>%1: how far (&quot;1 h&quot;), %2: the date, %3: the time on the clocks before the change</extracomment>
        <translation>Gli orologi vanno avanti di %1 il %2 alle %3</translation>
    </message>
    <message>
        <source>Clocks go back %1 on %2 at %3</source>
        <extracomment>%1: how far (&quot;1 h&quot;), %2: the date, %3: the time on the clocks before the change</extracomment>
        <translation>Gli orologi vanno indietro di %1 il %2 alle %3</translation>
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
        <translation>%1° O</translation>
    </message>
    <message>
        <source>%1° E</source>
        <extracomment>A longitude east of Greenwich: %1 its degrees, such as 13.40</extracomment>
        <translation>%1° E</translation>
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
        <translation>Totalità visibile per intero</translation>
    </message>
    <message>
        <source>All of the eclipse seen</source>
        <extracomment>On the map where all of a partial or penumbral lunar eclipse can be seen</extracomment>
        <translation>Eclissi visibile per intero</translation>
    </message>
    <message>
        <source>Moon rises during the eclipse</source>
        <extracomment>On the map where the Moon rises while a lunar eclipse is under way</extracomment>
        <translation>La Luna sorge durante l&apos;eclissi</translation>
    </message>
    <message>
        <source>Moon sets during the eclipse</source>
        <extracomment>On the map where the Moon sets while a lunar eclipse is under way</extracomment>
        <translation>La Luna tramonta durante l&apos;eclissi</translation>
    </message>
    <message>
        <source>Eclipse not seen</source>
        <extracomment>On the map where a lunar eclipse cannot be seen: the Moon is down throughout</extracomment>
        <translation>Eclissi non visibile</translation>
    </message>
</context>
<context>
    <name>EclipsesDialog</name>
    <message>
        <source>Total lunar</source>
        <translation>Lunare totale</translation>
    </message>
    <message>
        <source>Partial lunar</source>
        <translation>Lunare parziale</translation>
    </message>
    <message>
        <source>Penumbral lunar</source>
        <translation>Lunare penombrale</translation>
    </message>
    <message>
        <source>Total solar</source>
        <translation>Solare totale</translation>
    </message>
    <message>
        <source>Annular solar</source>
        <translation>Solare anulare</translation>
    </message>
    <message>
        <source>Hybrid solar</source>
        <translation>Solare ibrida</translation>
    </message>
    <message>
        <source>Partial solar</source>
        <translation>Solare parziale</translation>
    </message>
    <message>
        <source>%1 min %2 s</source>
        <extracomment>A duration of totality or annularity: %1 minutes, %2 seconds</extracomment>
        <translation>%1 min %2 s</translation>
    </message>
    <message>
        <source>Eclipses</source>
        <translation>Eclissi</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Tipo</translation>
    </message>
    <message>
        <source>Greatest (UT)</source>
        <translation>Massimo (UT)</translation>
    </message>
    <message>
        <source>Place of greatest</source>
        <translation>Luogo del massimo</translation>
    </message>
    <message>
        <source>Duration</source>
        <translation>Durata</translation>
    </message>
    <message>
        <source>Magnitude</source>
        <translation>Magnitudine</translation>
    </message>
    <message>
        <source>Seen from home</source>
        <translation>Visibile da casa</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Sì</translation>
    </message>
    <message>
        <source>No</source>
        <translation>No</translation>
    </message>
    <message>
        <source>&amp;Go There</source>
        <extracomment>Shows the eclipse chosen in the list at its greatest</extracomment>
        <translation>&amp;Vai</translation>
    </message>
    <message>
        <source>Eclipses from %1 to %2</source>
        <extracomment>The list&apos;s name for screen readers: %1 and %2 the first and last years it covers</extracomment>
        <translation>Eclissi dal %1 al %2</translation>
    </message>
</context>
<context>
    <name>ElementProblem</name>
    <message>
        <source>a bad checksum</source>
        <extracomment>Why a satellite&apos;s orbital elements in a file were not used</extracomment>
        <translation>un checksum errato</translation>
    </message>
    <message>
        <source>a malformed line</source>
        <translation>una riga malformata</translation>
    </message>
    <message>
        <source>a value that is not a number</source>
        <translation>un valore che non è un numero</translation>
    </message>
    <message>
        <source>a missing line</source>
        <translation>una riga mancante</translation>
    </message>
    <message>
        <source>lines of two different satellites</source>
        <translation>righe di due satelliti diversi</translation>
    </message>
    <message>
        <source>a bad catalogue number</source>
        <translation>un numero di catalogo errato</translation>
    </message>
    <message>
        <source>a missing field</source>
        <translation>un campo mancante</translation>
    </message>
    <message>
        <source>an impossible value</source>
        <translation>un valore impossibile</translation>
    </message>
    <message>
        <source>not element sets nor OMM</source>
        <translation>né elementi orbitali né OMM</translation>
    </message>
    <message>
        <source>larger than 50 MB</source>
        <translation>più di 50 MB</translation>
    </message>
    <message>
        <source>missing or not readable</source>
        <translation>mancante o non leggibile</translation>
    </message>
    <message>
        <source>JSON or XML that does not parse</source>
        <translation>JSON o XML non analizzabile</translation>
    </message>
    <message>
        <source>Cannot read the satellites&apos; elements in %1: %2</source>
        <translation>Impossibile leggere gli elementi dei satelliti in %1: %2</translation>
    </message>
    <message numerus="yes">
        <source>Skipped %n record(s) in %1, the first on line %2: %3</source>
        <translation>
            <numerusform>%n record saltato in %1, il primo alla riga %2: %3</numerusform>
            <numerusform>%n record saltati in %1, il primo alla riga %2: %3</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>FactsPanel</name>
    <message>
        <source>Paths from home to target</source>
        <extracomment>What a screen reader calls the row&apos;s line of the paths from home to target</extracomment>
        <translation>Percorsi da casa alla destinazione</translation>
    </message>
    <message>
        <source>Unpin %1</source>
        <translation>Rimuovi %1</translation>
    </message>
    <message>
        <source>Next satellite passes over home</source>
        <extracomment>What a screen reader calls the row&apos;s line of the satellites&apos; next passes over home</extracomment>
        <translation>Prossimi passaggi di satelliti sopra casa</translation>
    </message>
</context>
<context>
    <name>GoToDateDialog</name>
    <message>
        <source>Go to Date and Time</source>
        <translation>Vai a data e ora</translation>
    </message>
    <message>
        <source>YYYY-MM-DD HH:MM:SS</source>
        <extracomment>The form a date and time is typed in; keep the order and the punctuation</extracomment>
        <translation>AAAA-MM-GG HH:MM:SS</translation>
    </message>
    <message>
        <source>Date and time</source>
        <translation>Data e ora</translation>
    </message>
    <message>
        <source>About the date and time</source>
        <translation>Informazioni su data e ora</translation>
    </message>
    <message>
        <source>Date and time in %1:</source>
        <translation>Data e ora a %1:</translation>
    </message>
    <message>
        <source>Type a date and time as 2027-06-21 22:00:00.</source>
        <translation>Digita data e ora come 2027-06-21 22:00:00.</translation>
    </message>
    <message>
        <source>The map shows times from %1 to %2 here.</source>
        <translation>La mappa mostra qui orari da %1 a %2.</translation>
    </message>
    <message>
        <source>The clocks go forward that night and skip this time: the map shows %1, %2 later.</source>
        <translation>Quella notte gli orologi vanno avanti e saltano quest’ora: la mappa mostra %1, %2 dopo.</translation>
    </message>
    <message>
        <source>The clocks go back that night and this time comes twice: the map shows the first, %1.</source>
        <translation>Quella notte gli orologi vanno indietro e quest’ora si ripete: la mappa mostra la prima, %1.</translation>
    </message>
</context>
<context>
    <name>Localizable</name>
    <message>
        <source>Show Latitude/Longitude Grid</source>
        <comment>ShowLatLonGridLines</comment>
        <extracomment>Contextual menu item that shows the latitude/longitude grid</extracomment>
        <translation>Mostra griglia di latitudine e longitudine</translation>
    </message>
    <message>
        <source>Hide Latitude/Longitude Grid</source>
        <comment>HideLatLonGridLines</comment>
        <extracomment>Contextual menu item that hides the latitude/longitude grid</extracomment>
        <translation>Nascondi griglia di latitudine e longitudine</translation>
    </message>
    <message>
        <source>Show Locations</source>
        <comment>ShowLocations</comment>
        <extracomment>Contextual menu item that shows the squares at the time zones&apos; reference places</extracomment>
        <translation>Mostra luoghi</translation>
    </message>
    <message>
        <source>Hide Locations</source>
        <comment>HideLocations</comment>
        <extracomment>Contextual menu item that hides the squares at the time zones&apos; reference places</extracomment>
        <translation>Nascondi luoghi</translation>
    </message>
    <message>
        <source>Show Sun</source>
        <comment>ShowSun</comment>
        <extracomment>Contextual menu item that shows the sun symbol at the point under the Sun</extracomment>
        <translation>Mostra Sole</translation>
    </message>
    <message>
        <source>Hide Sun</source>
        <comment>HideSun</comment>
        <extracomment>Contextual menu item that hides the sun symbol at the point under the Sun</extracomment>
        <translation>Nascondi Sole</translation>
    </message>
    <message>
        <source>Show Moon</source>
        <comment>ShowMoon</comment>
        <extracomment>Contextual menu item that shows the Moon, in its phase, at the point under it</extracomment>
        <translation>Mostra Luna</translation>
    </message>
    <message>
        <source>Hide Moon</source>
        <comment>HideMoon</comment>
        <extracomment>Contextual menu item that hides the Moon, in its phase, at the point under it</extracomment>
        <translation>Nascondi Luna</translation>
    </message>
    <message>
        <source>Show Twilight Lines</source>
        <comment>ShowTwilightLines</comment>
        <extracomment>Contextual menu item that shows the lines of sunset and of civil, nautical and astronomical twilight</extracomment>
        <translation>Mostra linee del crepuscolo</translation>
    </message>
    <message>
        <source>Hide Twilight Lines</source>
        <comment>HideTwilightLines</comment>
        <extracomment>Contextual menu item that hides the lines of sunset and of civil, nautical and astronomical twilight</extracomment>
        <translation>Nascondi linee del crepuscolo</translation>
    </message>
    <message>
        <source>Show Paths to Target</source>
        <comment>ShowPaths</comment>
        <extracomment>Menu item that shows the great circle from the home place to the target place: the short path solid, the long path dashed</extracomment>
        <translation>Mostra percorsi verso la destinazione</translation>
    </message>
    <message>
        <source>Hide Paths to Target</source>
        <comment>HidePaths</comment>
        <extracomment>Menu item that hides the paths from home to the target</extracomment>
        <translation>Nascondi percorsi verso la destinazione</translation>
    </message>
    <message>
        <source>Show Locator Grid</source>
        <comment>ShowLocatorGrid</comment>
        <extracomment>Menu item that shows the grid of Maidenhead locators used by radio amateurs: fields of 20 by 10 degrees labelled AA to RR</extracomment>
        <translation>Mostra griglia dei locatori</translation>
    </message>
    <message>
        <source>Hide Locator Grid</source>
        <comment>HideLocatorGrid</comment>
        <extracomment>Menu item that hides the grid of Maidenhead locators</extracomment>
        <translation>Nascondi griglia dei locatori</translation>
    </message>
    <message>
        <source>Show Range Rings</source>
        <comment>ShowRangeRings</comment>
        <extracomment>Menu item that shows the range rings: circles every 1000 km around the centre of the view, and lines towards the compass directions</extracomment>
        <translation>Mostra anelli di distanza</translation>
    </message>
    <message>
        <source>Hide Range Rings</source>
        <comment>HideRangeRings</comment>
        <extracomment>Menu item that hides the range rings</extracomment>
        <translation>Nascondi anelli di distanza</translation>
    </message>
    <message>
        <source>Show Eclipses</source>
        <comment>ShowEclipses</comment>
        <extracomment>Menu item that shows solar eclipses (the Moon&apos;s shadow on the Earth and the path of totality) and where lunar eclipses are seen, while one is near</extracomment>
        <translation>Mostra eclissi</translation>
    </message>
    <message>
        <source>Hide Eclipses</source>
        <comment>HideEclipses</comment>
        <extracomment>Menu item that hides the eclipses on the map</extracomment>
        <translation>Nascondi eclissi</translation>
    </message>
    <message>
        <source>Show Satellites</source>
        <comment>ShowSatellites</comment>
        <extracomment>Menu item that shows the chosen satellites with their ground tracks and the areas they can be seen from</extracomment>
        <translation>Mostra satelliti</translation>
    </message>
    <message>
        <source>Hide Satellites</source>
        <comment>HideSatellites</comment>
        <extracomment>Menu item that hides the satellites</extracomment>
        <translation>Nascondi satelliti</translation>
    </message>
    <message>
        <source>Show Clouds</source>
        <comment>ShowClouds</comment>
        <extracomment>Menu item that shows the clouds of the cloud map file</extracomment>
        <translation>Mostra nuvole</translation>
    </message>
    <message>
        <source>Hide Clouds</source>
        <comment>HideClouds</comment>
        <extracomment>Menu item that hides the clouds of the cloud map file</extracomment>
        <translation>Nascondi nuvole</translation>
    </message>
    <message>
        <source>Show Aurora</source>
        <comment>ShowAurora</comment>
        <extracomment>Menu item that shows the aurora forecast (the northern and southern lights)</extracomment>
        <translation>Mostra aurora</translation>
    </message>
    <message>
        <source>Hide Aurora</source>
        <comment>HideAurora</comment>
        <extracomment>Menu item that hides the aurora forecast</extracomment>
        <translation>Nascondi aurora</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Time zone</source>
        <translation>Fuso orario</translation>
    </message>
    <message>
        <source>Time</source>
        <extracomment>Name of the clock readout, as a screen reader says it</extracomment>
        <translation>Ora</translation>
    </message>
    <message>
        <source>Date</source>
        <extracomment>Name of the date readout, as a screen reader says it</extracomment>
        <translation>Data</translation>
    </message>
    <message>
        <source>Switch between the small and the large map</source>
        <translation>Passa dalla mappa piccola a quella grande</translation>
    </message>
    <message>
        <source>Zoom</source>
        <extracomment>Button: switch between the small and the large map</extracomment>
        <translation>Zoom</translation>
    </message>
    <message>
        <source>Save the map as a JPEG image</source>
        <translation>Salva la mappa come immagine JPEG</translation>
    </message>
    <message>
        <source>Save as JPEG</source>
        <translation>Salva come JPEG</translation>
    </message>
    <message>
        <source>Save…</source>
        <translation>Salva…</translation>
    </message>
    <message>
        <source>Sunrise</source>
        <translation>Alba</translation>
    </message>
    <message>
        <source>Sunset</source>
        <translation>Tramonto</translation>
    </message>
    <message>
        <source>Latitude</source>
        <translation>Latitudine</translation>
    </message>
    <message>
        <source>Longitude</source>
        <translation>Longitudine</translation>
    </message>
    <message>
        <source>Shown time</source>
        <translation>Ora mostrata</translation>
    </message>
    <message>
        <source>Time:</source>
        <extracomment>Label of the slider that moves the shown time</extracomment>
        <translation>Ora:</translation>
    </message>
    <message>
        <source>Time from now</source>
        <translation>Distanza da adesso</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Riproduci</translation>
    </message>
    <message>
        <source>Show the map as it is now</source>
        <translation>Mostra la mappa com’è adesso</translation>
    </message>
    <message>
        <source>Now</source>
        <extracomment>Button: show the map at the present moment</extracomment>
        <translation>Adesso</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;File</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Visualizza</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aiuto</translation>
    </message>
    <message>
        <source>&amp;Time</source>
        <extracomment>Menu that moves the shown time: later, earlier, now, play</extracomment>
        <translation>&amp;Tempo</translation>
    </message>
    <message>
        <source>&amp;Save as JPEG…</source>
        <translation>&amp;Salva come JPEG…</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Esci</translation>
    </message>
    <message>
        <source>&amp;Zoom</source>
        <translation>&amp;Zoom</translation>
    </message>
    <message>
        <source>&amp;Full Screen</source>
        <translation>&amp;Schermo intero</translation>
    </message>
    <message>
        <source>Open the Map&apos;s Menu</source>
        <translation>Apri il menu della mappa</translation>
    </message>
    <message>
        <source>&amp;Keyboard Shortcuts</source>
        <translation>Scorciatoie da &amp;tastiera</translation>
    </message>
    <message>
        <source>&amp;About Duskmap</source>
        <translation>&amp;Informazioni su Duskmap</translation>
    </message>
    <message>
        <source>&amp;Settings</source>
        <translation>I&amp;mpostazioni</translation>
    </message>
    <message>
        <source>&amp;Preferences…</source>
        <translation>&amp;Preferenze…</translation>
    </message>
    <message>
        <source>Keyboard Shortcuts</source>
        <translation>Scorciatoie da tastiera</translation>
    </message>
    <message>
        <source>Keyboard shortcuts</source>
        <translation>Scorciatoie da tastiera</translation>
    </message>
    <message>
        <source>Action</source>
        <extracomment>Column headings of the list of keyboard shortcuts: what the keys do, and the keys</extracomment>
        <translation>Azione</translation>
    </message>
    <message>
        <source>Shortcut</source>
        <translation>Scorciatoia</translation>
    </message>
    <message>
        <source> or </source>
        <extracomment>Between two keyboard shortcuts of one action</extracomment>
        <translation> o </translation>
    </message>
    <message>
        <source>Next clock change</source>
        <translation>Prossimo cambio dell’ora</translation>
    </message>
    <message>
        <source>Could not save the map to &quot;%1&quot;: %2</source>
        <translation>Impossibile salvare la mappa in «%1»: %2</translation>
    </message>
    <message>
        <source>JPEG images (*.jpg)</source>
        <translation>Immagini JPEG (*.jpg)</translation>
    </message>
    <message>
        <source>About Duskmap</source>
        <translation>Informazioni su Duskmap</translation>
    </message>
    <message>
        <source>&lt;h3&gt;Duskmap %1&lt;/h3&gt;&lt;p&gt;A world map of day, twilight and night, with a clock for a time zone of your choice.&lt;/p&gt;&lt;p&gt;Map images: NASA Visible Earth (&quot;Blue Marble&quot; and &quot;Earth at Night&quot;, NASA Goddard Space Flight Center), public domain.&lt;/p&gt;&lt;p&gt;Time zones and their places: the IANA tz database (public domain).&lt;/p&gt;&lt;p&gt;Duskmap is free software: you can redistribute it and/or modify it under the terms of the GNU General Public License as published by the Free Software Foundation, either version 3 of the License, or (at your option) any later version. It comes with no warranty.&lt;/p&gt;</source>
        <translation>&lt;h3&gt;Duskmap %1&lt;/h3&gt;&lt;p&gt;Una mappa del mondo con giorno, crepuscolo e notte, e un orologio per il fuso orario che preferisci.&lt;/p&gt;&lt;p&gt;Immagini della mappa: NASA Visible Earth («Blue Marble» e «Earth at Night», NASA Goddard Space Flight Center), pubblico dominio.&lt;/p&gt;&lt;p&gt;Fusi orari e i loro luoghi: il database tz di IANA (pubblico dominio).&lt;/p&gt;&lt;p&gt;Duskmap è software libero: puoi ridistribuirlo e/o modificarlo secondo i termini della GNU General Public License pubblicata dalla Free Software Foundation, nella versione 3 della licenza o (a tua scelta) in qualsiasi versione successiva. È fornito senza alcuna garanzia.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <comment>a readout and its value</comment>
        <extracomment>What a screen reader says for a readout: its name, then its value</extracomment>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>&amp;Projection</source>
        <translation>&amp;Proiezione</translation>
    </message>
    <message>
        <source>&amp;Centre On</source>
        <translation>&amp;Centra su</translation>
    </message>
    <message>
        <source>Selected Zone</source>
        <translation>Fuso selezionato</translation>
    </message>
    <message>
        <source>North Pole</source>
        <translation>Polo Nord</translation>
    </message>
    <message>
        <source>South Pole</source>
        <translation>Polo Sud</translation>
    </message>
    <message>
        <source>Home</source>
        <extracomment>View → Centre On: the home place the user keeps (in the preferences or given with --home)</extracomment>
        <translation>Casa</translation>
    </message>
    <message>
        <source>&lt;p&gt;Cities: GeoNames (geonames.org), under the Creative Commons Attribution 4.0 licence.&lt;/p&gt;</source>
        <translation>&lt;p&gt;Città: GeoNames (geonames.org), con licenza Creative Commons Attribuzione 4.0.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>Default Centre</source>
        <extracomment>View → Centre On: where the view stands until another centre is chosen: Greenwich for the world maps, the selected zone for the azimuthal view and the globe</extracomment>
        <translation>Centro predefinito</translation>
    </message>
    <message>
        <source>Move &amp;West</source>
        <translation>Verso &amp;ovest</translation>
    </message>
    <message>
        <source>Move &amp;East</source>
        <translation>Verso &amp;est</translation>
    </message>
    <message>
        <source>Move &amp;North</source>
        <translation>Verso &amp;nord</translation>
    </message>
    <message>
        <source>Move &amp;South</source>
        <translation>Verso &amp;sud</translation>
    </message>
    <message>
        <source>&lt;p&gt;Eclipses: the Swiss Ephemeris (Astrodienst AG) with its JPL-based files, under the GNU Affero General Public License 3.0.&lt;/p&gt;</source>
        <translation>&lt;p&gt;Eclissi: la Swiss Ephemeris (Astrodienst AG) con i suoi file basati sul JPL, sotto la GNU Affero General Public License 3.0.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>Satellite Passes</source>
        <translation>Passaggi dei satelliti</translation>
    </message>
    <message>
        <source>Choose an element file and its satellites in the preferences.</source>
        <translation>Scegli un file di elementi e i suoi satelliti nelle preferenze.</translation>
    </message>
    <message>
        <source>Set a home place in the preferences to see the passes over it.</source>
        <translation>Imposta un luogo di casa nelle preferenze per vedere i passaggi sopra di esso.</translation>
    </message>
    <message>
        <source>Passes over %1 in the next 3 days, above %2°, times in %3. Visible: sunlit while home is in the dark.</source>
        <extracomment>Above the list of passes: %1 the home place, %2 the elevation mask, %3 the time zone</extracomment>
        <translation>Passaggi sopra %1 nei prossimi 3 giorni, sopra %2°, orari in %3. Visibile: illuminato dal Sole mentre a casa è buio.</translation>
    </message>
    <message>
        <source>Satellite passes</source>
        <translation>Passaggi dei satelliti</translation>
    </message>
    <message>
        <source>Satellite</source>
        <extracomment>Column headings of the list of satellite passes</extracomment>
        <translation>Satellite</translation>
    </message>
    <message>
        <source>Rise</source>
        <translation>Sorgere</translation>
    </message>
    <message>
        <source>Azimuth</source>
        <translation>Azimut</translation>
    </message>
    <message>
        <source>Culmination</source>
        <translation>Culminazione</translation>
    </message>
    <message>
        <source>Elevation</source>
        <translation>Elevazione</translation>
    </message>
    <message>
        <source>Set</source>
        <translation>Tramonto</translation>
    </message>
    <message>
        <source>Visible</source>
        <translation>Visibile</translation>
    </message>
    <message>
        <source>yes</source>
        <translation>sì</translation>
    </message>
    <message>
        <source>no</source>
        <translation>no</translation>
    </message>
    <message>
        <source>&amp;Satellite Passes…</source>
        <extracomment>Menu item that opens the list of the chosen satellites&apos; next passes over home</extracomment>
        <translation>Passaggi dei &amp;satelliti…</translation>
    </message>
    <message>
        <source>Elements</source>
        <extracomment>Column heading: how old each satellite&apos;s orbital elements are</extracomment>
        <translation>Elementi</translation>
    </message>
    <message>
        <source>Azimuth at rise</source>
        <translation>Azimut al sorgere</translation>
    </message>
    <message>
        <source>Greatest elevation</source>
        <translation>Elevazione massima</translation>
    </message>
    <message>
        <source>Azimuth at set</source>
        <translation>Azimut al tramonto</translation>
    </message>
</context>
<context>
    <name>MapLayer</name>
    <message>
        <source>Latitude and longitude grid</source>
        <translation>Griglia di latitudine e longitudine</translation>
    </message>
    <message>
        <source>Squares at the zones&apos; places</source>
        <translation>Quadrati nei luoghi dei fusi</translation>
    </message>
    <message>
        <source>Point under the Sun</source>
        <translation>Punto sotto il Sole</translation>
    </message>
    <message>
        <source>Moon in its phase</source>
        <translation>Luna nella sua fase</translation>
    </message>
    <message>
        <source>Sunset and twilight lines</source>
        <translation>Linee del tramonto e del crepuscolo</translation>
    </message>
    <message>
        <source>Short and long paths from home to target</source>
        <translation>Percorsi breve e lungo da casa alla destinazione</translation>
    </message>
    <message>
        <source>Maidenhead locator grid</source>
        <translation>Griglia dei locatori Maidenhead</translation>
    </message>
    <message>
        <source>Range rings</source>
        <extracomment>The layer of circles every 1000 km and bearings around the centre</extracomment>
        <translation>Anelli di distanza</translation>
    </message>
    <message>
        <source>Eclipses</source>
        <translation>Eclissi</translation>
    </message>
    <message>
        <source>Satellites, their tracks and footprints</source>
        <translation>Satelliti, le loro tracce e impronte</translation>
    </message>
    <message>
        <source>Clouds</source>
        <translation>Nuvole</translation>
    </message>
    <message>
        <source>Aurora forecast</source>
        <extracomment>The layer of the forecast of the northern and southern lights</extracomment>
        <translation>Previsione delle aurore</translation>
    </message>
</context>
<context>
    <name>MapView</name>
    <message>
        <source>Flat Map</source>
        <translation>Mappa piana</translation>
    </message>
    <message>
        <source>Distances and Directions from the Centre</source>
        <translation>Distanze e direzioni dal centro</translation>
    </message>
    <message>
        <source>Globe</source>
        <translation>Globo</translation>
    </message>
    <message>
        <source>Robinson</source>
        <translation>Robinson</translation>
    </message>
    <message>
        <source>Mollweide (Equal Areas)</source>
        <translation>Mollweide (aree equivalenti)</translation>
    </message>
</context>
<context>
    <name>MapWidget</name>
    <message>
        <source>Day and night map</source>
        <translation>Mappa del giorno e della notte</translation>
    </message>
    <message>
        <source>More Zones</source>
        <translation>Altri fusi</translation>
    </message>
    <message>
        <source>Contextual Menu</source>
        <translation>Menu contestuale</translation>
    </message>
    <message>
        <source>Pin</source>
        <extracomment>Submenu of the map&apos;s menu: keep a world clock for one of the nearby zones</extracomment>
        <translation>Fissa</translation>
    </message>
    <message>
        <source>More Layers</source>
        <translation>Altri livelli</translation>
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
        <translation>E</translation>
    </message>
    <message>
        <source>W</source>
        <comment>west</comment>
        <translation>O</translation>
    </message>
    <message>
        <source>%1 · %2 km from the centre, bearing %3°</source>
        <translation>%1 · %2 km dal centro, direzione %3°</translation>
    </message>
    <message>
        <source>Centre Map Here</source>
        <translation>Centra qui la mappa</translation>
    </message>
    <message>
        <source>Set Home Here</source>
        <extracomment>Map menu: make the place clicked the home place</extracomment>
        <translation>Imposta qui casa</translation>
    </message>
    <message>
        <source>Set Target Here</source>
        <extracomment>Map menu: make the place clicked the target place, far end of the paths from home</extracomment>
        <translation>Imposta qui la destinazione</translation>
    </message>
</context>
<context>
    <name>PlaceEnd</name>
    <message>
        <source>Home</source>
        <extracomment>The user&apos;s own place, one end of the paths</extracomment>
        <translation>Casa</translation>
    </message>
    <message>
        <source>&amp;Home:</source>
        <translation>&amp;Casa:</translation>
    </message>
    <message>
        <source>Target</source>
        <extracomment>The far place the paths from home lead to</extracomment>
        <translation>Destinazione</translation>
    </message>
    <message>
        <source>&amp;Target:</source>
        <translation>&amp;Destinazione:</translation>
    </message>
</context>
<context>
    <name>PlaceField</name>
    <message>
        <source>A city, a locator such as JO62qm, or 52.52, 13.40</source>
        <extracomment>Placeholder of the home and target fields: the forms a place may be typed in</extracomment>
        <translation>Una città, un locatore come JO62qm, o 52.52, 13.40</translation>
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
        <translation>i nomi delle città non sono disponibili senza l’elenco delle città</translation>
    </message>
    <message>
        <source>no city of that name</source>
        <translation>nessuna città con questo nome</translation>
    </message>
    <message>
        <source>coordinates are not numbers</source>
        <translation>le coordinate non sono numeri</translation>
    </message>
    <message>
        <source>coordinates out of range (latitude -90 to 90, longitude -180 to 180)</source>
        <translation>coordinate fuori intervallo (latitudine da −90 a 90, longitudine da −180 a 180)</translation>
    </message>
    <message>
        <source>not a latitude and longitude in degrees, minutes and seconds</source>
        <translation>non è una latitudine e longitudine in gradi, minuti e secondi</translation>
    </message>
    <message>
        <source>no place given</source>
        <translation>nessun luogo indicato</translation>
    </message>
    <message>
        <source>not a Maidenhead locator of 4, 6 or 8 characters (like JO62qm)</source>
        <translation>non è un locatore Maidenhead di 4, 6 o 8 caratteri (come JO62qm)</translation>
    </message>
    <message>
        <source>not a latitude and longitude in degrees (like 52.52,13.40)</source>
        <translation>non è una latitudine e longitudine in gradi (come 52.52,13.40)</translation>
    </message>
    <message>
        <source>no city name given</source>
        <translation>nessun nome di città indicato</translation>
    </message>
</context>
<context>
    <name>PreferencesDialog</name>
    <message>
        <source>Shown on the map</source>
        <translation>Mostrato sulla mappa</translation>
    </message>
    <message>
        <source>World clocks</source>
        <translation>Orologi del mondo</translation>
    </message>
    <message>
        <source>Add a world clock</source>
        <translation>Aggiungi un orologio</translation>
    </message>
    <message>
        <source>Type a city, a country or a zone to add its clock</source>
        <translation>Città, paese o fuso del nuovo orologio</translation>
    </message>
    <message>
        <source>&amp;Remove</source>
        <translation>&amp;Rimuovi</translation>
    </message>
    <message>
        <source>Move &amp;Up</source>
        <translation>Sposta &amp;su</translation>
    </message>
    <message>
        <source>Move &amp;Down</source>
        <translation>Sposta &amp;giù</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <comment>a city and its time zone&apos;s id</comment>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>&amp;Projection:</source>
        <translation>&amp;Proiezione:</translation>
    </message>
    <message>
        <source>Home and target</source>
        <extracomment>Group of the preferences: the user&apos;s own place and a far place, with the paths between</extracomment>
        <translation>Casa e destinazione</translation>
    </message>
    <message>
        <source>Problem with a place</source>
        <translation>Problema con un luogo</translation>
    </message>
    <message>
        <source> m</source>
        <extracomment>Unit after the home&apos;s height above the sea</extracomment>
        <translation> m</translation>
    </message>
    <message>
        <source>Home&apos;s height above the &amp;sea:</source>
        <extracomment>Preferences: the home&apos;s height above the sea, which lowers its horizon</extracomment>
        <translation>Altitudine di casa sul &amp;mare:</translation>
    </message>
    <message>
        <source>Lowest Sun of the grey line</source>
        <extracomment>The grey line&apos;s lowest and highest Sun, for screen readers</extracomment>
        <translation>Sole più basso della linea grigia</translation>
    </message>
    <message>
        <source>Highest Sun of the grey line</source>
        <translation>Sole più alto della linea grigia</translation>
    </message>
    <message>
        <source>A place is on the grey line while the Sun&apos;s centre stands between these heights above or below its horizon.</source>
        <extracomment>Tooltip of the grey line&apos;s band in the preferences</extracomment>
        <translation>Un luogo è sulla linea grigia finché il centro del Sole si trova tra queste altezze sopra o sotto il suo orizzonte.</translation>
    </message>
    <message>
        <source>to</source>
        <extracomment>Between the grey line&apos;s lowest and highest Sun: &quot;−6° to 6°&quot;</extracomment>
        <translation>a</translation>
    </message>
    <message>
        <source>Grey line, Sun from:</source>
        <extracomment>Preferences: the Sun&apos;s heights at which a place is on the grey line</extracomment>
        <translation>Linea grigia, Sole da:</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>%1 Home or Target, %2 what is wrong with the place typed</extracomment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>Preferences</source>
        <translation>Preferenze</translation>
    </message>
    <message>
        <source>Satellites</source>
        <extracomment>Group of the preferences: the satellites shown on the map and their file</extracomment>
        <translation>Satelliti</translation>
    </message>
    <message>
        <source>A file of TLE or OMM elements</source>
        <extracomment>Placeholder of the field that names the file of satellites&apos; orbital elements</extracomment>
        <translation>Un file di elementi TLE o OMM</translation>
    </message>
    <message>
        <source>Element file</source>
        <extracomment>The field that names the file of satellites&apos; orbital elements, for screen readers</extracomment>
        <translation>File di elementi</translation>
    </message>
    <message>
        <source>&amp;Choose…</source>
        <translation>&amp;Scegli…</translation>
    </message>
    <message>
        <source>Choose the satellites&apos; element file</source>
        <translation>Scegli il file di elementi dei satelliti</translation>
    </message>
    <message>
        <source>&amp;Element file:</source>
        <translation>File di &amp;elementi:</translation>
    </message>
    <message>
        <source>Satellites&apos; Element File</source>
        <translation>File di elementi dei satelliti</translation>
    </message>
    <message>
        <source>Element sets (*.tle *.txt *.3le *.csv *.json *.xml);;All files (*)</source>
        <extracomment>File types in the dialog that chooses the satellites&apos; element file</extracomment>
        <translation>Elementi orbitali (*.tle *.txt *.3le *.csv *.json *.xml);;Tutti i file (*)</translation>
    </message>
    <message>
        <source>Problem with the element file</source>
        <translation>Problema con il file di elementi</translation>
    </message>
    <message>
        <source>Elevation mask</source>
        <translation>Maschera di elevazione</translation>
    </message>
    <message>
        <source>The footprints and the passes count a satellite as up from this elevation above home&apos;s horizon.</source>
        <extracomment>Tooltip of the satellites&apos; elevation mask</extracomment>
        <translation>Le impronte e i passaggi contano un satellite come sorto da questa elevazione sopra l’orizzonte di casa.</translation>
    </message>
    <message>
        <source>Ele&amp;vation mask:</source>
        <translation>Maschera di ele&amp;vazione:</translation>
    </message>
    <message>
        <source>Find by name or catalogue number</source>
        <extracomment>Placeholder of the search box over the list of satellites</extracomment>
        <translation>Cerca per nome o numero di catalogo</translation>
    </message>
    <message>
        <source>Find a satellite</source>
        <translation>Cerca un satellite</translation>
    </message>
    <message>
        <source>Satellites to show</source>
        <translation>Satelliti da mostrare</translation>
    </message>
    <message>
        <source>On the map: gold, sunlit; blue, in the Earth&apos;s shadow; green, sunlit over home in the dark, to be seen by eye; grey, elements older than 14 days.</source>
        <extracomment>The legend of the satellites&apos; colours on the map</extracomment>
        <translation>Sulla mappa: oro, illuminato; blu, nell’ombra della Terra; verde, illuminato sopra casa al buio, visibile a occhio nudo; grigio, elementi più vecchi di 14 giorni.</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <extracomment>A satellite in the list to choose from: its name and catalogue number</extracomment>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>Clouds and aurora</source>
        <extracomment>Group of the preferences: the files of the cloud map and of the aurora forecast</extracomment>
        <translation>Nuvole e aurore</translation>
    </message>
    <message>
        <source>Choose…</source>
        <extracomment>Button beside a file&apos;s field in the preferences that opens a file dialog</extracomment>
        <translation>Scegli…</translation>
    </message>
    <message>
        <source>Clear</source>
        <extracomment>Button beside a file&apos;s field in the preferences that empties it</extracomment>
        <translation>Rimuovi</translation>
    </message>
    <message>
        <source>S&amp;atellites…</source>
        <extracomment>Button in the preferences that opens the choice of satellites and their file</extracomment>
        <translation>S&amp;atelliti…</translation>
    </message>
    <message>
        <source>&amp;Find:</source>
        <extracomment>The search box over the list of satellites</extracomment>
        <translation>&amp;Cerca:</translation>
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
        <translation>Alba</translation>
    </message>
    <message>
        <source>Sunset</source>
        <translation>Tramonto</translation>
    </message>
    <message>
        <source>Latitude</source>
        <translation>Latitudine</translation>
    </message>
    <message>
        <source>Longitude</source>
        <translation>Longitudine</translation>
    </message>
    <message>
        <source>Sun never sets</source>
        <translation>Il sole non tramonta</translation>
    </message>
    <message>
        <source>Sun never rises</source>
        <translation>Il sole non sorge</translation>
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
        <translation>E</translation>
    </message>
    <message>
        <source>W</source>
        <extracomment>Hemisphere letter after a longitude: west</extracomment>
        <translation>O</translation>
    </message>
</context>
<context>
    <name>Satellites</name>
    <message>
        <source>%1 days</source>
        <extracomment>How old a satellite&apos;s orbital elements are; %1 a number of days such as 2.3</extracomment>
        <translation>%1 giorni</translation>
    </message>
    <message>
        <source>%1, stale</source>
        <extracomment>%1 an age in days, such as &quot;20.0 days&quot;: elements too old to trust</extracomment>
        <translation>%1, obsoleti</translation>
    </message>
    <message>
        <source>%1, catalogue number %2</source>
        <extracomment>A satellite in the map&apos;s tooltip: %1 its name, %2 its catalogue number</extracomment>
        <translation>%1, numero di catalogo %2</translation>
    </message>
    <message>
        <source>%1 km high, seen up to %2 km away</source>
        <extracomment>%1 the satellite&apos;s height above the ground, %2 the radius of the area that sees it above the elevation mask, both in kilometres</extracomment>
        <translation>a %1 km di quota, visibile fino a %2 km</translation>
    </message>
    <message>
        <source>In the Earth&apos;s shadow</source>
        <extracomment>How a satellite stands now; blue is its colour on the map</extracomment>
        <translation>Nell&apos;ombra della Terra</translation>
    </message>
    <message>
        <source>In the Earth&apos;s shadow (blue)</source>
        <translation>Nell&apos;ombra della Terra (blu)</translation>
    </message>
    <message>
        <source>Sunlit</source>
        <extracomment>How a satellite stands now; gold is its colour on the map</extracomment>
        <translation>Illuminato dal Sole</translation>
    </message>
    <message>
        <source>Sunlit (gold)</source>
        <translation>Illuminato dal Sole (oro)</translation>
    </message>
    <message>
        <source>Sunlit over home in the dark: to be seen by eye</source>
        <extracomment>The satellite can be seen by eye from home now; green is its colour on the map</extracomment>
        <translation>Illuminato sopra casa al buio: visibile a occhio nudo</translation>
    </message>
    <message>
        <source>Sunlit over home in the dark: to be seen by eye (green)</source>
        <translation>Illuminato sopra casa al buio: visibile a occhio nudo (verde)</translation>
    </message>
    <message>
        <source>Elements %1 days old: stale, so it may be far from where it is drawn (grey)</source>
        <extracomment>%1 the elements&apos; age in days, such as 20.3; grey is the satellite&apos;s colour on the map while they are this old</extracomment>
        <translation>Elementi di %1 giorni fa: obsoleti, può essere lontano da dove è disegnato (grigio)</translation>
    </message>
    <message>
        <source>Elements dated %1 days later</source>
        <extracomment>%1 days between the shown time and the later epoch of the orbital elements</extracomment>
        <translation>Elementi datati %1 giorni dopo</translation>
    </message>
    <message>
        <source>Elements %1 days old</source>
        <extracomment>%1 the age in days of the orbital elements its place is worked out from</extracomment>
        <translation>Elementi di %1 giorni fa</translation>
    </message>
</context>
<context>
    <name>ShownTexts</name>
    <message>
        <source>%1%2 h</source>
        <extracomment>A difference of whole hours between two clocks: &quot;+8 h&quot;</extracomment>
        <translation>%1%2 h</translation>
    </message>
    <message>
        <source>day</source>
        <extracomment>The light at a world clock&apos;s place now</extracomment>
        <translation>giorno</translation>
    </message>
    <message>
        <source>twilight</source>
        <extracomment>The light at a world clock&apos;s place now</extracomment>
        <translation>crepuscolo</translation>
    </message>
    <message>
        <source>night</source>
        <extracomment>The light at a world clock&apos;s place now</extracomment>
        <translation>notte</translation>
    </message>
    <message numerus="yes">
        <source>%1%n day</source>
        <extracomment>How many days a world clock&apos;s date lies ahead of or behind the selected zone&apos;s; %1 is the sign</extracomment>
        <translation>
            <numerusform>%1%n giorno</numerusform>
            <numerusform>%1%n giorni</numerusform>
        </translation>
    </message>
    <message>
        <source>Day and night map, %1 %2 UTC.</source>
        <extracomment>What the map shows, for screen readers: %1 the date, %2 the time (UTC)</extracomment>
        <translation>Mappa del giorno e della notte, %1 %2 UTC.</translation>
    </message>
    <message>
        <source>%1: %2, Sun %3° high.</source>
        <extracomment>%1 a city, %2 day, twilight or night there, %3 the Sun&apos;s height in degrees</extracomment>
        <translation>%1: %2, Sole alto %3°.</translation>
    </message>
    <message>
        <source>%1: %2, Sun %3° below the horizon.</source>
        <extracomment>%1 a city, %2 day, twilight or night there, %3 the Sun&apos;s depth in degrees</extracomment>
        <translation>%1: %2, Sole %3° sotto l’orizzonte.</translation>
    </message>
    <message>
        <source>≈</source>
        <extracomment>Marks a local time whose zone is only guessed, from the nearest city or the longitude</extracomment>
        <translation>≈</translation>
    </message>
    <message>
        <source>polar day</source>
        <extracomment>The Sun does not set on this day at a place</extracomment>
        <translation>giorno polare</translation>
    </message>
    <message>
        <source>polar night</source>
        <extracomment>The Sun does not rise on this day at a place</extracomment>
        <translation>notte polare</translation>
    </message>
    <message>
        <source>none</source>
        <extracomment>A sunrise or sunset that does not happen on this day</extracomment>
        <translation>nessuno</translation>
    </message>
    <message>
        <source>sunrise %1, sunset %2</source>
        <extracomment>%1 and %2 are local times, such as 7:58</extracomment>
        <translation>alba %1, tramonto %2</translation>
    </message>
    <message>
        <source>%1 %2 · %3 · %4 · Sun %5°</source>
        <extracomment>One end of the path: %1 Home or Target, %2 its name or locator, %3 its local time, %4 its sunrise and sunset, %5 the Sun&apos;s height in degrees</extracomment>
        <translation>%1 %2 · %3 · %4 · Sole %5°</translation>
    </message>
    <message>
        <source>(guessed)</source>
        <translation>(stimato)</translation>
    </message>
    <message>
        <source>no grey line within 24 h</source>
        <extracomment>No span within the next day when both places are in the twilight band</extracomment>
        <translation>nessuna linea grigia entro 24 h</translation>
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
        <translation>Percorso breve: direzione %1° da casa, %2° al ritorno dalla destinazione
Linea grigia: Sole da %3° a %4° a entrambi gli estremi</translation>
    </message>
    <message>
        <source>grey line now, until %1 (home time)</source>
        <extracomment>Both places are in the twilight band now; %1 is the time it ends at home</extracomment>
        <translation>linea grigia ora, fino alle %1 (ora di casa)</translation>
    </message>
    <message>
        <source>grey line %1–%2 (home time)</source>
        <extracomment>The next span when both places are in the twilight band, in home&apos;s times: 16:02–16:40</extracomment>
        <translation>linea grigia %1–%2 (ora di casa)</translation>
    </message>
    <message>
        <source>%1 · locator %2
Time zone %3
Sun towards %4°</source>
        <extracomment>%1 the place&apos;s latitude and longitude, %2 the Maidenhead locator, %3 the time zone, %4 the Sun&apos;s compass direction in degrees</extracomment>
        <translation>%1 · locatore %2
Fuso orario %3
Sole verso %4°</translation>
    </message>
    <message>
        <source>no eclipse seen</source>
        <extracomment>A solar eclipse is near, but this place does not see it</extracomment>
        <translation>eclissi non visibile</translation>
    </message>
    <message>
        <source>total lunar eclipse %1–%2</source>
        <extracomment>%1 and %2 the local times a total lunar eclipse&apos;s totality begins and ends (or moonrise, moonset)</extracomment>
        <translation>eclissi totale di Luna %1–%2</translation>
    </message>
    <message>
        <source>partial lunar eclipse %1–%2</source>
        <extracomment>%1 and %2 the local times the Moon enters and leaves the Earth&apos;s umbra (or moonrise, moonset)</extracomment>
        <translation>eclissi parziale di Luna %1–%2</translation>
    </message>
    <message>
        <source>penumbral lunar eclipse %1–%2</source>
        <extracomment>%1 and %2 the local times the Moon enters and leaves the Earth&apos;s penumbra (or moonrise, moonset)</extracomment>
        <translation>eclissi penombrale di Luna %1–%2</translation>
    </message>
    <message>
        <source>lunar eclipse not seen</source>
        <extracomment>A lunar eclipse is near, but the Moon is below this place&apos;s horizon throughout</extracomment>
        <translation>eclissi di Luna non visibile</translation>
    </message>
    <message>
        <source>%1 visible %2, %3°</source>
        <translation>%1 visibile %2, %3°</translation>
    </message>
    <message>
        <source>%1 rises %2, %3°</source>
        <translation>%1 sorge %2, %3°</translation>
    </message>
    <message>
        <source>sunrise</source>
        <extracomment>In place of the local time an eclipse is first seen: the Sun rises during it</extracomment>
        <translation>alba</translation>
    </message>
    <message>
        <source>sunset</source>
        <extracomment>In place of the local time an eclipse is last seen: the Sun sets during it</extracomment>
        <translation>tramonto</translation>
    </message>
    <message>
        <source>total eclipse %1–%2 (partial %3–%4), Sun %5°</source>
        <extracomment>What a place sees of a solar eclipse: %1 and %2 the local times totality begins and ends, %3 and %4 those of the partial eclipse around it, %5 the Sun&apos;s height in degrees at the greatest</extracomment>
        <translation>eclissi totale %1–%2 (parziale %3–%4), Sole %5°</translation>
    </message>
    <message>
        <source>annular eclipse %1–%2 (partial %3–%4), Sun %5°</source>
        <extracomment>%1 and %2 the local times the ring of the Sun begins and ends, %3 and %4 those of the partial eclipse around it, %5 the Sun&apos;s height in degrees at the greatest</extracomment>
        <translation>eclissi anulare %1–%2 (parziale %3–%4), Sole %5°</translation>
    </message>
    <message>
        <source>partial eclipse %1–%2, %3 % at %4, Sun %5°</source>
        <extracomment>%1 and %2 the local times a partial solar eclipse begins and ends (or sunrise, sunset), %3 the most of the Sun&apos;s diameter covered, in per cent rounded down, %4 the local time of that greatest, %5 the Sun&apos;s height in degrees then</extracomment>
        <translation>eclissi parziale %1–%2, %3 % alle %4, Sole %5°</translation>
    </message>
    <message>
        <source>moonrise</source>
        <extracomment>In place of the local time a lunar eclipse is first seen: the Moon rises during it</extracomment>
        <translation>sorgere della Luna</translation>
    </message>
    <message>
        <source>moonset</source>
        <extracomment>In place of the local time a lunar eclipse is last seen: the Moon sets during it</extracomment>
        <translation>tramonto della Luna</translation>
    </message>
    <message>
        <source>%1 visible until %2, %3°</source>
        <translation>%1 visibile fino alle %2, %3°</translation>
    </message>
    <message>
        <source>%1 up until %2, %3°</source>
        <translation>%1 sopra l&apos;orizzonte fino alle %2, %3°</translation>
    </message>
    <message>
        <source>%1: no pass within 3 days</source>
        <extracomment>A chosen satellite that does not rise above home&apos;s horizon (the elevation mask) within the days searched; %1 its name</extracomment>
        <translation>%1: nessun passaggio in 3 giorni</translation>
    </message>
    <message numerus="yes">
        <source>%n more</source>
        <extracomment>After the soonest passes in the row: how many chosen satellites are left out</extracomment>
        <translation>
            <numerusform>altri %n</numerusform>
            <numerusform>altri %n</numerusform>
        </translation>
    </message>
    <message>
        <source>Passes %1</source>
        <extracomment>The row of the chosen satellites&apos; next passes over home: %1 the soonest few</extracomment>
        <translation>Passaggi %1</translation>
    </message>
</context>
<context>
    <name>SkyTexts</name>
    <message>
        <source>New</source>
        <extracomment>Phase of the Moon</extracomment>
        <translation>Luna nuova</translation>
    </message>
    <message>
        <source>Waxing crescent</source>
        <extracomment>Phase of the Moon</extracomment>
        <translation>Falce crescente</translation>
    </message>
    <message>
        <source>First quarter</source>
        <extracomment>Phase of the Moon</extracomment>
        <translation>Primo quarto</translation>
    </message>
    <message>
        <source>Waxing gibbous</source>
        <extracomment>Phase of the Moon</extracomment>
        <translation>Gibbosa crescente</translation>
    </message>
    <message>
        <source>Full</source>
        <extracomment>Phase of the Moon</extracomment>
        <translation>Luna piena</translation>
    </message>
    <message>
        <source>Waning gibbous</source>
        <extracomment>Phase of the Moon</extracomment>
        <translation>Gibbosa calante</translation>
    </message>
    <message>
        <source>Last quarter</source>
        <extracomment>Phase of the Moon</extracomment>
        <translation>Ultimo quarto</translation>
    </message>
    <message>
        <source>Waning crescent</source>
        <extracomment>Phase of the Moon</extracomment>
        <translation>Falce calante</translation>
    </message>
    <message>
        <source>Moon: %1, %2%
Sun overhead: %3, %4</source>
        <extracomment>The Moon&apos;s phase and lit part; the point where the Sun stands overhead</extracomment>
        <translation>Luna: %1, %2%
Sole allo zenit: %3, %4</translation>
    </message>
</context>
<context>
    <name>TimeMachine</name>
    <message>
        <source>One Hour &amp;Later</source>
        <translation>Un’ora &amp;dopo</translation>
    </message>
    <message>
        <source>One Hour &amp;Earlier</source>
        <translation>Un’ora &amp;prima</translation>
    </message>
    <message>
        <source>One &amp;Day Later</source>
        <translation>Un &amp;giorno dopo</translation>
    </message>
    <message>
        <source>One Day Ea&amp;rlier</source>
        <translation>Un giorno p&amp;rima</translation>
    </message>
    <message>
        <source>&amp;Now</source>
        <translation>Ades&amp;so</translation>
    </message>
    <message>
        <source>&amp;Go to Date and Time…</source>
        <translation>&amp;Vai a data e ora…</translation>
    </message>
    <message>
        <source>&amp;Play</source>
        <translation>&amp;Riproduci</translation>
    </message>
    <message>
        <source>Play &amp;Speed</source>
        <translation>&amp;Velocità</translation>
    </message>
    <message>
        <source>1 Minute a Second</source>
        <translation>1 minuto al secondo</translation>
    </message>
    <message>
        <source>10 Minutes a Second</source>
        <translation>10 minuti al secondo</translation>
    </message>
    <message>
        <source>1 Hour a Second</source>
        <translation>1 ora al secondo</translation>
    </message>
    <message>
        <source>1 Day a Second</source>
        <translation>1 giorno al secondo</translation>
    </message>
    <message>
        <source>&amp;Pause</source>
        <translation>&amp;Pausa</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pausa</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Riproduci</translation>
    </message>
    <message>
        <source>Showing %1 %2 (%3) · Now: %4</source>
        <extracomment>%1: the shown date and time, %2: its zone&apos;s abbreviation, %3: how far from now, %4: the key that goes back to now</extracomment>
        <translation>Mostra %1 %2 (%3) · Adesso: %4</translation>
    </message>
    <message>
        <source>d MMMM yyyy, HH:mm</source>
        <translation>d MMMM yyyy, HH:mm</translation>
    </message>
    <message>
        <source>d</source>
        <extracomment>Abbreviation of days in a time from now: &quot;+3 d 2 h&quot;</extracomment>
        <translation>g</translation>
    </message>
    <message>
        <source>h</source>
        <extracomment>Abbreviation of hours in a time from now: &quot;+3 h 20 min&quot;</extracomment>
        <translation>h</translation>
    </message>
    <message>
        <source>min</source>
        <extracomment>Abbreviation of minutes in a time from now: &quot;+20 min&quot;</extracomment>
        <translation>min</translation>
    </message>
    <message>
        <source>s</source>
        <extracomment>Abbreviation of seconds in a time from now: &quot;+5 s&quot;</extracomment>
        <translation>s</translation>
    </message>
    <message>
        <source>%1 — Duskmap</source>
        <comment>the distance from now</comment>
        <translation>%1 — Duskmap</translation>
    </message>
    <message>
        <source>Ne&amp;xt Eclipse</source>
        <extracomment>Time menu: show the next solar or lunar eclipse at its greatest</extracomment>
        <translation>E&amp;clissi successiva</translation>
    </message>
    <message>
        <source>Pre&amp;vious Eclipse</source>
        <extracomment>Time menu: show the previous solar or lunar eclipse at its greatest</extracomment>
        <translation>Eclissi p&amp;recedente</translation>
    </message>
    <message>
        <source>E&amp;clipses…</source>
        <translation>E&amp;clissi…</translation>
    </message>
</context>
<context>
    <name>TwilightLines</name>
    <message>
        <source>sunset</source>
        <extracomment>Label on the map beside the line where the Sun sets</extracomment>
        <translation>tramonto</translation>
    </message>
    <message>
        <source>civil</source>
        <extracomment>Label on the map beside the line where civil twilight ends (Sun 6° below the horizon)</extracomment>
        <translation>civile</translation>
    </message>
    <message>
        <source>nautical</source>
        <extracomment>Label on the map beside the line where nautical twilight ends (Sun 12° below)</extracomment>
        <translation>nautico</translation>
    </message>
    <message>
        <source>astronomical</source>
        <extracomment>Label on the map beside the line where astronomical twilight ends (Sun 18° below)</extracomment>
        <translation>astronomico</translation>
    </message>
    <message>
        <source>sunrise</source>
        <extracomment>Label on the map beside the line where the Sun rises</extracomment>
        <translation>alba</translation>
    </message>
</context>
<context>
    <name>Weather</name>
    <message>
        <source>%1 d %2 h</source>
        <extracomment>An age in days and hours: &quot;3 d 4 h&quot;</extracomment>
        <translation>%1 g %2 h</translation>
    </message>
    <message>
        <source>%1 h %2 min</source>
        <extracomment>An age in hours and minutes: &quot;2 h 10 min&quot;</extracomment>
        <translation>%1 h %2 min</translation>
    </message>
    <message>
        <source>%1 min</source>
        <extracomment>An age in minutes: &quot;35 min&quot;</extracomment>
        <translation>%1 min</translation>
    </message>
    <message>
        <source>Clouds %1 old</source>
        <extracomment>In the map&apos;s corner: how old the cloud map is, &quot;Clouds 2 h 10 min old&quot;</extracomment>
        <translation>Nuvole di %1 fa</translation>
    </message>
    <message>
        <source>Aurora %1 old</source>
        <extracomment>In the map&apos;s corner: how long ago the aurora forecast&apos;s instant was</extracomment>
        <translation>Aurora di %1 fa</translation>
    </message>
    <message>
        <source>Aurora forecast for %1 ahead</source>
        <translation>Previsione delle aurore tra %1</translation>
    </message>
    <message>
        <source>Aurora likely overhead</source>
        <extracomment>Home and Target row: the aurora forecast is strong right above the place, and it is dark and clear</extracomment>
        <translation>Aurora probabile allo zenit</translation>
    </message>
    <message>
        <source>Aurora likely on the horizon</source>
        <extracomment>Home and Target row: the aurora is forecast near enough to be seen low in the sky</extracomment>
        <translation>Aurora probabile all’orizzonte</translation>
    </message>
    <message>
        <source>No aurora forecast here</source>
        <translation>Nessuna aurora prevista qui</translation>
    </message>
    <message>
        <source>Aurora forecast, but the sky is too light</source>
        <extracomment>Home and Target row: aurora forecast, but the Sun is less than 12 degrees below the horizon</extracomment>
        <translation>Aurora prevista, ma il cielo è troppo chiaro</translation>
    </message>
    <message>
        <source>Aurora forecast, but cloudy</source>
        <translation>Aurora prevista, ma nuvoloso</translation>
    </message>
</context>
<context>
    <name>WeatherFiles</name>
    <message>
        <source>no such file</source>
        <translation>file inesistente</translation>
    </message>
    <message>
        <source>not a readable file</source>
        <translation>non è un file leggibile</translation>
    </message>
    <message>
        <source>larger than %1 MB</source>
        <translation>più grande di %1 MB</translation>
    </message>
    <message>
        <source>not a JPEG or PNG image</source>
        <translation>non è un&apos;immagine JPEG o PNG</translation>
    </message>
    <message>
        <source>a cloud map is an equirectangular image twice as wide as high, from %1 pixels wide to %2; this one is %3x%4, %5</source>
        <translation>una mappa delle nuvole è un&apos;immagine equirettangolare larga il doppio dell&apos;altezza, da %1 a %2 pixel di larghezza; questa è %3x%4, %5</translation>
    </message>
    <message>
        <source>damaged data: the image ends early</source>
        <translation>dati danneggiati: l&apos;immagine finisce prima del previsto</translation>
    </message>
    <message>
        <source>damaged data: its size changes as it is read</source>
        <translation>dati danneggiati: la dimensione cambia durante la lettura</translation>
    </message>
    <message>
        <source>larger than %1 MB, not an aurora forecast</source>
        <translation>più grande di %1 MB, non è una previsione delle aurore</translation>
    </message>
    <message>
        <source>not JSON: %1 at byte %2</source>
        <translation>non è JSON: %1 al byte %2</translation>
    </message>
    <message>
        <source>no &quot;%1&quot; as an ISO 8601 time</source>
        <translation>manca &quot;%1&quot; come ora ISO 8601</translation>
    </message>
    <message>
        <source>no &quot;coordinates&quot; list</source>
        <translation>manca l&apos;elenco &quot;coordinates&quot;</translation>
    </message>
    <message>
        <source>point %1 of &quot;coordinates&quot; is not [longitude, latitude, value]</source>
        <translation>il punto %1 di &quot;coordinates&quot; non è [longitudine, latitudine, valore]</translation>
    </message>
    <message>
        <source>point %1 of &quot;coordinates&quot;: %2</source>
        <translation>punto %1 di &quot;coordinates&quot;: %2</translation>
    </message>
    <message>
        <source>&quot;coordinates&quot; holds %1 points, not %2</source>
        <translation>&quot;coordinates&quot; contiene %1 punti, non %2</translation>
    </message>
</context>
<context>
    <name>WeatherSource</name>
    <message>
        <source>C&amp;loud map:</source>
        <extracomment>Preferences: the file of a greyscale world map of the clouds</extracomment>
        <translation>Mappa delle &amp;nuvole:</translation>
    </message>
    <message>
        <source>Cloud map file</source>
        <translation>File della mappa delle nuvole</translation>
    </message>
    <message>
        <source>Choose the cloud map file</source>
        <translation>Scegli il file della mappa delle nuvole</translation>
    </message>
    <message>
        <source>Clear the cloud map file</source>
        <translation>Rimuovi la mappa delle nuvole</translation>
    </message>
    <message>
        <source>Cloud Map</source>
        <translation>Mappa delle nuvole</translation>
    </message>
    <message>
        <source>Images (*.jpg *.jpeg *.png);;All files (*)</source>
        <extracomment>File types in the dialog that chooses the cloud map</extracomment>
        <translation>Immagini (*.jpg *.jpeg *.png);;Tutti i file (*)</translation>
    </message>
    <message>
        <source>Cloud map &quot;%1&quot; not shown: %2</source>
        <extracomment>%1 the cloud map&apos;s file name, %2 what is wrong with it</extracomment>
        <translation>Mappa delle nuvole «%1» non mostrata: %2</translation>
    </message>
    <message>
        <source>Aur&amp;ora forecast:</source>
        <extracomment>Preferences: the file of NOAA&apos;s aurora forecast (OVATION, in JSON)</extracomment>
        <translation>Previsione delle a&amp;urore:</translation>
    </message>
    <message>
        <source>Aurora forecast file</source>
        <translation>File della previsione delle aurore</translation>
    </message>
    <message>
        <source>Choose the aurora forecast file</source>
        <translation>Scegli il file della previsione delle aurore</translation>
    </message>
    <message>
        <source>Clear the aurora forecast file</source>
        <translation>Rimuovi la previsione delle aurore</translation>
    </message>
    <message>
        <source>Aurora Forecast</source>
        <translation>Previsione delle aurore</translation>
    </message>
    <message>
        <source>OVATION forecasts (*.json);;All files (*)</source>
        <extracomment>File types in the dialog that chooses the aurora forecast</extracomment>
        <translation>Previsioni OVATION (*.json);;Tutti i file (*)</translation>
    </message>
    <message>
        <source>Aurora forecast &quot;%1&quot; not shown: %2</source>
        <extracomment>%1 the aurora forecast&apos;s file name, %2 what is wrong with it</extracomment>
        <translation>Previsione delle aurore «%1» non mostrata: %2</translation>
    </message>
</context>
<context>
    <name>ZoneFinder</name>
    <message>
        <source>Type a city, a country or a zone</source>
        <translation>Digita una città, un paese o un fuso</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <comment>a city and its time zone&apos;s id</comment>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>No zone matches “%1”</source>
        <translation>Nessun fuso corrisponde a «%1»</translation>
    </message>
</context>
</TS>
