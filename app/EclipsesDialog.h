#pragma once

// The Eclipses dialog: every solar and lunar eclipse the map knows, and going
// to the greatest of the one chosen.

#include "astro/GeoPoint.h"

#include <QDateTime>
#include <QDialog>

#include <optional>

class QTreeWidget;

class EclipsesDialog : public QDialog
{
    Q_OBJECT

public:
    /// Lists them with the first after `shown` chosen, and whether home, when
    /// set, sees each.
    EclipsesDialog(const QDateTime &shown, const std::optional<GeoPoint> &home, QWidget *parent);
    /// The chosen eclipse's greatest; invalid when none is chosen.
    QDateTime chosenInstant() const;

private:
    QTreeWidget *m_list;
};
