#include "core/evaluation/legend.h"

#include <QTest>

#include <set>
#include <utility>

class TestLegend : public QObject {
    Q_OBJECT

private slots:
    void cheerIsItsSevenCharacters()
    {
        QCOMPARE(kCheer, std::u16string({u'た', u'\uFF5E', u'ま', u'や', u'\uFF5E', u'\uFF01', u'!'}));
    }

    void texts_data()
    {
        QTest::addColumn<char>("code");
        QTest::addColumn<QString>("commentary");
        QTest::addColumn<bool>("cheers");
        const QString crlf = QStringLiteral("\r\n");
        QTest::newRow("A") << 'A' << "７７７" + crlf + "思う存分" + crlf + "はずして下さい。" << true;
        QTest::newRow("B") << 'B' << "チェリー" << false;
        QTest::newRow("C") << 'C' << "リーチ目。" + crlf + "ＢＩＧです。" << true;
        QTest::newRow("G") << 'G' << "ＲＥＧ" << true;
        QTest::newRow("I: two spaces end line 1")
            << 'I' << "はずれ。  " + crlf + "しかし１枚がけの" + crlf + "七のオート目です。" << false;
        QTest::newRow("K") << 'K' << "子役の取りこぼし" + crlf + "ｏｒ ボーナス" << false;
        QTest::newRow("L: half-width ?") << 'L' << "止まらない?" << false;
        QTest::newRow("M: one space") << 'M' << "風鈴 １０枚" << false;
        QTest::newRow("T: two spaces") << 'T' << "風鈴  １０枚" << false;
        QTest::newRow("g: leading space") << 'g' << " 風鈴 １０枚" << false;
        QTest::newRow("N: one space") << 'N' << "氷 １５枚" << false;
        QTest::newRow("U: two spaces") << 'U' << "氷  １５枚" << false;
        QTest::newRow("P") << 'P' << "リーチ目、ＢＩＧです。" + crlf + "一枚がけの七の" + crlf + "オート目です。" << true;
        QTest::newRow("W") << 'W' << "子役の取りこぼし " + crlf + "ｏｒ  ボーナス" << false;
        QTest::newRow("Y: space ends line 2")
            << 'Y' << "リーチ目だけど、" + crlf + "止まらない？？ " + crlf + "左、中の２確目。" << false;
        QTest::newRow("Z") << 'Z' << "子役の取りこぼし " + crlf + "ｏｒ  ボーナス" + crlf + "ｏｒ  はずれ" << false;
        QTest::newRow("b: leading space, no reach-me line") << 'b' << " ＲＥＧです。" << true;
        QTest::newRow("c: hiragana と") << 'c' << "とまらない？" << false;
        QTest::newRow("d: one line") << 'd' << "リーチ目だけど、止まらない？？" << false;
        QTest::newRow("e: twelve spaces, no cheer") << 'e' << "リーチ目" + QString(12, ' ') + "ＢＩＧです" << false;
        QTest::newRow("f: space ends line 1") << 'f' << "リーチ目だけど " + crlf + "止まらない？？" << false;
        QTest::newRow("h") << 'h' << "止まらない？？" << false;
    }

    void texts()
    {
        QFETCH(char, code);
        QFETCH(QString, commentary);
        QFETCH(bool, cheers);
        const Outcome& outcome = outcomeOf(code);
        QCOMPARE(QString::fromStdU16String(outcome.commentary), commentary);
        QCOMPARE(outcome.cheers, cheers);
    }

    void thirtyFourDistinctOutcomesWithoutStrayBreaks()
    {
        std::set<std::pair<std::u16string, bool>> seen;
        int codes = 0;
        for (int c = 0; c < 128; ++c) {
            if (!isOutcomeCode(char(c)))
                continue;
            ++codes;
            const Outcome& outcome = outcomeOf(char(c));
            const QString text = QString::fromStdU16String(outcome.commentary);
            QVERIFY(!text.isEmpty());
            QVERIFY2(!text.startsWith('\r') && !text.endsWith('\n'), qPrintable(QString(QChar(c))));
            QCOMPARE(text.count('\n'), text.count(QStringLiteral("\r\n")));
            seen.insert({outcome.commentary, outcome.cheers});
        }
        QCOMPARE(codes, 34);
        QCOMPARE(int(seen.size()), 34);
    }
};

QTEST_APPLESS_MAIN(TestLegend)
#include "tst_legend.moc"
