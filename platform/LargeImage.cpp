#include "platform/LargeImage.h"

#include <sys/mman.h>

#include <cstdint>
#include <cstdlib>
#include <limits>

namespace {
constexpr size_t kHugePage = size_t(2) << 20;
} // namespace

QImage largeImage(QSize size, QImage::Format format)
{
    if (size.isEmpty() || format == QImage::Format_Invalid)
        return QImage(size, format);
    // Rows 32-bit aligned, as QImage lays them out itself.
    const size_t bits = size_t(QImage::toPixelFormat(format).bitsPerPixel());
    const size_t stride = (size_t(size.width()) * bits + 31) / 32 * 4;
    if (stride > size_t(std::numeric_limits<int>::max()) ||
        size_t(size.height()) > std::numeric_limits<size_t>::max() / stride)
        return {};
    const size_t bytes = stride * size_t(size.height());
    if (bytes < kHugePage)
        return QImage(size, format);
    const size_t rounded = (bytes + kHugePage - 1) / kHugePage * kHugePage;
    void *memory = std::aligned_alloc(kHugePage, rounded);
    if (!memory)
        return {};
    // Only a hint: a kernel without huge pages gives small ones.
    madvise(memory, rounded, MADV_HUGEPAGE);
    return QImage(
        static_cast<uchar *>(memory), size.width(), size.height(), qsizetype(stride), format,
        [](void *pixels) { std::free(pixels); }, memory);
}
