#include "widgets/FactsPanel.h"

#include "model/MapModel.h"
#include "model/ShownTexts.h"
#include "widgets/ReadoutText.h"

#include <QCoreApplication>
#include <QGridLayout>
#include <QLabel>
#include <QMenu>
#include <QVBoxLayout>

#include <algorithm>

namespace {
// The world clocks stand in columns of this width at most, at the default text size.
constexpr int kPinColumnWidth = 240;
} // namespace

FactsPanel::FactsPanel(MapModel &model, QWidget *parent) : QWidget(parent), m_model(model)
{
    setObjectName(QStringLiteral("factsArea"));
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(8, 0, 8, 4);
    layout->setSpacing(2);
    m_homeTargetLayout = new QGridLayout;
    m_pinLayout = new QGridLayout;
    for (QGridLayout *grid : {m_homeTargetLayout, m_pinLayout}) {
        grid->setHorizontalSpacing(12);
        grid->setVerticalSpacing(2);
        layout->addLayout(grid);
    }
    for (QLabel *&field : m_homeTargetFields) {
        field = new QLabel(this);
        field->setObjectName(QStringLiteral("homeTargetField"));
        // Cut at the window's edge rather than hold the window wide; the
        // tooltip and a screen reader have the whole text.
        field->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
        field->setTextInteractionFlags(Qt::TextSelectableByMouse);
        field->hide();
    }
    //: What a screen reader calls the row's line of the paths from home to target
    m_homeTargetFields[2]->setAccessibleName(tr("Paths from home to target"));
    //: What a screen reader calls the row's line of the satellites' next passes over home
    m_homeTargetFields[3]->setAccessibleName(tr("Next satellite passes over home"));
    hide();
}

void FactsPanel::updateRows()
{
    const QStringList &pins = m_model.pinnedZones();
    while (m_pinFields.size() > pins.size())
        delete m_pinFields.takeLast();
    while (m_pinFields.size() < pins.size()) {
        auto *field = new QLabel(this);
        field->setObjectName(QStringLiteral("pinField"));
        // The columns are as many as the width holds: a clock never holds the
        // window wide, which would keep a zoomed window from coming back.
        field->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
        // In the Tab order, so that a screen reader reaches each clock and the
        // Menu key offers to unpin it; a label draws no focus of its own.
        field->setFocusPolicy(Qt::TabFocus);
        field->setStyleSheet(QStringLiteral(
            "QLabel:focus { background: palette(highlight); color: palette(highlighted-text); }"));
        field->setContextMenuPolicy(Qt::CustomContextMenu);
        connect(field, &QWidget::customContextMenuRequested, this, [this, field](QPoint point) {
            const qsizetype index = m_pinFields.indexOf(field);
            if (index < 0 || index >= m_model.pinnedZones().size())
                return;
            const QString zone = m_model.pinnedZones().at(index);
            auto *menu = new QMenu(field);
            menu->setAttribute(Qt::WA_DeleteOnClose);
            connect(menu->addAction(tr("Unpin %1").arg(zone)), &QAction::triggered, this,
                    [this, zone] { m_model.unpinZone(zone); });
            menu->popup(field->mapToGlobal(point));
        });
        m_pinFields.append(field);
    }
    updatePinTexts();
    updateHomeTargetTexts();
    setVisible(!pins.isEmpty() || showsHomeOrTarget());
}

void FactsPanel::updatePinTexts()
{
    const QList<PinTexts> pins = pinTexts(m_model);
    const QFontMetrics metrics(font());
    int longestLight = 0;
    for (const char *light : pinLights())
        longestLight =
            std::max(longestLight,
                     metrics.horizontalAdvance(QCoreApplication::translate("ShownTexts", light)));
    m_widestPin = 0;
    for (qsizetype i = 0; i < pins.size() && i < m_pinFields.size(); ++i) {
        const PinTexts &pin = pins.at(i);
        QStringList parts{cityOf(pin.zone), pin.clock};
        if (!pin.dayShift.isEmpty())
            parts << pin.dayShift;
        parts << pin.offset;
        // As the clock turns and the light changes, the columns stay.
        QString widest = parts.join(QStringLiteral("  ")) + QStringLiteral("  ");
        std::replace_if(
            widest.begin(), widest.end(), [](QChar c) { return c.isDigit(); }, QChar(u'8'));
        m_widestPin = std::max(m_widestPin, metrics.horizontalAdvance(widest) + longestLight);
        parts << QCoreApplication::translate("ShownTexts", pin.light.toUtf8());
        setReadoutText(m_pinFields.at(i), parts.join(QStringLiteral("  ")));
        m_pinFields.at(i)->setToolTip(pin.zone + QLatin1Char('\n') + pin.time + QLatin1Char('\n') +
                                      pin.date);
    }
}

void FactsPanel::updateHomeTargetTexts()
{
    const HomeTargetTexts texts = homeTargetTexts(m_model);
    const QString lines[] = {texts.home, texts.target, texts.path, texts.passes};
    const QString details[] = {texts.homeDetails, texts.targetDetails, texts.pathDetails,
                               texts.passesDetails};
    for (std::size_t i = 0; i < m_homeTargetFields.size(); ++i) {
        QLabel *field = m_homeTargetFields[i];
        setReadoutText(field, lines[i]);
        field->setToolTip(details[i].isEmpty() ? lines[i]
                                               : lines[i] + QLatin1Char('\n') + details[i]);
        field->setVisible(!lines[i].isEmpty());
    }
}

int FactsPanel::columnsFor(int windowWidth, double textScale) const
{
    // Wider under larger text, and wherever a language's words need it.
    const QMargins margins = contentsMargins();
    const int spacing = m_pinLayout->horizontalSpacing();
    const int column = std::max(int(kPinColumnWidth * textScale) - spacing, m_widestPin) + spacing;
    return std::max(1, (windowWidth - margins.left() - margins.right() + spacing) / column);
}

int FactsPanel::homeTargetRows(int columns) const
{
    const auto shown = std::count_if(m_homeTargetFields.begin(), m_homeTargetFields.end(),
                                     [](const QLabel *field) { return !field->text().isEmpty(); });
    const int perRow = std::max(1, columns / 2);
    return int((shown + perRow - 1) / perRow);
}

void FactsPanel::layOut(int windowWidth, double textScale)
{
    m_laidOutColumns = columnsFor(windowWidth, textScale);
    // Home, target and the paths side by side as the width allows, in the
    // world clocks' columns two at a time.
    int shown = 0;
    const int perRow = std::max(1, m_laidOutColumns / 2);
    for (QLabel *field : m_homeTargetFields) {
        m_homeTargetLayout->removeWidget(field);
        if (!field->text().isEmpty()) {
            m_homeTargetLayout->addWidget(field, shown / perRow, shown % perRow);
            ++shown;
        }
    }
    for (qsizetype i = 0; i < m_pinFields.size(); ++i)
        m_pinLayout->addWidget(m_pinFields.at(i), int(i / m_laidOutColumns),
                               int(i % m_laidOutColumns));
    setFixedHeight(rowsHeight(windowWidth, textScale));
}

int FactsPanel::rowsHeight(int windowWidth, double textScale) const
{
    if (isHidden())
        return 0;
    const int lineHeight = QFontMetrics(font()).height();
    const int columns = columnsFor(windowWidth, textScale);
    const int pinRows = int((m_pinFields.size() + columns - 1) / columns);
    const int rows = pinRows + homeTargetRows(columns);
    // Rows 2 apart, and the bottom margin.
    return rows * (lineHeight + 2) + 4;
}
