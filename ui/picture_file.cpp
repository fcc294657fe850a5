#include "ui/picture_file.h"

#include <QImageReader>

namespace ui {

namespace {

// A strip picture takes half a megabyte; a file claiming far more is broken.
constexpr int kAllocationLimitMiB = 64;

}  // namespace

QImage readPictureFile(const QString& path)
{
    QImageReader::setAllocationLimit(kAllocationLimitMiB);
    QImageReader reader(path);
    return reader.read();
}

}  // namespace ui
