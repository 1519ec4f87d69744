// A simulated week of the running application: the clock advances in steps,
// both timers' work runs, the map is redrawn every 120 simulated seconds, and
// zone changes, display toggles and clock jumps are mixed in. The readouts must
// stay right throughout and the memory in use must not grow.
#include "TestApplication.h"

#include <QAction>
#include <QLabel>

namespace {
const std::vector<TestZone> kZones = {
    {"UTC", 51.4769, -0.0005},           {"Europe/London", 51.5, -0.1275},
    {"Europe/Berlin", 52.5, 13.3667},    {"America/New_York", 40.7142, -74.0064},
    {"Asia/Kolkata", 22.5333, 88.3667},  {"Pacific/Chatham", -43.95, -176.55},
    {"Arctic/Longyearbyen", 78.0, 16.0},
};

/// Resident memory of this process, in kilobytes.
long residentKb()
{
    QFile statm(QStringLiteral("/proc/self/statm"));
    if (!statm.open(QIODevice::ReadOnly))
        return 0;
    const QList<QByteArray> fields = statm.readAll().split(' ');
    return fields.size() > 1 ? fields.at(1).toLong() * 4 : 0;
}

/// The time text worked out from Qt's own conversions, apart from the readouts.
QString expectedTime(const QDateTime &instant, const QTimeZone &zone)
{
    const QDateTime local = instant.toTimeZone(zone);
    const int offset = zone.offsetFromUtc(instant);
    const int magnitude = std::abs(offset) / 60;
    return QStringLiteral("%1:%2:%3 %4 %5%6%7")
        .arg(local.time().hour())
        .arg(local.time().minute(), 2, 10, QLatin1Char('0'))
        .arg(local.time().second(), 2, 10, QLatin1Char('0'))
        .arg(zone.abbreviation(instant), offset < 0 ? QStringLiteral("-") : QStringLiteral("+"))
        .arg(magnitude / 60, 2, 10, QLatin1Char('0'))
        .arg(magnitude % 60, 2, 10, QLatin1Char('0'));
}

QString expectedDate(const QDateTime &instant, const QTimeZone &zone)
{
    return QLocale(QLocale::English)
        .toString(instant.toTimeZone(zone).date(), QStringLiteral("dddd, MMMM d, yyyy"));
}
} // namespace

class TestLongRun : public QObject
{
    Q_OBJECT

private slots:
    void aWeekOfTicks()
    {
        // Across the European change to summer time (2026-03-29 01:00 UTC).
        const QDateTime start(QDate(2026, 3, 25), QTime(21, 0), QTimeZone::utc());
        TestApplication app(kZones, start);
        ManualClock &clock = app.clock;
        MainWindow &window = *app.window;
        MyController &controller = *app.controller;
        MapView &view = app.view();

        constexpr int kStepSeconds = 120;
        constexpr int kSteps = 7 * 24 * 3600 / kStepSeconds;
        const QRegularExpression sunrise(QStringLiteral("^(Sunrise: [ 12]\\d:\\d\\d|Sun never "
                                                        "sets|Sun never rises)$"));
        long residentAfterFirstDay = 0;
        int zoneIndex = 0;
        for (int step = 1; step <= kSteps; ++step) {
            clock.advance(qint64(kStepSeconds) * 1000);
            if (step == 3 * 720)
                clock.advance(-3600 * 1000); // the clock is set back an hour
            if (step == 4 * 720)
                clock.advance(qint64(26) * 3600 * 1000); // and jumps a day ahead

            // Three clock ticks within the step, then the map tick and a redraw.
            for (int tick = 0; tick < 3; ++tick) {
                clock.advance(100);
                controller.updateTime();
                const QTimeZone zone(window.zonePopUp()->currentText().toUtf8());
                QCOMPARE(window.timeField()->text(), expectedTime(clock.now(), zone));
                QCOMPARE(window.dateField()->text(), expectedDate(clock.now(), zone));
            }
            clock.advance(-300);
            controller.updateMap();
            view.renderFrame(clock.now());

            if (step % 180 == 0) { // every six hours, another zone
                zoneIndex = (zoneIndex + 1) % int(kZones.size());
                QAction item(kZones[zoneIndex].name);
                controller.changeMapDot(&item);
                QCOMPARE(window.zonePopUp()->currentText(), kZones[zoneIndex].name);
                QCOMPARE(view.rawLatitude(), float(kZones[zoneIndex].latitude));
            }
            if (step % 270 == 0) { // every nine hours, a display option
                QAction option;
                option.setData((step / 270) % 3);
                view.changeDisplayOptions(&option);
            }
            const QString rise = window.findChild<QLabel *>(QStringLiteral("sunriseField"))->text();
            QVERIFY2(sunrise.match(rise).hasMatch(), qPrintable(rise));
            if (step == 720)
                residentAfterFirstDay = residentKb();
        }
        const long growthKb = residentKb() - residentAfterFirstDay;
        qInfo("resident memory after one day %ld kB, growth over the next six days %ld kB",
              residentAfterFirstDay, growthKb);
        QVERIFY2(growthKb < 4096, qPrintable(QString::number(growthKb)));
    }
};

QTEST_MAIN(TestLongRun)
#include "tst_longrun.moc"
