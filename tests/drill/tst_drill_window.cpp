#include "core/drill/cards/card_deck.h"
#include "core/drill/cards/pair_deck.h"
#include "core/evaluation/judgement.h"
#include "core/pairs/pair_words.h"
#include "core/reels/symbols_in_words.h"
#include "tests/design_strips.h"
#include "tests/heard.h"
#include "ui/look.h"
#include "windows/drill/answer_button.h"
#include "windows/drill/drill_window.h"
#include "windows/drill/learning_curve.h"
#include "windows/drill/mastery_map.h"
#include "windows/drill/pattern_view.h"
#include "windows/drill/verdict_text.h"
#include "windows/pieces/visible_cells.h"

#include <QAccessible>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QFile>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QRegularExpression>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTest>

#include <memory>
#include <optional>

namespace {

constexpr const char* kAnswers[] = {"answer_big",  "answer_reg",   "answer_br",          "answer_reachNoStop",
                                    "answer_noStop", "answer_small", "answer_missOrBonus", "answer_miss"};
constexpr const char* kPairAnswers[] = {"pair_big", "pair_reg", "pair_bonus", "pair_open", "pair_nostop"};

// Two stopped reels in their order, as the picture's accessible name reads them.
struct ShownPair {
    StopOrder order = StopOrder::LeftCenter;
    StoppedPair pair;
};

// The first pattern whose code is `code`.
Pattern patternOf(char code)
{
    for (const Card& card : CardDeck::instance().cards())
        if (card.code == code)
            return card.patterns.front();
    return {};
}

constexpr qint64 kStart = 1'800'000'000'000;

// Clocks the test moves by hand.
struct FakeClock {
    std::shared_ptr<qint64> utc = std::make_shared<qint64>(kStart);
    std::shared_ptr<qint64> steady = std::make_shared<qint64>(0);

    DrillClock clock() const
    {
        return {[utc = utc] { return *utc; }, [steady = steady] { return *steady; }};
    }
    void pass(qint64 ms) const
    {
        *utc += ms;
        *steady += ms;
    }
};

// A drill window on a progress file in a folder of its own, on a fake clock.
struct DrillFixture {
    QTemporaryDir data;
    QString path = data.filePath("kareto/kareto.sqlite");
    FakeClock time;
    std::unique_ptr<DrillWindow> window;

    explicit DrillFixture(std::uint64_t seed = 1) { open(seed); }

    void open(std::uint64_t seed = 1)
    {
        window = std::make_unique<DrillWindow>(designStrips(), DrillHistory(path, data.filePath("kareto/drill.json")),
                                               seed, time.clock());
        window->open();
    }
    AnswerButton* answerButton(int group) const { return child<AnswerButton>(kAnswers[group]); }

    template <typename T = QWidget>
    T* child(const char* name) const
    {
        return window->findChild<T*>(QLatin1String(name));
    }
    QPushButton* button(const char* name) const { return child<QPushButton>(name); }
    QString text(const char* label) const { return child<QLabel>(label)->text(); }

    // The pattern shown, read from the picture's accessible name.
    Pattern shown() const
    {
        static const QRegularExpression readOut(QStringLiteral("^(\\d+)-(\\d+)-(\\d+)$"));
        const QRegularExpressionMatch match = readOut.match(child("pattern")->accessibleName());
        if (!match.hasMatch())
            return {0, 0, 0};
        return {match.captured(1).toInt(), match.captured(2).toInt(), match.captured(3).toInt()};
    }
    // The pair shown in the 2確目 mode: L-C-? or L-?-R.
    std::optional<ShownPair> shownPair() const
    {
        static const QRegularExpression readOut(QStringLiteral("^(\\d+)-(\\d+|\\?)-(\\d+|\\?)$"));
        const QRegularExpressionMatch match = readOut.match(child("pattern")->accessibleName());
        if (!match.hasMatch() || (match.captured(2) == "?") == (match.captured(3) == "?"))
            return std::nullopt;
        const bool leftCenter = match.captured(3) == "?";
        return ShownPair{leftCenter ? StopOrder::LeftCenter : StopOrder::LeftRight,
                         {match.captured(1).toInt(), match.captured(leftCenter ? 2 : 3).toInt()}};
    }
    int rightVerdict() const
    {
        const ShownPair shown = *shownPair();
        return verdictIndexOf(readPair(shown.order, shown.pair).verdict);
    }
    void choosePairs() const { child<QComboBox>("mode")->setCurrentIndex(1); }
    bool askingPair() const
    {
        for (const char* name : kPairAnswers)
            if (!button(name)->isEnabled() || !button(name)->isVisible())
                return false;
        return !button("next")->isEnabled() && shownPair().has_value();
    }
    int rightGroup() const { return groupIndexOf(outcomeCodeOf(shown())); }
    int wrongGroup() const { return (rightGroup() + 1) % 8; }

    bool asking() const
    {
        for (const char* name : kAnswers)
            if (!button(name)->isEnabled())
                return false;
        return !button("next")->isEnabled();
    }
    bool answered() const
    {
        for (const char* name : kAnswers)
            if (button(name)->isEnabled())
                return false;
        return button("next")->isEnabled() && button("next")->hasFocus();
    }
};

}  // namespace

// The drill window driven by clicks and keys, with its progress file.
class TestDrillWindow : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { ui::useClassicLook(); }

    void looksAsItIsNamed()
    {
        DrillFixture drill;
        QCOMPARE(drill.window->objectName(), QStringLiteral("Drill"));
        QCOMPARE(drill.window->windowTitle(), QStringLiteral("リーチ目ドリル"));
        QVERIFY(!drill.window->windowIcon().isNull());
        for (int group = 0; group < 8; ++group) {
            QPushButton* answer = drill.button(kAnswers[group]);
            QVERIFY2(answer, kAnswers[group]);
            QCOMPARE(answer->text().toStdU16String(), kOutcomeGroups[std::size_t(group)].caption);
            QCOMPARE(answer->palette().color(QPalette::Button).rgb() & 0xFFFFFF, kOutcomeGroups[std::size_t(group)].colour);
            QVERIFY(!answer->accessibleName().isEmpty());
        }
        auto* filter = drill.child<QComboBox>("leftFilter");
        QCOMPARE(filter->count(), 22);
        QCOMPARE(filter->itemText(0), QStringLiteral("全部"));
        QCOMPARE(filter->itemText(21), QStringLiteral("21"));
        for (const char* name : {"next", "reset", "retention", "newCardCap", "masteryMap"})
            QVERIFY2(drill.child(name) && !drill.child(name)->accessibleName().isEmpty(), name);
        // Changing texts are read as they are, under no fixed name.
        for (const char* name : {"verdict", "score", "status", "learned", "today"}) {
            QVERIFY2(drill.child(name) && drill.child(name)->accessibleName().isEmpty(), name);
            QCOMPARE(QAccessible::queryAccessibleInterface(drill.child(name))->text(QAccessible::Name),
                     drill.text(name));
        }
        QVERIFY(drill.asking());
        QCOMPARE(drill.text("verdict"), QStringLiteral("この出目の意味は？"));
        QCOMPARE(drill.text("learned"), QStringLiteral("覚えた 0 / %1").arg(CardDeck::instance().size()));
        QCOMPARE(drill.window->font().family(), QStringLiteral("ＭＳ Ｐゴシック"));
    }

    // The picture shows each reel's three rows at the read-out's positions.
    void pictureShowsThePattern()
    {
        DrillFixture drill(9);
        const Pattern pattern = drill.shown();
        QVERIFY(isOnTheReels(pattern));
        const QImage picture = drill.child("pattern")->grab().toImage().convertToFormat(QImage::Format_RGB32);
        const std::array<QImage, 3> strips = designStrips();
        const int positions[] = {pattern.left, pattern.center, pattern.right};
        // Strips at 1560, 3240 and 4920 twips; the picture starts at 0, the
        // upper row at 1270 twips, 600 below the picture's top.
        for (int reel = 0; reel < 3; ++reel) {
            const QImage cells = visibleCells(strips[std::size_t(reel)], positions[reel]);
            const QImage shown = picture.copy((1560 + 1680 * reel) / 15, qRound(670 / 15.0), cells.width(), cells.height());
            for (int y = 0; y < 180; ++y)
                for (int x = 4; x < 94; ++x)
                    if (cells.pixel(x, y) != shown.pixel(x, y))
                        QFAIL(qPrintable(QStringLiteral("reel %1 differs at (%2, %3)").arg(reel).arg(x).arg(y)));
        }
    }

    void verdictReadsLineByLine_data()
    {
        QTest::addColumn<char>("code");
        QTest::addColumn<bool>("right");
        QTest::addColumn<QStringList>("after");  // the lines after the read-out
        QTest::newRow("BIG reach-me, right, with the cheer")
            << 'C' << true << QStringList{"リーチ目。", "ＢＩＧです。", "た～まや～！!"};
        QTest::newRow("miss with its spaces, wrong")
            << 'I' << false << QStringList{"はずれ。  ", "しかし１枚がけの", "七のオート目です。"};
        QTest::newRow("BIG text without the cheer") << 'e' << true << QStringList{"リーチ目            ＢＩＧです"};
    }

    void verdictReadsLineByLine()
    {
        QFETCH(char, code);
        QFETCH(bool, right);
        QFETCH(QStringList, after);
        const Pattern pattern = patternOf(code);
        const int group = groupIndexOf(code);
        const QString readOut = QString::fromStdString(readOutOf(pattern));
        const QString caption = QString::fromStdU16String(std::u16string(kOutcomeGroups[std::size_t(group)].caption));
        const QStringList lines = QStringList{(right ? "正解：" : "不正解：") + caption, readOut} + after +
                                  QStringList{"1.2 秒"};
        QCOMPARE(verdictText({right, group, Grade::Good, 0, {}}, pattern, 1249), lines.join('\n'));
    }

    void answeredByClickOrKey_data()
    {
        QTest::addColumn<bool>("byKey");
        QTest::addColumn<bool>("right");
        QTest::newRow("click, right") << false << true;
        QTest::newRow("click, wrong") << false << false;
        QTest::newRow("key, right") << true << true;
        QTest::newRow("key, wrong") << true << false;
    }

    void answeredByClickOrKey()
    {
        QFETCH(bool, byKey);
        QFETCH(bool, right);
        DrillFixture drill(4);
        QVERIFY(QTest::qWaitForWindowActive(drill.window.get()));
        const Pattern pattern = drill.shown();
        const int group = right ? drill.rightGroup() : drill.wrongGroup();
        drill.time.pass(2345);
        if (byKey)
            QTest::keyClick(QApplication::focusWidget(), Qt::Key(Qt::Key_1 + group));
        else
            QTest::mouseClick(drill.button(kAnswers[group]), Qt::LeftButton);

        QVERIFY(drill.answered());
        const char code = outcomeCodeOf(pattern);
        QCOMPARE(drill.text("verdict"), verdictText({right, groupIndexOf(code), Grade::Good, 0, {}}, pattern, 2345));
        QVERIFY(drill.text("verdict").endsWith("\n2.3 秒"));
        QVERIFY(drill.text("verdict").startsWith(right ? "正解：" : "不正解："));
        QVERIFY(drill.text("score").startsWith(right ? "正解 1 / 1 問" : "正解 0 / 1 問"));
        QVERIFY(drill.text("score").contains(right ? "連続正解 1" : "連続正解 0"));
        QVERIFY(drill.child("groupBars")->accessibleDescription().contains(right ? "100%  1/1" : "0%  0/1"));
        QVERIFY(drill.shown() == pattern);  // the read-out stays for reading
        // A screen reader is given the verdict, the right meaning and the time where the keyboard goes.
        QVERIFY2(heardIn(drill.window.get()).contains(drill.text("verdict")), qPrintable(heardIn(drill.window.get())));
    }

    // Every key 1 to 8 answers with its own group.
    void eachKeyAnswersItsGroup()
    {
        DrillFixture drill(6);
        QVERIFY(QTest::qWaitForWindowActive(drill.window.get()));
        for (int group = 0; group < 8; ++group) {
            const int right = drill.rightGroup();
            QTest::keyClick(QApplication::focusWidget(), Qt::Key(Qt::Key_1 + group));
            QVERIFY(drill.answered());
            QVERIFY(drill.text("verdict").startsWith(group == right ? "正解：" : "不正解："));
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
            QVERIFY(drill.asking());
        }
        QVERIFY(drill.text("score").contains("/ 8 問"));
    }

    void enterOrSpaceGoesOn_data()
    {
        QTest::addColumn<int>("key");
        QTest::newRow("Enter") << int(Qt::Key_Return);
        QTest::newRow("Space") << int(Qt::Key_Space);
    }

    void enterOrSpaceGoesOn()
    {
        QFETCH(int, key);
        DrillFixture drill(8);
        QVERIFY(QTest::qWaitForWindowActive(drill.window.get()));
        QTest::mouseClick(drill.button(kAnswers[drill.rightGroup()]), Qt::LeftButton);
        QVERIFY(drill.answered());
        QTest::keyClick(QApplication::focusWidget(), Qt::Key(key));
        QVERIFY(drill.asking());
        QCOMPARE(drill.text("verdict"), QStringLiteral("この出目の意味は？"));
        // A stray second press answers nothing.
        QTest::keyClick(QApplication::focusWidget(), Qt::Key(key));
        QVERIFY(drill.asking());
        QVERIFY(drill.text("score").startsWith("正解 1 / 1 問"));
    }

    // Digits choose a filter entry while it has the focus, and answer nothing
    // once the question is answered.
    void keysThatDoNotAnswer()
    {
        DrillFixture drill(10);
        QVERIFY(QTest::qWaitForWindowActive(drill.window.get()));
        auto* filter = drill.child<QComboBox>("leftFilter");
        filter->setFocus();
        QTest::keyClick(filter, Qt::Key_7);
        QCOMPARE(filter->currentText(), QStringLiteral("7"));
        QVERIFY(drill.asking());
        QCOMPARE(drill.shown().left, 7);

        QTest::mouseClick(drill.button(kAnswers[drill.wrongGroup()]), Qt::LeftButton);
        const QString verdict = drill.text("verdict");
        for (int key = Qt::Key_1; key <= Qt::Key_8; ++key)
            QTest::keyClick(QApplication::focusWidget(), Qt::Key(key));
        QCOMPARE(drill.text("verdict"), verdict);
        QVERIFY(drill.text("score").startsWith("正解 0 / 1 問"));
    }

    void filterNarrowsToOneLeftPosition()
    {
        DrillFixture drill(12);
        auto* filter = drill.child<QComboBox>("leftFilter");
        filter->setCurrentIndex(15);
        for (int question = 0; question < 30; ++question) {
            QCOMPARE(drill.shown().left, 15);
            QTest::mouseClick(drill.button(kAnswers[drill.wrongGroup()]), Qt::LeftButton);
            drill.time.pass(20'000);
            QTest::mouseClick(drill.button("next"), Qt::LeftButton);
        }
        filter->setCurrentIndex(0);
        bool otherLeft = false;
        for (int question = 0; question < 30 && !otherLeft; ++question) {
            otherLeft = drill.shown().left != 15;
            QTest::mouseClick(drill.button(kAnswers[drill.rightGroup()]), Qt::LeftButton);
            QTest::mouseClick(drill.button("next"), Qt::LeftButton);
        }
        QVERIFY(otherLeft);
    }

    void progressSurvivesARestart()
    {
        DrillFixture drill(14);
        QVERIFY(!QFile::exists(drill.path));  // opening writes nothing
        QTest::mouseClick(drill.button(kAnswers[drill.rightGroup()]), Qt::LeftButton);
        QTest::mouseClick(drill.button("next"), Qt::LeftButton);
        const Pattern missed = drill.shown();
        QTest::mouseClick(drill.button(kAnswers[drill.wrongGroup()]), Qt::LeftButton);
        QVERIFY(QFile::exists(drill.path));
        const QString score = drill.text("score");
        const QString bars = drill.child("groupBars")->accessibleDescription();

        drill.child<QSpinBox>("newCardCap")->setValue(3);
        drill.child<QDoubleSpinBox>("retention")->setValue(0.95);

        drill.time.pass(60'000);
        drill.open(15);
        QCOMPARE(drill.text("score"), score);
        QVERIFY(drill.text("today").contains("新規 2"));
        QCOMPARE(drill.child<QSpinBox>("newCardCap")->value(), 3);
        QCOMPARE(drill.child<QDoubleSpinBox>("retention")->value(), 0.95);
        QCOMPARE(drill.child("groupBars")->accessibleDescription(), bars);
        QVERIFY(!drill.child("recordNote")->isVisible());
        // The missed card is due a minute later and comes first.
        QCOMPARE(CardDeck::instance().cardOf(drill.shown()), CardDeck::instance().cardOf(missed));
    }

    void brokenFileIsSetAsideAndSaid()
    {
        DrillFixture drill;
        drill.window.reset();
        QVERIFY(QDir().mkpath(QFileInfo(drill.path).path()));
        QFile broken(drill.path);
        QVERIFY(broken.open(QIODevice::WriteOnly));
        broken.write("not a database at all, but long enough to be read as one");
        broken.close();

        drill.open();
        QVERIFY(!QFile::exists(drill.path));
        QVERIFY(QFile::exists(drill.path + ".bad"));
        QVERIFY(drill.text("score").startsWith("正解 0 / 0 問"));
        QTest::mouseClick(drill.button(kAnswers[0]), Qt::LeftButton);
        QVERIFY(QFile::exists(drill.path));
    }

    void unwritableFolderIsSaidOnce()
    {
        QTemporaryDir data;
        QFile blocker(data.filePath("kareto"));  // a file where the folder would go
        QVERIFY(blocker.open(QIODevice::WriteOnly));
        blocker.close();
        DrillWindow window(designStrips(),
                           DrillHistory(data.filePath("kareto/kareto.sqlite"), data.filePath("kareto/drill.json")), 3);
        auto* note = window.findChild<QLabel*>("recordNote");
        auto* next = window.findChild<QPushButton*>("next");
        window.open();
        QVERIFY(!note->isVisible());
        QTest::mouseClick(window.findChild<QPushButton*>(kAnswers[0]), Qt::LeftButton);
        QVERIFY(note->isVisible());
        QVERIFY(note->text().contains("保存できません"));
        note->clear();
        QTest::mouseClick(next, Qt::LeftButton);
        QTest::mouseClick(window.findChild<QPushButton*>(kAnswers[1]), Qt::LeftButton);
        QVERIFY(note->text().isEmpty());  // said once
        QVERIFY(next->isEnabled());       // and the drill goes on
    }

    void opensOnTheFirstAnswerAndEnterPressesTheFocusedOne()
    {
        DrillFixture drill(5);
        QVERIFY(QTest::qWaitForWindowActive(drill.window.get()));
        QCOMPARE(QApplication::focusWidget(), drill.button(kAnswers[0]));
        const int right = drill.rightGroup();
        drill.button(kAnswers[right])->setFocus();
        QTest::keyClick(drill.button(kAnswers[right]), Qt::Key_Return);
        QVERIFY(drill.answered());
        QVERIFY(drill.text("verdict").startsWith("正解："));
        QVERIFY2(heardIn(drill.window.get()).contains(drill.text("verdict")), qPrintable(heardIn(drill.window.get())));
    }

    // After an answer the right button and the chosen one are marked, in
    // what they show and what they say; the next question clears the marks.
    void marksTheChosenAndTheRightAnswer()
    {
        using Mark = AnswerButton::Mark;
        DrillFixture drill(7);
        const int right = drill.rightGroup();
        const int wrong = drill.wrongGroup();
        const QImage unmarked = drill.answerButton(right)->grab().toImage();
        QTest::mouseClick(drill.button(kAnswers[wrong]), Qt::LeftButton);
        for (int group = 0; group < 8; ++group)
            QCOMPARE(drill.answerButton(group)->mark(),
                     group == right ? Mark::Right : group == wrong ? Mark::Chosen : Mark::None);
        QVERIFY(drill.answerButton(right)->accessibleDescription().contains("正解"));
        QVERIFY(drill.answerButton(wrong)->accessibleDescription().contains("あなたの答え"));
        QVERIFY(drill.answerButton(right)->grab().toImage() != unmarked);

        QTest::mouseClick(drill.button("next"), Qt::LeftButton);
        for (int group = 0; group < 8; ++group)
            QCOMPARE(drill.answerButton(group)->mark(), Mark::None);
        const int nextRight = drill.rightGroup();
        QTest::mouseClick(drill.button(kAnswers[nextRight]), Qt::LeftButton);
        QCOMPARE(drill.answerButton(nextRight)->mark(), Mark::ChosenRight);
    }

    // A focused button differs from an unfocused one by a frame several
    // pixels thick all round, on every face colour.
    void focusIsClearlyVisibleOnEveryButton()
    {
        DrillFixture drill(9);
        QVERIFY(QTest::qWaitForWindowActive(drill.window.get()));
        // The lambdas capture no fixture: a closure in a member of the test class
        // may not hold a file-local type (-Wsubobject-linkage).
        const auto changedPixels = [window = drill.window.get()](QPushButton* button) {
            window->setFocus();
            const QImage plain = button->grab().toImage();
            button->setFocus();
            const QImage focused = button->grab().toImage();
            int changed = 0;
            for (int y = 0; y < plain.height(); ++y)
                for (int x = 0; x < plain.width(); ++x)
                    changed += plain.pixel(x, y) != focused.pixel(x, y);
            return changed;
        };
        const auto check = [&](QPushButton* button) {
            const int perimeter = 2 * (button->width() + button->height());
            const int changed = changedPixels(button);
            QVERIFY2(changed >= 2 * perimeter, qPrintable(QStringLiteral("%1: %2 pixels of a %3 perimeter")
                                                              .arg(button->objectName()).arg(changed).arg(perimeter)));
        };
        for (const char* name : kAnswers)
            check(drill.button(name));
        check(drill.button("reset"));
        QTest::mouseClick(drill.button(kAnswers[0]), Qt::LeftButton);
        check(drill.button("next"));
    }

    // Nothing moves when the first answer comes, nor after it.
    void layoutStaysStillFromTheFirstAnswerOn()
    {
        DrillFixture drill(11);
        QVERIFY(QTest::qWaitForWindowExposed(drill.window.get()));
        const auto layout = [](const DrillFixture& drill) {
            QList<QRect> places{QRect(QPoint(), drill.window->size())};
            for (const char* name : {"groupBars", "score", "verdict", "next", "reset", "masteryMap", "status", "today",
                                     "learned", "leftFilter", "retention"})
                places << drill.child(name)->geometry();
            for (const char* name : kAnswers)
                places << drill.button(name)->geometry();
            return places;
        };
        QCoreApplication::processEvents();
        const QList<QRect> before = layout(drill);
        for (int question = 0; question < 12; ++question) {
            QTest::mouseClick(drill.button(kAnswers[question % 3 ? drill.rightGroup() : drill.wrongGroup()]),
                              Qt::LeftButton);
            QCoreApplication::processEvents();
            QCOMPARE(layout(drill), before);
            QTest::mouseClick(drill.button("next"), Qt::LeftButton);
            QCoreApplication::processEvents();
            QCOMPARE(layout(drill), before);
        }
        // Nor when the mode changes, answered or not.
        for (int mode : {1, 0, 1}) {
            drill.child<QComboBox>("mode")->setCurrentIndex(mode);
            QCoreApplication::processEvents();
            QCOMPARE(layout(drill), before);
            QTest::keyClick(drill.window.get(), Qt::Key_2);
            QCoreApplication::processEvents();
            QCOMPARE(layout(drill), before);
        }
    }

    // The time runs from the first painted frame of the pattern, not from
    // when it was chosen.
    void answerTimeRunsFromTheFirstPaintedFrame()
    {
        DrillFixture drill(13);
        QVERIFY(QTest::qWaitForWindowExposed(drill.window.get()));
        QTest::mouseClick(drill.button(kAnswers[0]), Qt::LeftButton);
        drill.window->findChild<QPushButton*>("next")->click();
        drill.time.pass(5000);  // chosen, not yet painted
        drill.child("pattern")->repaint();
        drill.time.pass(1500);
        QTest::mouseClick(drill.button(kAnswers[drill.rightGroup()]), Qt::LeftButton);
        QVERIFY2(drill.text("verdict").endsWith("\n1.5 秒"), qPrintable(drill.text("verdict")));
    }

    // With the day's cap of new cards reached and nothing due the drill says
    // so and goes on with the cards learned, counting every answer.
    void caughtUpSaysSoAndGoesOn()
    {
        DrillFixture drill(17);
        drill.child<QSpinBox>("newCardCap")->setValue(1);
        QVERIFY(drill.text("status").isEmpty());
        QVERIFY(!QFile::exists(drill.path));  // a setting alone writes nothing
        for (int question = 1; question <= 3; ++question) {
            QTest::mouseClick(drill.button(kAnswers[drill.rightGroup()]), Qt::LeftButton);
            QTest::mouseClick(drill.button("next"), Qt::LeftButton);
            QVERIFY(drill.text("status").startsWith("今日の分は終わりました"));
            QVERIFY(drill.asking());
            QVERIFY(drill.text("score").startsWith(QStringLiteral("正解 %1 / %1 問").arg(question)));
        }
        QCOMPARE(drill.text("today"), QStringLiteral("今日　復習 2　新規 1　残り 0"));
    }

    // A square per card on each left position, grey until the card is
    // asked; its tool tip names the card, its meaning and when it is due.
    void masteryMapShowsEveryCard()
    {
        using Square = MasteryMap::Square;
        using Section = MasteryMap::Section;
        DrillFixture drill(19);
        auto* map = drill.child<MasteryMap>("masteryMap");
        const CardDeck& deck = CardDeck::instance();
        const Square card{Section::Patterns, deck.cardOf(drill.shown())};
        const QColor grey = map->colourOf(card);
        // The pair cards are a section of their own, shown in the 2確目 mode.
        auto* mode = drill.child<QComboBox>("mode");
        for (const Section section : {Section::Pairs, Section::Patterns}) {
            mode->setCurrentIndex(section == Section::Pairs ? 1 : 0);
            QCOMPARE(map->section(), section);
            for (int left = 1; left <= 21; ++left) {
                const std::span<const int> cards =
                    section == Section::Pairs ? PairDeck::instance().cardsOfLeft(left) : deck.cardsOfLeft(left);
                for (int each : cards) {
                    const QRect square = map->squareOf(left, {section, each});
                    QVERIFY(map->rect().contains(square));
                    QCOMPARE(map->cardAt(square.center()), (Square{section, each}));
                    QCOMPARE(map->colourOf({section, each}), grey);
                }
            }
            QVERIFY(map->squareOf(7, {section == Section::Pairs ? Section::Patterns : Section::Pairs, 0}).isNull());
        }
        QVERIFY(map->toolTipOf(card).contains("まだ出ていません"));
        const int pairCard = PairDeck::instance().cardOf(StopOrder::LeftCenter, {9, 13});
        QCOMPARE(map->toolTipOf({Section::Pairs, pairCard}).section(u'\n', 0, 1),
                 QStringLiteral("左 9 の 2確目・順押し（左→中→右）：ＢＩＧ確定\n%1 組、例えば 9-13-?")
                     .arg(PairDeck::instance().card(pairCard).pairs.size()));

        QTest::mouseClick(drill.button(kAnswers[drill.rightGroup()]), Qt::LeftButton);
        QVERIFY(map->colourOf(card) != grey);
        const QString tip = map->toolTipOf(card);
        QVERIFY(tip.contains(QString::fromStdU16String(std::u16string(kOutcomeGroups[std::size_t(deck.card(card.card).group)].caption))));
        QVERIFY(tip.contains(QChar(deck.card(card.card).code)));
        QVERIFY(tip.contains("次は"));
        const QImage before = map->grab().toImage();
        drill.time.pass(30 * kMsPerDay);
        QTest::mouseClick(drill.button("next"), Qt::LeftButton);
        QVERIFY(map->grab().toImage() != before);  // recall fades with time
    }

    // The second mode: the left and the second reel stopped, the third
    // blank, answered by five verdicts, by click or by the keys 1 to 5.
    void pairModeAsksWhatTwoReelsTell_data()
    {
        QTest::addColumn<bool>("byKey");
        QTest::addColumn<bool>("right");
        QTest::newRow("click, right") << false << true;
        QTest::newRow("click, wrong") << false << false;
        QTest::newRow("key, right") << true << true;
        QTest::newRow("key, wrong") << true << false;
    }

    void pairModeAsksWhatTwoReelsTell()
    {
        using Mark = AnswerButton::Mark;
        QFETCH(bool, byKey);
        QFETCH(bool, right);
        DrillFixture drill(23);
        QVERIFY(QTest::qWaitForWindowActive(drill.window.get()));
        drill.choosePairs();
        QVERIFY(drill.askingPair());
        QCOMPARE(drill.text("verdict"), QStringLiteral("この２リールで分かることは？"));
        for (const char* name : kAnswers)
            QVERIFY2(!drill.button(name)->isVisible(), name);
        const ShownPair shown = *drill.shownPair();
        QCOMPARE(drill.child("pattern")->accessibleName(), QString::fromStdString(readOutOf(shown.order, shown.pair)));
        const PairReading reading = readPair(shown.order, shown.pair);
        const int verdict = drill.rightVerdict();
        const int chosen = right ? verdict : (verdict + 1) % 5;

        drill.child("pattern")->repaint();  // the pair's first frame starts its time
        drill.time.pass(1800);
        drill.window->setFocus();  // the keys answer wherever the focus is but the settings
        if (byKey)
            QTest::keyClick(QApplication::focusWidget(), Qt::Key(Qt::Key_1 + chosen));
        else
            QTest::mouseClick(drill.button(kPairAnswers[chosen]), Qt::LeftButton);

        const QStringList lines = drill.text("verdict").split('\n');
        QCOMPARE(lines.size(), 4);
        QCOMPARE(lines[0], (right ? QStringLiteral("正解：") : QStringLiteral("不正解："))
                               + QString::fromStdU16String(std::u16string(verdictWords(reading.verdict))));
        QVERIFY2(lines[1].startsWith(QString::fromStdString(readOutOf(shown.order, shown.pair))), qPrintable(lines[1]));
        if (reading.verdict == PairVerdict::Open)
            QVERIFY2(lines[2].endsWith(QString::fromStdU16String(whatTheThirdCanBring(reading))), qPrintable(lines[2]));
        QCOMPARE(lines[3], QStringLiteral("1.8 秒"));
        QVERIFY(drill.button("next")->isEnabled() && drill.button("next")->hasFocus());
        QVERIFY2(heardIn(drill.window.get()).contains(drill.text("verdict")), qPrintable(heardIn(drill.window.get())));
        for (int each = 0; each < 5; ++each) {
            auto* button = drill.child<AnswerButton>(kPairAnswers[each]);
            QVERIFY(!button->isEnabled());
            QCOMPARE(button->mark(), each == verdict  ? (right ? Mark::ChosenRight : Mark::Right)
                                     : each == chosen ? Mark::Chosen
                                                      : Mark::None);
        }
        QVERIFY(drill.text("score").startsWith(right ? "正解 1 / 1 問" : "正解 0 / 1 問"));
        QVERIFY(drill.child("verdictBars")->accessibleDescription().contains(
            QString::fromStdU16String(std::u16string(verdictWords(reading.verdict))) + (right ? " 100%  1/1" : " 0%  0/1")));
        QCOMPARE(drill.text("learned"), QStringLiteral("覚えた 0 / %1").arg(PairDeck::instance().size()));
        QVERIFY(drill.text("today").contains("新規 1"));

        // Keys past 5 answer nothing; Enter goes on to the next pair.
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QVERIFY(drill.askingPair());
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_8);
        QVERIFY(drill.askingPair());
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_5);
        QVERIFY(!drill.askingPair());
        QVERIFY(drill.text("score").contains("/ 2 問"));

        // Back in the first mode, its own question and score are waiting.
        drill.child<QComboBox>("mode")->setCurrentIndex(0);
        QVERIFY(drill.asking());
        QVERIFY(isOnTheReels(drill.shown()));
        QVERIFY(drill.text("score").startsWith("正解 0 / 0 問"));
    }

    // The picture of a pair: the first two reels as they stand, the third
    // blank, whatever its strip shows.
    void pairPictureLeavesTheThirdReelBlank()
    {
        DrillFixture drill(25);
        drill.choosePairs();
        const ShownPair shown = *drill.shownPair();
        const QImage picture = drill.child("pattern")->grab().toImage().convertToFormat(QImage::Format_RGB32);
        const std::array<QImage, 3> strips = designStrips();
        const Pattern standing = completionOf(shown.order, shown.pair, 1);
        const int positions[] = {standing.left, standing.center, standing.right};
        const int third = thirdReelOf(shown.order);
        for (int reel = 0; reel < 3; ++reel) {
            const QImage cells = visibleCells(strips[std::size_t(reel)], reel == third ? 1 : positions[reel]);
            const QImage drawn = picture.copy((1560 + 1680 * reel) / 15, qRound(670 / 15.0), cells.width(), cells.height());
            int differing = 0;
            for (int y = 0; y < 180; ++y)
                for (int x = 4; x < 94; ++x)
                    differing += cells.pixel(x, y) != drawn.pixel(x, y);
            if (reel == third)
                QVERIFY2(differing > 180 * 90 / 2, "the third reel is blank");
            else
                QVERIFY2(differing == 0, qPrintable(QStringLiteral("reel %1 differs").arg(reel)));
        }
        QVERIFY(drill.child("pattern")->accessibleDescription().contains(
            QString::fromStdU16String(std::u16string(reel::nameOf(reel::Reel(third)))) + "はまだ止まっていません"));
    }

    // The pair cards' memory and score are kept with the others and come
    // back when the drill opens again; the missed card returns first.
    void pairProgressSurvivesARestart()
    {
        DrillFixture drill(27);
        drill.choosePairs();
        QTest::mouseClick(drill.button(kPairAnswers[drill.rightVerdict()]), Qt::LeftButton);
        QTest::mouseClick(drill.button("next"), Qt::LeftButton);
        const ShownPair missed = *drill.shownPair();
        QTest::mouseClick(drill.button(kPairAnswers[(drill.rightVerdict() + 2) % 5]), Qt::LeftButton);
        const QString score = drill.text("score");
        const QString bars = drill.child("verdictBars")->accessibleDescription();
        QVERIFY(QFile::exists(drill.path));

        drill.time.pass(60'000);
        drill.open(28);
        QVERIFY(drill.text("score").startsWith("正解 0 / 0 問"));  // the first mode's own
        drill.choosePairs();
        QCOMPARE(drill.text("score"), score);
        QCOMPARE(drill.child("verdictBars")->accessibleDescription(), bars);
        QVERIFY(drill.text("today").contains("新規 2"));
        const PairDeck& deck = PairDeck::instance();
        const ShownPair first = *drill.shownPair();
        QCOMPARE(deck.cardOf(first.order, first.pair), deck.cardOf(missed.order, missed.pair));
        QVERIFY(drill.child<MasteryMap>("masteryMap")->colourOf({MasteryMap::Section::Pairs, deck.cardOf(missed.order, missed.pair)})
                != drill.child<MasteryMap>("masteryMap")->colourOf({MasteryMap::Section::Pairs, deck.size() - 1}));
    }

    // Today's answers make the curve's last day, and come back from the
    // history when the drill opens again.
    void learningCurveShowsEachDay()
    {
        DrillFixture drill(21);
        auto* curve = drill.child<LearningCurve>("learningCurve");
        QCOMPARE(curve->days().size(), std::size_t{30});
        QCOMPARE(curve->days().back().answered, 0);
        for (int question = 0; question < 3; ++question) {
            drill.time.pass(question == 0 ? 1000 : 3000);
            QTest::mouseClick(drill.button(kAnswers[question < 2 ? drill.rightGroup() : drill.wrongGroup()]),
                              Qt::LeftButton);
            QTest::mouseClick(drill.button("next"), Qt::LeftButton);
        }
        const DayResult today = curve->days().back();
        QCOMPARE(today.answered, 3);
        QCOMPARE(today.right, 2);
        QVERIFY(curve->accessibleDescription().contains("正解率 66%"));

        drill.time.pass(kMsPerDay);
        drill.open(22);
        curve = drill.child<LearningCurve>("learningCurve");
        QCOMPARE(curve->days()[28], today);
        QCOMPARE(curve->days().back().answered, 0);
    }

    void resetAsksFirst()
    {
        DrillFixture drill(16);
        QTest::mouseClick(drill.button(kAnswers[drill.rightGroup()]), Qt::LeftButton);
        QVERIFY(QFile::exists(drill.path));

        for (QMessageBox::StandardButton choice : {QMessageBox::No, QMessageBox::Yes}) {
            QTest::mouseClick(drill.button("reset"), Qt::LeftButton);
            QMessageBox* confirmation = nullptr;
            QTRY_VERIFY((confirmation = drill.child<QMessageBox>("resetConfirmation")) && confirmation->isVisible());
            QVERIFY(confirmation->text().contains("これまでの 1 回の答え"));
            QTest::mouseClick(confirmation->button(choice), Qt::LeftButton);
            QTRY_VERIFY(!drill.child<QMessageBox>("resetConfirmation"));
            DrillHistory stored(drill.path, QString());
            QCOMPARE(stored.load(kStart).score.total.answered, choice == QMessageBox::No ? 1 : 0);
            QCOMPARE(stored.answersSince(0).size(), std::size_t{choice == QMessageBox::No ? 1u : 0u});
            QVERIFY(drill.text("score").startsWith(choice == QMessageBox::No ? "正解 1 / 1 問" : "正解 0 / 0 問"));
        }
        QVERIFY(drill.asking());
        QVERIFY(drill.child("groupBars")->accessibleDescription().contains("ＢＩＧ —"));
    }
};

QTEST_MAIN(TestDrillWindow)
#include "tst_drill_window.moc"
