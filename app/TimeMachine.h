#pragma once

#include <QElapsedTimer>
#include <QObject>
#include <QTimer>

class Clock;
class MapModel;
class QAction;
class QLabel;
class QMenu;
class QSlider;
class QAbstractButton;
class QWidget;

/// The window's control of the shown instant: the time slider, 24 hours
/// either side of now in 10-minute steps; the Now button; the Time menu with
/// its steps of an hour and a day, Go to Date and Time… and Play; and the
/// text that says how far from now the map is.
class TimeMachine : public QObject
{
    Q_OBJECT

public:
    /// Map seconds a second of playing: the rates the user picks from.
    static constexpr int kPlayRates[] = {60, 600, 3600, 86400};

    TimeMachine(MapModel &model, const Clock &clock, QSlider *slider, QAbstractButton *nowButton,
                QLabel *awayField, QMenu *timeMenu, QWidget *window);

    /// Moves the shown instant by seconds, from now when the map shows now.
    void step(qint64 seconds);
    bool isPlaying() const { return m_playTimer.isActive(); }
    void setPlaying(bool playing);
    void setPlayRate(int mapSecondsPerSecond) { m_playRate = mapSecondsPerSecond; }
    /// Asks for a date and time in the selected zone and shows it.
    void goToDateAndTime();
    /// Brings the slider, the Now button and the distance from now up to date.
    void updateControls();

private:
    void sliderMoved(int value);
    void advancePlay();

    MapModel &m_model;
    const Clock &m_clock;
    QSlider *m_slider;
    QAbstractButton *m_nowButton;
    QLabel *m_awayField;
    QWidget *m_window;
    QAction *m_playAction = nullptr;
    QTimer m_playTimer;
    QElapsedTimer m_sincePlayTick;
    int m_playRate = 3600;
};
