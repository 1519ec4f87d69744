#pragma once

#include "zones/ZoneSearch.h"

#include <QObject>

class QComboBox;
class QCompleter;
class QStandardItemModel;
class QWidget;

/// Makes a zone combo box searchable: typing narrows the zones to those the text
/// finds (zoneMatches()), best first, in a list under the box, or says that
/// none matches. Enter or a click chooses the highlighted zone as a choice from
/// the box's own list does; Enter with the list closed chooses the zone the
/// text names (zoneNamedBy()), or opens the list; Escape gives back the current zone's name.
/// Without typing the box steps and opens as before, and it always shows the current zone once the
/// search ends.
class ZoneFinder : public QObject
{
    Q_OBJECT

public:
    /// Searches \a offered, the zones the box lists, by their ids, their
    /// countries, their local names and the listed cities.
    ZoneFinder(QComboBox *box, QStringList offered, ZoneCountries countries);

    /// The zone the box shows when no search is under way; none by default.
    void setCurrentZone(const QString &zone);

    /// The list under the box as it shows: the zones the typed text finds,
    /// each as "city, id", or the line saying that none matches.
    QStringList shownMatches() const;

signals:
    /// A zone was chosen: from the list, or by Enter on what was typed.
    void zoneChosen(const QString &zone);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void search(const QString &text);
    void choose(const QString &zone);
    void chooseTyped();
    void showSelectedZone();
    /// Puts a list of the box under it, or above it, within popupArea().
    void keepBesideBox(QWidget *list) const;

    QComboBox *m_popUp;
    const QStringList m_offered;
    const ZoneCountries m_countries;
    /// The cities' and countries' names in the user's language.
    const LocalZoneNames m_local;
    QString m_current;
    static constexpr int kZoneRole = Qt::UserRole;
    QStandardItemModel *m_matches;
    QCompleter *m_completer;
};
