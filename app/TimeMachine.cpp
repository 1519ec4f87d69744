#include "app/TimeMachine.h"

#include "app/EclipsesDialog.h"
#include "eclipses/Eclipses.h"

#include "model/MapModel.h"
#include "model/ShownRange.h"
#include "platform/Clock.h"
#include "readouts/ReadoutTexts.h"
#include "ui_MainWindow.h"

#include <QAbstractButton>
#include <QActionGroup>
#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QEvent>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QRegularExpression>
#include <QSignalBlocker>
#include <QSlider>
#include <QStyle>
#include <QToolButton>
#include <QToolTip>

#include <cmath>

namespace {
constexpr qint64 kSliderStepSeconds = 600;
constexpr qint64 kHour = 3600;
constexpr qint64 kDay = 86400;
// Up to 30 redraws a second while playing.
constexpr int kPlayIntervalMs = 33;

const QString kFieldFormat = QStringLiteral("yyyy-MM-dd HH:mm:ss");

// The units of timeFromNow(), as the user's language abbreviates them.
constexpr const char *kOffsetUnits[] = {
    //: Abbreviation of days in a time from now: "+3 d 2 h"
    QT_TRANSLATE_NOOP("TimeMachine", "d"),
    //: Abbreviation of hours in a time from now: "+3 h 20 min"
    QT_TRANSLATE_NOOP("TimeMachine", "h"),
    //: Abbreviation of minutes in a time from now: "+20 min"
    QT_TRANSLATE_NOOP("TimeMachine", "min"),
    //: Abbreviation of seconds in a time from now: "+5 s"
    QT_TRANSLATE_NOOP("TimeMachine", "s"),
};

/// "+3 d 2 h", "−20 min".
QString offsetFromNow(qint64 seconds)
{
    const TimeFromNow from = timeFromNow(seconds);
    const auto part = [](const TimeFromNow::Part &part) {
        return QString::number(part.count) + QLatin1Char(' ') +
               QCoreApplication::translate("TimeMachine", kOffsetUnits[int(part.unit)]);
    };
    QString text =
        (from.negative ? QStringLiteral("\u2212") : QStringLiteral("+")) + part(from.first);
    if (from.second)
        text += QLatin1Char(' ') + part(*from.second);
    return text;
}

int offsetAt(const QTimeZone &zone, qint64 utcSeconds)
{
    return zone.offsetFromUtc(QDateTime::fromSecsSinceEpoch(utcSeconds, QTimeZone::utc()));
}

/// The instant the zone's clocks read this wall time at.
TypedTime resolveWallTime(const QDate &date, const QTime &time, const QTimeZone &zone)
{
    // The wall time counted as if in UTC lies within a day of the instant;
    // the offsets a day either side are the candidates. No zone changes its
    // clocks twice in two days.
    const qint64 wall = QDateTime(date, time, QTimeZone::utc()).toSecsSinceEpoch();
    const int before = offsetAt(zone, wall - kDay);
    const int after = offsetAt(zone, wall + kDay);
    const bool asBefore = offsetAt(zone, wall - before) == before;
    const bool asAfter = offsetAt(zone, wall - after) == after;
    TypedTime typed;
    if (asBefore && asAfter && before != after) {
        typed.status = TypedTime::FirstOfTwo;
        typed.instant =
            QDateTime::fromSecsSinceEpoch(std::min(wall - before, wall - after), QTimeZone::utc());
    } else if (asBefore || asAfter) {
        typed.status = TypedTime::Exact;
        typed.instant =
            QDateTime::fromSecsSinceEpoch(wall - (asBefore ? before : after), QTimeZone::utc());
    } else {
        // Read with the offset before the gap, it is the wall time after it.
        typed.status = TypedTime::MovedForward;
        typed.instant = QDateTime::fromSecsSinceEpoch(wall - before, QTimeZone::utc());
        typed.shift = after - before;
    }
    return typed;
}

QDateTime firstShownInstant()
{
    return QDateTime(kFirstShownDate, QTime(0, 0), QTimeZone::utc());
}

QDateTime lastShownInstant()
{
    return QDateTime(kLastShownDate.addDays(1), QTime(0, 0), QTimeZone::utc()).addSecs(-1);
}
} // namespace

TypedTime readTypedTime(const QString &text, const QTimeZone &zone)
{
    static const QRegularExpression pattern(QStringLiteral(
        R"(^\s*(\d{4})-(\d{1,2})-(\d{1,2})(?:(?:T|\s+)(\d{1,2}):(\d{2})(?::(\d{2}))?)?\s*$)"));
    const QRegularExpressionMatch match = pattern.match(text);
    const auto number = [&match](int field) { return match.captured(field).toInt(); };
    const QDate date(number(1), number(2), number(3));
    const QTime time(number(4), number(5), number(6));
    if (!match.hasMatch() || !date.isValid() || !time.isValid())
        return {};
    TypedTime typed = resolveWallTime(date, time, zone);
    if (typed.instant < firstShownInstant() || typed.instant > lastShownInstant())
        return {TypedTime::OutOfRange, {}, 0};
    return typed;
}

GoToDateDialog::GoToDateDialog(const QDateTime &shown, const QTimeZone &zone, QWidget *parent)
    : QDialog(parent), m_zone(zone), m_field(new QLineEdit(this)), m_note(new QLabel(this))
{
    setWindowTitle(tr("Go to Date and Time"));
    m_field->setText(shown.toTimeZone(zone).toString(kFieldFormat));
    m_field->selectAll();
    //: The form a date and time is typed in; keep the order and the punctuation
    m_field->setPlaceholderText(tr("YYYY-MM-DD HH:MM:SS"));
    m_field->setAccessibleName(tr("Date and time"));
    // Wide enough for the whole text, with room to spare for a pasted one.
    m_field->setMinimumWidth(m_field->fontMetrics().horizontalAdvance(m_field->text() + "WWWW"));
    m_note->setObjectName(QStringLiteral("goToNote"));
    m_note->setAccessibleName(tr("About the date and time"));
    m_note->setWordWrap(true);
    // Two lines kept for the note, so that the dialog does not jump as it comes and goes.
    m_note->setMinimumHeight(2 * m_note->fontMetrics().lineSpacing());
    m_note->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    m_okButton = buttons->button(QDialogButtonBox::Ok);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto *layout = new QFormLayout(this);
    layout->addRow(tr("Date and time in %1:").arg(QString::fromUtf8(zone.id())), m_field);
    layout->addRow(m_note);
    layout->addRow(buttons);
    connect(m_field, &QLineEdit::textChanged, this, &GoToDateDialog::readField);
    readField();
}

void GoToDateDialog::readField()
{
    m_typed = readTypedTime(m_field->text(), m_zone);
    const QDateTime local = m_typed.instant.toTimeZone(m_zone);
    const QString shown =
        local.toString(QStringLiteral("HH:mm:ss ")) + local.timeZoneAbbreviation();
    QString note;
    switch (m_typed.status) {
    case TypedTime::Unreadable:
        note = tr("Type a date and time as 2027-06-21 22:00:00.");
        break;
    case TypedTime::OutOfRange: {
        // Each bound kept whole on its line.
        const QString format = QStringLiteral("yyyy-MM-dd\u00a0HH:mm");
        note = tr("The map shows times from %1 to %2 here.")
                   .arg(firstShownInstant().toTimeZone(m_zone).toString(format),
                        lastShownInstant().toTimeZone(m_zone).toString(format));
        break;
    }
    case TypedTime::Exact:
        break;
    case TypedTime::MovedForward:
        // The shift is positive: its text without the sign.
        note = tr("The clocks go forward that night and skip this time: the map shows %1, "
                  "%2 later.")
                   .arg(shown, offsetFromNow(m_typed.shift).mid(1));
        break;
    case TypedTime::FirstOfTwo:
        note = tr("The clocks go back that night and this time comes twice: the map shows the "
                  "first, %1.")
                   .arg(shown);
        break;
    }
    m_note->setText(note);
    m_okButton->setEnabled(m_typed.instant.isValid());
}

TimeMachine::TimeMachine(MapModel &model, const Clock &clock, const Ui::MainWindow &ui,
                         QWidget *window)
    : QObject(window), m_model(model), m_clock(clock), m_ui(ui), m_slider(ui.timeSlider),
      m_window(window)
{
    QMenu *timeMenu = ui.menuTime;
    const auto addAction = [this, timeMenu](const QString &text, const QKeySequence &shortcut,
                                            auto slot) {
        QAction *action = timeMenu->addAction(text);
        action->setShortcut(shortcut);
        // Wherever the focus is in the window, also inside the zone box and the slider.
        action->setShortcutContext(Qt::WindowShortcut);
        connect(action, &QAction::triggered, this, slot);
        return action;
    };
    addAction(tr("One Hour &Later"), QKeySequence(Qt::ALT | Qt::Key_Right),
              [this] { step(kHour); });
    addAction(tr("One Hour &Earlier"), QKeySequence(Qt::ALT | Qt::Key_Left),
              [this] { step(-kHour); });
    addAction(tr("One &Day Later"), QKeySequence(Qt::ALT | Qt::Key_Up), [this] { step(kDay); });
    addAction(tr("One Day Ea&rlier"), QKeySequence(Qt::ALT | Qt::Key_Down),
              [this] { step(-kDay); });
    timeMenu->addSeparator();
    m_nowAction =
        addAction(tr("&Now"), QKeySequence(Qt::ALT | Qt::Key_Home), [this] { m_model.showNow(); });
    addAction(tr("&Go to Date and Time…"), QKeySequence(Qt::CTRL | Qt::Key_G),
              [this] { goToDateAndTime(); });
    //: Time menu: show the next solar or lunar eclipse at its greatest
    addAction(tr("Ne&xt Eclipse"), QKeySequence(Qt::ALT | Qt::Key_PageDown),
              [this] { goToEclipse(true); });
    //: Time menu: show the previous solar or lunar eclipse at its greatest
    addAction(tr("Pre&vious Eclipse"), QKeySequence(Qt::ALT | Qt::Key_PageUp),
              [this] { goToEclipse(false); });
    addAction(tr("E&clipses…"), QKeySequence(Qt::CTRL | Qt::Key_E), [this] { listEclipses(); });
    timeMenu->addSeparator();
    m_playAction = addAction(tr("&Play"), QKeySequence(Qt::ALT | Qt::Key_P),
                             [this] { setPlaying(!isPlaying()); });
    QMenu *rates = timeMenu->addMenu(tr("Play &Speed"));
    auto *rateGroup = new QActionGroup(this);
    const QString rateTitles[] = {tr("1 Minute a Second"), tr("10 Minutes a Second"),
                                  tr("1 Hour a Second"), tr("1 Day a Second")};
    for (size_t i = 0; i < std::size(kPlayRates); ++i) {
        QAction *rate = rates->addAction(rateTitles[i]);
        rate->setCheckable(true);
        rate->setChecked(kPlayRates[i] == m_playRate);
        rateGroup->addAction(rate);
        const int mapSeconds = kPlayRates[i];
        connect(rate, &QAction::triggered, this, [this, mapSeconds] { setPlayRate(mapSeconds); });
    }

    m_playAction->setIcon(m_window->style()->standardIcon(QStyle::SP_MediaPlay));
    ui.playButton->setDefaultAction(m_playAction);
    // The away line takes what the time controls leave, so that they never
    // shift. Its text changes every minute: in a holder of its own, of fixed
    // height and no layout, that lays out nothing else in the window, which
    // otherwise costs a little memory each time.
    m_awayHolder = new QWidget(ui.awayField->parentWidget());
    m_awayHolder->setObjectName(QStringLiteral("awayHolder"));
    m_awayHolder->setSizePolicy(ui.awayField->sizePolicy()); // its stretch too
    m_awayHolder->setFixedHeight(ui.awayField->sizeHint().height());
    delete ui.timeRow->replaceWidget(ui.awayField, m_awayHolder);
    ui.awayField->setParent(m_awayHolder);
    m_awayHolder->installEventFilter(this);
    m_awayName = ui.awayField->accessibleName();
    // The default style's own mark of the focus is a faint tint of the groove.
    m_slider->setStyleSheet(QStringLiteral(
        "QSlider:focus { border: 2px solid palette(highlight); border-radius: 3px; }"));
    m_slider->setToolTip(offsetFromNow(0));
    connect(m_slider, &QSlider::valueChanged, this, &TimeMachine::sliderMoved);
    connect(ui.nowButton, &QAbstractButton::clicked, &model, &MapModel::showNow);
    m_playTimer.setInterval(kPlayIntervalMs);
    m_playTimer.setTimerType(Qt::PreciseTimer);
    connect(&m_playTimer, &QTimer::timeout, this, &TimeMachine::advancePlay);
    connect(&model, &MapModel::shownInstantChanged, this, &TimeMachine::updateControls);
    updateControls();
}

void TimeMachine::step(qint64 seconds)
{
    m_model.setShownInstant(m_model.shownInstant().addSecs(seconds));
}

void TimeMachine::setPlaying(bool playing)
{
    if (playing == isPlaying())
        return;
    m_playAction->setText(playing ? tr("&Pause") : tr("&Play"));
    m_playAction->setIcon(
        m_window->style()->standardIcon(playing ? QStyle::SP_MediaPause : QStyle::SP_MediaPlay));
    m_ui.playButton->setAccessibleName(playing ? tr("Pause") : tr("Play"));
    if (!playing) {
        m_playTimer.stop();
        return;
    }
    m_model.setShownInstant(m_model.shownInstant());
    m_sincePlayTick.start();
    m_playTimer.start();
}

void TimeMachine::advancePlay()
{
    // As far as the time since the last tick carries at the rate, however
    // late the tick; the instant stays where it is at the end of the range.
    const qint64 elapsedMs = m_sincePlayTick.restart();
    const QDateTime before = m_model.shownInstant();
    m_model.setShownInstant(before.addMSecs(elapsedMs * m_playRate));
    if (m_model.shownInstant() == before)
        setPlaying(false);
}

void TimeMachine::sliderMoved(int value)
{
    const qint64 offset = value * kSliderStepSeconds;
    if (value == 0)
        m_model.showNow();
    else
        m_model.setShownInstant(m_clock.now().addSecs(offset));
    m_slider->setToolTip(offsetFromNow(offset));
    if (m_slider->isSliderDown())
        QToolTip::showText(QCursor::pos(), m_slider->toolTip(), m_slider);
}

void TimeMachine::updateControls()
{
    // Away from now the away line and the title say how far, and the slider
    // follows as far as it reaches.
    // The distance is rounded to the minute, so that a step of an hour reads
    // as one although the clock has moved on since.
    const bool now = m_model.isShowingNow();
    const qint64 exact = now ? 0 : m_clock.now().secsTo(m_model.shownInstant());
    const qint64 offset = std::abs(exact) < 60 ? exact : std::llround(exact / 60.0) * 60;
    QString away;
    if (!now) {
        const QDateTime shown = m_model.shownInstant().toTimeZone(m_model.timeZone());
        //: %1: the shown date and time, %2: its zone's abbreviation, %3: how far from now,
        //: %4: the key that goes back to now
        away = tr("Showing %1 %2 (%3) · Now: %4")
                   //: A date format: d day, MMMM month's name, yyyy year, HH:mm time;
                   //: reorder as the language writes dates
                   .arg(QLocale().toString(shown, tr("d MMMM yyyy, HH:mm")),
                        shown.timeZoneAbbreviation(), offsetFromNow(offset),
                        m_nowAction->shortcut().toString(QKeySequence::NativeText));
    }
    m_awayText = away;
    showAwayText();
    m_awayHolder->setVisible(!now);
    // The line gives way to the slider in a narrow window: its whole text.
    m_ui.awayField->setToolTip(away);
    // The program's name too: title bars that Qt draws itself, as under
    // Wayland, show the title without the name Qt adds for the desktop.
    m_window->setWindowTitle(
        now ? QStringLiteral("Duskmap")
            : tr("%1 — Duskmap", "the distance from now").arg(offsetFromNow(offset)));
    styleClockFields(now);
    m_ui.nowButton->setEnabled(!now);
    if (!m_slider->isSliderDown()) {
        const QSignalBlocker blocker(m_slider);
        const qint64 steps = std::llround(double(offset) / kSliderStepSeconds);
        m_slider->setValue(
            int(std::clamp<qint64>(steps, m_slider->minimum(), m_slider->maximum())));
        m_slider->setToolTip(offsetFromNow(offset));
    }
}

void TimeMachine::styleClockFields(bool now)
{
    // Italic in the palette's link colour, which high-contrast themes keep distinct.
    for (QLabel *field : {m_ui.timeField, m_ui.dateField}) {
        if (field->font().italic() == !now)
            continue;
        QFont font = field->font();
        font.setItalic(!now);
        field->setFont(font);
        field->setForegroundRole(now ? QPalette::WindowText : QPalette::Link);
    }
}

void TimeMachine::showAwayText()
{
    // Until the window is laid out the holder's width means nothing.
    m_ui.awayField->setText(m_window->isVisible()
                                ? m_ui.awayField->fontMetrics().elidedText(
                                      m_awayText, Qt::ElideRight, m_awayHolder->width())
                                : m_awayText);
    m_ui.awayField->setAccessibleName(
        m_awayText.isEmpty()
            ? m_awayName
            : QCoreApplication::translate("MainWindow", "%1, %2", "a readout and its value")
                  .arg(m_awayName, m_awayText));
}

void TimeMachine::goToEclipse(bool next)
{
    // A second past the shown instant, which may stand a fraction of a second
    // before the greatest it was sent to.
    const double shown = m_model.shownInstant().toMSecsSinceEpoch() / 1000.0;
    const std::optional<eclipses::Eclipse> eclipse =
        next ? eclipses::nextEclipse(shown + 1.0) : eclipses::previousEclipse(shown - 1.0);
    if (!eclipse)
        return; // none within the years the list covers
    const QDateTime greatest = QDateTime::fromMSecsSinceEpoch(
        qint64(std::llround(eclipse->greatest * 1000.0)), QTimeZone::utc());
    // Past the dates the map shows, it would stop at their end instead.
    if (greatest.date() < kFirstShownDate || greatest.date() > kLastShownDate)
        return;
    m_model.setShownInstant(greatest);
}

void TimeMachine::listEclipses()
{
    const std::optional<ChosenPlace> &home = m_model.place(PlaceEnd::Home);
    EclipsesDialog dialog(m_model.shownInstant(),
                          home ? std::optional(home->place.point) : std::nullopt, m_window);
    if (dialog.exec() == QDialog::Accepted && dialog.chosenInstant().isValid())
        m_model.setShownInstant(dialog.chosenInstant());
}

void TimeMachine::goToDateAndTime()
{
    // The date and time as the selected zone's clocks read them.
    GoToDateDialog dialog(m_model.shownInstant(), m_model.timeZone(), m_window);
    if (dialog.exec() == QDialog::Accepted)
        m_model.setShownInstant(dialog.typedTime().instant);
}

bool TimeMachine::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_awayHolder && event->type() == QEvent::Resize) {
        m_ui.awayField->setGeometry(m_awayHolder->rect());
        showAwayText();
    }
    return QObject::eventFilter(watched, event);
}
