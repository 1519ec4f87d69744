// Resamples an equirectangular world image to a map of the given size.
// Usage: make_maps SOURCE WIDTH HEIGHT OUTPUT (the format follows OUTPUT's extension)
#include <QImage>
#include <cstdio>

int main(int argc, char *argv[])
{
    if (argc != 5) {
        std::fprintf(stderr, "usage: make_maps SOURCE WIDTH HEIGHT OUTPUT\n");
        return 2;
    }
    QImage source(QString::fromLocal8Bit(argv[1]));
    if (source.isNull()) {
        std::fprintf(stderr, "make_maps: cannot read image %s\n", argv[1]);
        return 1;
    }
    const int width = QByteArray(argv[2]).toInt();
    const int height = QByteArray(argv[3]).toInt();
    if (width <= 0 || height <= 0) {
        std::fprintf(stderr, "make_maps: bad size %s x %s\n", argv[2], argv[3]);
        return 2;
    }
    // Area-averaging downscale; the maps store three 8-bit samples per pixel.
    const QImage map = source.convertToFormat(QImage::Format_RGB888)
                           .scaled(width, height, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
                           .convertToFormat(QImage::Format_RGB888);
    if (!map.save(QString::fromLocal8Bit(argv[4]))) {
        std::fprintf(stderr, "make_maps: cannot write %s\n", argv[4]);
        return 1;
    }
    return 0;
}
