// Whatever lies in the working directory as "r1.bmp", the program starts, the
// left reel shows a strip (its own design picture where the file is unusable,
// with one line saying why, the file's picture where Qt can read it whole),
// memory stays bounded, and the game plays.

#include "../reel_window_fixture.h"
#include "memory.h"

#include "app/program.h"
#include "ui/look.h"
#include "ui/picture.h"
#include "ui/picture_file.h"
#include "windows/notice_and_info/form4.h"

#include <QBuffer>
#include <QDataStream>
#include <QDir>
#include <QFile>
#include <QImageReader>
#include <QRandomGenerator>
#include <QTemporaryDir>

#include <cstdio>
#include <fcntl.h>
#include <functional>
#include <sys/stat.h>
#include <unistd.h>

using namespace reliability;

namespace {

// A BMP file as written by hand: the headers, the colour table and the pixel
// bytes as given, so that a header can claim what the pixels do not hold.
QByteArray bmpFile(qint32 width, qint32 height, quint16 bits, quint32 compression, const QByteArray& palette,
                   const QByteArray& pixels)
{
    QByteArray file;
    QDataStream out(&file, QIODevice::WriteOnly);
    out.setByteOrder(QDataStream::LittleEndian);
    const auto offset = static_cast<quint32>(14 + 40 + palette.size());
    out.writeRawData("BM", 2);
    out << static_cast<quint32>(offset + pixels.size()) << quint16(0) << quint16(0) << offset;
    out << quint32(40) << width << height << quint16(1) << bits << compression
        << static_cast<quint32>(pixels.size()) << qint32(2835) << qint32(2835)
        << static_cast<quint32>(palette.size() / 4) << quint32(0);
    out.writeRawData(palette.constData(), static_cast<int>(palette.size()));
    out.writeRawData(pixels.constData(), static_cast<int>(pixels.size()));
    return file;
}

// An 8-bit palette picture of three colours in diagonal stripes, and the
// picture it shows.
const QRgb kStripeColours[] = {qRgb(200, 30, 30), qRgb(30, 160, 60), qRgb(40, 60, 220)};
constexpr int kPaletteWidth = 6;  // rows of 6 bytes are padded to 8
constexpr int kPaletteHeight = 4;

int stripeAt(int x, int y)
{
    return (x + y) % 3;
}

QByteArray paletteBmp()
{
    QByteArray palette;
    for (QRgb colour : kStripeColours)
        palette.append(char(qBlue(colour))).append(char(qGreen(colour))).append(char(qRed(colour))).append('\0');
    QByteArray pixels;
    for (int y = kPaletteHeight - 1; y >= 0; --y) {  // bottom row first
        for (int x = 0; x < kPaletteWidth; ++x)
            pixels += char(stripeAt(x, y));
        pixels += QByteArray(2, 0);
    }
    return bmpFile(kPaletteWidth, kPaletteHeight, 8, 0, palette, pixels);
}

QImage palettePicture()
{
    QImage picture(kPaletteWidth, kPaletteHeight, QImage::Format_RGB32);
    for (int y = 0; y < kPaletteHeight; ++y)
        for (int x = 0; x < kPaletteWidth; ++x)
            picture.setPixel(x, y, kStripeColours[stripeAt(x, y)]);
    return picture;
}

QImage pngPicture()
{
    QImage picture(5, 3, QImage::Format_RGB32);
    picture.fill(qRgb(250, 200, 0));
    picture.setPixel(2, 1, qRgb(0, 0, 0));
    return picture;
}

QByteArray pngFile()
{
    QByteArray file;
    QBuffer buffer(&file);
    buffer.open(QIODevice::WriteOnly);
    pngPicture().save(&buffer, "PNG");
    return file;
}

// An 8-bit run-length BMP of 9000 × 9000 pixels, all of colour 0, in a few
// bytes: 81 MB as an image, 324 MB as the window's picture.
QByteArray hugeRunLengthBmp()
{
    const QByteArray palette{"\0\0\0\0\xff\xff\xff\0", 8};
    const QByteArray endOfPicture{"\0\1", 2};
    return bmpFile(9000, 9000, 8, 1, palette, endOfPicture);
}

// Eight by four pixels of colour 0 but for two runs of colour 1: three pixels
// at the bottom left, then, past an end of line and a jump, two pixels in the
// second row from the top. The rest of the picture the file leaves out.
const QRgb kRunColours[] = {qRgb(20, 40, 160), qRgb(240, 220, 10)};

QByteArray runLengthBmpWithGaps()
{
    QByteArray palette;
    for (QRgb colour : kRunColours)
        palette.append(char(qBlue(colour))).append(char(qGreen(colour))).append(char(qRed(colour))).append('\0');
    const QByteArray runs{"\3\1" "\0\0" "\0\2\2\1" "\2\1" "\0\1", 12};
    return bmpFile(8, 4, 8, 1, palette, runs);
}

QImage runLengthPicture()
{
    QImage picture(8, 4, QImage::Format_RGB32);
    picture.fill(kRunColours[0]);
    for (QPoint pixel : {QPoint(0, 3), QPoint(1, 3), QPoint(2, 3), QPoint(2, 1), QPoint(3, 1)})
        picture.setPixel(pixel, kRunColours[1]);
    return picture;
}

QByteArray designFile()
{
    QFile design(QStringLiteral(PICTURES_DIR "/r1.bmp"));
    return design.open(QIODevice::ReadOnly) ? design.readAll() : QByteArray();
}

QImage designPicture()
{
    return QImage(QStringLiteral(":/pictures/r1.bmp")).convertToFormat(QImage::Format_RGB32);
}

// The line on standard error for an r1.bmp that is there but unusable; %1
// stands for the folder.
QString unusable(const char* why)
{
    return QStringLiteral("kareto: r1.bmp in %1 is not a usable picture (%2); using the built-in strip")
        .arg(QStringLiteral("%1"), QLatin1String(why));
}

bool write(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

struct Case {
    const char* name;
    std::function<bool(const QString& path)> make;  // lays r1.bmp at path
    std::function<QImage()> shows;                  // null: the design picture
    QString message;                                // with the design picture: the line saying why
};

const Case kCases[] = {
    {"missing", [](const QString&) { return true; }, {},
     QStringLiteral("kareto: r1.bmp not found in %1; using the built-in strip")},
    {"empty", [](const QString& path) { return write(path, {}); }, {}, unusable("it is empty")},
    {"headers cut short", [](const QString& path) { return write(path, designFile().left(30)); }, {},
     unusable("its header ends early")},
    // Qt showed the rows such a file holds, black above them, and said nothing.
    {"pixels cut short", [](const QString& path) { return write(path, designFile().chopped(1)); }, {},
     unusable("its pixel data ends early")},
    {"run-length with gaps", [](const QString& path) { return write(path, runLengthBmpWithGaps()); },
     runLengthPicture, {}},
    {"random bytes",
     [](const QString& path) {
         QRandomGenerator random(5);
         QByteArray bytes(4096, 0);
         random.fillRange(reinterpret_cast<quint32*>(bytes.data()), bytes.size() / 4);
         return write(path, bytes);
     },
     {}, unusable("it is in no picture format the program reads")},
    {"header claims 100000 x 100000",
     [](const QString& path) { return write(path, bmpFile(100000, 100000, 24, 0, {}, {})); }, {},
     unusable("its pixel data ends early")},
    {"run-length 9000 x 9000", [](const QString& path) { return write(path, hugeRunLengthBmp()); }, {},
     unusable("it would take more than 64 MiB to show")},
    {"8-bit palette", [](const QString& path) { return write(path, paletteBmp()); }, palettePicture, {}},
    {"PNG named .bmp", [](const QString& path) { return write(path, pngFile()); }, pngPicture, {}},
    {"directory", [](const QString& path) { return QDir().mkdir(path); }, {}, unusable("it is a folder")},
    // Root reads it all the same, and then sees the file's picture.
    {"no read permission",
     [](const QString& path) { return write(path, paletteBmp()) && ::chmod(QFile::encodeName(path), 0) == 0; },
     [] { return ::geteuid() == 0 ? palettePicture() : QImage(); },
     unusable("it cannot be opened: Permission denied")},
    // Opening a FIFO waits for a writer: before regular files alone were
    // read, the program never came up.
    {"FIFO", [](const QString& path) { return ::mkfifo(QFile::encodeName(path), 0644) == 0; }, {},
     unusable("it is not a regular file")},
    {"link to a device", [](const QString& path) { return QFile::link(QStringLiteral("/dev/zero"), path); }, {},
     unusable("it is not a regular file")},
    {"link to itself", [](const QString& path) { return QFile::link(path, path); }, {},
     unusable("it cannot be opened: Too many levels of symbolic links")},
    {"link to a picture",
     [](const QString& path) {
         const QString target = path + QStringLiteral(".png");
         return write(target, pngFile()) && QFile::link(target, path);
     },
     pngPicture, {}},
};

// A small BMP of every kind Qt reads, from the fuzzer's starting corpus.
QStringList bmpKinds()
{
    QStringList kinds = QDir(QStringLiteral(FUZZ_CORPUS_DIR)).entryList({QStringLiteral("bmp*")}, QDir::Files);
    kinds.removeIf([](const QString& name) { return name.endsWith(QLatin1String("-cut")); });
    return kinds;
}

QByteArray corpusFile(const QString& name)
{
    QFile file(QStringLiteral(FUZZ_CORPUS_DIR "/") + name);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// What the program writes to its standard error while it runs.
class ErrorCapture {
public:
    ErrorCapture()
    {
        std::fflush(stderr);
        saved_ = ::dup(2);
        ::dup2(::fileno(file_), 2);
    }
    ~ErrorCapture() { release(); }

    QStringList lines()
    {
        release();
        std::rewind(file_);
        QByteArray text;
        char chunk[4096];
        for (std::size_t n; (n = std::fread(chunk, 1, sizeof chunk, file_)) > 0;)
            text.append(chunk, static_cast<qsizetype>(n));
        return QString::fromUtf8(text).split(u'\n', Qt::SkipEmptyParts);
    }

private:
    void release()
    {
        if (saved_ < 0)
            return;
        std::fflush(stderr);
        ::dup2(saved_, 2);
        ::close(saved_);
        saved_ = -1;
    }

    std::FILE* file_ = std::tmpfile();
    int saved_ = -1;
};

// The peak of resident memory since the last reset, where the kernel lets a
// process reset it; -1 where it does not.
long resetPeak()
{
    QFile clear(QStringLiteral("/proc/self/clear_refs"));
    return clear.open(QIODevice::WriteOnly) && clear.write("5") == 1 ? 0 : -1;
}

long peakBytes()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray& line : status.readAll().split('\n'))
        if (line.startsWith("VmHWM:"))
            return line.mid(6).trimmed().split(' ').value(0).toLong() * 1024;
    return -1;
}

QImage shown(const Riru& window, const char* picture)
{
    return window.findChild<ui::Picture*>(QString::fromUtf8(picture))->picture().convertToFormat(
        QImage::Format_RGB32);
}

}  // namespace

class PictureFiles : public QObject {
    Q_OBJECT

    QString startFolder_;

private slots:
    void initTestCase()
    {
        ui::useClassicLook();
        startFolder_ = QDir::currentPath();
        QVERIFY(!designPicture().isNull());
    }

    void cleanup() { QDir::setCurrent(startFolder_); }

    // The run-length fixture is one Qt would read, at its full size, were
    // reading not limited: the design picture it gets is the limit's doing.
    void hugeFixtureReadsWithoutTheLimit()
    {
        QByteArray file = hugeRunLengthBmp();
        QBuffer buffer(&file);
        const int limit = QImageReader::allocationLimit();
        QImageReader::setAllocationLimit(0);
        const QSize size = QImageReader(&buffer).read().size();
        QImageReader::setAllocationLimit(limit);
        QCOMPARE(size, QSize(9000, 9000));
    }

    void startsAndPlays_data()
    {
        QTest::addColumn<int>("index");
        for (int i = 0; i < int(std::size(kCases)); ++i)
            QTest::newRow(kCases[i].name) << i;
    }

    void startsAndPlays()
    {
        QFETCH(int, index);
        const Case& fixture = kCases[index];

        QTemporaryDir folder;
        QVERIFY(folder.isValid());
        QVERIFY(fixture.make(folder.filePath(QStringLiteral("r1.bmp"))));
        for (const char* name : {"r2.bmp", "r3.bmp"})
            QVERIFY(QFile::copy(QStringLiteral(PICTURES_DIR "/") + name, folder.filePath(name)));
        QDir::setCurrent(folder.path());

        const bool peakMeasured = kMemoryIsMeasurable && resetPeak() == 0;
        const long before = residentBytes();
        auto errors = std::make_unique<ErrorCapture>();
        Program program([] {});
        QTest::mouseClick(program.notice()->findChild<QPushButton*>(QStringLiteral("Command1")), Qt::LeftButton);
        Riru* window = program.reelWindow();
        QVERIFY(window);
        const QStringList errorLines = errors->lines();
        errors.reset();
        const long peak = peakBytes();

        // One line, for the unusable file alone, saying why and where.
        const QImage expected = fixture.shows ? fixture.shows() : QImage();
        if (expected.isNull()) {
            QCOMPARE(errorLines.filter(QStringLiteral("kareto:")), QStringList(fixture.message.arg(folder.path())));
            QCOMPARE(shown(*window, "Image1"), designPicture());
        } else {
            QCOMPARE(errorLines.filter(QStringLiteral("kareto:")).size(), 0);
            QCOMPARE(shown(*window, "Image1"), expected);
        }
        if (peakMeasured)
            QVERIFY2(peak - before < 32L << 20, qPrintable(QStringLiteral("peak %1 MiB over %2 MiB")
                                                               .arg(peak >> 20)
                                                               .arg(before >> 20)));

        QVERIFY(QTest::qWaitForWindowExposed(window));
        QCOMPARE(shownState(*window), Shown::Standing);
        boxOf(*window, "Text1")->setText(QStringLiteral("5"));
        QTest::mouseClick(buttonOf(*window, "cmstart"), Qt::LeftButton);
        QCOMPARE(shownState(*window), Shown::Spinning);
        QTRY_VERIFY(window->game().reel(reel::Left).koma != 0 && window->game().reel(reel::Center).koma != 0 && window->game().reel(reel::Right).koma != 0);
        for (const char* stop : {"r1stop", "r2stop", "r3stop"})
            QTest::mouseClick(buttonOf(*window, stop), Qt::LeftButton);
        QCOMPARE(shownState(*window), Shown::Standing);
        QCOMPARE(boxOf(*window, "Text2")->text(), expectedReadOut(*window));
        QVERIFY(isPattern(boxOf(*window, "Text2")->text()));
        QTest::mouseClick(buttonOf(*window, "r1ue"), Qt::LeftButton);
        QCOMPARE(boxOf(*window, "Text2")->text(), expectedReadOut(*window));

        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);  // the notice
    }

    // A whole BMP of each kind shows as Qt reads it; the same file missing its
    // last byte, or part of its header or colour table, shows nothing.
    void bmpEndingEarly_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QString>("fault");  // empty: the picture shows
        const QString pixelsEndEarly = QStringLiteral("its pixel data ends early");
        const QString noEndMark = QStringLiteral("its run-length data ends before its end-of-picture mark");
        for (const QString& kind : bmpKinds()) {
            const QByteArray whole = corpusFile(kind);
            QTest::newRow(qPrintable(kind)) << whole << QString();
            QTest::newRow(qPrintable(kind + QStringLiteral(" cut short")))
                << whole.chopped(1) << (kind.endsWith(QLatin1String("-rle")) ? noEndMark : pixelsEndEarly);
        }
        QVERIFY2(!bmpKinds().isEmpty(), FUZZ_CORPUS_DIR);
        QTest::newRow("header cut short") << corpusFile(QStringLiteral("bmp24")).left(40)
                                          << QStringLiteral("its header ends early");
        QTest::newRow("colour table cut short") << corpusFile(QStringLiteral("bmp8-palette")).left(14 + 40 + 10)
                                                << QStringLiteral("its colour table ends early");
        QByteArray farOffset = corpusFile(QStringLiteral("bmp24"));
        farOffset[10] = char(200);
        QTest::newRow("pixel data past the end") << farOffset << pixelsEndEarly;
        // A jump's two bytes, then the end-of-picture mark, all cut away.
        QTest::newRow("run-length jump cut short")
            << bmpFile(4, 2, 8, 1, QByteArray(8, 0), QByteArray("\2\1\0\2\1", 5)) << noEndMark;
        QTest::newRow("run-length pixels cut short")
            << bmpFile(4, 2, 8, 1, QByteArray(8, 0), QByteArray("\0\3\1\1", 4)) << noEndMark;
    }

    void bmpEndingEarly()
    {
        QFETCH(QByteArray, file);
        QFETCH(QString, fault);
        QTemporaryDir folder;
        const QString path = folder.filePath(QStringLiteral("r1.bmp"));
        QVERIFY(write(path, file));
        const ui::PictureFile read = ui::readPictureFile(path);
        if (fault.isEmpty()) {
            const QImage qtReads(path);
            QVERIFY(!qtReads.isNull());
            QCOMPARE(read.picture.convertToFormat(QImage::Format_ARGB32), qtReads.convertToFormat(QImage::Format_ARGB32));
            QVERIFY(read.fault.isEmpty());
        } else {
            QVERIFY(read.picture.isNull());
            QCOMPARE(read.fault, QStringLiteral("in %1 is not a usable picture (%2)").arg(folder.path(), fault));
        }
    }
};

QTEST_MAIN(PictureFiles)
#include "tst_picture_files.moc"
