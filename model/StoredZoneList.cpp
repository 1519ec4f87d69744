#include "model/StoredZoneList.h"

#include "platform/Log.h"

QStringList storedZoneList(const QVariant &value, const QString &key, int maxCount)
{
    if (!value.isValid())
        return {};
    if (value.typeId() == QMetaType::QString)
        return value.toString().isEmpty() ? QStringList() : QStringList{value.toString()};
    bool malformed =
        value.typeId() != QMetaType::QStringList && value.typeId() != QMetaType::QVariantList;
    const QVariantList entries = malformed ? QVariantList() : value.toList();
    // A longer list than the window keeps is read no further.
    malformed = malformed || entries.size() > maxCount;
    QStringList names;
    for (const QVariant &entry : entries.mid(0, maxCount)) {
        if (entry.typeId() == QMetaType::QString)
            names.append(entry.toString());
        else
            malformed = true;
    }
    if (malformed)
        logWarning(QStringLiteral("The preference \"%1\" is not a list of at most %2 zones; "
                                  "%3 of them kept")
                       .arg(key)
                       .arg(maxCount)
                       .arg(names.size()));
    return names;
}
