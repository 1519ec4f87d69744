<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru">
<context>
    <name>ClockChange</name>
    <message>
        <source>%1 h</source>
        <extracomment>How far the clocks move: whole hours (&quot;1 h&quot;)</extracomment>
        <translation>%1 ч</translation>
    </message>
    <message>
        <source>%1%2 min</source>
        <extracomment>How far the clocks move: minutes, after any hours (&quot;30 min&quot;)</extracomment>
        <translation>%1%2 мин</translation>
    </message>
    <message>
        <source>Clocks go forward %1 on %2 at %3</source>
        <extracomment>%1: how far (&quot;1 h&quot;), %2: the date, %3: the time on the clocks before the change</extracomment>
        <translation>Перевод часов на %1 вперёд: %2, в %3</translation>
    </message>
    <message>
        <source>Clocks go back %1 on %2 at %3</source>
        <extracomment>%1: how far (&quot;1 h&quot;), %2: the date, %3: the time on the clocks before the change</extracomment>
        <translation>Перевод часов на %1 назад: %2, в %3</translation>
    </message>
</context>
<context>
    <name>Coordinates</name>
    <message>
        <source>%1° S</source>
        <extracomment>A latitude south of the equator: %1 its degrees, such as 33.87</extracomment>
        <translation>%1° ю. ш.</translation>
    </message>
    <message>
        <source>%1° N</source>
        <extracomment>A latitude north of the equator: %1 its degrees, such as 52.52</extracomment>
        <translation>%1° с. ш.</translation>
    </message>
    <message>
        <source>%1° W</source>
        <extracomment>A longitude west of Greenwich: %1 its degrees, such as 74.01</extracomment>
        <translation>%1° з. д.</translation>
    </message>
    <message>
        <source>%1° E</source>
        <extracomment>A longitude east of Greenwich: %1 its degrees, such as 13.40</extracomment>
        <translation>%1° в. д.</translation>
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
        <translation>Вся полная фаза видна</translation>
    </message>
    <message>
        <source>All of the eclipse seen</source>
        <extracomment>On the map where all of a partial or penumbral lunar eclipse can be seen</extracomment>
        <translation>Всё затмение видно</translation>
    </message>
    <message>
        <source>Moon rises during the eclipse</source>
        <extracomment>On the map where the Moon rises while a lunar eclipse is under way</extracomment>
        <translation>Луна восходит во время затмения</translation>
    </message>
    <message>
        <source>Moon sets during the eclipse</source>
        <extracomment>On the map where the Moon sets while a lunar eclipse is under way</extracomment>
        <translation>Луна заходит во время затмения</translation>
    </message>
    <message>
        <source>Eclipse not seen</source>
        <extracomment>On the map where a lunar eclipse cannot be seen: the Moon is down throughout</extracomment>
        <translation>Затмение не видно</translation>
    </message>
</context>
<context>
    <name>EclipsesDialog</name>
    <message>
        <source>Total lunar</source>
        <translation>Полное лунное</translation>
    </message>
    <message>
        <source>Partial lunar</source>
        <translation>Частное лунное</translation>
    </message>
    <message>
        <source>Penumbral lunar</source>
        <translation>Полутеневое лунное</translation>
    </message>
    <message>
        <source>Total solar</source>
        <translation>Полное солнечное</translation>
    </message>
    <message>
        <source>Annular solar</source>
        <translation>Кольцеобразное солнечное</translation>
    </message>
    <message>
        <source>Hybrid solar</source>
        <translation>Гибридное солнечное</translation>
    </message>
    <message>
        <source>Partial solar</source>
        <translation>Частное солнечное</translation>
    </message>
    <message>
        <source>%1 min %2 s</source>
        <extracomment>A duration of totality or annularity: %1 minutes, %2 seconds</extracomment>
        <translation>%1 мин %2 с</translation>
    </message>
    <message>
        <source>Eclipses</source>
        <translation>Затмения</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Тип</translation>
    </message>
    <message>
        <source>Greatest (UT)</source>
        <translation>Максимум (UT)</translation>
    </message>
    <message>
        <source>Place of greatest</source>
        <translation>Место максимума</translation>
    </message>
    <message>
        <source>Duration</source>
        <translation>Длительность</translation>
    </message>
    <message>
        <source>Magnitude</source>
        <translation>Фаза</translation>
    </message>
    <message>
        <source>Seen from home</source>
        <translation>Видно из дома</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Да</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Нет</translation>
    </message>
    <message>
        <source>&amp;Go There</source>
        <extracomment>Shows the eclipse chosen in the list at its greatest</extracomment>
        <translation>&amp;Перейти</translation>
    </message>
    <message>
        <source>Eclipses from %1 to %2</source>
        <extracomment>The list&apos;s name for screen readers: %1 and %2 the first and last years it covers</extracomment>
        <translation>Затмения с %1 по %2</translation>
    </message>
</context>
<context>
    <name>ElementProblem</name>
    <message>
        <source>a bad checksum</source>
        <extracomment>Why a satellite&apos;s orbital elements in a file were not used</extracomment>
        <translation>неверная контрольная сумма</translation>
    </message>
    <message>
        <source>a malformed line</source>
        <translation>искажённая строка</translation>
    </message>
    <message>
        <source>a value that is not a number</source>
        <translation>значение, которое не является числом</translation>
    </message>
    <message>
        <source>a missing line</source>
        <translation>недостающая строка</translation>
    </message>
    <message>
        <source>lines of two different satellites</source>
        <translation>строки двух разных спутников</translation>
    </message>
    <message>
        <source>a bad catalogue number</source>
        <translation>неверный номер в каталоге</translation>
    </message>
    <message>
        <source>a missing field</source>
        <translation>недостающее поле</translation>
    </message>
    <message>
        <source>an impossible value</source>
        <translation>невозможное значение</translation>
    </message>
    <message>
        <source>not element sets nor OMM</source>
        <translation>ни элементы орбит, ни OMM</translation>
    </message>
    <message>
        <source>larger than 50 MB</source>
        <translation>больше 50 МБ</translation>
    </message>
    <message>
        <source>missing or not readable</source>
        <translation>отсутствует или не читается</translation>
    </message>
    <message>
        <source>JSON or XML that does not parse</source>
        <translation>JSON или XML, который не разбирается</translation>
    </message>
    <message>
        <source>Cannot read the satellites&apos; elements in %1: %2</source>
        <translation>Не удаётся прочитать элементы спутников в %1: %2</translation>
    </message>
    <message numerus="yes">
        <source>Skipped %n record(s) in %1, the first on line %2: %3</source>
        <translation>
            <numerusform>Пропущена %n запись в %1, первая в строке %2: %3</numerusform>
            <numerusform>Пропущены %n записи в %1, первая в строке %2: %3</numerusform>
            <numerusform>Пропущено %n записей в %1, первая в строке %2: %3</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>FactsPanel</name>
    <message>
        <source>Paths from home to target</source>
        <extracomment>What a screen reader calls the row&apos;s line of the paths from home to target</extracomment>
        <translation>Пути от дома до цели</translation>
    </message>
    <message>
        <source>Unpin %1</source>
        <translation>Открепить %1</translation>
    </message>
    <message>
        <source>Next satellite passes over home</source>
        <extracomment>What a screen reader calls the row&apos;s line of the satellites&apos; next passes over home</extracomment>
        <translation>Ближайшие пролёты спутников над домом</translation>
    </message>
</context>
<context>
    <name>GoToDateDialog</name>
    <message>
        <source>Go to Date and Time</source>
        <translation>Перейти к дате и времени</translation>
    </message>
    <message>
        <source>YYYY-MM-DD HH:MM:SS</source>
        <extracomment>The form a date and time is typed in; keep the order and the punctuation</extracomment>
        <translation>ГГГГ-ММ-ДД ЧЧ:ММ:СС</translation>
    </message>
    <message>
        <source>Date and time</source>
        <translation>Дата и время</translation>
    </message>
    <message>
        <source>About the date and time</source>
        <translation>О дате и времени</translation>
    </message>
    <message>
        <source>Date and time in %1:</source>
        <translation>Дата и время в %1:</translation>
    </message>
    <message>
        <source>Type a date and time as 2027-06-21 22:00:00.</source>
        <translation>Введите дату и время в виде 2027-06-21 22:00:00.</translation>
    </message>
    <message>
        <source>The map shows times from %1 to %2 here.</source>
        <translation>Карта показывает здесь время с %1 по %2.</translation>
    </message>
    <message>
        <source>The clocks go forward that night and skip this time: the map shows %1, %2 later.</source>
        <translation>В эту ночь часы переводятся вперёд и пропускают это время: карта показывает %1, на %2 позже.</translation>
    </message>
    <message>
        <source>The clocks go back that night and this time comes twice: the map shows the first, %1.</source>
        <translation>В эту ночь часы переводятся назад и это время наступает дважды: карта показывает первое, %1.</translation>
    </message>
</context>
<context>
    <name>Localizable</name>
    <message>
        <source>Show Latitude/Longitude Grid</source>
        <comment>ShowLatLonGridLines</comment>
        <extracomment>Contextual menu item that shows the latitude/longitude grid</extracomment>
        <translation>Показать сетку широт и долгот</translation>
    </message>
    <message>
        <source>Hide Latitude/Longitude Grid</source>
        <comment>HideLatLonGridLines</comment>
        <extracomment>Contextual menu item that hides the latitude/longitude grid</extracomment>
        <translation>Скрыть сетку широт и долгот</translation>
    </message>
    <message>
        <source>Show Locations</source>
        <comment>ShowLocations</comment>
        <extracomment>Contextual menu item that shows the squares at the time zones&apos; reference places</extracomment>
        <translation>Показать места</translation>
    </message>
    <message>
        <source>Hide Locations</source>
        <comment>HideLocations</comment>
        <extracomment>Contextual menu item that hides the squares at the time zones&apos; reference places</extracomment>
        <translation>Скрыть места</translation>
    </message>
    <message>
        <source>Show Sun</source>
        <comment>ShowSun</comment>
        <extracomment>Contextual menu item that shows the sun symbol at the point under the Sun</extracomment>
        <translation>Показать Солнце</translation>
    </message>
    <message>
        <source>Hide Sun</source>
        <comment>HideSun</comment>
        <extracomment>Contextual menu item that hides the sun symbol at the point under the Sun</extracomment>
        <translation>Скрыть Солнце</translation>
    </message>
    <message>
        <source>Show Moon</source>
        <comment>ShowMoon</comment>
        <extracomment>Contextual menu item that shows the Moon, in its phase, at the point under it</extracomment>
        <translation>Показать Луну</translation>
    </message>
    <message>
        <source>Hide Moon</source>
        <comment>HideMoon</comment>
        <extracomment>Contextual menu item that hides the Moon, in its phase, at the point under it</extracomment>
        <translation>Скрыть Луну</translation>
    </message>
    <message>
        <source>Show Twilight Lines</source>
        <comment>ShowTwilightLines</comment>
        <extracomment>Contextual menu item that shows the lines of sunset and of civil, nautical and astronomical twilight</extracomment>
        <translation>Показать линии сумерек</translation>
    </message>
    <message>
        <source>Hide Twilight Lines</source>
        <comment>HideTwilightLines</comment>
        <extracomment>Contextual menu item that hides the lines of sunset and of civil, nautical and astronomical twilight</extracomment>
        <translation>Скрыть линии сумерек</translation>
    </message>
    <message>
        <source>Show Paths to Target</source>
        <comment>ShowPaths</comment>
        <extracomment>Menu item that shows the great circle from the home place to the target place: the short path solid, the long path dashed</extracomment>
        <translation>Показать пути к цели</translation>
    </message>
    <message>
        <source>Hide Paths to Target</source>
        <comment>HidePaths</comment>
        <extracomment>Menu item that hides the paths from home to the target</extracomment>
        <translation>Скрыть пути к цели</translation>
    </message>
    <message>
        <source>Show Locator Grid</source>
        <comment>ShowLocatorGrid</comment>
        <extracomment>Menu item that shows the grid of Maidenhead locators used by radio amateurs: fields of 20 by 10 degrees labelled AA to RR</extracomment>
        <translation>Показать сетку локаторов</translation>
    </message>
    <message>
        <source>Hide Locator Grid</source>
        <comment>HideLocatorGrid</comment>
        <extracomment>Menu item that hides the grid of Maidenhead locators</extracomment>
        <translation>Скрыть сетку локаторов</translation>
    </message>
    <message>
        <source>Show Range Rings</source>
        <comment>ShowRangeRings</comment>
        <extracomment>Menu item that shows the range rings: circles every 1000 km around the centre of the view, and lines towards the compass directions</extracomment>
        <translation>Показать круги расстояний</translation>
    </message>
    <message>
        <source>Hide Range Rings</source>
        <comment>HideRangeRings</comment>
        <extracomment>Menu item that hides the range rings</extracomment>
        <translation>Скрыть круги расстояний</translation>
    </message>
    <message>
        <source>Show Eclipses</source>
        <comment>ShowEclipses</comment>
        <extracomment>Menu item that shows solar eclipses (the Moon&apos;s shadow on the Earth and the path of totality) and where lunar eclipses are seen, while one is near</extracomment>
        <translation>Показать затмения</translation>
    </message>
    <message>
        <source>Hide Eclipses</source>
        <comment>HideEclipses</comment>
        <extracomment>Menu item that hides the eclipses on the map</extracomment>
        <translation>Скрыть затмения</translation>
    </message>
    <message>
        <source>Show Satellites</source>
        <comment>ShowSatellites</comment>
        <extracomment>Menu item that shows the chosen satellites with their ground tracks and the areas they can be seen from</extracomment>
        <translation>Показать спутники</translation>
    </message>
    <message>
        <source>Hide Satellites</source>
        <comment>HideSatellites</comment>
        <extracomment>Menu item that hides the satellites</extracomment>
        <translation>Скрыть спутники</translation>
    </message>
    <message>
        <source>Show Clouds</source>
        <comment>ShowClouds</comment>
        <extracomment>Menu item that shows the clouds of the cloud map file</extracomment>
        <translation>Показать облака</translation>
    </message>
    <message>
        <source>Hide Clouds</source>
        <comment>HideClouds</comment>
        <extracomment>Menu item that hides the clouds of the cloud map file</extracomment>
        <translation>Скрыть облака</translation>
    </message>
    <message>
        <source>Show Aurora</source>
        <comment>ShowAurora</comment>
        <extracomment>Menu item that shows the aurora forecast (the northern and southern lights)</extracomment>
        <translation>Показать полярное сияние</translation>
    </message>
    <message>
        <source>Hide Aurora</source>
        <comment>HideAurora</comment>
        <extracomment>Menu item that hides the aurora forecast</extracomment>
        <translation>Скрыть полярное сияние</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Time zone</source>
        <translation>Часовой пояс</translation>
    </message>
    <message>
        <source>Time</source>
        <extracomment>Name of the clock readout, as a screen reader says it</extracomment>
        <translation>Время</translation>
    </message>
    <message>
        <source>Date</source>
        <extracomment>Name of the date readout, as a screen reader says it</extracomment>
        <translation>Дата</translation>
    </message>
    <message>
        <source>Switch between the small and the large map</source>
        <translation>Переключить маленькую и большую карту</translation>
    </message>
    <message>
        <source>Zoom</source>
        <extracomment>Button: switch between the small and the large map</extracomment>
        <translation>Масштаб</translation>
    </message>
    <message>
        <source>Save the map as a JPEG image</source>
        <translation>Сохранить карту как изображение JPEG</translation>
    </message>
    <message>
        <source>Save as JPEG</source>
        <translation>Сохранить как JPEG</translation>
    </message>
    <message>
        <source>Save…</source>
        <translation>Сохранить…</translation>
    </message>
    <message>
        <source>Sunrise</source>
        <translation>Восход</translation>
    </message>
    <message>
        <source>Sunset</source>
        <translation>Закат</translation>
    </message>
    <message>
        <source>Latitude</source>
        <translation>Широта</translation>
    </message>
    <message>
        <source>Longitude</source>
        <translation>Долгота</translation>
    </message>
    <message>
        <source>Shown time</source>
        <translation>Показанное время</translation>
    </message>
    <message>
        <source>Time:</source>
        <extracomment>Label of the slider that moves the shown time</extracomment>
        <translation>Время:</translation>
    </message>
    <message>
        <source>Time from now</source>
        <translation>Отличие от текущего</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Воспроизвести</translation>
    </message>
    <message>
        <source>Show the map as it is now</source>
        <translation>Показать карту на текущий момент</translation>
    </message>
    <message>
        <source>Now</source>
        <extracomment>Button: show the map at the present moment</extracomment>
        <translation>Сейчас</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Файл</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Вид</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Справка</translation>
    </message>
    <message>
        <source>&amp;Time</source>
        <extracomment>Menu that moves the shown time: later, earlier, now, play</extracomment>
        <translation>В&amp;ремя</translation>
    </message>
    <message>
        <source>&amp;Save as JPEG…</source>
        <translation>&amp;Сохранить как JPEG…</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>В&amp;ыход</translation>
    </message>
    <message>
        <source>&amp;Zoom</source>
        <translation>&amp;Масштаб</translation>
    </message>
    <message>
        <source>&amp;Full Screen</source>
        <translation>&amp;Полноэкранный режим</translation>
    </message>
    <message>
        <source>Open the Map&apos;s Menu</source>
        <translation>Открыть меню карты</translation>
    </message>
    <message>
        <source>&amp;Keyboard Shortcuts</source>
        <translation>&amp;Комбинации клавиш</translation>
    </message>
    <message>
        <source>&amp;About Duskmap</source>
        <translation>&amp;О программе Duskmap</translation>
    </message>
    <message>
        <source>&amp;Settings</source>
        <translation>&amp;Настройка</translation>
    </message>
    <message>
        <source>&amp;Preferences…</source>
        <translation>&amp;Параметры…</translation>
    </message>
    <message>
        <source>Keyboard Shortcuts</source>
        <translation>Комбинации клавиш</translation>
    </message>
    <message>
        <source>Keyboard shortcuts</source>
        <translation>Комбинации клавиш</translation>
    </message>
    <message>
        <source>Action</source>
        <extracomment>Column headings of the list of keyboard shortcuts: what the keys do, and the keys</extracomment>
        <translation>Действие</translation>
    </message>
    <message>
        <source>Shortcut</source>
        <translation>Комбинация</translation>
    </message>
    <message>
        <source> or </source>
        <extracomment>Between two keyboard shortcuts of one action</extracomment>
        <translation> или </translation>
    </message>
    <message>
        <source>Next clock change</source>
        <translation>Следующий перевод часов</translation>
    </message>
    <message>
        <source>Could not save the map to &quot;%1&quot;: %2</source>
        <translation>Не удалось сохранить карту в «%1»: %2</translation>
    </message>
    <message>
        <source>JPEG images (*.jpg)</source>
        <translation>Изображения JPEG (*.jpg)</translation>
    </message>
    <message>
        <source>About Duskmap</source>
        <translation>О программе Duskmap</translation>
    </message>
    <message>
        <source>&lt;h3&gt;Duskmap %1&lt;/h3&gt;&lt;p&gt;A world map of day, twilight and night, with a clock for a time zone of your choice.&lt;/p&gt;&lt;p&gt;Map images: NASA Visible Earth (&quot;Blue Marble&quot; and &quot;Earth at Night&quot;, NASA Goddard Space Flight Center), public domain.&lt;/p&gt;&lt;p&gt;Time zones and their places: the IANA tz database (public domain).&lt;/p&gt;&lt;p&gt;Duskmap is free software: you can redistribute it and/or modify it under the terms of the GNU General Public License as published by the Free Software Foundation, either version 3 of the License, or (at your option) any later version. It comes with no warranty.&lt;/p&gt;</source>
        <translation>&lt;h3&gt;Duskmap %1&lt;/h3&gt;&lt;p&gt;Карта мира с днём, сумерками и ночью и часами для выбранного вами часового пояса.&lt;/p&gt;&lt;p&gt;Изображения карты: NASA Visible Earth («Blue Marble» и «Earth at Night», NASA Goddard Space Flight Center), общественное достояние.&lt;/p&gt;&lt;p&gt;Часовые пояса и их места: база данных tz от IANA (общественное достояние).&lt;/p&gt;&lt;p&gt;Duskmap — свободная программа: вы можете распространять и/или изменять её на условиях Стандартной общественной лицензии GNU, опубликованной Free Software Foundation, версии 3 или (по вашему выбору) любой более поздней версии. Она предоставляется без каких-либо гарантий.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <comment>a readout and its value</comment>
        <extracomment>What a screen reader says for a readout: its name, then its value</extracomment>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>&amp;Projection</source>
        <translation>&amp;Проекция</translation>
    </message>
    <message>
        <source>&amp;Centre On</source>
        <translation>&amp;Центрировать на</translation>
    </message>
    <message>
        <source>Selected Zone</source>
        <translation>Выбранный часовой пояс</translation>
    </message>
    <message>
        <source>North Pole</source>
        <translation>Северный полюс</translation>
    </message>
    <message>
        <source>South Pole</source>
        <translation>Южный полюс</translation>
    </message>
    <message>
        <source>Home</source>
        <extracomment>View → Centre On: the home place the user keeps (in the preferences or given with --home)</extracomment>
        <translation>Дом</translation>
    </message>
    <message>
        <source>&lt;p&gt;Cities: GeoNames (geonames.org), under the Creative Commons Attribution 4.0 licence.&lt;/p&gt;</source>
        <translation>&lt;p&gt;Города: GeoNames (geonames.org), по лицензии Creative Commons «Атрибуция» 4.0.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>Default Centre</source>
        <extracomment>View → Centre On: where the view stands until another centre is chosen: Greenwich for the world maps, the selected zone for the azimuthal view and the globe</extracomment>
        <translation>Центр по умолчанию</translation>
    </message>
    <message>
        <source>Move &amp;West</source>
        <translation>На &amp;запад</translation>
    </message>
    <message>
        <source>Move &amp;East</source>
        <translation>На &amp;восток</translation>
    </message>
    <message>
        <source>Move &amp;North</source>
        <translation>На &amp;север</translation>
    </message>
    <message>
        <source>Move &amp;South</source>
        <translation>На &amp;юг</translation>
    </message>
    <message>
        <source>&lt;p&gt;Eclipses: the Swiss Ephemeris (Astrodienst AG) with its JPL-based files, under the GNU Affero General Public License 3.0.&lt;/p&gt;</source>
        <translation>&lt;p&gt;Затмения: Swiss Ephemeris (Astrodienst AG) с её файлами на основе JPL, по лицензии GNU Affero General Public License 3.0.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>Satellite Passes</source>
        <translation>Пролёты спутников</translation>
    </message>
    <message>
        <source>Choose an element file and its satellites in the preferences.</source>
        <translation>Выберите файл элементов и его спутники в настройках.</translation>
    </message>
    <message>
        <source>Set a home place in the preferences to see the passes over it.</source>
        <translation>Задайте в настройках домашнее место, чтобы увидеть пролёты над ним.</translation>
    </message>
    <message>
        <source>Passes over %1 in the next 3 days, above %2°, times in %3. Visible: sunlit while home is in the dark.</source>
        <extracomment>Above the list of passes: %1 the home place, %2 the elevation mask, %3 the time zone</extracomment>
        <translation>Пролёты над %1 в ближайшие 3 дня, выше %2°, время в %3. Видимый: освещён Солнцем, пока дома темно.</translation>
    </message>
    <message>
        <source>Satellite passes</source>
        <translation>Пролёты спутников</translation>
    </message>
    <message>
        <source>Satellite</source>
        <extracomment>Column headings of the list of satellite passes</extracomment>
        <translation>Спутник</translation>
    </message>
    <message>
        <source>Rise</source>
        <translation>Восход</translation>
    </message>
    <message>
        <source>Azimuth</source>
        <translation>Азимут</translation>
    </message>
    <message>
        <source>Culmination</source>
        <translation>Кульминация</translation>
    </message>
    <message>
        <source>Elevation</source>
        <translation>Высота</translation>
    </message>
    <message>
        <source>Set</source>
        <translation>Заход</translation>
    </message>
    <message>
        <source>Visible</source>
        <translation>Видимый</translation>
    </message>
    <message>
        <source>yes</source>
        <translation>да</translation>
    </message>
    <message>
        <source>no</source>
        <translation>нет</translation>
    </message>
    <message>
        <source>&amp;Satellite Passes…</source>
        <extracomment>Menu item that opens the list of the chosen satellites&apos; next passes over home</extracomment>
        <translation>Пролёты &amp;спутников…</translation>
    </message>
    <message>
        <source>Elements</source>
        <extracomment>Column heading: how old each satellite&apos;s orbital elements are</extracomment>
        <translation>Элементы</translation>
    </message>
    <message>
        <source>Azimuth at rise</source>
        <translation>Азимут восхода</translation>
    </message>
    <message>
        <source>Greatest elevation</source>
        <translation>Наибольшая высота</translation>
    </message>
    <message>
        <source>Azimuth at set</source>
        <translation>Азимут захода</translation>
    </message>
</context>
<context>
    <name>MapLayer</name>
    <message>
        <source>Latitude and longitude grid</source>
        <translation>Сетка широт и долгот</translation>
    </message>
    <message>
        <source>Squares at the zones&apos; places</source>
        <translation>Квадраты в местах поясов</translation>
    </message>
    <message>
        <source>Point under the Sun</source>
        <translation>Точка под Солнцем</translation>
    </message>
    <message>
        <source>Moon in its phase</source>
        <translation>Луна в своей фазе</translation>
    </message>
    <message>
        <source>Sunset and twilight lines</source>
        <translation>Линии заката и сумерек</translation>
    </message>
    <message>
        <source>Short and long paths from home to target</source>
        <translation>Короткий и длинный путь от дома до цели</translation>
    </message>
    <message>
        <source>Maidenhead locator grid</source>
        <translation>Сетка QTH-локаторов Maidenhead</translation>
    </message>
    <message>
        <source>Range rings</source>
        <extracomment>The layer of circles every 1000 km and bearings around the centre</extracomment>
        <translation>Круги расстояний</translation>
    </message>
    <message>
        <source>Eclipses</source>
        <translation>Затмения</translation>
    </message>
    <message>
        <source>Satellites, their tracks and footprints</source>
        <translation>Спутники, их трассы и зоны видимости</translation>
    </message>
    <message>
        <source>Clouds</source>
        <translation>Облака</translation>
    </message>
    <message>
        <source>Aurora forecast</source>
        <extracomment>The layer of the forecast of the northern and southern lights</extracomment>
        <translation>Прогноз полярных сияний</translation>
    </message>
</context>
<context>
    <name>MapView</name>
    <message>
        <source>Flat Map</source>
        <translation>Плоская карта</translation>
    </message>
    <message>
        <source>Distances and Directions from the Centre</source>
        <translation>Расстояния и направления от центра</translation>
    </message>
    <message>
        <source>Globe</source>
        <translation>Глобус</translation>
    </message>
    <message>
        <source>Robinson</source>
        <translation>Робинсон</translation>
    </message>
    <message>
        <source>Mollweide (Equal Areas)</source>
        <translation>Мольвейде (равновеликая)</translation>
    </message>
</context>
<context>
    <name>MapWidget</name>
    <message>
        <source>Day and night map</source>
        <translation>Карта дня и ночи</translation>
    </message>
    <message>
        <source>More Zones</source>
        <translation>Другие пояса</translation>
    </message>
    <message>
        <source>Contextual Menu</source>
        <translation>Контекстное меню</translation>
    </message>
    <message>
        <source>Pin</source>
        <extracomment>Submenu of the map&apos;s menu: keep a world clock for one of the nearby zones</extracomment>
        <translation>Закрепить</translation>
    </message>
    <message>
        <source>More Layers</source>
        <translation>Другие слои</translation>
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
        <translation>с. ш.</translation>
    </message>
    <message>
        <source>S</source>
        <comment>south</comment>
        <translation>ю. ш.</translation>
    </message>
    <message>
        <source>E</source>
        <comment>east</comment>
        <translation>в. д.</translation>
    </message>
    <message>
        <source>W</source>
        <comment>west</comment>
        <translation>з. д.</translation>
    </message>
    <message>
        <source>%1 · %2 km from the centre, bearing %3°</source>
        <translation>%1 · %2 км от центра, азимут %3°</translation>
    </message>
    <message>
        <source>Centre Map Here</source>
        <translation>Центрировать карту здесь</translation>
    </message>
    <message>
        <source>Set Home Here</source>
        <extracomment>Map menu: make the place clicked the home place</extracomment>
        <translation>Сделать здесь домом</translation>
    </message>
    <message>
        <source>Set Target Here</source>
        <extracomment>Map menu: make the place clicked the target place, far end of the paths from home</extracomment>
        <translation>Сделать здесь целью</translation>
    </message>
</context>
<context>
    <name>PlaceEnd</name>
    <message>
        <source>Home</source>
        <extracomment>The user&apos;s own place, one end of the paths</extracomment>
        <translation>Дом</translation>
    </message>
    <message>
        <source>&amp;Home:</source>
        <translation>&amp;Дом:</translation>
    </message>
    <message>
        <source>Target</source>
        <extracomment>The far place the paths from home lead to</extracomment>
        <translation>Цель</translation>
    </message>
    <message>
        <source>&amp;Target:</source>
        <translation>&amp;Цель:</translation>
    </message>
</context>
<context>
    <name>PlaceField</name>
    <message>
        <source>A city, a locator such as JO62qm, or 52.52, 13.40</source>
        <extracomment>Placeholder of the home and target fields: the forms a place may be typed in</extracomment>
        <translation>Город, локатор вроде JO62qm или 52.52, 13.40</translation>
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
        <translation>названия городов недоступны без списка городов</translation>
    </message>
    <message>
        <source>no city of that name</source>
        <translation>нет города с таким названием</translation>
    </message>
    <message>
        <source>coordinates are not numbers</source>
        <translation>координаты не являются числами</translation>
    </message>
    <message>
        <source>coordinates out of range (latitude -90 to 90, longitude -180 to 180)</source>
        <translation>координаты вне диапазона (широта от −90 до 90, долгота от −180 до 180)</translation>
    </message>
    <message>
        <source>not a latitude and longitude in degrees, minutes and seconds</source>
        <translation>это не широта и долгота в градусах, минутах и секундах</translation>
    </message>
    <message>
        <source>no place given</source>
        <translation>место не указано</translation>
    </message>
    <message>
        <source>not a Maidenhead locator of 4, 6 or 8 characters (like JO62qm)</source>
        <translation>это не QTH-локатор из 4, 6 или 8 знаков (например, JO62qm)</translation>
    </message>
    <message>
        <source>not a latitude and longitude in degrees (like 52.52,13.40)</source>
        <translation>это не широта и долгота в градусах (например, 52.52,13.40)</translation>
    </message>
    <message>
        <source>no city name given</source>
        <translation>название города не указано</translation>
    </message>
</context>
<context>
    <name>PreferencesDialog</name>
    <message>
        <source>Shown on the map</source>
        <translation>Показывать на карте</translation>
    </message>
    <message>
        <source>World clocks</source>
        <translation>Мировые часы</translation>
    </message>
    <message>
        <source>Add a world clock</source>
        <translation>Добавить мировые часы</translation>
    </message>
    <message>
        <source>Type a city, a country or a zone to add its clock</source>
        <translation>Город, страна или пояс новых часов</translation>
    </message>
    <message>
        <source>&amp;Remove</source>
        <translation>&amp;Удалить</translation>
    </message>
    <message>
        <source>Move &amp;Up</source>
        <translation>&amp;Вверх</translation>
    </message>
    <message>
        <source>Move &amp;Down</source>
        <translation>В&amp;низ</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <comment>a city and its time zone&apos;s id</comment>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>&amp;Projection:</source>
        <translation>&amp;Проекция:</translation>
    </message>
    <message>
        <source>Home and target</source>
        <extracomment>Group of the preferences: the user&apos;s own place and a far place, with the paths between</extracomment>
        <translation>Дом и цель</translation>
    </message>
    <message>
        <source>Problem with a place</source>
        <translation>Проблема с местом</translation>
    </message>
    <message>
        <source> m</source>
        <extracomment>Unit after the home&apos;s height above the sea</extracomment>
        <translation> м</translation>
    </message>
    <message>
        <source>Home&apos;s height above the &amp;sea:</source>
        <extracomment>Preferences: the home&apos;s height above the sea, which lowers its horizon</extracomment>
        <translation>Высота дома над &amp;морем:</translation>
    </message>
    <message>
        <source>Lowest Sun of the grey line</source>
        <extracomment>The grey line&apos;s lowest and highest Sun, for screen readers</extracomment>
        <translation>Нижняя высота Солнца для серой линии</translation>
    </message>
    <message>
        <source>Highest Sun of the grey line</source>
        <translation>Верхняя высота Солнца для серой линии</translation>
    </message>
    <message>
        <source>A place is on the grey line while the Sun&apos;s centre stands between these heights above or below its horizon.</source>
        <extracomment>Tooltip of the grey line&apos;s band in the preferences</extracomment>
        <translation>Место находится на серой линии, пока центр Солнца стоит между этими высотами над его горизонтом или под ним.</translation>
    </message>
    <message>
        <source>to</source>
        <extracomment>Between the grey line&apos;s lowest and highest Sun: &quot;−6° to 6°&quot;</extracomment>
        <translation>до</translation>
    </message>
    <message>
        <source>Grey line, Sun from:</source>
        <extracomment>Preferences: the Sun&apos;s heights at which a place is on the grey line</extracomment>
        <translation>Серая линия, Солнце от:</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>%1 Home or Target, %2 what is wrong with the place typed</extracomment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>Preferences</source>
        <translation>Параметры</translation>
    </message>
    <message>
        <source>Satellites</source>
        <extracomment>Group of the preferences: the satellites shown on the map and their file</extracomment>
        <translation>Спутники</translation>
    </message>
    <message>
        <source>A file of TLE or OMM elements</source>
        <extracomment>Placeholder of the field that names the file of satellites&apos; orbital elements</extracomment>
        <translation>Файл элементов TLE или OMM</translation>
    </message>
    <message>
        <source>Element file</source>
        <extracomment>The field that names the file of satellites&apos; orbital elements, for screen readers</extracomment>
        <translation>Файл элементов</translation>
    </message>
    <message>
        <source>&amp;Choose…</source>
        <translation>&amp;Выбрать…</translation>
    </message>
    <message>
        <source>Choose the satellites&apos; element file</source>
        <translation>Выбрать файл элементов спутников</translation>
    </message>
    <message>
        <source>&amp;Element file:</source>
        <translation>Файл &amp;элементов:</translation>
    </message>
    <message>
        <source>Satellites&apos; Element File</source>
        <translation>Файл элементов спутников</translation>
    </message>
    <message>
        <source>Element sets (*.tle *.txt *.3le *.csv *.json *.xml);;All files (*)</source>
        <extracomment>File types in the dialog that chooses the satellites&apos; element file</extracomment>
        <translation>Элементы орбит (*.tle *.txt *.3le *.csv *.json *.xml);;Все файлы (*)</translation>
    </message>
    <message>
        <source>Problem with the element file</source>
        <translation>Проблема с файлом элементов</translation>
    </message>
    <message>
        <source>Elevation mask</source>
        <translation>Маска высоты</translation>
    </message>
    <message>
        <source>The footprints and the passes count a satellite as up from this elevation above home&apos;s horizon.</source>
        <extracomment>Tooltip of the satellites&apos; elevation mask</extracomment>
        <translation>Зоны видимости и пролёты считают спутник взошедшим с этой высоты над горизонтом дома.</translation>
    </message>
    <message>
        <source>Ele&amp;vation mask:</source>
        <translation>Маска &amp;высоты:</translation>
    </message>
    <message>
        <source>Find by name or catalogue number</source>
        <extracomment>Placeholder of the search box over the list of satellites</extracomment>
        <translation>Искать по имени или номеру в каталоге</translation>
    </message>
    <message>
        <source>Find a satellite</source>
        <translation>Найти спутник</translation>
    </message>
    <message>
        <source>Satellites to show</source>
        <translation>Показываемые спутники</translation>
    </message>
    <message>
        <source>On the map: gold, sunlit; blue, in the Earth&apos;s shadow; green, sunlit over home in the dark, to be seen by eye; grey, elements older than 14 days.</source>
        <extracomment>The legend of the satellites&apos; colours on the map</extracomment>
        <translation>На карте: золотой — освещён; синий — в тени Земли; зелёный — освещён над тёмным домом, виден глазом; серый — элементы старше 14 дней.</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <extracomment>A satellite in the list to choose from: its name and catalogue number</extracomment>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>Clouds and aurora</source>
        <extracomment>Group of the preferences: the files of the cloud map and of the aurora forecast</extracomment>
        <translation>Облака и полярные сияния</translation>
    </message>
    <message>
        <source>Choose…</source>
        <extracomment>Button beside a file&apos;s field in the preferences that opens a file dialog</extracomment>
        <translation>Выбрать…</translation>
    </message>
    <message>
        <source>Clear</source>
        <extracomment>Button beside a file&apos;s field in the preferences that empties it</extracomment>
        <translation>Убрать</translation>
    </message>
    <message>
        <source>S&amp;atellites…</source>
        <extracomment>Button in the preferences that opens the choice of satellites and their file</extracomment>
        <translation>С&amp;путники…</translation>
    </message>
    <message>
        <source>&amp;Find:</source>
        <extracomment>The search box over the list of satellites</extracomment>
        <translation>&amp;Найти:</translation>
    </message>
</context>
<context>
    <name>RangeRings</name>
    <message>
        <source>N</source>
        <comment>north</comment>
        <translation>С</translation>
    </message>
    <message>
        <source>%1 km</source>
        <comment>a ring&apos;s distance</comment>
        <translation>%1 км</translation>
    </message>
</context>
<context>
    <name>Readouts</name>
    <message>
        <source>Sunrise</source>
        <translation>Восход</translation>
    </message>
    <message>
        <source>Sunset</source>
        <translation>Закат</translation>
    </message>
    <message>
        <source>Latitude</source>
        <translation>Широта</translation>
    </message>
    <message>
        <source>Longitude</source>
        <translation>Долгота</translation>
    </message>
    <message>
        <source>Sun never sets</source>
        <translation>Солнце не заходит</translation>
    </message>
    <message>
        <source>Sun never rises</source>
        <translation>Солнце не восходит</translation>
    </message>
    <message>
        <source>N</source>
        <extracomment>Hemisphere letter after a latitude: north</extracomment>
        <translation>с. ш.</translation>
    </message>
    <message>
        <source>S</source>
        <extracomment>Hemisphere letter after a latitude: south</extracomment>
        <translation>ю. ш.</translation>
    </message>
    <message>
        <source>E</source>
        <extracomment>Hemisphere letter after a longitude: east</extracomment>
        <translation>в. д.</translation>
    </message>
    <message>
        <source>W</source>
        <extracomment>Hemisphere letter after a longitude: west</extracomment>
        <translation>з. д.</translation>
    </message>
</context>
<context>
    <name>Satellites</name>
    <message>
        <source>%1 days</source>
        <extracomment>How old a satellite&apos;s orbital elements are; %1 a number of days such as 2.3</extracomment>
        <translation>%1 сут.</translation>
    </message>
    <message>
        <source>%1, stale</source>
        <extracomment>%1 an age in days, such as &quot;20.0 days&quot;: elements too old to trust</extracomment>
        <translation>%1, устарели</translation>
    </message>
    <message>
        <source>%1, catalogue number %2</source>
        <extracomment>A satellite in the map&apos;s tooltip: %1 its name, %2 its catalogue number</extracomment>
        <translation>%1, номер по каталогу %2</translation>
    </message>
    <message>
        <source>%1 km high, seen up to %2 km away</source>
        <extracomment>%1 the satellite&apos;s height above the ground, %2 the radius of the area that sees it above the elevation mask, both in kilometres</extracomment>
        <translation>высота %1 км, виден до %2 км</translation>
    </message>
    <message>
        <source>In the Earth&apos;s shadow</source>
        <extracomment>How a satellite stands now; blue is its colour on the map</extracomment>
        <translation>В тени Земли</translation>
    </message>
    <message>
        <source>In the Earth&apos;s shadow (blue)</source>
        <translation>В тени Земли (синий)</translation>
    </message>
    <message>
        <source>Sunlit</source>
        <extracomment>How a satellite stands now; gold is its colour on the map</extracomment>
        <translation>Освещён Солнцем</translation>
    </message>
    <message>
        <source>Sunlit (gold)</source>
        <translation>Освещён Солнцем (золотой)</translation>
    </message>
    <message>
        <source>Sunlit over home in the dark: to be seen by eye</source>
        <extracomment>The satellite can be seen by eye from home now; green is its colour on the map</extracomment>
        <translation>Освещён над домом в темноте: виден невооружённым глазом</translation>
    </message>
    <message>
        <source>Sunlit over home in the dark: to be seen by eye (green)</source>
        <translation>Освещён над домом в темноте: виден невооружённым глазом (зелёный)</translation>
    </message>
    <message>
        <source>Elements %1 days old: stale, so it may be far from where it is drawn (grey)</source>
        <extracomment>%1 the elements&apos; age in days, such as 20.3; grey is the satellite&apos;s colour on the map while they are this old</extracomment>
        <translation>Элементам %1 сут.: устарели, спутник может быть далеко от нарисованного места (серый)</translation>
    </message>
    <message>
        <source>Elements dated %1 days later</source>
        <extracomment>%1 days between the shown time and the later epoch of the orbital elements</extracomment>
        <translation>Элементы датированы на %1 сут. позже</translation>
    </message>
    <message>
        <source>Elements %1 days old</source>
        <extracomment>%1 the age in days of the orbital elements its place is worked out from</extracomment>
        <translation>Элементам %1 сут.</translation>
    </message>
</context>
<context>
    <name>ShownTexts</name>
    <message>
        <source>%1%2 h</source>
        <extracomment>A difference of whole hours between two clocks: &quot;+8 h&quot;</extracomment>
        <translation>%1%2 ч</translation>
    </message>
    <message>
        <source>day</source>
        <extracomment>The light at a world clock&apos;s place now</extracomment>
        <translation>день</translation>
    </message>
    <message>
        <source>twilight</source>
        <extracomment>The light at a world clock&apos;s place now</extracomment>
        <translation>сумерки</translation>
    </message>
    <message>
        <source>night</source>
        <extracomment>The light at a world clock&apos;s place now</extracomment>
        <translation>ночь</translation>
    </message>
    <message numerus="yes">
        <source>%1%n day</source>
        <extracomment>How many days a world clock&apos;s date lies ahead of or behind the selected zone&apos;s; %1 is the sign</extracomment>
        <translation>
            <numerusform>%1%n день</numerusform>
            <numerusform>%1%n дня</numerusform>
            <numerusform>%1%n дней</numerusform>
        </translation>
    </message>
    <message>
        <source>Day and night map, %1 %2 UTC.</source>
        <extracomment>What the map shows, for screen readers: %1 the date, %2 the time (UTC)</extracomment>
        <translation>Карта дня и ночи, %1 %2 UTC.</translation>
    </message>
    <message>
        <source>%1: %2, Sun %3° high.</source>
        <extracomment>%1 a city, %2 day, twilight or night there, %3 the Sun&apos;s height in degrees</extracomment>
        <translation>%1: %2, Солнце на высоте %3°.</translation>
    </message>
    <message>
        <source>%1: %2, Sun %3° below the horizon.</source>
        <extracomment>%1 a city, %2 day, twilight or night there, %3 the Sun&apos;s depth in degrees</extracomment>
        <translation>%1: %2, Солнце на %3° ниже горизонта.</translation>
    </message>
    <message>
        <source>≈</source>
        <extracomment>Marks a local time whose zone is only guessed, from the nearest city or the longitude</extracomment>
        <translation>≈</translation>
    </message>
    <message>
        <source>polar day</source>
        <extracomment>The Sun does not set on this day at a place</extracomment>
        <translation>полярный день</translation>
    </message>
    <message>
        <source>polar night</source>
        <extracomment>The Sun does not rise on this day at a place</extracomment>
        <translation>полярная ночь</translation>
    </message>
    <message>
        <source>none</source>
        <extracomment>A sunrise or sunset that does not happen on this day</extracomment>
        <translation>нет</translation>
    </message>
    <message>
        <source>sunrise %1, sunset %2</source>
        <extracomment>%1 and %2 are local times, such as 7:58</extracomment>
        <translation>восход %1, закат %2</translation>
    </message>
    <message>
        <source>%1 %2 · %3 · %4 · Sun %5°</source>
        <extracomment>One end of the path: %1 Home or Target, %2 its name or locator, %3 its local time, %4 its sunrise and sunset, %5 the Sun&apos;s height in degrees</extracomment>
        <translation>%1 %2 · %3 · %4 · Солнце %5°</translation>
    </message>
    <message>
        <source>(guessed)</source>
        <translation>(предположительно)</translation>
    </message>
    <message>
        <source>no grey line within 24 h</source>
        <extracomment>No span within the next day when both places are in the twilight band</extracomment>
        <translation>нет серой линии в ближайшие 24 ч</translation>
    </message>
    <message>
        <source>SP %1° %2 km · LP %3° %4 km</source>
        <extracomment>The short path (SP) and the long path (LP) from home to target: each its bearing from home and its length, as radio operators write them</extracomment>
        <translation>SP %1° %2 км · LP %3° %4 км</translation>
    </message>
    <message>
        <source>Short path: towards %1° from home, %2° back from the target
Grey line: the Sun from %3° to %4° at both ends</source>
        <extracomment>%1 and %2 the Sun&apos;s heights that bound the grey line, such as −6 and 6</extracomment>
        <translation>Короткий путь: азимут %1° из дома, %2° обратно от цели
Серая линия: Солнце от %3° до %4° на обоих концах</translation>
    </message>
    <message>
        <source>grey line now, until %1 (home time)</source>
        <extracomment>Both places are in the twilight band now; %1 is the time it ends at home</extracomment>
        <translation>серая линия сейчас, до %1 (время дома)</translation>
    </message>
    <message>
        <source>grey line %1–%2 (home time)</source>
        <extracomment>The next span when both places are in the twilight band, in home&apos;s times: 16:02–16:40</extracomment>
        <translation>серая линия %1–%2 (время дома)</translation>
    </message>
    <message>
        <source>%1 · locator %2
Time zone %3
Sun towards %4°</source>
        <extracomment>%1 the place&apos;s latitude and longitude, %2 the Maidenhead locator, %3 the time zone, %4 the Sun&apos;s compass direction in degrees</extracomment>
        <translation>%1 · локатор %2
Часовой пояс %3
Солнце в направлении %4°</translation>
    </message>
    <message>
        <source>no eclipse seen</source>
        <extracomment>A solar eclipse is near, but this place does not see it</extracomment>
        <translation>затмение не видно</translation>
    </message>
    <message>
        <source>total lunar eclipse %1–%2</source>
        <extracomment>%1 and %2 the local times a total lunar eclipse&apos;s totality begins and ends (or moonrise, moonset)</extracomment>
        <translation>полное лунное затмение %1–%2</translation>
    </message>
    <message>
        <source>partial lunar eclipse %1–%2</source>
        <extracomment>%1 and %2 the local times the Moon enters and leaves the Earth&apos;s umbra (or moonrise, moonset)</extracomment>
        <translation>частное лунное затмение %1–%2</translation>
    </message>
    <message>
        <source>penumbral lunar eclipse %1–%2</source>
        <extracomment>%1 and %2 the local times the Moon enters and leaves the Earth&apos;s penumbra (or moonrise, moonset)</extracomment>
        <translation>полутеневое лунное затмение %1–%2</translation>
    </message>
    <message>
        <source>lunar eclipse not seen</source>
        <extracomment>A lunar eclipse is near, but the Moon is below this place&apos;s horizon throughout</extracomment>
        <translation>лунное затмение не видно</translation>
    </message>
    <message>
        <source>%1 visible %2, %3°</source>
        <translation>%1 виден %2, %3°</translation>
    </message>
    <message>
        <source>%1 rises %2, %3°</source>
        <translation>%1 восходит %2, %3°</translation>
    </message>
    <message>
        <source>sunrise</source>
        <extracomment>In place of the local time an eclipse is first seen: the Sun rises during it</extracomment>
        <translation>восход</translation>
    </message>
    <message>
        <source>sunset</source>
        <extracomment>In place of the local time an eclipse is last seen: the Sun sets during it</extracomment>
        <translation>закат</translation>
    </message>
    <message>
        <source>total eclipse %1–%2 (partial %3–%4), Sun %5°</source>
        <extracomment>What a place sees of a solar eclipse: %1 and %2 the local times totality begins and ends, %3 and %4 those of the partial eclipse around it, %5 the Sun&apos;s height in degrees at the greatest</extracomment>
        <translation>полное затмение %1–%2 (частное %3–%4), Солнце %5°</translation>
    </message>
    <message>
        <source>annular eclipse %1–%2 (partial %3–%4), Sun %5°</source>
        <extracomment>%1 and %2 the local times the ring of the Sun begins and ends, %3 and %4 those of the partial eclipse around it, %5 the Sun&apos;s height in degrees at the greatest</extracomment>
        <translation>кольцеобразное затмение %1–%2 (частное %3–%4), Солнце %5°</translation>
    </message>
    <message>
        <source>partial eclipse %1–%2, %3 % at %4, Sun %5°</source>
        <extracomment>%1 and %2 the local times a partial solar eclipse begins and ends (or sunrise, sunset), %3 the most of the Sun&apos;s diameter covered, in per cent rounded down, %4 the local time of that greatest, %5 the Sun&apos;s height in degrees then</extracomment>
        <translation>частное затмение %1–%2, %3 % в %4, Солнце %5°</translation>
    </message>
    <message>
        <source>moonrise</source>
        <extracomment>In place of the local time a lunar eclipse is first seen: the Moon rises during it</extracomment>
        <translation>восход Луны</translation>
    </message>
    <message>
        <source>moonset</source>
        <extracomment>In place of the local time a lunar eclipse is last seen: the Moon sets during it</extracomment>
        <translation>заход Луны</translation>
    </message>
    <message>
        <source>%1 visible until %2, %3°</source>
        <translation>%1 виден до %2, %3°</translation>
    </message>
    <message>
        <source>%1 up until %2, %3°</source>
        <translation>%1 над горизонтом до %2, %3°</translation>
    </message>
    <message>
        <source>%1: no pass within 3 days</source>
        <extracomment>A chosen satellite that does not rise above home&apos;s horizon (the elevation mask) within the days searched; %1 its name</extracomment>
        <translation>%1: нет пролётов за 3 дня</translation>
    </message>
    <message numerus="yes">
        <source>%n more</source>
        <extracomment>After the soonest passes in the row: how many chosen satellites are left out</extracomment>
        <translation>
            <numerusform>ещё %n</numerusform>
            <numerusform>ещё %n</numerusform>
            <numerusform>ещё %n</numerusform>
        </translation>
    </message>
    <message>
        <source>Passes %1</source>
        <extracomment>The row of the chosen satellites&apos; next passes over home: %1 the soonest few</extracomment>
        <translation>Пролёты %1</translation>
    </message>
</context>
<context>
    <name>SkyTexts</name>
    <message>
        <source>New</source>
        <extracomment>Phase of the Moon</extracomment>
        <translation>Новолуние</translation>
    </message>
    <message>
        <source>Waxing crescent</source>
        <extracomment>Phase of the Moon</extracomment>
        <translation>Растущий серп</translation>
    </message>
    <message>
        <source>First quarter</source>
        <extracomment>Phase of the Moon</extracomment>
        <translation>Первая четверть</translation>
    </message>
    <message>
        <source>Waxing gibbous</source>
        <extracomment>Phase of the Moon</extracomment>
        <translation>Растущая луна</translation>
    </message>
    <message>
        <source>Full</source>
        <extracomment>Phase of the Moon</extracomment>
        <translation>Полнолуние</translation>
    </message>
    <message>
        <source>Waning gibbous</source>
        <extracomment>Phase of the Moon</extracomment>
        <translation>Убывающая луна</translation>
    </message>
    <message>
        <source>Last quarter</source>
        <extracomment>Phase of the Moon</extracomment>
        <translation>Последняя четверть</translation>
    </message>
    <message>
        <source>Waning crescent</source>
        <extracomment>Phase of the Moon</extracomment>
        <translation>Убывающий серп</translation>
    </message>
    <message>
        <source>Moon: %1, %2%
Sun overhead: %3, %4</source>
        <extracomment>The Moon&apos;s phase and lit part; the point where the Sun stands overhead</extracomment>
        <translation>Луна: %1, %2 %
Солнце в зените: %3, %4</translation>
    </message>
</context>
<context>
    <name>TimeMachine</name>
    <message>
        <source>One Hour &amp;Later</source>
        <translation>На час &amp;позже</translation>
    </message>
    <message>
        <source>One Hour &amp;Earlier</source>
        <translation>На час &amp;раньше</translation>
    </message>
    <message>
        <source>One &amp;Day Later</source>
        <translation>На &amp;день позже</translation>
    </message>
    <message>
        <source>One Day Ea&amp;rlier</source>
        <translation>На день р&amp;аньше</translation>
    </message>
    <message>
        <source>&amp;Now</source>
        <translation>&amp;Сейчас</translation>
    </message>
    <message>
        <source>&amp;Go to Date and Time…</source>
        <translation>П&amp;ерейти к дате и времени…</translation>
    </message>
    <message>
        <source>&amp;Play</source>
        <translation>&amp;Воспроизвести</translation>
    </message>
    <message>
        <source>Play &amp;Speed</source>
        <translation>С&amp;корость</translation>
    </message>
    <message>
        <source>1 Minute a Second</source>
        <translation>1 минута в секунду</translation>
    </message>
    <message>
        <source>10 Minutes a Second</source>
        <translation>10 минут в секунду</translation>
    </message>
    <message>
        <source>1 Hour a Second</source>
        <translation>1 час в секунду</translation>
    </message>
    <message>
        <source>1 Day a Second</source>
        <translation>1 день в секунду</translation>
    </message>
    <message>
        <source>&amp;Pause</source>
        <translation>&amp;Пауза</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Пауза</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Воспроизвести</translation>
    </message>
    <message>
        <source>Showing %1 %2 (%3) · Now: %4</source>
        <extracomment>%1: the shown date and time, %2: its zone&apos;s abbreviation, %3: how far from now, %4: the key that goes back to now</extracomment>
        <translation>Показано: %1 %2 (%3) · Сейчас: %4</translation>
    </message>
    <message>
        <source>d MMMM yyyy, HH:mm</source>
        <translation>d MMMM yyyy, HH:mm</translation>
    </message>
    <message>
        <source>d</source>
        <extracomment>Abbreviation of days in a time from now: &quot;+3 d 2 h&quot;</extracomment>
        <translation>д</translation>
    </message>
    <message>
        <source>h</source>
        <extracomment>Abbreviation of hours in a time from now: &quot;+3 h 20 min&quot;</extracomment>
        <translation>ч</translation>
    </message>
    <message>
        <source>min</source>
        <extracomment>Abbreviation of minutes in a time from now: &quot;+20 min&quot;</extracomment>
        <translation>мин</translation>
    </message>
    <message>
        <source>s</source>
        <extracomment>Abbreviation of seconds in a time from now: &quot;+5 s&quot;</extracomment>
        <translation>с</translation>
    </message>
    <message>
        <source>%1 — Duskmap</source>
        <comment>the distance from now</comment>
        <translation>%1 — Duskmap</translation>
    </message>
    <message>
        <source>Ne&amp;xt Eclipse</source>
        <extracomment>Time menu: show the next solar or lunar eclipse at its greatest</extracomment>
        <translation>&amp;Следующее затмение</translation>
    </message>
    <message>
        <source>Pre&amp;vious Eclipse</source>
        <extracomment>Time menu: show the previous solar or lunar eclipse at its greatest</extracomment>
        <translation>&amp;Предыдущее затмение</translation>
    </message>
    <message>
        <source>E&amp;clipses…</source>
        <translation>&amp;Затмения…</translation>
    </message>
</context>
<context>
    <name>TwilightLines</name>
    <message>
        <source>sunset</source>
        <extracomment>Label on the map beside the line where the Sun sets</extracomment>
        <translation>закат</translation>
    </message>
    <message>
        <source>civil</source>
        <extracomment>Label on the map beside the line where civil twilight ends (Sun 6° below the horizon)</extracomment>
        <translation>гражданские</translation>
    </message>
    <message>
        <source>nautical</source>
        <extracomment>Label on the map beside the line where nautical twilight ends (Sun 12° below)</extracomment>
        <translation>навигационные</translation>
    </message>
    <message>
        <source>astronomical</source>
        <extracomment>Label on the map beside the line where astronomical twilight ends (Sun 18° below)</extracomment>
        <translation>астрономические</translation>
    </message>
    <message>
        <source>sunrise</source>
        <extracomment>Label on the map beside the line where the Sun rises</extracomment>
        <translation>восход</translation>
    </message>
</context>
<context>
    <name>Weather</name>
    <message>
        <source>%1 d %2 h</source>
        <extracomment>An age in days and hours: &quot;3 d 4 h&quot;</extracomment>
        <translation>%1 д %2 ч</translation>
    </message>
    <message>
        <source>%1 h %2 min</source>
        <extracomment>An age in hours and minutes: &quot;2 h 10 min&quot;</extracomment>
        <translation>%1 ч %2 мин</translation>
    </message>
    <message>
        <source>%1 min</source>
        <extracomment>An age in minutes: &quot;35 min&quot;</extracomment>
        <translation>%1 мин</translation>
    </message>
    <message>
        <source>Clouds %1 old</source>
        <extracomment>In the map&apos;s corner: how old the cloud map is, &quot;Clouds 2 h 10 min old&quot;</extracomment>
        <translation>Облака: %1 назад</translation>
    </message>
    <message>
        <source>Aurora %1 old</source>
        <extracomment>In the map&apos;s corner: how long ago the aurora forecast&apos;s instant was</extracomment>
        <translation>Сияние: %1 назад</translation>
    </message>
    <message>
        <source>Aurora forecast for %1 ahead</source>
        <translation>Прогноз сияния через %1</translation>
    </message>
    <message>
        <source>Aurora likely overhead</source>
        <extracomment>Home and Target row: the aurora forecast is strong right above the place, and it is dark and clear</extracomment>
        <translation>Сияние вероятно в зените</translation>
    </message>
    <message>
        <source>Aurora likely on the horizon</source>
        <extracomment>Home and Target row: the aurora is forecast near enough to be seen low in the sky</extracomment>
        <translation>Сияние вероятно у горизонта</translation>
    </message>
    <message>
        <source>No aurora forecast here</source>
        <translation>Здесь сияние не ожидается</translation>
    </message>
    <message>
        <source>Aurora forecast, but the sky is too light</source>
        <extracomment>Home and Target row: aurora forecast, but the Sun is less than 12 degrees below the horizon</extracomment>
        <translation>Сияние ожидается, но небо слишком светлое</translation>
    </message>
    <message>
        <source>Aurora forecast, but cloudy</source>
        <translation>Сияние ожидается, но облачно</translation>
    </message>
</context>
<context>
    <name>WeatherFiles</name>
    <message>
        <source>no such file</source>
        <translation>нет такого файла</translation>
    </message>
    <message>
        <source>not a readable file</source>
        <translation>файл не читается</translation>
    </message>
    <message>
        <source>larger than %1 MB</source>
        <translation>больше %1 МБ</translation>
    </message>
    <message>
        <source>not a JPEG or PNG image</source>
        <translation>не изображение JPEG или PNG</translation>
    </message>
    <message>
        <source>a cloud map is an equirectangular image twice as wide as high, from %1 pixels wide to %2; this one is %3x%4, %5</source>
        <translation>карта облаков — равнопромежуточное изображение вдвое шире своей высоты, шириной от %1 до %2 пикселей; это изображение %3x%4, %5</translation>
    </message>
    <message>
        <source>damaged data: the image ends early</source>
        <translation>повреждённые данные: изображение обрывается</translation>
    </message>
    <message>
        <source>damaged data: its size changes as it is read</source>
        <translation>повреждённые данные: размер меняется при чтении</translation>
    </message>
    <message>
        <source>larger than %1 MB, not an aurora forecast</source>
        <translation>больше %1 МБ — это не прогноз полярных сияний</translation>
    </message>
    <message>
        <source>not JSON: %1 at byte %2</source>
        <translation>не JSON: %1 в байте %2</translation>
    </message>
    <message>
        <source>no &quot;%1&quot; as an ISO 8601 time</source>
        <translation>нет &quot;%1&quot; как времени ISO 8601</translation>
    </message>
    <message>
        <source>no &quot;coordinates&quot; list</source>
        <translation>нет списка &quot;coordinates&quot;</translation>
    </message>
    <message>
        <source>point %1 of &quot;coordinates&quot; is not [longitude, latitude, value]</source>
        <translation>точка %1 в &quot;coordinates&quot; не вида [долгота, широта, значение]</translation>
    </message>
    <message>
        <source>point %1 of &quot;coordinates&quot;: %2</source>
        <translation>точка %1 в &quot;coordinates&quot;: %2</translation>
    </message>
    <message>
        <source>&quot;coordinates&quot; holds %1 points, not %2</source>
        <translation>в &quot;coordinates&quot; %1 точек, а не %2</translation>
    </message>
</context>
<context>
    <name>WeatherSource</name>
    <message>
        <source>C&amp;loud map:</source>
        <extracomment>Preferences: the file of a greyscale world map of the clouds</extracomment>
        <translation>Карта о&amp;блаков:</translation>
    </message>
    <message>
        <source>Cloud map file</source>
        <translation>Файл карты облаков</translation>
    </message>
    <message>
        <source>Choose the cloud map file</source>
        <translation>Выбрать файл карты облаков</translation>
    </message>
    <message>
        <source>Clear the cloud map file</source>
        <translation>Убрать карту облаков</translation>
    </message>
    <message>
        <source>Cloud Map</source>
        <translation>Карта облаков</translation>
    </message>
    <message>
        <source>Images (*.jpg *.jpeg *.png);;All files (*)</source>
        <extracomment>File types in the dialog that chooses the cloud map</extracomment>
        <translation>Изображения (*.jpg *.jpeg *.png);;Все файлы (*)</translation>
    </message>
    <message>
        <source>Cloud map &quot;%1&quot; not shown: %2</source>
        <extracomment>%1 the cloud map&apos;s file name, %2 what is wrong with it</extracomment>
        <translation>Карта облаков «%1» не показана: %2</translation>
    </message>
    <message>
        <source>Aur&amp;ora forecast:</source>
        <extracomment>Preferences: the file of NOAA&apos;s aurora forecast (OVATION, in JSON)</extracomment>
        <translation>Прогноз с&amp;ияний:</translation>
    </message>
    <message>
        <source>Aurora forecast file</source>
        <translation>Файл прогноза полярных сияний</translation>
    </message>
    <message>
        <source>Choose the aurora forecast file</source>
        <translation>Выбрать файл прогноза полярных сияний</translation>
    </message>
    <message>
        <source>Clear the aurora forecast file</source>
        <translation>Убрать прогноз полярных сияний</translation>
    </message>
    <message>
        <source>Aurora Forecast</source>
        <translation>Прогноз полярных сияний</translation>
    </message>
    <message>
        <source>OVATION forecasts (*.json);;All files (*)</source>
        <extracomment>File types in the dialog that chooses the aurora forecast</extracomment>
        <translation>Прогнозы OVATION (*.json);;Все файлы (*)</translation>
    </message>
    <message>
        <source>Aurora forecast &quot;%1&quot; not shown: %2</source>
        <extracomment>%1 the aurora forecast&apos;s file name, %2 what is wrong with it</extracomment>
        <translation>Прогноз полярных сияний «%1» не показан: %2</translation>
    </message>
</context>
<context>
    <name>ZoneFinder</name>
    <message>
        <source>Type a city, a country or a zone</source>
        <translation>Введите город, страну или пояс</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <comment>a city and its time zone&apos;s id</comment>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>No zone matches “%1”</source>
        <translation>Нет поясов, подходящих под «%1»</translation>
    </message>
</context>
</TS>
