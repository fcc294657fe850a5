#include "ui/picture_file.h"

#include <QFile>
#include <QImageReader>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace ui {

namespace {

// A strip picture takes half a megabyte; a file claiming far more is broken.
constexpr int kAllocationLimitMiB = 64;

bool fitsTheLimit(QSize size, QImage::Format format)
{
    const qint64 bitsPerPixel = QImage::toPixelFormat(format).bitsPerPixel();
    const qint64 bytesPerLine = (size.width() * bitsPerPixel + 31) / 32 * 4;
    return bitsPerPixel > 0 && bytesPerLine * size.height() <= qint64(kAllocationLimitMiB) << 20;
}

}  // namespace

QImage readPictureFile(const QString& path)
{
    // Only a regular file is read. Opening a FIFO of that name would wait for a
    // writer forever, and a device may never end; the open does not block, and
    // the kind is checked on what was opened, not on the name.
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return {};
    struct stat status {};
    QFile file;
    if (::fstat(fd, &status) != 0 || !S_ISREG(status.st_mode) ||
        !file.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        return {};
    }
    QImageReader::setAllocationLimit(kAllocationLimitMiB);
    QImageReader reader(&file);
    // Pixels that a file cut short, or a run-length BMP, does not cover Qt
    // leaves as whatever the memory held before. Read into a cleared picture
    // of the size and format the header announces, which Qt fills in place,
    // they come out as the picture's colour 0, or black, instead.
    QImage picture;
    const QSize size = reader.size();
    const QImage::Format format = reader.imageFormat();
    if (size.isValid() && format != QImage::Format_Invalid && fitsTheLimit(size, format)) {
        picture = QImage(size, format);
        picture.fill(0);
    }
    if (!reader.read(&picture))
        return {};
    return picture;
}

}  // namespace ui
