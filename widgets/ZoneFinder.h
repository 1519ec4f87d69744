#pragma once

#include "zones/ZoneSearch.h"

#include <QObject>

class MapModel;
class QComboBox;
class QCompleter;
class QStandardItemModel;

/// Makes a zone combo box searchable: typing narrows the zones to those the text
/// finds, best first, in a list under the box, or says that none matches.
/// Enter or a click chooses the highlighted zone as a choice from the box's
/// own list does; Enter with the list closed chooses the one zone the text
/// finds, or opens the list; Escape gives back the selected zone's name. Without typing the box
/// steps and opens as before, and it always shows the selected zone once the search ends.
class ZoneFinder : public QObject
{
    Q_OBJECT

public:
    ZoneFinder(QComboBox *popUp, MapModel &model, ZoneCountries countries);

    /// The list under the box as it shows: the zones the typed text finds,
    /// each as "city, id", or the line saying that none matches.
    QStringList shownMatches() const;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void search(const QString &text);
    void choose(const QString &zone);
    void chooseTyped();
    void showSelectedZone();

    QComboBox *m_popUp;
    MapModel &m_model;
    const ZoneCountries m_countries;
    static constexpr int kZoneRole = Qt::UserRole;
    QStandardItemModel *m_matches;
    QCompleter *m_completer;
};
