#pragma once

#include <QDate>
#include <QLocale>
#include <QString>
#include <QStringList>

#include <string>

/// Installs the program's catalogue and Qt's own (file dialog, standard
/// buttons) for the first of the user's languages that has one
/// (QLocale::uiLanguages(): LANGUAGE, then LC_MESSAGES and LANG). Strings
/// without a translation stay in English, as written in the code. Returns the
/// language of the program's catalogue, or an empty text for none.
QString installTranslators(const QLocale &locale = QLocale(),
                           const QString &directory = QStringLiteral(":/duskmap/translations"));

/// The languages of the program's catalogues: "de", "pt_BR", ...
QStringList catalogueLanguages(const QString &directory = QStringLiteral(":/duskmap/translations"));

/// Whether dates and numbers keep the English formats the program has always
/// written: under C, POSIX and every English locale.
bool usesEnglishTexts(const QLocale &locale = QLocale());

/// A date as the readouts write it: "Monday, December 7, 2026" in English,
/// else the locale's long date ("Montag, 7. Dezember 2026").
QString longDateText(const QDate &date, const QLocale &locale = QLocale());

/// A readout's value in the user's language: as the readouts write it, and
/// its hemisphere letter (none for 0) translated: " 40° 42' N" in German.
QString readoutValue(const std::string &value, char hemisphere = 0);
/// The readout with its English label ("Sunrise", "Latitude") translated:
/// "Breite:  40° 42' N". The numbers keep their places; an empty value gives
/// an empty text.
QString readoutText(const char *label, const QString &value);
