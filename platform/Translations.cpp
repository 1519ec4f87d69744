#include "platform/Translations.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QTranslator>

#include "readouts/ReadoutTexts.h"

QString installTranslators(const QLocale &locale, const QString &directory)
{
    // English needs no catalogue: the code's strings are the English texts.
    auto *own = new QTranslator(QCoreApplication::instance());
    if (!own->load(locale, QStringLiteral("duskmap"), QStringLiteral("_"), directory)) {
        delete own;
        return {};
    }
    QCoreApplication::installTranslator(own);
    // Qt's catalogue only in the language the program speaks, so that one
    // window does not mix two languages.
    auto *qt = new QTranslator(QCoreApplication::instance());
    if (qt->load(QLocale(own->language()), QStringLiteral("qtbase"), QStringLiteral("_"),
                 QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(qt);
    else
        delete qt;
    return own->language();
}

QStringList catalogueLanguages(const QString &directory)
{
    QStringList languages;
    for (const QString &file : QDir(directory).entryList({QStringLiteral("duskmap_*.qm")}))
        languages.append(file.mid(8, file.size() - 11));
    return languages;
}

bool usesEnglishTexts(const QLocale &locale)
{
    // The system locale takes its language from LANGUAGE, for the messages,
    // but formats as LC_TIME says; the formats are what matters here.
    if (locale == QLocale::system()) {
        QString formats = qEnvironmentVariable("LC_ALL");
        if (formats.isEmpty())
            formats = qEnvironmentVariable("LC_TIME");
        if (formats.isEmpty())
            formats = qEnvironmentVariable("LANG");
        return formats.isEmpty() || formats == QLatin1String("C") ||
               formats == QLatin1String("POSIX") || formats.startsWith(QLatin1String("C.")) ||
               formats.startsWith(QLatin1String("en"));
    }
    return locale.language() == QLocale::C || locale.language() == QLocale::English;
}

QString longDateText(const QDate &date, const QLocale &locale)
{
    if (!usesEnglishTexts(locale))
        return locale.toString(date, QLocale::LongFormat);
    LocalFields fields;
    fields.year = date.year();
    fields.month = date.month();
    fields.day = date.day();
    fields.weekday = date.dayOfWeek();
    return QString::fromStdString(dateText(fields));
}

namespace {

// The readouts' labels and hemisphere letters, for readoutText.
[[maybe_unused]] constexpr const char *kReadoutWords[] = {
    QT_TRANSLATE_NOOP("Readouts", "Sunrise"),
    QT_TRANSLATE_NOOP("Readouts", "Sunset"),
    QT_TRANSLATE_NOOP("Readouts", "Latitude"),
    QT_TRANSLATE_NOOP("Readouts", "Longitude"),
    QT_TRANSLATE_NOOP("Readouts", "Sun never sets"),
    QT_TRANSLATE_NOOP("Readouts", "Sun never rises"),
    //: Hemisphere letter after a latitude: north
    QT_TRANSLATE_NOOP("Readouts", "N"),
    //: Hemisphere letter after a latitude: south
    QT_TRANSLATE_NOOP("Readouts", "S"),
    //: Hemisphere letter after a longitude: east
    QT_TRANSLATE_NOOP("Readouts", "E"),
    //: Hemisphere letter after a longitude: west
    QT_TRANSLATE_NOOP("Readouts", "W"),
};

} // namespace

QString readoutValue(const std::string &value, char hemisphere)
{
    QString text = QString::fromStdString(value);
    if (!value.empty() && hemisphere != 0)
        text +=
            QLatin1Char(' ') + QCoreApplication::translate("Readouts", QByteArray(1, hemisphere));
    return text;
}

QString readoutText(const char *label, const QString &value)
{
    if (value.isEmpty())
        return {};
    return QCoreApplication::translate("Readouts", label) + QStringLiteral(": ") + value;
}
