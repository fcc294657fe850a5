#include "app/table_export_buttons.h"
#include "core/evaluation/evaluation.h"
#include "core/evaluation/legend.h"
#include "core/outcome_groups.h"
#include "core/reach_me_patterns.h"
#include "exports/csv_export.h"
#include "exports/png_export.h"
#include "exports/table_export.h"
#include "tests/kareto_process.h"
#include "ui/look.h"
#include "windows/reach_me_table/reach_me_table_window.h"

#include <QApplication>
#include <QFileDialog>
#include <QLabel>
#include <QMessageBox>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <cerrno>
#include <cstring>

namespace {

// One CSV record split into its fields, each with whether it was quoted.
struct Field {
    QString text;
    bool quoted = false;
};

// Reads RFC 4180 records; a malformed quote fails the read.
std::optional<QList<QList<Field>>> parseCsv(const QString& text)
{
    QList<QList<Field>> records;
    QList<Field> record;
    Field field;
    qsizetype at = 0;
    while (at < text.size()) {
        if (field.text.isEmpty() && !field.quoted && text[at] == QLatin1Char('"')) {
            field.quoted = true;
            for (++at;; ++at) {
                if (at >= text.size())
                    return std::nullopt;
                if (text[at] == QLatin1Char('"')) {
                    if (at + 1 < text.size() && text[at + 1] == QLatin1Char('"')) {
                        field.text += QLatin1Char('"');
                        ++at;
                        continue;
                    }
                    ++at;
                    break;
                }
                field.text += text[at];
            }
            if (at < text.size() && text[at] != QLatin1Char(',') && text[at] != QLatin1Char('\r'))
                return std::nullopt;
            continue;
        }
        if (text[at] == QLatin1Char(',')) {
            record << field;
            field = {};
            ++at;
        } else if (text.mid(at, 2) == QStringLiteral("\r\n")) {
            record << field;
            records << record;
            record = {};
            field = {};
            at += 2;
        } else if (text[at] == QLatin1Char('\n') || text[at] == QLatin1Char('\r')) {
            return std::nullopt;  // a line end other than CRLF
        } else {
            field.text += text[at++];
        }
    }
    if (!record.isEmpty() || !field.text.isEmpty())
        return std::nullopt;  // the last line has no line end
    return records;
}

QString runTool(const QString& program, const QStringList& arguments)
{
    QProcess tool;
    tool.start(program, arguments);
    tool.waitForFinished();
    return QString::fromUtf8(tool.readAllStandardOutput());
}

QStringList filesIn(const QString& folder)
{
    return QDir(folder).entryList(QDir::Files | QDir::Hidden);
}

// Answers the export's modal boxes as they show: the file dialog with a
// name, keeping the name it offered; a failure box by OK, keeping its text.
struct ModalAnswers {
    QString fileName;
    QString offered;
    QString failure;
    QString chosen;  // the name the dialog was accepted with
    QTimer poll;

    explicit ModalAnswers(const QString& name) : fileName(name)
    {
        poll.setInterval(20);
        QObject::connect(&poll, &QTimer::timeout, [this] { answer(); });
        poll.start();
    }

    void answer()
    {
        QWidget* modal = QApplication::activeModalWidget();
        if (auto* dialog = qobject_cast<QFileDialog*>(modal); dialog && modal->objectName() == "exportFileDialog") {
            offered = QFileInfo(dialog->selectedFiles().value(0)).fileName();
            dialog->selectFile(fileName);
            chosen = dialog->selectedFiles().value(0);
            QMetaObject::invokeMethod(dialog, &QDialog::accept);
        } else if (auto* box = qobject_cast<QMessageBox*>(modal); box && modal->objectName() == "exportFailure") {
            failure = box->text();
            box->accept();
        }
    }
};

}  // namespace

// The reach-me table written out: the spreadsheet, the pages, the picture,
// from the command line and from the table window.
class TestTableExports : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { ui::useClassicLook(); }

    void csvHoldsEveryPatternExactly()
    {
        const QByteArray csv = reachMeTableCsv();
        QVERIFY(csv.startsWith("\xEF\xBB\xBF"));
        const auto records = parseCsv(QString::fromUtf8(csv.mid(3)));
        QVERIFY(records);
        QCOMPARE(records->size(), 9262);
        QStringList header;
        for (const Field& field : records->constFirst())
            header << field.text;
        QCOMPARE(header.join(','), QStringLiteral("left,center,right,code,group,line1,line2,line3,cheer"));

        qsizetype row = 1;
        for (int left = 1; left <= 21; ++left)
            for (int center = 1; center <= 21; ++center)
                for (int right = 1; right <= 21; ++right) {
                    const QList<Field>& fields = records->at(row++);
                    const QString where = QStringLiteral("%1-%2-%3").arg(left).arg(center).arg(right);
                    QVERIFY2(fields.size() == 9, qPrintable(where));
                    QVERIFY2(fields[0].text.toInt() == left && fields[1].text.toInt() == center &&
                                 fields[2].text.toInt() == right && !fields[0].quoted,
                             qPrintable(where));
                    for (qsizetype text = 3; text < 9; ++text)
                        QVERIFY2(fields[text].quoted, qPrintable(where));
                    const char code = gridOfClass(evaluatorClassOf(left))->code(center, right);
                    QVERIFY2(fields[3].text == QChar(QLatin1Char(code)), qPrintable(where));
                    QVERIFY2(fields[4].text == QString::fromStdU16String(std::u16string(
                                                   kOutcomeGroups[std::size_t(groupIndexOf(code))].caption)),
                             qPrintable(where));
                    QStringList lines = {fields[5].text, fields[6].text, fields[7].text};
                    while (lines.size() > 1 && lines.constLast().isEmpty())
                        lines.removeLast();
                    QVERIFY2(lines.join(QStringLiteral("\r\n")) == QString::fromStdU16String(outcomeOf(code).commentary),
                             qPrintable(where));
                    QVERIFY2(fields[8].text == (outcomeOf(code).cheers ? QStringLiteral("た～まや～！!") : QString()),
                             qPrintable(where));
                }
        // Spaces inside and at the ends of a text stay.
        QVERIFY(csv.contains(",\" ＲＥＧです。\","));
        QVERIFY(csv.contains(",\"はずれ。  \","));
    }

    void everyFormatFromTheCommandLine()
    {
        QTemporaryDir folder;
        Run csv = kareto({"--export-table", "t.csv"}, folder.path());
        QVERIFY2(csv.status == 0, qPrintable(csv.err));
        QFile written(folder.filePath("t.csv"));
        QVERIFY(written.open(QIODevice::ReadOnly));
        QCOMPARE(written.readAll(), reachMeTableCsv());

        Run pdf = kareto({"--export-table", "t.pdf"}, folder.path());
        QVERIFY2(pdf.status == 0, qPrintable(pdf.err));
        const QString pdfPath = folder.filePath("t.pdf");
        const QString info = runTool("pdfinfo", {pdfPath});
        QVERIFY(info.contains(QRegularExpression("Pages:\\s+23\\n")));
        QVERIFY(info.contains(QStringLiteral("842 x 595 pts (A4)")));  // landscape
        for (int page = 1; page <= 23; ++page) {
            const QString text = runTool("pdftotext", {"-f", QString::number(page), "-l", QString::number(page),
                                                       pdfPath, "-"});
            // A page for each left position, then the pairs of each stop order.
            const QString title = page <= 21 ? QStringLiteral("左リール %1\n").arg(page)
                                  : page == 22 ? QStringLiteral("順押し（左→中→右）")
                                               : QStringLiteral("はさみ打ち（左→右→中）");
            QVERIFY2(text.contains(title), qPrintable(text.left(40)));
            if (page > 21)
                QVERIFY2(text.startsWith(QStringLiteral("2確目")) && text.contains(QStringLiteral("まだ分からない"))
                             && text.contains(page == 22 ? "中リール →" : "右リール →"),
                         qPrintable(text.left(200)));
        }
        // The Japanese face goes with the file.
        const QStringList fonts = runTool("pdffonts", {pdfPath}).split('\n').mid(2, 1);
        QVERIFY2(!fonts.isEmpty() && fonts.constFirst().contains(QStringLiteral(" yes ")), qPrintable(fonts.join('|')));

        for (const auto& [arguments, left] : {std::pair{QStringList{"--export-table", "t.png"}, 7},
                                              std::pair{QStringList{"--left", "15", "--export-table=T.PNG"}, 15}}) {
            Run png = kareto(arguments, folder.path());
            QVERIFY2(png.status == 0, qPrintable(png.err));
            const QImage picture(folder.filePath(arguments.contains("t.png") ? "t.png" : "T.PNG"));
            QVERIFY(!picture.isNull());
            QCOMPARE(picture.size(), reachMeTablePicture(left, ReelCellPictures::design()).size());
            QCOMPARE(picture.convertToFormat(QImage::Format_RGB32),
                     reachMeTablePicture(left, ReelCellPictures::design()));
        }
        QCOMPARE(filesIn(folder.path()).size(), 4);
    }

    void usageErrorsAndWriteFailures_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("named");
        QTest::newRow("unknown option") << QStringList{"--bogus"} << 2 << "bogus";
        QTest::newRow("unknown extension") << QStringList{"--export-table", "t.txt"} << 2 << "t.txt";
        QTest::newRow("no extension") << QStringList{"--export-table", "table"} << 2 << "table";
        QTest::newRow("missing value") << QStringList{"--export-table"} << 2 << "--export-table";
        QTest::newRow("left missing value") << QStringList{"--export-table", "t.png", "--left"} << 2 << "--left";
        QTest::newRow("left 0") << QStringList{"--export-table", "t.png", "--left", "0"} << 2 << "--left";
        QTest::newRow("left 22") << QStringList{"--export-table", "t.png", "--left", "22"} << 2 << "--left";
        QTest::newRow("left not a number") << QStringList{"--export-table", "t.png", "--left", "7a"} << 2 << "7a";
        QTest::newRow("left with pdf") << QStringList{"--export-table", "t.pdf", "--left", "3"} << 2 << "--left";
        QTest::newRow("left with csv") << QStringList{"--left", "3", "--export-table", "t.csv"} << 2 << "--left";
        QTest::newRow("left alone") << QStringList{"--left", "3"} << 2 << "--left";
        QTest::newRow("stray argument") << QStringList{"t.csv"} << 2 << "t.csv";
        QTest::newRow("two tables") << QStringList{"--export-table", "a.csv", "--export-table", "b.csv"} << 2
                                    << "--export-table";
        QTest::newRow("folder under a file") << QStringList{"--export-table", "file/t.csv"} << 1 << "file/t.csv";
        QTest::newRow("pdf under a file") << QStringList{"--export-table", "file/t.pdf"} << 1 << "file/t.pdf";
    }

    void usageErrorsAndWriteFailures()
    {
        QFETCH(QStringList, arguments);
        QFETCH(int, status);
        QFETCH(QString, named);
        QTemporaryDir folder;
        QFile file(folder.filePath("file"));
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write("a regular file") > 0);
        file.close();
        Run run = kareto(arguments, folder.path());
        QCOMPARE(run.status, status);
        QVERIFY(run.out.isEmpty());
        QStringList lines = run.err.split('\n', Qt::SkipEmptyParts);
        lines.removeIf([](const QString& line) { return line.startsWith(QStringLiteral("QStandardPaths")); });
        QCOMPARE(lines.size(), status == 2 ? 2 : 1);
        QVERIFY2(lines[0].startsWith(QStringLiteral("kareto: ")) && lines[0].contains(named), qPrintable(lines[0]));
        if (status == 2)
            QCOMPARE(lines[1], QStringLiteral("Usage: kareto [--export-table FILE [--left N] | --estimate-setting GAMES BIG REG "
                                              "[--prior WEIGHTS] | --play GAMES [--setting N] [--seed N] | --pairs left-center|left-right | "
                                              "--export-pairs FILE.csv | --memory-report [--answers FILE.csv] "
                                              "[--predict TEST.csv]]"));
        QCOMPARE(filesIn(folder.path()), QStringList{"file"});
    }

    void helpAndVersionOnStandardOutput()
    {
        QTemporaryDir folder;
        for (const auto& [option, shows] : {std::pair{"--help", "--export-table <FILE>"}, std::pair{"-h", "--left <N>"},
                                            std::pair{"--version", "kareto 1.0.0"}, std::pair{"-v", "kareto 1.0.0"}}) {
            Run run = kareto({QString::fromLatin1(option)}, folder.path());
            QCOMPARE(run.status, 0);
            QVERIFY2(run.out.contains(QString::fromLatin1(shows)), qPrintable(run.out));
        }
        QVERIFY(filesIn(folder.path()).isEmpty());
    }

    // Every option the help lists, given alone and with no display, ends the
    // program with a status of its own and never opens a window.
    void everyOptionTheHelpListsRunsWithoutADisplay()
    {
        QTemporaryDir folder;
        const Run help = kareto({QStringLiteral("--help")}, folder.path());
        QVERIFY2(help.out.startsWith(QLatin1String("Usage: kareto [options]\n")), qPrintable(help.out));
        QVERIFY2(help.out.contains(QLatin1String("\nOptions:\n")), "the help is English throughout");
        const QRegularExpression listed(QStringLiteral("^\\s+(?:(-\\w), )?(--[\\w-]+)(?: <(\\w+)>)?"),
                                        QRegularExpression::MultilineOption);
        QStringList seen;
        for (auto match = listed.globalMatch(help.out); match.hasNext();) {
            const QRegularExpressionMatch option = match.next();
            seen << option.captured(2);
            QStringList arguments{option.captured(2)};
            if (option.captured(3) == QLatin1String("FILE"))
                arguments << folder.filePath(QStringLiteral("table.csv"));
            else if (!option.captured(3).isEmpty())
                arguments << QStringLiteral("7");
            const Run run = kareto(arguments, folder.path());
            QVERIFY2(run.status == 0 || run.status == 2, qPrintable(arguments.join(u' ') + run.err));
            if (option.captured(2).startsWith(QLatin1String("--help"))) {
                QCOMPARE(run.status, 0);
                QCOMPARE(run.out, help.out);
            }
        }
        QVERIFY2(seen.contains(QLatin1String("--help")) && seen.contains(QLatin1String("--version")),
                 qPrintable(help.out));
        // No --help-all: the program lists no options of Qt's own to add.
        QVERIFY(!seen.contains(QLatin1String("--help-all")));
        QCOMPARE(kareto({QStringLiteral("--help-all")}, folder.path()).status, 2);
    }

    // Without options the program would open windows; with no display it
    // says so in one line, naming what works without one, instead of Qt's abort.
    void noDisplayIsSaidInOneLine()
    {
        QTemporaryDir folder;
        const Run run = kareto({}, folder.path());
        QCOMPARE(run.status, 1);
        QVERIFY2(run.err.startsWith(QLatin1String("kareto: no display (DISPLAY is not set); --export-table, "
                                                  "--estimate-setting, --play, --pairs, --export-pairs, --memory-report "
                                                  "work without one\n")),
                 qPrintable(run.err));
        QCOMPARE(run.err.count(u'\n'), 1);
    }

    void aPlatformChosenIsKept()
    {
        QTemporaryDir folder;
        Run run = kareto({"-platform", "no-such-platform", "--export-table", "t.csv"}, folder.path());
        QVERIFY(run.status != 0);
        QVERIFY2(run.err.contains("no-such-platform"), qPrintable(run.err));
        QVERIFY(filesIn(folder.path()).isEmpty());
    }

    // A full disk, and a file beyond the size the system lets a program
    // write, are named in the system's own words in every format, and no
    // file is left behind. The full disk is a file system of 8 KiB mounted
    // over the folder in a namespace of the program's own.
    void writeFailuresNameTheSystemsReason_data()
    {
        QTest::addColumn<QString>("option");
        QTest::addColumn<QString>("file");
        QTest::addColumn<bool>("fullDisk");
        for (const auto& [option, file] : {std::pair{"--export-table", "t.csv"}, std::pair{"--export-table", "t.png"},
                                           std::pair{"--export-table", "t.pdf"}, std::pair{"--export-pairs", "p.csv"}}) {
            QTest::addRow("%s %s on a full disk", option, file) << option << file << true;
            QTest::addRow("%s %s beyond the file size limit", option, file) << option << file << false;
        }
    }

    void writeFailuresNameTheSystemsReason()
    {
        QFETCH(QString, option);
        QFETCH(QString, file);
        QFETCH(bool, fullDisk);
        QTemporaryDir folder;
        const QStringList launcher =
            fullDisk ? QStringList{"unshare", "--user", "--map-root-user", "--mount", "sh", "-c",
                                   "mount -t tmpfs -o size=8k tmpfs \"$1\" || exit 77; shift; exec \"$@\"", "sh",
                                   folder.path()}
                     : QStringList{"prlimit", "--fsize=4096"};
        const Run run = kareto({option, folder.filePath(file)}, folder.path(), launcher);
        if (fullDisk && run.status == 77)
            QSKIP(qPrintable("no file system of its own can be mounted here: " + run.err.trimmed()));
        QCOMPARE(run.status, 1);
        const QString reason = QString::fromLocal8Bit(std::strerror(fullDisk ? ENOSPC : EFBIG));
        const QString said = QStringLiteral("kareto: cannot write '%1': %2\n").arg(folder.filePath(file), reason);
        QVERIFY2(run.err.contains(said), qPrintable(run.err));
        QCOMPARE(filesIn(folder.path()), QStringList{});
    }

    void aFolderInTheWayFailsCleanly()
    {
        QTemporaryDir folder;
        const QString blocked = folder.filePath("old.csv");
        QVERIFY(QDir(folder.path()).mkdir("old.csv"));  // a folder where the file should go
        QVERIFY(!writeTable(blocked, TableFormat::Csv, 7, ReelCellPictures::design()).isEmpty());
        QVERIFY(QFileInfo(blocked).isDir());
        QCOMPARE(filesIn(folder.path()), QStringList{});
    }

    void windowButtonsExport_data()
    {
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("offeredName");
        QTest::newRow("pdf") << "exportPdf" << "reach-me-table.pdf";
        QTest::newRow("csv") << "exportCsv" << "reach-me-table.csv";
        QTest::newRow("png") << "exportPng" << "reach-me-table-12.png";
        QTest::newRow("pairs csv") << "exportPairsCsv" << "reach-me-pairs.csv";
    }

    void windowButtonsExport()
    {
        QFETCH(QString, button);
        QFETCH(QString, offeredName);
        QTemporaryDir folder;
        const ReelCellPictures design = ReelCellPictures::design();
        ReachMeTableWindow table({QImage(":/pictures/r1.bmp"), QImage(":/pictures/r2.bmp"), QImage(":/pictures/r3.bmp")},
                                 [](int, int, int) { return QString(); },
                                 [](StopOrder, const StoppedPair&) { return QString(); }, exportButtonsFor);
        table.findChild<QSpinBox*>("leftPosition")->setValue(12);
        table.open();

        const QString target = folder.filePath(offeredName);
        {
            ModalAnswers answers(target);
            table.findChild<QPushButton*>(button)->click();
            QCOMPARE(answers.offered, offeredName);
            QVERIFY(answers.failure.isEmpty());
        }
        QVERIFY(QFileInfo::exists(target));
        QVERIFY2(table.findChild<QLabel*>("status")->text().contains(offeredName),
                 qPrintable(table.findChild<QLabel*>("status")->text()));
        if (button == QStringLiteral("exportCsv") || button == QStringLiteral("exportPairsCsv")) {
            QFile written(target);
            QVERIFY(written.open(QIODevice::ReadOnly));
            QCOMPARE(written.readAll(), button == QStringLiteral("exportCsv") ? reachMeTableCsv() : pairsCsvFile());
        } else if (button == QStringLiteral("exportPng")) {
            QCOMPARE(QImage(target).convertToFormat(QImage::Format_RGB32), reachMeTablePicture(12, design));
        } else {
            QVERIFY(runTool("pdfinfo", {target}).contains(QRegularExpression("Pages:\\s+23\\n")));
        }

        // A name under a regular file fails: the box names the file and the
        // reason. The file dialog, which cannot enter a regular file, may read
        // such a name as that "folder" and its own offered name; either is
        // under the file just written.
        const QString unwritable = folder.filePath(QStringLiteral("%1/t").arg(offeredName));
        ModalAnswers answers(unwritable);
        table.findChild<QPushButton*>(button)->click();
        QVERIFY2(answers.chosen.startsWith(target + QLatin1Char('/')), qPrintable(answers.chosen));
        QVERIFY2(answers.failure.contains(QDir::toNativeSeparators(answers.chosen)) &&
                     answers.failure.contains("Not a directory"),
                 qPrintable(answers.failure));
        QCOMPARE(filesIn(folder.path()), QStringList{offeredName});
    }
};

QTEST_MAIN(TestTableExports)
#include "tst_table_exports.moc"
