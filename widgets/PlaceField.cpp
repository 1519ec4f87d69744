#include "widgets/PlaceField.h"

#include "model/HomeAndTarget.h"
#include "places/CityList.h"
#include "places/PlaceText.h"
#include "zones/LocalZoneNames.h"

#include <QAbstractItemView>
#include <QCompleter>
#include <QLocale>
#include <QStandardItemModel>
#include <QStyle>
#include <QStyleOptionFrame>

#include <algorithm>

namespace {
// As many as a list shows without scrolling: a name shared by more cities
// than this is narrowed with its country.
constexpr std::size_t kMostCitiesListed = 12;
/// The text a listed city writes into the field.
constexpr int kPlaceTextRole = Qt::UserRole + 1;
} // namespace

namespace {
/// The text that names this city by this name rather than a larger one of
/// its name: with its country's code, else its region's, else its coordinates.
QString placeTextOf(const places::CityList &cities, uint32_t city, const std::string &name)
{
    for (const std::string_view qualifier : {cities.country(city), cities.region(city)}) {
        const std::vector<uint32_t> named = cities.find(name, qualifier);
        if (!qualifier.empty() && !named.empty() && named.front() == city)
            return QString::fromStdString(name + ", " + std::string(qualifier));
    }
    return coordinatesText(cities.place(city));
}
} // namespace

PlaceField::PlaceField(QWidget *parent)
    : QLineEdit(parent), m_cities(new QStandardItemModel(this)),
      m_completer(new QCompleter(m_cities, this))
{
    //: Placeholder of the home and target fields: the forms a place may be typed in
    setPlaceholderText(tr("A city, a locator such as JO62qm, or 52.52, 13.40"));
    // The list holds only the cities of the name typed: nothing to filter.
    m_completer->setCompletionMode(QCompleter::UnfilteredPopupCompletion);
    m_completer->setCompletionRole(kPlaceTextRole);
    m_completer->setWidget(this);
    connect(this, &QLineEdit::textEdited, this, &PlaceField::listCities);
    connect(m_completer, qOverload<const QString &>(&QCompleter::activated), this,
            [this](const QString &text) {
                setText(text);
                emit editingFinished();
            });
}

QSize PlaceField::sizeHint() const
{
    const QFontMetrics metrics(font());
    const int text =
        std::max(metrics.horizontalAdvance(placeholderText()),
                 metrics.horizontalAdvance(QStringLiteral("52° 31' 12.5\" N, 113° 24' 36.5\" W")));
    QStyleOptionFrame option;
    initStyleOption(&option);
    const QMargins margins = textMargins();
    // With the line edit's own inner margin of 2 on each side, and room for the cursor.
    const QSize contents(text + margins.left() + margins.right() + 4 + metrics.averageCharWidth(),
                         metrics.height());
    const QSize hint = QLineEdit::sizeHint();
    return {
        std::max(hint.width(),
                 style()->sizeFromContents(QStyle::CT_LineEdit, &option, contents, this).width()),
        hint.height()};
}

QStringList PlaceField::listedCities() const
{
    QStringList listed;
    for (int row = 0; row < m_cities->rowCount(); ++row)
        listed << m_cities->item(row)->data(kPlaceTextRole).toString();
    return listed;
}

void PlaceField::listCities(const QString &text)
{
    m_cities->clear();
    const places::PlaceText typed = places::parsePlaceText(text.toStdString());
    if (typed.kind != places::PlaceText::Kind::CityName) {
        m_completer->popup()->hide();
        return;
    }
    const places::CityList &cities = places::CityList::shared();
    const std::vector<uint32_t> found = cities.find(typed.name, typed.qualifier);
    for (std::size_t i = 0; i < found.size() && i < kMostCitiesListed; ++i) {
        const uint32_t city = found[i];
        const std::string shown = cities.nameFoundBy(city, typed.name);
        const QString name = QString::fromStdString(shown);
        const QString country = QString::fromUtf8(cities.country(city));
        // A state tells the United States' cities of one name apart.
        const QString qualifier =
            country == QLatin1String("US") ? QString::fromUtf8(cities.region(city)) : country;
        const QString where =
            country == QLatin1String("US")
                ? tr("%1, %2", "a state and its country").arg(qualifier, countryName(country))
                : countryName(country);
        auto *item = new QStandardItem(
            //: A city in the list of cities of a name: %1 the city, %2 its country, %3 its time
            //: zone
            tr("%1, %2 · %3").arg(name, where, QString::fromStdString(cities.zone(city))));
        item->setData(placeTextOf(cities, city, shown), kPlaceTextRole);
        m_cities->appendRow(item);
    }
    if (m_cities->rowCount() > 0) {
        // As wide as its longest line, which names the city's country and zone.
        QAbstractItemView *list = m_completer->popup();
        const int needed = list->sizeHintForColumn(0) + 2 * list->frameWidth() +
                           style()->pixelMetric(QStyle::PM_ScrollBarExtent);
        m_completer->complete(QRect(0, 0, std::max(width(), needed), height()));
    } else
        m_completer->popup()->hide();
}
