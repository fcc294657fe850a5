#include "windows/pieces/strip_pictures.h"

#include "ui/picture_file.h"

#include <QCoreApplication>

#include <cstdio>

namespace {

QImage loadStrip(const char* fileName)
{
    const QString name = QString::fromUtf8(fileName);
    const ui::PictureFile file = ui::readPictureFile(name);
    if (!file.picture.isNull())
        return file.picture;
    const QImage installed =
        ui::readPictureFile(QCoreApplication::applicationDirPath() + QStringLiteral("/" KARETO_INSTALLED_PICTURES "/") + name)
            .picture;
    if (!installed.isNull())
        return installed;
    std::fprintf(stderr, "kareto: %s %s; using the built-in strip\n", fileName, qPrintable(file.fault));
    return QImage(QStringLiteral(":/pictures/") + name);
}

}  // namespace

std::array<QImage, 3> loadStripPictures()
{
    return {loadStrip("r1.bmp"), loadStrip("r2.bmp"), loadStrip("r3.bmp")};
}
