#include "reel_window_fixture.h"
#include "ui/picture.h"
#include "windows/pieces/strip_pictures.h"
#include "windows/pieces/visible_cells.h"

#include <QTest>

// The cells cut for the trainer's own windows are the ones the reel window
// shows in its three rows.
class TestVisibleCells : public QObject {
    Q_OBJECT

private slots:
    void cellsAreWhatTheReelWindowShows_data()
    {
        QTest::addColumn<int>("position");
        for (int position : {1, 2, 11, 20, 21})
            QTest::addRow("position %d", position) << position;
    }

    void cellsAreWhatTheReelWindowShows()
    {
        QFETCH(int, position);
        ReelWindowFixture window;
        // From the start-up position 1 each step down lowers the position by one.
        for (int step = 1; step <= 22 - position; ++step)
            click(*window.riru, "r1sita");
        QCOMPARE(window.readOut(), QStringLiteral("%1-1-1").arg(position));

        // The upper row begins 1270 twips down the window, where the strip
        // stands in whole pixels.
        const QImage shown = window.riru->grab().toImage().convertToFormat(QImage::Format_RGB32);
        const QImage cells = visibleCells(loadStripPictures()[0], position);
        QCOMPARE(cells.size(), QSize(100, 190));
        const int stripTop = qRound(window.riru->findChild<ui::Picture*>("Image1")->top() / 15);
        const QImage rows = shown.copy(1560 / 15, stripTop + qRound(950.0 * position / 15), 100, 190);
        // The lower frame line and the separator bars stand over the strip's edges.
        for (int y = 0; y < 184; ++y)
            for (int x = 4; x < 94; ++x)
                if (cells.pixel(x, y) != rows.pixel(x, y))
                    QFAIL(qPrintable(QStringLiteral("differs at (%1, %2)").arg(x).arg(y)));
    }

    void aPictureTooShortGivesWhite()
    {
        QImage stub(100, 100, QImage::Format_RGB32);
        stub.fill(Qt::black);
        const QImage cells = visibleCells(stub, 21);
        QCOMPARE(cells.size(), QSize(100, 190));
        QCOMPARE(cells.pixel(50, 100), qRgb(255, 255, 255));
    }
};

QTEST_MAIN(TestVisibleCells)
#include "tst_visible_cells.moc"
