<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja">
<context>
    <name>ClockChange</name>
    <message>
        <source>%1 h</source>
        <extracomment>How far the clocks move: whole hours (&quot;1 h&quot;)</extracomment>
        <translation>%1時間</translation>
    </message>
    <message>
        <source>%1%2 min</source>
        <extracomment>How far the clocks move: minutes, after any hours (&quot;30 min&quot;)</extracomment>
        <translation>%1%2分</translation>
    </message>
    <message>
        <source>Clocks go forward %1 on %2 at %3</source>
        <extracomment>%1: how far (&quot;1 h&quot;), %2: the date, %3: the time on the clocks before the change</extracomment>
        <translation>%2 %3に時計が%1進みます</translation>
    </message>
    <message>
        <source>Clocks go back %1 on %2 at %3</source>
        <extracomment>%1: how far (&quot;1 h&quot;), %2: the date, %3: the time on the clocks before the change</extracomment>
        <translation>%2 %3に時計が%1戻ります</translation>
    </message>
</context>
<context>
    <name>Coordinates</name>
    <message>
        <source>%1° S</source>
        <extracomment>A latitude south of the equator: %1 its degrees, such as 33.87</extracomment>
        <translation>南緯%1°</translation>
    </message>
    <message>
        <source>%1° N</source>
        <extracomment>A latitude north of the equator: %1 its degrees, such as 52.52</extracomment>
        <translation>北緯%1°</translation>
    </message>
    <message>
        <source>%1° W</source>
        <extracomment>A longitude west of Greenwich: %1 its degrees, such as 74.01</extracomment>
        <translation>西経%1°</translation>
    </message>
    <message>
        <source>%1° E</source>
        <extracomment>A longitude east of Greenwich: %1 its degrees, such as 13.40</extracomment>
        <translation>東経%1°</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <extracomment>A place: %1 its latitude, %2 its longitude, such as 52.52° N and 13.40° E</extracomment>
        <translation>%1、%2</translation>
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
        <translation>皆既全体が見える</translation>
    </message>
    <message>
        <source>All of the eclipse seen</source>
        <extracomment>On the map where all of a partial or penumbral lunar eclipse can be seen</extracomment>
        <translation>食の全体が見える</translation>
    </message>
    <message>
        <source>Moon rises during the eclipse</source>
        <extracomment>On the map where the Moon rises while a lunar eclipse is under way</extracomment>
        <translation>食の最中に月が昇る</translation>
    </message>
    <message>
        <source>Moon sets during the eclipse</source>
        <extracomment>On the map where the Moon sets while a lunar eclipse is under way</extracomment>
        <translation>食の最中に月が沈む</translation>
    </message>
    <message>
        <source>Eclipse not seen</source>
        <extracomment>On the map where a lunar eclipse cannot be seen: the Moon is down throughout</extracomment>
        <translation>月食は見えない</translation>
    </message>
</context>
<context>
    <name>EclipsesDialog</name>
    <message>
        <source>Total lunar</source>
        <translation>皆既月食</translation>
    </message>
    <message>
        <source>Partial lunar</source>
        <translation>部分月食</translation>
    </message>
    <message>
        <source>Penumbral lunar</source>
        <translation>半影月食</translation>
    </message>
    <message>
        <source>Total solar</source>
        <translation>皆既日食</translation>
    </message>
    <message>
        <source>Annular solar</source>
        <translation>金環日食</translation>
    </message>
    <message>
        <source>Hybrid solar</source>
        <translation>金環皆既日食</translation>
    </message>
    <message>
        <source>Partial solar</source>
        <translation>部分日食</translation>
    </message>
    <message>
        <source>%1 min %2 s</source>
        <extracomment>A duration of totality or annularity: %1 minutes, %2 seconds</extracomment>
        <translation>%1 分 %2 秒</translation>
    </message>
    <message>
        <source>Eclipses</source>
        <translation>日食と月食</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>種類</translation>
    </message>
    <message>
        <source>Greatest (UT)</source>
        <translation>食の最大 (UT)</translation>
    </message>
    <message>
        <source>Place of greatest</source>
        <translation>食の最大の地点</translation>
    </message>
    <message>
        <source>Duration</source>
        <translation>継続時間</translation>
    </message>
    <message>
        <source>Magnitude</source>
        <translation>食分</translation>
    </message>
    <message>
        <source>Seen from home</source>
        <translation>自宅から見える</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>はい</translation>
    </message>
    <message>
        <source>No</source>
        <translation>いいえ</translation>
    </message>
    <message>
        <source>&amp;Go There</source>
        <extracomment>Shows the eclipse chosen in the list at its greatest</extracomment>
        <translation>移動(&amp;G)</translation>
    </message>
    <message>
        <source>Eclipses from %1 to %2</source>
        <extracomment>The list&apos;s name for screen readers: %1 and %2 the first and last years it covers</extracomment>
        <translation>%1年から%2年までの日食と月食</translation>
    </message>
</context>
<context>
    <name>ElementProblem</name>
    <message>
        <source>a bad checksum</source>
        <extracomment>Why a satellite&apos;s orbital elements in a file were not used</extracomment>
        <translation>チェックサムの誤り</translation>
    </message>
    <message>
        <source>a malformed line</source>
        <translation>不正な形式の行</translation>
    </message>
    <message>
        <source>a value that is not a number</source>
        <translation>数値ではない値</translation>
    </message>
    <message>
        <source>a missing line</source>
        <translation>欠けている行</translation>
    </message>
    <message>
        <source>lines of two different satellites</source>
        <translation>異なる2つの衛星の行</translation>
    </message>
    <message>
        <source>a bad catalogue number</source>
        <translation>カタログ番号の誤り</translation>
    </message>
    <message>
        <source>a missing field</source>
        <translation>欠けているフィールド</translation>
    </message>
    <message>
        <source>an impossible value</source>
        <translation>ありえない値</translation>
    </message>
    <message>
        <source>not element sets nor OMM</source>
        <translation>軌道要素でも OMM でもありません</translation>
    </message>
    <message>
        <source>larger than 50 MB</source>
        <translation>50 MB を超えています</translation>
    </message>
    <message>
        <source>missing or not readable</source>
        <translation>見つからないか読み取れません</translation>
    </message>
    <message>
        <source>JSON or XML that does not parse</source>
        <translation>解析できない JSON または XML</translation>
    </message>
    <message>
        <source>Cannot read the satellites&apos; elements in %1: %2</source>
        <translation>%1 の衛星の軌道要素を読み取れません: %2</translation>
    </message>
    <message numerus="yes">
        <source>Skipped %n record(s) in %1, the first on line %2: %3</source>
        <translation>
            <numerusform>%1 の %n 件のレコードをスキップしました。最初は %2 行目: %3</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>FactsPanel</name>
    <message>
        <source>Paths from home to target</source>
        <extracomment>What a screen reader calls the row&apos;s line of the paths from home to target</extracomment>
        <translation>自宅から目標地点への経路</translation>
    </message>
    <message>
        <source>Unpin %1</source>
        <translation>%1 の固定を解除</translation>
    </message>
    <message>
        <source>Next satellite passes over home</source>
        <extracomment>What a screen reader calls the row&apos;s line of the satellites&apos; next passes over home</extracomment>
        <translation>自宅上空の次の衛星通過</translation>
    </message>
</context>
<context>
    <name>GoToDateDialog</name>
    <message>
        <source>Go to Date and Time</source>
        <translation>日時へ移動</translation>
    </message>
    <message>
        <source>YYYY-MM-DD HH:MM:SS</source>
        <extracomment>The form a date and time is typed in; keep the order and the punctuation</extracomment>
        <translation>YYYY-MM-DD HH:MM:SS</translation>
    </message>
    <message>
        <source>Date and time</source>
        <translation>日時</translation>
    </message>
    <message>
        <source>About the date and time</source>
        <translation>日時について</translation>
    </message>
    <message>
        <source>Date and time in %1:</source>
        <translation>%1の日時:</translation>
    </message>
    <message>
        <source>Type a date and time as 2027-06-21 22:00:00.</source>
        <translation>日時を 2027-06-21 22:00:00 の形式で入力してください。</translation>
    </message>
    <message>
        <source>The map shows times from %1 to %2 here.</source>
        <translation>ここでは地図は %1 から %2 までの時刻を表示します。</translation>
    </message>
    <message>
        <source>The clocks go forward that night and skip this time: the map shows %1, %2 later.</source>
        <translation>その夜は時計が進められこの時刻は存在しません。地図は %2 後の %1 を表示します。</translation>
    </message>
    <message>
        <source>The clocks go back that night and this time comes twice: the map shows the first, %1.</source>
        <translation>その夜は時計が戻されこの時刻は2回あります。地図は1回目の %1 を表示します。</translation>
    </message>
</context>
<context>
    <name>Localizable</name>
    <message>
        <source>Show Latitude/Longitude Grid</source>
        <comment>ShowLatLonGridLines</comment>
        <extracomment>Contextual menu item that shows the latitude/longitude grid</extracomment>
        <translation>緯度・経度の格子を表示</translation>
    </message>
    <message>
        <source>Hide Latitude/Longitude Grid</source>
        <comment>HideLatLonGridLines</comment>
        <extracomment>Contextual menu item that hides the latitude/longitude grid</extracomment>
        <translation>緯度・経度の格子を隠す</translation>
    </message>
    <message>
        <source>Show Locations</source>
        <comment>ShowLocations</comment>
        <extracomment>Contextual menu item that shows the squares at the time zones&apos; reference places</extracomment>
        <translation>地点を表示</translation>
    </message>
    <message>
        <source>Hide Locations</source>
        <comment>HideLocations</comment>
        <extracomment>Contextual menu item that hides the squares at the time zones&apos; reference places</extracomment>
        <translation>地点を隠す</translation>
    </message>
    <message>
        <source>Show Sun</source>
        <comment>ShowSun</comment>
        <extracomment>Contextual menu item that shows the sun symbol at the point under the Sun</extracomment>
        <translation>太陽を表示</translation>
    </message>
    <message>
        <source>Hide Sun</source>
        <comment>HideSun</comment>
        <extracomment>Contextual menu item that hides the sun symbol at the point under the Sun</extracomment>
        <translation>太陽を隠す</translation>
    </message>
    <message>
        <source>Show Moon</source>
        <comment>ShowMoon</comment>
        <extracomment>Contextual menu item that shows the Moon, in its phase, at the point under it</extracomment>
        <translation>月を表示</translation>
    </message>
    <message>
        <source>Hide Moon</source>
        <comment>HideMoon</comment>
        <extracomment>Contextual menu item that hides the Moon, in its phase, at the point under it</extracomment>
        <translation>月を隠す</translation>
    </message>
    <message>
        <source>Show Twilight Lines</source>
        <comment>ShowTwilightLines</comment>
        <extracomment>Contextual menu item that shows the lines of sunset and of civil, nautical and astronomical twilight</extracomment>
        <translation>薄明線を表示</translation>
    </message>
    <message>
        <source>Hide Twilight Lines</source>
        <comment>HideTwilightLines</comment>
        <extracomment>Contextual menu item that hides the lines of sunset and of civil, nautical and astronomical twilight</extracomment>
        <translation>薄明線を隠す</translation>
    </message>
    <message>
        <source>Show Paths to Target</source>
        <comment>ShowPaths</comment>
        <extracomment>Menu item that shows the great circle from the home place to the target place: the short path solid, the long path dashed</extracomment>
        <translation>目標地点への経路を表示</translation>
    </message>
    <message>
        <source>Hide Paths to Target</source>
        <comment>HidePaths</comment>
        <extracomment>Menu item that hides the paths from home to the target</extracomment>
        <translation>目標地点への経路を非表示</translation>
    </message>
    <message>
        <source>Show Locator Grid</source>
        <comment>ShowLocatorGrid</comment>
        <extracomment>Menu item that shows the grid of Maidenhead locators used by radio amateurs: fields of 20 by 10 degrees labelled AA to RR</extracomment>
        <translation>ロケーターグリッドを表示</translation>
    </message>
    <message>
        <source>Hide Locator Grid</source>
        <comment>HideLocatorGrid</comment>
        <extracomment>Menu item that hides the grid of Maidenhead locators</extracomment>
        <translation>ロケーターグリッドを非表示</translation>
    </message>
    <message>
        <source>Show Range Rings</source>
        <comment>ShowRangeRings</comment>
        <extracomment>Menu item that shows the range rings: circles every 1000 km around the centre of the view, and lines towards the compass directions</extracomment>
        <translation>距離リングを表示</translation>
    </message>
    <message>
        <source>Hide Range Rings</source>
        <comment>HideRangeRings</comment>
        <extracomment>Menu item that hides the range rings</extracomment>
        <translation>距離リングを非表示</translation>
    </message>
    <message>
        <source>Show Eclipses</source>
        <comment>ShowEclipses</comment>
        <extracomment>Menu item that shows solar eclipses (the Moon&apos;s shadow on the Earth and the path of totality) and where lunar eclipses are seen, while one is near</extracomment>
        <translation>食を表示</translation>
    </message>
    <message>
        <source>Hide Eclipses</source>
        <comment>HideEclipses</comment>
        <extracomment>Menu item that hides the eclipses on the map</extracomment>
        <translation>食を非表示</translation>
    </message>
    <message>
        <source>Show Satellites</source>
        <comment>ShowSatellites</comment>
        <extracomment>Menu item that shows the chosen satellites with their ground tracks and the areas they can be seen from</extracomment>
        <translation>衛星を表示</translation>
    </message>
    <message>
        <source>Hide Satellites</source>
        <comment>HideSatellites</comment>
        <extracomment>Menu item that hides the satellites</extracomment>
        <translation>衛星を隠す</translation>
    </message>
    <message>
        <source>Show Clouds</source>
        <comment>ShowClouds</comment>
        <extracomment>Menu item that shows the clouds of the cloud map file</extracomment>
        <translation>雲を表示</translation>
    </message>
    <message>
        <source>Hide Clouds</source>
        <comment>HideClouds</comment>
        <extracomment>Menu item that hides the clouds of the cloud map file</extracomment>
        <translation>雲を隠す</translation>
    </message>
    <message>
        <source>Show Aurora</source>
        <comment>ShowAurora</comment>
        <extracomment>Menu item that shows the aurora forecast (the northern and southern lights)</extracomment>
        <translation>オーロラを表示</translation>
    </message>
    <message>
        <source>Hide Aurora</source>
        <comment>HideAurora</comment>
        <extracomment>Menu item that hides the aurora forecast</extracomment>
        <translation>オーロラを隠す</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Time zone</source>
        <translation>タイムゾーン</translation>
    </message>
    <message>
        <source>Time</source>
        <extracomment>Name of the clock readout, as a screen reader says it</extracomment>
        <translation>時刻</translation>
    </message>
    <message>
        <source>Date</source>
        <extracomment>Name of the date readout, as a screen reader says it</extracomment>
        <translation>日付</translation>
    </message>
    <message>
        <source>Switch between the small and the large map</source>
        <translation>小さい地図と大きい地図を切り替える</translation>
    </message>
    <message>
        <source>Zoom</source>
        <extracomment>Button: switch between the small and the large map</extracomment>
        <translation>拡大</translation>
    </message>
    <message>
        <source>Save the map as a JPEG image</source>
        <translation>地図を JPEG 画像として保存</translation>
    </message>
    <message>
        <source>Save as JPEG</source>
        <translation>JPEG として保存</translation>
    </message>
    <message>
        <source>Save…</source>
        <translation>保存…</translation>
    </message>
    <message>
        <source>Sunrise</source>
        <translation>日の出</translation>
    </message>
    <message>
        <source>Sunset</source>
        <translation>日の入り</translation>
    </message>
    <message>
        <source>Latitude</source>
        <translation>緯度</translation>
    </message>
    <message>
        <source>Longitude</source>
        <translation>経度</translation>
    </message>
    <message>
        <source>Shown time</source>
        <translation>表示中の時刻</translation>
    </message>
    <message>
        <source>Time:</source>
        <extracomment>Label of the slider that moves the shown time</extracomment>
        <translation>時刻:</translation>
    </message>
    <message>
        <source>Time from now</source>
        <translation>現在からの差</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>再生</translation>
    </message>
    <message>
        <source>Show the map as it is now</source>
        <translation>現在の地図を表示</translation>
    </message>
    <message>
        <source>Now</source>
        <extracomment>Button: show the map at the present moment</extracomment>
        <translation>現在</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>ファイル(&amp;F)</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>表示(&amp;V)</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>ヘルプ(&amp;H)</translation>
    </message>
    <message>
        <source>&amp;Time</source>
        <extracomment>Menu that moves the shown time: later, earlier, now, play</extracomment>
        <translation>時刻(&amp;T)</translation>
    </message>
    <message>
        <source>&amp;Save as JPEG…</source>
        <translation>JPEG として保存(&amp;S)…</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>終了(&amp;Q)</translation>
    </message>
    <message>
        <source>&amp;Zoom</source>
        <translation>拡大(&amp;Z)</translation>
    </message>
    <message>
        <source>&amp;Full Screen</source>
        <translation>フルスクリーン(&amp;F)</translation>
    </message>
    <message>
        <source>Open the Map&apos;s Menu</source>
        <translation>地図のメニューを開く</translation>
    </message>
    <message>
        <source>&amp;Keyboard Shortcuts</source>
        <translation>キーボードショートカット(&amp;K)</translation>
    </message>
    <message>
        <source>&amp;About Duskmap</source>
        <translation>Duskmap について(&amp;A)</translation>
    </message>
    <message>
        <source>&amp;Settings</source>
        <translation>設定(&amp;S)</translation>
    </message>
    <message>
        <source>&amp;Preferences…</source>
        <translation>設定(&amp;P)…</translation>
    </message>
    <message>
        <source>Keyboard Shortcuts</source>
        <translation>キーボードショートカット</translation>
    </message>
    <message>
        <source>Keyboard shortcuts</source>
        <translation>キーボードショートカット</translation>
    </message>
    <message>
        <source>Action</source>
        <extracomment>Column headings of the list of keyboard shortcuts: what the keys do, and the keys</extracomment>
        <translation>操作</translation>
    </message>
    <message>
        <source>Shortcut</source>
        <translation>ショートカット</translation>
    </message>
    <message>
        <source> or </source>
        <extracomment>Between two keyboard shortcuts of one action</extracomment>
        <translation> または </translation>
    </message>
    <message>
        <source>Next clock change</source>
        <translation>次の時刻変更</translation>
    </message>
    <message>
        <source>Could not save the map to &quot;%1&quot;: %2</source>
        <translation>地図を「%1」に保存できませんでした: %2</translation>
    </message>
    <message>
        <source>JPEG images (*.jpg)</source>
        <translation>JPEG 画像 (*.jpg)</translation>
    </message>
    <message>
        <source>About Duskmap</source>
        <translation>Duskmap について</translation>
    </message>
    <message>
        <source>&lt;h3&gt;Duskmap %1&lt;/h3&gt;&lt;p&gt;A world map of day, twilight and night, with a clock for a time zone of your choice.&lt;/p&gt;&lt;p&gt;Map images: NASA Visible Earth (&quot;Blue Marble&quot; and &quot;Earth at Night&quot;, NASA Goddard Space Flight Center), public domain.&lt;/p&gt;&lt;p&gt;Time zones and their places: the IANA tz database (public domain).&lt;/p&gt;&lt;p&gt;Duskmap is free software: you can redistribute it and/or modify it under the terms of the GNU General Public License as published by the Free Software Foundation, either version 3 of the License, or (at your option) any later version. It comes with no warranty.&lt;/p&gt;</source>
        <translation>&lt;h3&gt;Duskmap %1&lt;/h3&gt;&lt;p&gt;昼・薄明・夜を示す世界地図と、お好みのタイムゾーンの時計です。&lt;/p&gt;&lt;p&gt;地図画像: NASA Visible Earth（「Blue Marble」「Earth at Night」、NASA ゴダード宇宙飛行センター）、パブリックドメイン。&lt;/p&gt;&lt;p&gt;タイムゾーンとその地点: IANA tz データベース（パブリックドメイン）。&lt;/p&gt;&lt;p&gt;Duskmap はフリーソフトウェアです。Free Software Foundation が公表した GNU 一般公衆利用許諾書のバージョン 3、または（お好みで）それ以降のバージョンの条件のもとで、再頒布または改変できます。いかなる保証もありません。&lt;/p&gt;</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <comment>a readout and its value</comment>
        <extracomment>What a screen reader says for a readout: its name, then its value</extracomment>
        <translation>%1、%2</translation>
    </message>
    <message>
        <source>&amp;Projection</source>
        <translation>投影法(&amp;P)</translation>
    </message>
    <message>
        <source>&amp;Centre On</source>
        <translation>中心に置く(&amp;C)</translation>
    </message>
    <message>
        <source>Selected Zone</source>
        <translation>選択したタイムゾーン</translation>
    </message>
    <message>
        <source>North Pole</source>
        <translation>北極</translation>
    </message>
    <message>
        <source>South Pole</source>
        <translation>南極</translation>
    </message>
    <message>
        <source>Home</source>
        <extracomment>View → Centre On: the home place the user keeps (in the preferences or given with --home)</extracomment>
        <translation>自宅</translation>
    </message>
    <message>
        <source>&lt;p&gt;Cities: GeoNames (geonames.org), under the Creative Commons Attribution 4.0 licence.&lt;/p&gt;</source>
        <translation>&lt;p&gt;都市: GeoNames (geonames.org)、クリエイティブ・コモンズ 表示 4.0 ライセンス。&lt;/p&gt;</translation>
    </message>
    <message>
        <source>Default Centre</source>
        <extracomment>View → Centre On: where the view stands until another centre is chosen: Greenwich for the world maps, the selected zone for the azimuthal view and the globe</extracomment>
        <translation>既定の中心</translation>
    </message>
    <message>
        <source>Move &amp;West</source>
        <translation>西へ(&amp;W)</translation>
    </message>
    <message>
        <source>Move &amp;East</source>
        <translation>東へ(&amp;E)</translation>
    </message>
    <message>
        <source>Move &amp;North</source>
        <translation>北へ(&amp;N)</translation>
    </message>
    <message>
        <source>Move &amp;South</source>
        <translation>南へ(&amp;S)</translation>
    </message>
    <message>
        <source>&lt;p&gt;Eclipses: the Swiss Ephemeris (Astrodienst AG) with its JPL-based files, under the GNU Affero General Public License 3.0.&lt;/p&gt;</source>
        <translation>&lt;p&gt;日食・月食：Swiss Ephemeris（Astrodienst AG）と JPL に基づくそのファイル、GNU Affero General Public License 3.0 による。&lt;/p&gt;</translation>
    </message>
    <message>
        <source>Satellite Passes</source>
        <translation>衛星の通過</translation>
    </message>
    <message>
        <source>Choose an element file and its satellites in the preferences.</source>
        <translation>設定で軌道要素ファイルとその衛星を選んでください。</translation>
    </message>
    <message>
        <source>Set a home place in the preferences to see the passes over it.</source>
        <translation>上空の通過を見るには、設定で自宅の場所を指定してください。</translation>
    </message>
    <message>
        <source>Passes over %1 in the next 3 days, above %2°, times in %3. Visible: sunlit while home is in the dark.</source>
        <extracomment>Above the list of passes: %1 the home place, %2 the elevation mask, %3 the time zone</extracomment>
        <translation>今後3日間の %1 上空の通過（%2° 以上、時刻は %3）。見える: 自宅が暗いときに日光を受けている。</translation>
    </message>
    <message>
        <source>Satellite passes</source>
        <translation>衛星の通過</translation>
    </message>
    <message>
        <source>Satellite</source>
        <extracomment>Column headings of the list of satellite passes</extracomment>
        <translation>衛星</translation>
    </message>
    <message>
        <source>Rise</source>
        <translation>出</translation>
    </message>
    <message>
        <source>Azimuth</source>
        <translation>方位</translation>
    </message>
    <message>
        <source>Culmination</source>
        <translation>南中</translation>
    </message>
    <message>
        <source>Elevation</source>
        <translation>仰角</translation>
    </message>
    <message>
        <source>Set</source>
        <translation>入</translation>
    </message>
    <message>
        <source>Visible</source>
        <translation>見える</translation>
    </message>
    <message>
        <source>yes</source>
        <translation>はい</translation>
    </message>
    <message>
        <source>no</source>
        <translation>いいえ</translation>
    </message>
    <message>
        <source>&amp;Satellite Passes…</source>
        <extracomment>Menu item that opens the list of the chosen satellites&apos; next passes over home</extracomment>
        <translation>衛星の通過(&amp;S)…</translation>
    </message>
    <message>
        <source>Elements</source>
        <extracomment>Column heading: how old each satellite&apos;s orbital elements are</extracomment>
        <translation>軌道要素</translation>
    </message>
    <message>
        <source>Azimuth at rise</source>
        <translation>出現時の方位角</translation>
    </message>
    <message>
        <source>Greatest elevation</source>
        <translation>最大仰角</translation>
    </message>
    <message>
        <source>Azimuth at set</source>
        <translation>消失時の方位角</translation>
    </message>
</context>
<context>
    <name>MapLayer</name>
    <message>
        <source>Latitude and longitude grid</source>
        <translation>緯度・経度の格子</translation>
    </message>
    <message>
        <source>Squares at the zones&apos; places</source>
        <translation>各タイムゾーンの地点の四角</translation>
    </message>
    <message>
        <source>Point under the Sun</source>
        <translation>太陽直下点</translation>
    </message>
    <message>
        <source>Moon in its phase</source>
        <translation>月とその満ち欠け</translation>
    </message>
    <message>
        <source>Sunset and twilight lines</source>
        <translation>日没線と薄明線</translation>
    </message>
    <message>
        <source>Short and long paths from home to target</source>
        <translation>自宅から目標地点への短経路と長経路</translation>
    </message>
    <message>
        <source>Maidenhead locator grid</source>
        <translation>メイデンヘッド・ロケーターのグリッド</translation>
    </message>
    <message>
        <source>Range rings</source>
        <extracomment>The layer of circles every 1000 km and bearings around the centre</extracomment>
        <translation>距離リング</translation>
    </message>
    <message>
        <source>Eclipses</source>
        <translation>日食と月食</translation>
    </message>
    <message>
        <source>Satellites, their tracks and footprints</source>
        <translation>衛星とその軌跡・可視範囲</translation>
    </message>
    <message>
        <source>Clouds</source>
        <translation>雲</translation>
    </message>
    <message>
        <source>Aurora forecast</source>
        <extracomment>The layer of the forecast of the northern and southern lights</extracomment>
        <translation>オーロラ予報</translation>
    </message>
</context>
<context>
    <name>MapView</name>
    <message>
        <source>Flat Map</source>
        <translation>平面地図</translation>
    </message>
    <message>
        <source>Distances and Directions from the Centre</source>
        <translation>中心からの距離と方位</translation>
    </message>
    <message>
        <source>Globe</source>
        <translation>地球儀</translation>
    </message>
    <message>
        <source>Robinson</source>
        <translation>ロビンソン図法</translation>
    </message>
    <message>
        <source>Mollweide (Equal Areas)</source>
        <translation>モルワイデ図法（正積）</translation>
    </message>
</context>
<context>
    <name>MapWidget</name>
    <message>
        <source>Day and night map</source>
        <translation>昼と夜の地図</translation>
    </message>
    <message>
        <source>More Zones</source>
        <translation>その他のタイムゾーン</translation>
    </message>
    <message>
        <source>Contextual Menu</source>
        <translation>コンテキストメニュー</translation>
    </message>
    <message>
        <source>Pin</source>
        <extracomment>Submenu of the map&apos;s menu: keep a world clock for one of the nearby zones</extracomment>
        <translation>固定</translation>
    </message>
    <message>
        <source>More Layers</source>
        <translation>その他のレイヤー</translation>
    </message>
    <message>
        <source>%1° %2</source>
        <translation>%2%1°</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <comment>latitude, longitude</comment>
        <translation>%1、%2</translation>
    </message>
    <message>
        <source>N</source>
        <comment>north</comment>
        <translation>北緯</translation>
    </message>
    <message>
        <source>S</source>
        <comment>south</comment>
        <translation>南緯</translation>
    </message>
    <message>
        <source>E</source>
        <comment>east</comment>
        <translation>東経</translation>
    </message>
    <message>
        <source>W</source>
        <comment>west</comment>
        <translation>西経</translation>
    </message>
    <message>
        <source>%1 · %2 km from the centre, bearing %3°</source>
        <translation>%1 · 中心から %2 km、方位 %3°</translation>
    </message>
    <message>
        <source>Centre Map Here</source>
        <translation>ここを地図の中心にする</translation>
    </message>
    <message>
        <source>Set Home Here</source>
        <extracomment>Map menu: make the place clicked the home place</extracomment>
        <translation>ここを自宅に設定</translation>
    </message>
    <message>
        <source>Set Target Here</source>
        <extracomment>Map menu: make the place clicked the target place, far end of the paths from home</extracomment>
        <translation>ここを目標地点に設定</translation>
    </message>
</context>
<context>
    <name>PlaceEnd</name>
    <message>
        <source>Home</source>
        <extracomment>The user&apos;s own place, one end of the paths</extracomment>
        <translation>自宅</translation>
    </message>
    <message>
        <source>&amp;Home:</source>
        <translation>自宅(&amp;H):</translation>
    </message>
    <message>
        <source>Target</source>
        <extracomment>The far place the paths from home lead to</extracomment>
        <translation>目標地点</translation>
    </message>
    <message>
        <source>&amp;Target:</source>
        <translation>目標地点(&amp;T):</translation>
    </message>
</context>
<context>
    <name>PlaceField</name>
    <message>
        <source>A city, a locator such as JO62qm, or 52.52, 13.40</source>
        <extracomment>Placeholder of the home and target fields: the forms a place may be typed in</extracomment>
        <translation>都市、JO62qm のようなロケーター、または 52.52, 13.40</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <comment>a state and its country</comment>
        <translation>%1、%2</translation>
    </message>
    <message>
        <source>%1, %2 · %3</source>
        <extracomment>A city in the list of cities of a name: %1 the city, %2 its country, %3 its time zone</extracomment>
        <translation>%1、%2 · %3</translation>
    </message>
</context>
<context>
    <name>PlaceProblem</name>
    <message>
        <source>city names are unavailable without the city list</source>
        <translation>都市リストがないため都市名は使えません</translation>
    </message>
    <message>
        <source>no city of that name</source>
        <translation>その名前の都市はありません</translation>
    </message>
    <message>
        <source>coordinates are not numbers</source>
        <translation>座標が数値ではありません</translation>
    </message>
    <message>
        <source>coordinates out of range (latitude -90 to 90, longitude -180 to 180)</source>
        <translation>座標が範囲外です（緯度 −90～90、経度 −180～180）</translation>
    </message>
    <message>
        <source>not a latitude and longitude in degrees, minutes and seconds</source>
        <translation>度・分・秒の緯度と経度ではありません</translation>
    </message>
    <message>
        <source>no place given</source>
        <translation>場所が指定されていません</translation>
    </message>
    <message>
        <source>not a Maidenhead locator of 4, 6 or 8 characters (like JO62qm)</source>
        <translation>4、6、8 文字のメイデンヘッド・ロケーター（JO62qm など）ではありません</translation>
    </message>
    <message>
        <source>not a latitude and longitude in degrees (like 52.52,13.40)</source>
        <translation>度単位の緯度と経度（52.52,13.40 など）ではありません</translation>
    </message>
    <message>
        <source>no city name given</source>
        <translation>都市名が指定されていません</translation>
    </message>
</context>
<context>
    <name>PreferencesDialog</name>
    <message>
        <source>Shown on the map</source>
        <translation>地図に表示</translation>
    </message>
    <message>
        <source>World clocks</source>
        <translation>世界時計</translation>
    </message>
    <message>
        <source>Add a world clock</source>
        <translation>世界時計を追加</translation>
    </message>
    <message>
        <source>Type a city, a country or a zone to add its clock</source>
        <translation>時計を追加する都市・国・タイムゾーンを入力</translation>
    </message>
    <message>
        <source>&amp;Remove</source>
        <translation>削除(&amp;R)</translation>
    </message>
    <message>
        <source>Move &amp;Up</source>
        <translation>上へ(&amp;U)</translation>
    </message>
    <message>
        <source>Move &amp;Down</source>
        <translation>下へ(&amp;D)</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <comment>a city and its time zone&apos;s id</comment>
        <translation>%1、%2</translation>
    </message>
    <message>
        <source>&amp;Projection:</source>
        <translation>投影法(&amp;P):</translation>
    </message>
    <message>
        <source>Home and target</source>
        <extracomment>Group of the preferences: the user&apos;s own place and a far place, with the paths between</extracomment>
        <translation>自宅と目標地点</translation>
    </message>
    <message>
        <source>Problem with a place</source>
        <translation>場所の問題</translation>
    </message>
    <message>
        <source> m</source>
        <extracomment>Unit after the home&apos;s height above the sea</extracomment>
        <translation> m</translation>
    </message>
    <message>
        <source>Home&apos;s height above the &amp;sea:</source>
        <extracomment>Preferences: the home&apos;s height above the sea, which lowers its horizon</extracomment>
        <translation>自宅の標高(&amp;S):</translation>
    </message>
    <message>
        <source>Lowest Sun of the grey line</source>
        <extracomment>The grey line&apos;s lowest and highest Sun, for screen readers</extracomment>
        <translation>グレイラインの太陽の最低高度</translation>
    </message>
    <message>
        <source>Highest Sun of the grey line</source>
        <translation>グレイラインの太陽の最高高度</translation>
    </message>
    <message>
        <source>A place is on the grey line while the Sun&apos;s centre stands between these heights above or below its horizon.</source>
        <extracomment>Tooltip of the grey line&apos;s band in the preferences</extracomment>
        <translation>太陽の中心が地平線の上下でこの高度の間にある間、その場所はグレイライン上にあります。</translation>
    </message>
    <message>
        <source>to</source>
        <extracomment>Between the grey line&apos;s lowest and highest Sun: &quot;−6° to 6°&quot;</extracomment>
        <translation>～</translation>
    </message>
    <message>
        <source>Grey line, Sun from:</source>
        <extracomment>Preferences: the Sun&apos;s heights at which a place is on the grey line</extracomment>
        <translation>グレイライン、太陽高度:</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>%1 Home or Target, %2 what is wrong with the place typed</extracomment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>Preferences</source>
        <translation>設定</translation>
    </message>
    <message>
        <source>Satellites</source>
        <extracomment>Group of the preferences: the satellites shown on the map and their file</extracomment>
        <translation>衛星</translation>
    </message>
    <message>
        <source>A file of TLE or OMM elements</source>
        <extracomment>Placeholder of the field that names the file of satellites&apos; orbital elements</extracomment>
        <translation>TLE または OMM の軌道要素ファイル</translation>
    </message>
    <message>
        <source>Element file</source>
        <extracomment>The field that names the file of satellites&apos; orbital elements, for screen readers</extracomment>
        <translation>軌道要素ファイル</translation>
    </message>
    <message>
        <source>&amp;Choose…</source>
        <translation>選択(&amp;C)…</translation>
    </message>
    <message>
        <source>Choose the satellites&apos; element file</source>
        <translation>衛星の軌道要素ファイルを選択</translation>
    </message>
    <message>
        <source>&amp;Element file:</source>
        <translation>軌道要素ファイル(&amp;E):</translation>
    </message>
    <message>
        <source>Satellites&apos; Element File</source>
        <translation>衛星の軌道要素ファイル</translation>
    </message>
    <message>
        <source>Element sets (*.tle *.txt *.3le *.csv *.json *.xml);;All files (*)</source>
        <extracomment>File types in the dialog that chooses the satellites&apos; element file</extracomment>
        <translation>軌道要素 (*.tle *.txt *.3le *.csv *.json *.xml);;すべてのファイル (*)</translation>
    </message>
    <message>
        <source>Problem with the element file</source>
        <translation>軌道要素ファイルの問題</translation>
    </message>
    <message>
        <source>Elevation mask</source>
        <translation>仰角マスク</translation>
    </message>
    <message>
        <source>The footprints and the passes count a satellite as up from this elevation above home&apos;s horizon.</source>
        <extracomment>Tooltip of the satellites&apos; elevation mask</extracomment>
        <translation>可視範囲と通過は、自宅の地平線からこの仰角以上にある衛星を昇っているとみなします。</translation>
    </message>
    <message>
        <source>Ele&amp;vation mask:</source>
        <translation>仰角マスク(&amp;V):</translation>
    </message>
    <message>
        <source>Find by name or catalogue number</source>
        <extracomment>Placeholder of the search box over the list of satellites</extracomment>
        <translation>名前またはカタログ番号で検索</translation>
    </message>
    <message>
        <source>Find a satellite</source>
        <translation>衛星を検索</translation>
    </message>
    <message>
        <source>Satellites to show</source>
        <translation>表示する衛星</translation>
    </message>
    <message>
        <source>On the map: gold, sunlit; blue, in the Earth&apos;s shadow; green, sunlit over home in the dark, to be seen by eye; grey, elements older than 14 days.</source>
        <extracomment>The legend of the satellites&apos; colours on the map</extracomment>
        <translation>地図上の色: 金色は日照中、青は地球の影の中、緑は暗い自宅の上空で日照中（肉眼で見える）、灰色は14日より古い軌道要素。</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <extracomment>A satellite in the list to choose from: its name and catalogue number</extracomment>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>Clouds and aurora</source>
        <extracomment>Group of the preferences: the files of the cloud map and of the aurora forecast</extracomment>
        <translation>雲とオーロラ</translation>
    </message>
    <message>
        <source>Choose…</source>
        <extracomment>Button beside a file&apos;s field in the preferences that opens a file dialog</extracomment>
        <translation>選択…</translation>
    </message>
    <message>
        <source>Clear</source>
        <extracomment>Button beside a file&apos;s field in the preferences that empties it</extracomment>
        <translation>解除</translation>
    </message>
    <message>
        <source>S&amp;atellites…</source>
        <extracomment>Button in the preferences that opens the choice of satellites and their file</extracomment>
        <translation>衛星(&amp;A)…</translation>
    </message>
    <message>
        <source>&amp;Find:</source>
        <extracomment>The search box over the list of satellites</extracomment>
        <translation>検索(&amp;F):</translation>
    </message>
</context>
<context>
    <name>RangeRings</name>
    <message>
        <source>N</source>
        <comment>north</comment>
        <translation>北</translation>
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
        <translation>日の出</translation>
    </message>
    <message>
        <source>Sunset</source>
        <translation>日の入り</translation>
    </message>
    <message>
        <source>Latitude</source>
        <translation>緯度</translation>
    </message>
    <message>
        <source>Longitude</source>
        <translation>経度</translation>
    </message>
    <message>
        <source>Sun never sets</source>
        <translation>太陽は沈みません</translation>
    </message>
    <message>
        <source>Sun never rises</source>
        <translation>太陽は昇りません</translation>
    </message>
    <message>
        <source>N</source>
        <extracomment>Hemisphere letter after a latitude: north</extracomment>
        <translation>北</translation>
    </message>
    <message>
        <source>S</source>
        <extracomment>Hemisphere letter after a latitude: south</extracomment>
        <translation>南</translation>
    </message>
    <message>
        <source>E</source>
        <extracomment>Hemisphere letter after a longitude: east</extracomment>
        <translation>東</translation>
    </message>
    <message>
        <source>W</source>
        <extracomment>Hemisphere letter after a longitude: west</extracomment>
        <translation>西</translation>
    </message>
</context>
<context>
    <name>Satellites</name>
    <message>
        <source>%1 days</source>
        <extracomment>How old a satellite&apos;s orbital elements are; %1 a number of days such as 2.3</extracomment>
        <translation>%1日</translation>
    </message>
    <message>
        <source>%1, stale</source>
        <extracomment>%1 an age in days, such as &quot;20.0 days&quot;: elements too old to trust</extracomment>
        <translation>%1、古い</translation>
    </message>
    <message>
        <source>%1, catalogue number %2</source>
        <extracomment>A satellite in the map&apos;s tooltip: %1 its name, %2 its catalogue number</extracomment>
        <translation>%1、カタログ番号 %2</translation>
    </message>
    <message>
        <source>%1 km high, seen up to %2 km away</source>
        <extracomment>%1 the satellite&apos;s height above the ground, %2 the radius of the area that sees it above the elevation mask, both in kilometres</extracomment>
        <translation>高度 %1 km、%2 km 先まで見える</translation>
    </message>
    <message>
        <source>In the Earth&apos;s shadow</source>
        <extracomment>How a satellite stands now; blue is its colour on the map</extracomment>
        <translation>地球の影の中</translation>
    </message>
    <message>
        <source>In the Earth&apos;s shadow (blue)</source>
        <translation>地球の影の中（青）</translation>
    </message>
    <message>
        <source>Sunlit</source>
        <extracomment>How a satellite stands now; gold is its colour on the map</extracomment>
        <translation>日照中</translation>
    </message>
    <message>
        <source>Sunlit (gold)</source>
        <translation>日照中（金）</translation>
    </message>
    <message>
        <source>Sunlit over home in the dark: to be seen by eye</source>
        <extracomment>The satellite can be seen by eye from home now; green is its colour on the map</extracomment>
        <translation>暗い自宅の上空で日照中：肉眼で見える</translation>
    </message>
    <message>
        <source>Sunlit over home in the dark: to be seen by eye (green)</source>
        <translation>暗い自宅の上空で日照中：肉眼で見える（緑）</translation>
    </message>
    <message>
        <source>Elements %1 days old: stale, so it may be far from where it is drawn (grey)</source>
        <extracomment>%1 the elements&apos; age in days, such as 20.3; grey is the satellite&apos;s colour on the map while they are this old</extracomment>
        <translation>軌道要素は %1 日前のもの：古いため、描かれた位置から大きく離れている可能性あり（灰）</translation>
    </message>
    <message>
        <source>Elements dated %1 days later</source>
        <extracomment>%1 days between the shown time and the later epoch of the orbital elements</extracomment>
        <translation>軌道要素は %1 日後の日付</translation>
    </message>
    <message>
        <source>Elements %1 days old</source>
        <extracomment>%1 the age in days of the orbital elements its place is worked out from</extracomment>
        <translation>軌道要素は %1 日前のもの</translation>
    </message>
</context>
<context>
    <name>ShownTexts</name>
    <message>
        <source>%1%2 h</source>
        <extracomment>A difference of whole hours between two clocks: &quot;+8 h&quot;</extracomment>
        <translation>%1%2時間</translation>
    </message>
    <message>
        <source>day</source>
        <extracomment>The light at a world clock&apos;s place now</extracomment>
        <translation>昼</translation>
    </message>
    <message>
        <source>twilight</source>
        <extracomment>The light at a world clock&apos;s place now</extracomment>
        <translation>薄明</translation>
    </message>
    <message>
        <source>night</source>
        <extracomment>The light at a world clock&apos;s place now</extracomment>
        <translation>夜</translation>
    </message>
    <message numerus="yes">
        <source>%1%n day</source>
        <extracomment>How many days a world clock&apos;s date lies ahead of or behind the selected zone&apos;s; %1 is the sign</extracomment>
        <translation>
            <numerusform>%1%n日</numerusform>
        </translation>
    </message>
    <message>
        <source>Day and night map, %1 %2 UTC.</source>
        <extracomment>What the map shows, for screen readers: %1 the date, %2 the time (UTC)</extracomment>
        <translation>昼と夜の地図、%1 %2 UTC。</translation>
    </message>
    <message>
        <source>%1: %2, Sun %3° high.</source>
        <extracomment>%1 a city, %2 day, twilight or night there, %3 the Sun&apos;s height in degrees</extracomment>
        <translation>%1: %2、太陽高度 %3°。</translation>
    </message>
    <message>
        <source>%1: %2, Sun %3° below the horizon.</source>
        <extracomment>%1 a city, %2 day, twilight or night there, %3 the Sun&apos;s depth in degrees</extracomment>
        <translation>%1: %2、太陽は地平線下 %3°。</translation>
    </message>
    <message>
        <source>≈</source>
        <extracomment>Marks a local time whose zone is only guessed, from the nearest city or the longitude</extracomment>
        <translation>≈</translation>
    </message>
    <message>
        <source>polar day</source>
        <extracomment>The Sun does not set on this day at a place</extracomment>
        <translation>白夜</translation>
    </message>
    <message>
        <source>polar night</source>
        <extracomment>The Sun does not rise on this day at a place</extracomment>
        <translation>極夜</translation>
    </message>
    <message>
        <source>none</source>
        <extracomment>A sunrise or sunset that does not happen on this day</extracomment>
        <translation>なし</translation>
    </message>
    <message>
        <source>sunrise %1, sunset %2</source>
        <extracomment>%1 and %2 are local times, such as 7:58</extracomment>
        <translation>日の出 %1、日の入り %2</translation>
    </message>
    <message>
        <source>%1 %2 · %3 · %4 · Sun %5°</source>
        <extracomment>One end of the path: %1 Home or Target, %2 its name or locator, %3 its local time, %4 its sunrise and sunset, %5 the Sun&apos;s height in degrees</extracomment>
        <translation>%1 %2 · %3 · %4 · 太陽 %5°</translation>
    </message>
    <message>
        <source>(guessed)</source>
        <translation>(推定)</translation>
    </message>
    <message>
        <source>no grey line within 24 h</source>
        <extracomment>No span within the next day when both places are in the twilight band</extracomment>
        <translation>24 時間以内にグレイラインなし</translation>
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
        <translation>ショートパス: 自宅から方位 %1°、目標地点からの戻り %2°
グレイライン: 両端で太陽高度 %3°～%4°</translation>
    </message>
    <message>
        <source>grey line now, until %1 (home time)</source>
        <extracomment>Both places are in the twilight band now; %1 is the time it ends at home</extracomment>
        <translation>グレイライン中、%1 まで（自宅の時刻）</translation>
    </message>
    <message>
        <source>grey line %1–%2 (home time)</source>
        <extracomment>The next span when both places are in the twilight band, in home&apos;s times: 16:02–16:40</extracomment>
        <translation>グレイライン %1～%2（自宅の時刻）</translation>
    </message>
    <message>
        <source>%1 · locator %2
Time zone %3
Sun towards %4°</source>
        <extracomment>%1 the place&apos;s latitude and longitude, %2 the Maidenhead locator, %3 the time zone, %4 the Sun&apos;s compass direction in degrees</extracomment>
        <translation>%1 · ロケーター %2
タイムゾーン %3
太陽の方位 %4°</translation>
    </message>
    <message>
        <source>no eclipse seen</source>
        <extracomment>A solar eclipse is near, but this place does not see it</extracomment>
        <translation>日食は見えない</translation>
    </message>
    <message>
        <source>total lunar eclipse %1–%2</source>
        <extracomment>%1 and %2 the local times a total lunar eclipse&apos;s totality begins and ends (or moonrise, moonset)</extracomment>
        <translation>皆既月食 %1–%2</translation>
    </message>
    <message>
        <source>partial lunar eclipse %1–%2</source>
        <extracomment>%1 and %2 the local times the Moon enters and leaves the Earth&apos;s umbra (or moonrise, moonset)</extracomment>
        <translation>部分月食 %1–%2</translation>
    </message>
    <message>
        <source>penumbral lunar eclipse %1–%2</source>
        <extracomment>%1 and %2 the local times the Moon enters and leaves the Earth&apos;s penumbra (or moonrise, moonset)</extracomment>
        <translation>半影月食 %1–%2</translation>
    </message>
    <message>
        <source>lunar eclipse not seen</source>
        <extracomment>A lunar eclipse is near, but the Moon is below this place&apos;s horizon throughout</extracomment>
        <translation>月食は見えない</translation>
    </message>
    <message>
        <source>%1 visible %2, %3°</source>
        <translation>%1 見える %2、%3°</translation>
    </message>
    <message>
        <source>%1 rises %2, %3°</source>
        <translation>%1 出 %2、%3°</translation>
    </message>
    <message>
        <source>sunrise</source>
        <extracomment>In place of the local time an eclipse is first seen: the Sun rises during it</extracomment>
        <translation>日の出</translation>
    </message>
    <message>
        <source>sunset</source>
        <extracomment>In place of the local time an eclipse is last seen: the Sun sets during it</extracomment>
        <translation>日の入り</translation>
    </message>
    <message>
        <source>total eclipse %1–%2 (partial %3–%4), Sun %5°</source>
        <extracomment>What a place sees of a solar eclipse: %1 and %2 the local times totality begins and ends, %3 and %4 those of the partial eclipse around it, %5 the Sun&apos;s height in degrees at the greatest</extracomment>
        <translation>皆既日食 %1–%2（部分食 %3–%4）、太陽 %5°</translation>
    </message>
    <message>
        <source>annular eclipse %1–%2 (partial %3–%4), Sun %5°</source>
        <extracomment>%1 and %2 the local times the ring of the Sun begins and ends, %3 and %4 those of the partial eclipse around it, %5 the Sun&apos;s height in degrees at the greatest</extracomment>
        <translation>金環日食 %1–%2（部分食 %3–%4）、太陽 %5°</translation>
    </message>
    <message>
        <source>partial eclipse %1–%2, %3 % at %4, Sun %5°</source>
        <extracomment>%1 and %2 the local times a partial solar eclipse begins and ends (or sunrise, sunset), %3 the most of the Sun&apos;s diameter covered, in per cent rounded down, %4 the local time of that greatest, %5 the Sun&apos;s height in degrees then</extracomment>
        <translation>部分日食 %1–%2、%4 に %3 %、太陽 %5°</translation>
    </message>
    <message>
        <source>moonrise</source>
        <extracomment>In place of the local time a lunar eclipse is first seen: the Moon rises during it</extracomment>
        <translation>月の出</translation>
    </message>
    <message>
        <source>moonset</source>
        <extracomment>In place of the local time a lunar eclipse is last seen: the Moon sets during it</extracomment>
        <translation>月の入り</translation>
    </message>
    <message>
        <source>%1 visible until %2, %3°</source>
        <translation>%1 %2 まで見える、%3°</translation>
    </message>
    <message>
        <source>%1 up until %2, %3°</source>
        <translation>%1 %2 まで地平線上、%3°</translation>
    </message>
    <message>
        <source>%1: no pass within 3 days</source>
        <extracomment>A chosen satellite that does not rise above home&apos;s horizon (the elevation mask) within the days searched; %1 its name</extracomment>
        <translation>%1：3日以内に通過なし</translation>
    </message>
    <message numerus="yes">
        <source>%n more</source>
        <extracomment>After the soonest passes in the row: how many chosen satellites are left out</extracomment>
        <translation>
            <numerusform>ほか %n 件</numerusform>
        </translation>
    </message>
    <message>
        <source>Passes %1</source>
        <extracomment>The row of the chosen satellites&apos; next passes over home: %1 the soonest few</extracomment>
        <translation>通過 %1</translation>
    </message>
</context>
<context>
    <name>SkyTexts</name>
    <message>
        <source>New</source>
        <extracomment>Phase of the Moon</extracomment>
        <translation>新月</translation>
    </message>
    <message>
        <source>Waxing crescent</source>
        <extracomment>Phase of the Moon</extracomment>
        <translation>三日月</translation>
    </message>
    <message>
        <source>First quarter</source>
        <extracomment>Phase of the Moon</extracomment>
        <translation>上弦</translation>
    </message>
    <message>
        <source>Waxing gibbous</source>
        <extracomment>Phase of the Moon</extracomment>
        <translation>十三夜</translation>
    </message>
    <message>
        <source>Full</source>
        <extracomment>Phase of the Moon</extracomment>
        <translation>満月</translation>
    </message>
    <message>
        <source>Waning gibbous</source>
        <extracomment>Phase of the Moon</extracomment>
        <translation>寝待月</translation>
    </message>
    <message>
        <source>Last quarter</source>
        <extracomment>Phase of the Moon</extracomment>
        <translation>下弦</translation>
    </message>
    <message>
        <source>Waning crescent</source>
        <extracomment>Phase of the Moon</extracomment>
        <translation>有明月</translation>
    </message>
    <message>
        <source>Moon: %1, %2%
Sun overhead: %3, %4</source>
        <extracomment>The Moon&apos;s phase and lit part; the point where the Sun stands overhead</extracomment>
        <translation>月: %1、%2%
太陽直下点: %3、%4</translation>
    </message>
</context>
<context>
    <name>TimeMachine</name>
    <message>
        <source>One Hour &amp;Later</source>
        <translation>1時間後(&amp;L)</translation>
    </message>
    <message>
        <source>One Hour &amp;Earlier</source>
        <translation>1時間前(&amp;E)</translation>
    </message>
    <message>
        <source>One &amp;Day Later</source>
        <translation>1日後(&amp;D)</translation>
    </message>
    <message>
        <source>One Day Ea&amp;rlier</source>
        <translation>1日前(&amp;R)</translation>
    </message>
    <message>
        <source>&amp;Now</source>
        <translation>現在(&amp;N)</translation>
    </message>
    <message>
        <source>&amp;Go to Date and Time…</source>
        <translation>日時へ移動(&amp;G)…</translation>
    </message>
    <message>
        <source>&amp;Play</source>
        <translation>再生(&amp;P)</translation>
    </message>
    <message>
        <source>Play &amp;Speed</source>
        <translation>再生速度(&amp;S)</translation>
    </message>
    <message>
        <source>1 Minute a Second</source>
        <translation>毎秒1分</translation>
    </message>
    <message>
        <source>10 Minutes a Second</source>
        <translation>毎秒10分</translation>
    </message>
    <message>
        <source>1 Hour a Second</source>
        <translation>毎秒1時間</translation>
    </message>
    <message>
        <source>1 Day a Second</source>
        <translation>毎秒1日</translation>
    </message>
    <message>
        <source>&amp;Pause</source>
        <translation>一時停止(&amp;P)</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>一時停止</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>再生</translation>
    </message>
    <message>
        <source>Showing %1 %2 (%3) · Now: %4</source>
        <extracomment>%1: the shown date and time, %2: its zone&apos;s abbreviation, %3: how far from now, %4: the key that goes back to now</extracomment>
        <translation>表示中: %1 %2 (%3) · 現在: %4</translation>
    </message>
    <message>
        <source>d MMMM yyyy, HH:mm</source>
        <translation>yyyy年M月d日 HH:mm</translation>
    </message>
    <message>
        <source>d</source>
        <extracomment>Abbreviation of days in a time from now: &quot;+3 d 2 h&quot;</extracomment>
        <translation>日</translation>
    </message>
    <message>
        <source>h</source>
        <extracomment>Abbreviation of hours in a time from now: &quot;+3 h 20 min&quot;</extracomment>
        <translation>時間</translation>
    </message>
    <message>
        <source>min</source>
        <extracomment>Abbreviation of minutes in a time from now: &quot;+20 min&quot;</extracomment>
        <translation>分</translation>
    </message>
    <message>
        <source>s</source>
        <extracomment>Abbreviation of seconds in a time from now: &quot;+5 s&quot;</extracomment>
        <translation>秒</translation>
    </message>
    <message>
        <source>%1 — Duskmap</source>
        <comment>the distance from now</comment>
        <translation>%1 — Duskmap</translation>
    </message>
    <message>
        <source>Ne&amp;xt Eclipse</source>
        <extracomment>Time menu: show the next solar or lunar eclipse at its greatest</extracomment>
        <translation>次の食(&amp;X)</translation>
    </message>
    <message>
        <source>Pre&amp;vious Eclipse</source>
        <extracomment>Time menu: show the previous solar or lunar eclipse at its greatest</extracomment>
        <translation>前の食(&amp;V)</translation>
    </message>
    <message>
        <source>E&amp;clipses…</source>
        <translation>日食と月食(&amp;C)…</translation>
    </message>
</context>
<context>
    <name>TwilightLines</name>
    <message>
        <source>sunset</source>
        <extracomment>Label on the map beside the line where the Sun sets</extracomment>
        <translation>日没</translation>
    </message>
    <message>
        <source>civil</source>
        <extracomment>Label on the map beside the line where civil twilight ends (Sun 6° below the horizon)</extracomment>
        <translation>常用薄明</translation>
    </message>
    <message>
        <source>nautical</source>
        <extracomment>Label on the map beside the line where nautical twilight ends (Sun 12° below)</extracomment>
        <translation>航海薄明</translation>
    </message>
    <message>
        <source>astronomical</source>
        <extracomment>Label on the map beside the line where astronomical twilight ends (Sun 18° below)</extracomment>
        <translation>天文薄明</translation>
    </message>
    <message>
        <source>sunrise</source>
        <extracomment>Label on the map beside the line where the Sun rises</extracomment>
        <translation>日の出</translation>
    </message>
</context>
<context>
    <name>Weather</name>
    <message>
        <source>%1 d %2 h</source>
        <extracomment>An age in days and hours: &quot;3 d 4 h&quot;</extracomment>
        <translation>%1日%2時間</translation>
    </message>
    <message>
        <source>%1 h %2 min</source>
        <extracomment>An age in hours and minutes: &quot;2 h 10 min&quot;</extracomment>
        <translation>%1時間%2分</translation>
    </message>
    <message>
        <source>%1 min</source>
        <extracomment>An age in minutes: &quot;35 min&quot;</extracomment>
        <translation>%1分</translation>
    </message>
    <message>
        <source>Clouds %1 old</source>
        <extracomment>In the map&apos;s corner: how old the cloud map is, &quot;Clouds 2 h 10 min old&quot;</extracomment>
        <translation>雲 %1前</translation>
    </message>
    <message>
        <source>Aurora %1 old</source>
        <extracomment>In the map&apos;s corner: how long ago the aurora forecast&apos;s instant was</extracomment>
        <translation>オーロラ %1前</translation>
    </message>
    <message>
        <source>Aurora forecast for %1 ahead</source>
        <translation>%1後のオーロラ予報</translation>
    </message>
    <message>
        <source>Aurora likely overhead</source>
        <extracomment>Home and Target row: the aurora forecast is strong right above the place, and it is dark and clear</extracomment>
        <translation>天頂にオーロラの可能性</translation>
    </message>
    <message>
        <source>Aurora likely on the horizon</source>
        <extracomment>Home and Target row: the aurora is forecast near enough to be seen low in the sky</extracomment>
        <translation>地平線にオーロラの可能性</translation>
    </message>
    <message>
        <source>No aurora forecast here</source>
        <translation>ここではオーロラの予報なし</translation>
    </message>
    <message>
        <source>Aurora forecast, but the sky is too light</source>
        <extracomment>Home and Target row: aurora forecast, but the Sun is less than 12 degrees below the horizon</extracomment>
        <translation>オーロラ予報あり、ただし空が明るすぎます</translation>
    </message>
    <message>
        <source>Aurora forecast, but cloudy</source>
        <translation>オーロラ予報あり、ただし曇り</translation>
    </message>
</context>
<context>
    <name>WeatherFiles</name>
    <message>
        <source>no such file</source>
        <translation>ファイルがありません</translation>
    </message>
    <message>
        <source>not a readable file</source>
        <translation>読み取れるファイルではありません</translation>
    </message>
    <message>
        <source>larger than %1 MB</source>
        <translation>%1 MB を超えています</translation>
    </message>
    <message>
        <source>not a JPEG or PNG image</source>
        <translation>JPEG や PNG の画像ではありません</translation>
    </message>
    <message>
        <source>a cloud map is an equirectangular image twice as wide as high, from %1 pixels wide to %2; this one is %3x%4, %5</source>
        <translation>雲の地図は幅が高さの 2 倍の正距円筒図法の画像で、幅 %1〜%2 ピクセルです。この画像は %3x%4、%5</translation>
    </message>
    <message>
        <source>damaged data: the image ends early</source>
        <translation>データが壊れています: 画像が途中で終わっています</translation>
    </message>
    <message>
        <source>damaged data: its size changes as it is read</source>
        <translation>データが壊れています: 読み込み中に大きさが変わります</translation>
    </message>
    <message>
        <source>larger than %1 MB, not an aurora forecast</source>
        <translation>%1 MB を超えています。オーロラ予報ではありません</translation>
    </message>
    <message>
        <source>not JSON: %1 at byte %2</source>
        <translation>JSON ではありません: バイト %2 で %1</translation>
    </message>
    <message>
        <source>no &quot;%1&quot; as an ISO 8601 time</source>
        <translation>ISO 8601 の時刻として &quot;%1&quot; がありません</translation>
    </message>
    <message>
        <source>no &quot;coordinates&quot; list</source>
        <translation>&quot;coordinates&quot; のリストがありません</translation>
    </message>
    <message>
        <source>point %1 of &quot;coordinates&quot; is not [longitude, latitude, value]</source>
        <translation>&quot;coordinates&quot; の点 %1 が [経度, 緯度, 値] ではありません</translation>
    </message>
    <message>
        <source>point %1 of &quot;coordinates&quot;: %2</source>
        <translation>&quot;coordinates&quot; の点 %1: %2</translation>
    </message>
    <message>
        <source>&quot;coordinates&quot; holds %1 points, not %2</source>
        <translation>&quot;coordinates&quot; の点は %2 個ではなく %1 個です</translation>
    </message>
</context>
<context>
    <name>WeatherSource</name>
    <message>
        <source>C&amp;loud map:</source>
        <extracomment>Preferences: the file of a greyscale world map of the clouds</extracomment>
        <translation>雲の地図(&amp;L):</translation>
    </message>
    <message>
        <source>Cloud map file</source>
        <translation>雲の地図のファイル</translation>
    </message>
    <message>
        <source>Choose the cloud map file</source>
        <translation>雲の地図のファイルを選択</translation>
    </message>
    <message>
        <source>Clear the cloud map file</source>
        <translation>雲の地図のファイルを解除</translation>
    </message>
    <message>
        <source>Cloud Map</source>
        <translation>雲の地図</translation>
    </message>
    <message>
        <source>Images (*.jpg *.jpeg *.png);;All files (*)</source>
        <extracomment>File types in the dialog that chooses the cloud map</extracomment>
        <translation>画像 (*.jpg *.jpeg *.png);;すべてのファイル (*)</translation>
    </message>
    <message>
        <source>Cloud map &quot;%1&quot; not shown: %2</source>
        <extracomment>%1 the cloud map&apos;s file name, %2 what is wrong with it</extracomment>
        <translation>雲の地図「%1」は表示されません: %2</translation>
    </message>
    <message>
        <source>Aur&amp;ora forecast:</source>
        <extracomment>Preferences: the file of NOAA&apos;s aurora forecast (OVATION, in JSON)</extracomment>
        <translation>オーロラ予報(&amp;U):</translation>
    </message>
    <message>
        <source>Aurora forecast file</source>
        <translation>オーロラ予報のファイル</translation>
    </message>
    <message>
        <source>Choose the aurora forecast file</source>
        <translation>オーロラ予報のファイルを選択</translation>
    </message>
    <message>
        <source>Clear the aurora forecast file</source>
        <translation>オーロラ予報のファイルを解除</translation>
    </message>
    <message>
        <source>Aurora Forecast</source>
        <translation>オーロラ予報</translation>
    </message>
    <message>
        <source>OVATION forecasts (*.json);;All files (*)</source>
        <extracomment>File types in the dialog that chooses the aurora forecast</extracomment>
        <translation>OVATION 予報 (*.json);;すべてのファイル (*)</translation>
    </message>
    <message>
        <source>Aurora forecast &quot;%1&quot; not shown: %2</source>
        <extracomment>%1 the aurora forecast&apos;s file name, %2 what is wrong with it</extracomment>
        <translation>オーロラ予報「%1」は表示されません: %2</translation>
    </message>
</context>
<context>
    <name>ZoneFinder</name>
    <message>
        <source>Type a city, a country or a zone</source>
        <translation>都市・国・タイムゾーンを入力</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <comment>a city and its time zone&apos;s id</comment>
        <translation>%1、%2</translation>
    </message>
    <message>
        <source>No zone matches “%1”</source>
        <translation>「%1」に一致するタイムゾーンはありません</translation>
    </message>
</context>
</TS>
