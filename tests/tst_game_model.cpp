#include "core/evaluation/judgement.h"
#include "core/game/game.h"

#include <QSet>
#include <QTest>

#include <functional>
#include <vector>

namespace {

using Mode = Game::Mode;

// A game with every change it reports kept.
struct Watched {
    Game game;
    std::vector<Game::Changes> told;
    Watched()
    {
        game.addListener([this](const Game::Changes& changes) { told.push_back(changes); });
    }
};

// Everything of a game that an operation could change.
struct Snapshot {
    Mode mode;
    std::array<std::int16_t, 3> koma, teisi;
    std::array<bool, 3> running;
    std::array<std::optional<std::int16_t>, 3> shownIndex;
    std::int16_t timint, stopTime;
    Pattern judged;
    std::u16string_view yakumei, tamaya;
    friend bool operator==(const Snapshot&, const Snapshot&) = default;
};

Snapshot snapshotOf(const Game& game)
{
    Snapshot snapshot{game.mode(), {}, {}, {}, {}, game.timint(), game.stopTime(), game.judged(),
                      game.judgement().yakumei, game.judgement().tamaya};
    for (reel::Reel which : reel::kReels) {
        snapshot.koma[which] = game.reel(which).koma;
        snapshot.teisi[which] = game.reel(which).teisi;
        snapshot.running[which] = game.reel(which).running;
        snapshot.shownIndex[which] = game.reel(which).shownIndex;
    }
    return snapshot;
}

// The read-out of the last judged pattern, as the window shows it.
QString readOutOf(const Game& game)
{
    return QString::fromStdString(readOutOf(game.judged()));
}

void spinAndStopAll(Game& game)
{
    game.start(u"100");
    for (reel::Reel which : reel::kReels)
        game.stop(which);
}

}  // namespace

Q_DECLARE_METATYPE(std::function<void(Game&)>)

// The game's rules, driven and read through the model alone: moving the
// reels, the modes, placing a pattern, and operations that belong to another
// mode. What the reel window shows of them, its own tests check.
class TestGameModel : public QObject {
    Q_OBJECT

private slots:
    void placeJudgesAsAStepDoes()
    {
        Watched placed;
        QCOMPARE(placed.game.place({1, 17, 10}), Game::Placing::Placed);
        QCOMPARE(placed.game.mode(), Mode::Standing);
        QCOMPARE(placed.game.positions(), (Pattern{1, 17, 10}));
        QCOMPARE(placed.told.size(), std::size_t(1));
        const Game::Changes& changes = placed.told.front();
        QVERIFY(changes.moved[0] && changes.moved[1] && changes.moved[2]);
        QVERIFY(changes.readOut && changes.result && !changes.running && !changes.cleared);

        // The same pattern reached by steps reads and judges the same.
        Game stepped;
        for (int step = 0; step < 5; ++step)
            stepped.stepDown(reel::Center);
        for (int step = 0; step < 12; ++step)
            stepped.stepDown(reel::Right);
        QCOMPARE(stepped.positions(), placed.game.positions());
        for (const Game* game : {&stepped, &placed.game}) {
            QCOMPARE(readOutOf(*game), QStringLiteral("1-17-10"));
            const Judgement judgement = judge({1, 17, 10});
            QVERIFY(game->judgement().yakumei == judgement.yakumei);
            QVERIFY(game->judgement().tamaya == judgement.tamaya);
        }

        // From a placed pattern the reels step and spin on as usual.
        QVERIFY(placed.game.stepUp(reel::Left));
        QCOMPARE(placed.game.positions(), (Pattern{2, 17, 10}));
        QCOMPARE(placed.game.start(u"100"), Game::Start::Started);
        QVERIFY(placed.game.tick(reel::Right));
        QCOMPARE(placed.game.positions().right, 9);
    }

    // Every operation outside its mode, and a pattern off the reels, is refused
    // and changes nothing.
    void refusedOutsideItsMode_data()
    {
        using Setup = std::function<void(Game&)>;
        QTest::addColumn<Setup>("setup");
        QTest::addColumn<Setup>("operation");
        const Setup standing = [](Game&) {};
        const Setup spinning = [](Game& game) { game.start(u"100"); };
        const Setup oneStopped = [](Game& game) {
            game.start(u"100");
            game.stop(reel::Center);
        };
        const Setup autoPlaying = [](Game& game) { game.startAuto(u"100", u"1200"); };
        // A refused placing says why.
        const auto place = [](Pattern pattern, Game::Placing why) {
            return Setup([pattern, why](Game& game) { QCOMPARE(game.place(pattern), why); });
        };
        using enum Game::Placing;

        QTest::newRow("place while spinning") << spinning << place({1, 2, 3}, Spinning);
        QTest::newRow("place while auto playing") << autoPlaying << place({1, 2, 3}, AutoPlaying);
        QTest::newRow("place left 0") << standing << place({0, 1, 1}, OffTheReels);
        QTest::newRow("place center 22") << standing << place({1, 22, 1}, OffTheReels);
        QTest::newRow("place right -1") << standing << place({1, 1, -1}, OffTheReels);
        QTest::newRow("start while spinning") << spinning << Setup([](Game& game) { game.start(u"100"); });
        QTest::newRow("auto start while spinning")
            << spinning << Setup([](Game& game) { game.startAuto(u"100", u"1200"); });
        QTest::newRow("start while auto playing") << autoPlaying << Setup([](Game& game) { game.start(u"100"); });
        QTest::newRow("stop while standing") << standing << Setup([](Game& game) { game.stop(reel::Left); });
        QTest::newRow("stop while auto playing")
            << autoPlaying << Setup([](Game& game) { game.stop(reel::Left); });
        QTest::newRow("stop a stopped reel") << oneStopped << Setup([](Game& game) { game.stop(reel::Center); });
        QTest::newRow("tick a standing reel") << standing << Setup([](Game& game) { game.tick(reel::Right); });
        QTest::newRow("tick a stopped reel") << oneStopped << Setup([](Game& game) { game.tick(reel::Center); });
        QTest::newRow("step while spinning") << spinning << Setup([](Game& game) { game.stepUp(reel::Left); });
        QTest::newRow("step while auto playing")
            << autoPlaying << Setup([](Game& game) { game.stepDown(reel::Left); });
        QTest::newRow("auto tick while standing") << standing << Setup([](Game& game) { game.autoTick(); });
        QTest::newRow("auto tick while spinning") << spinning << Setup([](Game& game) { game.autoTick(); });
        QTest::newRow("auto stop while spinning") << spinning << Setup([](Game& game) { game.stopAuto(); });
    }

    void refusedOutsideItsMode()
    {
        QFETCH(std::function<void(Game&)>, setup);
        QFETCH(std::function<void(Game&)>, operation);
        Watched watched;
        setup(watched.game);
        const Snapshot before = snapshotOf(watched.game);
        watched.told.clear();
        operation(watched.game);
        QVERIFY(watched.told.empty());
        QVERIFY(snapshotOf(watched.game) == before);
    }

    void refusedStartsChangeNothing()
    {
        Watched watched;
        QCOMPARE(watched.game.start(u"abc"), Game::Start::BadStepInterval);
        QCOMPARE(watched.game.startAuto(u"", u"-5"), Game::Start::BadStopTime);
        QCOMPARE(watched.game.startAuto(u"x", u"-5"), Game::Start::BadStepInterval);
        QVERIFY(watched.told.empty());
        QCOMPARE(watched.game.mode(), Mode::Standing);
        QCOMPARE(watched.game.timint(), std::int16_t(0));
    }

    void modesFollowTheGame()
    {
        Game game;
        QCOMPARE(game.start(u"250"), Game::Start::Started);
        QCOMPARE(game.mode(), Mode::Spinning);
        game.stop(reel::Right);
        game.stop(reel::Left);
        QCOMPARE(game.mode(), Mode::Spinning);
        QVERIFY(game.reel(reel::Center).running && !game.reel(reel::Left).running);
        game.stop(reel::Center);
        QCOMPARE(game.mode(), Mode::Standing);

        QCOMPARE(game.startAuto(u"100", u"1200"), Game::Start::Started);
        QCOMPARE(game.mode(), Mode::AutoPlaying);
        game.autoTick();
        game.autoTick();
        game.autoTick();  // all three stopped, still auto playing
        QCOMPARE(game.mode(), Mode::AutoPlaying);
        QVERIFY(game.stopAuto());
        QCOMPARE(game.mode(), Mode::Standing);
        spinAndStopAll(game);
        QCOMPARE(game.mode(), Mode::Standing);
    }

    // The reels' rules, read back from where the strips stand.

    void tickCountsDownAndWraps()
    {
        Game game;
        QCOMPARE(game.reel(reel::Left).shownIndex, std::nullopt);  // the design place, position 1
        QCOMPARE(game.positions(), (Pattern{1, 1, 1}));
        game.start(u"100");
        QList<int> positions;
        for (int tick = 0; tick < 23; ++tick) {
            game.tick(reel::Left);
            positions << game.positions().left;
            if (tick == 20) {
                // Index 21 is kept as 0, while the strip stays at 21's place.
                QCOMPARE(int(game.reel(reel::Left).koma), 0);
                QCOMPARE(game.reel(reel::Left).shownIndex, std::int16_t(21));
            }
        }
        QCOMPARE(positions.mid(0, 3), (QList<int>{21, 20, 19}));
        QCOMPARE(positions.mid(19, 4), (QList<int>{2, 1, 21, 20}));
        QCOMPARE(game.reel(reel::Left).shownIndex, std::int16_t(2));
    }

    void startFromWhereTheReelsStand()
    {
        Game game;
        game.stepDown(reel::Center);
        game.stepDown(reel::Center);
        game.start(u"100");
        game.tick(reel::Center);
        spinAndStopAll(game);
        QCOMPARE(readOutOf(game), QStringLiteral("1-19-1"));
        // The next spin goes on from index 0 of a reel standing at position 1.
        game.start(u"100");
        game.tick(reel::Left);
        for (reel::Reel which : reel::kReels)
            game.stop(which);
        QCOMPARE(readOutOf(game), QStringLiteral("21-19-1"));
    }

    void stepsRightAfterStartUp_data()
    {
        QTest::addColumn<bool>("up");
        QTest::addColumn<int>("index");
        QTest::addColumn<QString>("readOut");
        QTest::newRow("up") << true << 20 << "1-1-2";
        QTest::newRow("down") << false << 1 << "1-1-21";
    }

    void stepsRightAfterStartUp()
    {
        QFETCH(bool, up);
        QFETCH(int, index);
        QFETCH(QString, readOut);
        Game game;
        up ? game.stepUp(reel::Right) : game.stepDown(reel::Right);
        QCOMPARE(int(game.reel(reel::Right).koma), index);
        QCOMPARE(readOutOf(game), readOut);
        QCOMPARE(game.mode(), Mode::Standing);
    }

    void twentyOneStepsComeBack()
    {
        Game game;
        for (bool (Game::*step)(reel::Reel) : {&Game::stepUp, &Game::stepDown}) {
            QStringList readOuts;
            for (int i = 0; i < 21; ++i) {
                (game.*step)(reel::Left);
                readOuts << readOutOf(game);
            }
            QCOMPARE(readOuts.last(), QStringLiteral("1-1-1"));
            QCOMPARE(QSet<QString>(readOuts.begin(), readOuts.end()).size(), 21);
        }
    }

    void stepFromPositionOneAtIndexZeroOrTwentyOne()
    {
        Game game;
        game.stepDown(reel::Center);  // index 0 to 1: position 21
        QCOMPARE(readOutOf(game), QStringLiteral("1-21-1"));
        game.stepUp(reel::Center);  // back to index 0, a whole turn above 21's place
        QCOMPARE(game.reel(reel::Center).shownIndex, std::int16_t(0));
        QCOMPARE(readOutOf(game), QStringLiteral("1-1-1"));
        game.stepUp(reel::Center);  // index 20: position 2
        QCOMPARE(readOutOf(game), QStringLiteral("1-2-1"));
        game.stepDown(reel::Center);  // index 21: position 1
        QCOMPARE(int(game.reel(reel::Center).koma), 21);
        QCOMPARE(readOutOf(game), QStringLiteral("1-1-1"));
        game.stepDown(reel::Center);
        QCOMPARE(readOutOf(game), QStringLiteral("1-21-1"));
        game.stepDown(reel::Center);
        game.stepUp(reel::Center);
        game.stepUp(reel::Center);  // from index 21 up: index 20, position 2
        QCOMPARE(readOutOf(game), QStringLiteral("1-1-1"));
        game.stepUp(reel::Center);
        QCOMPARE(readOutOf(game), QStringLiteral("1-2-1"));
    }

    void listenersComeAndGo()
    {
        Game game;
        QList<int> heard;
        const int first = game.addListener([&](const Game::Changes&) { heard << 1; });
        game.addListener([&](const Game::Changes&) { heard << 2; });
        game.stepUp(reel::Left);
        game.removeListener(first);
        game.stepUp(reel::Left);
        QCOMPARE(heard, (QList<int>{1, 2, 2}));
    }
};

QTEST_APPLESS_MAIN(TestGameModel)
#include "tst_game_model.moc"
