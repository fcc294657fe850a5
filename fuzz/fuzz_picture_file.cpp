// Any bytes as a reel's strip picture: written to r1.bmp in the working
// directory and read back through ui::readPictureFile, as the reel window
// reads its strips.

#include "ui/picture_file.h"

#include <QFile>
#include <QImage>
#include <QImageReader>
#include <QtGlobal>

#include <cstddef>
#include <cstdint>

namespace {

void require(bool holds)
{
    if (!holds)
        __builtin_trap();
}

// Qt's decoders complain about every broken file; the fuzzer's own output is
// what matters.
void quiet(QtMsgType, const QMessageLogContext&, const QString&) {}

// Qt's decoders carry no coverage counters of their own, so the outcome of
// each input stands in for where it went: which decoder took it, what kind of
// picture came out, and of about what size. libFuzzer keeps an input that
// reaches a new outcome as it keeps one that reaches new code.
__attribute__((section("__libfuzzer_extra_counters"))) std::uint8_t outcomes[4096];

int bitLength(int n)
{
    int bits = 0;
    for (; n > 0 && bits < 15; n >>= 1)
        ++bits;
    return bits;
}

void count(const QByteArray& decoder, const QImage& picture)
{
    const std::size_t where = qHash(decoder) * 31 + std::size_t(picture.format()) * 257 +
                              std::size_t(bitLength(picture.width())) * 17 + std::size_t(bitLength(picture.height()));
    ++outcomes[where % sizeof outcomes];
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    qInstallMessageHandler(quiet);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QString path = QStringLiteral("r1.bmp");
    {
        QFile file(path);
        require(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        require(file.write(reinterpret_cast<const char*>(data), static_cast<qint64>(size)) ==
                static_cast<qint64>(size));
    }
    const ui::PictureFile read = ui::readPictureFile(path);
    const QImage& picture = read.picture;
    count(QImageReader(path).format(), picture);
    // Whatever gets through is a picture the window can hold; whatever does
    // not is said why.
    require(picture.isNull() || picture.sizeInBytes() <= qsizetype(64) << 20);
    require(picture.isNull() != read.fault.isEmpty());
    return 0;
}
