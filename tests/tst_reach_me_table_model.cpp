#include "core/evaluation/evaluation.h"
#include "core/evaluation/legend.h"
#include "core/outcome_groups.h"
#include "core/reach_me_patterns.h"
#include "windows/pieces/cell_look.h"
#include "windows/pieces/reel_cell_pictures.h"
#include "windows/reach_me_table/table_model.h"

#include <QBrush>
#include <QSet>
#include <QTest>

#include <cmath>

namespace {

// The tool tip a player should read: the commentary's lines one under the
// other, then the cheer where the outcome has one.
QString expectedToolTip(char code)
{
    QString text = QString::fromStdU16String(outcomeOf(code).commentary).replace(QStringLiteral("\r\n"),
                                                                                   QStringLiteral("\n"));
    if (outcomeOf(code).cheers)
        text += QStringLiteral("\nた～まや～！!");
    return text;
}

double contrast(const QColor& a, const QColor& b)
{
    const auto luminance = [](const QColor& c) {
        const auto linear = [](double v) { return v <= 0.04045 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4); };
        return 0.2126 * linear(c.redF()) + 0.7152 * linear(c.greenF()) + 0.0722 * linear(c.blueF());
    };
    const double la = luminance(a), lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

std::array<QImage, 3> blankStrips()
{
    std::array<QImage, 3> strips;
    for (QImage& strip : strips) {
        strip = QImage(100, 1660, QImage::Format_RGB32);
        strip.fill(Qt::gray);
    }
    return strips;
}

}  // namespace

// The table's model shows each left position's grid as the evaluators judge it.
class TestReachMeTableModel : public QObject {
    Q_OBJECT

private slots:
    void everyCellIsItsEvaluatorsVerdict()
    {
        const ReelCellPictures pictures(blankStrips());
        ReachMeTableModel model(pictures);
        QCOMPARE(model.rowCount(), 21);
        QCOMPARE(model.columnCount(), 21);
        for (int left = 1; left <= 21; ++left) {
            model.setLeftPosition(left);
            const ReachMeGrid& grid = *gridOfClass(evaluatorClassOf(left));
            std::array<int, kOutcomeGroups.size()> counts{};
            for (int center = 1; center <= 21; ++center)
                for (int right = 1; right <= 21; ++right) {
                    const QModelIndex cell = model.index(center - 1, right - 1);
                    const char code = grid.code(center, right);
                    const OutcomeGroup& group = kOutcomeGroups[std::size_t(groupIndexOf(code))];
                    const QString where = QStringLiteral("%1-%2-%3").arg(left).arg(center).arg(right);
                    QVERIFY2(cell.data(ReachMeTableModel::kCodeRole).toChar() == QLatin1Char(code), qPrintable(where));
                    QVERIFY2(cell.data(Qt::DisplayRole).toString() == QString::fromStdU16String(std::u16string(group.mark)),
                             qPrintable(where));
                    QVERIFY2(cell.data(Qt::BackgroundRole).value<QBrush>().color() == QColor::fromRgb(group.colour),
                             qPrintable(where));
                    QVERIFY2(cell.data(Qt::ToolTipRole).toString() == expectedToolTip(code), qPrintable(where));
                    ++counts[std::size_t(groupIndexOf(code))];
                }
            QCOMPARE(patterns::groupCounts(left), counts);
        }
    }

    void toolTipsKeepEveryText_data()
    {
        QTest::addColumn<int>("left");
        QTest::addColumn<int>("center");
        QTest::addColumn<int>("right");
        QTest::addColumn<QString>("toolTip");
        QTest::newRow("777, three lines and the cheer")
            << 1 << 1 << 1 << QStringLiteral("７７７\n思う存分\nはずして下さい。\nた～まや～！!");
        QTest::newRow("cherry, no cheer") << 1 << 1 << 2 << QStringLiteral("チェリー");
        QTest::newRow("a leading space") << 10 << 8 << 5 << QStringLiteral(" ＲＥＧです。\nた～まや～！!");
    }

    void toolTipsKeepEveryText()
    {
        QFETCH(int, left);
        QFETCH(int, center);
        QFETCH(int, right);
        QFETCH(QString, toolTip);
        const ReelCellPictures pictures(blankStrips());
        ReachMeTableModel model(pictures);
        model.setLeftPosition(left);
        QCOMPARE(model.index(center - 1, right - 1).data(Qt::ToolTipRole).toString(), toolTip);
    }

    void spacesTellOutcomesApart()
    {
        QCOMPARE(cell_look::commentaryText('M'), QStringLiteral("風鈴 １０枚"));
        QCOMPARE(cell_look::commentaryText('T'), QStringLiteral("風鈴  １０枚"));
        QCOMPARE(cell_look::commentaryText('g'), QStringLiteral(" 風鈴 １０枚"));
        QCOMPARE(cell_look::commentaryText('e'), QStringLiteral("リーチ目            ＢＩＧです"));
        QCOMPARE(cell_look::commentaryText('I'), QStringLiteral("はずれ。  \nしかし１枚がけの\n七のオート目です。"));
    }

    void marksAndColoursOnePerGroupAndReadable()
    {
        QSet<QString> marks;
        QSet<QRgb> colours;
        for (const OutcomeGroup& group : kOutcomeGroups) {
            const char code = group.codes.front();
            marks << cell_look::markOf(code);
            colours << cell_look::backgroundOf(code).rgb();
            const QColor background = cell_look::backgroundOf(code);
            QVERIFY2(contrast(cell_look::textColourOn(background), background) >= 3.0, group.key.data());
            for (char member : group.codes)
                QCOMPARE(cell_look::markOf(member), cell_look::markOf(code));
        }
        QCOMPARE(marks.size(), qsizetype(kOutcomeGroups.size()));
        QCOMPARE(colours.size(), qsizetype(kOutcomeGroups.size()));
    }

    void headersShowPositionAndCells()
    {
        // Each cell of the center strip in a shade of its own, the right strip blue.
        std::array<QImage, 3> strips = blankStrips();
        for (int cell = 0; cell < 26; ++cell)
            for (int y = qRound(cell * 950 / 15.0); y < qRound((cell + 1) * 950 / 15.0) && y < 1660; ++y)
                for (int x = 0; x < 100; ++x)
                    strips[1].setPixel(x, y, qRgb(cell * 10, 0, 0));
        strips[2].fill(Qt::blue);
        const ReelCellPictures pictures(strips);
        ReachMeTableModel model(pictures);
        QCOMPARE(model.headerData(4, Qt::Horizontal, Qt::DisplayRole).toInt(), 5);
        QCOMPARE(model.headerData(20, Qt::Vertical, Qt::DisplayRole).toInt(), 21);
        const QImage column = model.headerData(0, Qt::Horizontal, Qt::DecorationRole).value<QImage>();
        QCOMPARE(column.size(), QSize(100, 190));
        QCOMPARE(column.pixel(50, 95), qRgb(0, 0, 255));
        // A row shows the center reel's upper, middle and lower cell from left to right.
        const QImage row = model.headerData(6, Qt::Vertical, Qt::DecorationRole).value<QImage>();
        QCOMPARE(row.size(), QSize(300, 63));
        QCOMPARE(row.pixel(50, 31), qRgb(70, 0, 0));
        QCOMPARE(row.pixel(150, 31), qRgb(80, 0, 0));
        QCOMPARE(row.pixel(250, 31), qRgb(90, 0, 0));
    }
};

QTEST_MAIN(TestReachMeTableModel)
#include "tst_reach_me_table_model.moc"
