#pragma once

#include <QString>

class QIODevice;

namespace ui {

// Qt shows a BMP file that ends early as whatever rows it holds, black
// elsewhere, and says nothing. Says what of a BMP file is missing: its header,
// its colour table, its pixel data, or the end-of-picture mark of its
// run-length data. Empty for a whole BMP, and for a file that is no BMP at
// all. Reads the device from its start.
QString missingPartOfBmp(QIODevice& file);

}  // namespace ui
