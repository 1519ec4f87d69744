#pragma once

#include <QRectF>

#include <optional>
#include <span>
#include <vector>

/// Places the map's added labels (home's and target's, the pins', the twilight
/// lines') so that no two overlap and none covers what is reserved first: the
/// zone marker with its label, and the marks of home, target and the pins. Labels are offered in
/// priority order, each as its candidate rectangles in order of preference; the first that is free
/// is taken, and a label with none free is left out. What is to be avoided is covered only when
/// no candidate is free of it.
class LabelPlacer
{
public:
    void clear();
    /// Space no label may cover.
    void reserve(const QRectF &rect) { m_reserved.push_back(rect); }
    /// Space a label covers only where every other place is taken: the
    /// labels of the grids and the rings, which are less to lose.
    void avoid(const QRectF &rect) { m_avoided.push_back(rect); }
    /// The first of the candidates that overlaps nothing reserved or placed,
    /// now placed; none when every candidate does. Unless `avoiding` is
    /// false, a candidate clear of what is to be avoided comes first.
    std::optional<QRectF> place(std::span<const QRectF> candidates, bool avoiding = true);

    const std::vector<QRectF> &reserved() const { return m_reserved; }
    const std::vector<QRectF> &placed() const { return m_placed; }
    const std::vector<QRectF> &avoided() const { return m_avoided; }

private:
    bool isFree(const QRectF &rect, bool avoiding) const;

    std::vector<QRectF> m_reserved;
    std::vector<QRectF> m_placed;
    std::vector<QRectF> m_avoided;
};
