#include "app/PreferencesDialog.h"

#include "model/MapModel.h"
#include "model/MapViews.h"
#include "model/ShownTexts.h"
#include "widgets/ZoneFinder.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

PreferencesDialog::PreferencesDialog(MapModel &model, ZoneCountries countries, QWidget *parent)
    : QDialog(parent), m_model(model)
{
    setWindowTitle(tr("Duskmap Preferences"));
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(createLayerBox());
    layout->addWidget(createClockBox(std::move(countries)));
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);
}

QWidget *PreferencesDialog::createLayerBox()
{
    auto *box = new QGroupBox(tr("Shown on the map"), this);
    auto *layout = new QVBoxLayout(box);
    // The view, as in View → Projection.
    auto *views = new QComboBox(box);
    for (const MapViewInfo &info : kMapViews)
        views->addItem(QCoreApplication::translate("MapView", info.title));
    views->setCurrentIndex(int(m_model.view()));
    connect(views, &QComboBox::activated, this,
            [this](int index) { m_model.setView(kMapViews.at(std::size_t(index)).view); });
    connect(&m_model, &MapModel::viewChanged, views, [this, views] {
        const QSignalBlocker blocker(views);
        views->setCurrentIndex(int(m_model.view()));
    });
    auto *viewRow = new QFormLayout;
    viewRow->addRow(tr("&Projection:"), views);
    layout->addLayout(viewRow);
    for (const MapLayerInfo &layer : kMapLayers) {
        if (!layer.name)
            continue;
        auto *check = new QCheckBox(QCoreApplication::translate("MapLayer", layer.name), box);
        check->setChecked(m_model.isLayerShown(layer.layer));
        connect(check, &QCheckBox::toggled, this,
                [this, id = layer.layer](bool on) { m_model.setLayerShown(id, on); });
        connect(&m_model, &MapModel::layerShownChanged, check,
                [check, id = layer.layer](MapLayer changed, bool on) {
                    if (changed == id) {
                        const QSignalBlocker blocker(check);
                        check->setChecked(on);
                    }
                });
        layout->addWidget(check);
    }
    return box;
}

QWidget *PreferencesDialog::createClockBox(ZoneCountries countries)
{
    auto *box = new QGroupBox(tr("World clocks"), this);
    auto *layout = new QVBoxLayout(box);
    auto *add = new QComboBox(box);
    add->setAccessibleName(tr("Add a world clock"));
    add->addItems(m_model.offeredZones());
    add->setCurrentIndex(-1);
    auto *finder = new ZoneFinder(add, m_model.offeredZones(), std::move(countries));
    add->lineEdit()->setPlaceholderText(tr("Type a city, a country or a zone to add its clock"));
    connect(finder, &ZoneFinder::zoneChosen, this,
            [this](const QString &zone) { m_model.pinZone(zone); });
    connect(add, &QComboBox::activated, this, [this, add] { m_model.pinZone(add->currentText()); });
    layout->addWidget(add);

    auto *row = new QHBoxLayout;
    m_pins = new QListWidget(box);
    m_pins->setAccessibleName(tr("World clocks"));
    row->addWidget(m_pins, 1);
    auto *buttons = new QVBoxLayout;
    m_remove = new QPushButton(tr("&Remove"), box);
    m_up = new QPushButton(tr("Move &Up"), box);
    m_down = new QPushButton(tr("Move &Down"), box);
    for (QPushButton *button : {m_remove, m_up, m_down})
        buttons->addWidget(button);
    buttons->addStretch();
    row->addLayout(buttons);
    layout->addLayout(row);
    connect(m_remove, &QPushButton::clicked, this, [this] {
        if (QListWidgetItem *item = m_pins->currentItem())
            m_model.unpinZone(item->data(Qt::UserRole).toString());
    });
    connect(m_up, &QPushButton::clicked, this, [this] { movePin(-1); });
    connect(m_down, &QPushButton::clicked, this, [this] { movePin(+1); });
    connect(m_pins, &QListWidget::currentRowChanged, this, [this](int row) {
        m_remove->setEnabled(row >= 0);
        m_up->setEnabled(row > 0);
        m_down->setEnabled(row >= 0 && row + 1 < m_pins->count());
    });
    connect(&m_model, &MapModel::pinnedZonesChanged, this, &PreferencesDialog::showPins);
    showPins();
    return box;
}

void PreferencesDialog::showPins()
{
    const QString current =
        m_pins->currentItem() ? m_pins->currentItem()->data(Qt::UserRole).toString() : QString();
    m_pins->clear();
    for (const QString &zone : m_model.pinnedZones()) {
        auto *item = new QListWidgetItem(
            tr("%1, %2", "a city and its time zone's id").arg(cityOf(zone), zone), m_pins);
        item->setData(Qt::UserRole, zone);
        if (zone == current)
            m_pins->setCurrentItem(item);
    }
    emit m_pins->currentRowChanged(m_pins->currentRow());
    // An empty list would show no sign of the focus, and offers nothing to do.
    m_pins->setFocusPolicy(m_pins->count() ? Qt::StrongFocus : Qt::NoFocus);
}

void PreferencesDialog::movePin(int step)
{
    QStringList pins = m_model.pinnedZones();
    const int row = m_pins->currentRow();
    if (row < 0 || row + step < 0 || row + step >= pins.size())
        return;
    pins.move(row, row + step);
    m_model.setPinnedZones(pins);
}
