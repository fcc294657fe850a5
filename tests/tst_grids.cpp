#include "core/evaluation/evaluation.h"
#include "core/reels/reel_cells.h"

#include <QTest>

#include <map>
#include <vector>

namespace {

const ReachMeGrid& gridOfLeft(int left)
{
    return *gridOfClass(evaluatorClassOf(left));
}

// Cells per code of each grid, as the printed tables count them.
const std::map<int, std::map<char, int>> kCodeCounts = {
        {1, {{'A', 4}, {'B', 254}, {'C', 57}, {'D', 38}, {'E', 47}, {'F', 37}, {'G', 4}}},
        {2, {{'B', 249}, {'C', 63}, {'D', 6}, {'E', 57}, {'F', 23}, {'G', 2}, {'H', 40}, {'I', 1}}},
        {3, {{'C', 25}, {'E', 36}, {'F', 70}, {'G', 4}, {'J', 196}, {'K', 49}, {'L', 5}, {'M', 20}, {'N', 20}, {'O', 6}, {'P', 1}, {'Q', 9}}},
        {4, {{'F', 50}, {'J', 199}, {'K', 5}, {'Q', 77}, {'R', 50}, {'S', 10}, {'T', 40}, {'U', 10}}},
        {5, {{'A', 2}, {'C', 53}, {'D', 3}, {'E', 53}, {'F', 44}, {'J', 207}, {'K', 14}, {'O', 7}, {'Q', 7}, {'R', 25}, {'U', 20}, {'V', 6}}},
        {6, {{'A', 3}, {'C', 61}, {'E', 29}, {'F', 28}, {'J', 243}, {'O', 20}, {'R', 50}, {'S', 3}, {'V', 4}}},
        {7, {{'A', 5}, {'C', 99}, {'E', 77}, {'F', 48}, {'V', 212}}},
        {8, {{'A', 3}, {'C', 77}, {'D', 9}, {'E', 30}, {'F', 40}, {'J', 215}, {'M', 40}, {'O', 9}, {'Q', 6}, {'S', 7}, {'V', 1}, {'W', 4}}},
        {9, {{'A', 2}, {'C', 46}, {'E', 16}, {'F', 35}, {'J', 240}, {'K', 11}, {'R', 50}, {'S', 3}, {'X', 20}, {'Y', 9}, {'Z', 5}, {'a', 4}}},
        {10, {{'C', 36}, {'D', 1}, {'E', 32}, {'F', 85}, {'J', 201}, {'O', 2}, {'Q', 9}, {'R', 25}, {'T', 40}, {'V', 6}, {'b', 4}}},
        {11, {{'B', 248}, {'C', 58}, {'D', 17}, {'E', 44}, {'F', 22}, {'G', 2}, {'H', 50}}},
        {12, {{'A', 2}, {'B', 230}, {'C', 58}, {'D', 35}, {'E', 59}, {'F', 53}, {'G', 4}}},
        {13, {{'A', 1}, {'B', 258}, {'C', 70}, {'D', 20}, {'E', 34}, {'F', 18}, {'H', 40}}},
        {14, {{'A', 2}, {'C', 32}, {'E', 17}, {'F', 90}, {'J', 202}, {'K', 22}, {'M', 20}, {'N', 20}, {'O', 25}, {'c', 4}, {'d', 7}}},
        {16, {{'C', 23}, {'E', 7}, {'F', 41}, {'J', 262}, {'K', 15}, {'Q', 5}, {'R', 25}, {'T', 40}, {'U', 20}, {'e', 3}}},
        {17, {{'C', 50}, {'F', 23}, {'J', 267}, {'M', 20}, {'N', 20}, {'Q', 11}, {'R', 50}}},
        {19, {{'C', 7}, {'E', 12}, {'F', 41}, {'J', 252}, {'K', 15}, {'O', 16}, {'Q', 10}, {'R', 25}, {'T', 40}, {'U', 20}, {'f', 3}}},
        {20, {{'A', 4}, {'C', 55}, {'E', 25}, {'F', 67}, {'J', 184}, {'K', 2}, {'M', 5}, {'O', 17}, {'Q', 3}, {'R', 50}, {'S', 3}, {'g', 15}, {'h', 11}}},
        {21, {{'A', 2}, {'B', 242}, {'C', 78}, {'D', 14}, {'E', 48}, {'F', 17}, {'H', 40}}},
};

// Cells per code summed over the 19 grids, the shared grid of left 4 once.
const std::map<char, int> kLegendCells = {
    {'A', 30},  {'B', 1481}, {'C', 948}, {'D', 143}, {'E', 623}, {'F', 832}, {'G', 16},
    {'H', 170}, {'I', 1},    {'J', 2668}, {'K', 133}, {'L', 5},  {'M', 105}, {'N', 60},
    {'O', 102}, {'P', 1},    {'Q', 137}, {'R', 350}, {'S', 26},  {'T', 160}, {'U', 70},
    {'V', 229}, {'W', 4},    {'X', 20},  {'Y', 9},   {'Z', 5},   {'a', 4},   {'b', 4},
    {'c', 4},   {'d', 7},    {'e', 3},   {'f', 3},   {'g', 15},  {'h', 11},
};

// The three symbols that one of the five pay lines crosses, at positions
// left, center, right. Rows: 0 upper, 1 middle, 2 lower.
std::vector<std::array<Symbol, 3>> payLines(int left, int center, int right)
{
    static const int rows[5][3] = {{1, 1, 1}, {0, 0, 0}, {2, 2, 2}, {0, 1, 2}, {2, 1, 0}};
    std::vector<std::array<Symbol, 3>> lines;
    for (const auto& row : rows)
        lines.push_back({reel::symbolOf(reel::Left, left + row[0]), reel::symbolOf(reel::Center, center + row[1]),
                         reel::symbolOf(reel::Right, right + row[2])});
    return lines;
}

bool anyLine(int left, int center, int right, bool (*shows)(const std::array<Symbol, 3>&))
{
    for (const auto& line : payLines(left, center, right))
        if (shows(line))
            return true;
    return false;
}

bool threeOf(const std::array<Symbol, 3>& line, Symbol symbol)
{
    return line[0] == symbol && line[1] == symbol && line[2] == symbol;
}

}  // namespace

class TestGrids : public QObject {
    Q_OBJECT

private slots:
    void codeCountsOfEachGrid()
    {
        std::map<char, int> total;
        for (const auto& [evaluatorClass, expected] : kCodeCounts) {
            std::map<char, int> counted;
            const ReachMeGrid& grid = gridOfLeft(evaluatorClass);
            for (int center = 1; center <= 21; ++center)
                for (int right = 1; right <= 21; ++right)
                    ++counted[grid.code(center, right)];
            QVERIFY2(counted == expected, qPrintable(QStringLiteral("grid %1").arg(evaluatorClass)));
            for (const auto& [code, cells] : counted)
                total[code] += cells;
        }
        QCOMPARE(int(kCodeCounts.size()), 19);
        QVERIFY(total == kLegendCells);
    }

    // Where the grids must agree with what the window shows on its pay lines.
    void outcomesMatchThePayLines()
    {
        for (int left = 1; left <= 21; ++left) {
            const ReachMeGrid& grid = gridOfLeft(left);
            for (int center = 1; center <= 21; ++center) {
                for (int right = 1; right <= 21; ++right) {
                    const char code = grid.code(center, right);
                    const QByteArray where = QStringLiteral("%1-%2-%3 gives %4")
                                                 .arg(left).arg(center).arg(right).arg(QChar(code))
                                                 .toUtf8();
                    const bool sevens = anyLine(left, center, right, [](const auto& line) {
                        return threeOf(line, Symbol::Seven) || threeOf(line, Symbol::VSign);
                    });
                    QVERIFY2(sevens == (code == 'A'), where);
                    const bool ice = anyLine(left, center, right, [](const auto& line) {
                        return line[0] == Symbol::Ice && line[1] == Symbol::Ice &&
                               (line[2] == Symbol::Ice || line[2] == Symbol::Bar);
                    });
                    QVERIFY2(ice == (code == 'N' || code == 'U'), where);
                    const bool replays = anyLine(left, center, right, [](const auto& line) {
                        return threeOf(line, Symbol::Replay);
                    });
                    QVERIFY2(code != 'R' || replays, where);
                    QVERIFY2(!replays || code == 'R' || code == 'H', where);
                    const bool chimes = anyLine(left, center, right, [](const auto& line) {
                        return threeOf(line, Symbol::Chime);
                    });
                    QVERIFY2((code != 'M' && code != 'T' && code != 'g') || chimes, where);
                    QVERIFY2(!chimes || QByteArray("MTgHX").contains(code), where);
                    const bool leftCherry = reel::symbolOf(reel::Left, left) == Symbol::Cherry ||
                                            reel::symbolOf(reel::Left, left + 1) == Symbol::Cherry ||
                                            reel::symbolOf(reel::Left, left + 2) == Symbol::Cherry;
                    QVERIFY2(code != 'B' || leftCherry, where);
                }
            }
        }
    }

    void namedCells_data()
    {
        QTest::addColumn<int>("left");
        QTest::addColumn<int>("center");
        QTest::addColumn<int>("right");
        QTest::addColumn<char>("code");
        const struct {
            int left, center, right;
            char code;
        } cells[] = {
            {1, 1, 1, 'A'},   {1, 1, 2, 'B'},   {1, 1, 9, 'D'},    {1, 8, 5, 'G'},   {2, 2, 4, 'H'},
            {2, 9, 13, 'I'},  {3, 2, 7, 'L'},   {3, 10, 13, 'P'},  {3, 18, 2, 'Q'},  {4, 5, 2, 'U'},
            {4, 2, 21, 'S'},  {4, 1, 1, 'F'},   {15, 1, 2, 'R'},   {18, 1, 2, 'R'},  {5, 13, 7, 'A'},
            {5, 2, 10, 'V'},  {6, 13, 20, 'S'}, {7, 1, 1, 'V'},    {7, 1, 3, 'E'},   {7, 13, 7, 'A'},
            {8, 20, 4, 'W'},  {8, 14, 8, 'A'},  {9, 3, 1, 'X'},    {9, 13, 2, 'Y'},  {9, 17, 1, 'Z'},
            {9, 18, 14, 'a'}, {10, 8, 5, 'b'},  {10, 8, 4, 'T'},   {11, 9, 6, 'G'},  {11, 2, 2, 'H'},
            {11, 1, 1, 'B'},  {12, 13, 7, 'A'}, {12, 10, 15, 'G'}, {13, 14, 8, 'A'}, {13, 14, 7, 'B'},
            {14, 8, 11, 'c'}, {14, 18, 2, 'd'}, {14, 3, 1, 'M'},   {14, 4, 1, 'N'},  {16, 13, 3, 'e'},
            {16, 1, 3, 'C'},  {16, 4, 8, 'E'},  {19, 4, 8, 'C'},   {16, 2, 4, 'T'},  {16, 5, 1, 'U'},
            {19, 5, 3, 'f'},  {19, 9, 1, 'O'},  {16, 9, 1, 'J'},   {17, 3, 1, 'M'},  {17, 4, 1, 'N'},
            {17, 18, 21, 'Q'}, {20, 8, 1, 'g'}, {20, 3, 1, 'M'},   {20, 12, 2, 'h'}, {20, 21, 1, 'A'},
            {20, 4, 20, 'S'}, {20, 19, 5, 'K'}, {21, 21, 21, 'A'}, {21, 3, 4, 'H'},  {21, 1, 1, 'B'},
        };
        for (const auto& cell : cells)
            QTest::addRow("%d-%d-%d", cell.left, cell.center, cell.right)
                << cell.left << cell.center << cell.right << cell.code;
    }

    void namedCells()
    {
        QFETCH(int, left);
        QFETCH(int, center);
        QFETCH(int, right);
        QFETCH(char, code);
        QCOMPARE(gridOfLeft(left).code(center, right), code);
    }

    void leftSixteenAndNineteenDifferInFortyNineCells()
    {
        int differing = 0;
        for (int center = 1; center <= 21; ++center)
            for (int right = 1; right <= 21; ++right)
                differing += kGrid16.code(center, right) != kGrid19.code(center, right);
        QCOMPARE(differing, 49);
    }
};

QTEST_APPLESS_MAIN(TestGrids)
#include "tst_grids.moc"
