#pragma once

// A layer drawn pixel by pixel at each pixel's place, over day and night and
// under the lines and symbols: for what covers an area of the Earth, such as
// an eclipse's shadow or a satellite's footprint, tested against its cone, cap
// or grid on the sphere, the same way in every view.

#include "mapcore/PixelPlaces.h"

#include <cstdint>

class PixelLayer
{
public:
    virtual ~PixelLayer() = default;
    /// Draws over one row of the frame's premultiplied 32-bit pixels, whose
    /// places are given. Called for several rows at once from different
    /// threads.
    virtual void drawRow(const PixelRow &places, uint32_t *pixels) const = 0;
};
