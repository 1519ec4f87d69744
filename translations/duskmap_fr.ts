<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
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
        <translation>Les horloges avancent de %1 le %2 à %3</translation>
    </message>
    <message>
        <source>Clocks go back %1 on %2 at %3</source>
        <extracomment>%1: how far (&quot;1 h&quot;), %2: the date, %3: the time on the clocks before the change</extracomment>
        <translation>Les horloges reculent de %1 le %2 à %3</translation>
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
        <translation>%1 TU</translation>
    </message>
    <message>
        <source>%1 %</source>
        <extracomment>Beside a line of the Moon&apos;s shadow on the map: the part of the Sun&apos;s diameter the Moon hides along it, in per cent</extracomment>
        <translation>%1 %</translation>
    </message>
    <message>
        <source>All of totality seen</source>
        <extracomment>On the map where all of a lunar eclipse&apos;s totality can be seen</extracomment>
        <translation>Totalité visible en entier</translation>
    </message>
    <message>
        <source>All of the eclipse seen</source>
        <extracomment>On the map where all of a partial or penumbral lunar eclipse can be seen</extracomment>
        <translation>Éclipse visible en entier</translation>
    </message>
    <message>
        <source>Moon rises during the eclipse</source>
        <extracomment>On the map where the Moon rises while a lunar eclipse is under way</extracomment>
        <translation>La Lune se lève pendant l’éclipse</translation>
    </message>
    <message>
        <source>Moon sets during the eclipse</source>
        <extracomment>On the map where the Moon sets while a lunar eclipse is under way</extracomment>
        <translation>La Lune se couche pendant l’éclipse</translation>
    </message>
    <message>
        <source>Eclipse not seen</source>
        <extracomment>On the map where a lunar eclipse cannot be seen: the Moon is down throughout</extracomment>
        <translation>Éclipse invisible</translation>
    </message>
</context>
<context>
    <name>EclipsesDialog</name>
    <message>
        <source>Total lunar</source>
        <translation>Lunaire totale</translation>
    </message>
    <message>
        <source>Partial lunar</source>
        <translation>Lunaire partielle</translation>
    </message>
    <message>
        <source>Penumbral lunar</source>
        <translation>Lunaire pénombrale</translation>
    </message>
    <message>
        <source>Total solar</source>
        <translation>Solaire totale</translation>
    </message>
    <message>
        <source>Annular solar</source>
        <translation>Solaire annulaire</translation>
    </message>
    <message>
        <source>Hybrid solar</source>
        <translation>Solaire hybride</translation>
    </message>
    <message>
        <source>Partial solar</source>
        <translation>Solaire partielle</translation>
    </message>
    <message>
        <source>%1 min %2 s</source>
        <extracomment>A duration of totality or annularity: %1 minutes, %2 seconds</extracomment>
        <translation>%1 min %2 s</translation>
    </message>
    <message>
        <source>Eclipses</source>
        <translation>Éclipses</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Type</translation>
    </message>
    <message>
        <source>Greatest (UT)</source>
        <translation>Maximum (TU)</translation>
    </message>
    <message>
        <source>Place of greatest</source>
        <translation>Lieu du maximum</translation>
    </message>
    <message>
        <source>Duration</source>
        <translation>Durée</translation>
    </message>
    <message>
        <source>Magnitude</source>
        <translation>Magnitude</translation>
    </message>
    <message>
        <source>Seen from home</source>
        <translation>Visible du domicile</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Oui</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Non</translation>
    </message>
    <message>
        <source>&amp;Go There</source>
        <extracomment>Shows the eclipse chosen in the list at its greatest</extracomment>
        <translation>&amp;Y aller</translation>
    </message>
    <message>
        <source>Eclipses from %1 to %2</source>
        <extracomment>The list&apos;s name for screen readers: %1 and %2 the first and last years it covers</extracomment>
        <translation>Éclipses de %1 à %2</translation>
    </message>
</context>
<context>
    <name>ElementProblem</name>
    <message>
        <source>a bad checksum</source>
        <extracomment>Why a satellite&apos;s orbital elements in a file were not used</extracomment>
        <translation>une somme de contrôle erronée</translation>
    </message>
    <message>
        <source>a malformed line</source>
        <translation>une ligne mal formée</translation>
    </message>
    <message>
        <source>a value that is not a number</source>
        <translation>une valeur qui n’est pas un nombre</translation>
    </message>
    <message>
        <source>a missing line</source>
        <translation>une ligne manquante</translation>
    </message>
    <message>
        <source>lines of two different satellites</source>
        <translation>des lignes de deux satellites différents</translation>
    </message>
    <message>
        <source>a bad catalogue number</source>
        <translation>un numéro de catalogue erroné</translation>
    </message>
    <message>
        <source>a missing field</source>
        <translation>un champ manquant</translation>
    </message>
    <message>
        <source>an impossible value</source>
        <translation>une valeur impossible</translation>
    </message>
    <message>
        <source>not element sets nor OMM</source>
        <translation>ni des éléments orbitaux ni de l’OMM</translation>
    </message>
    <message>
        <source>larger than 50 MB</source>
        <translation>plus de 50 Mo</translation>
    </message>
    <message>
        <source>missing or not readable</source>
        <translation>absent ou illisible</translation>
    </message>
    <message>
        <source>JSON or XML that does not parse</source>
        <translation>du JSON ou du XML illisible</translation>
    </message>
    <message>
        <source>Cannot read the satellites&apos; elements in %1: %2</source>
        <translation>Impossible de lire les éléments des satellites dans %1 : %2</translation>
    </message>
    <message numerus="yes">
        <source>Skipped %n record(s) in %1, the first on line %2: %3</source>
        <translation>
            <numerusform>%n enregistrement ignoré dans %1, le premier à la ligne %2 : %3</numerusform>
            <numerusform>%n enregistrements ignorés dans %1, le premier à la ligne %2 : %3</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>FactsPanel</name>
    <message>
        <source>Paths from home to target</source>
        <extracomment>What a screen reader calls the row&apos;s line of the paths from home to target</extracomment>
        <translation>Trajets du domicile à la cible</translation>
    </message>
    <message>
        <source>Unpin %1</source>
        <translation>Détacher %1</translation>
    </message>
    <message>
        <source>Next satellite passes over home</source>
        <extracomment>What a screen reader calls the row&apos;s line of the satellites&apos; next passes over home</extracomment>
        <translation>Prochains passages de satellites au-dessus du domicile</translation>
    </message>
</context>
<context>
    <name>GoToDateDialog</name>
    <message>
        <source>Go to Date and Time</source>
        <translation>Aller à la date et l’heure</translation>
    </message>
    <message>
        <source>YYYY-MM-DD HH:MM:SS</source>
        <extracomment>The form a date and time is typed in; keep the order and the punctuation</extracomment>
        <translation>AAAA-MM-JJ HH:MM:SS</translation>
    </message>
    <message>
        <source>Date and time</source>
        <translation>Date et heure</translation>
    </message>
    <message>
        <source>About the date and time</source>
        <translation>À propos de la date et de l’heure</translation>
    </message>
    <message>
        <source>Date and time in %1:</source>
        <translation>Date et heure à %1 :</translation>
    </message>
    <message>
        <source>Type a date and time as 2027-06-21 22:00:00.</source>
        <translation>Saisissez une date et une heure comme 2027-06-21 22:00:00.</translation>
    </message>
    <message>
        <source>The map shows times from %1 to %2 here.</source>
        <translation>La carte affiche ici les heures de %1 à %2.</translation>
    </message>
    <message>
        <source>The clocks go forward that night and skip this time: the map shows %1, %2 later.</source>
        <translation>Les horloges avancent cette nuit-là et sautent cette heure : la carte affiche %1, %2 plus tard.</translation>
    </message>
    <message>
        <source>The clocks go back that night and this time comes twice: the map shows the first, %1.</source>
        <translation>Les horloges reculent cette nuit-là et cette heure revient deux fois : la carte affiche la première, %1.</translation>
    </message>
</context>
<context>
    <name>Localizable</name>
    <message>
        <source>Show Latitude/Longitude Grid</source>
        <comment>ShowLatLonGridLines</comment>
        <extracomment>Contextual menu item that shows the latitude/longitude grid</extracomment>
        <translation>Afficher la grille des latitudes et longitudes</translation>
    </message>
    <message>
        <source>Hide Latitude/Longitude Grid</source>
        <comment>HideLatLonGridLines</comment>
        <extracomment>Contextual menu item that hides the latitude/longitude grid</extracomment>
        <translation>Masquer la grille des latitudes et longitudes</translation>
    </message>
    <message>
        <source>Show Locations</source>
        <comment>ShowLocations</comment>
        <extracomment>Contextual menu item that shows the squares at the time zones&apos; reference places</extracomment>
        <translation>Afficher les lieux</translation>
    </message>
    <message>
        <source>Hide Locations</source>
        <comment>HideLocations</comment>
        <extracomment>Contextual menu item that hides the squares at the time zones&apos; reference places</extracomment>
        <translation>Masquer les lieux</translation>
    </message>
    <message>
        <source>Show Sun</source>
        <comment>ShowSun</comment>
        <extracomment>Contextual menu item that shows the sun symbol at the point under the Sun</extracomment>
        <translation>Afficher le Soleil</translation>
    </message>
    <message>
        <source>Hide Sun</source>
        <comment>HideSun</comment>
        <extracomment>Contextual menu item that hides the sun symbol at the point under the Sun</extracomment>
        <translation>Masquer le Soleil</translation>
    </message>
    <message>
        <source>Show Moon</source>
        <comment>ShowMoon</comment>
        <extracomment>Contextual menu item that shows the Moon, in its phase, at the point under it</extracomment>
        <translation>Afficher la Lune</translation>
    </message>
    <message>
        <source>Hide Moon</source>
        <comment>HideMoon</comment>
        <extracomment>Contextual menu item that hides the Moon, in its phase, at the point under it</extracomment>
        <translation>Masquer la Lune</translation>
    </message>
    <message>
        <source>Show Twilight Lines</source>
        <comment>ShowTwilightLines</comment>
        <extracomment>Contextual menu item that shows the lines of sunset and of civil, nautical and astronomical twilight</extracomment>
        <translation>Afficher les lignes de crépuscule</translation>
    </message>
    <message>
        <source>Hide Twilight Lines</source>
        <comment>HideTwilightLines</comment>
        <extracomment>Contextual menu item that hides the lines of sunset and of civil, nautical and astronomical twilight</extracomment>
        <translation>Masquer les lignes de crépuscule</translation>
    </message>
    <message>
        <source>Show Paths to Target</source>
        <comment>ShowPaths</comment>
        <extracomment>Menu item that shows the great circle from the home place to the target place: the short path solid, the long path dashed</extracomment>
        <translation>Afficher les chemins vers la cible</translation>
    </message>
    <message>
        <source>Hide Paths to Target</source>
        <comment>HidePaths</comment>
        <extracomment>Menu item that hides the paths from home to the target</extracomment>
        <translation>Masquer les chemins vers la cible</translation>
    </message>
    <message>
        <source>Show Locator Grid</source>
        <comment>ShowLocatorGrid</comment>
        <extracomment>Menu item that shows the grid of Maidenhead locators used by radio amateurs: fields of 20 by 10 degrees labelled AA to RR</extracomment>
        <translation>Afficher la grille des locators</translation>
    </message>
    <message>
        <source>Hide Locator Grid</source>
        <comment>HideLocatorGrid</comment>
        <extracomment>Menu item that hides the grid of Maidenhead locators</extracomment>
        <translation>Masquer la grille des locators</translation>
    </message>
    <message>
        <source>Show Range Rings</source>
        <comment>ShowRangeRings</comment>
        <extracomment>Menu item that shows the range rings: circles every 1000 km around the centre of the view, and lines towards the compass directions</extracomment>
        <translation>Afficher les cercles de distance</translation>
    </message>
    <message>
        <source>Hide Range Rings</source>
        <comment>HideRangeRings</comment>
        <extracomment>Menu item that hides the range rings</extracomment>
        <translation>Masquer les cercles de distance</translation>
    </message>
    <message>
        <source>Show Eclipses</source>
        <comment>ShowEclipses</comment>
        <extracomment>Menu item that shows solar eclipses (the Moon&apos;s shadow on the Earth and the path of totality) and where lunar eclipses are seen, while one is near</extracomment>
        <translation>Afficher les éclipses</translation>
    </message>
    <message>
        <source>Hide Eclipses</source>
        <comment>HideEclipses</comment>
        <extracomment>Menu item that hides the eclipses on the map</extracomment>
        <translation>Masquer les éclipses</translation>
    </message>
    <message>
        <source>Show Satellites</source>
        <comment>ShowSatellites</comment>
        <extracomment>Menu item that shows the chosen satellites with their ground tracks and the areas they can be seen from</extracomment>
        <translation>Afficher les satellites</translation>
    </message>
    <message>
        <source>Hide Satellites</source>
        <comment>HideSatellites</comment>
        <extracomment>Menu item that hides the satellites</extracomment>
        <translation>Masquer les satellites</translation>
    </message>
    <message>
        <source>Show Clouds</source>
        <comment>ShowClouds</comment>
        <extracomment>Menu item that shows the clouds of the cloud map file</extracomment>
        <translation>Afficher les nuages</translation>
    </message>
    <message>
        <source>Hide Clouds</source>
        <comment>HideClouds</comment>
        <extracomment>Menu item that hides the clouds of the cloud map file</extracomment>
        <translation>Masquer les nuages</translation>
    </message>
    <message>
        <source>Show Aurora</source>
        <comment>ShowAurora</comment>
        <extracomment>Menu item that shows the aurora forecast (the northern and southern lights)</extracomment>
        <translation>Afficher les aurores</translation>
    </message>
    <message>
        <source>Hide Aurora</source>
        <comment>HideAurora</comment>
        <extracomment>Menu item that hides the aurora forecast</extracomment>
        <translation>Masquer les aurores</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Time zone</source>
        <translation>Fuseau horaire</translation>
    </message>
    <message>
        <source>Time</source>
        <extracomment>Name of the clock readout, as a screen reader says it</extracomment>
        <translation>Heure</translation>
    </message>
    <message>
        <source>Date</source>
        <extracomment>Name of the date readout, as a screen reader says it</extracomment>
        <translation>Date</translation>
    </message>
    <message>
        <source>Switch between the small and the large map</source>
        <translation>Basculer entre la petite et la grande carte</translation>
    </message>
    <message>
        <source>Zoom</source>
        <extracomment>Button: switch between the small and the large map</extracomment>
        <translation>Zoom</translation>
    </message>
    <message>
        <source>Save the map as a JPEG image</source>
        <translation>Enregistrer la carte en image JPEG</translation>
    </message>
    <message>
        <source>Save as JPEG</source>
        <translation>Enregistrer en JPEG</translation>
    </message>
    <message>
        <source>Save…</source>
        <translation>Enregistrer…</translation>
    </message>
    <message>
        <source>Sunrise</source>
        <translation>Lever du soleil</translation>
    </message>
    <message>
        <source>Sunset</source>
        <translation>Coucher du soleil</translation>
    </message>
    <message>
        <source>Latitude</source>
        <translation>Latitude</translation>
    </message>
    <message>
        <source>Longitude</source>
        <translation>Longitude</translation>
    </message>
    <message>
        <source>Shown time</source>
        <translation>Heure affichée</translation>
    </message>
    <message>
        <source>Time:</source>
        <extracomment>Label of the slider that moves the shown time</extracomment>
        <translation>Heure :</translation>
    </message>
    <message>
        <source>Time from now</source>
        <translation>Écart avec maintenant</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Lecture</translation>
    </message>
    <message>
        <source>Show the map as it is now</source>
        <translation>Afficher la carte telle qu’elle est maintenant</translation>
    </message>
    <message>
        <source>Now</source>
        <extracomment>Button: show the map at the present moment</extracomment>
        <translation>Maintenant</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Affichage</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aide</translation>
    </message>
    <message>
        <source>&amp;Time</source>
        <extracomment>Menu that moves the shown time: later, earlier, now, play</extracomment>
        <translation>&amp;Temps</translation>
    </message>
    <message>
        <source>&amp;Save as JPEG…</source>
        <translation>&amp;Enregistrer en JPEG…</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>&amp;Zoom</source>
        <translation>&amp;Zoom</translation>
    </message>
    <message>
        <source>&amp;Full Screen</source>
        <translation>&amp;Plein écran</translation>
    </message>
    <message>
        <source>Open the Map&apos;s Menu</source>
        <translation>Ouvrir le menu de la carte</translation>
    </message>
    <message>
        <source>&amp;Keyboard Shortcuts</source>
        <translation>&amp;Raccourcis clavier</translation>
    </message>
    <message>
        <source>&amp;About Duskmap</source>
        <translation>À &amp;propos de Duskmap</translation>
    </message>
    <message>
        <source>&amp;Settings</source>
        <translation>&amp;Configuration</translation>
    </message>
    <message>
        <source>&amp;Preferences…</source>
        <translation>&amp;Préférences…</translation>
    </message>
    <message>
        <source>Keyboard Shortcuts</source>
        <translation>Raccourcis clavier</translation>
    </message>
    <message>
        <source>Keyboard shortcuts</source>
        <translation>Raccourcis clavier</translation>
    </message>
    <message>
        <source>Action</source>
        <extracomment>Column headings of the list of keyboard shortcuts: what the keys do, and the keys</extracomment>
        <translation>Action</translation>
    </message>
    <message>
        <source>Shortcut</source>
        <translation>Raccourci</translation>
    </message>
    <message>
        <source> or </source>
        <extracomment>Between two keyboard shortcuts of one action</extracomment>
        <translation> ou </translation>
    </message>
    <message>
        <source>Next clock change</source>
        <translation>Prochain changement d’heure</translation>
    </message>
    <message>
        <source>Could not save the map to &quot;%1&quot;: %2</source>
        <translation>Impossible d’enregistrer la carte dans « %1 » : %2</translation>
    </message>
    <message>
        <source>JPEG images (*.jpg)</source>
        <translation>Images JPEG (*.jpg)</translation>
    </message>
    <message>
        <source>About Duskmap</source>
        <translation>À propos de Duskmap</translation>
    </message>
    <message>
        <source>&lt;h3&gt;Duskmap %1&lt;/h3&gt;&lt;p&gt;A world map of day, twilight and night, with a clock for a time zone of your choice.&lt;/p&gt;&lt;p&gt;Map images: NASA Visible Earth (&quot;Blue Marble&quot; and &quot;Earth at Night&quot;, NASA Goddard Space Flight Center), public domain.&lt;/p&gt;&lt;p&gt;Time zones and their places: the IANA tz database (public domain).&lt;/p&gt;&lt;p&gt;Duskmap is free software: you can redistribute it and/or modify it under the terms of the GNU General Public License as published by the Free Software Foundation, either version 3 of the License, or (at your option) any later version. It comes with no warranty.&lt;/p&gt;</source>
        <translation>&lt;h3&gt;Duskmap %1&lt;/h3&gt;&lt;p&gt;Une carte du monde du jour, du crépuscule et de la nuit, avec une horloge pour le fuseau horaire de votre choix.&lt;/p&gt;&lt;p&gt;Images de la carte : NASA Visible Earth (« Blue Marble » et « Earth at Night », NASA Goddard Space Flight Center), domaine public.&lt;/p&gt;&lt;p&gt;Fuseaux horaires et leurs lieux : la base de données tz de l’IANA (domaine public).&lt;/p&gt;&lt;p&gt;Duskmap est un logiciel libre : vous pouvez le redistribuer et/ou le modifier selon les termes de la Licence publique générale GNU telle que publiée par la Free Software Foundation, soit la version 3 de la licence, soit (à votre choix) toute version ultérieure. Il est fourni sans aucune garantie.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <comment>a readout and its value</comment>
        <extracomment>What a screen reader says for a readout: its name, then its value</extracomment>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>&amp;Projection</source>
        <translation>&amp;Projection</translation>
    </message>
    <message>
        <source>&amp;Centre On</source>
        <translation>&amp;Centrer sur</translation>
    </message>
    <message>
        <source>Selected Zone</source>
        <translation>Fuseau choisi</translation>
    </message>
    <message>
        <source>North Pole</source>
        <translation>Pôle Nord</translation>
    </message>
    <message>
        <source>South Pole</source>
        <translation>Pôle Sud</translation>
    </message>
    <message>
        <source>Home</source>
        <extracomment>View → Centre On: the home place the user keeps (in the preferences or given with --home)</extracomment>
        <translation>Domicile</translation>
    </message>
    <message>
        <source>&lt;p&gt;Cities: GeoNames (geonames.org), under the Creative Commons Attribution 4.0 licence.&lt;/p&gt;</source>
        <translation>&lt;p&gt;Villes : GeoNames (geonames.org), sous licence Creative Commons Attribution 4.0.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>Default Centre</source>
        <extracomment>View → Centre On: where the view stands until another centre is chosen: Greenwich for the world maps, the selected zone for the azimuthal view and the globe</extracomment>
        <translation>Centre par défaut</translation>
    </message>
    <message>
        <source>Move &amp;West</source>
        <translation>Vers l’&amp;ouest</translation>
    </message>
    <message>
        <source>Move &amp;East</source>
        <translation>Vers l’&amp;est</translation>
    </message>
    <message>
        <source>Move &amp;North</source>
        <translation>Vers le &amp;nord</translation>
    </message>
    <message>
        <source>Move &amp;South</source>
        <translation>Vers le &amp;sud</translation>
    </message>
    <message>
        <source>&lt;p&gt;Eclipses: the Swiss Ephemeris (Astrodienst AG) with its JPL-based files, under the GNU Affero General Public License 3.0.&lt;/p&gt;</source>
        <translation>&lt;p&gt;Éclipses : la Swiss Ephemeris (Astrodienst AG) et ses fichiers fondés sur le JPL, sous la GNU Affero General Public License 3.0.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>Satellite Passes</source>
        <translation>Passages des satellites</translation>
    </message>
    <message>
        <source>Choose an element file and its satellites in the preferences.</source>
        <translation>Choisissez un fichier d’éléments et ses satellites dans les préférences.</translation>
    </message>
    <message>
        <source>Set a home place in the preferences to see the passes over it.</source>
        <translation>Indiquez un lieu de domicile dans les préférences pour voir les passages au-dessus.</translation>
    </message>
    <message>
        <source>Passes over %1 in the next 3 days, above %2°, times in %3. Visible: sunlit while home is in the dark.</source>
        <extracomment>Above the list of passes: %1 the home place, %2 the elevation mask, %3 the time zone</extracomment>
        <translation>Passages au-dessus de %1 dans les 3 prochains jours, au-dessus de %2°, heures en %3. Visible : éclairé par le Soleil pendant qu’il fait nuit au domicile.</translation>
    </message>
    <message>
        <source>Satellite passes</source>
        <translation>Passages des satellites</translation>
    </message>
    <message>
        <source>Satellite</source>
        <extracomment>Column headings of the list of satellite passes</extracomment>
        <translation>Satellite</translation>
    </message>
    <message>
        <source>Rise</source>
        <translation>Lever</translation>
    </message>
    <message>
        <source>Azimuth</source>
        <translation>Azimut</translation>
    </message>
    <message>
        <source>Culmination</source>
        <translation>Culmination</translation>
    </message>
    <message>
        <source>Elevation</source>
        <translation>Élévation</translation>
    </message>
    <message>
        <source>Set</source>
        <translation>Coucher</translation>
    </message>
    <message>
        <source>Visible</source>
        <translation>Visible</translation>
    </message>
    <message>
        <source>yes</source>
        <translation>oui</translation>
    </message>
    <message>
        <source>no</source>
        <translation>non</translation>
    </message>
    <message>
        <source>&amp;Satellite Passes…</source>
        <extracomment>Menu item that opens the list of the chosen satellites&apos; next passes over home</extracomment>
        <translation>Passages des &amp;satellites…</translation>
    </message>
    <message>
        <source>Elements</source>
        <extracomment>Column heading: how old each satellite&apos;s orbital elements are</extracomment>
        <translation>Éléments</translation>
    </message>
    <message>
        <source>Azimuth at rise</source>
        <translation>Azimut au lever</translation>
    </message>
    <message>
        <source>Greatest elevation</source>
        <translation>Élévation maximale</translation>
    </message>
    <message>
        <source>Azimuth at set</source>
        <translation>Azimut au coucher</translation>
    </message>
</context>
<context>
    <name>MapLayer</name>
    <message>
        <source>Latitude and longitude grid</source>
        <translation>Grille des latitudes et longitudes</translation>
    </message>
    <message>
        <source>Squares at the zones&apos; places</source>
        <translation>Carrés aux lieux des fuseaux</translation>
    </message>
    <message>
        <source>Point under the Sun</source>
        <translation>Point sous le Soleil</translation>
    </message>
    <message>
        <source>Moon in its phase</source>
        <translation>Lune dans sa phase</translation>
    </message>
    <message>
        <source>Sunset and twilight lines</source>
        <translation>Lignes du coucher du soleil et du crépuscule</translation>
    </message>
    <message>
        <source>Short and long paths from home to target</source>
        <translation>Chemins court et long du domicile à la cible</translation>
    </message>
    <message>
        <source>Maidenhead locator grid</source>
        <translation>Grille des locators Maidenhead</translation>
    </message>
    <message>
        <source>Range rings</source>
        <extracomment>The layer of circles every 1000 km and bearings around the centre</extracomment>
        <translation>Cercles de distance</translation>
    </message>
    <message>
        <source>Eclipses</source>
        <translation>Éclipses</translation>
    </message>
    <message>
        <source>Satellites, their tracks and footprints</source>
        <translation>Satellites, leurs traces et leurs empreintes</translation>
    </message>
    <message>
        <source>Clouds</source>
        <translation>Nuages</translation>
    </message>
    <message>
        <source>Aurora forecast</source>
        <extracomment>The layer of the forecast of the northern and southern lights</extracomment>
        <translation>Prévision des aurores polaires</translation>
    </message>
</context>
<context>
    <name>MapView</name>
    <message>
        <source>Flat Map</source>
        <translation>Carte plane</translation>
    </message>
    <message>
        <source>Distances and Directions from the Centre</source>
        <translation>Distances et directions depuis le centre</translation>
    </message>
    <message>
        <source>Globe</source>
        <translation>Globe</translation>
    </message>
    <message>
        <source>Robinson</source>
        <translation>Robinson</translation>
    </message>
    <message>
        <source>Mollweide (Equal Areas)</source>
        <translation>Mollweide (aires égales)</translation>
    </message>
</context>
<context>
    <name>MapWidget</name>
    <message>
        <source>Day and night map</source>
        <translation>Carte du jour et de la nuit</translation>
    </message>
    <message>
        <source>More Zones</source>
        <translation>Autres fuseaux</translation>
    </message>
    <message>
        <source>Contextual Menu</source>
        <translation>Menu contextuel</translation>
    </message>
    <message>
        <source>Pin</source>
        <extracomment>Submenu of the map&apos;s menu: keep a world clock for one of the nearby zones</extracomment>
        <translation>Épingler</translation>
    </message>
    <message>
        <source>More Layers</source>
        <translation>Autres calques</translation>
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
        <translation>%1 · %2 km du centre, cap %3°</translation>
    </message>
    <message>
        <source>Centre Map Here</source>
        <translation>Centrer la carte ici</translation>
    </message>
    <message>
        <source>Set Home Here</source>
        <extracomment>Map menu: make the place clicked the home place</extracomment>
        <translation>Définir le domicile ici</translation>
    </message>
    <message>
        <source>Set Target Here</source>
        <extracomment>Map menu: make the place clicked the target place, far end of the paths from home</extracomment>
        <translation>Définir la cible ici</translation>
    </message>
</context>
<context>
    <name>PlaceEnd</name>
    <message>
        <source>Home</source>
        <extracomment>The user&apos;s own place, one end of the paths</extracomment>
        <translation>Domicile</translation>
    </message>
    <message>
        <source>&amp;Home:</source>
        <translation>&amp;Domicile :</translation>
    </message>
    <message>
        <source>Target</source>
        <extracomment>The far place the paths from home lead to</extracomment>
        <translation>Cible</translation>
    </message>
    <message>
        <source>&amp;Target:</source>
        <translation>&amp;Cible :</translation>
    </message>
</context>
<context>
    <name>PlaceField</name>
    <message>
        <source>A city, a locator such as JO62qm, or 52.52, 13.40</source>
        <extracomment>Placeholder of the home and target fields: the forms a place may be typed in</extracomment>
        <translation>Une ville, un locator comme JO62qm, ou 52.52, 13.40</translation>
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
        <translation>les noms de ville ne sont pas disponibles sans la liste des villes</translation>
    </message>
    <message>
        <source>no city of that name</source>
        <translation>aucune ville de ce nom</translation>
    </message>
    <message>
        <source>coordinates are not numbers</source>
        <translation>les coordonnées ne sont pas des nombres</translation>
    </message>
    <message>
        <source>coordinates out of range (latitude -90 to 90, longitude -180 to 180)</source>
        <translation>coordonnées hors limites (latitude de −90 à 90, longitude de −180 à 180)</translation>
    </message>
    <message>
        <source>not a latitude and longitude in degrees, minutes and seconds</source>
        <translation>pas une latitude et une longitude en degrés, minutes et secondes</translation>
    </message>
    <message>
        <source>no place given</source>
        <translation>aucun lieu indiqué</translation>
    </message>
    <message>
        <source>not a Maidenhead locator of 4, 6 or 8 characters (like JO62qm)</source>
        <translation>pas un locator Maidenhead de 4, 6 ou 8 caractères (comme JO62qm)</translation>
    </message>
    <message>
        <source>not a latitude and longitude in degrees (like 52.52,13.40)</source>
        <translation>pas une latitude et une longitude en degrés (comme 52.52,13.40)</translation>
    </message>
    <message>
        <source>no city name given</source>
        <translation>aucun nom de ville indiqué</translation>
    </message>
</context>
<context>
    <name>PreferencesDialog</name>
    <message>
        <source>Shown on the map</source>
        <translation>Affiché sur la carte</translation>
    </message>
    <message>
        <source>World clocks</source>
        <translation>Horloges du monde</translation>
    </message>
    <message>
        <source>Add a world clock</source>
        <translation>Ajouter une horloge</translation>
    </message>
    <message>
        <source>Type a city, a country or a zone to add its clock</source>
        <translation>Ville, pays ou fuseau de l’horloge</translation>
    </message>
    <message>
        <source>&amp;Remove</source>
        <translation>&amp;Supprimer</translation>
    </message>
    <message>
        <source>Move &amp;Up</source>
        <translation>Monter</translation>
    </message>
    <message>
        <source>Move &amp;Down</source>
        <translation>&amp;Descendre</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <comment>a city and its time zone&apos;s id</comment>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>&amp;Projection:</source>
        <translation>&amp;Projection :</translation>
    </message>
    <message>
        <source>Home and target</source>
        <extracomment>Group of the preferences: the user&apos;s own place and a far place, with the paths between</extracomment>
        <translation>Domicile et cible</translation>
    </message>
    <message>
        <source>Problem with a place</source>
        <translation>Problème avec un lieu</translation>
    </message>
    <message>
        <source> m</source>
        <extracomment>Unit after the home&apos;s height above the sea</extracomment>
        <translation> m</translation>
    </message>
    <message>
        <source>Home&apos;s height above the &amp;sea:</source>
        <extracomment>Preferences: the home&apos;s height above the sea, which lowers its horizon</extracomment>
        <translation>Altitude du domicile au-dessus de la &amp;mer :</translation>
    </message>
    <message>
        <source>Lowest Sun of the grey line</source>
        <extracomment>The grey line&apos;s lowest and highest Sun, for screen readers</extracomment>
        <translation>Soleil le plus bas de la ligne grise</translation>
    </message>
    <message>
        <source>Highest Sun of the grey line</source>
        <translation>Soleil le plus haut de la ligne grise</translation>
    </message>
    <message>
        <source>A place is on the grey line while the Sun&apos;s centre stands between these heights above or below its horizon.</source>
        <extracomment>Tooltip of the grey line&apos;s band in the preferences</extracomment>
        <translation>Un lieu est sur la ligne grise tant que le centre du Soleil se trouve entre ces hauteurs au-dessus ou au-dessous de son horizon.</translation>
    </message>
    <message>
        <source>to</source>
        <extracomment>Between the grey line&apos;s lowest and highest Sun: &quot;−6° to 6°&quot;</extracomment>
        <translation>à</translation>
    </message>
    <message>
        <source>Grey line, Sun from:</source>
        <extracomment>Preferences: the Sun&apos;s heights at which a place is on the grey line</extracomment>
        <translation>Ligne grise, Soleil de :</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>%1 Home or Target, %2 what is wrong with the place typed</extracomment>
        <translation>%1 : %2</translation>
    </message>
    <message>
        <source>Preferences</source>
        <translation>Préférences</translation>
    </message>
    <message>
        <source>Satellites</source>
        <extracomment>Group of the preferences: the satellites shown on the map and their file</extracomment>
        <translation>Satellites</translation>
    </message>
    <message>
        <source>A file of TLE or OMM elements</source>
        <extracomment>Placeholder of the field that names the file of satellites&apos; orbital elements</extracomment>
        <translation>Un fichier d’éléments TLE ou OMM</translation>
    </message>
    <message>
        <source>Element file</source>
        <extracomment>The field that names the file of satellites&apos; orbital elements, for screen readers</extracomment>
        <translation>Fichier d’éléments</translation>
    </message>
    <message>
        <source>&amp;Choose…</source>
        <translation>&amp;Choisir…</translation>
    </message>
    <message>
        <source>Choose the satellites&apos; element file</source>
        <translation>Choisir le fichier d’éléments des satellites</translation>
    </message>
    <message>
        <source>&amp;Element file:</source>
        <translation>Fichier d’&amp;éléments :</translation>
    </message>
    <message>
        <source>Satellites&apos; Element File</source>
        <translation>Fichier d’éléments des satellites</translation>
    </message>
    <message>
        <source>Element sets (*.tle *.txt *.3le *.csv *.json *.xml);;All files (*)</source>
        <extracomment>File types in the dialog that chooses the satellites&apos; element file</extracomment>
        <translation>Éléments orbitaux (*.tle *.txt *.3le *.csv *.json *.xml);;Tous les fichiers (*)</translation>
    </message>
    <message>
        <source>Problem with the element file</source>
        <translation>Problème avec le fichier d’éléments</translation>
    </message>
    <message>
        <source>Elevation mask</source>
        <translation>Masque d’élévation</translation>
    </message>
    <message>
        <source>The footprints and the passes count a satellite as up from this elevation above home&apos;s horizon.</source>
        <extracomment>Tooltip of the satellites&apos; elevation mask</extracomment>
        <translation>Les empreintes et les passages comptent un satellite comme levé à partir de cette élévation au-dessus de l’horizon du domicile.</translation>
    </message>
    <message>
        <source>Ele&amp;vation mask:</source>
        <translation>Masque d’élé&amp;vation :</translation>
    </message>
    <message>
        <source>Find by name or catalogue number</source>
        <extracomment>Placeholder of the search box over the list of satellites</extracomment>
        <translation>Chercher par nom ou numéro de catalogue</translation>
    </message>
    <message>
        <source>Find a satellite</source>
        <translation>Chercher un satellite</translation>
    </message>
    <message>
        <source>Satellites to show</source>
        <translation>Satellites à afficher</translation>
    </message>
    <message>
        <source>On the map: gold, sunlit; blue, in the Earth&apos;s shadow; green, sunlit over home in the dark, to be seen by eye; grey, elements older than 14 days.</source>
        <extracomment>The legend of the satellites&apos; colours on the map</extracomment>
        <translation>Sur la carte : or, éclairé ; bleu, dans l’ombre de la Terre ; vert, éclairé au-dessus du domicile dans le noir, visible à l’œil nu ; gris, éléments de plus de 14 jours.</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <extracomment>A satellite in the list to choose from: its name and catalogue number</extracomment>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>Clouds and aurora</source>
        <extracomment>Group of the preferences: the files of the cloud map and of the aurora forecast</extracomment>
        <translation>Nuages et aurores polaires</translation>
    </message>
    <message>
        <source>Choose…</source>
        <extracomment>Button beside a file&apos;s field in the preferences that opens a file dialog</extracomment>
        <translation>Choisir…</translation>
    </message>
    <message>
        <source>Clear</source>
        <extracomment>Button beside a file&apos;s field in the preferences that empties it</extracomment>
        <translation>Retirer</translation>
    </message>
    <message>
        <source>S&amp;atellites…</source>
        <extracomment>Button in the preferences that opens the choice of satellites and their file</extracomment>
        <translation>S&amp;atellites…</translation>
    </message>
    <message>
        <source>&amp;Find:</source>
        <extracomment>The search box over the list of satellites</extracomment>
        <translation>&amp;Chercher :</translation>
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
        <translation>Lever du soleil</translation>
    </message>
    <message>
        <source>Sunset</source>
        <translation>Coucher du soleil</translation>
    </message>
    <message>
        <source>Latitude</source>
        <translation>Latitude</translation>
    </message>
    <message>
        <source>Longitude</source>
        <translation>Longitude</translation>
    </message>
    <message>
        <source>Sun never sets</source>
        <translation>Le soleil ne se couche pas</translation>
    </message>
    <message>
        <source>Sun never rises</source>
        <translation>Le soleil ne se lève pas</translation>
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
        <translation>%1 jours</translation>
    </message>
    <message>
        <source>%1, stale</source>
        <extracomment>%1 an age in days, such as &quot;20.0 days&quot;: elements too old to trust</extracomment>
        <translation>%1, périmés</translation>
    </message>
    <message>
        <source>%1, catalogue number %2</source>
        <extracomment>A satellite in the map&apos;s tooltip: %1 its name, %2 its catalogue number</extracomment>
        <translation>%1, numéro de catalogue %2</translation>
    </message>
    <message>
        <source>%1 km high, seen up to %2 km away</source>
        <extracomment>%1 the satellite&apos;s height above the ground, %2 the radius of the area that sees it above the elevation mask, both in kilometres</extracomment>
        <translation>à %1 km d&apos;altitude, visible jusqu&apos;à %2 km</translation>
    </message>
    <message>
        <source>In the Earth&apos;s shadow</source>
        <extracomment>How a satellite stands now; blue is its colour on the map</extracomment>
        <translation>Dans l&apos;ombre de la Terre</translation>
    </message>
    <message>
        <source>In the Earth&apos;s shadow (blue)</source>
        <translation>Dans l&apos;ombre de la Terre (bleu)</translation>
    </message>
    <message>
        <source>Sunlit</source>
        <extracomment>How a satellite stands now; gold is its colour on the map</extracomment>
        <translation>Éclairé par le Soleil</translation>
    </message>
    <message>
        <source>Sunlit (gold)</source>
        <translation>Éclairé par le Soleil (or)</translation>
    </message>
    <message>
        <source>Sunlit over home in the dark: to be seen by eye</source>
        <extracomment>The satellite can be seen by eye from home now; green is its colour on the map</extracomment>
        <translation>Éclairé au-dessus du domicile dans la nuit : visible à l&apos;œil nu</translation>
    </message>
    <message>
        <source>Sunlit over home in the dark: to be seen by eye (green)</source>
        <translation>Éclairé au-dessus du domicile dans la nuit : visible à l&apos;œil nu (vert)</translation>
    </message>
    <message>
        <source>Elements %1 days old: stale, so it may be far from where it is drawn (grey)</source>
        <extracomment>%1 the elements&apos; age in days, such as 20.3; grey is the satellite&apos;s colour on the map while they are this old</extracomment>
        <translation>Éléments vieux de %1 jours : périmés, il peut être loin de là où il est dessiné (gris)</translation>
    </message>
    <message>
        <source>Elements dated %1 days later</source>
        <extracomment>%1 days between the shown time and the later epoch of the orbital elements</extracomment>
        <translation>Éléments datés de %1 jours plus tard</translation>
    </message>
    <message>
        <source>Elements %1 days old</source>
        <extracomment>%1 the age in days of the orbital elements its place is worked out from</extracomment>
        <translation>Éléments vieux de %1 jours</translation>
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
        <translation>jour</translation>
    </message>
    <message>
        <source>twilight</source>
        <extracomment>The light at a world clock&apos;s place now</extracomment>
        <translation>crépuscule</translation>
    </message>
    <message>
        <source>night</source>
        <extracomment>The light at a world clock&apos;s place now</extracomment>
        <translation>nuit</translation>
    </message>
    <message numerus="yes">
        <source>%1%n day</source>
        <extracomment>How many days a world clock&apos;s date lies ahead of or behind the selected zone&apos;s; %1 is the sign</extracomment>
        <translation>
            <numerusform>%1%n jour</numerusform>
            <numerusform>%1%n jours</numerusform>
        </translation>
    </message>
    <message>
        <source>Day and night map, %1 %2 UTC.</source>
        <extracomment>What the map shows, for screen readers: %1 the date, %2 the time (UTC)</extracomment>
        <translation>Carte du jour et de la nuit, %1 %2 UTC.</translation>
    </message>
    <message>
        <source>%1: %2, Sun %3° high.</source>
        <extracomment>%1 a city, %2 day, twilight or night there, %3 the Sun&apos;s height in degrees</extracomment>
        <translation>%1 : %2, Soleil à %3° de hauteur.</translation>
    </message>
    <message>
        <source>%1: %2, Sun %3° below the horizon.</source>
        <extracomment>%1 a city, %2 day, twilight or night there, %3 the Sun&apos;s depth in degrees</extracomment>
        <translation>%1 : %2, Soleil %3° sous l’horizon.</translation>
    </message>
    <message>
        <source>≈</source>
        <extracomment>Marks a local time whose zone is only guessed, from the nearest city or the longitude</extracomment>
        <translation>≈</translation>
    </message>
    <message>
        <source>polar day</source>
        <extracomment>The Sun does not set on this day at a place</extracomment>
        <translation>jour polaire</translation>
    </message>
    <message>
        <source>polar night</source>
        <extracomment>The Sun does not rise on this day at a place</extracomment>
        <translation>nuit polaire</translation>
    </message>
    <message>
        <source>none</source>
        <extracomment>A sunrise or sunset that does not happen on this day</extracomment>
        <translation>aucun</translation>
    </message>
    <message>
        <source>sunrise %1, sunset %2</source>
        <extracomment>%1 and %2 are local times, such as 7:58</extracomment>
        <translation>lever %1, coucher %2</translation>
    </message>
    <message>
        <source>%1 %2 · %3 · %4 · Sun %5°</source>
        <extracomment>One end of the path: %1 Home or Target, %2 its name or locator, %3 its local time, %4 its sunrise and sunset, %5 the Sun&apos;s height in degrees</extracomment>
        <translation>%1 %2 · %3 · %4 · Soleil %5°</translation>
    </message>
    <message>
        <source>(guessed)</source>
        <translation>(estimé)</translation>
    </message>
    <message>
        <source>no grey line within 24 h</source>
        <extracomment>No span within the next day when both places are in the twilight band</extracomment>
        <translation>pas de ligne grise sous 24 h</translation>
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
        <translation>Trajet court : cap %1° depuis le domicile, %2° au retour depuis la cible
Ligne grise : Soleil de %3° à %4° aux deux bouts</translation>
    </message>
    <message>
        <source>grey line now, until %1 (home time)</source>
        <extracomment>Both places are in the twilight band now; %1 is the time it ends at home</extracomment>
        <translation>ligne grise maintenant, jusqu’à %1 (heure du domicile)</translation>
    </message>
    <message>
        <source>grey line %1–%2 (home time)</source>
        <extracomment>The next span when both places are in the twilight band, in home&apos;s times: 16:02–16:40</extracomment>
        <translation>ligne grise %1–%2 (heure du domicile)</translation>
    </message>
    <message>
        <source>%1 · locator %2
Time zone %3
Sun towards %4°</source>
        <extracomment>%1 the place&apos;s latitude and longitude, %2 the Maidenhead locator, %3 the time zone, %4 the Sun&apos;s compass direction in degrees</extracomment>
        <translation>%1 · locator %2
Fuseau horaire %3
Soleil vers %4°</translation>
    </message>
    <message>
        <source>no eclipse seen</source>
        <extracomment>A solar eclipse is near, but this place does not see it</extracomment>
        <translation>éclipse non visible</translation>
    </message>
    <message>
        <source>total lunar eclipse %1–%2</source>
        <extracomment>%1 and %2 the local times a total lunar eclipse&apos;s totality begins and ends (or moonrise, moonset)</extracomment>
        <translation>éclipse totale de Lune %1–%2</translation>
    </message>
    <message>
        <source>partial lunar eclipse %1–%2</source>
        <extracomment>%1 and %2 the local times the Moon enters and leaves the Earth&apos;s umbra (or moonrise, moonset)</extracomment>
        <translation>éclipse partielle de Lune %1–%2</translation>
    </message>
    <message>
        <source>penumbral lunar eclipse %1–%2</source>
        <extracomment>%1 and %2 the local times the Moon enters and leaves the Earth&apos;s penumbra (or moonrise, moonset)</extracomment>
        <translation>éclipse pénombrale de Lune %1–%2</translation>
    </message>
    <message>
        <source>lunar eclipse not seen</source>
        <extracomment>A lunar eclipse is near, but the Moon is below this place&apos;s horizon throughout</extracomment>
        <translation>éclipse de Lune non visible</translation>
    </message>
    <message>
        <source>%1 visible %2, %3°</source>
        <translation>%1 visible %2, %3°</translation>
    </message>
    <message>
        <source>%1 rises %2, %3°</source>
        <translation>%1 se lève %2, %3°</translation>
    </message>
    <message>
        <source>sunrise</source>
        <extracomment>In place of the local time an eclipse is first seen: the Sun rises during it</extracomment>
        <translation>lever du Soleil</translation>
    </message>
    <message>
        <source>sunset</source>
        <extracomment>In place of the local time an eclipse is last seen: the Sun sets during it</extracomment>
        <translation>coucher du Soleil</translation>
    </message>
    <message>
        <source>total eclipse %1–%2 (partial %3–%4), Sun %5°</source>
        <extracomment>What a place sees of a solar eclipse: %1 and %2 the local times totality begins and ends, %3 and %4 those of the partial eclipse around it, %5 the Sun&apos;s height in degrees at the greatest</extracomment>
        <translation>éclipse totale %1–%2 (partielle %3–%4), Soleil %5°</translation>
    </message>
    <message>
        <source>annular eclipse %1–%2 (partial %3–%4), Sun %5°</source>
        <extracomment>%1 and %2 the local times the ring of the Sun begins and ends, %3 and %4 those of the partial eclipse around it, %5 the Sun&apos;s height in degrees at the greatest</extracomment>
        <translation>éclipse annulaire %1–%2 (partielle %3–%4), Soleil %5°</translation>
    </message>
    <message>
        <source>partial eclipse %1–%2, %3 % at %4, Sun %5°</source>
        <extracomment>%1 and %2 the local times a partial solar eclipse begins and ends (or sunrise, sunset), %3 the most of the Sun&apos;s diameter covered, in per cent rounded down, %4 the local time of that greatest, %5 the Sun&apos;s height in degrees then</extracomment>
        <translation>éclipse partielle %1–%2, %3 % à %4, Soleil %5°</translation>
    </message>
    <message>
        <source>moonrise</source>
        <extracomment>In place of the local time a lunar eclipse is first seen: the Moon rises during it</extracomment>
        <translation>lever de la Lune</translation>
    </message>
    <message>
        <source>moonset</source>
        <extracomment>In place of the local time a lunar eclipse is last seen: the Moon sets during it</extracomment>
        <translation>coucher de la Lune</translation>
    </message>
    <message>
        <source>%1 visible until %2, %3°</source>
        <translation>%1 visible jusqu&apos;à %2, %3°</translation>
    </message>
    <message>
        <source>%1 up until %2, %3°</source>
        <translation>%1 au-dessus de l&apos;horizon jusqu&apos;à %2, %3°</translation>
    </message>
    <message>
        <source>%1: no pass within 3 days</source>
        <extracomment>A chosen satellite that does not rise above home&apos;s horizon (the elevation mask) within the days searched; %1 its name</extracomment>
        <translation>%1 : aucun passage en 3 jours</translation>
    </message>
    <message numerus="yes">
        <source>%n more</source>
        <extracomment>After the soonest passes in the row: how many chosen satellites are left out</extracomment>
        <translation>
            <numerusform>%n autre</numerusform>
            <numerusform>%n autres</numerusform>
        </translation>
    </message>
    <message>
        <source>Passes %1</source>
        <extracomment>The row of the chosen satellites&apos; next passes over home: %1 the soonest few</extracomment>
        <translation>Passages %1</translation>
    </message>
</context>
<context>
    <name>SkyTexts</name>
    <message>
        <source>New</source>
        <extracomment>Phase of the Moon</extracomment>
        <translation>Nouvelle lune</translation>
    </message>
    <message>
        <source>Waxing crescent</source>
        <extracomment>Phase of the Moon</extracomment>
        <translation>Premier croissant</translation>
    </message>
    <message>
        <source>First quarter</source>
        <extracomment>Phase of the Moon</extracomment>
        <translation>Premier quartier</translation>
    </message>
    <message>
        <source>Waxing gibbous</source>
        <extracomment>Phase of the Moon</extracomment>
        <translation>Gibbeuse croissante</translation>
    </message>
    <message>
        <source>Full</source>
        <extracomment>Phase of the Moon</extracomment>
        <translation>Pleine lune</translation>
    </message>
    <message>
        <source>Waning gibbous</source>
        <extracomment>Phase of the Moon</extracomment>
        <translation>Gibbeuse décroissante</translation>
    </message>
    <message>
        <source>Last quarter</source>
        <extracomment>Phase of the Moon</extracomment>
        <translation>Dernier quartier</translation>
    </message>
    <message>
        <source>Waning crescent</source>
        <extracomment>Phase of the Moon</extracomment>
        <translation>Dernier croissant</translation>
    </message>
    <message>
        <source>Moon: %1, %2%
Sun overhead: %3, %4</source>
        <extracomment>The Moon&apos;s phase and lit part; the point where the Sun stands overhead</extracomment>
        <translation>Lune : %1, %2 %
Soleil au zénith : %3, %4</translation>
    </message>
</context>
<context>
    <name>TimeMachine</name>
    <message>
        <source>One Hour &amp;Later</source>
        <translation>Une heure plus &amp;tard</translation>
    </message>
    <message>
        <source>One Hour &amp;Earlier</source>
        <translation>Une heure plus &amp;tôt</translation>
    </message>
    <message>
        <source>One &amp;Day Later</source>
        <translation>Un &amp;jour plus tard</translation>
    </message>
    <message>
        <source>One Day Ea&amp;rlier</source>
        <translation>Un jour plus t&amp;ôt</translation>
    </message>
    <message>
        <source>&amp;Now</source>
        <translation>&amp;Maintenant</translation>
    </message>
    <message>
        <source>&amp;Go to Date and Time…</source>
        <translation>&amp;Aller à la date et l’heure…</translation>
    </message>
    <message>
        <source>&amp;Play</source>
        <translation>&amp;Lecture</translation>
    </message>
    <message>
        <source>Play &amp;Speed</source>
        <translation>&amp;Vitesse de lecture</translation>
    </message>
    <message>
        <source>1 Minute a Second</source>
        <translation>1 minute par seconde</translation>
    </message>
    <message>
        <source>10 Minutes a Second</source>
        <translation>10 minutes par seconde</translation>
    </message>
    <message>
        <source>1 Hour a Second</source>
        <translation>1 heure par seconde</translation>
    </message>
    <message>
        <source>1 Day a Second</source>
        <translation>1 jour par seconde</translation>
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
        <translation>Lecture</translation>
    </message>
    <message>
        <source>Showing %1 %2 (%3) · Now: %4</source>
        <extracomment>%1: the shown date and time, %2: its zone&apos;s abbreviation, %3: how far from now, %4: the key that goes back to now</extracomment>
        <translation>Affichage : %1 %2 (%3) · Maintenant : %4</translation>
    </message>
    <message>
        <source>d MMMM yyyy, HH:mm</source>
        <translation>d MMMM yyyy, HH:mm</translation>
    </message>
    <message>
        <source>d</source>
        <extracomment>Abbreviation of days in a time from now: &quot;+3 d 2 h&quot;</extracomment>
        <translation>j</translation>
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
        <translation>É&amp;clipse suivante</translation>
    </message>
    <message>
        <source>Pre&amp;vious Eclipse</source>
        <extracomment>Time menu: show the previous solar or lunar eclipse at its greatest</extracomment>
        <translation>Éclipse &amp;précédente</translation>
    </message>
    <message>
        <source>E&amp;clipses…</source>
        <translation>É&amp;clipses…</translation>
    </message>
</context>
<context>
    <name>TwilightLines</name>
    <message>
        <source>sunset</source>
        <extracomment>Label on the map beside the line where the Sun sets</extracomment>
        <translation>coucher du soleil</translation>
    </message>
    <message>
        <source>civil</source>
        <extracomment>Label on the map beside the line where civil twilight ends (Sun 6° below the horizon)</extracomment>
        <translation>civil</translation>
    </message>
    <message>
        <source>nautical</source>
        <extracomment>Label on the map beside the line where nautical twilight ends (Sun 12° below)</extracomment>
        <translation>nautique</translation>
    </message>
    <message>
        <source>astronomical</source>
        <extracomment>Label on the map beside the line where astronomical twilight ends (Sun 18° below)</extracomment>
        <translation>astronomique</translation>
    </message>
    <message>
        <source>sunrise</source>
        <extracomment>Label on the map beside the line where the Sun rises</extracomment>
        <translation>lever du soleil</translation>
    </message>
</context>
<context>
    <name>Weather</name>
    <message>
        <source>%1 d %2 h</source>
        <extracomment>An age in days and hours: &quot;3 d 4 h&quot;</extracomment>
        <translation>%1 j %2 h</translation>
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
        <translation>Nuages d’il y a %1</translation>
    </message>
    <message>
        <source>Aurora %1 old</source>
        <extracomment>In the map&apos;s corner: how long ago the aurora forecast&apos;s instant was</extracomment>
        <translation>Aurores d’il y a %1</translation>
    </message>
    <message>
        <source>Aurora forecast for %1 ahead</source>
        <translation>Prévision des aurores dans %1</translation>
    </message>
    <message>
        <source>Aurora likely overhead</source>
        <extracomment>Home and Target row: the aurora forecast is strong right above the place, and it is dark and clear</extracomment>
        <translation>Aurore probable au zénith</translation>
    </message>
    <message>
        <source>Aurora likely on the horizon</source>
        <extracomment>Home and Target row: the aurora is forecast near enough to be seen low in the sky</extracomment>
        <translation>Aurore probable à l’horizon</translation>
    </message>
    <message>
        <source>No aurora forecast here</source>
        <translation>Pas d’aurore prévue ici</translation>
    </message>
    <message>
        <source>Aurora forecast, but the sky is too light</source>
        <extracomment>Home and Target row: aurora forecast, but the Sun is less than 12 degrees below the horizon</extracomment>
        <translation>Aurore prévue, mais le ciel est trop clair</translation>
    </message>
    <message>
        <source>Aurora forecast, but cloudy</source>
        <translation>Aurore prévue, mais ciel nuageux</translation>
    </message>
</context>
<context>
    <name>WeatherFiles</name>
    <message>
        <source>no such file</source>
        <translation>fichier introuvable</translation>
    </message>
    <message>
        <source>not a readable file</source>
        <translation>fichier illisible</translation>
    </message>
    <message>
        <source>larger than %1 MB</source>
        <translation>plus de %1 Mo</translation>
    </message>
    <message>
        <source>not a JPEG or PNG image</source>
        <translation>ni une image JPEG ni PNG</translation>
    </message>
    <message>
        <source>a cloud map is an equirectangular image twice as wide as high, from %1 pixels wide to %2; this one is %3x%4, %5</source>
        <translation>une carte des nuages est une image équirectangulaire deux fois plus large que haute, de %1 à %2 pixels de large ; celle-ci fait %3x%4, %5</translation>
    </message>
    <message>
        <source>damaged data: the image ends early</source>
        <translation>données endommagées : l&apos;image se termine trop tôt</translation>
    </message>
    <message>
        <source>damaged data: its size changes as it is read</source>
        <translation>données endommagées : sa taille change à la lecture</translation>
    </message>
    <message>
        <source>larger than %1 MB, not an aurora forecast</source>
        <translation>plus de %1 Mo, pas une prévision des aurores polaires</translation>
    </message>
    <message>
        <source>not JSON: %1 at byte %2</source>
        <translation>pas du JSON : %1 à l&apos;octet %2</translation>
    </message>
    <message>
        <source>no &quot;%1&quot; as an ISO 8601 time</source>
        <translation>pas de « %1 » en heure ISO 8601</translation>
    </message>
    <message>
        <source>no &quot;coordinates&quot; list</source>
        <translation>pas de liste « coordinates »</translation>
    </message>
    <message>
        <source>point %1 of &quot;coordinates&quot; is not [longitude, latitude, value]</source>
        <translation>le point %1 de « coordinates » n&apos;est pas [longitude, latitude, valeur]</translation>
    </message>
    <message>
        <source>point %1 of &quot;coordinates&quot;: %2</source>
        <translation>point %1 de « coordinates » : %2</translation>
    </message>
    <message>
        <source>&quot;coordinates&quot; holds %1 points, not %2</source>
        <translation>« coordinates » contient %1 points, et non %2</translation>
    </message>
</context>
<context>
    <name>WeatherSource</name>
    <message>
        <source>C&amp;loud map:</source>
        <extracomment>Preferences: the file of a greyscale world map of the clouds</extracomment>
        <translation>Carte des &amp;nuages :</translation>
    </message>
    <message>
        <source>Cloud map file</source>
        <translation>Fichier de la carte des nuages</translation>
    </message>
    <message>
        <source>Choose the cloud map file</source>
        <translation>Choisir le fichier de la carte des nuages</translation>
    </message>
    <message>
        <source>Clear the cloud map file</source>
        <translation>Retirer la carte des nuages</translation>
    </message>
    <message>
        <source>Cloud Map</source>
        <translation>Carte des nuages</translation>
    </message>
    <message>
        <source>Images (*.jpg *.jpeg *.png);;All files (*)</source>
        <extracomment>File types in the dialog that chooses the cloud map</extracomment>
        <translation>Images (*.jpg *.jpeg *.png);;Tous les fichiers (*)</translation>
    </message>
    <message>
        <source>Cloud map &quot;%1&quot; not shown: %2</source>
        <extracomment>%1 the cloud map&apos;s file name, %2 what is wrong with it</extracomment>
        <translation>Carte des nuages « %1 » non affichée : %2</translation>
    </message>
    <message>
        <source>Aur&amp;ora forecast:</source>
        <extracomment>Preferences: the file of NOAA&apos;s aurora forecast (OVATION, in JSON)</extracomment>
        <translation>Prévision des a&amp;urores :</translation>
    </message>
    <message>
        <source>Aurora forecast file</source>
        <translation>Fichier de la prévision des aurores polaires</translation>
    </message>
    <message>
        <source>Choose the aurora forecast file</source>
        <translation>Choisir le fichier de la prévision des aurores polaires</translation>
    </message>
    <message>
        <source>Clear the aurora forecast file</source>
        <translation>Retirer la prévision des aurores polaires</translation>
    </message>
    <message>
        <source>Aurora Forecast</source>
        <translation>Prévision des aurores polaires</translation>
    </message>
    <message>
        <source>OVATION forecasts (*.json);;All files (*)</source>
        <extracomment>File types in the dialog that chooses the aurora forecast</extracomment>
        <translation>Prévisions OVATION (*.json);;Tous les fichiers (*)</translation>
    </message>
    <message>
        <source>Aurora forecast &quot;%1&quot; not shown: %2</source>
        <extracomment>%1 the aurora forecast&apos;s file name, %2 what is wrong with it</extracomment>
        <translation>Prévision des aurores « %1 » non affichée : %2</translation>
    </message>
</context>
<context>
    <name>ZoneFinder</name>
    <message>
        <source>Type a city, a country or a zone</source>
        <translation>Saisissez une ville, un pays ou un fuseau</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <comment>a city and its time zone&apos;s id</comment>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>No zone matches “%1”</source>
        <translation>Aucun fuseau ne correspond à « %1 »</translation>
    </message>
</context>
</TS>
