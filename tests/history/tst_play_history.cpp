#include "history/play/play_history.h"

#include <QFile>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QTest>

namespace {

constexpr std::int64_t kNow = 1'800'000'000'000;

PlayedGameRecord gameOf(std::int64_t number, Flag flag, char code)
{
    PlayedGameRecord game;
    game.atMs = kNow + number * 5000;
    game.number = number;
    game.flag = flag;
    game.drawn = number == 1;
    game.order = {reel::Right, reel::Left, reel::Center};
    game.stood = {7, 14, 3};
    game.slides = {0, 4, 2};
    game.code = code;
    return game;
}

}  // namespace

// The play mode's store: what it writes, when, and what it reads back.
class TestPlayHistory : public QObject {
    Q_OBJECT

private slots:
    // A session begun writes nothing; its first game writes the session
    // with it, and the next records join the same session.
    void nothingBeforeTheFirstGame()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath("kareto/kareto.sqlite");
        PlayHistory history(path);
        history.beginSession({kNow, 4, false});
        QCOMPARE(history.load().games, 0);
        QVERIFY(history.recordGuess(4, kNow));
        QVERIFY(!QFile::exists(path));

        QVERIFY(history.record(gameOf(1, Flag::Big, 'C')));
        QVERIFY(history.record(PlayCallRecord{kNow + 6000, 1, Flag::Big}));
        {
            auto db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("check"));
            db.setDatabaseName(path);
            QVERIFY(db.open());
            QSqlQuery query(db);
            QVERIFY(query.exec("SELECT s.setting, s.setting_chosen, g.number, g.flag, g.drawn, g.stop_order,"
                               " g.left_position, g.center_position, g.right_position, g.left_slide, g.center_slide,"
                               " g.right_slide, g.code, g.reach_me, g.odds_replay, g.odds_cherry, c.game_number, c.flag"
                               " FROM play_sessions s JOIN play_games g ON g.session_id = s.id"
                               " JOIN play_calls c ON c.session_id = s.id"));
            QVERIFY(query.next());
            const QVariantList expected = {4, 0, 1, "big", 1, "right-left-center", 7, 14, 3, 0, 4, 2, "C", 1, 7.3, 36.0, 1, "big"};
            for (int column = 0; column < expected.size(); ++column)
                QCOMPARE(query.value(column).toString(), expected[column].toString());
            QVERIFY(!query.next());
            QVERIFY(query.exec("SELECT COUNT(*) FROM play_sessions"));
            QVERIFY(query.next());
            QCOMPARE(query.value(0).toInt(), 1);
        }
        QSqlDatabase::removeDatabase(QStringLiteral("check"));
    }

    // Games, calls and guesses are kept across a reopening, summed up over
    // every session: a reach-me called in its game is noticed, one called in
    // no game missed, a call in a game without a bonus counted.
    void keptAcrossAReopening()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath("kareto.sqlite");
        {
            PlayHistory history(path);
            history.beginSession({kNow, 6, true});
            QVERIFY(history.record(gameOf(1, Flag::None, 'J')));
            QVERIFY(history.record(PlayCallRecord{kNow, 1, Flag::None}));
            QVERIFY(history.record(gameOf(2, Flag::Reg, 'E')));
            QVERIFY(history.record(PlayCallRecord{kNow, 2, Flag::Reg}));
            QVERIFY(history.record(gameOf(3, Flag::Reg, 'b')));  // a reach-me not called
            QVERIFY(history.recordGuess(6, kNow + 60'000));
            history.beginSession({kNow + 70'000, 2, false});
            QVERIFY(history.record(PlayCallRecord{kNow, 1, Flag::Big}));  // called before the game stood
            QVERIFY(history.record(gameOf(1, Flag::Big, 'X')));
            QVERIFY(history.recordGuess(5, kNow + 80'000));
        }
        PlayHistory reopened(path);
        const PastPlay past = reopened.load();
        QCOMPARE(past.games, 4);
        QCOMPARE(past.reachMeNoticed, 2);
        QCOMPARE(past.reachMeMissed, 1);
        QCOMPARE(past.callsWithoutBonus, 1);
        QCOMPARE(past.guesses, 2);
        QCOMPARE(past.guessedRight, 1);
    }

    // A history that cannot be written fails each write and says why once;
    // the session's row is tried again with the next record.
    void unwritableHistory()
    {
        QTemporaryDir dir;
        QFile blocker(dir.filePath("kareto"));  // a file where the folder would go
        QVERIFY(blocker.open(QIODevice::WriteOnly));
        blocker.close();
        PlayHistory history(dir.filePath("kareto/kareto.sqlite"));
        history.beginSession({kNow, 1, false});
        QVERIFY(!history.record(gameOf(1, Flag::None, 'J')));
        QVERIFY(history.takeNewProblem().has_value());
        QVERIFY(!history.record(PlayCallRecord{kNow, 1, Flag::None}));
        QVERIFY(!history.takeNewProblem().has_value());
        QVERIFY(QFile::remove(dir.filePath("kareto")));
        QVERIFY(history.record(gameOf(2, Flag::None, 'J')));
        QVERIFY(history.recordGuess(3, kNow));
        QCOMPARE(history.load().games, 1);
        QCOMPARE(history.load().guesses, 1);
    }
};

QTEST_MAIN(TestPlayHistory)
#include "tst_play_history.moc"
