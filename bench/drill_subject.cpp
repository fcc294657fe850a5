// The drill against a history of 100,000 answers: how long the next
// question, opening the drill, and keeping one answer take, while the drill
// fits its memory model to them beside it, and how long closing it takes in
// the middle of that fit. Run offscreen.

#include "core/drill/cards/card_deck.h"
#include "core/evaluation/judgement.h"
#include "history/drill/drill_history.h"
#include "history/stored_key.h"
#include "tests/drill/fsrs_learner.h"
#include "ui/fonts.h"
#include "windows/drill/drill_window.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QPushButton>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QTest>
#include <QVariant>

#include <algorithm>
#include <cstdio>
#include <memory>

namespace {

constexpr int kAnswers = 100'000;
constexpr qint64 kStart = 1'800'000'000'000;
constexpr qint64 kAnswerGapMs = 6000;

std::array<QImage, 3> designStrips()
{
    return {QImage(":/pictures/r1.bmp"), QImage(":/pictures/r2.bmp"), QImage(":/pictures/r3.bmp")};
}

// Answers every card once through the history, so that its tables exist and
// every card is stored, then adds the rest of the answers in one go.
bool fillHistory(const QString& database)
{
    const CardDeck& deck = CardDeck::instance();
    DrillHistory history(database, QString());
    Progress progress = history.load(kStart);
    for (int card = 0; card < deck.size(); ++card) {
        progress.cards[static_cast<std::size_t>(card)] = afterAnswer({}, Grade::Good, kStart, kDefaultRetention);
        progress.score.record(deck.card(card).group, true);
        if (!history.record({kStart, deck.card(card).patterns.front(), card, deck.card(card).group, true, 2000,
                             progress.cards[static_cast<std::size_t>(card)]},
                            progress))
            return false;
    }
    // The rest are a simulated player's, on the deck's cards, ending an hour
    // before the drill opens, so that the memory model has a real history to fit.
    // A milder forgetter than FsrsLearner::forgetful(), as the drill's figures
    // have always been measured on.
    MemoryWeights player = MemoryModel::kDefaultWeights;
    player[0] = 0.05;
    player[2] = 0.8;
    player[20] = 0.5;
    std::vector<CardAnswer> answers = FsrsLearner(player, 7).drill(400, 25);
    answers.resize(std::min(answers.size(), static_cast<std::size_t>(kAnswers - deck.size())));
    const qint64 shift = kStart - 3'600'000 - answers.back().atMs;
    QSqlDatabase db = QSqlDatabase::addDatabase("QSQLITE", "fill");
    db.setDatabaseName(database);
    if (!db.open() || !db.transaction())
        return false;
    QSqlQuery insert(db);
    insert.prepare("INSERT INTO drill_answers (answered_at_ms, pattern, card, group_answered, right_group, is_right,"
                   " answer_ms, phase, stability, difficulty, step, due_ms, answers, lapses)"
                   " VALUES (?, ?, ?, ?, ?, ?, ?, 'review', 3.5, 5.0, 0, 0, 1, 0)");
    for (const CardAnswer& answer : answers) {
        const int card = answer.card % deck.size();
        const QString group = storedKey(kOutcomeGroups[std::size_t(deck.card(card).group)].key);
        insert.addBindValue(answer.atMs + shift);
        insert.addBindValue(QString::fromStdString(readOutOf(deck.card(card).patterns.front())));
        insert.addBindValue(QString::fromStdString(deck.keyOf(card)));
        insert.addBindValue(group);
        insert.addBindValue(group);
        insert.addBindValue(answer.right ? 1 : 0);
        insert.addBindValue(answer.answerMs);
        if (!insert.exec())
            return false;
    }
    const bool done = db.commit();
    db.close();
    return done;
}

}  // namespace

int main(int argc, char** argv)
{
    QApplication application(argc, argv);
    QTemporaryDir data;
    const QString database = data.filePath("kareto/kareto.sqlite");
    if (!fillHistory(database)) {
        std::fprintf(stderr, "bench_drill: the history could not be filled\n");
        return 1;
    }
    QSqlDatabase::removeDatabase("fill");

    qint64 utc = kStart;
    qint64 steady = 0;
    const DrillClock clock{[&utc] { return utc; }, [&steady] { return steady; }};

    // The drill opens from the reel window, which has already shown the
    // program's face: a window of that face is shown first here too.
    QWidget reelWindowStandIn;
    reelWindowStandIn.setFont(ui::designFont(ui::regular(12)));
    auto* face = new QPushButton(QStringLiteral("リーチ目ドリル"), &reelWindowStandIn);
    face->setFont(ui::designFont(ui::bold(12)));
    reelWindowStandIn.show();
    QCoreApplication::processEvents();

    QElapsedTimer timer;
    timer.start();
    auto window = std::make_unique<DrillWindow>(designStrips(), DrillHistory(database, QString()), 1, clock);
    window->open();
    QCoreApplication::processEvents();
    const double openingMs = timer.nsecsElapsed() / 1e6;
    // The history's 100,000 answers make a fit due as the drill opens.
    QElapsedTimer fitting;
    fitting.start();
    auto* fit = window->findChild<QPushButton*>("fitMemoryModel");
    const bool fittingBefore = QTest::qWaitFor([fit] { return !fit->isEnabled(); }, 5000);

    constexpr int kQuestions = 200;
    auto* next = window->findChild<QPushButton*>("next");
    auto* answer = window->findChild<QPushButton*>("answer_miss");
    qint64 answeringNs = 0;
    qint64 nextNs = 0;
    for (int question = 0; question < kQuestions; ++question) {
        utc += kAnswerGapMs;
        steady += 2000;
        timer.restart();
        answer->click();
        answeringNs += timer.nsecsElapsed();
        timer.restart();
        next->click();
        nextNs += timer.nsecsElapsed();
    }
    QCoreApplication::processEvents();
    const bool fittingThroughout = fittingBefore && !fit->isEnabled();
    const bool fitted = QTest::qWaitFor([fit] { return fit->isEnabled(); }, 120'000);
    const double fitSeconds = fitting.nsecsElapsed() / 1e9;

    // Asked again, and closed in the middle of it.
    fit->click();
    QTest::qWait(1000);
    const bool fittingAtClose = !fit->isEnabled();
    timer.restart();
    window.reset();
    const double closingMs = timer.nsecsElapsed() / 1e6;

    DrillHistory history(database, QString());
    Progress progress = history.load(utc);
    const Card& card = CardDeck::instance().card(0);
    qint64 writingNs = 0;
    for (int i = 0; i < kQuestions; ++i) {
        timer.restart();
        history.record({utc + i, card.patterns.front(), 0, card.group, true, 2000, progress.cards[0]}, progress);
        writingNs += timer.nsecsElapsed();
    }

    std::printf("drill with %d answers in its history:\n", kAnswers);
    std::printf("  opening the drill          %8.2f ms (goal 150 ms)\n", openingMs);
    std::printf("  next question (window)     %8.2f ms (goal 5 ms)\n", nextNs / 1e6 / kQuestions);
    std::printf("  answering, kept (window)   %8.2f ms\n", answeringNs / 1e6 / kQuestions);
    std::printf("  writing one answer         %8.2f ms (goal 10 ms)\n", writingNs / 1e6 / kQuestions);
    std::printf("  the memory model fitted beside all the questions: %s\n", fittingThroughout ? "yes" : "no");
    std::printf("  the fit from opening to its figures %6.2f s (goal 20 s)%s\n", fitSeconds, fitted ? "" : ", not ended");
    std::printf("  closing the drill mid-fit  %8.2f ms (goal 500 ms)%s\n", closingMs,
                fittingAtClose ? "" : ", but no fit ran");
    return 0;
}
