// A simulated week of the running window: the clock advances in 120-second
// steps, each one's texts and map are brought up to date, and zone changes,
// layer toggles and clock jumps are mixed in. The readouts stay right and the
// memory in use does not grow.
#include "TestApplication.h"
#include "widgets/MapWidget.h"

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
    const QList<QByteArray> fields =
        statm.open(QIODevice::ReadOnly) ? statm.readAll().split(' ') : QList<QByteArray>();
    return fields.size() > 1 ? fields.at(1).toLong() * 4 : 0;
}

/// The time text worked out from Qt's own conversions, apart from the readouts.
QString expectedTime(const QDateTime &instant, const QTimeZone &zone)
{
    const QTime local = instant.toTimeZone(zone).time();
    const int offset = zone.offsetFromUtc(instant) / 60;
    return QStringLiteral("%1:%2:%3 %4 %5%6%7")
        .arg(local.hour())
        .arg(local.minute(), 2, 10, QLatin1Char('0'))
        .arg(local.second(), 2, 10, QLatin1Char('0'))
        .arg(zone.abbreviation(instant), offset < 0 ? QStringLiteral("-") : QStringLiteral("+"))
        .arg(std::abs(offset) / 60, 2, 10, QLatin1Char('0'))
        .arg(std::abs(offset) % 60, 2, 10, QLatin1Char('0'));
}
} // namespace

class TestLongRun : public QObject
{
    Q_OBJECT

private slots:
    void aWeekOfSteps()
    {
        // Across the European change to summer time (2026-03-29 01:00 UTC).
        TestApplication app(kZones, QDateTime(QDate(2026, 3, 25), QTime(21, 0), QTimeZone::utc()));
        ManualClock &clock = app.clock;
        MapModel &model = *app.model;
        const QRegularExpression sunrise(
            QStringLiteral("^(Sunrise: [ 12]\\d:\\d\\d|Sun never sets|Sun never rises)$"));
        long residentAfterFirstDay = 0;
        constexpr int kStepsADay = 24 * 3600 / 120;
        for (int step = 1; step <= 7 * kStepsADay; ++step) {
            clock.advance(120 * 1000);
            if (step == 3 * kStepsADay)
                clock.advance(-3600 * 1000); // the clock is set back an hour
            if (step == 4 * kStepsADay)
                clock.advance(qint64(26) * 3600 * 1000); // and jumps a day ahead
            model.setShownInstant(clock.now());          // the texts and the map follow
            app.window->mapWidget()->grab();
            const QDateTime now = clock.now();
            QCOMPARE(app.text("timeField"), expectedTime(now, model.timeZone()));
            QCOMPARE(app.text("dateField"),
                     QLocale(QLocale::English)
                         .toString(now.toTimeZone(model.timeZone()).date(), "dddd, MMMM d, yyyy"));
            QVERIFY2(sunrise.match(app.text("sunriseField")).hasMatch(),
                     qPrintable(app.text("sunriseField")));
            if (step % 180 == 0) { // every six hours, another zone
                const TestZone &zone = kZones[(step / 180) % kZones.size()];
                model.selectZone(zone.name);
                QCOMPARE(model.markerPlace().latitude, float(zone.latitude));
            }
            if (step % 270 == 0) { // every nine hours, a layer
                const char *layers[] = {"showGrid", "showLocations", "showLocationNames"};
                const char *layer = layers[(step / 270) % 3];
                model.setProperty(layer, !model.property(layer).toBool());
            }
            if (step == kStepsADay)
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
