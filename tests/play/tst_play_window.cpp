#include "app/program.h"
#include "core/evaluation/judgement.h"
#include "core/play/reel_control.h"
#include "core/reels/symbols_in_words.h"
#include "core/setting_estimate/setting_estimate.h"
#include "tests/context_menu.h"
#include "tests/driving.h"
#include "tests/spinning_window_fixture.h"
#include "ui/look.h"
#include "windows/notice_and_info/form4.h"
#include "windows/pieces/spinning_reel_view.h"
#include "windows/play/play_window.h"
#include "windows/reel/riru.h"

#include <QAccessible>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>

#include <map>
#include <memory>
#include <numeric>

namespace {

constexpr int kStopKeys[] = {Qt::Key_Z, Qt::Key_X, Qt::Key_C};

// A play window on a database of its own and a clock the test moves.
struct PlayFixture : SpinningWindowFixture<PlayWindow, PlayHistory> {
    explicit PlayFixture(std::uint64_t seed = 1) : SpinningWindowFixture(seed) {}
    const play::PlaySession& session() const { return window->session(); }
    // The time on to the moment the last reel to stand stands, as the stand's timer fires then.
    void standStill() const
    {
        for (reel::Reel which : reel::kReels)
            if (window->reelView(which)->isSpinning() && window->spin(which).stopSteps)
                *nowUs = std::max(*nowUs, *window->spin(which).standUs());
        tick(*window, "stand");
    }
    // A whole game: the lever, then the stop keys in turn, `gapUs` apart
    // and stamped as pressed, then the reels stand.
    void playGame(std::array<int, 3> keys = {Qt::Key_Z, Qt::Key_X, Qt::Key_C}, std::int64_t gapUs = 310'000) const
    {
        key(Qt::Key_Space);
        for (int stopKey : keys)
            stampedKey(stopKey, *nowUs + gapUs);
        standStill();
    }
    // Games until `wanted` holds of the game just played; false when none did within `most`.
    template <typename Wanted>
    bool playUntil(Wanted wanted, int most = 3000) const
    {
        for (int game = 0; game < most; ++game) {
            playGame({Qt::Key_Z, Qt::Key_X, Qt::Key_C}, 290'000 + 7'919 * (game % 13));
            if (wanted(*session().game()))
                return true;
        }
        return false;
    }
};

// Where the control stops a reel pressed at `pressUs`: the press lands on
// the first cell to stand aligned at or after it, then the control slides it.
struct ExpectedStop {
    std::int64_t pressSteps;
    play::ControlledStop stop;
};

ExpectedStop expectedStop(const PlayWindow& window, reel::Reel which, std::int64_t pressUs)
{
    const timing::ReelSpin& spin = window.spin(which);
    const std::int64_t steps = spin.nextAlignedStep(pressUs);
    const play::PlayGame& game = *window.session().game();
    return {steps, play::controlStop(game.stops(), which, spin.cellAfter(steps, timing::Upper), game.flag())};
}

bool isReachMe(const play::PlayGame& game)
{
    return game.finished() && kReachMeCodes.contains(game.code());
}

QString said(QWidget* control)
{
    return QAccessible::queryAccessibleInterface(control)->text(QAccessible::Name);
}

}  // namespace

// 実戦モード driven by keys with chosen time stamps: the lever, the stops in
// any order, the read-out, the calls and scores, the end of a session with
// its estimate, the assumptions, and the history.
class TestPlayWindow : public QObject {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        ui::useClassicLook();
        qputenv("XDG_DATA_HOME", data_.path().toLocal8Bit());
    }

    // F6 and the reel window's menu entry, last of the windows beside it, open one window; Esc closes it.
    void keyAndMenuOpenOneWindow()
    {
        Program program([] {});
        click(*program.notice(), "Command1");
        Riru* riru = program.reelWindow();
        QVERIFY(QTest::qWaitForWindowActive(riru));
        QTest::keyClick(riru, Qt::Key_F6);
        PlayWindow* window = program.window<PlayWindow>();
        QVERIFY(window && window->isVisible());
        QCOMPARE(window->windowTitle(), QStringLiteral("実戦モード"));
        QVERIFY(QTest::qWaitForWindowActive(window));
        QTest::keyClick(window, Qt::Key_Escape);
        QVERIFY(!window->isVisible());

        const QStringList offered =
            rightClickAndChoose(riru->findChild<QLabel*>("lbyakumei"), QStringLiteral("実戦モード (F6)"));
        QVERIFY2(offered.indexOf(QStringLiteral("実戦モード (F6)")) == offered.indexOf(QStringLiteral("目押し練習 (F4)")) + 1,
                 qPrintable(offered.join(u',')));
        QCOMPARE(program.window<PlayWindow>(), window);
        QVERIFY(window->isVisible());
    }

    // The lever sets the three reels turning; each stop key stops its reel
    // where the timing rule lands the press and the control slides it, in
    // any order; the read-out comes once the last reel stands, and each reel
    // says its cells in words.
    void gameByKeysInAnyOrder_data()
    {
        QTest::addColumn<QList<int>>("keys");
        QTest::newRow("Z X C") << QList<int>{Qt::Key_Z, Qt::Key_X, Qt::Key_C};
        QTest::newRow("C X Z") << QList<int>{Qt::Key_C, Qt::Key_X, Qt::Key_Z};
        QTest::newRow("→ ← ↓") << QList<int>{Qt::Key_Right, Qt::Key_Left, Qt::Key_Down};
        QTest::newRow("↓ → Z") << QList<int>{Qt::Key_Down, Qt::Key_Right, Qt::Key_Z};
    }
    void gameByKeysInAnyOrder()
    {
        QFETCH(QList<int>, keys);
        static const std::map<int, reel::Reel> kReelOfKey = {
            {Qt::Key_Z, reel::Left},    {Qt::Key_X, reel::Center},  {Qt::Key_C, reel::Right},
            {Qt::Key_Left, reel::Left}, {Qt::Key_Down, reel::Center}, {Qt::Key_Right, reel::Right}};
        for (std::uint64_t seed : {1, 2, 3}) {
            PlayFixture t(seed);
            t.key(Qt::Key_Space);
            QVERIFY(t.window->isPlaying());
            QCOMPARE(t.text("games"), QStringLiteral("1"));
            for (reel::Reel which : reel::kReels) {
                QVERIFY(t.window->reelView(which)->isSpinning());
                QCOMPARE(t.window->reelView(which)->accessibleDescription(), QStringLiteral("回転中"));
            }
            std::int64_t atUs = *t.nowUs + 123'456 * static_cast<std::int64_t>(seed);
            for (int k : keys) {
                const reel::Reel which = kReelOfKey.at(k);
                const ExpectedStop expected = expectedStop(*t.window, which, atUs);
                t.stampedKey(k, atUs);
                QCOMPARE(t.window->spin(which).stopSteps, std::optional(expected.pressSteps + expected.stop.slide));
                QCOMPARE(t.session().game()->stops()[which], expected.stop.position);
                QCOMPARE(t.window->spin(which).cellAfter(*t.window->spin(which).stopSteps, timing::Upper),
                         expected.stop.position);
                QVERIFY(!t.child<QPushButton>(std::array{"stop_left", "stop_center", "stop_right"}[which])->isEnabled());
                QVERIFY(t.text("readout").isEmpty());
                t.key(k);  // a second press of a stopped reel changes nothing
                QCOMPARE(t.session().game()->stops()[which], expected.stop.position);
                atUs += 250'000 + 11'111 * static_cast<std::int64_t>(seed);
            }
            QVERIFY(t.window->isPlaying());
            t.standStill();
            QVERIFY(!t.window->isPlaying());
            const Pattern pattern = t.session().game()->pattern();
            QCOMPARE(t.text("readout"), QString::fromStdString(readOutOf(pattern)));
            QCOMPARE(said(t.child("readout")), t.text("readout"));
            QCOMPARE(QAccessible::queryAccessibleInterface(t.child("readout"))->role(), QAccessible::Notification);
            const std::array positions = {pattern.left, pattern.center, pattern.right};
            for (reel::Reel which : reel::kReels)
                QCOMPARE(t.window->reelView(which)->accessibleDescription(),
                         words(reel::reelInWords(which, positions[which])));
            *t.nowUs += 5'000'000;
            for (reel::Reel which : reel::kReels)
                QCOMPARE(t.window->reelView(which)->upperPosition(), positions[which]);
        }
    }

    // A press counts from the key's own time stamp once the clocks are
    // compared, not from when it arrived; a stamp that would be too old is not believed.
    void stampsTimeThePress()
    {
        PlayFixture t;
        t.key(Qt::Key_Space);
        t.stampedKey(Qt::Key_Z, *t.nowUs + 400'000);  // compares the clocks
        const timing::ReelSpin& center = t.window->spin(reel::Center);
        // 10 ms into a cell: the arrival 30 ms on falls in the next cell.
        const std::int64_t pressUs = center.momentOfStep(center.cellsTurned(*t.nowUs) + 8) + 10'000;
        QVERIFY(center.nextAlignedStep(pressUs) != center.nextAlignedStep(pressUs + 30'000));
        const ExpectedStop stamped = expectedStop(*t.window, reel::Center, pressUs);
        t.stampedKey(Qt::Key_X, pressUs, 30'000);
        QCOMPARE(t.window->spin(reel::Center).stopSteps, std::optional(stamped.pressSteps + stamped.stop.slide));

        const timing::ReelSpin& right = t.window->spin(reel::Right);
        const std::int64_t arrivalUs = right.momentOfStep(right.cellsTurned(*t.nowUs) + 8) + 10'000;
        const ExpectedStop arrived = expectedStop(*t.window, reel::Right, arrivalUs);
        t.stampedKey(Qt::Key_C, arrivalUs - 150'000, 150'000);
        QCOMPARE(t.window->spin(reel::Right).stopSteps, std::optional(arrived.pressSteps + arrived.stop.slide));
    }

    // After a press the reel turns on at its speed to its stop and stands
    // there: every frame from the press to the stand is as far on as the
    // one before, and the last shows where it stands.
    void slideIsDrawnForward()
    {
        PlayFixture t;
        QVERIFY(QTest::qWaitForWindowExposed(t.window.get()));
        t.key(Qt::Key_Space);
        SpinningReelView* reel = t.window->reelView(reel::Left);
        std::vector<double> drawn;
        QObject::connect(reel, &SpinningReelView::framePainted, t.window.get(),
                         [&](std::int64_t, double cells) { drawn.push_back(cells); });
        // The press, over a turn of the reel, that the control slides furthest.
        std::int64_t pressUs = *t.nowUs + 300'000;
        for (std::int64_t us = pressUs; us < pressUs + 750'000; us += 7'000)
            if (expectedStop(*t.window, reel::Left, us).stop.slide > expectedStop(*t.window, reel::Left, pressUs).stop.slide)
                pressUs = us;
        QVERIFY(expectedStop(*t.window, reel::Left, pressUs).stop.slide >= 1);
        *t.nowUs = pressUs;
        reel->repaint();
        t.stampedKey(Qt::Key_Z, pressUs);
        const std::int64_t standUs = *t.window->spin(reel::Left).standUs();
        for (std::int64_t us = *t.nowUs; us <= standUs; us += 5'000) {
            *t.nowUs = us;
            reel->repaint();
            tick(*t.window, "stand");
        }
        *t.nowUs = standUs;
        reel->repaint();
        tick(*t.window, "stand");
        QVERIFY(!reel->isSpinning());
        QVERIFY(drawn.size() >= 3);
        for (std::size_t frame = 1; frame < drawn.size(); ++frame)
            QVERIFY2(drawn[frame] >= drawn[frame - 1], qPrintable(QStringLiteral("frame %1").arg(frame)));
        QVERIFY(std::abs(drawn.back() - double(*t.window->spin(reel::Left).stopSteps)) < 1.0 / 63);
    }

    // The buttons and a click on a reel do what the keys do.
    void buttonsAndClicksPlayToo()
    {
        PlayFixture t;
        QVERIFY(!t.child<QPushButton>("call")->isEnabled());
        click(*t.window, "lever");
        QVERIFY(t.window->isPlaying());
        *t.nowUs += 400'000;
        click(*t.window, "stop_center");
        QVERIFY(!t.session().game()->turning(reel::Center));
        *t.nowUs += 300'000;
        QTest::mouseClick(t.child("reel_right"), Qt::LeftButton);
        QVERIFY(!t.session().game()->turning(reel::Right));
        *t.nowUs += 300'000;
        click(*t.window, "stop_left");
        t.standStill();
        QVERIFY(!t.text("readout").isEmpty());
        click(*t.window, "call");
        QVERIFY(!t.text("callAnswer").isEmpty());
    }

    // The keys work whichever control has the focus: a stop key never
    // changes a box, turning or standing; a held key acts once; the lever
    // does nothing while a game is under way.
    void keysNeverChangeABox()
    {
        PlayFixture t;
        auto* setting = t.child<QComboBox>("setting");
        auto* games = t.child<QSpinBox>("sessionGames");
        for (QWidget* box : std::initializer_list<QWidget*>{setting, games}) {
            box->setFocus();
            t.key(Qt::Key_Space);
            QVERIFY(t.window->isPlaying());
            t.key(Qt::Key_Space);
            QVERIFY(t.window->isPlaying());
            *t.nowUs += 300'000;
            t.key(Qt::Key_Down, 0, true);
            QVERIFY(t.session().game()->turning(reel::Center));
            for (int k : {Qt::Key_Down, Qt::Key_Left, Qt::Key_Right}) {
                *t.nowUs += 200'000;
                t.key(k);
            }
            QVERIFY(t.session().game()->finished());
            t.standStill();
            for (int k : {Qt::Key_Down, Qt::Key_Left, Qt::Key_Right, Qt::Key_Z, Qt::Key_C})
                t.key(k);
            QCOMPARE(setting->currentIndex(), 0);
            QCOMPARE(games->value(), 0);
        }
        QCOMPARE(t.text("games"), QStringLiteral("2"));
    }

    // ボーナス！ is answered at once: はずれ in a game without a bonus, 正解
    // with one held, and a reach-me called in its game is noticed. A
    // reach-me left uncalled counts as missed only once the next game starts,
    // so that the scores never tell of one the player has not seen; the
    // bonus lined up is counted, with the games from its first reach-me.
    void callsAndScores()
    {
        PlayFixture t(7);
        t.child<QComboBox>("setting")->setCurrentIndex(6);
        QCOMPARE(t.session().setting(), 6);
        QVERIFY(t.playUntil([](const play::PlayGame& game) { return !isBonus(game.flag()); }));
        t.key(Qt::Key_B);
        QCOMPARE(t.text("callAnswer"), QStringLiteral("ボーナス！ → はずれ: ボーナスは成立していません"));
        QCOMPARE(said(t.child("callAnswer")), t.text("callAnswer"));
        QCOMPARE(t.text("callsWithoutBonus"), QStringLiteral("1"));
        t.key(Qt::Key_B);
        QCOMPARE(t.text("callAnswer"), QStringLiteral("このゲームはもうコールしました"));
        QCOMPARE(t.text("callsWithoutBonus"), QStringLiteral("1"));

        QVERIFY(t.playUntil(isReachMe));
        QCOMPARE(t.text("reachMeNoticed"), QStringLiteral("0"));
        const QString bonus = words(codesOf(t.session().game()->flag()).caption);
        QVERIFY(isBonus(t.session().game()->flag()));
        t.key(Qt::Key_B);
        QCOMPARE(t.text("callAnswer"), QStringLiteral("ボーナス！ → 正解: リーチ目です（%1 成立中）").arg(bonus));
        QCOMPARE(t.text("reachMeNoticed"), QStringLiteral("1"));
        QCOMPARE(t.text("callsWithoutBonus"), QStringLiteral("1"));

        const std::int64_t missedBefore = t.text("reachMeMissed").toLongLong();
        QVERIFY(t.playUntil(isReachMe));
        QCOMPARE(t.text("reachMeMissed").toLongLong(), missedBefore);
        t.key(Qt::Key_Space);
        QCOMPARE(t.text("reachMeMissed").toLongLong(), missedBefore + 1);
        // Called while the reels turn: a bonus held is answered, not yet a reach-me.
        if (isBonus(t.session().game()->flag())) {
            t.key(Qt::Key_B);
            QCOMPARE(t.text("callAnswer"),
                     QStringLiteral("ボーナス！ → 正解: %1 成立中").arg(words(codesOf(t.session().game()->flag()).caption)));
        }
        for (int k : kStopKeys)
            t.stampedKey(k, *t.nowUs + 300'000);
        t.standStill();

        QVERIFY(t.playUntil([](const play::PlayGame& game) { return game.lined(); }));
        const play::SessionCounts& counts = t.session().counts();
        QCOMPARE(t.text("bigCount"), QString::number(counts.linedBig));
        QCOMPARE(t.text("regCount"), QString::number(counts.linedReg));
        QVERIFY(counts.linedBig + counts.linedReg >= 1);
        t.key(Qt::Key_Space);
        const std::vector<std::int64_t> toLineUp = t.session().scores().gamesToLineUp;
        QVERIFY(!toLineUp.empty());
        const double mean = double(std::accumulate(toLineUp.begin(), toLineUp.end(), std::int64_t{0})) / double(toLineUp.size());
        QCOMPARE(t.text("gamesToLineUp"), QStringLiteral("平均 %1 ゲーム（%2 回）").arg(mean, 0, 'f', 1).arg(toLineUp.size()));
        QCOMPARE(t.text("games"), QString::number(counts.games));
    }

    // The commentary of the pattern, off at first, is shown after each game
    // once asked for, never while the reels turn.
    void commentaryWhenAsked()
    {
        PlayFixture t;
        auto* shown = t.child<QCheckBox>("showCommentary");
        QVERIFY(!shown->isChecked());
        t.playGame();
        QVERIFY(t.text("commentary").isEmpty());
        shown->setChecked(true);
        const Judgement judgement = judge(t.session().game()->pattern());
        QVERIFY(t.text("commentary").endsWith(words(judgement.yakumei).replace(QStringLiteral("\r\n"), QStringLiteral("\n"))));
        t.key(Qt::Key_Space);
        QVERIFY(t.text("commentary").isEmpty());
        *t.nowUs += 300'000;
        for (int k : kStopKeys)
            t.stampedKey(k, *t.nowUs + 200'000);
        QVERIFY(t.text("commentary").isEmpty());
        t.standStill();
        QVERIFY(!t.text("commentary").isEmpty());
        shown->setChecked(false);
        QVERIFY(t.text("commentary").isEmpty());
    }

    // A session of a set number of games ends with its last; the player
    // guesses the setting, by key or button, and sees the setting in play
    // beside the estimate from the counts; the next session starts afresh.
    void sessionEndsWithTheGuess()
    {
        PlayFixture t(5);
        QVERIFY(QTest::qWaitForWindowActive(t.window.get()));
        QCOMPARE(t.text("settingInPlay"), QStringLiteral("この実戦の設定は伏せてあります。"));
        QVERIFY(!t.child<QPushButton>("endSession")->isEnabled());
        t.child<QSpinBox>("sessionGames")->setValue(3);
        t.playGame();
        t.key(Qt::Key_Space);
        QVERIFY(!t.child<QPushButton>("endSession")->isEnabled());
        for (int k : kStopKeys)
            t.stampedKey(k, *t.nowUs + 300'000);
        t.standStill();
        QVERIFY(t.child<QPushButton>("endSession")->isEnabled());
        QVERIFY(!t.window->sessionEnded());
        t.playGame();
        QVERIFY(t.window->sessionEnded());
        QVERIFY(!t.child<QPushButton>("lever")->isEnabled());
        QCOMPARE(QApplication::focusWidget(), t.child("guess1"));
        QVERIFY(t.child("guess1")->accessibleDescription().contains(QStringLiteral("3 ゲーム")));
        t.key(Qt::Key_Space);
        QCOMPARE(t.session().counts().games, 3);

        const play::SessionCounts counts = t.session().counts();
        const int inPlay = t.session().setting();
        t.key(Qt::Key_4);
        QVERIFY(t.text("settingResult").contains(QStringLiteral("予想は設定 4、実際の設定は %1").arg(inPlay)));
        QCOMPARE(t.text("settingInPlay"), QStringLiteral("この実戦の設定: %1").arg(inPlay));
        const auto estimate =
            std::get<setting_estimate::Estimate>(setting_estimate::estimate({counts.games, counts.linedBig, counts.linedReg}));
        for (int setting = 1; setting <= 6; ++setting)
            QCOMPARE(t.text(qPrintable(QStringLiteral("estimate%1").arg(setting))),
                     QStringLiteral("%1 %").arg(estimate.probability[static_cast<std::size_t>(setting - 1)] * 100, 0, 'f', 1));
        QVERIFY(t.text(qPrintable(QStringLiteral("mark%1").arg(inPlay))).contains(QStringLiteral("実際の設定")));
        QCOMPARE(QApplication::focusWidget(), t.child("newSession"));
        QVERIFY(t.child("newSession")->accessibleDescription().startsWith(t.text("settingResult")));
        t.key(Qt::Key_5);
        QVERIFY(t.text("settingResult").contains(QStringLiteral("予想は設定 4")));

        click(*t.window, "newSession");
        QVERIFY(!t.window->sessionEnded());
        QCOMPARE(t.session().counts().games, 0);
        QCOMPARE(t.text("games"), QStringLiteral("0"));
        QVERIFY(t.text("settingResult").isEmpty());
        QCOMPARE(QApplication::focusWidget(), t.child("lever"));
        t.key(Qt::Key_Space);
        QVERIFY(t.window->isPlaying());
    }

    // The end button ends a session between games; a setting chosen shows,
    // applying at once before the first game and from the next session after it.
    void endButtonAndChosenSetting()
    {
        PlayFixture t;
        auto* setting = t.child<QComboBox>("setting");
        setting->setCurrentIndex(2);
        QCOMPARE(t.session().setting(), 2);
        QCOMPARE(t.text("settingInPlay"), QStringLiteral("この実戦の設定: 2"));
        t.playGame();
        setting->setCurrentIndex(5);
        QCOMPARE(t.session().setting(), 2);
        QVERIFY(t.text("settingInPlay").contains(QStringLiteral("次の実戦から: 設定 5")));
        QVERIFY(setting->accessibleDescription().contains(QStringLiteral("次の実戦から")));
        click(*t.window, "endSession");
        QVERIFY(t.window->sessionEnded());
        click(*t.window, "guess2");
        QVERIFY(t.text("settingResult").startsWith(QStringLiteral("的中！")));
        click(*t.window, "newSession");
        QCOMPARE(t.session().setting(), 5);
    }

    // The small prizes' odds are assumptions the player may change; odds
    // that with the bonuses would pass certainty are refused, and the table
    // shows the odds in play again.
    void oddsAreAdjustable()
    {
        PlayFixture t;
        auto* table = t.child<QTableWidget>("odds");
        QStringList shown;
        for (int row = 0; row < 4; ++row)
            shown << table->item(row, 0)->data(Qt::AccessibleTextRole).toString();
        QCOMPARE(shown, QStringList({"1/7.3", "1/8.0", "1/64", "1/36"}));
        QCOMPARE(t.session().odds(), play::SmallPrizeOdds{});

        table->item(2, 0)->setData(Qt::EditRole, 32.0);
        QCOMPARE(t.session().odds().ice, 32.0);
        QCOMPARE(table->item(2, 0)->data(Qt::AccessibleTextRole).toString(), QStringLiteral("1/32"));
        table->item(0, 0)->setData(Qt::EditRole, 1.0);
        QCOMPARE(t.session().odds().replay, 7.3);
        QCOMPARE(table->item(0, 0)->data(Qt::EditRole).toDouble(), 7.3);
        QVERIFY(t.text("oddsNote").contains(QStringLiteral("変えられません")));

        t.playGame();
        click(*t.window, "endSession");
        click(*t.window, "guess1");
        click(*t.window, "newSession");
        QCOMPARE(t.session().odds().ice, 32.0);
    }

    // Every game and call is kept, nothing before the first game's last
    // stop; a new window reads them back.
    void gamesAndCallsAreKept()
    {
        PlayFixture t;
        QVERIFY(t.text("pastPlay").contains(QStringLiteral("まだありません")));
        t.key(Qt::Key_Space);
        t.stampedKey(Qt::Key_Z, *t.nowUs + 300'000);
        t.stampedKey(Qt::Key_X, *t.nowUs + 300'000);
        QVERIFY(!QFile::exists(t.path));
        t.stampedKey(Qt::Key_C, *t.nowUs + 300'000);
        QVERIFY(QFile::exists(t.path));
        t.standStill();
        t.key(Qt::Key_B);
        t.playGame({Qt::Key_C, Qt::Key_Z, Qt::Key_X});
        const Pattern second = t.session().game()->pattern();
        {
            auto db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("check"));
            db.setDatabaseName(t.path);
            QVERIFY(db.open());
            QSqlQuery query(db);
            QVERIFY(query.exec("SELECT number, stop_order, left_position, center_position, right_position"
                               " FROM play_games ORDER BY id"));
            QVERIFY(query.next() && query.next());
            QCOMPARE(query.value(0).toInt(), 2);
            QCOMPARE(query.value(1).toString(), QStringLiteral("right-left-center"));
            QCOMPARE((Pattern{query.value(2).toInt(), query.value(3).toInt(), query.value(4).toInt()}), second);
            QVERIFY(query.exec("SELECT game_number FROM play_calls"));
            QVERIFY(query.next());
            QCOMPARE(query.value(0).toInt(), 1);
            QVERIFY(!query.next());
        }
        QSqlDatabase::removeDatabase(QStringLiteral("check"));
        t.open(2);
        QVERIFY2(t.text("pastPlay").startsWith(QStringLiteral("これまでの実戦（今回を含む）: 2 ゲーム")), qPrintable(t.text("pastPlay")));
        t.playGame();
        QVERIFY2(t.text("pastPlay").startsWith(QStringLiteral("これまでの実戦（今回を含む）: 3 ゲーム")), qPrintable(t.text("pastPlay")));
    }

    // A history that cannot be written leaves the window playing in memory, said once.
    void unwritableHistoryIsSaidOnce()
    {
        PlayFixture t;
        QFile blocker(t.data.filePath("kareto"));  // a file where the folder would go
        QVERIFY(blocker.open(QIODevice::WriteOnly));
        blocker.close();
        t.open();
        auto* note = t.child<QLabel>("recordNote");
        QVERIFY(!note->isVisible());
        t.playGame();
        QVERIFY(note->isVisible());
        QVERIFY(note->text().contains(u"保存できません"));
        note->clear();
        t.key(Qt::Key_B);
        t.playGame();
        QVERIFY(note->text().isEmpty());
        QCOMPARE(t.text("games"), QStringLiteral("2"));
    }

private:
    QTemporaryDir data_;
};

QTEST_MAIN(TestPlayWindow)
#include "tst_play_window.moc"
