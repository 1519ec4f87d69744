#include "zones/ClockChange.h"

#include "platform/Translations.h"

#include <QCoreApplication>

#include <cstdlib>

std::optional<ClockChange> nextClockChange(const QTimeZone &zone, const QDateTime &from)
{
    if (!zone.isValid() || !zone.hasTransitions())
        return std::nullopt;
    const QDateTime limit = from.toUTC().addYears(1);
    int offset = zone.offsetFromUtc(from);
    QDateTime after = from;
    // Some transitions change only the name or the split between standard and
    // daylight time; the clocks do not move for those.
    for (int step = 0; step < 32; ++step) {
        const QTimeZone::OffsetData next = zone.nextTransition(after);
        if (!next.atUtc.isValid() || next.atUtc > limit || next.atUtc <= after)
            return std::nullopt;
        if (next.offsetFromUtc != offset)
            return ClockChange{next.atUtc.toUTC(), offset, next.offsetFromUtc};
        offset = next.offsetFromUtc;
        after = next.atUtc;
    }
    return std::nullopt;
}

QString clockChangeText(const ClockChange &change)
{
    const int shift = change.offsetAfterSeconds - change.offsetBeforeSeconds;
    const int minutes = std::abs(shift) / 60;
    QString amount;
    if (minutes / 60 > 0)
        //: How far the clocks move: whole hours ("1 h")
        amount = QCoreApplication::translate("ClockChange", "%1 h").arg(minutes / 60);
    if (minutes % 60 > 0)
        //: How far the clocks move: minutes, after any hours ("30 min")
        amount += QCoreApplication::translate("ClockChange", "%1%2 min")
                      .arg(amount.isEmpty() ? QString() : QStringLiteral(" "))
                      .arg(minutes % 60);
    const QDateTime local = change.instant.toOffsetFromUtc(change.offsetBeforeSeconds);
    const QString time = QStringLiteral("%1:%2")
                             .arg(local.time().hour())
                             .arg(local.time().minute(), 2, 10, QLatin1Char('0'));
    //: %1: how far ("1 h"), %2: the date, %3: the time on the clocks before the change
    const QString forward =
        QCoreApplication::translate("ClockChange", "Clocks go forward %1 on %2 at %3");
    //: %1: how far ("1 h"), %2: the date, %3: the time on the clocks before the change
    const QString back =
        QCoreApplication::translate("ClockChange", "Clocks go back %1 on %2 at %3");
    return (shift > 0 ? forward : back).arg(amount, longDateText(local.date()), time);
}
