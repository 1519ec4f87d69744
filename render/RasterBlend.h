#pragma once

#include "mapcore/Vectorise.h"

#include <cstdint>

// QPainter's raster engine's arithmetic on premultiplied 32-bit pixels, for
// the layers drawn straight into a frame: the same bytes as QPainter paints.

/// x's four bytes times a / 255, each rounded as the raster engine rounds it.
inline uint32_t byteMul(uint32_t x, uint32_t a)
{
    uint32_t t = (x & 0xff00ff) * a;
    t = (t + ((t >> 8) & 0xff00ff) + 0x800080) >> 8;
    t &= 0xff00ff;
    x = ((x >> 8) & 0xff00ff) * a;
    x = x + ((x >> 8) & 0xff00ff) + 0x800080;
    x &= 0xff00ff00;
    return x | t;
}

/// A premultiplied colour composed over a pixel.
inline uint32_t blendOver(uint32_t pixel, uint32_t colour)
{
    return colour + byteMul(pixel, 255 - (colour >> 24));
}

/// Source-over of a run of colours onto as many pixels. One after the other,
/// so that the compiler takes several at once.
DUSKMAP_VECTORISE("tree-vectorize")
inline void blendRun(uint32_t *__restrict pixels, const uint32_t *__restrict colours,
                     uint32_t count)
{
    for (uint32_t i = 0; i < count; ++i)
        pixels[i] = blendOver(pixels[i], colours[i]);
}
