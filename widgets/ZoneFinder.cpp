#include "widgets/ZoneFinder.h"

#include "model/MapModel.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QCompleter>
#include <QKeyEvent>
#include <QLineEdit>
#include <QStringListModel>

#include <utility>

ZoneFinder::ZoneFinder(QComboBox *popUp, MapModel &model, ZoneCountries countries)
    : QObject(popUp), m_popUp(popUp), m_model(model), m_countries(std::move(countries)),
      m_matches(new QStringListModel(this)), m_completer(new QCompleter(m_matches, this))
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
    m_completer->setMaxVisibleItems(m_popUp->maxVisibleItems());
    // The completer filters the list's keys first; this filter, installed after
    // it, sees Escape before it does.
    m_completer->popup()->installEventFilter(this);
    m_completer->popup()->setFont(m_popUp->font());
    edit->installEventFilter(this);

    connect(edit, &QLineEdit::textEdited, this, &ZoneFinder::search);
    connect(m_completer, qOverload<const QString &>(&QCompleter::activated), this,
            &ZoneFinder::choose);
    connect(edit, &QLineEdit::returnPressed, this, &ZoneFinder::chooseTyped);
    connect(edit, &QLineEdit::editingFinished, this, [this] {
        if (!m_completer->popup()->isVisible())
            showSelectedZone();
    });
}

QStringList ZoneFinder::shownMatches() const
{
    return m_completer->popup()->isVisible() ? m_matches->stringList() : QStringList();
}

void ZoneFinder::search(const QString &text)
{
    const QStringList found = findZones(text, m_model.offeredZones(), m_countries);
    m_matches->setStringList(found);
    if (found.isEmpty()) {
        m_completer->popup()->hide();
        return;
    }
    m_completer->complete();
    // The best match is ready for Enter; the arrows move from it.
    m_completer->popup()->setCurrentIndex(m_matches->index(0));
}

void ZoneFinder::choose(const QString &zone)
{
    m_completer->popup()->hide();
    m_model.selectZone(zone);
    showSelectedZone();
}

void ZoneFinder::chooseTyped()
{
    // Enter with the list closed: the typed id, else the best match.
    const QString text = m_popUp->currentText();
    if (text == m_model.zoneName() || m_model.offeredZones().contains(text)) {
        if (text != m_model.zoneName())
            choose(text);
        return;
    }
    const QStringList found = findZones(text, m_model.offeredZones(), m_countries);
    if (!found.isEmpty())
        choose(found.first());
    else
        showSelectedZone();
}

void ZoneFinder::showSelectedZone()
{
    const int index = m_popUp->findText(m_model.zoneName(), Qt::MatchExactly);
    m_popUp->setCurrentIndex(index);
    m_popUp->setEditText(m_model.zoneName());
}

bool ZoneFinder::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::KeyPress &&
        static_cast<QKeyEvent *>(event)->key() == Qt::Key_Escape) {
        const bool listShown = m_completer->popup()->isVisible();
        const bool typed = m_popUp->currentText() != m_model.zoneName();
        if (listShown || typed) {
            m_completer->popup()->hide();
            showSelectedZone();
            return true;
        }
    }
    return QObject::eventFilter(watched, event);
}
