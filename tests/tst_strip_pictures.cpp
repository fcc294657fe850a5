#include "core/reels/reel_cells.h"
#include "tools/strip_drawing.h"

#include <QFile>
#include <QRegion>
#include <QSet>
#include <QTest>

#include <cmath>
#include <cstdlib>

using namespace strip_pictures;

namespace {

const reel::Reel kReels[] = {reel::Left, reel::Center, reel::Right};

QString picturePath(const QString& name)
{
    return QStringLiteral(PICTURES_DIR "/") + name;
}

QImage loadRgb(const QString& name)
{
    return QImage(picturePath(name)).convertToFormat(QImage::Format_ARGB32);
}

// Where two images part, or an empty string if they agree to within
// `tolerance` per channel.
QString firstDifference(const QImage& a, const QImage& b, int tolerance = 0)
{
    if (a.size() != b.size())
        return QStringLiteral("size %1x%2 against %3x%4")
            .arg(a.width()).arg(a.height()).arg(b.width()).arg(b.height());
    const QImage x = a.convertToFormat(QImage::Format_ARGB32);
    const QImage y = b.convertToFormat(QImage::Format_ARGB32);
    for (int row = 0; row < x.height(); ++row) {
        for (int col = 0; col < x.width(); ++col) {
            const QRgb p = x.pixel(col, row);
            const QRgb q = y.pixel(col, row);
            if (std::abs(qRed(p) - qRed(q)) > tolerance || std::abs(qGreen(p) - qGreen(q)) > tolerance ||
                std::abs(qBlue(p) - qBlue(q)) > tolerance || std::abs(qAlpha(p) - qAlpha(q)) > tolerance)
                return QStringLiteral("pixel (%1, %2): #%3 against #%4")
                    .arg(col).arg(row).arg(p, 8, 16, QChar('0')).arg(q, 8, 16, QChar('0'));
        }
    }
    return {};
}

quint32 littleEndian(const QByteArray& bytes, int offset, int size)
{
    quint32 value = 0;
    for (int i = size - 1; i >= 0; --i)
        value = value << 8 | static_cast<quint8>(bytes[offset + i]);
    return value;
}

}  // namespace

Q_DECLARE_METATYPE(reel::Reel)

class TestStripPictures : public QObject {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QVERIFY2(haveGlyphFont(), "IPAPGothic is missing; the pictures cannot be redrawn");
    }

    void strips_data()
    {
        QTest::addColumn<reel::Reel>("reel");
        for (reel::Reel r : kReels)
            QTest::newRow(qPrintable(fileName(r))) << r;
    }

    // The reel window loads these as they are; an old-style 24-bit bitmap of
    // the strip's exact size.
    void strips();

    void stripsAreWhatTheDrawingMakes_data() { strips_data(); }
    void stripsAreWhatTheDrawingMakes();

    void cellsFollowTheReel();

    void whiteOutsideTheSymbols_data() { strips_data(); }
    void whiteOutsideTheSymbols();

    void lastFiveCellsRepeatTheFirstFive_data() { strips_data(); }
    void lastFiveCellsRepeatTheFirstFive();

    void icons();
};

void TestStripPictures::strips()
{
    QFETCH(reel::Reel, reel);
    QFile file(picturePath(fileName(reel)));
    QVERIFY2(file.open(QIODevice::ReadOnly), qPrintable(file.fileName()));
    const QByteArray bytes = file.readAll();
    QVERIFY(bytes.size() >= 54);
    QCOMPARE(bytes.left(2), QByteArray("BM"));
    QCOMPARE(littleEndian(bytes, 18, 4), quint32(kWidth));
    QCOMPARE(std::abs(static_cast<qint32>(littleEndian(bytes, 22, 4))), kHeight);
    QCOMPARE(littleEndian(bytes, 28, 2), 24u);   // bits per pixel
    QCOMPARE(littleEndian(bytes, 30, 4), 0u);    // uncompressed
    QCOMPARE(QImage(file.fileName()).size(), QSize(kWidth, kHeight));
}

void TestStripPictures::stripsAreWhatTheDrawingMakes()
{
    QFETCH(reel::Reel, reel);
    // A little slack: the raster engine's blending may round differently on
    // another processor, while any change to the drawing moves whole colours.
    const QString difference = firstDifference(loadRgb(fileName(reel)), drawStrip(reel), 3);
    QVERIFY2(difference.isEmpty(), qPrintable(difference + "; redraw with `cmake --build build --target strips`"));
}

// Every cell of every committed strip shows its reel cell's symbol: cells with
// the same symbol are the same picture, cells with different ones differ.
void TestStripPictures::cellsFollowTheReel()
{
    // From the top: cell 21, cells 1 to 20, then cell 21 and cells 1 to 4 again.
    QList<int> order = {21};
    for (int cell = 1; cell <= 20; ++cell)
        order << cell;
    order << 21 << 1 << 2 << 3 << 4;
    QCOMPARE(order.size(), kStripCells);

    QMap<Symbol, QImage> seen;
    for (reel::Reel r : kReels) {
        const QImage strip = loadRgb(fileName(r));
        QCOMPARE(strip.size(), QSize(kWidth, kHeight));
        for (int k = 0; k < kStripCells; ++k) {
            const Symbol symbol = reel::symbolOf(r, order[k]);
            const QImage cell = strip.copy(symbolBox(k));
            if (!seen.contains(symbol))
                seen.insert(symbol, cell);
            const QString difference = firstDifference(cell, seen[symbol]);
            QVERIFY2(difference.isEmpty(),
                     qPrintable(QStringLiteral("%1 cell %2: %3").arg(fileName(r)).arg(k).arg(difference)));
        }
    }
    QCOMPARE(seen.size(), 7);
    QImage blank(kSymbolWidth, kSymbolHeight, QImage::Format_ARGB32);
    blank.fill(Qt::white);
    const QList<QImage> symbols = seen.values();
    for (qsizetype i = 0; i < symbols.size(); ++i) {
        QVERIFY(symbols[i] != blank);
        for (qsizetype j = i + 1; j < symbols.size(); ++j)
            QVERIFY2(symbols[i] != symbols[j], qPrintable(QStringLiteral("symbols %1 and %2").arg(i).arg(j)));
    }
}

// Each symbol keeps inside its own cell, and the band below the last cell is
// left blank.
void TestStripPictures::whiteOutsideTheSymbols()
{
    QFETCH(reel::Reel, reel);
    const QImage strip = loadRgb(fileName(reel));
    QCOMPARE(strip.size(), QSize(kWidth, kHeight));

    QRegion symbols;
    for (int k = 0; k < kStripCells; ++k) {
        const QRect box = symbolBox(k);
        // The cell spans k * 950 to (k + 1) * 950 twips, 15 twips a pixel.
        QVERIFY(box.top() * 15 >= k * 950);
        QVERIFY((box.bottom() + 1) * 15 <= (k + 1) * 950);
        QVERIFY(QRect(0, 0, kWidth, kHeight).contains(box));
        symbols += box;
    }
    const int bandTop = static_cast<int>(std::ceil(kStripCells * kCellHeight));
    QCOMPARE(kHeight - bandTop, 13);
    for (int y = 0; y < kHeight; ++y) {
        for (int x = 0; x < kWidth; ++x) {
            if (y < bandTop && symbols.contains(QPoint(x, y)))
                continue;
            QVERIFY2(strip.pixel(x, y) == qRgb(255, 255, 255),
                     qPrintable(QStringLiteral("(%1, %2) is not white").arg(x).arg(y)));
        }
    }
}

void TestStripPictures::lastFiveCellsRepeatTheFirstFive()
{
    QFETCH(reel::Reel, reel);
    const QImage strip = loadRgb(fileName(reel));
    // 21 cells are exactly 1330 pixels, so the repeat lands on whole rows.
    constexpr int kTurn = 21 * 950 / 15;
    const int rows = static_cast<int>(5 * kCellHeight);
    const QString difference = firstDifference(strip.copy(0, 0, kWidth, rows), strip.copy(0, kTurn, kWidth, rows));
    QVERIFY2(difference.isEmpty(), qPrintable(difference));
    QVERIFY(strip.copy(0, 0, kWidth, rows) != strip.copy(0, rows, kWidth, rows));
}

void TestStripPictures::icons()
{
    const QImage small(picturePath(QStringLiteral("kareto-32.png")));
    QCOMPARE(small.size(), QSize(32, 32));
    QSet<QRgb> colours;
    const QImage argb = small.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < 32; ++y)
        for (int x = 0; x < 32; ++x)
            colours.insert(argb.pixel(x, y));
    QVERIFY2(colours.size() <= 16, qPrintable(QString::number(colours.size())));
    QVERIFY(colours.size() >= 4);
    QString difference = firstDifference(small, drawIcon16(32));
    QVERIFY2(difference.isEmpty(), qPrintable("kareto-32.png " + difference));

    const QImage large(picturePath(QStringLiteral("kareto-128.png")));
    QCOMPARE(large.size(), QSize(128, 128));
    difference = firstDifference(large, drawIcon(128), 3);
    QVERIFY2(difference.isEmpty(), qPrintable("kareto-128.png " + difference));
}

QTEST_MAIN(TestStripPictures)
#include "tst_strip_pictures.moc"
