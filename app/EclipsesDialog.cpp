#include "app/EclipsesDialog.h"

#include "eclipses/LocalCircumstances.h"
#include "model/ShownRange.h"
#include "platform/CoordinateText.h"

#include <QDialogButtonBox>
#include <QHeaderView>
#include <QLocale>
#include <QPushButton>
#include <QTimeZone>
#include <QTimer>
#include <QTreeWidget>
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>

namespace {

QString typeText(const eclipses::Eclipse &e)
{
    using eclipses::Type;
    if (e.kind == eclipses::Kind::Lunar)
        return e.type == Type::Total     ? EclipsesDialog::tr("Total lunar")
               : e.type == Type::Partial ? EclipsesDialog::tr("Partial lunar")
                                         : EclipsesDialog::tr("Penumbral lunar");
    return e.type == Type::Total     ? EclipsesDialog::tr("Total solar")
           : e.type == Type::Annular ? EclipsesDialog::tr("Annular solar")
           : e.type == Type::Hybrid  ? EclipsesDialog::tr("Hybrid solar")
                                     : EclipsesDialog::tr("Partial solar");
}

QString durationText(double seconds)
{
    if (!(seconds > 0.0))
        return QStringLiteral("–");
    const auto whole = qint64(std::llround(seconds));
    //: A duration of totality or annularity: %1 minutes, %2 seconds
    return EclipsesDialog::tr("%1 min %2 s")
        .arg(whole / 60)
        .arg(whole % 60, 2, 10, QLatin1Char('0'));
}

/// The locale's short date and time with the year in full: the list spans
/// two centuries, where "1/2/00" could be either.
QString greatestText(const QLocale &locale, const QDateTime &greatest)
{
    QString format = locale.dateTimeFormat(QLocale::ShortFormat);
    if (!format.contains(QLatin1String("yyyy")))
        format.replace(QLatin1String("yy"), QLatin1String("yyyy"));
    return locale.toString(greatest, format);
}

/// Sorts by what each column means rather than by its text: times, seconds
/// and magnitudes as numbers, whatever the locale writes.
class EclipseItem final : public QTreeWidgetItem
{
public:
    using QTreeWidgetItem::QTreeWidgetItem;
    static constexpr int kSortRole = Qt::UserRole + 1;
    bool operator<(const QTreeWidgetItem &other) const override
    {
        const int column = treeWidget() ? treeWidget()->sortColumn() : 0;
        return QVariant::compare(data(column, kSortRole), other.data(column, kSortRole)) ==
               QPartialOrdering::Less;
    }
};

bool seenFrom(const eclipses::Eclipse &e, const GeoPoint &home)
{
    if (e.kind == eclipses::Kind::Lunar)
        return eclipses::lunarLocalCircumstances(e, home).seen;
    return eclipses::solarLocalCircumstances(e, home).seen != eclipses::Seen::None;
}

} // namespace

EclipsesDialog::EclipsesDialog(const QDateTime &shown, const std::optional<GeoPoint> &home,
                               QWidget *parent)
    : QDialog(parent), m_list(new QTreeWidget(this))
{
    setWindowTitle(tr("Eclipses"));
    m_list->setObjectName(QStringLiteral("eclipseList"));
    m_list->setRootIsDecorated(false);
    m_list->setUniformRowHeights(true);
    //: The list's name for screen readers: %1 and %2 the first and last years it covers
    m_list->setAccessibleName(
        tr("Eclipses from %1 to %2").arg(eclipses::kFirstYear).arg(eclipses::kLastYear));
    m_list->setHeaderLabels({tr("Type"), tr("Greatest (UT)"), tr("Place of greatest"),
                             tr("Duration"), tr("Magnitude"), tr("Seen from home")});
    const QLocale locale;
    const double from = shown.toMSecsSinceEpoch() / 1000.0;
    QTreeWidgetItem *first = nullptr;
    for (const eclipses::Eclipse &e : eclipses::allEclipses()) {
        const QDateTime greatest = QDateTime::fromMSecsSinceEpoch(
            qint64(std::llround(e.greatest * 1000.0)), QTimeZone::utc());
        // A penumbral eclipse's umbral magnitude is below zero: its penumbral
        // one says how deep it goes.
        const double magnitude =
            e.type == eclipses::Type::Penumbral ? e.penumbralMagnitude : e.magnitude;
        // Without home: -1, and the column hidden.
        const int seen = home ? int(seenFrom(e, *home)) : -1;
        auto *item = new EclipseItem(
            m_list, {typeText(e), greatestText(locale, greatest), shownCoordinates(e.place, 1),
                     durationText(e.durationSeconds), locale.toString(magnitude, 'f', 3),
                     seen < 0 ? QString()
                     : seen   ? tr("Yes")
                              : tr("No")});
        item->setData(0, Qt::UserRole, greatest);
        const QVariant keys[] = {item->text(0),     e.greatest, e.place.latitude,
                                 e.durationSeconds, magnitude,  seen};
        for (int column = 0; column < int(std::size(keys)); ++column)
            item->setData(column, EclipseItem::kSortRole, keys[column]);
        // Listed with the rest, but the map cannot go where its sums fail.
        item->setDisabled(greatest.date() < kFirstShownDate || greatest.date() > kLastShownDate);
        if (!first && e.greatest > from && !item->isDisabled())
            first = item;
    }
    for (int column = 0; column < m_list->columnCount(); ++column)
        m_list->resizeColumnToContents(column);
    m_list->setColumnHidden(5, !home);
    m_list->sortByColumn(1, Qt::AscendingOrder);
    m_list->setSortingEnabled(true);
    if (first) {
        m_list->setCurrentItem(first);
        // Once the list has its size, or the chosen row stays at its edge.
        QTimer::singleShot(0, m_list, [this] {
            m_list->scrollToItem(m_list->currentItem(), QAbstractItemView::PositionAtCenter);
        });
    }
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    //: Shows the eclipse chosen in the list at its greatest
    buttons->button(QDialogButtonBox::Ok)->setText(tr("&Go There"));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(m_list, &QTreeWidget::itemActivated, this, &QDialog::accept);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_list);
    layout->addWidget(buttons);
    resize(std::max(640, m_list->header()->length() + 40), 480);
}

QDateTime EclipsesDialog::chosenInstant() const
{
    const QTreeWidgetItem *item = m_list->currentItem();
    return item ? item->data(0, Qt::UserRole).toDateTime() : QDateTime();
}
