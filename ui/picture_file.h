#pragma once

#include <QImage>
#include <QString>

namespace ui {

// A picture read from a file, or what keeps the file from giving one.
struct PictureFile {
    QImage picture;  // null when the file gives none
    // Why not, said of the file for its user, naming the folder looked in:
    // "not found in /home/a", "in /home/a is not a usable picture (it is empty)".
    QString fault;
};

// Reads a picture file. No picture when the file is missing, unreadable, not a
// regular file, not a picture, a BMP that ends early, or would take more
// memory than any window picture needs.
PictureFile readPictureFile(const QString& path);

}  // namespace ui
