#include "widgets/ReadoutText.h"

#include <QCoreApplication>
#include <QLabel>
#include <QVariant>

void setReadoutText(QLabel *field, const QString &text, const QString &value)
{
    if (field->text() == text)
        return;
    field->setText(text);
    QVariant name = field->property("readoutName");
    if (!name.isValid()) {
        name = field->accessibleName();
        field->setProperty("readoutName", name);
    }
    const QString label = name.toString();
    if (label.isEmpty())
        return;
    const QString spoken = value.simplified();
    field->setAccessibleName(
        spoken.isEmpty()
            ? label
            //: What a screen reader says for a readout: its name, then its value
            : QCoreApplication::translate("MainWindow", "%1, %2", "a readout and its value")
                  .arg(label, spoken));
}

void setReadoutText(QLabel *field, const QString &text)
{
    setReadoutText(field, text, text);
}
