#pragma once

#include <QImage>
#include <QSize>

/// A new image, as QImage(size, format) makes it, whose pixels of a large
/// image lie on the system's transparent huge pages where it has them. The
/// kernel then maps its memory 2 MB at a time rather than 4 kB: on a virtual
/// machine each first touch of a page costs microseconds, tens of milliseconds
/// for the 8 MB of a map image, more than decoding it. Small images are
/// QImage's own; a null image where memory runs short.
QImage largeImage(QSize size, QImage::Format format);
