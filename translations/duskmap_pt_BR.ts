<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR">
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
        <translation>Os relógios avançam %1 em %2 às %3</translation>
    </message>
    <message>
        <source>Clocks go back %1 on %2 at %3</source>
        <extracomment>%1: how far (&quot;1 h&quot;), %2: the date, %3: the time on the clocks before the change</extracomment>
        <translation>Os relógios atrasam %1 em %2 às %3</translation>
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
        <translation>%1° L</translation>
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
        <translation>Totalidade visível por inteiro</translation>
    </message>
    <message>
        <source>All of the eclipse seen</source>
        <extracomment>On the map where all of a partial or penumbral lunar eclipse can be seen</extracomment>
        <translation>Eclipse visível por inteiro</translation>
    </message>
    <message>
        <source>Moon rises during the eclipse</source>
        <extracomment>On the map where the Moon rises while a lunar eclipse is under way</extracomment>
        <translation>A Lua nasce durante o eclipse</translation>
    </message>
    <message>
        <source>Moon sets during the eclipse</source>
        <extracomment>On the map where the Moon sets while a lunar eclipse is under way</extracomment>
        <translation>A Lua se põe durante o eclipse</translation>
    </message>
    <message>
        <source>Eclipse not seen</source>
        <extracomment>On the map where a lunar eclipse cannot be seen: the Moon is down throughout</extracomment>
        <translation>Eclipse não visível</translation>
    </message>
</context>
<context>
    <name>EclipsesDialog</name>
    <message>
        <source>Total lunar</source>
        <translation>Lunar total</translation>
    </message>
    <message>
        <source>Partial lunar</source>
        <translation>Lunar parcial</translation>
    </message>
    <message>
        <source>Penumbral lunar</source>
        <translation>Lunar penumbral</translation>
    </message>
    <message>
        <source>Total solar</source>
        <translation>Solar total</translation>
    </message>
    <message>
        <source>Annular solar</source>
        <translation>Solar anular</translation>
    </message>
    <message>
        <source>Hybrid solar</source>
        <translation>Solar híbrido</translation>
    </message>
    <message>
        <source>Partial solar</source>
        <translation>Solar parcial</translation>
    </message>
    <message>
        <source>%1 min %2 s</source>
        <extracomment>A duration of totality or annularity: %1 minutes, %2 seconds</extracomment>
        <translation>%1 min %2 s</translation>
    </message>
    <message>
        <source>Eclipses</source>
        <translation>Eclipses</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Tipo</translation>
    </message>
    <message>
        <source>Greatest (UT)</source>
        <translation>Máximo (UT)</translation>
    </message>
    <message>
        <source>Place of greatest</source>
        <translation>Local do máximo</translation>
    </message>
    <message>
        <source>Duration</source>
        <translation>Duração</translation>
    </message>
    <message>
        <source>Magnitude</source>
        <translation>Magnitude</translation>
    </message>
    <message>
        <source>Seen from home</source>
        <translation>Visível de casa</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Sim</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Não</translation>
    </message>
    <message>
        <source>&amp;Go There</source>
        <extracomment>Shows the eclipse chosen in the list at its greatest</extracomment>
        <translation>&amp;Ir para lá</translation>
    </message>
    <message>
        <source>Eclipses from %1 to %2</source>
        <extracomment>The list&apos;s name for screen readers: %1 and %2 the first and last years it covers</extracomment>
        <translation>Eclipses de %1 a %2</translation>
    </message>
</context>
<context>
    <name>ElementProblem</name>
    <message>
        <source>a bad checksum</source>
        <extracomment>Why a satellite&apos;s orbital elements in a file were not used</extracomment>
        <translation>uma soma de verificação errada</translation>
    </message>
    <message>
        <source>a malformed line</source>
        <translation>uma linha malformada</translation>
    </message>
    <message>
        <source>a value that is not a number</source>
        <translation>um valor que não é um número</translation>
    </message>
    <message>
        <source>a missing line</source>
        <translation>uma linha faltando</translation>
    </message>
    <message>
        <source>lines of two different satellites</source>
        <translation>linhas de dois satélites diferentes</translation>
    </message>
    <message>
        <source>a bad catalogue number</source>
        <translation>um número de catálogo errado</translation>
    </message>
    <message>
        <source>a missing field</source>
        <translation>um campo faltando</translation>
    </message>
    <message>
        <source>an impossible value</source>
        <translation>um valor impossível</translation>
    </message>
    <message>
        <source>not element sets nor OMM</source>
        <translation>nem elementos orbitais nem OMM</translation>
    </message>
    <message>
        <source>larger than 50 MB</source>
        <translation>maior que 50 MB</translation>
    </message>
    <message>
        <source>missing or not readable</source>
        <translation>ausente ou ilegível</translation>
    </message>
    <message>
        <source>JSON or XML that does not parse</source>
        <translation>JSON ou XML que não pode ser lido</translation>
    </message>
    <message>
        <source>Cannot read the satellites&apos; elements in %1: %2</source>
        <translation>Não é possível ler os elementos dos satélites em %1: %2</translation>
    </message>
    <message numerus="yes">
        <source>Skipped %n record(s) in %1, the first on line %2: %3</source>
        <translation>
            <numerusform>%n registro ignorado em %1, o primeiro na linha %2: %3</numerusform>
            <numerusform>%n registros ignorados em %1, o primeiro na linha %2: %3</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>FactsPanel</name>
    <message>
        <source>Paths from home to target</source>
        <extracomment>What a screen reader calls the row&apos;s line of the paths from home to target</extracomment>
        <translation>Trajetos de casa ao destino</translation>
    </message>
    <message>
        <source>Unpin %1</source>
        <translation>Desafixar %1</translation>
    </message>
    <message>
        <source>Next satellite passes over home</source>
        <extracomment>What a screen reader calls the row&apos;s line of the satellites&apos; next passes over home</extracomment>
        <translation>Próximas passagens de satélites sobre a casa</translation>
    </message>
</context>
<context>
    <name>GoToDateDialog</name>
    <message>
        <source>Go to Date and Time</source>
        <translation>Ir para data e hora</translation>
    </message>
    <message>
        <source>YYYY-MM-DD HH:MM:SS</source>
        <extracomment>The form a date and time is typed in; keep the order and the punctuation</extracomment>
        <translation>AAAA-MM-DD HH:MM:SS</translation>
    </message>
    <message>
        <source>Date and time</source>
        <translation>Data e hora</translation>
    </message>
    <message>
        <source>About the date and time</source>
        <translation>Sobre a data e a hora</translation>
    </message>
    <message>
        <source>Date and time in %1:</source>
        <translation>Data e hora em %1:</translation>
    </message>
    <message>
        <source>Type a date and time as 2027-06-21 22:00:00.</source>
        <translation>Digite uma data e hora como 2027-06-21 22:00:00.</translation>
    </message>
    <message>
        <source>The map shows times from %1 to %2 here.</source>
        <translation>O mapa mostra aqui horários de %1 a %2.</translation>
    </message>
    <message>
        <source>The clocks go forward that night and skip this time: the map shows %1, %2 later.</source>
        <translation>Nessa noite os relógios avançam e pulam este horário: o mapa mostra %1, %2 depois.</translation>
    </message>
    <message>
        <source>The clocks go back that night and this time comes twice: the map shows the first, %1.</source>
        <translation>Nessa noite os relógios atrasam e este horário ocorre duas vezes: o mapa mostra o primeiro, %1.</translation>
    </message>
</context>
<context>
    <name>Localizable</name>
    <message>
        <source>Show Latitude/Longitude Grid</source>
        <comment>ShowLatLonGridLines</comment>
        <extracomment>Contextual menu item that shows the latitude/longitude grid</extracomment>
        <translation>Mostrar grade de latitude e longitude</translation>
    </message>
    <message>
        <source>Hide Latitude/Longitude Grid</source>
        <comment>HideLatLonGridLines</comment>
        <extracomment>Contextual menu item that hides the latitude/longitude grid</extracomment>
        <translation>Ocultar grade de latitude e longitude</translation>
    </message>
    <message>
        <source>Show Locations</source>
        <comment>ShowLocations</comment>
        <extracomment>Contextual menu item that shows the squares at the time zones&apos; reference places</extracomment>
        <translation>Mostrar locais</translation>
    </message>
    <message>
        <source>Hide Locations</source>
        <comment>HideLocations</comment>
        <extracomment>Contextual menu item that hides the squares at the time zones&apos; reference places</extracomment>
        <translation>Ocultar locais</translation>
    </message>
    <message>
        <source>Show Sun</source>
        <comment>ShowSun</comment>
        <extracomment>Contextual menu item that shows the sun symbol at the point under the Sun</extracomment>
        <translation>Mostrar Sol</translation>
    </message>
    <message>
        <source>Hide Sun</source>
        <comment>HideSun</comment>
        <extracomment>Contextual menu item that hides the sun symbol at the point under the Sun</extracomment>
        <translation>Ocultar Sol</translation>
    </message>
    <message>
        <source>Show Moon</source>
        <comment>ShowMoon</comment>
        <extracomment>Contextual menu item that shows the Moon, in its phase, at the point under it</extracomment>
        <translation>Mostrar Lua</translation>
    </message>
    <message>
        <source>Hide Moon</source>
        <comment>HideMoon</comment>
        <extracomment>Contextual menu item that hides the Moon, in its phase, at the point under it</extracomment>
        <translation>Ocultar Lua</translation>
    </message>
    <message>
        <source>Show Twilight Lines</source>
        <comment>ShowTwilightLines</comment>
        <extracomment>Contextual menu item that shows the lines of sunset and of civil, nautical and astronomical twilight</extracomment>
        <translation>Mostrar linhas de crepúsculo</translation>
    </message>
    <message>
        <source>Hide Twilight Lines</source>
        <comment>HideTwilightLines</comment>
        <extracomment>Contextual menu item that hides the lines of sunset and of civil, nautical and astronomical twilight</extracomment>
        <translation>Ocultar linhas de crepúsculo</translation>
    </message>
    <message>
        <source>Show Paths to Target</source>
        <comment>ShowPaths</comment>
        <extracomment>Menu item that shows the great circle from the home place to the target place: the short path solid, the long path dashed</extracomment>
        <translation>Mostrar rotas até o destino</translation>
    </message>
    <message>
        <source>Hide Paths to Target</source>
        <comment>HidePaths</comment>
        <extracomment>Menu item that hides the paths from home to the target</extracomment>
        <translation>Ocultar rotas até o destino</translation>
    </message>
    <message>
        <source>Show Locator Grid</source>
        <comment>ShowLocatorGrid</comment>
        <extracomment>Menu item that shows the grid of Maidenhead locators used by radio amateurs: fields of 20 by 10 degrees labelled AA to RR</extracomment>
        <translation>Mostrar grade de localizadores</translation>
    </message>
    <message>
        <source>Hide Locator Grid</source>
        <comment>HideLocatorGrid</comment>
        <extracomment>Menu item that hides the grid of Maidenhead locators</extracomment>
        <translation>Ocultar grade de localizadores</translation>
    </message>
    <message>
        <source>Show Range Rings</source>
        <comment>ShowRangeRings</comment>
        <extracomment>Menu item that shows the range rings: circles every 1000 km around the centre of the view, and lines towards the compass directions</extracomment>
        <translation>Mostrar anéis de distância</translation>
    </message>
    <message>
        <source>Hide Range Rings</source>
        <comment>HideRangeRings</comment>
        <extracomment>Menu item that hides the range rings</extracomment>
        <translation>Ocultar anéis de distância</translation>
    </message>
    <message>
        <source>Show Eclipses</source>
        <comment>ShowEclipses</comment>
        <extracomment>Menu item that shows solar eclipses (the Moon&apos;s shadow on the Earth and the path of totality) and where lunar eclipses are seen, while one is near</extracomment>
        <translation>Mostrar eclipses</translation>
    </message>
    <message>
        <source>Hide Eclipses</source>
        <comment>HideEclipses</comment>
        <extracomment>Menu item that hides the eclipses on the map</extracomment>
        <translation>Ocultar eclipses</translation>
    </message>
    <message>
        <source>Show Satellites</source>
        <comment>ShowSatellites</comment>
        <extracomment>Menu item that shows the chosen satellites with their ground tracks and the areas they can be seen from</extracomment>
        <translation>Mostrar satélites</translation>
    </message>
    <message>
        <source>Hide Satellites</source>
        <comment>HideSatellites</comment>
        <extracomment>Menu item that hides the satellites</extracomment>
        <translation>Ocultar satélites</translation>
    </message>
    <message>
        <source>Show Clouds</source>
        <comment>ShowClouds</comment>
        <extracomment>Menu item that shows the clouds of the cloud map file</extracomment>
        <translation>Mostrar nuvens</translation>
    </message>
    <message>
        <source>Hide Clouds</source>
        <comment>HideClouds</comment>
        <extracomment>Menu item that hides the clouds of the cloud map file</extracomment>
        <translation>Ocultar nuvens</translation>
    </message>
    <message>
        <source>Show Aurora</source>
        <comment>ShowAurora</comment>
        <extracomment>Menu item that shows the aurora forecast (the northern and southern lights)</extracomment>
        <translation>Mostrar aurora</translation>
    </message>
    <message>
        <source>Hide Aurora</source>
        <comment>HideAurora</comment>
        <extracomment>Menu item that hides the aurora forecast</extracomment>
        <translation>Ocultar aurora</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Time zone</source>
        <translation>Fuso horário</translation>
    </message>
    <message>
        <source>Time</source>
        <extracomment>Name of the clock readout, as a screen reader says it</extracomment>
        <translation>Hora</translation>
    </message>
    <message>
        <source>Date</source>
        <extracomment>Name of the date readout, as a screen reader says it</extracomment>
        <translation>Data</translation>
    </message>
    <message>
        <source>Switch between the small and the large map</source>
        <translation>Alternar entre o mapa pequeno e o grande</translation>
    </message>
    <message>
        <source>Zoom</source>
        <extracomment>Button: switch between the small and the large map</extracomment>
        <translation>Zoom</translation>
    </message>
    <message>
        <source>Save the map as a JPEG image</source>
        <translation>Salvar o mapa como imagem JPEG</translation>
    </message>
    <message>
        <source>Save as JPEG</source>
        <translation>Salvar como JPEG</translation>
    </message>
    <message>
        <source>Save…</source>
        <translation>Salvar…</translation>
    </message>
    <message>
        <source>Sunrise</source>
        <translation>Nascer do sol</translation>
    </message>
    <message>
        <source>Sunset</source>
        <translation>Pôr do sol</translation>
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
        <translation>Hora exibida</translation>
    </message>
    <message>
        <source>Time:</source>
        <extracomment>Label of the slider that moves the shown time</extracomment>
        <translation>Hora:</translation>
    </message>
    <message>
        <source>Time from now</source>
        <translation>Diferença de agora</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Reproduzir</translation>
    </message>
    <message>
        <source>Show the map as it is now</source>
        <translation>Mostrar o mapa como está agora</translation>
    </message>
    <message>
        <source>Now</source>
        <extracomment>Button: show the map at the present moment</extracomment>
        <translation>Agora</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Arquivo</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>E&amp;xibir</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Aj&amp;uda</translation>
    </message>
    <message>
        <source>&amp;Time</source>
        <extracomment>Menu that moves the shown time: later, earlier, now, play</extracomment>
        <translation>&amp;Tempo</translation>
    </message>
    <message>
        <source>&amp;Save as JPEG…</source>
        <translation>&amp;Salvar como JPEG…</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>Sa&amp;ir</translation>
    </message>
    <message>
        <source>&amp;Zoom</source>
        <translation>&amp;Zoom</translation>
    </message>
    <message>
        <source>&amp;Full Screen</source>
        <translation>&amp;Tela cheia</translation>
    </message>
    <message>
        <source>Open the Map&apos;s Menu</source>
        <translation>Abrir o menu do mapa</translation>
    </message>
    <message>
        <source>&amp;Keyboard Shortcuts</source>
        <translation>Atal&amp;hos de teclado</translation>
    </message>
    <message>
        <source>&amp;About Duskmap</source>
        <translation>&amp;Sobre o Duskmap</translation>
    </message>
    <message>
        <source>&amp;Settings</source>
        <translation>&amp;Configurações</translation>
    </message>
    <message>
        <source>&amp;Preferences…</source>
        <translation>&amp;Preferências…</translation>
    </message>
    <message>
        <source>Keyboard Shortcuts</source>
        <translation>Atalhos de teclado</translation>
    </message>
    <message>
        <source>Keyboard shortcuts</source>
        <translation>Atalhos de teclado</translation>
    </message>
    <message>
        <source>Action</source>
        <extracomment>Column headings of the list of keyboard shortcuts: what the keys do, and the keys</extracomment>
        <translation>Ação</translation>
    </message>
    <message>
        <source>Shortcut</source>
        <translation>Atalho</translation>
    </message>
    <message>
        <source> or </source>
        <extracomment>Between two keyboard shortcuts of one action</extracomment>
        <translation> ou </translation>
    </message>
    <message>
        <source>Next clock change</source>
        <translation>Próxima mudança de horário</translation>
    </message>
    <message>
        <source>Could not save the map to &quot;%1&quot;: %2</source>
        <translation>Não foi possível salvar o mapa em “%1”: %2</translation>
    </message>
    <message>
        <source>JPEG images (*.jpg)</source>
        <translation>Imagens JPEG (*.jpg)</translation>
    </message>
    <message>
        <source>About Duskmap</source>
        <translation>Sobre o Duskmap</translation>
    </message>
    <message>
        <source>&lt;h3&gt;Duskmap %1&lt;/h3&gt;&lt;p&gt;A world map of day, twilight and night, with a clock for a time zone of your choice.&lt;/p&gt;&lt;p&gt;Map images: NASA Visible Earth (&quot;Blue Marble&quot; and &quot;Earth at Night&quot;, NASA Goddard Space Flight Center), public domain.&lt;/p&gt;&lt;p&gt;Time zones and their places: the IANA tz database (public domain).&lt;/p&gt;&lt;p&gt;Duskmap is free software: you can redistribute it and/or modify it under the terms of the GNU General Public License as published by the Free Software Foundation, either version 3 of the License, or (at your option) any later version. It comes with no warranty.&lt;/p&gt;</source>
        <translation>&lt;h3&gt;Duskmap %1&lt;/h3&gt;&lt;p&gt;Um mapa-múndi do dia, do crepúsculo e da noite, com um relógio para o fuso horário de sua escolha.&lt;/p&gt;&lt;p&gt;Imagens do mapa: NASA Visible Earth (“Blue Marble” e “Earth at Night”, NASA Goddard Space Flight Center), domínio público.&lt;/p&gt;&lt;p&gt;Fusos horários e seus locais: o banco de dados tz da IANA (domínio público).&lt;/p&gt;&lt;p&gt;O Duskmap é software livre: você pode redistribuí-lo e/ou modificá-lo sob os termos da Licença Pública Geral GNU publicada pela Free Software Foundation, na versão 3 da Licença ou (a seu critério) em qualquer versão posterior. Ele é fornecido sem nenhuma garantia.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <comment>a readout and its value</comment>
        <extracomment>What a screen reader says for a readout: its name, then its value</extracomment>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>&amp;Projection</source>
        <translation>&amp;Projeção</translation>
    </message>
    <message>
        <source>&amp;Centre On</source>
        <translation>&amp;Centralizar em</translation>
    </message>
    <message>
        <source>Selected Zone</source>
        <translation>Fuso selecionado</translation>
    </message>
    <message>
        <source>North Pole</source>
        <translation>Polo Norte</translation>
    </message>
    <message>
        <source>South Pole</source>
        <translation>Polo Sul</translation>
    </message>
    <message>
        <source>Home</source>
        <extracomment>View → Centre On: the home place the user keeps (in the preferences or given with --home)</extracomment>
        <translation>Casa</translation>
    </message>
    <message>
        <source>&lt;p&gt;Cities: GeoNames (geonames.org), under the Creative Commons Attribution 4.0 licence.&lt;/p&gt;</source>
        <translation>&lt;p&gt;Cidades: GeoNames (geonames.org), sob a licença Creative Commons Atribuição 4.0.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>Default Centre</source>
        <extracomment>View → Centre On: where the view stands until another centre is chosen: Greenwich for the world maps, the selected zone for the azimuthal view and the globe</extracomment>
        <translation>Centro padrão</translation>
    </message>
    <message>
        <source>Move &amp;West</source>
        <translation>Para o &amp;oeste</translation>
    </message>
    <message>
        <source>Move &amp;East</source>
        <translation>Para o &amp;leste</translation>
    </message>
    <message>
        <source>Move &amp;North</source>
        <translation>Para o &amp;norte</translation>
    </message>
    <message>
        <source>Move &amp;South</source>
        <translation>Para o &amp;sul</translation>
    </message>
    <message>
        <source>&lt;p&gt;Eclipses: the Swiss Ephemeris (Astrodienst AG) with its JPL-based files, under the GNU Affero General Public License 3.0.&lt;/p&gt;</source>
        <translation>&lt;p&gt;Eclipses: a Swiss Ephemeris (Astrodienst AG) com seus arquivos baseados no JPL, sob a GNU Affero General Public License 3.0.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>Satellite Passes</source>
        <translation>Passagens de satélites</translation>
    </message>
    <message>
        <source>Choose an element file and its satellites in the preferences.</source>
        <translation>Escolha um arquivo de elementos e seus satélites nas preferências.</translation>
    </message>
    <message>
        <source>Set a home place in the preferences to see the passes over it.</source>
        <translation>Defina um local de casa nas preferências para ver as passagens sobre ele.</translation>
    </message>
    <message>
        <source>Passes over %1 in the next 3 days, above %2°, times in %3. Visible: sunlit while home is in the dark.</source>
        <extracomment>Above the list of passes: %1 the home place, %2 the elevation mask, %3 the time zone</extracomment>
        <translation>Passagens sobre %1 nos próximos 3 dias, acima de %2°, horários em %3. Visível: iluminado pelo Sol enquanto em casa está escuro.</translation>
    </message>
    <message>
        <source>Satellite passes</source>
        <translation>Passagens de satélites</translation>
    </message>
    <message>
        <source>Satellite</source>
        <extracomment>Column headings of the list of satellite passes</extracomment>
        <translation>Satélite</translation>
    </message>
    <message>
        <source>Rise</source>
        <translation>Nascer</translation>
    </message>
    <message>
        <source>Azimuth</source>
        <translation>Azimute</translation>
    </message>
    <message>
        <source>Culmination</source>
        <translation>Culminação</translation>
    </message>
    <message>
        <source>Elevation</source>
        <translation>Elevação</translation>
    </message>
    <message>
        <source>Set</source>
        <translation>Ocaso</translation>
    </message>
    <message>
        <source>Visible</source>
        <translation>Visível</translation>
    </message>
    <message>
        <source>yes</source>
        <translation>sim</translation>
    </message>
    <message>
        <source>no</source>
        <translation>não</translation>
    </message>
    <message>
        <source>&amp;Satellite Passes…</source>
        <extracomment>Menu item that opens the list of the chosen satellites&apos; next passes over home</extracomment>
        <translation>Passagens de &amp;satélites…</translation>
    </message>
    <message>
        <source>Elements</source>
        <extracomment>Column heading: how old each satellite&apos;s orbital elements are</extracomment>
        <translation>Elementos</translation>
    </message>
    <message>
        <source>Azimuth at rise</source>
        <translation>Azimute ao nascer</translation>
    </message>
    <message>
        <source>Greatest elevation</source>
        <translation>Elevação máxima</translation>
    </message>
    <message>
        <source>Azimuth at set</source>
        <translation>Azimute ao se pôr</translation>
    </message>
</context>
<context>
    <name>MapLayer</name>
    <message>
        <source>Latitude and longitude grid</source>
        <translation>Grade de latitude e longitude</translation>
    </message>
    <message>
        <source>Squares at the zones&apos; places</source>
        <translation>Quadrados nos locais dos fusos</translation>
    </message>
    <message>
        <source>Point under the Sun</source>
        <translation>Ponto sob o Sol</translation>
    </message>
    <message>
        <source>Moon in its phase</source>
        <translation>Lua em sua fase</translation>
    </message>
    <message>
        <source>Sunset and twilight lines</source>
        <translation>Linhas do pôr do sol e do crepúsculo</translation>
    </message>
    <message>
        <source>Short and long paths from home to target</source>
        <translation>Rotas curta e longa de casa até o destino</translation>
    </message>
    <message>
        <source>Maidenhead locator grid</source>
        <translation>Grade de localizadores Maidenhead</translation>
    </message>
    <message>
        <source>Range rings</source>
        <extracomment>The layer of circles every 1000 km and bearings around the centre</extracomment>
        <translation>Anéis de distância</translation>
    </message>
    <message>
        <source>Eclipses</source>
        <translation>Eclipses</translation>
    </message>
    <message>
        <source>Satellites, their tracks and footprints</source>
        <translation>Satélites, seus rastros e suas pegadas</translation>
    </message>
    <message>
        <source>Clouds</source>
        <translation>Nuvens</translation>
    </message>
    <message>
        <source>Aurora forecast</source>
        <extracomment>The layer of the forecast of the northern and southern lights</extracomment>
        <translation>Previsão de auroras</translation>
    </message>
</context>
<context>
    <name>MapView</name>
    <message>
        <source>Flat Map</source>
        <translation>Mapa plano</translation>
    </message>
    <message>
        <source>Distances and Directions from the Centre</source>
        <translation>Distâncias e direções a partir do centro</translation>
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
        <translation>Mollweide (áreas iguais)</translation>
    </message>
</context>
<context>
    <name>MapWidget</name>
    <message>
        <source>Day and night map</source>
        <translation>Mapa do dia e da noite</translation>
    </message>
    <message>
        <source>More Zones</source>
        <translation>Mais fusos</translation>
    </message>
    <message>
        <source>Contextual Menu</source>
        <translation>Menu de contexto</translation>
    </message>
    <message>
        <source>Pin</source>
        <extracomment>Submenu of the map&apos;s menu: keep a world clock for one of the nearby zones</extracomment>
        <translation>Fixar</translation>
    </message>
    <message>
        <source>More Layers</source>
        <translation>Mais camadas</translation>
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
        <translation>L</translation>
    </message>
    <message>
        <source>W</source>
        <comment>west</comment>
        <translation>O</translation>
    </message>
    <message>
        <source>%1 · %2 km from the centre, bearing %3°</source>
        <translation>%1 · %2 km do centro, rumo %3°</translation>
    </message>
    <message>
        <source>Centre Map Here</source>
        <translation>Centralizar o mapa aqui</translation>
    </message>
    <message>
        <source>Set Home Here</source>
        <extracomment>Map menu: make the place clicked the home place</extracomment>
        <translation>Definir casa aqui</translation>
    </message>
    <message>
        <source>Set Target Here</source>
        <extracomment>Map menu: make the place clicked the target place, far end of the paths from home</extracomment>
        <translation>Definir destino aqui</translation>
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
        <translation>Destino</translation>
    </message>
    <message>
        <source>&amp;Target:</source>
        <translation>&amp;Destino:</translation>
    </message>
</context>
<context>
    <name>PlaceField</name>
    <message>
        <source>A city, a locator such as JO62qm, or 52.52, 13.40</source>
        <extracomment>Placeholder of the home and target fields: the forms a place may be typed in</extracomment>
        <translation>Uma cidade, um localizador como JO62qm, ou 52.52, 13.40</translation>
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
        <translation>os nomes de cidades não estão disponíveis sem a lista de cidades</translation>
    </message>
    <message>
        <source>no city of that name</source>
        <translation>nenhuma cidade com esse nome</translation>
    </message>
    <message>
        <source>coordinates are not numbers</source>
        <translation>as coordenadas não são números</translation>
    </message>
    <message>
        <source>coordinates out of range (latitude -90 to 90, longitude -180 to 180)</source>
        <translation>coordenadas fora do intervalo (latitude de −90 a 90, longitude de −180 a 180)</translation>
    </message>
    <message>
        <source>not a latitude and longitude in degrees, minutes and seconds</source>
        <translation>não é uma latitude e longitude em graus, minutos e segundos</translation>
    </message>
    <message>
        <source>no place given</source>
        <translation>nenhum lugar informado</translation>
    </message>
    <message>
        <source>not a Maidenhead locator of 4, 6 or 8 characters (like JO62qm)</source>
        <translation>não é um localizador Maidenhead de 4, 6 ou 8 caracteres (como JO62qm)</translation>
    </message>
    <message>
        <source>not a latitude and longitude in degrees (like 52.52,13.40)</source>
        <translation>não é uma latitude e longitude em graus (como 52.52,13.40)</translation>
    </message>
    <message>
        <source>no city name given</source>
        <translation>nenhum nome de cidade informado</translation>
    </message>
</context>
<context>
    <name>PreferencesDialog</name>
    <message>
        <source>Shown on the map</source>
        <translation>Exibido no mapa</translation>
    </message>
    <message>
        <source>World clocks</source>
        <translation>Relógios mundiais</translation>
    </message>
    <message>
        <source>Add a world clock</source>
        <translation>Adicionar um relógio mundial</translation>
    </message>
    <message>
        <source>Type a city, a country or a zone to add its clock</source>
        <translation>Cidade, país ou fuso do novo relógio</translation>
    </message>
    <message>
        <source>&amp;Remove</source>
        <translation>&amp;Remover</translation>
    </message>
    <message>
        <source>Move &amp;Up</source>
        <translation>Mover para &amp;cima</translation>
    </message>
    <message>
        <source>Move &amp;Down</source>
        <translation>Mover para &amp;baixo</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <comment>a city and its time zone&apos;s id</comment>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>&amp;Projection:</source>
        <translation>&amp;Projeção:</translation>
    </message>
    <message>
        <source>Home and target</source>
        <extracomment>Group of the preferences: the user&apos;s own place and a far place, with the paths between</extracomment>
        <translation>Casa e destino</translation>
    </message>
    <message>
        <source>Problem with a place</source>
        <translation>Problema com um lugar</translation>
    </message>
    <message>
        <source> m</source>
        <extracomment>Unit after the home&apos;s height above the sea</extracomment>
        <translation> m</translation>
    </message>
    <message>
        <source>Home&apos;s height above the &amp;sea:</source>
        <extracomment>Preferences: the home&apos;s height above the sea, which lowers its horizon</extracomment>
        <translation>Altitude de casa acima do &amp;mar:</translation>
    </message>
    <message>
        <source>Lowest Sun of the grey line</source>
        <extracomment>The grey line&apos;s lowest and highest Sun, for screen readers</extracomment>
        <translation>Sol mais baixo da linha cinza</translation>
    </message>
    <message>
        <source>Highest Sun of the grey line</source>
        <translation>Sol mais alto da linha cinza</translation>
    </message>
    <message>
        <source>A place is on the grey line while the Sun&apos;s centre stands between these heights above or below its horizon.</source>
        <extracomment>Tooltip of the grey line&apos;s band in the preferences</extracomment>
        <translation>Um lugar está na linha cinza enquanto o centro do Sol está entre estas alturas acima ou abaixo do seu horizonte.</translation>
    </message>
    <message>
        <source>to</source>
        <extracomment>Between the grey line&apos;s lowest and highest Sun: &quot;−6° to 6°&quot;</extracomment>
        <translation>a</translation>
    </message>
    <message>
        <source>Grey line, Sun from:</source>
        <extracomment>Preferences: the Sun&apos;s heights at which a place is on the grey line</extracomment>
        <translation>Linha cinza, Sol de:</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>%1 Home or Target, %2 what is wrong with the place typed</extracomment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>Preferences</source>
        <translation>Preferências</translation>
    </message>
    <message>
        <source>Satellites</source>
        <extracomment>Group of the preferences: the satellites shown on the map and their file</extracomment>
        <translation>Satélites</translation>
    </message>
    <message>
        <source>A file of TLE or OMM elements</source>
        <extracomment>Placeholder of the field that names the file of satellites&apos; orbital elements</extracomment>
        <translation>Um arquivo de elementos TLE ou OMM</translation>
    </message>
    <message>
        <source>Element file</source>
        <extracomment>The field that names the file of satellites&apos; orbital elements, for screen readers</extracomment>
        <translation>Arquivo de elementos</translation>
    </message>
    <message>
        <source>&amp;Choose…</source>
        <translation>&amp;Escolher…</translation>
    </message>
    <message>
        <source>Choose the satellites&apos; element file</source>
        <translation>Escolher o arquivo de elementos dos satélites</translation>
    </message>
    <message>
        <source>&amp;Element file:</source>
        <translation>Arquivo de e&amp;lementos:</translation>
    </message>
    <message>
        <source>Satellites&apos; Element File</source>
        <translation>Arquivo de elementos dos satélites</translation>
    </message>
    <message>
        <source>Element sets (*.tle *.txt *.3le *.csv *.json *.xml);;All files (*)</source>
        <extracomment>File types in the dialog that chooses the satellites&apos; element file</extracomment>
        <translation>Elementos orbitais (*.tle *.txt *.3le *.csv *.json *.xml);;Todos os arquivos (*)</translation>
    </message>
    <message>
        <source>Problem with the element file</source>
        <translation>Problema com o arquivo de elementos</translation>
    </message>
    <message>
        <source>Elevation mask</source>
        <translation>Máscara de elevação</translation>
    </message>
    <message>
        <source>The footprints and the passes count a satellite as up from this elevation above home&apos;s horizon.</source>
        <extracomment>Tooltip of the satellites&apos; elevation mask</extracomment>
        <translation>As pegadas e as passagens contam um satélite como nascido a partir desta elevação acima do horizonte de casa.</translation>
    </message>
    <message>
        <source>Ele&amp;vation mask:</source>
        <translation>Máscara de ele&amp;vação:</translation>
    </message>
    <message>
        <source>Find by name or catalogue number</source>
        <extracomment>Placeholder of the search box over the list of satellites</extracomment>
        <translation>Buscar por nome ou número de catálogo</translation>
    </message>
    <message>
        <source>Find a satellite</source>
        <translation>Buscar um satélite</translation>
    </message>
    <message>
        <source>Satellites to show</source>
        <translation>Satélites a mostrar</translation>
    </message>
    <message>
        <source>On the map: gold, sunlit; blue, in the Earth&apos;s shadow; green, sunlit over home in the dark, to be seen by eye; grey, elements older than 14 days.</source>
        <extracomment>The legend of the satellites&apos; colours on the map</extracomment>
        <translation>No mapa: dourado, iluminado; azul, na sombra da Terra; verde, iluminado sobre a casa no escuro, visível a olho nu; cinza, elementos com mais de 14 dias.</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <extracomment>A satellite in the list to choose from: its name and catalogue number</extracomment>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>Clouds and aurora</source>
        <extracomment>Group of the preferences: the files of the cloud map and of the aurora forecast</extracomment>
        <translation>Nuvens e auroras</translation>
    </message>
    <message>
        <source>Choose…</source>
        <extracomment>Button beside a file&apos;s field in the preferences that opens a file dialog</extracomment>
        <translation>Escolher…</translation>
    </message>
    <message>
        <source>Clear</source>
        <extracomment>Button beside a file&apos;s field in the preferences that empties it</extracomment>
        <translation>Remover</translation>
    </message>
    <message>
        <source>S&amp;atellites…</source>
        <extracomment>Button in the preferences that opens the choice of satellites and their file</extracomment>
        <translation>S&amp;atélites…</translation>
    </message>
    <message>
        <source>&amp;Find:</source>
        <extracomment>The search box over the list of satellites</extracomment>
        <translation>&amp;Buscar:</translation>
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
        <translation>Nascer do sol</translation>
    </message>
    <message>
        <source>Sunset</source>
        <translation>Pôr do sol</translation>
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
        <translation>O sol não se põe</translation>
    </message>
    <message>
        <source>Sun never rises</source>
        <translation>O sol não nasce</translation>
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
        <translation>L</translation>
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
        <translation>%1 dias</translation>
    </message>
    <message>
        <source>%1, stale</source>
        <extracomment>%1 an age in days, such as &quot;20.0 days&quot;: elements too old to trust</extracomment>
        <translation>%1, desatualizados</translation>
    </message>
    <message>
        <source>%1, catalogue number %2</source>
        <extracomment>A satellite in the map&apos;s tooltip: %1 its name, %2 its catalogue number</extracomment>
        <translation>%1, número de catálogo %2</translation>
    </message>
    <message>
        <source>%1 km high, seen up to %2 km away</source>
        <extracomment>%1 the satellite&apos;s height above the ground, %2 the radius of the area that sees it above the elevation mask, both in kilometres</extracomment>
        <translation>a %1 km de altura, visível até %2 km</translation>
    </message>
    <message>
        <source>In the Earth&apos;s shadow</source>
        <extracomment>How a satellite stands now; blue is its colour on the map</extracomment>
        <translation>Na sombra da Terra</translation>
    </message>
    <message>
        <source>In the Earth&apos;s shadow (blue)</source>
        <translation>Na sombra da Terra (azul)</translation>
    </message>
    <message>
        <source>Sunlit</source>
        <extracomment>How a satellite stands now; gold is its colour on the map</extracomment>
        <translation>Iluminado pelo Sol</translation>
    </message>
    <message>
        <source>Sunlit (gold)</source>
        <translation>Iluminado pelo Sol (dourado)</translation>
    </message>
    <message>
        <source>Sunlit over home in the dark: to be seen by eye</source>
        <extracomment>The satellite can be seen by eye from home now; green is its colour on the map</extracomment>
        <translation>Iluminado sobre a casa no escuro: visível a olho nu</translation>
    </message>
    <message>
        <source>Sunlit over home in the dark: to be seen by eye (green)</source>
        <translation>Iluminado sobre a casa no escuro: visível a olho nu (verde)</translation>
    </message>
    <message>
        <source>Elements %1 days old: stale, so it may be far from where it is drawn (grey)</source>
        <extracomment>%1 the elements&apos; age in days, such as 20.3; grey is the satellite&apos;s colour on the map while they are this old</extracomment>
        <translation>Elementos de %1 dias atrás: desatualizados, pode estar longe de onde é desenhado (cinza)</translation>
    </message>
    <message>
        <source>Elements dated %1 days later</source>
        <extracomment>%1 days between the shown time and the later epoch of the orbital elements</extracomment>
        <translation>Elementos datados %1 dias depois</translation>
    </message>
    <message>
        <source>Elements %1 days old</source>
        <extracomment>%1 the age in days of the orbital elements its place is worked out from</extracomment>
        <translation>Elementos de %1 dias atrás</translation>
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
        <translation>dia</translation>
    </message>
    <message>
        <source>twilight</source>
        <extracomment>The light at a world clock&apos;s place now</extracomment>
        <translation>crepúsculo</translation>
    </message>
    <message>
        <source>night</source>
        <extracomment>The light at a world clock&apos;s place now</extracomment>
        <translation>noite</translation>
    </message>
    <message numerus="yes">
        <source>%1%n day</source>
        <extracomment>How many days a world clock&apos;s date lies ahead of or behind the selected zone&apos;s; %1 is the sign</extracomment>
        <translation>
            <numerusform>%1%n dia</numerusform>
            <numerusform>%1%n dias</numerusform>
        </translation>
    </message>
    <message>
        <source>Day and night map, %1 %2 UTC.</source>
        <extracomment>What the map shows, for screen readers: %1 the date, %2 the time (UTC)</extracomment>
        <translation>Mapa do dia e da noite, %1 %2 UTC.</translation>
    </message>
    <message>
        <source>%1: %2, Sun %3° high.</source>
        <extracomment>%1 a city, %2 day, twilight or night there, %3 the Sun&apos;s height in degrees</extracomment>
        <translation>%1: %2, Sol a %3° de altura.</translation>
    </message>
    <message>
        <source>%1: %2, Sun %3° below the horizon.</source>
        <extracomment>%1 a city, %2 day, twilight or night there, %3 the Sun&apos;s depth in degrees</extracomment>
        <translation>%1: %2, Sol %3° abaixo do horizonte.</translation>
    </message>
    <message>
        <source>≈</source>
        <extracomment>Marks a local time whose zone is only guessed, from the nearest city or the longitude</extracomment>
        <translation>≈</translation>
    </message>
    <message>
        <source>polar day</source>
        <extracomment>The Sun does not set on this day at a place</extracomment>
        <translation>dia polar</translation>
    </message>
    <message>
        <source>polar night</source>
        <extracomment>The Sun does not rise on this day at a place</extracomment>
        <translation>noite polar</translation>
    </message>
    <message>
        <source>none</source>
        <extracomment>A sunrise or sunset that does not happen on this day</extracomment>
        <translation>nenhum</translation>
    </message>
    <message>
        <source>sunrise %1, sunset %2</source>
        <extracomment>%1 and %2 are local times, such as 7:58</extracomment>
        <translation>nascer %1, pôr %2</translation>
    </message>
    <message>
        <source>%1 %2 · %3 · %4 · Sun %5°</source>
        <extracomment>One end of the path: %1 Home or Target, %2 its name or locator, %3 its local time, %4 its sunrise and sunset, %5 the Sun&apos;s height in degrees</extracomment>
        <translation>%1 %2 · %3 · %4 · Sol %5°</translation>
    </message>
    <message>
        <source>(guessed)</source>
        <translation>(estimado)</translation>
    </message>
    <message>
        <source>no grey line within 24 h</source>
        <extracomment>No span within the next day when both places are in the twilight band</extracomment>
        <translation>sem linha cinza em 24 h</translation>
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
        <translation>Trajeto curto: rumo %1° a partir de casa, %2° de volta a partir do destino
Linha cinza: Sol de %3° a %4° nas duas pontas</translation>
    </message>
    <message>
        <source>grey line now, until %1 (home time)</source>
        <extracomment>Both places are in the twilight band now; %1 is the time it ends at home</extracomment>
        <translation>linha cinza agora, até %1 (hora de casa)</translation>
    </message>
    <message>
        <source>grey line %1–%2 (home time)</source>
        <extracomment>The next span when both places are in the twilight band, in home&apos;s times: 16:02–16:40</extracomment>
        <translation>linha cinza %1–%2 (hora de casa)</translation>
    </message>
    <message>
        <source>%1 · locator %2
Time zone %3
Sun towards %4°</source>
        <extracomment>%1 the place&apos;s latitude and longitude, %2 the Maidenhead locator, %3 the time zone, %4 the Sun&apos;s compass direction in degrees</extracomment>
        <translation>%1 · localizador %2
Fuso horário %3
Sol na direção %4°</translation>
    </message>
    <message>
        <source>no eclipse seen</source>
        <extracomment>A solar eclipse is near, but this place does not see it</extracomment>
        <translation>eclipse não visível</translation>
    </message>
    <message>
        <source>total lunar eclipse %1–%2</source>
        <extracomment>%1 and %2 the local times a total lunar eclipse&apos;s totality begins and ends (or moonrise, moonset)</extracomment>
        <translation>eclipse lunar total %1–%2</translation>
    </message>
    <message>
        <source>partial lunar eclipse %1–%2</source>
        <extracomment>%1 and %2 the local times the Moon enters and leaves the Earth&apos;s umbra (or moonrise, moonset)</extracomment>
        <translation>eclipse lunar parcial %1–%2</translation>
    </message>
    <message>
        <source>penumbral lunar eclipse %1–%2</source>
        <extracomment>%1 and %2 the local times the Moon enters and leaves the Earth&apos;s penumbra (or moonrise, moonset)</extracomment>
        <translation>eclipse lunar penumbral %1–%2</translation>
    </message>
    <message>
        <source>lunar eclipse not seen</source>
        <extracomment>A lunar eclipse is near, but the Moon is below this place&apos;s horizon throughout</extracomment>
        <translation>eclipse lunar não visível</translation>
    </message>
    <message>
        <source>%1 visible %2, %3°</source>
        <translation>%1 visível %2, %3°</translation>
    </message>
    <message>
        <source>%1 rises %2, %3°</source>
        <translation>%1 nasce %2, %3°</translation>
    </message>
    <message>
        <source>sunrise</source>
        <extracomment>In place of the local time an eclipse is first seen: the Sun rises during it</extracomment>
        <translation>nascer do Sol</translation>
    </message>
    <message>
        <source>sunset</source>
        <extracomment>In place of the local time an eclipse is last seen: the Sun sets during it</extracomment>
        <translation>pôr do Sol</translation>
    </message>
    <message>
        <source>total eclipse %1–%2 (partial %3–%4), Sun %5°</source>
        <extracomment>What a place sees of a solar eclipse: %1 and %2 the local times totality begins and ends, %3 and %4 those of the partial eclipse around it, %5 the Sun&apos;s height in degrees at the greatest</extracomment>
        <translation>eclipse total %1–%2 (parcial %3–%4), Sol %5°</translation>
    </message>
    <message>
        <source>annular eclipse %1–%2 (partial %3–%4), Sun %5°</source>
        <extracomment>%1 and %2 the local times the ring of the Sun begins and ends, %3 and %4 those of the partial eclipse around it, %5 the Sun&apos;s height in degrees at the greatest</extracomment>
        <translation>eclipse anular %1–%2 (parcial %3–%4), Sol %5°</translation>
    </message>
    <message>
        <source>partial eclipse %1–%2, %3 % at %4, Sun %5°</source>
        <extracomment>%1 and %2 the local times a partial solar eclipse begins and ends (or sunrise, sunset), %3 the most of the Sun&apos;s diameter covered, in per cent rounded down, %4 the local time of that greatest, %5 the Sun&apos;s height in degrees then</extracomment>
        <translation>eclipse parcial %1–%2, %3 % às %4, Sol %5°</translation>
    </message>
    <message>
        <source>moonrise</source>
        <extracomment>In place of the local time a lunar eclipse is first seen: the Moon rises during it</extracomment>
        <translation>nascer da Lua</translation>
    </message>
    <message>
        <source>moonset</source>
        <extracomment>In place of the local time a lunar eclipse is last seen: the Moon sets during it</extracomment>
        <translation>pôr da Lua</translation>
    </message>
    <message>
        <source>%1 visible until %2, %3°</source>
        <translation>%1 visível até %2, %3°</translation>
    </message>
    <message>
        <source>%1 up until %2, %3°</source>
        <translation>%1 acima do horizonte até %2, %3°</translation>
    </message>
    <message>
        <source>%1: no pass within 3 days</source>
        <extracomment>A chosen satellite that does not rise above home&apos;s horizon (the elevation mask) within the days searched; %1 its name</extracomment>
        <translation>%1: nenhuma passagem em 3 dias</translation>
    </message>
    <message numerus="yes">
        <source>%n more</source>
        <extracomment>After the soonest passes in the row: how many chosen satellites are left out</extracomment>
        <translation>
            <numerusform>mais %n</numerusform>
            <numerusform>mais %n</numerusform>
        </translation>
    </message>
    <message>
        <source>Passes %1</source>
        <extracomment>The row of the chosen satellites&apos; next passes over home: %1 the soonest few</extracomment>
        <translation>Passagens %1</translation>
    </message>
</context>
<context>
    <name>SkyTexts</name>
    <message>
        <source>New</source>
        <extracomment>Phase of the Moon</extracomment>
        <translation>Lua nova</translation>
    </message>
    <message>
        <source>Waxing crescent</source>
        <extracomment>Phase of the Moon</extracomment>
        <translation>Lua crescente</translation>
    </message>
    <message>
        <source>First quarter</source>
        <extracomment>Phase of the Moon</extracomment>
        <translation>Quarto crescente</translation>
    </message>
    <message>
        <source>Waxing gibbous</source>
        <extracomment>Phase of the Moon</extracomment>
        <translation>Crescente gibosa</translation>
    </message>
    <message>
        <source>Full</source>
        <extracomment>Phase of the Moon</extracomment>
        <translation>Lua cheia</translation>
    </message>
    <message>
        <source>Waning gibbous</source>
        <extracomment>Phase of the Moon</extracomment>
        <translation>Minguante gibosa</translation>
    </message>
    <message>
        <source>Last quarter</source>
        <extracomment>Phase of the Moon</extracomment>
        <translation>Quarto minguante</translation>
    </message>
    <message>
        <source>Waning crescent</source>
        <extracomment>Phase of the Moon</extracomment>
        <translation>Lua minguante</translation>
    </message>
    <message>
        <source>Moon: %1, %2%
Sun overhead: %3, %4</source>
        <extracomment>The Moon&apos;s phase and lit part; the point where the Sun stands overhead</extracomment>
        <translation>Lua: %1, %2%
Sol a pino: %3, %4</translation>
    </message>
</context>
<context>
    <name>TimeMachine</name>
    <message>
        <source>One Hour &amp;Later</source>
        <translation>Uma hora mais &amp;tarde</translation>
    </message>
    <message>
        <source>One Hour &amp;Earlier</source>
        <translation>Uma hora mais c&amp;edo</translation>
    </message>
    <message>
        <source>One &amp;Day Later</source>
        <translation>Um &amp;dia depois</translation>
    </message>
    <message>
        <source>One Day Ea&amp;rlier</source>
        <translation>Um dia a&amp;ntes</translation>
    </message>
    <message>
        <source>&amp;Now</source>
        <translation>A&amp;gora</translation>
    </message>
    <message>
        <source>&amp;Go to Date and Time…</source>
        <translation>&amp;Ir para data e hora…</translation>
    </message>
    <message>
        <source>&amp;Play</source>
        <translation>Re&amp;produzir</translation>
    </message>
    <message>
        <source>Play &amp;Speed</source>
        <translation>&amp;Velocidade</translation>
    </message>
    <message>
        <source>1 Minute a Second</source>
        <translation>1 minuto por segundo</translation>
    </message>
    <message>
        <source>10 Minutes a Second</source>
        <translation>10 minutos por segundo</translation>
    </message>
    <message>
        <source>1 Hour a Second</source>
        <translation>1 hora por segundo</translation>
    </message>
    <message>
        <source>1 Day a Second</source>
        <translation>1 dia por segundo</translation>
    </message>
    <message>
        <source>&amp;Pause</source>
        <translation>&amp;Pausar</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pausar</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Reproduzir</translation>
    </message>
    <message>
        <source>Showing %1 %2 (%3) · Now: %4</source>
        <extracomment>%1: the shown date and time, %2: its zone&apos;s abbreviation, %3: how far from now, %4: the key that goes back to now</extracomment>
        <translation>Exibindo %1 %2 (%3) · Agora: %4</translation>
    </message>
    <message>
        <source>d MMMM yyyy, HH:mm</source>
        <translation>d &apos;de&apos; MMMM &apos;de&apos; yyyy, HH:mm</translation>
    </message>
    <message>
        <source>d</source>
        <extracomment>Abbreviation of days in a time from now: &quot;+3 d 2 h&quot;</extracomment>
        <translation>d</translation>
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
        <translation>Pró&amp;ximo eclipse</translation>
    </message>
    <message>
        <source>Pre&amp;vious Eclipse</source>
        <extracomment>Time menu: show the previous solar or lunar eclipse at its greatest</extracomment>
        <translation>Eclipse ante&amp;rior</translation>
    </message>
    <message>
        <source>E&amp;clipses…</source>
        <translation>E&amp;clipses…</translation>
    </message>
</context>
<context>
    <name>TwilightLines</name>
    <message>
        <source>sunset</source>
        <extracomment>Label on the map beside the line where the Sun sets</extracomment>
        <translation>pôr do sol</translation>
    </message>
    <message>
        <source>civil</source>
        <extracomment>Label on the map beside the line where civil twilight ends (Sun 6° below the horizon)</extracomment>
        <translation>civil</translation>
    </message>
    <message>
        <source>nautical</source>
        <extracomment>Label on the map beside the line where nautical twilight ends (Sun 12° below)</extracomment>
        <translation>náutico</translation>
    </message>
    <message>
        <source>astronomical</source>
        <extracomment>Label on the map beside the line where astronomical twilight ends (Sun 18° below)</extracomment>
        <translation>astronômico</translation>
    </message>
    <message>
        <source>sunrise</source>
        <extracomment>Label on the map beside the line where the Sun rises</extracomment>
        <translation>nascer do sol</translation>
    </message>
</context>
<context>
    <name>Weather</name>
    <message>
        <source>%1 d %2 h</source>
        <extracomment>An age in days and hours: &quot;3 d 4 h&quot;</extracomment>
        <translation>%1 d %2 h</translation>
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
        <translation>Nuvens de %1 atrás</translation>
    </message>
    <message>
        <source>Aurora %1 old</source>
        <extracomment>In the map&apos;s corner: how long ago the aurora forecast&apos;s instant was</extracomment>
        <translation>Aurora de %1 atrás</translation>
    </message>
    <message>
        <source>Aurora forecast for %1 ahead</source>
        <translation>Previsão de auroras para daqui a %1</translation>
    </message>
    <message>
        <source>Aurora likely overhead</source>
        <extracomment>Home and Target row: the aurora forecast is strong right above the place, and it is dark and clear</extracomment>
        <translation>Aurora provável no zênite</translation>
    </message>
    <message>
        <source>Aurora likely on the horizon</source>
        <extracomment>Home and Target row: the aurora is forecast near enough to be seen low in the sky</extracomment>
        <translation>Aurora provável no horizonte</translation>
    </message>
    <message>
        <source>No aurora forecast here</source>
        <translation>Sem previsão de aurora aqui</translation>
    </message>
    <message>
        <source>Aurora forecast, but the sky is too light</source>
        <extracomment>Home and Target row: aurora forecast, but the Sun is less than 12 degrees below the horizon</extracomment>
        <translation>Aurora prevista, mas o céu está claro demais</translation>
    </message>
    <message>
        <source>Aurora forecast, but cloudy</source>
        <translation>Aurora prevista, mas nublado</translation>
    </message>
</context>
<context>
    <name>WeatherFiles</name>
    <message>
        <source>no such file</source>
        <translation>arquivo inexistente</translation>
    </message>
    <message>
        <source>not a readable file</source>
        <translation>não é um arquivo legível</translation>
    </message>
    <message>
        <source>larger than %1 MB</source>
        <translation>maior que %1 MB</translation>
    </message>
    <message>
        <source>not a JPEG or PNG image</source>
        <translation>não é uma imagem JPEG ou PNG</translation>
    </message>
    <message>
        <source>a cloud map is an equirectangular image twice as wide as high, from %1 pixels wide to %2; this one is %3x%4, %5</source>
        <translation>um mapa de nuvens é uma imagem equirretangular com o dobro da largura em relação à altura, de %1 a %2 pixels de largura; esta tem %3x%4, %5</translation>
    </message>
    <message>
        <source>damaged data: the image ends early</source>
        <translation>dados danificados: a imagem termina antes do fim</translation>
    </message>
    <message>
        <source>damaged data: its size changes as it is read</source>
        <translation>dados danificados: o tamanho muda durante a leitura</translation>
    </message>
    <message>
        <source>larger than %1 MB, not an aurora forecast</source>
        <translation>maior que %1 MB, não é uma previsão de auroras</translation>
    </message>
    <message>
        <source>not JSON: %1 at byte %2</source>
        <translation>não é JSON: %1 no byte %2</translation>
    </message>
    <message>
        <source>no &quot;%1&quot; as an ISO 8601 time</source>
        <translation>sem &quot;%1&quot; como hora ISO 8601</translation>
    </message>
    <message>
        <source>no &quot;coordinates&quot; list</source>
        <translation>sem a lista &quot;coordinates&quot;</translation>
    </message>
    <message>
        <source>point %1 of &quot;coordinates&quot; is not [longitude, latitude, value]</source>
        <translation>o ponto %1 de &quot;coordinates&quot; não é [longitude, latitude, valor]</translation>
    </message>
    <message>
        <source>point %1 of &quot;coordinates&quot;: %2</source>
        <translation>ponto %1 de &quot;coordinates&quot;: %2</translation>
    </message>
    <message>
        <source>&quot;coordinates&quot; holds %1 points, not %2</source>
        <translation>&quot;coordinates&quot; tem %1 pontos, não %2</translation>
    </message>
</context>
<context>
    <name>WeatherSource</name>
    <message>
        <source>C&amp;loud map:</source>
        <extracomment>Preferences: the file of a greyscale world map of the clouds</extracomment>
        <translation>Mapa de &amp;nuvens:</translation>
    </message>
    <message>
        <source>Cloud map file</source>
        <translation>Arquivo do mapa de nuvens</translation>
    </message>
    <message>
        <source>Choose the cloud map file</source>
        <translation>Escolher o arquivo do mapa de nuvens</translation>
    </message>
    <message>
        <source>Clear the cloud map file</source>
        <translation>Remover o mapa de nuvens</translation>
    </message>
    <message>
        <source>Cloud Map</source>
        <translation>Mapa de nuvens</translation>
    </message>
    <message>
        <source>Images (*.jpg *.jpeg *.png);;All files (*)</source>
        <extracomment>File types in the dialog that chooses the cloud map</extracomment>
        <translation>Imagens (*.jpg *.jpeg *.png);;Todos os arquivos (*)</translation>
    </message>
    <message>
        <source>Cloud map &quot;%1&quot; not shown: %2</source>
        <extracomment>%1 the cloud map&apos;s file name, %2 what is wrong with it</extracomment>
        <translation>Mapa de nuvens “%1” não exibido: %2</translation>
    </message>
    <message>
        <source>Aur&amp;ora forecast:</source>
        <extracomment>Preferences: the file of NOAA&apos;s aurora forecast (OVATION, in JSON)</extracomment>
        <translation>Previsão de a&amp;uroras:</translation>
    </message>
    <message>
        <source>Aurora forecast file</source>
        <translation>Arquivo da previsão de auroras</translation>
    </message>
    <message>
        <source>Choose the aurora forecast file</source>
        <translation>Escolher o arquivo da previsão de auroras</translation>
    </message>
    <message>
        <source>Clear the aurora forecast file</source>
        <translation>Remover a previsão de auroras</translation>
    </message>
    <message>
        <source>Aurora Forecast</source>
        <translation>Previsão de auroras</translation>
    </message>
    <message>
        <source>OVATION forecasts (*.json);;All files (*)</source>
        <extracomment>File types in the dialog that chooses the aurora forecast</extracomment>
        <translation>Previsões OVATION (*.json);;Todos os arquivos (*)</translation>
    </message>
    <message>
        <source>Aurora forecast &quot;%1&quot; not shown: %2</source>
        <extracomment>%1 the aurora forecast&apos;s file name, %2 what is wrong with it</extracomment>
        <translation>Previsão de auroras “%1” não exibida: %2</translation>
    </message>
</context>
<context>
    <name>ZoneFinder</name>
    <message>
        <source>Type a city, a country or a zone</source>
        <translation>Digite uma cidade, um país ou um fuso</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <comment>a city and its time zone&apos;s id</comment>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>No zone matches “%1”</source>
        <translation>Nenhum fuso corresponde a “%1”</translation>
    </message>
</context>
</TS>
