#include "core/box_number.h"

#include <QTest>

namespace {

constexpr int kRefused = -1;
constexpr const char* kKept = "(kept)";

}  // namespace

class TestBoxNumber : public QObject {
    Q_OBJECT

private slots:
    void number_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("number");
        QTest::newRow("digits") << "250" << 250;
        QTest::newRow("2.5 halves to even") << "2.5" << 2;
        QTest::newRow("3.5 halves to even") << "3.5" << 4;
        QTest::newRow("2.51 above half") << "2.51" << 3;
        QTest::newRow("2.500 exactly half") << "2.500" << 2;
        QTest::newRow("0.4") << "0.4" << 0;
        QTest::newRow("-0.4 rounds to 0") << "-0.4" << 0;
        QTest::newRow("-0.5 rounds to 0") << "-0.5" << 0;
        QTest::newRow("plus sign") << "+7" << 7;
        QTest::newRow("fraction only") << ".6" << 1;
        QTest::newRow("point at the end") << "12." << 12;
        QTest::newRow("blanks around") << " 250 " << 250;
        QTest::newRow("ideographic blanks") << QString::fromUtf16(u"\u3000２５０\u3000") << 250;
        QTest::newRow("full-width digits") << QString::fromUtf16(u"１２００") << 1200;
        QTest::newRow("full-width point") << QString::fromUtf16(u"２．５") << 2;
        QTest::newRow("largest") << "32767" << 32767;
        QTest::newRow("largest and a bit") << "32767.4" << 32767;
        QTest::newRow("leading zeros") << "0000000000000000000042" << 42;
        QTest::newRow("rounds above largest") << "32767.5" << kRefused;
        QTest::newRow("above largest") << "32768" << kRefused;
        QTest::newRow("huge") << "99999999999999999999" << kRefused;
        QTest::newRow("negative") << "-1" << kRefused;
        QTest::newRow("full-width negative") << QString::fromUtf16(u"－１") << kRefused;
        QTest::newRow("exponent") << "1e3" << kRefused;
        QTest::newRow("hexadecimal") << "&H10" << kRefused;
        QTest::newRow("letters") << "abc" << kRefused;
        QTest::newRow("unit") << "250ms" << kRefused;
        QTest::newRow("blank inside") << "2 50" << kRefused;
        QTest::newRow("two points") << "1.2.3" << kRefused;
        QTest::newRow("sign alone") << "-" << kRefused;
        QTest::newRow("point alone") << "." << kRefused;
        QTest::newRow("thousands separator") << "1,000" << kRefused;
        QTest::newRow("kanji digits") << QString::fromUtf16(u"百") << kRefused;
        QTest::newRow("long digits") << QString(100000, QLatin1Char('9')) << kRefused;
    }

    void number()
    {
        QFETCH(QString, text);
        QFETCH(int, number);
        const std::optional<std::int16_t> read = boxNumber(text.toStdU16String());
        QCOMPARE(read ? int(*read) : kRefused, number);
    }

    void stepInterval_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("ms");
        QTest::addColumn<QString>("boxText");
        QTest::newRow("empty") << "" << 100 << "100";
        QTest::newRow("blank") << "  " << 100 << "100";
        QTest::newRow("0") << "0" << 100 << "100";
        QTest::newRow("00") << "00" << 100 << "100";
        QTest::newRow("0.4") << "0.4" << 100 << "100";
        QTest::newRow("250") << "250" << 250 << kKept;
        QTest::newRow("1") << "1" << 1 << kKept;
        QTest::newRow("not a number") << "abc" << kRefused << kKept;
        QTest::newRow("negative") << "-1" << kRefused << kKept;
    }

    void stepInterval()
    {
        QFETCH(QString, text);
        QFETCH(int, ms);
        QFETCH(QString, boxText);
        checkRule(stepIntervalRule(text.toStdU16String()), ms, boxText);
    }

    void stopTime_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("ms");
        QTest::addColumn<QString>("boxText");
        QTest::newRow("0") << "0" << 950 << "950";
        QTest::newRow("full-width 0") << QString::fromUtf16(u"０") << 950 << "950";
        QTest::newRow("empty") << "" << 900 << "900";
        QTest::newRow("00 never ticks") << "00" << 0 << kKept;
        QTest::newRow("0.4 never ticks") << "0.4" << 0 << kKept;
        QTest::newRow("1200") << "1200" << 1200 << kKept;
        QTest::newRow("too large") << "32768" << kRefused << kKept;
        QTest::newRow("not a number") << "1e3" << kRefused << kKept;
    }

    void stopTime()
    {
        QFETCH(QString, text);
        QFETCH(int, ms);
        QFETCH(QString, boxText);
        checkRule(stopTimeRule(text.toStdU16String()), ms, boxText);
    }

private:
    static void checkRule(const std::optional<BoxSetting>& setting, int ms, const QString& boxText)
    {
        QCOMPARE(setting ? int(setting->ms) : kRefused, ms);
        if (setting)
            QCOMPARE(setting->boxText ? QString::fromStdU16String(*setting->boxText) : QString(kKept), boxText);
    }
};

QTEST_APPLESS_MAIN(TestBoxNumber)
#include "tst_box_number.moc"
