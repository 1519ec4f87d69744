#include "app/PreferencesDialog.h"

#include "model/MapModel.h"
#include "model/MapViews.h"
#include "model/ShownTexts.h"
#include "widgets/PlaceField.h"
#include "widgets/ZoneFinder.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QDoubleSpinBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QScreen>
#include <QSignalBlocker>
#include <QVBoxLayout>

PreferencesDialog::PreferencesDialog(MapModel &model, ZoneCountries countries, QWidget *parent)
    : QDialog(parent), m_model(model)
{
    // The desktop adds the program's name.
    setWindowTitle(tr("Preferences"));
    // Two columns, so that the dialog fits a small screen under large text:
    // what the map shows, and the places and clocks.
    auto *layout = new QVBoxLayout(this);
    auto *columns = new QHBoxLayout;
    columns->addWidget(createLayerBox(), 0, Qt::AlignTop);
    auto *places = new QVBoxLayout;
    places->addWidget(createPlaceBox());
    places->addWidget(createClockBox(std::move(countries)), 1);
    columns->addLayout(places, 1);
    layout->addLayout(columns);
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);
    // Its whole width where the screen has it, not the two thirds of the
    // screen that Qt gives a window by default.
    if (const QScreen *screen = this->screen())
        resize(sizeHint().boundedTo(screen->availableGeometry().size()));
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

QWidget *PreferencesDialog::createPlaceBox()
{
    //: Group of the preferences: the user's own place and a far place, with the paths between
    auto *box = new QGroupBox(tr("Home and target"), this);
    auto *form = new QFormLayout(box);
    form->setFieldGrowthPolicy(QFormLayout::AllNonFixedFieldsGrow);
    for (const PlaceEndInfo &end : kPlaceEnds) {
        auto *field = new PlaceField(box);
        m_placeFields[std::size_t(end.end)] = field;
        form->addRow(QCoreApplication::translate("PlaceEnd", end.fieldLabel), field);
        connect(field, &QLineEdit::editingFinished, this, [this, id = end.end] { takePlace(id); });
    }
    m_placeProblem = new QLabel(box);
    m_placeProblem->setObjectName(QStringLiteral("placeProblem"));
    m_placeProblem->setWordWrap(true);
    m_placeProblem->setAccessibleName(tr("Problem with a place"));
    m_placeProblem->hide();
    form->addRow(m_placeProblem);

    m_elevation = new QDoubleSpinBox(box);
    m_elevation->setRange(kLowestElevation, kHighestElevation);
    m_elevation->setDecimals(0);
    m_elevation->setSingleStep(10);
    //: Unit after the home's height above the sea
    m_elevation->setSuffix(tr(" m"));
    //: Preferences: the home's height above the sea, which lowers its horizon
    form->addRow(tr("Home's height above the &sea:"), m_elevation);
    connect(m_elevation, &QDoubleSpinBox::valueChanged, this,
            [this](double metres) { m_model.setHomeElevation(metres); });

    // The grey line: where the Sun stands between two heights at both ends.
    auto *band = new QHBoxLayout;
    m_bandLow = new QDoubleSpinBox(box);
    m_bandHigh = new QDoubleSpinBox(box);
    //: The grey line's lowest and highest Sun, for screen readers
    m_bandLow->setAccessibleName(tr("Lowest Sun of the grey line"));
    m_bandHigh->setAccessibleName(tr("Highest Sun of the grey line"));
    for (QDoubleSpinBox *edge : {m_bandLow, m_bandHigh}) {
        edge->setRange(-kGreyLineLimit, kGreyLineLimit);
        edge->setDecimals(1);
        edge->setSuffix(QStringLiteral("°"));
        connect(edge, &QDoubleSpinBox::valueChanged, this, [this] {
            // A band whose edges cross is not taken until they are set right.
            if (m_bandLow->value() < m_bandHigh->value())
                m_model.setGreyLineBand({m_bandLow->value(), m_bandHigh->value()});
        });
    }
    //: Tooltip of the grey line's band in the preferences
    const QString bandTip = tr("A place is on the grey line while the Sun's centre stands "
                               "between these heights above or below its horizon.");
    m_bandLow->setToolTip(bandTip);
    m_bandHigh->setToolTip(bandTip);
    band->addWidget(m_bandLow);
    //: Between the grey line's lowest and highest Sun: "−6° to 6°"
    band->addWidget(new QLabel(tr("to"), box));
    band->addWidget(m_bandHigh);
    band->addStretch();
    //: Preferences: the Sun's heights at which a place is on the grey line
    form->addRow(tr("Grey line, Sun from:"), band);
    connect(&m_model, &MapModel::placesChanged, this, &PreferencesDialog::showPlaces);
    showPlaces();
    return box;
}

void PreferencesDialog::takePlace(PlaceEnd end)
{
    PlaceField *field = m_placeFields[std::size_t(end)];
    QString &problem = m_placeProblems[std::size_t(end)];
    const QString text = field->text().trimmed();
    places::PlaceResult found;
    if (!text.isEmpty()) {
        const auto &kept = m_model.place(end);
        found = kept && kept->text == text ? places::PlaceResult{true, kept->place, {}}
                                           : placeNamedBy(text);
    }
    if (text.isEmpty() || found.ok) {
        problem.clear();
        // What the model keeps shows in the field again from now on.
        field->setModified(false);
        m_model.setPlace(end, text.isEmpty() ? std::nullopt
                                             : std::optional(ChosenPlace{text, found.place}));
    } else {
        // The text stays to be put right; the place kept stays until then.
        //: %1 Home or Target, %2 what is wrong with the place typed
        problem = tr("%1: %2").arg(placeEndTitle(end),
                                   placeProblemText(found.problem, text, TextLanguage::User));
    }
    field->setAccessibleDescription(problem);
    QStringList problems;
    for (const QString &each : m_placeProblems)
        if (!each.isEmpty())
            problems << each;
    m_placeProblem->setText(problems.join(QLatin1Char('\n')));
    m_placeProblem->setVisible(!problems.isEmpty());
}

void PreferencesDialog::showPlaces()
{
    // A field being typed in, or holding a place not yet taken, keeps its text.
    for (const PlaceEndInfo &end : kPlaceEnds) {
        PlaceField *field = m_placeFields[std::size_t(end.end)];
        const auto &place = m_model.place(end.end);
        if (!field->hasFocus() && !field->isModified())
            field->setText(place ? place->text : QString());
    }
    // Set only when changed: setting a box's value rewrites the text being typed.
    const auto show = [](QDoubleSpinBox *box, double value) {
        if (box->value() != value) {
            const QSignalBlocker blocker(box);
            box->setValue(value);
        }
    };
    show(m_elevation, m_model.homeElevation());
    show(m_bandLow, m_model.greyLineBand().low);
    show(m_bandHigh, m_model.greyLineBand().high);
}
