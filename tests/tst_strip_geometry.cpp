#include "windows/pieces/strip_geometry.h"

#include <QTest>

using namespace strip;

class TestStripGeometry : public QObject {
    Q_OBJECT

private slots:
    void placementOfIndices()
    {
        QCOMPARE(topOfIndex(0), -19630);
        QCOMPARE(topOfIndex(1), -18680);
        QCOMPARE(topOfIndex(21), 320);
        for (int p = 1; p <= reel::kPositions; ++p) {
            QCOMPARE(topOfIndex(22 - p), 1270 - 950 * p);
            QCOMPARE(reel::positionOfIndex(22 - p), p);
        }
        // Index 0 stands a whole strip turn above 21 and shows what 21 shows;
        // the design placement is 50 twips above it.
        QCOMPARE(topOfIndex(21) - topOfIndex(0), 21 * kCellPitch);
        QCOMPARE(reel::positionOfIndex(0), 1);
        QCOMPARE(topOfIndex(0) - kDesignTop, 50);
    }
};

QTEST_APPLESS_MAIN(TestStripGeometry)
#include "tst_strip_geometry.moc"
