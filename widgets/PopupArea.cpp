#include "widgets/PopupArea.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

#include <algorithm>
#include <optional>

namespace {
std::optional<bool> g_placeKnown;
}

bool windowPlaceKnown()
{
    if (!g_placeKnown)
        g_placeKnown = !QGuiApplication::platformName().startsWith(QLatin1String("wayland"));
    return *g_placeKnown;
}

void setWindowPlaceKnown(bool known)
{
    g_placeKnown = known;
}

QRect popupArea(const QWidget *widget, const QPoint &point)
{
    // Measured as mapToGlobal() measures, which under Wayland need not agree
    // with the window's own idea of its frame.
    const QWidget *window = widget->window();
    if (!windowPlaceKnown())
        return QRect(window->mapToGlobal(QPoint(0, 0)), window->size());
    const QScreen *screen = QGuiApplication::screenAt(point);
    return (screen ? screen : widget->screen())->availableGeometry();
}

QRect placeBeside(const QRect &anchor, QSize size, const QRect &area)
{
    const int below = area.bottom() - anchor.bottom();
    const int above = anchor.top() - area.top();
    const bool down = size.height() <= below || below >= above;
    size = size.boundedTo(QSize(area.width(), down ? below : above));
    QRect placed(QPoint(anchor.left(), down ? anchor.bottom() + 1 : anchor.top() - size.height()),
                 size);
    return shiftedInto(placed, area);
}

QRect shiftedInto(QRect placed, const QRect &area)
{
    placed.moveLeft(
        std::max(area.left(), std::min(placed.left(), area.right() + 1 - placed.width())));
    placed.moveTop(
        std::max(area.top(), std::min(placed.top(), area.bottom() + 1 - placed.height())));
    return placed;
}
