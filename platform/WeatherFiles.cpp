#include "platform/WeatherFiles.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QDateTime>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QImageReader>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTimeZone>

namespace {

/// A reason in English, as the command line says it, or in the user's
/// language, as the window does.
QString reason(const char *english, bool translated)
{
    return translated ? QCoreApplication::translate("WeatherFiles", english)
                      : QString::fromLatin1(english);
}

/// The bytes of a regular file no larger than limit, or why not.
QString readSmallFile(const QString &path, qint64 limit, QByteArray &bytes, qint64 *modified,
                      bool translated)
{
    const QFileInfo info(path);
    QFile file(path);
    // Only regular files: a device or a pipe could be endless.
    if (!info.exists())
        return reason(QT_TRANSLATE_NOOP("WeatherFiles", "no such file"), translated);
    if (!info.isFile() || !file.open(QIODevice::ReadOnly))
        return reason(QT_TRANSLATE_NOOP("WeatherFiles", "not a readable file"), translated);
    if (info.size() > limit)
        return reason(QT_TRANSLATE_NOOP("WeatherFiles", "larger than %1 MB"), translated)
            .arg(limit >> 20);
    bytes = file.read(limit + 1);
    if (file.error() != QFileDevice::NoError)
        return file.errorString();
    if (modified)
        *modified = info.lastModified().toSecsSinceEpoch();
    return {};
}

/// Whether a JPEG or PNG holds its end marker: Qt's decoders fill what is
/// missing of a cut-off file with grey and only warn.
bool endsWhole(const QByteArray &bytes, const QByteArray &format)
{
    if (format == "jpeg")
        return bytes.lastIndexOf(QByteArrayView("\xff\xd9", 2)) >= 0;
    if (format == "png")
        return bytes.lastIndexOf(QByteArrayView("IEND")) >= 0;
    return true;
}

/// An OVATION time, "2024-05-10T22:43:00Z"; one with no offset is UTC too.
std::optional<qint64> forecastTime(const QJsonValue &value)
{
    QDateTime time = QDateTime::fromString(value.toString(), Qt::ISODate);
    if (!time.isValid())
        return std::nullopt;
    if (time.timeSpec() == Qt::LocalTime)
        time = QDateTime(time.date(), time.time(), QTimeZone::utc());
    return time.toSecsSinceEpoch();
}

} // namespace

CloudMapReading parseCloudMap(const QByteArray &bytes, qint64 modifiedUnixSeconds, bool translated)
{
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer);
    const QByteArray format = reader.format();
    if (format != "jpeg" && format != "png")
        return {nullptr,
                reason(QT_TRANSLATE_NOOP("WeatherFiles", "not a JPEG or PNG image"), translated)};
    const QSize size = reader.size();
    if (const std::string_view problem = weather::cloudShapeProblem(size.width(), size.height());
        !problem.empty())
        return {nullptr, reason(QT_TRANSLATE_NOOP(
                                    "WeatherFiles",
                                    "a cloud map is an equirectangular image twice as wide "
                                    "as high, from %1 pixels wide to %2; this one is %3x%4, %5"),
                                translated)
                             .arg(weather::kSmallestCloudWidth)
                             .arg(weather::kLargestCloudWidth)
                             .arg(size.width())
                             .arg(size.height())
                             .arg(QLatin1String(problem.data(), qsizetype(problem.size())))};
    if (!endsWhole(bytes, format))
        return {nullptr,
                reason(QT_TRANSLATE_NOOP("WeatherFiles", "damaged data: the image ends early"),
                       translated)};
    // The comment of a JPEG, and a PNG's texts before its pixels, as Qt's
    // readers give them; asked after the pixels, the PNG reader reads on.
    QString texts;
    for (const QString &key : reader.textKeys())
        texts += reader.text(key) + QLatin1Char('\n');
    QImage image = reader.read();
    if (image.isNull())
        return {nullptr, reader.errorString()};
    if (image.size() != size)
        return {nullptr, reason(QT_TRANSLATE_NOOP("WeatherFiles",
                                                  "damaged data: its size changes as it is read"),
                                translated)};
    image.convertTo(QImage::Format_Grayscale8);
    auto map = std::make_shared<weather::CloudMap>();
    map->width = image.width();
    map->height = image.height();
    map->grey.resize(size_t(map->width) * size_t(map->height));
    for (int row = 0; row < map->height; ++row)
        std::copy_n(image.constScanLine(row), map->width,
                    map->grey.begin() + qsizetype(row) * map->width);
    const std::optional<int64_t> made = weather::timeInComment(texts.toStdString());
    map->madeUnixSeconds = made.value_or(modifiedUnixSeconds);
    return {std::move(map), {}};
}

CloudMapReading readCloudMap(const QString &path, bool translated)
{
    QByteArray bytes;
    qint64 modified = 0;
    if (const QString problem =
            readSmallFile(path, kMaxCloudFileBytes, bytes, &modified, translated);
        !problem.isEmpty())
        return {nullptr, problem};
    return parseCloudMap(bytes, modified, translated);
}

AuroraReading parseAuroraForecast(const QByteArray &bytes, bool translated)
{
    if (bytes.size() > weather::kMaxAuroraFileBytes)
        return {nullptr, reason(QT_TRANSLATE_NOOP("WeatherFiles",
                                                  "larger than %1 MB, not an aurora forecast"),
                                translated)
                             .arg(weather::kMaxAuroraFileBytes >> 20)};
    QJsonParseError parsed;
    const QJsonDocument document = QJsonDocument::fromJson(bytes, &parsed);
    if (parsed.error != QJsonParseError::NoError)
        return {nullptr,
                reason(QT_TRANSLATE_NOOP("WeatherFiles", "not JSON: %1 at byte %2"), translated)
                    .arg(parsed.errorString())
                    .arg(parsed.offset)};
    const QJsonObject object = document.object();
    auto forecast = std::make_shared<weather::AuroraForecast>();
    for (const auto &[key, time] :
         {std::pair{QLatin1String("Observation Time"), &forecast->observedUnixSeconds},
          std::pair{QLatin1String("Forecast Time"), &forecast->forecastUnixSeconds}}) {
        const std::optional<qint64> value = forecastTime(object.value(key));
        if (!value)
            return {nullptr,
                    reason(QT_TRANSLATE_NOOP("WeatherFiles", "no \"%1\" as an ISO 8601 time"),
                           translated)
                        .arg(key)};
        *time = *value;
    }
    const QJsonValue coordinates = object.value(QLatin1String("coordinates"));
    if (!coordinates.isArray())
        return {nullptr,
                reason(QT_TRANSLATE_NOOP("WeatherFiles", "no \"coordinates\" list"), translated)};
    const QJsonArray points = coordinates.toArray();
    for (qsizetype i = 0; i < points.size(); ++i) {
        const QJsonArray point = points.at(i).toArray();
        if (point.size() != 3 || !point.at(0).isDouble() || !point.at(1).isDouble() ||
            !point.at(2).isDouble())
            return {nullptr,
                    reason(QT_TRANSLATE_NOOP("WeatherFiles",
                                             "point %1 of \"coordinates\" is not [longitude, "
                                             "latitude, value]"),
                           translated)
                        .arg(i + 1)};
        const double longitude = point.at(0).toDouble(), latitude = point.at(1).toDouble();
        if (const std::string_view problem =
                forecast->setPoint(longitude, latitude, point.at(2).toDouble());
            !problem.empty())
            return {nullptr,
                    reason(QT_TRANSLATE_NOOP("WeatherFiles", "point %1 of \"coordinates\": %2"),
                           translated)
                        .arg(i + 1)
                        .arg(QLatin1String(problem.data(), qsizetype(problem.size())))};
    }
    // Each point set once and as many points as the grid has: all are set.
    if (points.size() != weather::kAuroraPoints)
        return {nullptr,
                reason(QT_TRANSLATE_NOOP("WeatherFiles", "\"coordinates\" holds %1 points, not %2"),
                       translated)
                    .arg(points.size())
                    .arg(weather::kAuroraPoints)};
    return {std::move(forecast), {}};
}

AuroraReading readAuroraForecast(const QString &path, bool translated)
{
    QByteArray bytes;
    if (const QString problem =
            readSmallFile(path, weather::kMaxAuroraFileBytes, bytes, nullptr, translated);
        !problem.isEmpty())
        return {nullptr, problem};
    return parseAuroraForecast(bytes, translated);
}
