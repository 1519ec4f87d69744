#include "app/FramePattern.h"

int frameFieldCount(const QString &pattern)
{
    int fields = 0;
    for (qsizetype i = 0; i < pattern.size(); ++i) {
        if (pattern[i] != QLatin1Char('%'))
            continue;
        const QStringView rest = QStringView(pattern).mid(i + 1);
        if (rest.startsWith(QLatin1Char('%'))) {
            i += 1;
        } else if (rest.startsWith(QLatin1Char('d'))) {
            ++fields;
            i += 1;
        } else if (rest.size() >= 3 && rest[0] == QLatin1Char('0') && rest[1] >= QLatin1Char('1') &&
                   rest[1] <= QLatin1Char('9') && rest[2] == QLatin1Char('d')) {
            ++fields;
            i += 3;
        } else {
            return -1;
        }
    }
    return fields;
}

QString frameFileName(const QString &pattern, qint64 frame)
{
    QString name;
    for (qsizetype i = 0; i < pattern.size(); ++i) {
        const QStringView rest = QStringView(pattern).mid(i + 1);
        if (pattern[i] != QLatin1Char('%')) {
            name += pattern[i];
        } else if (rest.startsWith(QLatin1Char('%'))) {
            name += QLatin1Char('%');
            i += 1;
        } else if (rest.startsWith(QLatin1Char('d'))) {
            name += QString::number(frame);
            i += 1;
        } else if (rest.size() >= 3 && rest[2] == QLatin1Char('d')) {
            name += QStringLiteral("%1").arg(frame, rest[1].digitValue(), 10, QLatin1Char('0'));
            i += 3;
        }
    }
    return name;
}
