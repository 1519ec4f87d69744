#pragma once

#include <QRect>

class QWidget;

/// The part of the screen that pop-ups from \a widget's window may cover, in
/// global coordinates: the free area of the screen at \a point. Wayland tells a
/// window nothing of its place, and Qt's guess of it can be far off; there it
/// is the window's inside, the only part sure to be on the screen.
QRect popupArea(const QWidget *widget, const QPoint &point);

/// Whether the platform tells a window where it is; set false to behave as
/// under Wayland.
bool windowPlaceKnown();
void setWindowPlaceKnown(bool known);

/// Where a pop-up of \a size goes beside \a anchor within \a area: below the
/// anchor, or above it when it does not fit below and there is more room
/// above; no larger than the room, and shifted sideways into the area.
QRect placeBeside(const QRect &anchor, QSize size, const QRect &area);

/// \a placed moved into \a area as far as it fits.
QRect shiftedInto(QRect placed, const QRect &area);
