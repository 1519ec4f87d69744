#include "platform/LocalizedStrings.h"

#include "platform/Log.h"

#include <QTranslator>

namespace {

// Compiled strings tables are embedded as ":/duskmap/translations/duskmap_<language>.qm";
// every entry lives in one context, whatever code asks for it.
constexpr char kContext[] = "Localizable";

/// The table for one locale, backed by the English one: a translator may cover
/// only part of the keys, and English fills the gaps before the bare key does.
class StringTables
{
public:
    StringTables(const QLocale &locale, const QString &dir)
    {
        // Most languages have no table of their own; an unloaded translator
        // simply finds nothing. The English table is always meant to be there.
        (void)m_preferred.load(locale, QStringLiteral("duskmap"), QStringLiteral("_"), dir);
        if (!m_english.load(QStringLiteral("duskmap_en"), dir))
            logWarningOnce(QStringLiteral("Cannot load the strings table duskmap_en.qm in %1; "
                                          "menu titles show their keys")
                               .arg(dir));
    }

    QString lookup(const QString &key) const
    {
        const QByteArray source = key.toUtf8();
        for (const QTranslator *table : {&m_preferred, &m_english}) {
            const QString text = table->translate(kContext, source.constData());
            if (!text.isEmpty())
                return text;
        }
        return key;
    }

private:
    QTranslator m_preferred;
    QTranslator m_english;
};

} // namespace

QString localizedString(const QString &key)
{
    static const StringTables tables{QLocale(), QStringLiteral(":/duskmap/translations")};
    return tables.lookup(key);
}

QString localizedString(const QString &key, const QLocale &locale, const QString &directory)
{
    return StringTables(locale, directory).lookup(key);
}
