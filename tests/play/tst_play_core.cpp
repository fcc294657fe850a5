#include "core/evaluation/judgement.h"
#include "core/outcome_groups.h"
#include "core/play/play_report.h"
#include "core/play/reach_chances.h"
#include "core/setting_estimate/setting_odds.h"
#include "core/timing/reel_spin.h"

#include <QElapsedTimer>
#include <QTest>

#include <cmath>
#include <numeric>

using namespace play;

Q_DECLARE_METATYPE(Flag)
Q_DECLARE_METATYPE(play::Stops)
Q_DECLARE_METATYPE(play::SmallPrizeOdds)

namespace {

const CodeSet kMissCodes = codesOf(Flag::None).allowed();

CodeSet groupCodes(std::string_view key)
{
    for (const OutcomeGroup& group : kOutcomeGroups) {
        if (group.key == key)
            return CodeSet(group.codes);
    }
    qFatal("no such group");
}

const CodeSet kNeverStands = groupCodes("reachNoStop") | groupCodes("noStop");

// The flags in turn, bonuses as often as the rest, so that a run of games
// covers every row of the flag table.
Flag flagOfGame(SeededRandom& random)
{
    return static_cast<Flag>(random.below(kFlagCount));
}

// The three reels in an order drawn from `random`.
std::array<reel::Reel, 3> orderOfStops(SeededRandom& random)
{
    std::array<reel::Reel, 3> order = {reel::Left, reel::Center, reel::Right};
    std::swap(order[0], order[random.below(3)]);
    std::swap(order[1], order[1 + random.below(2)]);
    return order;
}

}  // namespace

class TestPlayCore : public QObject {
    Q_OBJECT

private slots:
    void flagTableKeepsToTheGrids()
    {
        CodeSet onTheGrids;
        for (int left = 1; left <= reel::kPositions; ++left) {
            for (int center = 1; center <= reel::kPositions; ++center) {
                for (int right = 1; right <= reel::kPositions; ++right)
                    onTheGrids.add(outcomeCodeOf({left, center, right}));
            }
        }
        for (const FlagCodes& flag : kFlagTable) {
            QCOMPARE(&codesOf(flag.flag), &flag);
            // Every code names patterns the grids hold; none is one the reels never stop on.
            QCOMPARE(flag.allowed() & onTheGrids, flag.allowed());
            QVERIFY((flag.allowed() & kNeverStands).empty());
            QCOMPARE(flag.reachMe & flag.allowed(), flag.reachMe);
            // A reach-me stands only with a bonus held, so a reach-me always means one.
            QCOMPARE((flag.allowed() & kReachMeCodes).empty(), !isBonus(flag.flag));
        }
        CodeSet bonusCodes = groupCodes("big") | groupCodes("reg") | groupCodes("br");
        QCOMPARE(kReachMeCodes | CodeSet("AG"), bonusCodes);
        QVERIFY(!kReachMeCodes.contains('A') && !kReachMeCodes.contains('G'));
        QCOMPARE(codesOf(Flag::Big).reachMe | codesOf(Flag::Reg).reachMe, kReachMeCodes);
    }

    // The control's slides turn the reel the way a spinning reel turns.
    void slideTurnsTheReelOn()
    {
        for (int press = 1; press <= reel::kPositions; ++press) {
            const timing::ReelSpin spin{timing::kMaxRpm, press, 0};
            for (int slide = 0; slide <= kMaxSlide; ++slide)
                QCOMPARE(slidTo(press, slide), spin.cellAfter(slide, timing::Upper));
        }
    }

    // From the start of a game the control can serve every press so that the
    // reels end on what the flag allows or on a miss; under no flag and under
    // a held bonus on what the flag allows alone, whatever the order.
    void everyPressCanBeServedFromTheStart()
    {
        for (const FlagCodes& flag : kFlagTable) {
            QCOMPARE(ReachChances(flag.allowed() | kMissCodes).at({0, 0, 0}), 1.0);
            const double allowedAlone = ReachChances(flag.allowed()).at({0, 0, 0});
            QCOMPARE(allowedAlone == 1.0, flag.flag == Flag::None || isBonus(flag.flag));
        }
    }

    void flaggedPrizeWithinFourCellsIsPulledIn_data()
    {
        QTest::addColumn<Flag>("flag");
        QTest::addColumn<Stops>("stops");
        QTest::addColumn<int>("reel");
        QTest::addColumn<int>("press");
        QTest::addColumn<int>("position");
        QTest::addColumn<bool>("prizeKept");
        // Cherry at left 13 (and 11, 12): a press at 17 slides 4 cells to it, one at 18 misses it.
        QTest::newRow("cherry, first stop, 4 cells") << Flag::Cherry << Stops{0, 0, 0} << 0 << 17 << 13 << true;
        QTest::newRow("cherry, first stop, 5 cells") << Flag::Cherry << Stops{0, 0, 0} << 0 << 18 << 14 << false;
        QTest::newRow("cherry, first stop, on it") << Flag::Cherry << Stops{0, 0, 0} << 0 << 13 << 13 << true;
        QTest::newRow("cherry, second stop, 4 cells") << Flag::Cherry << Stops{0, 2, 0} << 0 << 6 << 2 << true;
        QTest::newRow("cherry, second stop, 5 cells") << Flag::Cherry << Stops{0, 2, 0} << 0 << 7 << 3 << false;
        QTest::newRow("replay, last stop, 4 cells") << Flag::Replay << Stops{0, 1, 2} << 0 << 13 << 9 << true;
        QTest::newRow("replay, last stop, 5 cells") << Flag::Replay << Stops{0, 1, 2} << 0 << 14 << 14 << false;
        QTest::newRow("bell, last stop, 4 cells") << Flag::Bell << Stops{0, 12, 1} << 0 << 7 << 3 << true;
        QTest::newRow("bell, last stop, 5 cells") << Flag::Bell << Stops{0, 12, 1} << 0 << 8 << 8 << false;
        QTest::newRow("ice, last stop, 4 cells") << Flag::Ice << Stops{0, 5, 2} << 0 << 8 << 4 << true;
        QTest::newRow("ice, last stop, 5 cells") << Flag::Ice << Stops{0, 5, 2} << 0 << 9 << 9 << false;
        QTest::newRow("BIG held, 777 4 cells off") << Flag::Big << Stops{0, 1, 1} << 0 << 5 << 1 << true;
        QTest::newRow("BIG held, 777 5 cells off") << Flag::Big << Stops{0, 1, 1} << 0 << 6 << 6 << false;
        QTest::newRow("REG held, 4 cells") << Flag::Reg << Stops{0, 9, 5} << 0 << 7 << 3 << true;
        QTest::newRow("REG held, 5 cells") << Flag::Reg << Stops{0, 9, 5} << 0 << 8 << 8 << false;
    }

    void flaggedPrizeWithinFourCellsIsPulledIn()
    {
        QFETCH(Flag, flag);
        QFETCH(Stops, stops);
        QFETCH(int, reel);
        QFETCH(int, press);
        QFETCH(int, position);
        QFETCH(bool, prizeKept);
        const auto which = static_cast<reel::Reel>(reel);
        const ControlledStop stop = controlStop(stops, which, press, flag);
        QCOMPARE(stop.position, position);
        QCOMPARE(slidTo(press, stop.slide), position);
        Stops after = stops;
        after[which] = stop.position;
        QCOMPARE(ReachChances(codesOf(flag).prize).at(after) > 0, prizeKept);
        if (std::count(after.begin(), after.end(), 0) > 0)
            return;
        const char code = outcomeCodeOf({after[0], after[1], after[2]});
        QCOMPARE(codesOf(flag).prize.contains(code), prizeKept);
        // A missed 777 or REG still shows its reach-me; a missed replay, having no
        // other pattern, falls back to a miss.
        if (!prizeKept && isBonus(flag))
            QVERIFY(codesOf(flag).reachMe.contains(code));
        QCOMPARE(fellBack(flag, code), !prizeKept && !codesOf(flag).allowed().contains(code));
        QVERIFY((codesOf(flag).allowed() | kMissCodes).contains(code));
    }

    // Any flag, any order of stops, any presses: the reels stand on what the
    // flag allows or on a miss, never on a pattern the machine never shows;
    // under no flag and a held bonus always on what the flag allows.
    void neverStandsOnAForbiddenCode()
    {
        SeededRandom random(29);
        std::array<std::int64_t, kFlagCount> games{};
        std::array<std::int64_t, kFlagCount> fallbacks{};
        for (int game = 0; game < 100'000; ++game) {
            PlayGame played(flagOfGame(random));
            for (const reel::Reel which : orderOfStops(random)) {
                const auto stop = played.stop(which, random.between(1, reel::kPositions));
                QVERIFY(stop && stop->slide >= 0 && stop->slide <= kMaxSlide);
            }
            QVERIFY(played.finished());
            const char code = played.code();
            QVERIFY2(!kNeverStands.contains(code), readOutOf(played.pattern()).c_str());
            QVERIFY2((codesOf(played.flag()).allowed() | kMissCodes).contains(code), readOutOf(played.pattern()).c_str());
            ++games[int(played.flag())];
            fallbacks[int(played.flag())] += played.fellBack();
        }
        for (const Flag flag : {Flag::None, Flag::Big, Flag::Reg})
            QCOMPARE(fallbacks[int(flag)], std::int64_t{0});
        for (const FlagCodes& flag : kFlagTable)
            qInfo("%s: %lld games, %.2f %% fell back (any order)", flag.key.data(), qlonglong(games[int(flag.flag)]),
                  100.0 * double(fallbacks[int(flag.flag)]) / double(games[int(flag.flag)]));
    }

    void lotteryDrawsAtItsOdds_data()
    {
        QTest::addColumn<int>("setting");
        QTest::addColumn<SmallPrizeOdds>("odds");
        QTest::newRow("setting 1, assumed odds") << 1 << SmallPrizeOdds{};
        QTest::newRow("setting 6, assumed odds") << 6 << SmallPrizeOdds{};
        QTest::newRow("setting 4, odds of one's own") << 4 << SmallPrizeOdds{3.5, 10, 2.5, 100};
    }

    // Each flag's count in a million draws within five standard deviations of
    // its binomial mean.
    void lotteryDrawsAtItsOdds()
    {
        QFETCH(int, setting);
        QFETCH(SmallPrizeOdds, odds);
        QVERIFY(!faultIn(odds));
        const Lottery lottery(setting, odds);
        const std::array<double, kFlagCount> chances = flagChances(setting, odds);
        QCOMPARE(std::accumulate(chances.begin(), chances.end(), 0.0), 1.0);
        constexpr int kDraws = 1'000'000;
        SeededRandom random(setting);
        std::array<int, kFlagCount> drawn{};
        for (int draw = 0; draw < kDraws; ++draw)
            ++drawn[int(lottery.draw(random))];
        for (const FlagCodes& flag : kFlagTable) {
            const double chance = chances[int(flag.flag)];
            const double mean = kDraws * chance;
            const double deviation = std::sqrt(kDraws * chance * (1 - chance));
            QVERIFY2(std::abs(drawn[int(flag.flag)] - mean) <= 5 * deviation,
                     qPrintable(QString("%1: %2 drawn, %3 expected").arg(flag.key.data()).arg(drawn[int(flag.flag)]).arg(mean)));
        }
    }

    void oddsThatCannotBe_data()
    {
        QTest::addColumn<SmallPrizeOdds>("odds");
        QTest::addColumn<int>("fault");  // -1: none
        QTest::newRow("assumed") << SmallPrizeOdds{} << -1;
        QTest::newRow("every game a replay but the bonuses") << SmallPrizeOdds{1, 1e300, 1e300, 1e300} << int(OddsFault::MoreThanSure);
        QTest::newRow("more than sure") << SmallPrizeOdds{2, 3, 4, 5} << int(OddsFault::MoreThanSure);
        QTest::newRow("below 1 in 1") << SmallPrizeOdds{0.5, 36, 8, 64} << int(OddsFault::NotOneInSome);
        QTest::newRow("zero") << SmallPrizeOdds{7.3, 0, 8, 64} << int(OddsFault::NotOneInSome);
        QTest::newRow("negative") << SmallPrizeOdds{7.3, 36, -8, 64} << int(OddsFault::NotOneInSome);
        QTest::newRow("not a number") << SmallPrizeOdds{7.3, 36, 8, std::nan("")} << int(OddsFault::NotOneInSome);
        QTest::newRow("infinite") << SmallPrizeOdds{INFINITY, 36, 8, 64} << int(OddsFault::NotOneInSome);
    }

    void oddsThatCannotBe()
    {
        QFETCH(SmallPrizeOdds, odds);
        QFETCH(int, fault);
        const auto found = faultIn(odds);
        QCOMPARE(found ? int(*found) : -1, fault);
        PlaySession session({3, 1, {}});
        const auto refused = session.setOdds(odds);
        QCOMPARE(refused ? int(*refused) : -1, fault);
        QCOMPARE(session.odds(), found ? SmallPrizeOdds{} : odds);
    }

    // A drawn bonus is the flag of every game until it is lined up, and no
    // lottery is drawn meanwhile.
    void heldBonusStaysHeldUntilLinedUp()
    {
        PlaySession session({6, 7, {}});
        SeededRandom presses(8);
        Flag heldBefore = Flag::None;
        std::int64_t bonusGames = 0;
        for (int game = 0; game < 30'000; ++game) {
            const std::int64_t freeBefore = session.counts().gamesFree;
            QVERIFY(session.start());
            const Flag flag = session.game()->flag();
            if (heldBefore != Flag::None) {
                QCOMPARE(flag, heldBefore);
                QCOMPARE(session.counts().gamesFree, freeBefore);
            } else {
                QCOMPARE(session.counts().gamesFree, freeBefore + 1);
            }
            QCOMPARE(session.held(), isBonus(flag) ? flag : Flag::None);
            for (const reel::Reel which : orderOfStops(presses))
                session.stop(which, presses.between(1, reel::kPositions));
            QVERIFY(!session.turning());
            QCOMPARE(session.held(), isBonus(flag) && !session.game()->lined() ? flag : Flag::None);
            QCOMPARE(session.game()->lined(), isBonus(flag) && codesOf(flag).prize.contains(session.game()->code()));
            bonusGames += isBonus(flag);
            heldBefore = session.held();
        }
        const SessionCounts& counts = session.counts();
        QCOMPARE(counts.drawn[int(Flag::Big)], counts.linedBig + (session.held() == Flag::Big));
        QCOMPARE(counts.drawn[int(Flag::Reg)], counts.linedReg + (session.held() == Flag::Reg));
        QCOMPARE(counts.games - counts.gamesFree + counts.drawn[int(Flag::Big)] + counts.drawn[int(Flag::Reg)], bonusGames);
        QVERIFY(counts.linedBig > 50 && counts.linedReg > 30);
    }

    void sameSeedGivesTheSameGames()
    {
        const std::string first = reportOf(playAtRandom(5'000, {0, 42, {}}));
        QCOMPARE(reportOf(playAtRandom(5'000, {0, 42, {}})), first);
        QVERIFY(reportOf(playAtRandom(5'000, {0, 43, {}})) != first);
        // The setting drawn from the seed: the same for the same seed, each of the six for some.
        std::array<int, setting_odds::kSettings> settings{};
        for (std::uint64_t seed = 0; seed < 60; ++seed) {
            const int setting = PlaySession({0, seed, {}}).setting();
            QCOMPARE(PlaySession({0, seed, {}}).setting(), setting);
            ++settings.at(setting - 1);
        }
        QVERIFY(std::count(settings.begin(), settings.end(), 0) == 0);
        QCOMPARE(PlaySession({5, 0, {}}).setting(), 5);
    }

    // 200,000 games of the simulated player, in the order left, center, right.
    void fallbackGamesAreRare()
    {
        QElapsedTimer clock;
        clock.start();
        const SessionCounts counts = playAtRandom(200'000, {0, 2025, {}});
        const qint64 ms = clock.elapsed();
        const double rate = double(counts.fallbacks) / double(counts.games);
        qInfo("200,000 games in %lld ms; %lld fell back (%.3f %%)", ms, qlonglong(counts.fallbacks), 100 * rate);
        QVERIFY(rate < 0.01);
        QVERIFY(ms < 10'000);
        std::int64_t missesOutsideTheFlag = 0;
        for (const FlagCodes& flag : kFlagTable) {
            for (int code = 0; code < kOutcomeCodeCount; ++code) {
                if (!flag.allowed().contains(codeAt(code)))
                    missesOutsideTheFlag += counts.shown[int(flag.flag)][code];
            }
        }
        QCOMPARE(missesOutsideTheFlag, counts.fallbacks);
    }

    void reportCountsEveryGame()
    {
        const SessionCounts counts = playAtRandom(20'000, {2, 5, {}});
        const std::string report = reportOf(counts);
        QCOMPARE(counts.games, std::int64_t{20'000});
        std::int64_t drawn = 0;
        std::int64_t shown = 0;
        std::int64_t linedBig = -1;
        std::int64_t linedReg = -1;
        std::int64_t free = -1;
        int drawnLines = 0;
        for (const QString& line : QString::fromStdString(report).split(u'\n', Qt::SkipEmptyParts)) {
            const QStringList fields = line.split(u'\t');
            if (fields[0] == "games_free") {
                QCOMPARE(int(fields.size()), 2);
                free = fields[1].toLongLong();
            } else if (fields[0] == "drawn") {
                QCOMPARE(int(fields.size()), 3);
                QCOMPARE(fields[1], QString::fromLatin1(kFlagTable[drawnLines++].key.data()));
                drawn += fields[2].toLongLong();
            } else if (fields[0] == "shown") {
                QCOMPARE(int(fields.size()), 4);
                QCOMPARE(int(fields[2].size()), 1);
                QVERIFY(fields[3].toLongLong() > 0);
                shown += fields[3].toLongLong();
                if (fields[2] == "A")
                    QCOMPARE(fields[1], QString("big"));
                if (fields[2] == "G")
                    QCOMPARE(fields[1], QString("reg"));
            } else if (fields[0] == "lined") {
                QCOMPARE(int(fields.size()), 3);
                (fields[1] == "big" ? linedBig : linedReg) = fields[2].toLongLong();
            } else {
                QFAIL(qPrintable("unexpected line: " + line));
            }
        }
        QCOMPARE(drawnLines, kFlagCount);
        QCOMPARE(free, counts.gamesFree);
        QCOMPARE(drawn, free);
        QCOMPARE(shown, counts.games);
        QCOMPARE(linedBig, counts.shown[int(Flag::Big)][indexOfCode('A')]);
        QCOMPARE(linedReg, counts.shown[int(Flag::Reg)][indexOfCode('G')]);
        QVERIFY(linedBig > 0 && linedReg > 0);
    }

    void scoresOfCalls_data()
    {
        QTest::addColumn<QString>("caller");
        QTest::newRow("calls each reach-me") << "reach-me";
        QTest::newRow("never calls") << "never";
        QTest::newRow("calls every game, before the stops") << "always";
    }

    // The scores against a count kept here, game by game, from what the
    // session shows.
    void scoresOfCalls()
    {
        QFETCH(QString, caller);
        PlaySession session({6, 11, {}});
        SeededRandom presses(12);
        Scores expected;
        std::int64_t firstReachMe = 0;
        for (std::int64_t game = 1; game <= 5'000; ++game) {
            session.start();
            const Flag flag = session.game()->flag();
            if (caller == "always") {
                QVERIFY(session.call());
                QVERIFY(!session.call());  // once a game
                expected.callsWithoutBonus += !isBonus(flag);
            }
            for (const reel::Reel which : reel::kReels)
                session.stop(which, presses.between(1, reel::kPositions));
            const bool reachMe = kReachMeCodes.contains(session.game()->code());
            QCOMPARE(reachMe && !isBonus(flag), false);
            if (reachMe && caller == "reach-me") {
                QCOMPARE(session.scores().reachMeMissed, expected.reachMeMissed + 1);  // until called
                QVERIFY(session.call());
            }
            if (reachMe)
                ++(caller == "never" ? expected.reachMeMissed : expected.reachMeNoticed);
            if (reachMe && firstReachMe == 0)
                firstReachMe = game;
            if (session.game()->lined()) {
                if (firstReachMe != 0)
                    expected.gamesToLineUp.push_back(game - firstReachMe);
                firstReachMe = 0;
            }
            const Scores scores = session.scores();
            QCOMPARE(scores.reachMeNoticed, expected.reachMeNoticed);
            QCOMPARE(scores.reachMeMissed, expected.reachMeMissed);
            QCOMPARE(scores.callsWithoutBonus, expected.callsWithoutBonus);
            QCOMPARE(scores.gamesToLineUp, expected.gamesToLineUp);
        }
        QVERIFY(expected.reachMeNoticed + expected.reachMeMissed > 100);
        QVERIFY(expected.gamesToLineUp.size() > 10);
    }

    void aGameTakesOnlyItsOwnMoves()
    {
        PlaySession session({1, 3, {}});
        QVERIFY(!session.call());  // nothing to call before the first game
        QVERIFY(!session.stop(reel::Left, 5));
        QVERIFY(session.start());
        QVERIFY(!session.start());
        QVERIFY(!session.stop(reel::Center, 0));
        QVERIFY(!session.stop(reel::Center, 22));
        QCOMPARE(session.game()->code(), '\0');
        QVERIFY(session.stop(reel::Center, 21));
        QVERIFY(!session.stop(reel::Center, 4));  // stands already
        QVERIFY(session.stop(reel::Right, 1));
        QVERIFY(session.turning());
        QVERIFY(session.stop(reel::Left, 10));
        QVERIFY(!session.turning());
        QVERIFY(!session.stop(reel::Left, 10));
        QCOMPARE(session.counts().games, std::int64_t{1});
        QCOMPARE(session.counts().shown[int(session.game()->flag())][indexOfCode(session.game()->code())], std::int64_t{1});
    }
};

QTEST_GUILESS_MAIN(TestPlayCore)
#include "tst_play_core.moc"
