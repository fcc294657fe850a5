#include "drill/progress_file.h"
#include "drill/progress_format.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

Q_DECLARE_METATYPE(std::string)

namespace {

Progress someProgress()
{
    Progress progress;
    progress.score.total = {7, 4};
    progress.score.streak = 2;
    progress.score.groups[0] = {3, 3};
    progress.score.groups[7] = {4, 1};
    progress.reviews = {{{7, 14, 3}, 9, 0}, {{21, 1, 21}, 11, 1}};
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
        const ProgressFile::Loaded loaded = ProgressFile(path).load();
        QCOMPARE(loaded.found, ProgressFile::Found::Progress);
        QVERIFY(loaded.progress == someProgress());
        QCOMPARE(QDir(data.filePath("kareto")).entryList(QDir::Files), QStringList{"drill.json"});
    }

    void noFileStartsAfreshAndWritesNothing()
    {
        QTemporaryDir data;
        ProgressFile file(data.filePath("kareto/drill.json"));
        QCOMPARE(file.load().found, ProgressFile::Found::Nothing);
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
            {"a newer version", "\"format\": 1", "\"format\": 2"},
            {"no version", "\"format\": 1,", ""},
            {"a position off the reel", "21,\n", "22,\n"},
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
        const ProgressFile::Loaded loaded = file.load();
        QCOMPARE(loaded.found, ProgressFile::Found::SetAside);
        QVERIFY(loaded.progress == Progress{});
        QVERIFY(!QFile::exists(path));
        QCOMPARE(fileContents(path + ".bad"), contents);
        // Afterwards the drill saves afresh.
        QVERIFY(file.save(someProgress()));
        QCOMPARE(ProgressFile(path).load().found, ProgressFile::Found::Progress);
    }

    // Root writes anywhere it may, so the folder that cannot be made is one
    // under a regular file.
    void unwritableFolderSavesNothing()
    {
        QTemporaryDir data;
        write(data.filePath("kareto"), "a file where the folder would be");
        ProgressFile file(data.filePath("kareto/drill.json"));
        QCOMPARE(file.load().found, ProgressFile::Found::Nothing);
        QVERIFY(!file.save(someProgress()));
        QCOMPARE(fileContents(data.filePath("kareto")), QByteArray("a file where the folder would be"));
    }

    void nowhereToKeepProgress()
    {
        ProgressFile file{QString()};
        QCOMPARE(file.load().found, ProgressFile::Found::Nothing);
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
        QCOMPARE(file.load().found, ProgressFile::Found::SetAside);
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
        QCOMPARE(file.load().found, ProgressFile::Found::Nothing);
    }
};

QTEST_GUILESS_MAIN(TestDrillProgress)
#include "tst_drill_progress.moc"
