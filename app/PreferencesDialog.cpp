#include "app/PreferencesDialog.h"

#include "model/MapModel.h"
#include "model/MapViews.h"
#include "model/Satellites.h"
#include "model/ShownTexts.h"
#include "widgets/PlaceField.h"
#include "widgets/ZoneFinder.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QDoubleSpinBox>
#include <QFileDialog>
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
    places->addWidget(createWeatherBox());
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
    // The satellites in a dialog of their own: their list would not leave
    // this one room on a small screen under large text.
    //: Button in the preferences that opens the choice of satellites and their file
    auto *satellites = new QPushButton(tr("S&atellites…"), box);
    satellites->setObjectName(QStringLiteral("satellitesButton"));
    connect(satellites, &QPushButton::clicked, this, [this] {
        if (!m_satelliteDialog) {
            m_satelliteDialog = new QDialog(this);
            m_satelliteDialog->setWindowTitle(tr("Satellites"));
            auto *layout = new QVBoxLayout(m_satelliteDialog);
            layout->addWidget(createSatelliteBox());
            auto *buttons = new QDialogButtonBox(QDialogButtonBox::Close, m_satelliteDialog);
            connect(buttons, &QDialogButtonBox::rejected, m_satelliteDialog, &QDialog::reject);
            layout->addWidget(buttons);
        }
        m_satelliteDialog->show();
        m_satelliteDialog->raise();
        m_satelliteDialog->activateWindow();
    });
    layout->addWidget(satellites);
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

namespace {
/// At most this many satellites are listed for a search: a catalogue of
/// thirty thousand would take seconds to list, and no one reads it all.
constexpr int kMostListed = 300;
} // namespace

QWidget *PreferencesDialog::createSatelliteBox()
{
    //: Group of the preferences: the satellites shown on the map and their file
    auto *box = new QGroupBox(tr("Satellites"), m_satelliteDialog);
    auto *form = new QFormLayout(box);
    form->setFieldGrowthPolicy(QFormLayout::AllNonFixedFieldsGrow);
    Satellites &satellites = m_model.satellites();

    auto *fileRow = new QHBoxLayout;
    m_satelliteFile = new QLineEdit(satellites.elementsFile(), box);
    //: Placeholder of the field that names the file of satellites' orbital elements
    m_satelliteFile->setPlaceholderText(tr("A file of TLE or OMM elements"));
    //: The field that names the file of satellites' orbital elements, for screen readers
    m_satelliteFile->setAccessibleName(tr("Element file"));
    auto *browse = new QPushButton(tr("&Choose…"), box);
    browse->setAccessibleName(tr("Choose the satellites' element file"));
    fileRow->addWidget(m_satelliteFile, 1);
    fileRow->addWidget(browse);
    // The field's own label, so that its key reaches it inside the row.
    auto *fileLabel = new QLabel(tr("&Element file:"), box);
    fileLabel->setBuddy(m_satelliteFile);
    form->addRow(fileLabel, fileRow);
    connect(m_satelliteFile, &QLineEdit::editingFinished, this,
            [this] { m_model.satellites().setElementsFile(m_satelliteFile->text().trimmed()); });
    connect(browse, &QPushButton::clicked, this, [this] {
        const QString path = QFileDialog::getOpenFileName(
            this, tr("Satellites' Element File"), m_satelliteFile->text(),
            //: File types in the dialog that chooses the satellites' element file
            tr("Element sets (*.tle *.txt *.3le *.csv *.json *.xml);;All files (*)"));
        if (path.isEmpty())
            return;
        m_satelliteFile->setText(path);
        m_model.satellites().setElementsFile(path);
    });
    m_satelliteMessage = new QLabel(box);
    m_satelliteMessage->setWordWrap(true);
    m_satelliteMessage->setAccessibleName(tr("Problem with the element file"));
    form->addRow(m_satelliteMessage);

    auto *mask = new QDoubleSpinBox(box);
    mask->setRange(kLowestElevationMask, kHighestElevationMask);
    mask->setDecimals(0);
    mask->setSuffix(QStringLiteral("°"));
    mask->setValue(satellites.elevationMask());
    mask->setAccessibleName(tr("Elevation mask"));
    //: Tooltip of the satellites' elevation mask
    mask->setToolTip(tr("The footprints and the passes count a satellite as up from this "
                        "elevation above home's horizon."));
    form->addRow(tr("Ele&vation mask:"), mask);
    connect(mask, &QDoubleSpinBox::valueChanged, this,
            [this](double degrees) { m_model.satellites().setElevationMask(degrees); });

    m_satelliteSearch = new QLineEdit(box);
    //: Placeholder of the search box over the list of satellites
    m_satelliteSearch->setPlaceholderText(tr("Find by name or catalogue number"));
    m_satelliteSearch->setAccessibleName(tr("Find a satellite"));
    //: The search box over the list of satellites
    form->addRow(tr("&Find:"), m_satelliteSearch);
    m_satelliteList = new QListWidget(box);
    m_satelliteList->setAccessibleName(tr("Satellites to show"));
    // A few rows at the least: the dialog fits a small screen under large text.
    m_satelliteList->setMinimumHeight(3 * m_satelliteList->fontMetrics().height());
    form->addRow(m_satelliteList);
    // The colours' legend where the satellites are chosen, in sight of
    // keyboards and screen readers rather than in a tooltip.
    //: The legend of the satellites' colours on the map
    auto *legend = new QLabel(tr("On the map: gold, sunlit; blue, in the Earth's shadow; green, "
                                 "sunlit over home in the dark, to be seen by eye; grey, "
                                 "elements older than 14 days."),
                              box);
    legend->setWordWrap(true);
    form->addRow(legend);

    connect(m_satelliteSearch, &QLineEdit::textChanged, this, &PreferencesDialog::showSatellites);
    connect(m_satelliteList, &QListWidget::itemChanged, this, [this](QListWidgetItem *item) {
        QList<int> chosen = m_model.satellites().chosen();
        const int number = item->data(Qt::UserRole).toInt();
        chosen.removeAll(number);
        if (item->checkState() == Qt::Checked)
            chosen.append(number);
        m_model.satellites().setChosen(chosen);
    });
    connect(&satellites, &Satellites::elementsChanged, this, &PreferencesDialog::showSatellites);
    connect(&satellites, &Satellites::chosenChanged, this, &PreferencesDialog::showSatellites);
    showSatellites();
    return box;
}

void PreferencesDialog::showSatellites()
{
    const Satellites &satellites = m_model.satellites();
    m_satelliteMessage->setText(satellites.readMessage());
    m_satelliteMessage->setVisible(!satellites.readMessage().isEmpty());
    const QString query = m_satelliteSearch->text().trimmed();
    const QSignalBlocker blocker(m_satelliteList);
    m_satelliteList->clear();
    // The chosen ones first, then those the search finds, by a part of the
    // name or the start of the number.
    int listed = 0;
    for (const bool chosen : {true, false}) {
        for (const orbits::ElementSet &set : satellites.elements()) {
            if (satellites.chosen().contains(set.catalogNumber) != chosen)
                continue;
            const QString name = QString::fromStdString(set.name).trimmed();
            const QString number = QString::number(set.catalogNumber);
            if (!chosen &&
                (query.isEmpty() || listed >= kMostListed ||
                 !(name.contains(query, Qt::CaseInsensitive) || number.startsWith(query))))
                continue;
            //: A satellite in the list to choose from: its name and catalogue number
            auto *item = new QListWidgetItem(tr("%1 (%2)").arg(name, number), m_satelliteList);
            item->setData(Qt::UserRole, set.catalogNumber);
            item->setFlags(item->flags() | Qt::ItemIsUserCheckable);
            item->setCheckState(chosen ? Qt::Checked : Qt::Unchecked);
            ++listed;
        }
    }
}

QWidget *PreferencesDialog::createWeatherBox()
{
    //: Group of the preferences: the files of the cloud map and of the aurora forecast
    auto *box = new QGroupBox(tr("Clouds and aurora"), this);
    auto *form = new QFormLayout(box);
    form->setFieldGrowthPolicy(QFormLayout::AllNonFixedFieldsGrow);
    for (const WeatherSourceInfo &info : kWeatherSources) {
        const auto text = [](const char *source) {
            return QCoreApplication::translate("WeatherSource", source);
        };
        auto *field = new QLineEdit(m_model.weatherFile(info.source), box);
        field->setAccessibleName(text(info.fieldName));
        m_weatherFiles[std::size_t(info.source)] = field;
        //: Button beside a file's field in the preferences that opens a file dialog
        auto *choose = new QPushButton(tr("Choose…"), box);
        choose->setAccessibleName(text(info.chooseName));
        //: Button beside a file's field in the preferences that empties it
        auto *clear = new QPushButton(tr("Clear"), box);
        clear->setAccessibleName(text(info.clearName));
        auto *row = new QHBoxLayout;
        row->addWidget(field, 1);
        row->addWidget(choose);
        row->addWidget(clear);
        auto *label = new QLabel(text(info.fieldLabel), box);
        label->setBuddy(field);
        form->addRow(label, row);
        const auto take = [this, source = info.source](const QString &path) {
            m_model.setWeatherFile(source, path.trimmed());
        };
        connect(field, &QLineEdit::editingFinished, this, [field, take] { take(field->text()); });
        connect(clear, &QPushButton::clicked, this, [field, take] {
            field->clear();
            take({});
        });
        connect(choose, &QPushButton::clicked, this, [this, info, text, field, take] {
            const QString path = QFileDialog::getOpenFileName(this, text(info.dialogTitle),
                                                              field->text(), text(info.fileTypes));
            if (path.isEmpty())
                return;
            field->setText(path);
            take(path);
        });
    }
    m_weatherProblem = new QLabel(box);
    m_weatherProblem->setObjectName(QStringLiteral("weatherProblem"));
    // Unnamed, so that a screen reader reads what it says.
    m_weatherProblem->setWordWrap(true);
    form->addRow(m_weatherProblem);
    connect(&m_model, &MapModel::weatherFilesChanged, this, &PreferencesDialog::showWeatherFiles);
    showWeatherFiles();
    return box;
}

void PreferencesDialog::showWeatherFiles()
{
    QStringList problems;
    for (const WeatherSourceInfo &info : kWeatherSources) {
        QLineEdit *field = m_weatherFiles[std::size_t(info.source)];
        const QString &message = m_model.weatherFileMessage(info.source);
        // A field being typed in keeps its text.
        if (!field->hasFocus())
            field->setText(m_model.weatherFile(info.source));
        field->setAccessibleDescription(message);
        if (!message.isEmpty())
            problems << message;
    }
    m_weatherProblem->setText(problems.join(QLatin1Char('\n')));
    m_weatherProblem->setVisible(!problems.isEmpty());
}
