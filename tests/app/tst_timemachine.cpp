// The shown instant as the Go to dialog and the window's time controls set it.
#include "TestApplication.h"
#include "app/EclipsesDialog.h"
#include "app/TimeMachine.h"

#include <QApplication>
#include <QClipboard>
#include <QDialogButtonBox>
#include <QLineEdit>
#include <QPushButton>
#include <QSlider>
#include <QTreeWidget>

namespace {
const QDateTime kNoon(QDate(2026, 6, 21), QTime(12, 0), QTimeZone::utc());
const std::vector<TestZone> kZones = {{"UTC", 51.4769, -0.0005}, {"Europe/Berlin", 52.5, 13.4}};
const char *const kStatus[] = {"unreadable", "out of range", "", " moved", " first of two"};

QString described(const TypedTime &typed)
{
    return typed.instant.isValid()
               ? typed.instant.toUTC().toString(Qt::ISODate) + QLatin1String(kStatus[typed.status])
               : QLatin1String(kStatus[typed.status]);
}
} // namespace

class TimeMachineTest : public QObject
{
    Q_OBJECT

private slots:
    // "read" rows read the text alone; the others enter it into the dialog, where the shown time
    // starts all selected. "typed over 11 2" types over 2 characters from the 11th.
    void goToDateAndTime_data()
    {
        QTest::addColumn<QString>("entry");
        QTest::addColumn<QString>("zone");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("expected");
        const auto row = [](const char *entry, const char *zone, const char *text,
                            const char *expected) {
            QTest::addRow("%s %s %s", entry, zone, text) << entry << zone << text << expected;
        };
        row("typed", "Europe/Berlin", "2027-06-21 22:00:00", "2027-06-21T20:00:00Z");
        row("typed over 0 4", "Europe/Berlin", "2027", "2027-06-21T12:00:00Z");
        row("typed over 11 2", "UTC", "22", "2026-06-21T22:00:00Z");
        row("pasted", "Europe/Berlin", "2027-06-21T22:00:00", "2027-06-21T20:00:00Z");
        row("pasted", "Europe/Berlin", "2027-06-21 22:00", "2027-06-21T20:00:00Z");
        row("typed", "Europe/Berlin", "2027-10-31 02:30", "2027-10-31T00:30:00Z first of two");
        row("typed", "UTC", "21/06/2027 22:00", "unreadable");
        row("read", "Europe/Berlin", "2027-03-28 02:00", "2027-03-28T01:00:00Z moved");
        row("read", "Europe/Berlin", "2027-03-28 03:00", "2027-03-28T01:00:00Z");
        row("read", "Australia/Lord_Howe", "2026-10-04 02:10", "2026-10-03T15:40:00Z moved");
        row("read", "UTC", " 2027-06-21 ", "2027-06-21T00:00:00Z");
        row("read", "UTC", "1900-03-01 00:00", "1900-03-01T00:00:00Z");
        row("read", "UTC", "1900-02-28 23:59:59", "out of range");
        row("read", "Europe/Berlin", "2100-03-01 00:59", "2100-02-28T23:59:00Z");
        row("read", "Europe/Berlin", "2100-03-01 01:00", "out of range");
        row("read", "UTC", "2027-02-29 12:00", "unreadable");
    }
    void goToDateAndTime()
    {
        QFETCH(QString, entry);
        QFETCH(QString, zone);
        QFETCH(QString, text);
        QFETCH(QString, expected);
        const QTimeZone timeZone(zone.toUtf8());
        GoToDateDialog dialog(kNoon, timeZone);
        auto *field = dialog.findChild<QLineEdit *>();
        if (const QStringList over = entry.split(' ').mid(2); over.size() == 2)
            field->setSelection(over[0].toInt(), over[1].toInt());
        QApplication::clipboard()->setText(text);
        if (entry == "pasted")
            QTest::keyClick(field, Qt::Key_V, Qt::ControlModifier);
        else if (entry != "read")
            QTest::keyClicks(field, text);
        const TypedTime typed =
            entry == "read" ? readTypedTime(text, timeZone) : dialog.typedTime();
        QCOMPARE(described(typed), expected);
        if (entry != "read") {
            const QPushButton *ok =
                dialog.findChild<QDialogButtonBox *>()->button(QDialogButtonBox::Ok);
            QCOMPARE(ok->isEnabled(), typed.instant.isValid());
            // Exact times need no word; the others say what happened.
            QCOMPARE(dialog.findChild<QLabel *>("goToNote")->text().isEmpty(),
                     typed.status == TypedTime::Exact);
        }
    }

    // Away from now the clock's fields change their look and a line says what
    // is shown, while the slider stays in its place.
    void awayFromNow()
    {
        TestApplication app(kZones, kNoon);
        app.model->selectZone("Europe/Berlin");
        app.window->resize(1300, app.window->height()); // room for every text
        app.window->show();
        QVERIFY(QTest::qWaitForWindowExposed(app.window.get()));
        const auto sliderPlace = [&app] {
            const auto *slider = app.child<QSlider>("timeSlider");
            return QRect(slider->mapTo(app.window.get(), QPoint()), slider->size());
        };
        const QRect nowSliderPlace = sliderPlace();
        app.model->setShownInstant(kNoon.addSecs(19 * 3600 + 1800));
        QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
        QCOMPARE(app.text("awayField"),
                 "Showing 22 June 2026, 09:30 CEST (+19 h 30 min) · Now: Alt+Home");
        QCOMPARE(app.child("dateField")->foregroundRole(), QPalette::Link);
        QCOMPARE(sliderPlace(), nowSliderPlace);
        app.model->showNow();
        QCOMPARE(app.text("awayField"), "");
        QCOMPARE(app.child("timeField")->font().italic(), false);
    }

    // The Eclipses dialog starts at the first eclipse after the shown instant, says whether
    // home (Madrid, inside the path's edge at sunset) sees it, and chooses its greatest.
    void eclipsesDialog()
    {
        EclipsesDialog dialog(kNoon, GeoPoint{40.42, -3.70}, nullptr);
        const auto *list = dialog.findChild<QTreeWidget *>("eclipseList");
        QVERIFY(list->topLevelItemCount() > 900);
        const QTreeWidgetItem *item = list->currentItem();
        QCOMPARE(item->text(0) + ' ' + item->text(5), "Total solar Yes");
        QCOMPARE(dialog.chosenInstant().toUTC().toString(Qt::ISODate), "2026-08-12T17:45:56Z");
        QCOMPARE(EclipsesDialog(kNoon, std::nullopt, nullptr)
                     .findChild<QTreeWidget *>("eclipseList")
                     ->currentItem()
                     ->text(5),
                 "");
    }

    // What the list says sorts as it means, its dates keep their century in every locale, and
    // what the map cannot show cannot be chosen.
    void eclipsesDialogSortsAndDates()
    {
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
        EclipsesDialog dialog(kNoon, std::nullopt, nullptr);
        QLocale::setDefault(QLocale::c());
        auto *list = dialog.findChild<QTreeWidget *>("eclipseList");
        QVERIFY(list->topLevelItem(0)->text(1).startsWith("5/28/1900"));
        list->sortItems(3, Qt::DescendingOrder);
        QVERIFY(list->topLevelItem(0)->text(3).startsWith("106 min"));
        list->sortItems(4, Qt::AscendingOrder);
        QVERIFY(!list->topLevelItem(0)->text(4).startsWith('-'));
        // The last, in September 2100, lies past the dates the map shows.
        list->sortItems(1, Qt::DescendingOrder);
        QVERIFY(list->topLevelItem(0)->isDisabled());
    }
};

QTEST_MAIN(TimeMachineTest)
#include "tst_timemachine.moc"
