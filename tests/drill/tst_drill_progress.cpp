#include "core/drill/cards/card_deck.h"
#include "drill/progress_file.h"
#include "drill/progress_format.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

Q_DECLARE_METATYPE(std::string)

namespace {

constexpr std::int64_t kNow = 1'800'000'000'000;

// A card whose key is "7:" and its code, and another.
int someCard()
{
    return CardDeck::instance().cardOf({7, 14, 3});
}

Progress someProgress()
{
    Progress progress;
    progress.score.total = {7, 4};
    progress.score.streak = 2;
    progress.score.groups[0] = {3, 3};
    progress.score.groups[7] = {4, 1};
    progress.cards.resize(static_cast<std::size_t>(CardDeck::instance().size()));
    progress.cards[static_cast<std::size_t>(someCard())] = {Phase::Review, {12.5, 4.25}, 0, kNow - 5 * kMsPerDay,
        kNow + 3 * kMsPerDay, 4, 1};
    progress.cards[static_cast<std::size_t>(CardDeck::instance().cardOf({21, 1, 21}))] = {Phase::Relearning,
        {0.75, 8.5}, 1, kNow - 60'000, kNow + 540'000, 7, 2};
    progress.day = {20833, 12, 5};
    progress.settings = {0.85, 20, 0};
    return progress;
}

QByteArray fileContents(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void write(const QString& path, const QByteArray& contents)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(contents);
}

}  // namespace

// The drill's progress file: what it holds, and what becomes of a file that
// cannot be read or a folder that cannot be written.
class TestDrillProgress : public QObject {
    Q_OBJECT

private slots:
    void savedProgressComesBack()
    {
        QTemporaryDir data;
        const QString path = data.filePath("kareto/drill.json");  // the folder does not exist yet
        QVERIFY(ProgressFile(path).save(someProgress()));
        const ProgressFile::Loaded loaded = ProgressFile(path).load(kNow);
        QCOMPARE(loaded.found, ProgressFile::Found::Progress);
        QVERIFY(loaded.progress == someProgress());
        QCOMPARE(QDir(data.filePath("kareto")).entryList(QDir::Files), QStringList{"drill.json"});
    }

    // The first format kept the patterns to ask again: its score stays, the
    // cards of those patterns are due now, and the file is left as it was.
    void firstFormatIsTakenOver()
    {
        QTemporaryDir data;
        const QString path = data.filePath("drill.json");
        const QByteArray old = R"({"format": 1, "answered": 5, "right": 3, "streak": 1,
            "groups": {"big": {"answered": 2, "right": 2}, "reg": {"answered": 0, "right": 0},
                       "br": {"answered": 0, "right": 0}, "reachNoStop": {"answered": 0, "right": 0},
                       "noStop": {"answered": 0, "right": 0}, "small": {"answered": 0, "right": 0},
                       "missOrBonus": {"answered": 0, "right": 0}, "miss": {"answered": 3, "right": 1}},
            "due": [{"pattern": [7, 14, 3], "dueAt": 9, "rightsInARow": 0},
                    {"pattern": [4, 2, 2], "dueAt": 11, "rightsInARow": 1}]})";
        write(path, old);
        const ProgressFile::Loaded loaded = ProgressFile(path).load(kNow);
        QCOMPARE(loaded.found, ProgressFile::Found::Progress);
        QCOMPARE(loaded.progress.score.total, (Tally{5, 3}));
        QCOMPARE(loaded.progress.score.streak, 1);
        QCOMPARE(loaded.progress.score.groups[7], (Tally{3, 1}));
        const CardDeck& deck = CardDeck::instance();
        const int dueCards[] = {someCard(), deck.cardOf({4, 2, 2})};
        for (int card = 0; card < deck.size(); ++card) {
            const CardState& state = loaded.progress.cards[static_cast<std::size_t>(card)];
            const bool due = std::ranges::find(dueCards, card) != std::end(dueCards);
            QCOMPARE(state.phase != Phase::New, due);
            if (due)
                QCOMPARE(state.dueMs, kNow);
        }
        QCOMPARE(fileContents(path), old);
    }

    void noFileStartsAfreshAndWritesNothing()
    {
        QTemporaryDir data;
        ProgressFile file(data.filePath("kareto/drill.json"));
        QCOMPARE(file.load(kNow).found, ProgressFile::Found::Nothing);
        QVERIFY(file.remove());
        QVERIFY(QDir(data.path()).isEmpty());
    }

    // Whatever is not whole, sound progress of this format is set aside.
    void unreadableFileIsSetAside_data()
    {
        QTest::addColumn<QByteArray>("contents");
        const QByteArray good = progressToJson(someProgress());
        QTest::newRow("cut short") << good.left(good.size() / 2);
        QTest::newRow("empty") << QByteArray();
        QTest::newRow("garbage") << QByteArray("\x89PNG\r\n\x1a\n\0\0\xff\xfe garbage", 20);
        QTest::newRow("JSON of another shape") << QByteArray("[1, 2, 3]");
        // Sound progress with one thing changed.
        const struct {
            const char* row;
            const char* from;
            const char* to;
        } edits[] = {
            {"a newer version", "\"format\": 2", "\"format\": 3"},
            {"no version", "\"format\": 2,", ""},
            {"a card no grid has", "\"7:", "\"15:"},
            {"a difficulty off its scale", "\"difficulty\": 4.25", "\"difficulty\": 11"},
            {"a retention off its range", "\"retention\": 0.85", "\"retention\": 0.5"},
            {"totals that the groups do not add up to", "\"right\": 4", "\"right\": 5"},
            {"a count not whole", "\"streak\": 2", "\"streak\": 1.5"},
        };
        for (const auto& edit : edits)
            QTest::newRow(edit.row) << QByteArray(good).replace(edit.from, edit.to);
    }

    void unreadableFileIsSetAside()
    {
        QFETCH(QByteArray, contents);
        QVERIFY(contents != progressToJson(someProgress()));  // each row changed what it meant to
        QTemporaryDir data;
        const QString path = data.filePath("drill.json");
        write(path, "an older broken file");
        write(path + ".bad", "older still");
        write(path, contents);

        ProgressFile file(path);
        const ProgressFile::Loaded loaded = file.load(kNow);
        QCOMPARE(loaded.found, ProgressFile::Found::SetAside);
        QVERIFY(loaded.progress == Progress{});
        QVERIFY(!QFile::exists(path));
        QCOMPARE(fileContents(path + ".bad"), contents);
        // Afterwards the drill saves afresh.
        QVERIFY(file.save(someProgress()));
        QCOMPARE(ProgressFile(path).load(kNow).found, ProgressFile::Found::Progress);
    }

    // Root writes anywhere it may, so the folder that cannot be made is one
    // under a regular file.
    void unwritableFolderSavesNothing()
    {
        QTemporaryDir data;
        write(data.filePath("kareto"), "a file where the folder would be");
        ProgressFile file(data.filePath("kareto/drill.json"));
        QCOMPARE(file.load(kNow).found, ProgressFile::Found::Nothing);
        QVERIFY(!file.save(someProgress()));
        QCOMPARE(fileContents(data.filePath("kareto")), QByteArray("a file where the folder would be"));
    }

    void nowhereToKeepProgress()
    {
        ProgressFile file{QString()};
        QCOMPARE(file.load(kNow).found, ProgressFile::Found::Nothing);
        QVERIFY(!file.save(someProgress()));
    }

    // A broken file that cannot be moved aside is never overwritten or removed.
    void fileThatCannotBeSetAsideIsKept()
    {
        QTemporaryDir data;
        const QString path = data.filePath("drill.json");
        write(path, "broken");
        QVERIFY(QDir(data.path()).mkdir("drill.json.bad"));  // a folder the file cannot replace
        write(data.filePath("drill.json.bad/keep"), "");
        ProgressFile file(path);
        QCOMPARE(file.load(kNow).found, ProgressFile::Found::SetAside);
        QVERIFY(!file.save(someProgress()));
        QVERIFY(!file.remove());
        QCOMPARE(fileContents(path), QByteArray("broken"));
    }

    void removeLeavesNoProgress()
    {
        QTemporaryDir data;
        ProgressFile file(data.filePath("drill.json"));
        QVERIFY(file.save(someProgress()));
        QVERIFY(file.remove());
        QVERIFY(!QFile::exists(data.filePath("drill.json")));
        QCOMPARE(file.load(kNow).found, ProgressFile::Found::Nothing);
    }
};

QTEST_GUILESS_MAIN(TestDrillProgress)
#include "tst_drill_progress.moc"
