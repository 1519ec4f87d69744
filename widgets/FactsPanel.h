#pragma once

#include <QList>
#include <QWidget>

#include <array>

class MapModel;
class QGridLayout;
class QLabel;

/// The rows below the readouts: home, target, the paths between them and the
/// satellites' next passes over home, then
/// the world clocks, each in as many columns as the window's width holds. It
/// hides while it has no rows, and takes exactly its rows' height, so that the
/// readouts above keep theirs.
class FactsPanel : public QWidget
{
    Q_OBJECT

public:
    explicit FactsPanel(MapModel &model, QWidget *parent = nullptr);

    /// A field for each pinned zone, every text, and whether the panel shows.
    void updateRows();
    void updatePinTexts();
    void updateHomeTargetTexts();
    /// Whether the label is one of the world clocks, which has its own menu.
    bool isWorldClock(QLabel *label) const { return m_pinFields.contains(label); }
    /// Whether home or target is shown.
    bool showsHomeOrTarget() const { return homeTargetRows(1) > 0; }

    /// Puts the rows in the columns a window this wide holds, at this text
    /// scale (the desktop's over the default).
    void layOut(int windowWidth, double textScale);
    /// Whether a window this wide holds other columns than those laid out.
    bool columnsChange(int windowWidth, double textScale) const
    {
        return columnsFor(windowWidth, textScale) != m_laidOutColumns;
    }
    /// The height the rows take in a window this wide; 0 while hidden.
    int rowsHeight(int windowWidth, double textScale) const;

private:
    int columnsFor(int windowWidth, double textScale) const;
    /// How many rows home, target and the paths take, two columns each.
    int homeTargetRows(int columns) const;

    MapModel &m_model;
    QGridLayout *m_homeTargetLayout = nullptr;
    QGridLayout *m_pinLayout = nullptr;
    /// Home, target, the paths and the satellites' passes, in that order;
    /// hidden while not set.
    std::array<QLabel *, 4> m_homeTargetFields{};
    QList<QLabel *> m_pinFields;
    int m_laidOutColumns = 0;
    /// The widest world clock in any light, its digits at their widest.
    int m_widestPin = 0;
};
