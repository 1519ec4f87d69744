<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>ClockChange</name>
    <message>
        <source>%1 h</source>
        <extracomment>How far the clocks move: whole hours (&quot;1 h&quot;)</extracomment>
        <translation>%1小时</translation>
    </message>
    <message>
        <source>%1%2 min</source>
        <extracomment>How far the clocks move: minutes, after any hours (&quot;30 min&quot;)</extracomment>
        <translation>%1%2分钟</translation>
    </message>
    <message>
        <source>Clocks go forward %1 on %2 at %3</source>
        <extracomment>%1: how far (&quot;1 h&quot;), %2: the date, %3: the time on the clocks before the change</extracomment>
        <translation>%2 %3 时钟拨快%1</translation>
    </message>
    <message>
        <source>Clocks go back %1 on %2 at %3</source>
        <extracomment>%1: how far (&quot;1 h&quot;), %2: the date, %3: the time on the clocks before the change</extracomment>
        <translation>%2 %3 时钟拨慢%1</translation>
    </message>
</context>
<context>
    <name>Coordinates</name>
    <message>
        <source>%1° S</source>
        <extracomment>A latitude south of the equator: %1 its degrees, such as 33.87</extracomment>
        <translation>南纬%1°</translation>
    </message>
    <message>
        <source>%1° N</source>
        <extracomment>A latitude north of the equator: %1 its degrees, such as 52.52</extracomment>
        <translation>北纬%1°</translation>
    </message>
    <message>
        <source>%1° W</source>
        <extracomment>A longitude west of Greenwich: %1 its degrees, such as 74.01</extracomment>
        <translation>西经%1°</translation>
    </message>
    <message>
        <source>%1° E</source>
        <extracomment>A longitude east of Greenwich: %1 its degrees, such as 13.40</extracomment>
        <translation>东经%1°</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <extracomment>A place: %1 its latitude, %2 its longitude, such as 52.52° N and 13.40° E</extracomment>
        <translation>%1，%2</translation>
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
        <translation>可见全部全食阶段</translation>
    </message>
    <message>
        <source>All of the eclipse seen</source>
        <extracomment>On the map where all of a partial or penumbral lunar eclipse can be seen</extracomment>
        <translation>可见整个月食</translation>
    </message>
    <message>
        <source>Moon rises during the eclipse</source>
        <extracomment>On the map where the Moon rises while a lunar eclipse is under way</extracomment>
        <translation>月食期间月亮升起</translation>
    </message>
    <message>
        <source>Moon sets during the eclipse</source>
        <extracomment>On the map where the Moon sets while a lunar eclipse is under way</extracomment>
        <translation>月食期间月亮落下</translation>
    </message>
    <message>
        <source>Eclipse not seen</source>
        <extracomment>On the map where a lunar eclipse cannot be seen: the Moon is down throughout</extracomment>
        <translation>看不到月食</translation>
    </message>
</context>
<context>
    <name>EclipsesDialog</name>
    <message>
        <source>Total lunar</source>
        <translation>月全食</translation>
    </message>
    <message>
        <source>Partial lunar</source>
        <translation>月偏食</translation>
    </message>
    <message>
        <source>Penumbral lunar</source>
        <translation>半影月食</translation>
    </message>
    <message>
        <source>Total solar</source>
        <translation>日全食</translation>
    </message>
    <message>
        <source>Annular solar</source>
        <translation>日环食</translation>
    </message>
    <message>
        <source>Hybrid solar</source>
        <translation>全环食</translation>
    </message>
    <message>
        <source>Partial solar</source>
        <translation>日偏食</translation>
    </message>
    <message>
        <source>%1 min %2 s</source>
        <extracomment>A duration of totality or annularity: %1 minutes, %2 seconds</extracomment>
        <translation>%1 分 %2 秒</translation>
    </message>
    <message>
        <source>Eclipses</source>
        <translation>日食和月食</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>类型</translation>
    </message>
    <message>
        <source>Greatest (UT)</source>
        <translation>食甚 (UT)</translation>
    </message>
    <message>
        <source>Place of greatest</source>
        <translation>食甚地点</translation>
    </message>
    <message>
        <source>Duration</source>
        <translation>持续时间</translation>
    </message>
    <message>
        <source>Magnitude</source>
        <translation>食分</translation>
    </message>
    <message>
        <source>Seen from home</source>
        <translation>在家中可见</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>是</translation>
    </message>
    <message>
        <source>No</source>
        <translation>否</translation>
    </message>
    <message>
        <source>&amp;Go There</source>
        <extracomment>Shows the eclipse chosen in the list at its greatest</extracomment>
        <translation>前往(&amp;G)</translation>
    </message>
    <message>
        <source>Eclipses from %1 to %2</source>
        <extracomment>The list&apos;s name for screen readers: %1 and %2 the first and last years it covers</extracomment>
        <translation>%1 年至 %2 年的日食和月食</translation>
    </message>
</context>
<context>
    <name>ElementProblem</name>
    <message>
        <source>a bad checksum</source>
        <extracomment>Why a satellite&apos;s orbital elements in a file were not used</extracomment>
        <translation>校验和错误</translation>
    </message>
    <message>
        <source>a malformed line</source>
        <translation>格式错误的行</translation>
    </message>
    <message>
        <source>a value that is not a number</source>
        <translation>不是数字的值</translation>
    </message>
    <message>
        <source>a missing line</source>
        <translation>缺少的行</translation>
    </message>
    <message>
        <source>lines of two different satellites</source>
        <translation>两颗不同卫星的行</translation>
    </message>
    <message>
        <source>a bad catalogue number</source>
        <translation>错误的编目号</translation>
    </message>
    <message>
        <source>a missing field</source>
        <translation>缺少的字段</translation>
    </message>
    <message>
        <source>an impossible value</source>
        <translation>不可能的值</translation>
    </message>
    <message>
        <source>not element sets nor OMM</source>
        <translation>既不是轨道根数也不是 OMM</translation>
    </message>
    <message>
        <source>larger than 50 MB</source>
        <translation>大于 50 MB</translation>
    </message>
    <message>
        <source>missing or not readable</source>
        <translation>不存在或无法读取</translation>
    </message>
    <message>
        <source>JSON or XML that does not parse</source>
        <translation>无法解析的 JSON 或 XML</translation>
    </message>
    <message>
        <source>Cannot read the satellites&apos; elements in %1: %2</source>
        <translation>无法读取 %1 中的卫星轨道根数：%2</translation>
    </message>
    <message numerus="yes">
        <source>Skipped %n record(s) in %1, the first on line %2: %3</source>
        <translation>
            <numerusform>跳过了 %1 中的 %n 条记录，第一条在第 %2 行：%3</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>FactsPanel</name>
    <message>
        <source>Paths from home to target</source>
        <extracomment>What a screen reader calls the row&apos;s line of the paths from home to target</extracomment>
        <translation>从家到目标地的路径</translation>
    </message>
    <message>
        <source>Unpin %1</source>
        <translation>取消固定 %1</translation>
    </message>
    <message>
        <source>Next satellite passes over home</source>
        <extracomment>What a screen reader calls the row&apos;s line of the satellites&apos; next passes over home</extracomment>
        <translation>卫星下次过境家的上空</translation>
    </message>
</context>
<context>
    <name>GoToDateDialog</name>
    <message>
        <source>Go to Date and Time</source>
        <translation>转到日期和时间</translation>
    </message>
    <message>
        <source>YYYY-MM-DD HH:MM:SS</source>
        <extracomment>The form a date and time is typed in; keep the order and the punctuation</extracomment>
        <translation>YYYY-MM-DD HH:MM:SS</translation>
    </message>
    <message>
        <source>Date and time</source>
        <translation>日期和时间</translation>
    </message>
    <message>
        <source>About the date and time</source>
        <translation>关于日期和时间</translation>
    </message>
    <message>
        <source>Date and time in %1:</source>
        <translation>%1 的日期和时间：</translation>
    </message>
    <message>
        <source>Type a date and time as 2027-06-21 22:00:00.</source>
        <translation>请按 2027-06-21 22:00:00 的格式输入日期和时间。</translation>
    </message>
    <message>
        <source>The map shows times from %1 to %2 here.</source>
        <translation>此处地图显示从 %1 到 %2 的时间。</translation>
    </message>
    <message>
        <source>The clocks go forward that night and skip this time: the map shows %1, %2 later.</source>
        <translation>当晚时钟拨快，跳过此时间：地图显示 %1，即晚 %2。</translation>
    </message>
    <message>
        <source>The clocks go back that night and this time comes twice: the map shows the first, %1.</source>
        <translation>当晚时钟拨慢，此时间出现两次：地图显示第一次，%1。</translation>
    </message>
</context>
<context>
    <name>Localizable</name>
    <message>
        <source>Show Latitude/Longitude Grid</source>
        <comment>ShowLatLonGridLines</comment>
        <extracomment>Contextual menu item that shows the latitude/longitude grid</extracomment>
        <translation>显示经纬网</translation>
    </message>
    <message>
        <source>Hide Latitude/Longitude Grid</source>
        <comment>HideLatLonGridLines</comment>
        <extracomment>Contextual menu item that hides the latitude/longitude grid</extracomment>
        <translation>隐藏经纬网</translation>
    </message>
    <message>
        <source>Show Locations</source>
        <comment>ShowLocations</comment>
        <extracomment>Contextual menu item that shows the squares at the time zones&apos; reference places</extracomment>
        <translation>显示地点</translation>
    </message>
    <message>
        <source>Hide Locations</source>
        <comment>HideLocations</comment>
        <extracomment>Contextual menu item that hides the squares at the time zones&apos; reference places</extracomment>
        <translation>隐藏地点</translation>
    </message>
    <message>
        <source>Show Sun</source>
        <comment>ShowSun</comment>
        <extracomment>Contextual menu item that shows the sun symbol at the point under the Sun</extracomment>
        <translation>显示太阳</translation>
    </message>
    <message>
        <source>Hide Sun</source>
        <comment>HideSun</comment>
        <extracomment>Contextual menu item that hides the sun symbol at the point under the Sun</extracomment>
        <translation>隐藏太阳</translation>
    </message>
    <message>
        <source>Show Moon</source>
        <comment>ShowMoon</comment>
        <extracomment>Contextual menu item that shows the Moon, in its phase, at the point under it</extracomment>
        <translation>显示月亮</translation>
    </message>
    <message>
        <source>Hide Moon</source>
        <comment>HideMoon</comment>
        <extracomment>Contextual menu item that hides the Moon, in its phase, at the point under it</extracomment>
        <translation>隐藏月亮</translation>
    </message>
    <message>
        <source>Show Twilight Lines</source>
        <comment>ShowTwilightLines</comment>
        <extracomment>Contextual menu item that shows the lines of sunset and of civil, nautical and astronomical twilight</extracomment>
        <translation>显示晨昏线</translation>
    </message>
    <message>
        <source>Hide Twilight Lines</source>
        <comment>HideTwilightLines</comment>
        <extracomment>Contextual menu item that hides the lines of sunset and of civil, nautical and astronomical twilight</extracomment>
        <translation>隐藏晨昏线</translation>
    </message>
    <message>
        <source>Show Paths to Target</source>
        <comment>ShowPaths</comment>
        <extracomment>Menu item that shows the great circle from the home place to the target place: the short path solid, the long path dashed</extracomment>
        <translation>显示到目标的路径</translation>
    </message>
    <message>
        <source>Hide Paths to Target</source>
        <comment>HidePaths</comment>
        <extracomment>Menu item that hides the paths from home to the target</extracomment>
        <translation>隐藏到目标的路径</translation>
    </message>
    <message>
        <source>Show Locator Grid</source>
        <comment>ShowLocatorGrid</comment>
        <extracomment>Menu item that shows the grid of Maidenhead locators used by radio amateurs: fields of 20 by 10 degrees labelled AA to RR</extracomment>
        <translation>显示定位网格</translation>
    </message>
    <message>
        <source>Hide Locator Grid</source>
        <comment>HideLocatorGrid</comment>
        <extracomment>Menu item that hides the grid of Maidenhead locators</extracomment>
        <translation>隐藏定位网格</translation>
    </message>
    <message>
        <source>Show Range Rings</source>
        <comment>ShowRangeRings</comment>
        <extracomment>Menu item that shows the range rings: circles every 1000 km around the centre of the view, and lines towards the compass directions</extracomment>
        <translation>显示距离圈</translation>
    </message>
    <message>
        <source>Hide Range Rings</source>
        <comment>HideRangeRings</comment>
        <extracomment>Menu item that hides the range rings</extracomment>
        <translation>隐藏距离圈</translation>
    </message>
    <message>
        <source>Show Eclipses</source>
        <comment>ShowEclipses</comment>
        <extracomment>Menu item that shows solar eclipses (the Moon&apos;s shadow on the Earth and the path of totality) and where lunar eclipses are seen, while one is near</extracomment>
        <translation>显示日月食</translation>
    </message>
    <message>
        <source>Hide Eclipses</source>
        <comment>HideEclipses</comment>
        <extracomment>Menu item that hides the eclipses on the map</extracomment>
        <translation>隐藏日月食</translation>
    </message>
    <message>
        <source>Show Satellites</source>
        <comment>ShowSatellites</comment>
        <extracomment>Menu item that shows the chosen satellites with their ground tracks and the areas they can be seen from</extracomment>
        <translation>显示卫星</translation>
    </message>
    <message>
        <source>Hide Satellites</source>
        <comment>HideSatellites</comment>
        <extracomment>Menu item that hides the satellites</extracomment>
        <translation>隐藏卫星</translation>
    </message>
    <message>
        <source>Show Clouds</source>
        <comment>ShowClouds</comment>
        <extracomment>Menu item that shows the clouds of the cloud map file</extracomment>
        <translation>显示云图</translation>
    </message>
    <message>
        <source>Hide Clouds</source>
        <comment>HideClouds</comment>
        <extracomment>Menu item that hides the clouds of the cloud map file</extracomment>
        <translation>隐藏云图</translation>
    </message>
    <message>
        <source>Show Aurora</source>
        <comment>ShowAurora</comment>
        <extracomment>Menu item that shows the aurora forecast (the northern and southern lights)</extracomment>
        <translation>显示极光</translation>
    </message>
    <message>
        <source>Hide Aurora</source>
        <comment>HideAurora</comment>
        <extracomment>Menu item that hides the aurora forecast</extracomment>
        <translation>隐藏极光</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Time zone</source>
        <translation>时区</translation>
    </message>
    <message>
        <source>Time</source>
        <extracomment>Name of the clock readout, as a screen reader says it</extracomment>
        <translation>时间</translation>
    </message>
    <message>
        <source>Date</source>
        <extracomment>Name of the date readout, as a screen reader says it</extracomment>
        <translation>日期</translation>
    </message>
    <message>
        <source>Switch between the small and the large map</source>
        <translation>在小地图和大地图之间切换</translation>
    </message>
    <message>
        <source>Zoom</source>
        <extracomment>Button: switch between the small and the large map</extracomment>
        <translation>缩放</translation>
    </message>
    <message>
        <source>Save the map as a JPEG image</source>
        <translation>将地图保存为 JPEG 图像</translation>
    </message>
    <message>
        <source>Save as JPEG</source>
        <translation>另存为 JPEG</translation>
    </message>
    <message>
        <source>Save…</source>
        <translation>保存…</translation>
    </message>
    <message>
        <source>Sunrise</source>
        <translation>日出</translation>
    </message>
    <message>
        <source>Sunset</source>
        <translation>日落</translation>
    </message>
    <message>
        <source>Latitude</source>
        <translation>纬度</translation>
    </message>
    <message>
        <source>Longitude</source>
        <translation>经度</translation>
    </message>
    <message>
        <source>Shown time</source>
        <translation>显示的时间</translation>
    </message>
    <message>
        <source>Time:</source>
        <extracomment>Label of the slider that moves the shown time</extracomment>
        <translation>时间：</translation>
    </message>
    <message>
        <source>Time from now</source>
        <translation>与现在相差</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>播放</translation>
    </message>
    <message>
        <source>Show the map as it is now</source>
        <translation>显示当前的地图</translation>
    </message>
    <message>
        <source>Now</source>
        <extracomment>Button: show the map at the present moment</extracomment>
        <translation>现在</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>文件(&amp;F)</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>查看(&amp;V)</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>帮助(&amp;H)</translation>
    </message>
    <message>
        <source>&amp;Time</source>
        <extracomment>Menu that moves the shown time: later, earlier, now, play</extracomment>
        <translation>时间(&amp;T)</translation>
    </message>
    <message>
        <source>&amp;Save as JPEG…</source>
        <translation>另存为 JPEG(&amp;S)…</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>退出(&amp;Q)</translation>
    </message>
    <message>
        <source>&amp;Zoom</source>
        <translation>缩放(&amp;Z)</translation>
    </message>
    <message>
        <source>&amp;Full Screen</source>
        <translation>全屏(&amp;F)</translation>
    </message>
    <message>
        <source>Open the Map&apos;s Menu</source>
        <translation>打开地图菜单</translation>
    </message>
    <message>
        <source>&amp;Keyboard Shortcuts</source>
        <translation>键盘快捷键(&amp;K)</translation>
    </message>
    <message>
        <source>&amp;About Duskmap</source>
        <translation>关于 Duskmap(&amp;A)</translation>
    </message>
    <message>
        <source>&amp;Settings</source>
        <translation>设置(&amp;S)</translation>
    </message>
    <message>
        <source>&amp;Preferences…</source>
        <translation>首选项(&amp;P)…</translation>
    </message>
    <message>
        <source>Keyboard Shortcuts</source>
        <translation>键盘快捷键</translation>
    </message>
    <message>
        <source>Keyboard shortcuts</source>
        <translation>键盘快捷键</translation>
    </message>
    <message>
        <source>Action</source>
        <extracomment>Column headings of the list of keyboard shortcuts: what the keys do, and the keys</extracomment>
        <translation>操作</translation>
    </message>
    <message>
        <source>Shortcut</source>
        <translation>快捷键</translation>
    </message>
    <message>
        <source> or </source>
        <extracomment>Between two keyboard shortcuts of one action</extracomment>
        <translation> 或 </translation>
    </message>
    <message>
        <source>Next clock change</source>
        <translation>下次时钟调整</translation>
    </message>
    <message>
        <source>Could not save the map to &quot;%1&quot;: %2</source>
        <translation>无法将地图保存到“%1”：%2</translation>
    </message>
    <message>
        <source>JPEG images (*.jpg)</source>
        <translation>JPEG 图像 (*.jpg)</translation>
    </message>
    <message>
        <source>About Duskmap</source>
        <translation>关于 Duskmap</translation>
    </message>
    <message>
        <source>&lt;h3&gt;Duskmap %1&lt;/h3&gt;&lt;p&gt;A world map of day, twilight and night, with a clock for a time zone of your choice.&lt;/p&gt;&lt;p&gt;Map images: NASA Visible Earth (&quot;Blue Marble&quot; and &quot;Earth at Night&quot;, NASA Goddard Space Flight Center), public domain.&lt;/p&gt;&lt;p&gt;Time zones and their places: the IANA tz database (public domain).&lt;/p&gt;&lt;p&gt;Duskmap is free software: you can redistribute it and/or modify it under the terms of the GNU General Public License as published by the Free Software Foundation, either version 3 of the License, or (at your option) any later version. It comes with no warranty.&lt;/p&gt;</source>
        <translation>&lt;h3&gt;Duskmap %1&lt;/h3&gt;&lt;p&gt;显示白天、晨昏和黑夜的世界地图，并带有您所选时区的时钟。&lt;/p&gt;&lt;p&gt;地图图像：NASA Visible Earth（“Blue Marble”和“Earth at Night”，NASA 戈达德太空飞行中心），公有领域。&lt;/p&gt;&lt;p&gt;时区及其地点：IANA tz 数据库（公有领域）。&lt;/p&gt;&lt;p&gt;Duskmap 是自由软件：您可以依据自由软件基金会发布的 GNU 通用公共许可证第 3 版或（由您选择）任何更高版本的条款重新分发和/或修改它。本软件不提供任何担保。&lt;/p&gt;</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <comment>a readout and its value</comment>
        <extracomment>What a screen reader says for a readout: its name, then its value</extracomment>
        <translation>%1，%2</translation>
    </message>
    <message>
        <source>&amp;Projection</source>
        <translation>投影(&amp;P)</translation>
    </message>
    <message>
        <source>&amp;Centre On</source>
        <translation>居中于(&amp;C)</translation>
    </message>
    <message>
        <source>Selected Zone</source>
        <translation>所选时区</translation>
    </message>
    <message>
        <source>North Pole</source>
        <translation>北极</translation>
    </message>
    <message>
        <source>South Pole</source>
        <translation>南极</translation>
    </message>
    <message>
        <source>Home</source>
        <extracomment>View → Centre On: the home place the user keeps (in the preferences or given with --home)</extracomment>
        <translation>家</translation>
    </message>
    <message>
        <source>&lt;p&gt;Cities: GeoNames (geonames.org), under the Creative Commons Attribution 4.0 licence.&lt;/p&gt;</source>
        <translation>&lt;p&gt;城市：GeoNames (geonames.org)，采用知识共享署名 4.0 许可协议。&lt;/p&gt;</translation>
    </message>
    <message>
        <source>Default Centre</source>
        <extracomment>View → Centre On: where the view stands until another centre is chosen: Greenwich for the world maps, the selected zone for the azimuthal view and the globe</extracomment>
        <translation>默认中心</translation>
    </message>
    <message>
        <source>Move &amp;West</source>
        <translation>向西(&amp;W)</translation>
    </message>
    <message>
        <source>Move &amp;East</source>
        <translation>向东(&amp;E)</translation>
    </message>
    <message>
        <source>Move &amp;North</source>
        <translation>向北(&amp;N)</translation>
    </message>
    <message>
        <source>Move &amp;South</source>
        <translation>向南(&amp;S)</translation>
    </message>
    <message>
        <source>&lt;p&gt;Eclipses: the Swiss Ephemeris (Astrodienst AG) with its JPL-based files, under the GNU Affero General Public License 3.0.&lt;/p&gt;</source>
        <translation>&lt;p&gt;日月食：Swiss Ephemeris（Astrodienst AG）及其基于 JPL 的文件，依据 GNU Affero General Public License 3.0 授权。&lt;/p&gt;</translation>
    </message>
    <message>
        <source>Satellite Passes</source>
        <translation>卫星过境</translation>
    </message>
    <message>
        <source>Choose an element file and its satellites in the preferences.</source>
        <translation>请在首选项中选择轨道根数文件及其卫星。</translation>
    </message>
    <message>
        <source>Set a home place in the preferences to see the passes over it.</source>
        <translation>请在首选项中设置家的位置以查看其上空的过境。</translation>
    </message>
    <message>
        <source>Passes over %1 in the next 3 days, above %2°, times in %3. Visible: sunlit while home is in the dark.</source>
        <extracomment>Above the list of passes: %1 the home place, %2 the elevation mask, %3 the time zone</extracomment>
        <translation>未来 3 天 %1 上空的过境，高于 %2°，时间为 %3。可见：家中天黑时卫星被阳光照亮。</translation>
    </message>
    <message>
        <source>Satellite passes</source>
        <translation>卫星过境</translation>
    </message>
    <message>
        <source>Satellite</source>
        <extracomment>Column headings of the list of satellite passes</extracomment>
        <translation>卫星</translation>
    </message>
    <message>
        <source>Rise</source>
        <translation>升起</translation>
    </message>
    <message>
        <source>Azimuth</source>
        <translation>方位角</translation>
    </message>
    <message>
        <source>Culmination</source>
        <translation>中天</translation>
    </message>
    <message>
        <source>Elevation</source>
        <translation>仰角</translation>
    </message>
    <message>
        <source>Set</source>
        <translation>落下</translation>
    </message>
    <message>
        <source>Visible</source>
        <translation>可见</translation>
    </message>
    <message>
        <source>yes</source>
        <translation>是</translation>
    </message>
    <message>
        <source>no</source>
        <translation>否</translation>
    </message>
    <message>
        <source>&amp;Satellite Passes…</source>
        <extracomment>Menu item that opens the list of the chosen satellites&apos; next passes over home</extracomment>
        <translation>卫星过境(&amp;S)…</translation>
    </message>
    <message>
        <source>Elements</source>
        <extracomment>Column heading: how old each satellite&apos;s orbital elements are</extracomment>
        <translation>轨道根数</translation>
    </message>
    <message>
        <source>Azimuth at rise</source>
        <translation>升起时的方位角</translation>
    </message>
    <message>
        <source>Greatest elevation</source>
        <translation>最大仰角</translation>
    </message>
    <message>
        <source>Azimuth at set</source>
        <translation>落下时的方位角</translation>
    </message>
</context>
<context>
    <name>MapLayer</name>
    <message>
        <source>Latitude and longitude grid</source>
        <translation>经纬网</translation>
    </message>
    <message>
        <source>Squares at the zones&apos; places</source>
        <translation>各时区地点的方块</translation>
    </message>
    <message>
        <source>Point under the Sun</source>
        <translation>太阳直射点</translation>
    </message>
    <message>
        <source>Moon in its phase</source>
        <translation>月亮及其月相</translation>
    </message>
    <message>
        <source>Sunset and twilight lines</source>
        <translation>日落线和晨昏线</translation>
    </message>
    <message>
        <source>Short and long paths from home to target</source>
        <translation>从家到目标的短程和长程路径</translation>
    </message>
    <message>
        <source>Maidenhead locator grid</source>
        <translation>梅登黑德定位网格</translation>
    </message>
    <message>
        <source>Range rings</source>
        <extracomment>The layer of circles every 1000 km and bearings around the centre</extracomment>
        <translation>距离圈</translation>
    </message>
    <message>
        <source>Eclipses</source>
        <translation>日食和月食</translation>
    </message>
    <message>
        <source>Satellites, their tracks and footprints</source>
        <translation>卫星及其轨迹和覆盖区</translation>
    </message>
    <message>
        <source>Clouds</source>
        <translation>云图</translation>
    </message>
    <message>
        <source>Aurora forecast</source>
        <extracomment>The layer of the forecast of the northern and southern lights</extracomment>
        <translation>极光预报</translation>
    </message>
</context>
<context>
    <name>MapView</name>
    <message>
        <source>Flat Map</source>
        <translation>平面地图</translation>
    </message>
    <message>
        <source>Distances and Directions from the Centre</source>
        <translation>距中心的距离和方向</translation>
    </message>
    <message>
        <source>Globe</source>
        <translation>地球仪</translation>
    </message>
    <message>
        <source>Robinson</source>
        <translation>罗宾森投影</translation>
    </message>
    <message>
        <source>Mollweide (Equal Areas)</source>
        <translation>摩尔威德投影（等积）</translation>
    </message>
</context>
<context>
    <name>MapWidget</name>
    <message>
        <source>Day and night map</source>
        <translation>昼夜地图</translation>
    </message>
    <message>
        <source>More Zones</source>
        <translation>更多时区</translation>
    </message>
    <message>
        <source>Contextual Menu</source>
        <translation>上下文菜单</translation>
    </message>
    <message>
        <source>Pin</source>
        <extracomment>Submenu of the map&apos;s menu: keep a world clock for one of the nearby zones</extracomment>
        <translation>固定</translation>
    </message>
    <message>
        <source>More Layers</source>
        <translation>更多图层</translation>
    </message>
    <message>
        <source>%1° %2</source>
        <translation>%2%1°</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <comment>latitude, longitude</comment>
        <translation>%1，%2</translation>
    </message>
    <message>
        <source>N</source>
        <comment>north</comment>
        <translation>北纬</translation>
    </message>
    <message>
        <source>S</source>
        <comment>south</comment>
        <translation>南纬</translation>
    </message>
    <message>
        <source>E</source>
        <comment>east</comment>
        <translation>东经</translation>
    </message>
    <message>
        <source>W</source>
        <comment>west</comment>
        <translation>西经</translation>
    </message>
    <message>
        <source>%1 · %2 km from the centre, bearing %3°</source>
        <translation>%1 · 距中心 %2 公里，方位 %3°</translation>
    </message>
    <message>
        <source>Centre Map Here</source>
        <translation>在此居中地图</translation>
    </message>
    <message>
        <source>Set Home Here</source>
        <extracomment>Map menu: make the place clicked the home place</extracomment>
        <translation>将此处设为家</translation>
    </message>
    <message>
        <source>Set Target Here</source>
        <extracomment>Map menu: make the place clicked the target place, far end of the paths from home</extracomment>
        <translation>将此处设为目标地</translation>
    </message>
</context>
<context>
    <name>PlaceEnd</name>
    <message>
        <source>Home</source>
        <extracomment>The user&apos;s own place, one end of the paths</extracomment>
        <translation>家</translation>
    </message>
    <message>
        <source>&amp;Home:</source>
        <translation>家(&amp;H)：</translation>
    </message>
    <message>
        <source>Target</source>
        <extracomment>The far place the paths from home lead to</extracomment>
        <translation>目标地</translation>
    </message>
    <message>
        <source>&amp;Target:</source>
        <translation>目标地(&amp;T)：</translation>
    </message>
</context>
<context>
    <name>PlaceField</name>
    <message>
        <source>A city, a locator such as JO62qm, or 52.52, 13.40</source>
        <extracomment>Placeholder of the home and target fields: the forms a place may be typed in</extracomment>
        <translation>城市、如 JO62qm 的定位符，或 52.52, 13.40</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <comment>a state and its country</comment>
        <translation>%1，%2</translation>
    </message>
    <message>
        <source>%1, %2 · %3</source>
        <extracomment>A city in the list of cities of a name: %1 the city, %2 its country, %3 its time zone</extracomment>
        <translation>%1，%2 · %3</translation>
    </message>
</context>
<context>
    <name>PlaceProblem</name>
    <message>
        <source>city names are unavailable without the city list</source>
        <translation>没有城市列表，无法使用城市名</translation>
    </message>
    <message>
        <source>no city of that name</source>
        <translation>没有该名称的城市</translation>
    </message>
    <message>
        <source>coordinates are not numbers</source>
        <translation>坐标不是数字</translation>
    </message>
    <message>
        <source>coordinates out of range (latitude -90 to 90, longitude -180 to 180)</source>
        <translation>坐标超出范围（纬度 −90 至 90，经度 −180 至 180）</translation>
    </message>
    <message>
        <source>not a latitude and longitude in degrees, minutes and seconds</source>
        <translation>不是以度、分、秒表示的纬度和经度</translation>
    </message>
    <message>
        <source>no place given</source>
        <translation>未指定地点</translation>
    </message>
    <message>
        <source>not a Maidenhead locator of 4, 6 or 8 characters (like JO62qm)</source>
        <translation>不是 4、6 或 8 个字符的梅登黑德定位符（如 JO62qm）</translation>
    </message>
    <message>
        <source>not a latitude and longitude in degrees (like 52.52,13.40)</source>
        <translation>不是以度表示的纬度和经度（如 52.52,13.40）</translation>
    </message>
    <message>
        <source>no city name given</source>
        <translation>未指定城市名</translation>
    </message>
</context>
<context>
    <name>PreferencesDialog</name>
    <message>
        <source>Shown on the map</source>
        <translation>在地图上显示</translation>
    </message>
    <message>
        <source>World clocks</source>
        <translation>世界时钟</translation>
    </message>
    <message>
        <source>Add a world clock</source>
        <translation>添加世界时钟</translation>
    </message>
    <message>
        <source>Type a city, a country or a zone to add its clock</source>
        <translation>输入城市、国家或时区以添加其时钟</translation>
    </message>
    <message>
        <source>&amp;Remove</source>
        <translation>移除(&amp;R)</translation>
    </message>
    <message>
        <source>Move &amp;Up</source>
        <translation>上移(&amp;U)</translation>
    </message>
    <message>
        <source>Move &amp;Down</source>
        <translation>下移(&amp;D)</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <comment>a city and its time zone&apos;s id</comment>
        <translation>%1，%2</translation>
    </message>
    <message>
        <source>&amp;Projection:</source>
        <translation>投影(&amp;P)：</translation>
    </message>
    <message>
        <source>Home and target</source>
        <extracomment>Group of the preferences: the user&apos;s own place and a far place, with the paths between</extracomment>
        <translation>家和目标地</translation>
    </message>
    <message>
        <source>Problem with a place</source>
        <translation>地点有问题</translation>
    </message>
    <message>
        <source> m</source>
        <extracomment>Unit after the home&apos;s height above the sea</extracomment>
        <translation> 米</translation>
    </message>
    <message>
        <source>Home&apos;s height above the &amp;sea:</source>
        <extracomment>Preferences: the home&apos;s height above the sea, which lowers its horizon</extracomment>
        <translation>家的海拔高度(&amp;S)：</translation>
    </message>
    <message>
        <source>Lowest Sun of the grey line</source>
        <extracomment>The grey line&apos;s lowest and highest Sun, for screen readers</extracomment>
        <translation>灰线的最低太阳高度</translation>
    </message>
    <message>
        <source>Highest Sun of the grey line</source>
        <translation>灰线的最高太阳高度</translation>
    </message>
    <message>
        <source>A place is on the grey line while the Sun&apos;s centre stands between these heights above or below its horizon.</source>
        <extracomment>Tooltip of the grey line&apos;s band in the preferences</extracomment>
        <translation>当太阳中心位于地平线上下这两个高度之间时，该地点处于灰线上。</translation>
    </message>
    <message>
        <source>to</source>
        <extracomment>Between the grey line&apos;s lowest and highest Sun: &quot;−6° to 6°&quot;</extracomment>
        <translation>至</translation>
    </message>
    <message>
        <source>Grey line, Sun from:</source>
        <extracomment>Preferences: the Sun&apos;s heights at which a place is on the grey line</extracomment>
        <translation>灰线，太阳高度从：</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>%1 Home or Target, %2 what is wrong with the place typed</extracomment>
        <translation>%1：%2</translation>
    </message>
    <message>
        <source>Preferences</source>
        <translation>首选项</translation>
    </message>
    <message>
        <source>Satellites</source>
        <extracomment>Group of the preferences: the satellites shown on the map and their file</extracomment>
        <translation>卫星</translation>
    </message>
    <message>
        <source>A file of TLE or OMM elements</source>
        <extracomment>Placeholder of the field that names the file of satellites&apos; orbital elements</extracomment>
        <translation>TLE 或 OMM 轨道根数文件</translation>
    </message>
    <message>
        <source>Element file</source>
        <extracomment>The field that names the file of satellites&apos; orbital elements, for screen readers</extracomment>
        <translation>轨道根数文件</translation>
    </message>
    <message>
        <source>&amp;Choose…</source>
        <translation>选择(&amp;C)…</translation>
    </message>
    <message>
        <source>Choose the satellites&apos; element file</source>
        <translation>选择卫星轨道根数文件</translation>
    </message>
    <message>
        <source>&amp;Element file:</source>
        <translation>轨道根数文件(&amp;E)：</translation>
    </message>
    <message>
        <source>Satellites&apos; Element File</source>
        <translation>卫星轨道根数文件</translation>
    </message>
    <message>
        <source>Element sets (*.tle *.txt *.3le *.csv *.json *.xml);;All files (*)</source>
        <extracomment>File types in the dialog that chooses the satellites&apos; element file</extracomment>
        <translation>轨道根数 (*.tle *.txt *.3le *.csv *.json *.xml);;所有文件 (*)</translation>
    </message>
    <message>
        <source>Problem with the element file</source>
        <translation>轨道根数文件有问题</translation>
    </message>
    <message>
        <source>Elevation mask</source>
        <translation>仰角遮罩</translation>
    </message>
    <message>
        <source>The footprints and the passes count a satellite as up from this elevation above home&apos;s horizon.</source>
        <extracomment>Tooltip of the satellites&apos; elevation mask</extracomment>
        <translation>覆盖区和过境以此高于家中地平线的仰角作为卫星升起的界限。</translation>
    </message>
    <message>
        <source>Ele&amp;vation mask:</source>
        <translation>仰角遮罩(&amp;V)：</translation>
    </message>
    <message>
        <source>Find by name or catalogue number</source>
        <extracomment>Placeholder of the search box over the list of satellites</extracomment>
        <translation>按名称或编目号查找</translation>
    </message>
    <message>
        <source>Find a satellite</source>
        <translation>查找卫星</translation>
    </message>
    <message>
        <source>Satellites to show</source>
        <translation>要显示的卫星</translation>
    </message>
    <message>
        <source>On the map: gold, sunlit; blue, in the Earth&apos;s shadow; green, sunlit over home in the dark, to be seen by eye; grey, elements older than 14 days.</source>
        <extracomment>The legend of the satellites&apos; colours on the map</extracomment>
        <translation>地图上：金色，被阳光照亮；蓝色，在地球阴影中；绿色，在天黑的家上空被照亮，肉眼可见；灰色，轨道根数超过 14 天。</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <extracomment>A satellite in the list to choose from: its name and catalogue number</extracomment>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>Clouds and aurora</source>
        <extracomment>Group of the preferences: the files of the cloud map and of the aurora forecast</extracomment>
        <translation>云和极光</translation>
    </message>
    <message>
        <source>Choose…</source>
        <extracomment>Button beside a file&apos;s field in the preferences that opens a file dialog</extracomment>
        <translation>选择…</translation>
    </message>
    <message>
        <source>Clear</source>
        <extracomment>Button beside a file&apos;s field in the preferences that empties it</extracomment>
        <translation>清除</translation>
    </message>
    <message>
        <source>S&amp;atellites…</source>
        <extracomment>Button in the preferences that opens the choice of satellites and their file</extracomment>
        <translation>卫星(&amp;A)…</translation>
    </message>
    <message>
        <source>&amp;Find:</source>
        <extracomment>The search box over the list of satellites</extracomment>
        <translation>查找(&amp;F)：</translation>
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
        <translation>%1 公里</translation>
    </message>
</context>
<context>
    <name>Readouts</name>
    <message>
        <source>Sunrise</source>
        <translation>日出</translation>
    </message>
    <message>
        <source>Sunset</source>
        <translation>日落</translation>
    </message>
    <message>
        <source>Latitude</source>
        <translation>纬度</translation>
    </message>
    <message>
        <source>Longitude</source>
        <translation>经度</translation>
    </message>
    <message>
        <source>Sun never sets</source>
        <translation>太阳不落</translation>
    </message>
    <message>
        <source>Sun never rises</source>
        <translation>太阳不升</translation>
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
        <translation>东</translation>
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
        <translation>%1 天</translation>
    </message>
    <message>
        <source>%1, stale</source>
        <extracomment>%1 an age in days, such as &quot;20.0 days&quot;: elements too old to trust</extracomment>
        <translation>%1，已过时</translation>
    </message>
    <message>
        <source>%1, catalogue number %2</source>
        <extracomment>A satellite in the map&apos;s tooltip: %1 its name, %2 its catalogue number</extracomment>
        <translation>%1，编目号 %2</translation>
    </message>
    <message>
        <source>%1 km high, seen up to %2 km away</source>
        <extracomment>%1 the satellite&apos;s height above the ground, %2 the radius of the area that sees it above the elevation mask, both in kilometres</extracomment>
        <translation>高度 %1 km，%2 km 内可见</translation>
    </message>
    <message>
        <source>In the Earth&apos;s shadow</source>
        <extracomment>How a satellite stands now; blue is its colour on the map</extracomment>
        <translation>在地球阴影中</translation>
    </message>
    <message>
        <source>In the Earth&apos;s shadow (blue)</source>
        <translation>在地球阴影中（蓝色）</translation>
    </message>
    <message>
        <source>Sunlit</source>
        <extracomment>How a satellite stands now; gold is its colour on the map</extracomment>
        <translation>受阳光照射</translation>
    </message>
    <message>
        <source>Sunlit (gold)</source>
        <translation>受阳光照射（金色）</translation>
    </message>
    <message>
        <source>Sunlit over home in the dark: to be seen by eye</source>
        <extracomment>The satellite can be seen by eye from home now; green is its colour on the map</extracomment>
        <translation>在黑暗中的家上空受阳光照射：肉眼可见</translation>
    </message>
    <message>
        <source>Sunlit over home in the dark: to be seen by eye (green)</source>
        <translation>在黑暗中的家上空受阳光照射：肉眼可见（绿色）</translation>
    </message>
    <message>
        <source>Elements %1 days old: stale, so it may be far from where it is drawn (grey)</source>
        <extracomment>%1 the elements&apos; age in days, such as 20.3; grey is the satellite&apos;s colour on the map while they are this old</extracomment>
        <translation>轨道根数已有 %1 天：已过时，实际位置可能离绘制处很远（灰色）</translation>
    </message>
    <message>
        <source>Elements dated %1 days later</source>
        <extracomment>%1 days between the shown time and the later epoch of the orbital elements</extracomment>
        <translation>轨道根数的日期晚 %1 天</translation>
    </message>
    <message>
        <source>Elements %1 days old</source>
        <extracomment>%1 the age in days of the orbital elements its place is worked out from</extracomment>
        <translation>轨道根数已有 %1 天</translation>
    </message>
</context>
<context>
    <name>ShownTexts</name>
    <message>
        <source>%1%2 h</source>
        <extracomment>A difference of whole hours between two clocks: &quot;+8 h&quot;</extracomment>
        <translation>%1%2小时</translation>
    </message>
    <message>
        <source>day</source>
        <extracomment>The light at a world clock&apos;s place now</extracomment>
        <translation>白天</translation>
    </message>
    <message>
        <source>twilight</source>
        <extracomment>The light at a world clock&apos;s place now</extracomment>
        <translation>晨昏</translation>
    </message>
    <message>
        <source>night</source>
        <extracomment>The light at a world clock&apos;s place now</extracomment>
        <translation>夜晚</translation>
    </message>
    <message numerus="yes">
        <source>%1%n day</source>
        <extracomment>How many days a world clock&apos;s date lies ahead of or behind the selected zone&apos;s; %1 is the sign</extracomment>
        <translation>
            <numerusform>%1%n天</numerusform>
        </translation>
    </message>
    <message>
        <source>Day and night map, %1 %2 UTC.</source>
        <extracomment>What the map shows, for screen readers: %1 the date, %2 the time (UTC)</extracomment>
        <translation>昼夜地图，%1 %2 UTC。</translation>
    </message>
    <message>
        <source>%1: %2, Sun %3° high.</source>
        <extracomment>%1 a city, %2 day, twilight or night there, %3 the Sun&apos;s height in degrees</extracomment>
        <translation>%1：%2，太阳高度 %3°。</translation>
    </message>
    <message>
        <source>%1: %2, Sun %3° below the horizon.</source>
        <extracomment>%1 a city, %2 day, twilight or night there, %3 the Sun&apos;s depth in degrees</extracomment>
        <translation>%1：%2，太阳在地平线下 %3°。</translation>
    </message>
    <message>
        <source>≈</source>
        <extracomment>Marks a local time whose zone is only guessed, from the nearest city or the longitude</extracomment>
        <translation>≈</translation>
    </message>
    <message>
        <source>polar day</source>
        <extracomment>The Sun does not set on this day at a place</extracomment>
        <translation>极昼</translation>
    </message>
    <message>
        <source>polar night</source>
        <extracomment>The Sun does not rise on this day at a place</extracomment>
        <translation>极夜</translation>
    </message>
    <message>
        <source>none</source>
        <extracomment>A sunrise or sunset that does not happen on this day</extracomment>
        <translation>无</translation>
    </message>
    <message>
        <source>sunrise %1, sunset %2</source>
        <extracomment>%1 and %2 are local times, such as 7:58</extracomment>
        <translation>日出 %1，日落 %2</translation>
    </message>
    <message>
        <source>%1 %2 · %3 · %4 · Sun %5°</source>
        <extracomment>One end of the path: %1 Home or Target, %2 its name or locator, %3 its local time, %4 its sunrise and sunset, %5 the Sun&apos;s height in degrees</extracomment>
        <translation>%1 %2 · %3 · %4 · 太阳 %5°</translation>
    </message>
    <message>
        <source>(guessed)</source>
        <translation>(推测)</translation>
    </message>
    <message>
        <source>no grey line within 24 h</source>
        <extracomment>No span within the next day when both places are in the twilight band</extracomment>
        <translation>24 小时内无灰线</translation>
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
        <translation>短程路径：从家出发方位 %1°，从目标地返回方位 %2°
灰线：两端太阳高度 %3° 至 %4°</translation>
    </message>
    <message>
        <source>grey line now, until %1 (home time)</source>
        <extracomment>Both places are in the twilight band now; %1 is the time it ends at home</extracomment>
        <translation>灰线进行中，至 %1（家中时间）</translation>
    </message>
    <message>
        <source>grey line %1–%2 (home time)</source>
        <extracomment>The next span when both places are in the twilight band, in home&apos;s times: 16:02–16:40</extracomment>
        <translation>灰线 %1–%2（家中时间）</translation>
    </message>
    <message>
        <source>%1 · locator %2
Time zone %3
Sun towards %4°</source>
        <extracomment>%1 the place&apos;s latitude and longitude, %2 the Maidenhead locator, %3 the time zone, %4 the Sun&apos;s compass direction in degrees</extracomment>
        <translation>%1 · 定位符 %2
时区 %3
太阳方位 %4°</translation>
    </message>
    <message>
        <source>no eclipse seen</source>
        <extracomment>A solar eclipse is near, but this place does not see it</extracomment>
        <translation>看不到日食</translation>
    </message>
    <message>
        <source>total lunar eclipse %1–%2</source>
        <extracomment>%1 and %2 the local times a total lunar eclipse&apos;s totality begins and ends (or moonrise, moonset)</extracomment>
        <translation>月全食 %1–%2</translation>
    </message>
    <message>
        <source>partial lunar eclipse %1–%2</source>
        <extracomment>%1 and %2 the local times the Moon enters and leaves the Earth&apos;s umbra (or moonrise, moonset)</extracomment>
        <translation>月偏食 %1–%2</translation>
    </message>
    <message>
        <source>penumbral lunar eclipse %1–%2</source>
        <extracomment>%1 and %2 the local times the Moon enters and leaves the Earth&apos;s penumbra (or moonrise, moonset)</extracomment>
        <translation>半影月食 %1–%2</translation>
    </message>
    <message>
        <source>lunar eclipse not seen</source>
        <extracomment>A lunar eclipse is near, but the Moon is below this place&apos;s horizon throughout</extracomment>
        <translation>看不到月食</translation>
    </message>
    <message>
        <source>%1 visible %2, %3°</source>
        <translation>%1 可见 %2，%3°</translation>
    </message>
    <message>
        <source>%1 rises %2, %3°</source>
        <translation>%1 升起 %2，%3°</translation>
    </message>
    <message>
        <source>sunrise</source>
        <extracomment>In place of the local time an eclipse is first seen: the Sun rises during it</extracomment>
        <translation>日出</translation>
    </message>
    <message>
        <source>sunset</source>
        <extracomment>In place of the local time an eclipse is last seen: the Sun sets during it</extracomment>
        <translation>日落</translation>
    </message>
    <message>
        <source>total eclipse %1–%2 (partial %3–%4), Sun %5°</source>
        <extracomment>What a place sees of a solar eclipse: %1 and %2 the local times totality begins and ends, %3 and %4 those of the partial eclipse around it, %5 the Sun&apos;s height in degrees at the greatest</extracomment>
        <translation>日全食 %1–%2（偏食 %3–%4），太阳 %5°</translation>
    </message>
    <message>
        <source>annular eclipse %1–%2 (partial %3–%4), Sun %5°</source>
        <extracomment>%1 and %2 the local times the ring of the Sun begins and ends, %3 and %4 those of the partial eclipse around it, %5 the Sun&apos;s height in degrees at the greatest</extracomment>
        <translation>日环食 %1–%2（偏食 %3–%4），太阳 %5°</translation>
    </message>
    <message>
        <source>partial eclipse %1–%2, %3 % at %4, Sun %5°</source>
        <extracomment>%1 and %2 the local times a partial solar eclipse begins and ends (or sunrise, sunset), %3 the most of the Sun&apos;s diameter covered, in per cent rounded down, %4 the local time of that greatest, %5 the Sun&apos;s height in degrees then</extracomment>
        <translation>日偏食 %1–%2，%4 时 %3 %，太阳 %5°</translation>
    </message>
    <message>
        <source>moonrise</source>
        <extracomment>In place of the local time a lunar eclipse is first seen: the Moon rises during it</extracomment>
        <translation>月出</translation>
    </message>
    <message>
        <source>moonset</source>
        <extracomment>In place of the local time a lunar eclipse is last seen: the Moon sets during it</extracomment>
        <translation>月落</translation>
    </message>
    <message>
        <source>%1 visible until %2, %3°</source>
        <translation>%1 可见直到 %2，%3°</translation>
    </message>
    <message>
        <source>%1 up until %2, %3°</source>
        <translation>%1 在地平线上直到 %2，%3°</translation>
    </message>
    <message>
        <source>%1: no pass within 3 days</source>
        <extracomment>A chosen satellite that does not rise above home&apos;s horizon (the elevation mask) within the days searched; %1 its name</extracomment>
        <translation>%1：3 天内无过境</translation>
    </message>
    <message numerus="yes">
        <source>%n more</source>
        <extracomment>After the soonest passes in the row: how many chosen satellites are left out</extracomment>
        <translation>
            <numerusform>另外 %n 颗</numerusform>
        </translation>
    </message>
    <message>
        <source>Passes %1</source>
        <extracomment>The row of the chosen satellites&apos; next passes over home: %1 the soonest few</extracomment>
        <translation>过境 %1</translation>
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
        <translation>娥眉月</translation>
    </message>
    <message>
        <source>First quarter</source>
        <extracomment>Phase of the Moon</extracomment>
        <translation>上弦月</translation>
    </message>
    <message>
        <source>Waxing gibbous</source>
        <extracomment>Phase of the Moon</extracomment>
        <translation>盈凸月</translation>
    </message>
    <message>
        <source>Full</source>
        <extracomment>Phase of the Moon</extracomment>
        <translation>满月</translation>
    </message>
    <message>
        <source>Waning gibbous</source>
        <extracomment>Phase of the Moon</extracomment>
        <translation>亏凸月</translation>
    </message>
    <message>
        <source>Last quarter</source>
        <extracomment>Phase of the Moon</extracomment>
        <translation>下弦月</translation>
    </message>
    <message>
        <source>Waning crescent</source>
        <extracomment>Phase of the Moon</extracomment>
        <translation>残月</translation>
    </message>
    <message>
        <source>Moon: %1, %2%
Sun overhead: %3, %4</source>
        <extracomment>The Moon&apos;s phase and lit part; the point where the Sun stands overhead</extracomment>
        <translation>月亮：%1，%2%
太阳直射点：%3，%4</translation>
    </message>
</context>
<context>
    <name>TimeMachine</name>
    <message>
        <source>One Hour &amp;Later</source>
        <translation>晚一小时(&amp;L)</translation>
    </message>
    <message>
        <source>One Hour &amp;Earlier</source>
        <translation>早一小时(&amp;E)</translation>
    </message>
    <message>
        <source>One &amp;Day Later</source>
        <translation>晚一天(&amp;D)</translation>
    </message>
    <message>
        <source>One Day Ea&amp;rlier</source>
        <translation>早一天(&amp;R)</translation>
    </message>
    <message>
        <source>&amp;Now</source>
        <translation>现在(&amp;N)</translation>
    </message>
    <message>
        <source>&amp;Go to Date and Time…</source>
        <translation>转到日期和时间(&amp;G)…</translation>
    </message>
    <message>
        <source>&amp;Play</source>
        <translation>播放(&amp;P)</translation>
    </message>
    <message>
        <source>Play &amp;Speed</source>
        <translation>播放速度(&amp;S)</translation>
    </message>
    <message>
        <source>1 Minute a Second</source>
        <translation>每秒 1 分钟</translation>
    </message>
    <message>
        <source>10 Minutes a Second</source>
        <translation>每秒 10 分钟</translation>
    </message>
    <message>
        <source>1 Hour a Second</source>
        <translation>每秒 1 小时</translation>
    </message>
    <message>
        <source>1 Day a Second</source>
        <translation>每秒 1 天</translation>
    </message>
    <message>
        <source>&amp;Pause</source>
        <translation>暂停(&amp;P)</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>暂停</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>播放</translation>
    </message>
    <message>
        <source>Showing %1 %2 (%3) · Now: %4</source>
        <extracomment>%1: the shown date and time, %2: its zone&apos;s abbreviation, %3: how far from now, %4: the key that goes back to now</extracomment>
        <translation>显示：%1 %2 (%3) · 现在：%4</translation>
    </message>
    <message>
        <source>d MMMM yyyy, HH:mm</source>
        <translation>yyyy年M月d日 HH:mm</translation>
    </message>
    <message>
        <source>d</source>
        <extracomment>Abbreviation of days in a time from now: &quot;+3 d 2 h&quot;</extracomment>
        <translation>天</translation>
    </message>
    <message>
        <source>h</source>
        <extracomment>Abbreviation of hours in a time from now: &quot;+3 h 20 min&quot;</extracomment>
        <translation>小时</translation>
    </message>
    <message>
        <source>min</source>
        <extracomment>Abbreviation of minutes in a time from now: &quot;+20 min&quot;</extracomment>
        <translation>分钟</translation>
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
        <translation>下一次日月食(&amp;X)</translation>
    </message>
    <message>
        <source>Pre&amp;vious Eclipse</source>
        <extracomment>Time menu: show the previous solar or lunar eclipse at its greatest</extracomment>
        <translation>上一次日月食(&amp;V)</translation>
    </message>
    <message>
        <source>E&amp;clipses…</source>
        <translation>日月食(&amp;C)…</translation>
    </message>
</context>
<context>
    <name>TwilightLines</name>
    <message>
        <source>sunset</source>
        <extracomment>Label on the map beside the line where the Sun sets</extracomment>
        <translation>日落</translation>
    </message>
    <message>
        <source>civil</source>
        <extracomment>Label on the map beside the line where civil twilight ends (Sun 6° below the horizon)</extracomment>
        <translation>民用</translation>
    </message>
    <message>
        <source>nautical</source>
        <extracomment>Label on the map beside the line where nautical twilight ends (Sun 12° below)</extracomment>
        <translation>航海</translation>
    </message>
    <message>
        <source>astronomical</source>
        <extracomment>Label on the map beside the line where astronomical twilight ends (Sun 18° below)</extracomment>
        <translation>天文</translation>
    </message>
    <message>
        <source>sunrise</source>
        <extracomment>Label on the map beside the line where the Sun rises</extracomment>
        <translation>日出</translation>
    </message>
</context>
<context>
    <name>Weather</name>
    <message>
        <source>%1 d %2 h</source>
        <extracomment>An age in days and hours: &quot;3 d 4 h&quot;</extracomment>
        <translation>%1 天 %2 小时</translation>
    </message>
    <message>
        <source>%1 h %2 min</source>
        <extracomment>An age in hours and minutes: &quot;2 h 10 min&quot;</extracomment>
        <translation>%1 小时 %2 分钟</translation>
    </message>
    <message>
        <source>%1 min</source>
        <extracomment>An age in minutes: &quot;35 min&quot;</extracomment>
        <translation>%1 分钟</translation>
    </message>
    <message>
        <source>Clouds %1 old</source>
        <extracomment>In the map&apos;s corner: how old the cloud map is, &quot;Clouds 2 h 10 min old&quot;</extracomment>
        <translation>云图：%1前</translation>
    </message>
    <message>
        <source>Aurora %1 old</source>
        <extracomment>In the map&apos;s corner: how long ago the aurora forecast&apos;s instant was</extracomment>
        <translation>极光：%1前</translation>
    </message>
    <message>
        <source>Aurora forecast for %1 ahead</source>
        <translation>%1后的极光预报</translation>
    </message>
    <message>
        <source>Aurora likely overhead</source>
        <extracomment>Home and Target row: the aurora forecast is strong right above the place, and it is dark and clear</extracomment>
        <translation>头顶可能有极光</translation>
    </message>
    <message>
        <source>Aurora likely on the horizon</source>
        <extracomment>Home and Target row: the aurora is forecast near enough to be seen low in the sky</extracomment>
        <translation>地平线上可能有极光</translation>
    </message>
    <message>
        <source>No aurora forecast here</source>
        <translation>此处无极光预报</translation>
    </message>
    <message>
        <source>Aurora forecast, but the sky is too light</source>
        <extracomment>Home and Target row: aurora forecast, but the Sun is less than 12 degrees below the horizon</extracomment>
        <translation>有极光预报，但天空太亮</translation>
    </message>
    <message>
        <source>Aurora forecast, but cloudy</source>
        <translation>有极光预报，但多云</translation>
    </message>
</context>
<context>
    <name>WeatherFiles</name>
    <message>
        <source>no such file</source>
        <translation>没有此文件</translation>
    </message>
    <message>
        <source>not a readable file</source>
        <translation>不是可读取的文件</translation>
    </message>
    <message>
        <source>larger than %1 MB</source>
        <translation>大于 %1 MB</translation>
    </message>
    <message>
        <source>not a JPEG or PNG image</source>
        <translation>不是 JPEG 或 PNG 图像</translation>
    </message>
    <message>
        <source>a cloud map is an equirectangular image twice as wide as high, from %1 pixels wide to %2; this one is %3x%4, %5</source>
        <translation>云图是宽为高两倍的等距圆柱投影图像，宽 %1 至 %2 像素；此图像为 %3x%4，%5</translation>
    </message>
    <message>
        <source>damaged data: the image ends early</source>
        <translation>数据损坏：图像提前结束</translation>
    </message>
    <message>
        <source>damaged data: its size changes as it is read</source>
        <translation>数据损坏：读取时尺寸发生变化</translation>
    </message>
    <message>
        <source>larger than %1 MB, not an aurora forecast</source>
        <translation>大于 %1 MB，不是极光预报</translation>
    </message>
    <message>
        <source>not JSON: %1 at byte %2</source>
        <translation>不是 JSON：第 %2 字节处 %1</translation>
    </message>
    <message>
        <source>no &quot;%1&quot; as an ISO 8601 time</source>
        <translation>缺少 ISO 8601 时间格式的“%1”</translation>
    </message>
    <message>
        <source>no &quot;coordinates&quot; list</source>
        <translation>缺少“coordinates”列表</translation>
    </message>
    <message>
        <source>point %1 of &quot;coordinates&quot; is not [longitude, latitude, value]</source>
        <translation>“coordinates”的第 %1 个点不是 [经度, 纬度, 值]</translation>
    </message>
    <message>
        <source>point %1 of &quot;coordinates&quot;: %2</source>
        <translation>“coordinates”的第 %1 个点：%2</translation>
    </message>
    <message>
        <source>&quot;coordinates&quot; holds %1 points, not %2</source>
        <translation>“coordinates”包含 %1 个点，而不是 %2 个</translation>
    </message>
</context>
<context>
    <name>WeatherSource</name>
    <message>
        <source>C&amp;loud map:</source>
        <extracomment>Preferences: the file of a greyscale world map of the clouds</extracomment>
        <translation>云图(&amp;L)：</translation>
    </message>
    <message>
        <source>Cloud map file</source>
        <translation>云图文件</translation>
    </message>
    <message>
        <source>Choose the cloud map file</source>
        <translation>选择云图文件</translation>
    </message>
    <message>
        <source>Clear the cloud map file</source>
        <translation>清除云图文件</translation>
    </message>
    <message>
        <source>Cloud Map</source>
        <translation>云图</translation>
    </message>
    <message>
        <source>Images (*.jpg *.jpeg *.png);;All files (*)</source>
        <extracomment>File types in the dialog that chooses the cloud map</extracomment>
        <translation>图像 (*.jpg *.jpeg *.png);;所有文件 (*)</translation>
    </message>
    <message>
        <source>Cloud map &quot;%1&quot; not shown: %2</source>
        <extracomment>%1 the cloud map&apos;s file name, %2 what is wrong with it</extracomment>
        <translation>未显示云图“%1”：%2</translation>
    </message>
    <message>
        <source>Aur&amp;ora forecast:</source>
        <extracomment>Preferences: the file of NOAA&apos;s aurora forecast (OVATION, in JSON)</extracomment>
        <translation>极光预报(&amp;U)：</translation>
    </message>
    <message>
        <source>Aurora forecast file</source>
        <translation>极光预报文件</translation>
    </message>
    <message>
        <source>Choose the aurora forecast file</source>
        <translation>选择极光预报文件</translation>
    </message>
    <message>
        <source>Clear the aurora forecast file</source>
        <translation>清除极光预报文件</translation>
    </message>
    <message>
        <source>Aurora Forecast</source>
        <translation>极光预报</translation>
    </message>
    <message>
        <source>OVATION forecasts (*.json);;All files (*)</source>
        <extracomment>File types in the dialog that chooses the aurora forecast</extracomment>
        <translation>OVATION 预报 (*.json);;所有文件 (*)</translation>
    </message>
    <message>
        <source>Aurora forecast &quot;%1&quot; not shown: %2</source>
        <extracomment>%1 the aurora forecast&apos;s file name, %2 what is wrong with it</extracomment>
        <translation>未显示极光预报“%1”：%2</translation>
    </message>
</context>
<context>
    <name>ZoneFinder</name>
    <message>
        <source>Type a city, a country or a zone</source>
        <translation>输入城市、国家或时区</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <comment>a city and its time zone&apos;s id</comment>
        <translation>%1，%2</translation>
    </message>
    <message>
        <source>No zone matches “%1”</source>
        <translation>没有与“%1”匹配的时区</translation>
    </message>
</context>
</TS>
