#include "widgets/ZoneFinder.h"

#include "model/ShownTexts.h"
#include "platform/Translations.h"
#include "widgets/PopupArea.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QCompleter>
#include <QKeyEvent>
#include <QLineEdit>
#include <QScrollBar>
#include <QStandardItemModel>

#include <algorithm>
#include <utility>

ZoneFinder::ZoneFinder(QComboBox *box, QStringList offered, ZoneCountries countries)
    : QObject(box), m_popUp(box), m_offered(std::move(offered)), m_countries(std::move(countries)),
      m_local(localZoneNames(m_offered, QLocale(), catalogueLanguages())),
      m_matches(new QStandardItemModel(this)), m_completer(new QCompleter(m_matches, this))
{
    m_popUp->setEditable(true);
    m_popUp->setInsertPolicy(QComboBox::NoInsert);
    // The combo box's own completer would finish the text from the ids' starts
    // only; the search drives a list of its own instead.
    m_popUp->setCompleter(nullptr);
    QLineEdit *edit = m_popUp->lineEdit();
    edit->setPlaceholderText(tr("Type a city, a country or a zone"));
    m_completer->setWidget(edit);
    m_completer->setCompletionMode(QCompleter::UnfilteredPopupCompletion);
    // The list shows the city beside the id; the box takes the id.
    m_completer->setCompletionRole(kZoneRole);
    m_completer->setMaxVisibleItems(m_popUp->maxVisibleItems());
    // The completer filters the list's keys first; this filter, installed after
    // it, sees Escape before it does.
    m_completer->popup()->installEventFilter(this);
    m_completer->popup()->setFont(m_popUp->font());
    edit->installEventFilter(this);
    m_popUp->view()->window()->installEventFilter(this);

    connect(edit, &QLineEdit::textEdited, this, &ZoneFinder::search);
    connect(m_completer, qOverload<const QModelIndex &>(&QCompleter::activated), this,
            [this](const QModelIndex &index) {
                const QString zone = index.data(kZoneRole).toString();
                if (!zone.isEmpty())
                    choose(zone);
            });
    connect(edit, &QLineEdit::returnPressed, this, &ZoneFinder::chooseTyped);
    connect(edit, &QLineEdit::editingFinished, this, [this] {
        if (!m_completer->popup()->isVisible() && !m_popUp->lineEdit()->hasFocus())
            showSelectedZone();
    });
}

QStringList ZoneFinder::shownMatches() const
{
    QStringList shown;
    if (m_completer->popup()->isVisible()) {
        for (int row = 0; row < m_matches->rowCount(); ++row)
            shown << m_matches->item(row)->text();
    }
    return shown;
}

void ZoneFinder::search(const QString &text)
{
    const QList<ZoneMatch> found = zoneMatches(text, m_offered, m_countries, m_local);
    m_matches->clear();
    if (text.trimmed().isEmpty()) {
        m_completer->popup()->hide();
        return;
    }
    for (const ZoneMatch &match : found) {
        const QString city = match.city.isEmpty() ? cityOf(match.zone) : match.city;
        auto *item =
            new QStandardItem(tr("%1, %2", "a city and its time zone's id").arg(city, match.zone));
        item->setData(match.zone, kZoneRole);
        m_matches->appendRow(item);
    }
    if (found.isEmpty()) {
        // Said under the box, where the matches would be; nothing to choose.
        auto *item = new QStandardItem(tr("No zone matches “%1”").arg(text.trimmed()));
        item->setFlags(Qt::NoItemFlags);
        m_matches->appendRow(item);
    }
    // Wide enough for the longest ids, whatever the box's width, as far as
    // there is room; set before the list shows, where it is placed.
    QAbstractItemView *list = m_completer->popup();
    const QRect box(m_popUp->mapToGlobal(QPoint(0, 0)), m_popUp->size());
    list->setMinimumWidth(std::min(popupArea(m_popUp, box.center()).width(),
                                   list->sizeHintForColumn(0) +
                                       list->verticalScrollBar()->sizeHint().width() +
                                       2 * list->frameWidth()));
    m_completer->complete();
    keepBesideBox(list);
    // The best match is ready for Enter; the arrows move from it.
    if (!found.isEmpty())
        list->setCurrentIndex(m_completer->completionModel()->index(0, 0));
}

void ZoneFinder::choose(const QString &zone)
{
    m_completer->popup()->hide();
    emit zoneChosen(zone);
    showSelectedZone();
}

void ZoneFinder::chooseTyped()
{
    // Enter with the list closed: the zone the text names, as --zone takes
    // it; else the list opens on the best, for a second Enter. With none,
    // the text stays for mending, and the list says so.
    const QString text = m_popUp->currentText();
    if (text == m_current)
        return;
    const QString zone = zoneNamedBy(text, m_offered, m_countries, nullptr, m_local);
    if (!zone.isEmpty())
        choose(zone);
    else
        search(text);
}

void ZoneFinder::setCurrentZone(const QString &zone)
{
    m_current = zone;
}

void ZoneFinder::showSelectedZone()
{
    const int index = m_popUp->findText(m_current, Qt::MatchExactly);
    m_popUp->setCurrentIndex(index);
    m_popUp->setEditText(m_current);
}

void ZoneFinder::keepBesideBox(QWidget *list) const
{
    const QRect box(m_popUp->mapToGlobal(QPoint(0, 0)), m_popUp->size());
    list->setGeometry(placeBeside(box, list->size(), popupArea(m_popUp, box.center())));
}

bool ZoneFinder::eventFilter(QObject *watched, QEvent *event)
{
    // Qt places the lists from where it believes the window is, which under
    // Wayland can be far off.
    if (event->type() == QEvent::Show && watched->isWidgetType() &&
        static_cast<QWidget *>(watched)->isWindow())
        keepBesideBox(static_cast<QWidget *>(watched));
    // Enter under a list that only says that nothing matches does nothing,
    // and the list stays to say so.
    if (event->type() == QEvent::KeyPress && m_completer->popup()->isVisible()) {
        const int key = static_cast<QKeyEvent *>(event)->key();
        const bool enter = key == Qt::Key_Return || key == Qt::Key_Enter;
        if (enter && m_matches->rowCount() > 0 && !m_matches->item(0)->isEnabled())
            return true;
    }
    if (event->type() == QEvent::KeyPress &&
        static_cast<QKeyEvent *>(event)->key() == Qt::Key_Escape) {
        const bool listShown = m_completer->popup()->isVisible();
        const bool typed = m_popUp->currentText() != m_current;
        if (listShown || typed) {
            m_completer->popup()->hide();
            showSelectedZone();
            return true;
        }
    }
    return QObject::eventFilter(watched, event);
}
