#include "model/HomeAndTarget.h"

#include "platform/Log.h"

#include <mutex>

places::PlaceResult placeNamedBy(const QString &text)
{
    const places::CityList &cities = places::CityList::shared();
    static std::once_flag logged;
    if (cities.empty()) {
        std::call_once(logged, [&cities] {
            logWarning(QString::fromStdString(cities.loadError()) +
                       QStringLiteral("; city names cannot be used as places"));
        });
    }
    return places::resolvePlace(text.toStdString(), cities);
}
