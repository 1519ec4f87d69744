#pragma once

#include "model/HomeAndTarget.h"
#include "model/WeatherSources.h"
#include "zones/ZoneSearch.h"

#include <QDialog>

class MapModel;
class PlaceField;
class QDoubleSpinBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;

/// The preferences: the map's layers, home and target, and the world clocks,
/// added through the zone finder, removed and reordered. Each change goes to the model at once,
/// which stores it; the dialog follows the model while it is open.
class PreferencesDialog : public QDialog
{
    Q_OBJECT

public:
    PreferencesDialog(MapModel &model, ZoneCountries countries, QWidget *parent = nullptr);

private:
    QWidget *createLayerBox();
    QWidget *createClockBox(ZoneCountries countries);
    /// Home, target, the home's height and the grey line's band.
    QWidget *createPlaceBox();
    /// Takes a place as typed into its field, or says what is wrong with it.
    void takePlace(PlaceEnd end);
    void showPlaces();
    void showPins();
    /// Moves the selected world clock by one place, up (-1) or down (+1).
    void movePin(int step);
    /// The element file, the elevation mask, and the satellites to show,
    /// found by name or number.
    QWidget *createSatelliteBox();
    void showSatellites();
    /// The cloud map's and the aurora forecast's files, each chosen or cleared.
    QWidget *createWeatherBox();
    void showWeatherFiles();

    MapModel &m_model;
    QListWidget *m_pins = nullptr;
    QPushButton *m_remove = nullptr;
    QPushButton *m_up = nullptr;
    QPushButton *m_down = nullptr;
    std::array<PlaceField *, kPlaceEnds.size()> m_placeFields{};
    QLabel *m_placeProblem = nullptr;
    std::array<QString, kPlaceEnds.size()> m_placeProblems;
    QDoubleSpinBox *m_elevation = nullptr;
    QDoubleSpinBox *m_bandLow = nullptr;
    QDoubleSpinBox *m_bandHigh = nullptr;
    QDialog *m_satelliteDialog = nullptr;
    QLineEdit *m_satelliteFile = nullptr;
    QLabel *m_satelliteMessage = nullptr;
    QLineEdit *m_satelliteSearch = nullptr;
    QListWidget *m_satelliteList = nullptr;
    std::array<QLineEdit *, kWeatherSources.size()> m_weatherFiles{};
    QLabel *m_weatherProblem = nullptr;
};
