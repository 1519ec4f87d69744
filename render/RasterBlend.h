#pragma once

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
