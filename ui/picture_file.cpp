#include "ui/picture_file.h"

#include "ui/bmp_check.h"

#include <QFile>
#include <QFileInfo>
#include <QImageReader>

#include <cerrno>
#include <cstring>
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

QString readingFault(const QImageReader& reader, bool tooLarge)
{
    if (tooLarge)
        return QStringLiteral("it would take more than %1 MiB to show").arg(kAllocationLimitMiB);
    if (reader.error() == QImageReader::UnsupportedFormatError)
        return QStringLiteral("it is in no picture format the program reads");
    return QStringLiteral("its data is damaged: %1").arg(reader.errorString());
}

PictureFile unusable(const QString& path, const QString& why)
{
    return {{}, QStringLiteral("in %1 is not a usable picture (%2)").arg(QFileInfo(path).absolutePath(), why)};
}

}  // namespace

PictureFile readPictureFile(const QString& path)
{
    // Only a regular file is read. Opening a FIFO of that name would wait for a
    // writer forever, and a device may never end; the open does not block, and
    // the kind is checked on what was opened, not on the name.
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        if (errno == ENOENT || errno == ENOTDIR)
            return {{}, QStringLiteral("not found in %1").arg(QFileInfo(path).absolutePath())};
        return unusable(path, QStringLiteral("it cannot be opened: %1").arg(QString::fromLocal8Bit(std::strerror(errno))));
    }
    struct stat status {};
    QFile file;
    if (::fstat(fd, &status) != 0 || !S_ISREG(status.st_mode)) {
        ::close(fd);
        return unusable(path, S_ISDIR(status.st_mode) ? QStringLiteral("it is a folder")
                                                      : QStringLiteral("it is not a regular file"));
    }
    if (!file.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        return unusable(path, QStringLiteral("it cannot be opened: %1").arg(file.errorString()));
    }
    if (file.size() == 0)
        return unusable(path, QStringLiteral("it is empty"));
    if (const QString missing = missingPartOfBmp(file); !missing.isEmpty())
        return unusable(path, missing);
    file.seek(0);

    QImageReader::setAllocationLimit(kAllocationLimitMiB);
    QImageReader reader(&file);
    // Pixels that a run-length BMP leaves out, by its jumps and early line
    // ends, Qt leaves as whatever the memory held before. Read into a cleared
    // picture of the size and format the header announces, which Qt fills in
    // place, they come out as the picture's colour 0 instead.
    QImage picture;
    const QSize size = reader.size();
    const QImage::Format format = reader.imageFormat();
    const bool announced = size.isValid() && format != QImage::Format_Invalid;
    if (announced && fitsTheLimit(size, format)) {
        picture = QImage(size, format);
        picture.fill(0);
    }
    if (!reader.read(&picture))
        return unusable(path, readingFault(reader, announced && !fitsTheLimit(size, format)));
    return {picture, {}};
}

}  // namespace ui
