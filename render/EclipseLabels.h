#pragma once

// Words on the eclipse layer, so that its lines and shades read without a
// legend: each line of the Moon's shadow with the part of the Sun it hides,
// and a lunar eclipse's regions with what is seen there.

#include "mapcore/MapFrame.h"

class LabelPlacer;
class QPainter;
struct TextStyle;

/// The shadow's lines at the instant, "20 %" to "80 %", each where one fits,
/// and, while a lunar eclipse is within a day, its regions named at their
/// middles: all of totality (or of the eclipse) seen, the Moon rising or
/// setting during it, and not seen.
void drawEclipseLabels(QPainter &painter, const MapFrame &frame, double unixSeconds,
                       const TextStyle &style, LabelPlacer &placer);
