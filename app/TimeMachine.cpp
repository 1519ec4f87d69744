#include "app/TimeMachine.h"

#include "model/MapModel.h"
#include "model/ShownRange.h"
#include "platform/Clock.h"
#include "readouts/ReadoutTexts.h"

#include <QAbstractButton>
#include <QActionGroup>
#include <QDateTimeEdit>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QMenu>
#include <QSignalBlocker>
#include <QSlider>
#include <QToolTip>

#include <cmath>

namespace {
constexpr qint64 kSliderStepSeconds = 600;
constexpr qint64 kHour = 3600;
constexpr qint64 kDay = 86400;
// Up to 30 redraws a second while playing.
constexpr int kPlayIntervalMs = 33;

QString offsetFromNow(qint64 seconds)
{
    return QString::fromStdString(offsetText(seconds));
}
} // namespace

TimeMachine::TimeMachine(MapModel &model, const Clock &clock, QSlider *slider,
                         QAbstractButton *nowButton, QLabel *awayField, QMenu *timeMenu,
                         QWidget *window)
    : QObject(window), m_model(model), m_clock(clock), m_slider(slider), m_nowButton(nowButton),
      m_awayField(awayField), m_window(window)
{
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
    addAction(tr("&Now"), QKeySequence(Qt::ALT | Qt::Key_Home), [this] { m_model.showNow(); });
    addAction(tr("&Go to Date and Time…"), QKeySequence(Qt::CTRL | Qt::Key_G),
              [this] { goToDateAndTime(); });
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

    // Away from now, the distance stands out beside the slider.
    m_awayField->setForegroundRole(QPalette::Highlight);
    m_slider->setToolTip(offsetFromNow(0));
    connect(m_slider, &QSlider::valueChanged, this, &TimeMachine::sliderMoved);
    connect(m_nowButton, &QAbstractButton::clicked, &model, &MapModel::showNow);
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
    // Away from now the text beside the slider says how far, and the slider
    // follows as far as it reaches.
    // The distance is rounded to the minute, so that a step of an hour reads
    // as one although the clock has moved on since.
    const bool now = m_model.isShowingNow();
    const qint64 exact = now ? 0 : m_clock.now().secsTo(m_model.shownInstant());
    const qint64 offset = std::abs(exact) < 60 ? exact : std::llround(exact / 60.0) * 60;
    if (!now && !m_awayField->font().bold()) {
        // Set only once needed: a window that stays at now loads no bold face.
        QFont bold = m_awayField->font();
        bold.setBold(true);
        m_awayField->setFont(bold);
    }
    m_awayField->setText(now ? QString() : offsetFromNow(offset));
    m_nowButton->setEnabled(!now);
    if (!m_slider->isSliderDown()) {
        const QSignalBlocker blocker(m_slider);
        const qint64 steps = std::llround(double(offset) / kSliderStepSeconds);
        m_slider->setValue(
            int(std::clamp<qint64>(steps, m_slider->minimum(), m_slider->maximum())));
        m_slider->setToolTip(offsetFromNow(offset));
    }
}

void TimeMachine::goToDateAndTime()
{
    // The date and time as the selected zone's clocks read them.
    const QTimeZone zone = m_model.timeZone();
    const QDateTime shown = m_model.shownInstant().toTimeZone(zone);
    QDialog dialog(m_window);
    dialog.setWindowTitle(tr("Go to Date and Time"));
    auto *edit = new QDateTimeEdit(QDateTime(shown.date(), shown.time()), &dialog);
    edit->setDisplayFormat(QStringLiteral("yyyy-MM-dd HH:mm:ss"));
    edit->setCalendarPopup(true);
    edit->setDateRange(kFirstShownDate, kLastShownDate);
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &dialog);
    connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    auto *layout = new QFormLayout(&dialog);
    layout->addRow(tr("Date and time in %1:").arg(QString::fromUtf8(zone.id())), edit);
    layout->addRow(buttons);
    if (dialog.exec() != QDialog::Accepted)
        return;
    const QDateTime chosen = edit->dateTime();
    m_model.setShownInstant(QDateTime(chosen.date(), chosen.time(), zone));
}
