#pragma once

#include <QLineEdit>

class QCompleter;
class QStandardItemModel;

/// A line to type a place in: a city ("Paris, TX"), a Maidenhead locator or
/// coordinates. Once a city's name is typed it lists every city of that name,
/// the most populous first, with its country and zone, so that the one meant
/// can be picked; picking one writes it with its country or state.
class PlaceField : public QLineEdit
{
    Q_OBJECT

public:
    explicit PlaceField(QWidget *parent = nullptr);

    /// The cities listed for the text typed, as picking them would write them.
    QStringList listedCities() const;
    /// Wide enough for its placeholder and for a place in degrees, minutes and
    /// seconds.
    QSize sizeHint() const override;

private:
    void listCities(const QString &text);

    QStandardItemModel *m_cities;
    QCompleter *m_completer;
};
