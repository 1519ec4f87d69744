#include "mapcore/PixelPlaces.h"

#include "astro/Sphere.h"
#include "mapcore/ViewShading.h"

#include <algorithm>
#include <cmath>
#include <thread>

PixelPlaces::PixelPlaces(const MapGeometry &device)
    : m_width(device.mapWidth), m_height(device.mapHeight), m_geometry(device)
{
    // A row's places differ only by their latitude: each column's longitude
    // is worked out once.
    m_cosLongitude.resize(std::size_t(std::max(0, m_width)));
    m_sinLongitude.resize(m_cosLongitude.size());
    for (int32_t column = 0; column < m_width; ++column) {
        const double longitude = xToLongitude(float(column) + 0.5f, device) * sphere::kDegToRad;
        m_cosLongitude[std::size_t(column)] = float(std::cos(longitude));
        m_sinLongitude[std::size_t(column)] = float(std::sin(longitude));
    }
}

PixelPlaces::PixelPlaces(const MapProjection &projection, const ViewPixels *prepared)
    : m_width(int32_t(projection.frameWidth())), m_height(int32_t(projection.frameHeight())),
      m_flat(false), m_viewFrame(viewFrameOf(projection))
{
    if (prepared && prepared->projection == m_viewFrame && prepared->width == m_width &&
        prepared->height == m_height && !prepared->x.empty())
        m_prepared = prepared;
    const sphere::LocalFrame axes = viewFrameAxes(projection);
    for (int i = 0; i < 3; ++i) {
        m_up[i] = float(axes.up[size_t(i)]);
        m_east[i] = float(axes.east[size_t(i)]);
        m_north[i] = float(axes.north[size_t(i)]);
    }
}

void PixelPlaces::fillRow(int32_t row, float *x, float *y, float *z) const
{
    if (m_flat) {
        // Rows count down from the top; the map's own y counts up from the bottom.
        const float latitude = yToLatitude(float(m_geometry.mapHeight - row) - 0.5f, m_geometry);
        if (std::fabs(latitude) > 90.0f) {
            std::fill_n(x, m_width, 0.0f);
            std::fill_n(y, m_width, 0.0f);
            std::fill_n(z, m_width, 0.0f);
            return;
        }
        const float cosLatitude = float(std::cos(latitude * sphere::kDegToRad));
        const float sinLatitude = float(std::sin(latitude * sphere::kDegToRad));
        for (int32_t column = 0; column < m_width; ++column) {
            x[column] = cosLatitude * m_cosLongitude[std::size_t(column)];
            y[column] = cosLatitude * m_sinLongitude[std::size_t(column)];
            z[column] = sinLatitude;
        }
        return;
    }
    // The view's own frame, turned onto the Earth.
    const float *vx = x, *vy = y, *vz = z;
    if (m_prepared) {
        const std::size_t at = std::size_t(row) * m_prepared->stride;
        vx = m_prepared->x.data() + at;
        vy = m_prepared->y.data() + at;
        vz = m_prepared->z.data() + at;
    } else {
        viewFrameRow(m_viewFrame, row, x, y, z, m_width);
    }
    for (int32_t column = 0; column < m_width; ++column) {
        const float a = vx[column], b = vy[column], c = vz[column];
        x[column] = a * m_up[0] + b * m_east[0] + c * m_north[0];
        y[column] = a * m_up[1] + b * m_east[1] + c * m_north[1];
        z[column] = a * m_up[2] + b * m_east[2] + c * m_north[2];
    }
}

void PixelPlaces::forEachRow(int threads, const std::function<void(const PixelRow &)> &draw) const
{
    if (m_width <= 0 || m_height <= 0)
        return;
    const auto band = [&](int32_t first, int32_t end) {
        std::vector<float> places(std::size_t(m_width) * 3);
        float *x = places.data(), *y = x + m_width, *z = y + m_width;
        for (int32_t row = first; row < end; ++row) {
            fillRow(row, x, y, z);
            draw({row, m_width, x, y, z});
        }
    };
    view_shading::inBands(m_height, threads, band);
}
