#pragma once

#include <QDateTime>
#include <QDialog>
#include <QElapsedTimer>
#include <QObject>
#include <QTimeZone>
#include <QTimer>

namespace Ui {
class MainWindow;
}
class Clock;
class MapModel;
class QAction;
class QLabel;
class QLineEdit;
class QMenu;
class QSlider;
class QPushButton;
class QWidget;

/// A date and time typed for a zone, read as the instant its clocks show it at.
struct TypedTime
{
    enum Status
    {
        Unreadable,
        OutOfRange,
        Exact,
        /// In a gap of a spring-forward night: moved forward by the gap.
        MovedForward,
        /// In the repeated hour of a fall-back night: the first of the two.
        FirstOfTwo
    };
    Status status = Unreadable;
    QDateTime instant;
    /// How far a time in a gap moved forward, in seconds.
    qint64 shift = 0;
};

/// Reads "2027-06-21 22:00:00", with or without the seconds, with "T" or a
/// space between date and time, as the zone's clocks read it. Only the
/// instants the map shows are accepted.
TypedTime readTypedTime(const QString &text, const QTimeZone &zone);

/// Asks for a date and time in a zone, as plain text that is read as a whole:
/// whatever is typed over whatever is selected gives the time typed.
class GoToDateDialog : public QDialog
{
    Q_OBJECT

public:
    GoToDateDialog(const QDateTime &shown, const QTimeZone &zone, QWidget *parent = nullptr);

    const TypedTime &typedTime() const { return m_typed; }

private:
    void readField();

    QTimeZone m_zone;
    QLineEdit *m_field;
    QLabel *m_note;
    QPushButton *m_okButton;
    TypedTime m_typed;
};

/// The window's control of the shown instant: the time slider, 24 hours
/// either side of now in 10-minute steps, with its Play and Now buttons; the
/// Time menu with its steps of an hour and a day, Go to Date and Time… and
/// Play. Away from now, the clock's fields change their look, a line says
/// what is shown and how to return, and the window's title says how far.
class TimeMachine : public QObject
{
    Q_OBJECT

public:
    /// Map seconds a second of playing: the rates the user picks from.
    static constexpr int kPlayRates[] = {60, 600, 3600, 86400};

    TimeMachine(MapModel &model, const Clock &clock, const Ui::MainWindow &ui, QWidget *window);

    bool eventFilter(QObject *watched, QEvent *event) override;

    /// Moves the shown instant by seconds, from now when the map shows now.
    void step(qint64 seconds);
    bool isPlaying() const { return m_playTimer.isActive(); }
    void setPlaying(bool playing);
    void setPlayRate(int mapSecondsPerSecond) { m_playRate = mapSecondsPerSecond; }
    /// Asks for a date and time in the selected zone and shows it.
    void goToDateAndTime();
    /// Shows the next or the previous eclipse at its greatest.
    void goToEclipse(bool next);
    /// The Eclipses dialog, going to the one chosen.
    void listEclipses();
    /// Brings the slider, the Now button and the distance from now up to date.
    void updateControls();

private:
    void sliderMoved(int value);
    void advancePlay();
    /// The clock's fields in the look that says whether they show now.
    void styleClockFields(bool now);
    /// The away line, cut short with an ellipsis where the window is too
    /// narrow for it; a screen reader hears it whole.
    void showAwayText();

    MapModel &m_model;
    const Clock &m_clock;
    const Ui::MainWindow &m_ui;
    QSlider *m_slider;
    QWidget *m_window;
    QWidget *m_awayHolder = nullptr;
    QString m_awayName; ///< what a screen reader calls the away line
    QString m_awayText;
    QAction *m_nowAction = nullptr;
    QAction *m_playAction = nullptr;
    QTimer m_playTimer;
    QElapsedTimer m_sincePlayTick;
    int m_playRate = 3600;
};
