#include "core/setting_estimate/setting_estimate.h"

#include <QTest>

#include <cmath>
#include <limits>
#include <numeric>

using namespace setting_estimate;

Q_DECLARE_METATYPE(setting_estimate::PerSetting)

namespace {

Estimate estimated(const Counts& counts, const PerSetting& prior = kEvenPrior)
{
    const auto result = estimate(counts, prior);
    if (!std::holds_alternative<Estimate>(result))
        qFatal("refused counts that are sound");
    return std::get<Estimate>(result);
}

double sum(const PerSetting& values)
{
    return std::accumulate(values.begin(), values.end(), 0.0);
}

}  // namespace

class TestSettingEstimate : public QObject {
    Q_OBJECT

private slots:
    // Worked out apart, in 50-digit arithmetic, from the same formula.
    void aCaseWorkedOutByHand_data()
    {
        QTest::addColumn<qint64>("games");
        QTest::addColumn<qint64>("big");
        QTest::addColumn<qint64>("reg");
        QTest::addColumn<PerSetting>("prior");
        QTest::addColumn<PerSetting>("posterior");
        QTest::addColumn<double>("mean");
        QTest::addColumn<double>("fourOrHigher");
        QTest::newRow("6,000 games, 24 BIG, 16 REG") << qint64(6000) << qint64(24) << qint64(16) << kEvenPrior
            << PerSetting{0.123367898345, 0.153917903062, 0.168809422425, 0.174977961128, 0.189989697001, 0.188937118039}
            << 3.7211150095 << 0.553904776168;
        QTest::newRow("a prior leaning high") << qint64(8000) << qint64(33) << qint64(22) << PerSetting{1, 2, 3, 4, 5, 6}
            << PerSetting{0.0235862698514, 0.0679942674965, 0.121258879366, 0.177864240055, 0.268845641528, 0.340450701704}
            << -1.0 << -1.0;
    }

    void aCaseWorkedOutByHand()
    {
        QFETCH(qint64, games);
        QFETCH(qint64, big);
        QFETCH(qint64, reg);
        QFETCH(PerSetting, prior);
        QFETCH(PerSetting, posterior);
        QFETCH(double, mean);
        QFETCH(double, fourOrHigher);
        const Estimate e = estimated({games, big, reg}, prior);
        for (int s = 0; s < 6; ++s)
            QVERIFY2(std::abs(e.probability[s] - posterior[s]) < 1e-10, qPrintable(QString::number(s + 1)));
        QVERIFY(std::abs(sum(e.probability) - 1) < 1e-12);
        if (mean > 0) {
            QVERIFY(std::abs(e.meanSetting - mean) < 1e-9);
            QVERIFY(std::abs(e.fourOrHigher - fourOrHigher) < 1e-10);
        }
        QVERIFY(std::abs(e.expectedBig[0] - games / 297.891) < 1e-9);
        QVERIFY(std::abs(e.expectedReg[5] - games / 364.089) < 1e-9);
    }

    void noGamesGiveThePrior()
    {
        const Estimate e = estimated({0, 0, 0}, {1, 2, 3, 4, 5, 6});
        for (int s = 1; s <= 6; ++s)
            QVERIFY(std::abs(e.probability[s - 1] - s / 21.0) < 1e-15);
        QCOMPARE(e.expectedBig[0], 0.0);
    }

    // Ten million games, and the int64 limit: no underflow to 0/0, no overflow.
    void hugeCountsStayFinite_data()
    {
        QTest::addColumn<qint64>("games");
        QTest::addColumn<qint64>("big");
        QTest::addColumn<qint64>("reg");
        QTest::addColumn<int>("likeliest");
        QTest::newRow("10,000,000 games at setting 5's odds") << qint64(10'000'000) << qint64(40'000) << qint64(26'000) << 5;
        QTest::newRow("every game a miss") << std::numeric_limits<qint64>::max() << qint64(0) << qint64(0) << 1;
        QTest::newRow("every game a BIG") << std::numeric_limits<qint64>::max() << std::numeric_limits<qint64>::max()
                                          << qint64(0) << 6;
    }

    void hugeCountsStayFinite()
    {
        QFETCH(qint64, games);
        QFETCH(qint64, big);
        QFETCH(qint64, reg);
        QFETCH(int, likeliest);
        const Estimate e = estimated({games, big, reg});
        for (const double p : e.probability)
            QVERIFY(std::isfinite(p) && p >= 0);
        QVERIFY(std::abs(sum(e.probability) - 1) < 1e-12);
        QVERIFY(e.probability[likeliest - 1] > 0.999999);
    }

    // Far from the likeliest setting the posteriors are tiny, and still
    // right to many digits, not flushed to 0 or to a rounding error's size.
    // Worked out apart, in 50-digit arithmetic.
    void tinyPosteriorsStayExact_data()
    {
        QTest::addColumn<qint64>("games");
        QTest::addColumn<qint64>("big");
        QTest::addColumn<qint64>("reg");
        QTest::addColumn<PerSetting>("posterior");
        QTest::newRow("10,000,000 games, 40,000 BIG, 25,641 REG")
            << qint64(10'000'000) << qint64(40'000) << qint64(25'641)
            << PerSetting{7.5054808001530136e-280, 8.1459194593333898e-120, 4.7292034043561529e-53,
                          3.7195902515976637e-27, 1.0, 1.3720364681195229e-35};
        QTest::newRow("10,000,000 games, no bonus")
            << qint64(10'000'000) << qint64(0) << qint64(0) << PerSetting{1.0, 0, 0, 0, 0, 0};
    }

    void tinyPosteriorsStayExact()
    {
        QFETCH(qint64, games);
        QFETCH(qint64, big);
        QFETCH(qint64, reg);
        QFETCH(PerSetting, posterior);
        const Estimate e = estimated({games, big, reg});
        for (int s = 0; s < 6; ++s)
            QVERIFY2(std::abs(e.probability[s] - posterior[s]) <= 1e-7 * posterior[s],
                     qPrintable(QStringLiteral("setting %1: %2, expected %3")
                                    .arg(s + 1)
                                    .arg(e.probability[s], 0, 'g', 17)
                                    .arg(posterior[s], 0, 'g', 17)));
    }

    void faultsAreNeverNumbers_data()
    {
        QTest::addColumn<qint64>("games");
        QTest::addColumn<qint64>("big");
        QTest::addColumn<qint64>("reg");
        QTest::addColumn<PerSetting>("prior");
        QTest::addColumn<int>("fault");
        const double nan = std::numeric_limits<double>::quiet_NaN();
        const double inf = std::numeric_limits<double>::infinity();
        const int negative = int(Fault::NegativeCount), more = int(Fault::MoreBonusesThanGames), prior = int(Fault::BadPrior);
        QTest::newRow("negative games") << qint64(-1) << qint64(0) << qint64(0) << kEvenPrior << negative;
        QTest::newRow("negative BIG") << qint64(100) << qint64(-1) << qint64(0) << kEvenPrior << negative;
        QTest::newRow("negative REG") << qint64(100) << qint64(0) << qint64(-5) << kEvenPrior << negative;
        QTest::newRow("BIG + REG > games") << qint64(10) << qint64(6) << qint64(5) << kEvenPrior << more;
        QTest::newRow("sum past int64") << std::numeric_limits<qint64>::max() << std::numeric_limits<qint64>::max()
                                        << qint64(1) << kEvenPrior << more;
        QTest::newRow("a zero weight") << qint64(10) << qint64(0) << qint64(0) << PerSetting{1, 1, 0, 1, 1, 1} << prior;
        QTest::newRow("a negative weight") << qint64(10) << qint64(0) << qint64(0) << PerSetting{1, -1, 1, 1, 1, 1} << prior;
        QTest::newRow("NaN") << qint64(10) << qint64(0) << qint64(0) << PerSetting{1, 1, 1, nan, 1, 1} << prior;
        QTest::newRow("infinity") << qint64(10) << qint64(0) << qint64(0) << PerSetting{1, 1, 1, 1, 1, inf} << prior;
    }

    void faultsAreNeverNumbers()
    {
        QFETCH(qint64, games);
        QFETCH(qint64, big);
        QFETCH(qint64, reg);
        QFETCH(PerSetting, prior);
        QFETCH(int, fault);
        const auto result = estimate({games, big, reg}, prior);
        QVERIFY(std::holds_alternative<Fault>(result));
        QCOMPARE(int(std::get<Fault>(result)), fault);
    }
};

QTEST_GUILESS_MAIN(TestSettingEstimate)
#include "tst_setting_estimate.moc"
