#include "core/drill/cards/card_deck.h"
#include "core/evaluation/judgement.h"
#include "tests/drill/fsrs_learner.h"
#include "ui/look.h"
#include "windows/drill/calibration_chart.h"
#include "windows/drill/card_square.h"
#include "windows/drill/drill_window.h"
#include "windows/drill/forecast_chart.h"
#include "windows/drill/mastery_map.h"

#include <QElapsedTimer>
#include <QLabel>
#include <QPushButton>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

namespace {

constexpr const char* kAnswers[] = {"answer_big",  "answer_reg",   "answer_br",          "answer_reachNoStop",
                                    "answer_noStop", "answer_small", "answer_missOrBonus", "answer_miss"};

// A player who forgets faster than the defaults expect.
MemoryWeights forgetfulPlayer()
{
    MemoryWeights w = MemoryModel::kDefaultWeights;
    w[0] = 0.05;
    w[2] = 0.8;
    w[20] = 0.5;
    return w;
}

// A drill window on a history that already holds `answers` of a simulated
// player, on a clock just after the last of them.
struct MemoryFixture {
    QTemporaryDir data;
    QString path = data.filePath("kareto/kareto.sqlite");
    std::shared_ptr<qint64> now = std::make_shared<qint64>(FsrsLearner::kStartMs);
    std::unique_ptr<DrillWindow> window;

    explicit MemoryFixture(int answers)
    {
        if (answers > 0)
            fill(answers);
        open();
    }

    // The answers go in as rows, in one transaction, as many answers as a
    // player gives in months.
    void fill(int count)
    {
        const CardDeck& deck = CardDeck::instance();
        std::vector<CardAnswer> answers;
        for (int days = 30; static_cast<int>(answers.size()) < count; days *= 2)
            answers = FsrsLearner(forgetfulPlayer(), 9).drill(days, 6);
        answers.resize(static_cast<std::size_t>(count));
        HistoryDatabase history(path);
        QVERIFY(history.write([&](Statements& sql) {
            for (const CardAnswer& answer : answers) {
                const Card& card = deck.card(answer.card % deck.size());
                const QString group = QString::fromLatin1(kOutcomeGroups[std::size_t(card.group)].key.data());
                if (!sql.run(QStringLiteral("INSERT INTO drill_answers (answered_at_ms, pattern, card, group_answered,"
                                            " right_group, is_right, answer_ms, phase, stability, difficulty, step, due_ms,"
                                            " answers, lapses) VALUES (?, ?, ?, ?, ?, ?, ?, 'review', 1, 5, 0, 0, 1, 0)"),
                             {qint64{answer.atMs}, QString::fromStdString(readOutOf(card.patterns.front())),
                              QString::fromStdString(deck.keyOf(answer.card % deck.size())), group, group,
                              answer.right ? 1 : 0, answer.answerMs}))
                    return false;
            }
            return true;
        }));
        *now = answers.back().atMs + 3'600'000;
    }

    void open()
    {
        window.reset();
        const auto clock = now;
        window = std::make_unique<DrillWindow>(std::array<QImage, 3>{QImage(":/pictures/r1.bmp"), QImage(":/pictures/r2.bmp"),
                                                                     QImage(":/pictures/r3.bmp")},
                                               DrillHistory(path, QString()), 3,
                                               DrillClock{[clock] { return *clock; }, [clock] { return *clock; }});
        window->open();
    }

    template <typename T = QWidget>
    T* child(const char* name) const
    {
        return window->findChild<T*>(QLatin1String(name));
    }
    QPushButton* fitButton() const { return child<QPushButton>("fitMemoryModel"); }
    QString text(const char* label) const { return child<QLabel>(label)->text(); }

    // The meaning of the pattern shown, read from the picture's accessible name.
    int rightGroup() const
    {
        const QStringList cells = child("pattern")->accessibleName().split(u'-');
        return groupIndexOf(outcomeCodeOf({cells[0].toInt(), cells[1].toInt(), cells[2].toInt()}));
    }
    void answer(bool right)
    {
        QTest::mouseClick(child<QPushButton>(kAnswers[right ? rightGroup() : (rightGroup() + 1) % 8]), Qt::LeftButton);
        QTest::mouseClick(child<QPushButton>("next"), Qt::LeftButton);
    }

    // The fits the history keeps.
    int storedFits() const
    {
        int count = 0;
        HistoryDatabase history(path);
        history.read([&count](Statements& sql) {
            if (!sql.run(QStringLiteral("SELECT COUNT(*) FROM drill_memory_fits")) || !sql.next())
                return false;
            count = sql.value(0).toInt();
            return true;
        });
        return count;
    }
};

}  // namespace

// The drill's memory model in the window: fitted on demand and by itself,
// beside the drill, which goes on meanwhile; its figures told; the map's
// colours the recall a day from now.
class TestDrillMemory : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { ui::useClassicLook(); }

    // The button starts a fit that the window does not wait for; the
    // figures come when it ends, and the history keeps the fit.
    void theButtonFitsBesideTheDrill()
    {
        MemoryFixture drill(120);
        QTRY_VERIFY(drill.fitButton()->isEnabled());  // the opening's figures, no fit: too few answers
        QVERIFY(drill.text("memoryVerdict").startsWith("まだ合わせていません"));
        QCOMPARE(drill.text("logLossDefault"), QStringLiteral("—"));
        QCOMPARE(drill.text("memoryWeights"), QStringLiteral("使っている重み：既定（FSRS-6 の公開値）"));

        QTest::mouseClick(drill.fitButton(), Qt::LeftButton);
        // Back from the click before the fit's end can be heard: it runs elsewhere.
        QVERIFY(!drill.fitButton()->isEnabled());
        QVERIFY(drill.text("memoryFitState").startsWith("合わせています"));
        QCOMPARE(drill.text("logLossDefault"), QStringLiteral("—"));
        QTest::mouseClick(drill.fitButton(), Qt::LeftButton);  // a second request waits for nothing
        drill.answer(false);
        QVERIFY(drill.text("score").startsWith("正解 0 / 1 問"));

        QTRY_VERIFY(drill.fitButton()->isEnabled());
        QVERIFY(drill.text("logLossDefault").contains(QRegularExpression("^0\\.\\d{3}$")));
        QVERIFY(drill.text("rmseBinsFitted").contains(QRegularExpression("^0\\.\\d{3}$")));
        QVERIFY(drill.text("memoryFiguresCaption").contains("件での予測の誤差"));
        QVERIFY(drill.text("memoryFitState").startsWith("最後に合わせたのは"));
        QVERIFY(drill.text("trueRetention").contains("7日"));
        QVERIFY(!drill.child<CalibrationChart>("calibrationChart")->bins().empty());
        QVERIFY(!drill.child("calibrationChart")->accessibleDescription().contains("まだ"));
        QCOMPARE(drill.child<ForecastChart>("forecastChart")->forecast().size(), std::size_t{14});
        QTRY_COMPARE(drill.storedFits(), 1);
    }

    // From a few hundred answers the drill fits by itself as it opens,
    // takes better weights and says where they came from; opened again, it
    // uses them and does not fit again until the answers have doubled.
    void theDrillFitsByItselfWhenDue()
    {
        MemoryFixture drill(1200);
        QTRY_COMPARE_WITH_TIMEOUT(drill.storedFits(), 1, 20000);
        QTRY_VERIFY(drill.fitButton()->isEnabled());
        QVERIFY(drill.text("memoryWeights").startsWith("使っている重み：あなたの答え 1,200 件から（"));
        QVERIFY(drill.text("memoryVerdict").startsWith("合わせた重みのほうが"));
        const QString figures = drill.text("logLossFitted");

        drill.open();
        QCOMPARE(drill.text("logLossFitted"), figures);
        QVERIFY(drill.text("memoryWeights").contains("1,200 件から"));
        QTRY_VERIFY(drill.fitButton()->isEnabled());
        QTest::qWait(100);
        QCOMPARE(drill.storedFits(), 1);
    }

    // A long fit under way: the drill answers meanwhile, and closing the
    // window stops the fit at once instead of waiting for it.
    void aLongFitNeitherHoldsNorKeepsTheWindow()
    {
        MemoryFixture drill(40'000);
        QTest::mouseClick(drill.fitButton(), Qt::LeftButton);
        for (int question = 0; question < 3; ++question) {
            QTest::qWait(50);
            drill.answer(true);
        }
        QVERIFY(drill.text("score").startsWith("正解 3 / 3 問"));
        QVERIFY2(!drill.fitButton()->isEnabled(), "the fit outlasts the answers");
        QElapsedTimer closing;
        closing.start();
        drill.window.reset();
        QVERIFY2(closing.elapsed() < 1000, qPrintable(QStringLiteral("%1 ms to close").arg(closing.elapsed())));
        QCOMPARE(drill.storedFits(), 0);
    }

    // A square's colour is the recall a day from now: a card just missed is
    // far from the green of a card answered right, and is framed as on its
    // learning steps; one missed again and again is red.
    void theMapShowsTomorrowsRecall()
    {
        MemoryFixture drill(0);
        auto* map = drill.child<MasteryMap>("masteryMap");
        const CardDeck& deck = CardDeck::instance();
        const QStringList cells = drill.child("pattern")->accessibleName().split(u'-');
        const MasteryMap::Square missed{MasteryMap::Section::Patterns,
                                        deck.cardOf({cells[0].toInt(), cells[1].toInt(), cells[2].toInt()})};
        drill.answer(false);
        const QStringList next = drill.child("pattern")->accessibleName().split(u'-');
        const MasteryMap::Square known{MasteryMap::Section::Patterns,
                                       deck.cardOf({next[0].toInt(), next[1].toInt(), next[2].toInt()})};
        QVERIFY(known != missed);
        drill.answer(true);

        const QColor justMissed = map->colourOf(missed);
        const QColor remembered = map->colourOf(known);
        QVERIFY2(remembered.green() > remembered.red() + 50, qPrintable(remembered.name()));
        QVERIFY2(justMissed.red() > justMissed.green() + 80, qPrintable(justMissed.name()));
        QVERIFY(map->isOnLearningSteps(missed));
        QVERIFY(!map->isOnLearningSteps(known));
        QVERIFY(map->toolTipOf(missed).contains("1日後に思い出せる見込み"));
        QVERIFY(map->toolTipOf(missed).contains("太い枠"));
        QVERIFY(!map->toolTipOf(known).contains("太い枠"));
        QCOMPARE(card_square::colourOfRecall(0.42), card_square::colourOfRecall(0.0));
        QCOMPARE(card_square::colourOfRecall(1.0), card_square::colourOfRecall(0.95));
        QVERIFY(drill.child("mapLegend")->accessibleDescription().contains("1日後に思い出せる見込み"));
    }
};

QTEST_MAIN(TestDrillMemory)
#include "tst_drill_memory.moc"
