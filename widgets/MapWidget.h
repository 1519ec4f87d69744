#pragma once

#include <QList>
#include <QTimer>
#include <QWidget>

class FrameRenderer;
class MapModel;
class QAction;
class QMenu;

/// The day/night map on the screen: paints the model through the frame
/// renderer whenever the model changes, and offers the display options and
/// the zones near a point in its contextual menu.
class MapWidget : public QWidget
{
    Q_OBJECT

public:
    MapWidget(MapModel &model, FrameRenderer &renderer, QWidget *parent = nullptr);

    /// The display options' actions, listed at the top of the contextual menu.
    void setDisplayActions(QList<QAction *> actions);

    /// The contextual menu for a point in widget coordinates: the display
    /// options, then the zones near that point, each followed by its pin or
    /// unpin action, and the selected zone's when it is not near. The caller
    /// owns it.
    QMenu *contextMenuAt(const QPoint &point);

signals:
    /// A zone was chosen in the contextual menu.
    void zoneChosen(const QString &zoneName);
    /// A redraw has reached the screen.
    void framePainted();

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;
    void contextMenuEvent(QContextMenuEvent *event) override;

private:
    /// "Pin Asia/Tokyo", or "Unpin Asia/Tokyo" when it is pinned.
    void addPinAction(QMenu *menu, const QString &zone);

    MapModel &m_model;
    FrameRenderer &m_renderer;
    QList<QAction *> m_displayActions;
    /// Runs while the size keeps changing; the renderer keeps its sources
    /// decoded meanwhile.
    QTimer m_resizing;
};
