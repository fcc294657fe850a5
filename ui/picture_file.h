#pragma once

#include <QImage>
#include <QString>

namespace ui {

// Reads a picture file. A null image when the file is missing, unreadable,
// not a regular file, not a picture, or would take more memory than any
// window picture needs.
QImage readPictureFile(const QString& path);

}  // namespace ui
