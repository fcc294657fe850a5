// The drill against a history of 100,000 answers: how long the next
// question, opening the drill, and keeping one answer take. Run offscreen.

#include "core/drill/cards/card_deck.h"
#include "ui/fonts.h"
#include "history/drill/drill_history.h"
#include "windows/drill/drill_window.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QPushButton>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QTest>
#include <QVariant>

#include <cstdio>

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
    QSqlDatabase db = QSqlDatabase::addDatabase("QSQLITE", "fill");
    db.setDatabaseName(database);
    if (!db.open() || !db.transaction())
        return false;
    QSqlQuery insert(db);
    insert.prepare("INSERT INTO drill_answers (answered_at_ms, pattern, card, group_answered, is_right, answer_ms,"
                   " phase, stability, difficulty, step, due_ms, answers, lapses)"
                   " SELECT answered_at_ms, pattern, card, group_answered, is_right, answer_ms, phase, stability,"
                   " difficulty, step, due_ms, answers, lapses FROM drill_answers WHERE id = 1");
    for (int i = deck.size(); i < kAnswers; ++i)
        if (!insert.exec())
            return false;
    QSqlQuery spread(db);
    const bool done = spread.exec(QStringLiteral("UPDATE drill_answers SET answered_at_ms = %1 - (%2 - id) * %3")
                                      .arg(kStart)
                                      .arg(kAnswers)
                                      .arg(kAnswerGapMs)) &&
                      db.commit();
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
    DrillWindow window(designStrips(), DrillHistory(database, QString()), 1, clock);
    window.open();
    QCoreApplication::processEvents();
    const double openingMs = timer.nsecsElapsed() / 1e6;

    constexpr int kQuestions = 200;
    auto* next = window.findChild<QPushButton*>("next");
    auto* answer = window.findChild<QPushButton*>("answer_miss");
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
    return 0;
}
