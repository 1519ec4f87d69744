#include "zones/ClockChange.h"

#include "readouts/ReadoutTexts.h"

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
        amount = QStringLiteral("%1 h").arg(minutes / 60);
    if (minutes % 60 > 0)
        amount += QStringLiteral("%1%2 min")
                      .arg(amount.isEmpty() ? QString() : QStringLiteral(" "))
                      .arg(minutes % 60);
    const QDateTime local = change.instant.toOffsetFromUtc(change.offsetBeforeSeconds);
    LocalFields fields;
    fields.year = local.date().year();
    fields.month = local.date().month();
    fields.day = local.date().day();
    fields.weekday = local.date().dayOfWeek();
    return QStringLiteral("Clocks go %1 %2 on %3 at %4:%5")
        .arg(shift > 0 ? QStringLiteral("forward") : QStringLiteral("back"), amount,
             QString::fromStdString(dateText(fields)))
        .arg(local.time().hour())
        .arg(local.time().minute(), 2, 10, QLatin1Char('0'));
}
