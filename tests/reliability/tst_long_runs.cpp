// Auto play at its fastest, a 1 ms step and a 1 ms stop time, for a long
// while: no crash, resident memory flat once the first seconds are past, and
// every read-out the pattern where the reels stand.

#include "../reel_window_fixture.h"
#include "memory.h"

#include "ui/look.h"

#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QLabel>
#include <QTemporaryDir>
#include <QTimer>

#include <algorithm>
#include <memory>

using namespace reliability;

namespace {

constexpr long kFlatBytes = 1L << 20;

// A window in a folder with the design pictures, playing auto play as clicked.
struct AutoPlay {
    QTemporaryDir folder;
    QString startFolder = QDir::currentPath();
    Game game;
    std::unique_ptr<Riru> window;
    long readOuts = 0;  // changes of the read-out
    long wrongReadOuts = 0;
    QString firstWrong;

    AutoPlay()
    {
        for (const char* name : {"r1.bmp", "r2.bmp", "r3.bmp"})
            QFile::copy(QStringLiteral(PICTURES_DIR "/") + name, folder.filePath(name));
        QDir::setCurrent(folder.path());
        window = std::make_unique<Riru>(game, loadStripPictures(), [] {});
        window->open();
        // Every read-out the window writes, checked as it is written, when the
        // reels' cell indexes still say where they stand.
        QObject::connect(boxOf(*window, "Text2"), &QLineEdit::textChanged, [this](const QString& readOut) {
            ++readOuts;
            if (!isPattern(readOut) || readOut != expectedReadOut(*window)) {
                if (wrongReadOuts++ == 0)
                    firstWrong = readOut + QStringLiteral(" where the reels show ") + expectedReadOut(*window);
            }
        });
        boxOf(*window, "Text1")->setText(QStringLiteral("1"));
        boxOf(*window, "Text3")->setText(QStringLiteral("1"));
        QTest::mouseClick(buttonOf(*window, "autostart"), Qt::LeftButton);
    }

    ~AutoPlay()
    {
        window.reset();
        QDir::setCurrent(startFolder);
    }
};

QString mib(long bytes)
{
    return QString::number(double(bytes) / (1 << 20), 'f', 2) + QStringLiteral(" MiB");
}

}  // namespace

class LongRuns : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { ui::useClassicLook(); }

    // 100,000 cycles of six stop-time ticks, with the reels ticking 0 to 2
    // times between two of them in a fixed pseudo-random order, as 1 ms timers
    // on a busy machine do. The timers' own ticks never come: the event loop
    // only delivers posted events, the paint requests among them.
    void hundredThousandCycles()
    {
        AutoPlay play;
        QVERIFY(play.folder.isValid());
        QCOMPARE(shownState(*play.window), Shown::AutoPlaying);
        Riru& window = *play.window;

        constexpr long kCycles = 100000;
        constexpr long kWarmUp = 10000;
        const QLabel* commentary = window.findChild<QLabel*>(QStringLiteral("lbyakumei"));
        const QLineEdit* readOutBox = boxOf(window, "Text2");
        long judged = 0;
        quint32 state = 12345;
        long baseline = 0;
        long highest = 0;
        long emptyCommentaries = 0;
        for (long cycle = 0; cycle < kCycles; ++cycle) {
            for (int n = 0; n < 6; ++n) {
                for (ui::Timer* timer : {timerOf(window, "Timer1"), timerOf(window, "Timer2"), timerOf(window, "Timer3")}) {
                    state = state * 1664525u + 1013904223u;
                    const quint32 ticks = (state >> 16) % 3;
                    for (quint32 n = 0; n < ticks; ++n)
                        timer->tick();
                }
                tick(window, "Timer4");
                // The cycle's third and fourth steps judge, with every reel stopped.
                if (n == 2 || n == 3) {
                    QCOMPARE(timersOn(window), std::set<std::string>{"Timer4"});
                    ++judged;
                    const QString readOut = readOutBox->text();
                    if ((!isPattern(readOut) || readOut != expectedReadOut(window)) && play.wrongReadOuts++ == 0)
                        play.firstWrong = readOut + QStringLiteral(" where the reels show ") + expectedReadOut(window);
                    if (commentary->text().isEmpty())
                        ++emptyCommentaries;
                }
            }
            if (cycle % 1000 == 999) {
                QCoreApplication::sendPostedEvents();
                const long resident = residentBytes();
                if (cycle + 1 == kWarmUp)
                    baseline = resident;
                if (cycle + 1 > kWarmUp)
                    highest = std::max(highest, resident);
            }
        }
        QTest::mouseClick(buttonOf(window, "autostop"), Qt::LeftButton);
        QCOMPARE(shownState(window), Shown::Standing);

        qInfo("%ld cycles, %ld patterns judged; resident %s after %ld cycles, at most %s after", kCycles, judged,
              qPrintable(mib(baseline)), kWarmUp, qPrintable(mib(highest)));
        QVERIFY2(play.wrongReadOuts == 0, qPrintable(play.firstWrong));
        QCOMPARE(judged, 2 * kCycles);  // at the third and fourth tick of every cycle
        QCOMPARE(emptyCommentaries, 0L);
        if (kMemoryIsMeasurable)
            QVERIFY2(highest - baseline < kFlatBytes, qPrintable(mib(highest - baseline)));
    }

    // The same in real time for a minute, every timer running on its own.
    void aMinuteInRealTime()
    {
        constexpr int kSeconds = 62;
        constexpr int kWarmUpSeconds = 5;
        AutoPlay play;
        QVERIFY(play.folder.isValid());
        QCOMPARE(shownState(*play.window), Shown::AutoPlaying);

        QElapsedTimer clock;
        clock.start();
        long baseline = 0;
        long highest = 0;
        for (int second = 1; second <= kSeconds; ++second) {
            // An event loop as the program's own; QTest::qWait sleeps between
            // its rounds of events, slower than the 1 ms timers.
            QEventLoop loop;
            QTimer::singleShot(std::max(0, int(second * 1000 - clock.elapsed())), Qt::PreciseTimer, &loop,
                               &QEventLoop::quit);
            loop.exec();
            QCOMPARE(shownState(*play.window), Shown::AutoPlaying);
            const long resident = residentBytes();
            if (second == kWarmUpSeconds)
                baseline = resident;
            if (second > kWarmUpSeconds)
                highest = std::max(highest, resident);
        }
        QTest::mouseClick(buttonOf(*play.window, "autostop"), Qt::LeftButton);
        QCOMPARE(shownState(*play.window), Shown::Standing);

        qInfo("%lld s, %ld read-out changes; resident %s after %d s, at most %s after", clock.elapsed() / 1000,
              play.readOuts, qPrintable(mib(baseline)), kWarmUpSeconds, qPrintable(mib(highest)));
        QVERIFY2(play.wrongReadOuts == 0, qPrintable(play.firstWrong));
        QVERIFY(play.readOuts > 1000);
        if (kMemoryIsMeasurable)
            QVERIFY2(highest - baseline < kFlatBytes, qPrintable(mib(highest - baseline)));
    }
};

QTEST_MAIN(LongRuns)
#include "tst_long_runs.moc"
