#include "core/reels/strip_geometry.h"

#include <QTest>

#include <cmath>
#include <limits>

using namespace strip;

class TestStripGeometry : public QObject {
    Q_OBJECT

private slots:
    void placementOfIndices()
    {
        QCOMPARE(topOfIndex(0), -19630);
        QCOMPARE(topOfIndex(1), -18680);
        QCOMPARE(topOfIndex(21), 320);
        for (int p = 1; p <= reel::kPositions; ++p)
            QCOMPARE(topOfIndex(22 - p), 1270 - 950 * p);
    }

    void everyIndexReadsBackItsPosition()
    {
        for (int index = 0; index <= reel::kPositions; ++index) {
            const int top = topOfIndex(index);
            const int pixelTop = static_cast<int>(std::lround(top / 15.0)) * 15;  // as a window keeps it
            for (double t : {double(top), double(pixelTop), top - 474.0, top + 474.0})
                QCOMPARE(int(positionAt(t)), positionOfIndex(index));
        }
    }

    void readBack_data()
    {
        QTest::addColumn<double>("top");
        QTest::addColumn<int>("position");
        QTest::newRow("index 21") << 320.0 << 1;
        QTest::newRow("index 0, a whole turn above") << -19630.0 << 1;
        QTest::newRow("index 1") << -18680.0 << 21;
        QTest::newRow("design placement") << double(kDesignTop) << 1;
        QTest::newRow("half a cell below index 0 rounds to even 0") << -19155.0 << 1;
        QTest::newRow("half a cell below index 1 rounds to even 2") << -18205.0 << 20;
        QTest::newRow("just past half a cell") << -19154.0 << 21;
        QTest::newRow("a cell above index 0 is off the reel") << -20580.0 << 23;
        QTest::newRow("a cell below index 21 is off the reel") << 1270.0 << 0;
    }

    void readBack()
    {
        QFETCH(double, top);
        QFETCH(int, position);
        QCOMPARE(int(positionAt(top)), position);
    }

    void farOffPlacementsStayOffTheReel()
    {
        for (double t : {1e300, -1e300, std::numeric_limits<double>::infinity(),
                         std::numeric_limits<double>::quiet_NaN()}) {
            const int p = positionAt(t);
            QVERIFY2(p < 1 || p > reel::kPositions, qPrintable(QString::number(p)));
        }
    }
};

QTEST_APPLESS_MAIN(TestStripGeometry)
#include "tst_strip_geometry.moc"
