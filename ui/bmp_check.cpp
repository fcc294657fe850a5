#include "ui/bmp_check.h"

#include <QIODevice>
#include <QtEndian>

#include <algorithm>
#include <cstdlib>

namespace ui {

namespace {

constexpr qint64 kFileHeaderSize = 14;
constexpr quint32 kOs2HeaderSize = 12;
constexpr quint32 kWindowsHeaderSize = 40;
constexpr qint64 kLongestHeaders = kFileHeaderSize + 124 + 16;  // the newest header, and masks after it

enum Compression : quint32 { Rgb = 0, Rle8 = 1, Rle4 = 2, BitFields = 3, AlphaBitFields = 6 };

const QString kHeaderEndsEarly = QStringLiteral("its header ends early");
const QString kColourTableEndsEarly = QStringLiteral("its colour table ends early");
const QString kPixelDataEndsEarly = QStringLiteral("its pixel data ends early");
const QString kRunLengthDataEndsEarly = QStringLiteral("its run-length data ends before its end-of-picture mark");

struct Header {
    qint64 width = 0, height = 0;
    quint32 bits = 0, compression = Rgb;
    qint64 tableEnd = 0;   // where the colour table, or the masks, end
    qint64 pixelData = 0;  // where the file says its pixels start
};

// Walks the run-length commands from the pixel data on, up to the
// end-of-picture mark; false where the file ends first.
bool reachesEndOfPicture(QIODevice& file, bool fourBits)
{
    char command[2];
    while (file.read(command, 2) == 2) {
        const auto count = static_cast<quint8>(command[0]);
        const auto code = static_cast<quint8>(command[1]);
        if (count != 0 || code == 0)  // a run, or the end of a line
            continue;
        if (code == 1)
            return true;
        // A jump takes two bytes; otherwise `code` pixels follow as they are,
        // padded to whole 16-bit words.
        qint64 bytes = code == 2 ? 2 : fourBits ? (code + 1) / 2 : code;
        bytes += bytes % 2;
        if (file.skip(bytes) != bytes)
            return false;
    }
    return false;
}

}  // namespace

QString missingPartOfBmp(QIODevice& file)
{
    if (!file.seek(0))
        return {};
    const qint64 size = file.size();
    const QByteArray start = file.read(kLongestHeaders);
    if (!start.startsWith("BM"))
        return {};
    const auto* bytes = reinterpret_cast<const uchar*>(start.constData());
    auto u16 = [&](qint64 at) { return qint64(qFromLittleEndian<quint16>(bytes + at)); };
    auto u32 = [&](qint64 at) { return qint64(qFromLittleEndian<quint32>(bytes + at)); };
    auto i32 = [&](qint64 at) { return qint64(qFromLittleEndian<qint32>(bytes + at)); };

    if (start.size() < kFileHeaderSize + 4)
        return kHeaderEndsEarly;
    const qint64 headerSize = u32(kFileHeaderSize);
    if (headerSize != kOs2HeaderSize && headerSize < kWindowsHeaderSize)
        return {};  // no kind of header Qt reads: Qt turns it down itself
    if (size < kFileHeaderSize + headerSize || start.size() < kFileHeaderSize + std::min<qint64>(headerSize, 40))
        return kHeaderEndsEarly;

    Header header;
    qint64 colours = 0, colourSize = 4, masks = 0;
    if (headerSize == kOs2HeaderSize) {
        header.width = u16(18);
        header.height = u16(20);
        header.bits = quint32(u16(24));
        colourSize = 3;
    } else {
        header.width = i32(18);
        header.height = i32(22);
        header.bits = quint32(u16(28));
        header.compression = quint32(u32(30));
        colours = u32(46);
        if (headerSize == kWindowsHeaderSize)  // newer headers hold their masks
            masks = header.compression == BitFields ? 12 : header.compression == AlphaBitFields ? 16 : 0;
    }
    if (header.bits <= 8 && colours == 0)
        colours = qint64(1) << header.bits;
    if (header.bits > 8)  // a table there only suggests colours; nothing reads it
        colours = 0;
    header.tableEnd = kFileHeaderSize + headerSize + masks + colours * colourSize;
    if (size < header.tableEnd)
        return kColourTableEndsEarly;
    header.pixelData = std::max(u32(10), header.tableEnd);
    if (size < header.pixelData)
        return kPixelDataEndsEarly;

    switch (header.compression) {
    case Rgb:
    case BitFields:
    case AlphaBitFields: {
        const qint64 rowBytes = (std::abs(header.width) * header.bits + 31) / 32 * 4;
        const qint64 rows = std::abs(header.height);
        return rowBytes > 0 && rows > (size - header.pixelData) / rowBytes ? kPixelDataEndsEarly : QString();
    }
    case Rle8:
    case Rle4:
        if (!file.seek(header.pixelData) || !reachesEndOfPicture(file, header.compression == Rle4))
            return kRunLengthDataEndsEarly;
        return {};
    }
    return {};
}

}  // namespace ui
