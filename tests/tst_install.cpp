// The install as a user gets it: `cmake --install` into a fresh prefix, the
// desktop entry, the Debian package, and the installed program started the way
// a desktop starts it, on a real X server.
#include "x_client.h"

#include "bench/xvfb.h"
#include "ui/twips.h"
#include "windows/notice_and_info/fkaisetu_layout.h"
#include "windows/notice_and_info/form4_layout.h"
#include "windows/notice_and_info/fsousa_layout.h"
#include "windows/pieces/riru_layout.h"

#include <QDir>
#include <QDirIterator>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QLibraryInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <cstdlib>

namespace {

const QString kBuildDir = QStringLiteral(KARETO_BUILD_DIR);
const QString kPicturesDir = QStringLiteral(PICTURES_DIR);
const QStringList kStrips = {QStringLiteral("r1.bmp"), QStringLiteral("r2.bmp"), QStringLiteral("r3.bmp")};

// Runs a command to its end; its standard output, or a failure naming it.
struct Run {
    int exitCode = -1;
    QString output;
    QString errors;
};

Run run(const QString& program, const QStringList& args, int timeoutMs = 120000)
{
    QProcess process;
    process.start(program, args);
    Run result;
    if (!process.waitForFinished(timeoutMs)) {
        process.kill();
        process.waitForFinished();
        result.errors = program + QStringLiteral(" did not finish");
        return result;
    }
    result.exitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    result.output = QString::fromUtf8(process.readAllStandardOutput());
    result.errors = QString::fromUtf8(process.readAllStandardError());
    return result;
}

QRect placeOf(const ui::WindowDesign& window, std::string_view name)
{
    for (const ui::Control& control : window.controls)
        if (control.name == name)
            return QRect(ui::pixels(control.left), ui::pixels(control.top), ui::pixels(control.width),
                         ui::pixels(control.height));
    qFatal("no control %.*s", int(name.size()), name.data());
}

QSize sizeOf(const ui::WindowDesign& window)
{
    return QSize(ui::pixels(window.clientWidth), ui::pixels(window.clientHeight));
}

// The [Desktop Entry] group of a desktop entry file, key by key.
QHash<QString, QString> desktopEntry(const QString& path)
{
    QFile file(path);
    QHash<QString, QString> entry;
    if (!file.open(QIODevice::ReadOnly))
        return entry;
    bool inGroup = false;
    for (const QString& line : QString::fromUtf8(file.readAll()).split(u'\n')) {
        if (line.startsWith(u'['))
            inGroup = line == QLatin1String("[Desktop Entry]");
        else if (inGroup && line.contains(u'=') && !line.startsWith(u'#'))
            entry.insert(line.section(u'=', 0, 0).trimmed(), line.section(u'=', 1).trimmed());
    }
    return entry;
}

// The share of pixels of `shown` that match `picture` placed at `offset`,
// each channel within a small tolerance.
double agreement(const QImage& shown, const QImage& picture, QPoint offset)
{
    long same = 0;
    for (int y = 0; y < shown.height(); ++y)
        for (int x = 0; x < shown.width(); ++x) {
            const QPoint at = QPoint(x, y) + offset;
            if (!picture.rect().contains(at))
                continue;
            const QRgb a = shown.pixel(x, y);
            const QRgb b = picture.pixel(at);
            same += std::abs(qRed(a) - qRed(b)) <= 8 && std::abs(qGreen(a) - qGreen(b)) <= 8 &&
                    std::abs(qBlue(a) - qBlue(b)) <= 8;
        }
    return double(same) / double(shown.width() * shown.height());
}

}  // namespace

class TestInstall : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void installedFiles_data();
    void installedFiles();
    void desktopEntryStartsTheInstalledProgram();
    void installedProgramShowsInstalledPicturesAndIcons();
    void debianPackage();
    void uninstallRemovesTheInstall();
    void uninstallTakesTheLastInstallUnderItsDestdir();
    void configureSaysNothingToQuery();

private:
    QString installed(const QString& path) const { return prefix_ + u'/' + path; }

    QTemporaryDir work_;
    QString prefix_;
    QString record_;  // what the install put in place
};

void TestInstall::initTestCase()
{
    QVERIFY(work_.isValid());
    prefix_ = work_.filePath(QStringLiteral("prefix"));
    // A record of its own, so that the one `make uninstall` reads is left alone.
    record_ = work_.filePath(QStringLiteral("install_record.txt"));
    const Run install = run(QStringLiteral(INSTALL_SCRIPT), {kBuildDir, prefix_, record_});
    QVERIFY2(install.exitCode == 0, qPrintable(install.output + install.errors));
}

void TestInstall::installedFiles_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<QString>("source");  // the file it must equal; empty for the program and documents
    QTest::addColumn<QSize>("pictureSize");

    // Games and their manual pages where Debian keeps them.
    QTest::newRow("program") << QStringLiteral("games/kareto") << QString() << QSize();
    for (const QString& strip : kStrips)
        QTest::newRow(qPrintable(strip)) << QStringLiteral("share/kareto/pictures/") + strip
                                         << kPicturesDir + u'/' + strip << QSize(100, 1660);
    // An icon theme finds each icon by the size its folder names.
    QTest::newRow("32 px icon") << QStringLiteral("share/icons/hicolor/32x32/apps/kareto.png")
                                << kPicturesDir + QStringLiteral("/kareto-32.png") << QSize(32, 32);
    QTest::newRow("48 px icon") << QStringLiteral("share/icons/hicolor/48x48/apps/kareto.png")
                                << kPicturesDir + QStringLiteral("/kareto-48.png") << QSize(48, 48);
    QTest::newRow("128 px icon") << QStringLiteral("share/icons/hicolor/128x128/apps/kareto.png")
                                 << kPicturesDir + QStringLiteral("/kareto-128.png") << QSize(128, 128);
    QTest::newRow("scalable icon") << QStringLiteral("share/icons/hicolor/scalable/apps/kareto.svg")
                                   << kPicturesDir + QStringLiteral("/kareto.svg") << QSize();
    QTest::newRow("metainfo") << QStringLiteral("share/metainfo/io.github.kareto.metainfo.xml") << QString() << QSize();
    for (const char* document : {"share/man/man6/kareto.6.gz", "share/doc/kareto/changelog.gz", "share/doc/kareto/copyright"})
        QTest::newRow(document) << QString::fromLatin1(document) << QString() << QSize();
}

void TestInstall::installedFiles()
{
    QFETCH(QString, path);
    QFETCH(QString, source);
    QFETCH(QSize, pictureSize);

    const QFileInfo file(installed(path));
    QVERIFY2(file.isFile(), qPrintable(file.filePath()));
    if (path.endsWith(QLatin1String(".gz"))) {
        // Compressed without the name and time stamp that would make each build's bytes differ.
        QFile compressed(file.filePath());
        QVERIFY(compressed.open(QIODevice::ReadOnly));
        const QByteArray header = compressed.read(10);
        QVERIFY(header.startsWith("\x1f\x8b"));
        QCOMPARE(header[3] & 0x08, 0);                    // no name
        QCOMPARE(header.mid(4, 4), QByteArray(4, '\0'));  // no time
    }
    if (path.startsWith(QLatin1String("games/"))) {
        QVERIFY(file.isExecutable());
        // Installed stripped: its debugging information stays in the build.
        QFile program(file.filePath());
        QVERIFY(program.open(QIODevice::ReadOnly));
        QVERIFY(!program.readAll().contains(".debug_info"));
    }
    if (path.endsWith(QLatin1String(".metainfo.xml"))) {
        const Run validate = run(QStringLiteral("appstreamcli"), {QStringLiteral("validate"), QStringLiteral("--pedantic"),
                                                                  QStringLiteral("--no-net"), file.filePath()});
        QVERIFY2(validate.exitCode == 0, qPrintable(validate.output + validate.errors));
    }
    if (source.isEmpty())
        return;
    QFile copy(file.filePath()), original(source);
    QVERIFY(copy.open(QIODevice::ReadOnly) && original.open(QIODevice::ReadOnly));
    QVERIFY2(copy.readAll() == original.readAll(), "the installed file differs from its source");
    if (pictureSize.isValid())
        QCOMPARE(QImage(file.filePath()).size(), pictureSize);
}

void TestInstall::desktopEntryStartsTheInstalledProgram()
{
    const QString path = installed(QStringLiteral("share/applications/kareto.desktop"));
    const Run validate = run(QStringLiteral("desktop-file-validate"), {path});
    QVERIFY2(validate.exitCode == 0 && validate.output.isEmpty(), qPrintable(validate.output + validate.errors));

    const QHash<QString, QString> entry = desktopEntry(path);
    QCOMPARE(entry.value(QStringLiteral("Type")), QStringLiteral("Application"));
    // By name, from the PATH, whatever the prefix; the program finds its strips itself.
    QCOMPARE(entry.value(QStringLiteral("Exec")), QStringLiteral("kareto"));
    QVERIFY(!entry.contains(QStringLiteral("Path")));
    QCOMPARE(entry.value(QStringLiteral("Icon")), QStringLiteral("kareto"));
}

// The design strips are built into the program, so the installed ones are
// swapped for negatives first: only a program that reads the installed files
// shows those, started from a folder that holds no strips.
void TestInstall::installedProgramShowsInstalledPicturesAndIcons()
{
    const QString folder = installed(QStringLiteral("share/kareto/pictures"));
    QVector<QImage> negatives;
    // Put back as installed afterwards: the uninstall removes only files as it put them.
    // Kept apart from the folder the program starts in, which must hold no strips.
    const QString originals = work_.filePath(QStringLiteral("originals"));
    QVERIFY(QDir().mkpath(originals));
    for (const QString& strip : kStrips)
        QVERIFY(QFile::copy(folder + u'/' + strip, originals + u'/' + strip));
    auto restoreStrips = qScopeGuard([&] {
        for (const QString& strip : kStrips) {
            QFile::remove(folder + u'/' + strip);
            QFile::rename(originals + u'/' + strip, folder + u'/' + strip);
        }
    });
    for (const QString& strip : kStrips) {
        QImage negative(folder + u'/' + strip);
        QVERIFY2(!negative.isNull(), qPrintable(folder + u'/' + strip));
        negative.invertPixels();
        QVERIFY(negative.save(folder + u'/' + strip, "BMP"));
        negatives.push_back(negative.convertToFormat(QImage::Format_RGB32));
    }

    const Xvfb server;
    QVERIFY2(server.running(), server.error().c_str());
    XClient x(server.display());
    QVERIFY(x.connected());

    QProcess program;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("DISPLAY"), QString::fromStdString(server.display()));
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
    environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), work_.path());
    program.setProcessEnvironment(environment);
    program.setWorkingDirectory(work_.path());
    program.start(installed(QStringLiteral("games/kareto")), {});
    QVERIFY(program.waitForStarted());
    auto stopProgram = qScopeGuard([&] {
        program.kill();
        program.waitForFinished();
    });

    const xcb_window_t notice = x.waitForWindow(sizeOf(kForm4Window));
    QVERIFY2(notice, "the notice never showed");
    x.click(notice, placeOf(kForm4Window, "Command1"));
    const xcb_window_t reels = x.waitForWindow(sizeOf(kRiruWindow));
    QVERIFY2(reels, "OK on the notice did not lead to the reel window");

    // Each strip between the pay-line frame lines, clear of the plates beside it.
    const int top = placeOf(kRiruWindow, "Line2").top() + 2;
    const int bottom = placeOf(kRiruWindow, "Line1").top() - 2;
    for (int i = 0; i < 3; ++i) {
        const QRect image = placeOf(kRiruWindow, "Image" + std::to_string(i + 1));
        const QRect area(image.left() + 8, top, image.width() - 16, bottom - top);
        const QImage design(QStringLiteral(":/pictures/") + kStrips[i]);
        double shown = 0;
        double asDesign = 0;
        QElapsedTimer clock;
        clock.start();
        // The window may be mapped a moment before its first frame is painted.
        while (clock.elapsed() < 10000) {
            const QImage screen = x.grab(reels, area);
            QVERIFY2(!screen.isNull(), "cannot read the reel window back");
            shown = agreement(screen, negatives[i], area.topLeft() - image.topLeft());
            asDesign = agreement(screen, design, area.topLeft() - image.topLeft());
            if (shown > 0.99)
                break;
            QTest::qWait(100);
        }
        QVERIFY2(shown > 0.99, qPrintable(QStringLiteral("%1: %2 % like the installed file, %3 % like the design")
                                              .arg(kStrips[i])
                                              .arg(shown * 100, 0, 'f', 1)
                                              .arg(asDesign * 100, 0, 'f', 1)));
    }

    // The same 32 x 32 icon on the reel window and on the two explanations.
    const QImage icon = QImage(installed(QStringLiteral("share/icons/hicolor/32x32/apps/kareto.png")))
                            .convertToFormat(QImage::Format_ARGB32);
    x.click(reels, placeOf(kRiruWindow, "Cmkaisetu"));
    const xcb_window_t glossary = x.waitForWindow(sizeOf(kFkaisetuWindow));
    QVERIFY2(glossary, "the glossary never showed");
    x.click(reels, placeOf(kRiruWindow, "Cmsousa"));
    const xcb_window_t guide = x.waitForWindow(sizeOf(kFsousaWindow));
    QVERIFY2(guide, "the operating guide never showed");
    const std::pair<const char*, xcb_window_t> windows[] = {
        {"reel window", reels}, {"glossary", glossary}, {"operating guide", guide}};
    for (const auto& [name, window] : windows) {
        const QImage shownIcon = x.icon(window, 32);
        QVERIFY2(!shownIcon.isNull(), qPrintable(QStringLiteral("the %1 has no 32 x 32 icon").arg(name)));
        for (int row = 0; row < 32; ++row)
            for (int col = 0; col < 32; ++col) {
                const QRgb a = shownIcon.pixel(col, row), b = icon.pixel(col, row);
                if (qAlpha(a) != qAlpha(b) || (qAlpha(a) != 0 && (a & 0xffffff) != (b & 0xffffff)))
                    QFAIL(qPrintable(QStringLiteral("the %1's icon differs at (%2, %3)").arg(name).arg(col).arg(row)));
            }
    }

    const QString errors = QString::fromUtf8(program.readAllStandardError());
    QVERIFY2(!errors.contains(QLatin1String("built-in strip")) && !errors.contains(QLatin1String(".bmp")),
             qPrintable(errors));
}

void TestInstall::debianPackage()
{
    const QString out = work_.filePath(QStringLiteral("package"));
    const Run cpack = run(QStringLiteral(CPACK_COMMAND),
                          {QStringLiteral("-G"), QStringLiteral("DEB"), QStringLiteral("--config"),
                           kBuildDir + QStringLiteral("/CPackConfig.cmake"), QStringLiteral("-B"), out});
    QVERIFY2(cpack.exitCode == 0, qPrintable(cpack.output + cpack.errors));
    const QStringList debs = QDir(out).entryList({QStringLiteral("*.deb")}, QDir::Files);
    QCOMPARE(debs.size(), 1);
    const QString deb = out + u'/' + debs.first();

    // Whatever the package needs or recommends must be a package that exists:
    // every name is one installed here, where the program was built and tested.
    const auto namesIn = [&deb](const QString& field) {
        const Run listed = run(QStringLiteral("dpkg-deb"), {QStringLiteral("-f"), deb, field});
        QStringList names;
        for (const QString& dependency : listed.output.split(u',', Qt::SkipEmptyParts))
            names << dependency.section(u'|', 0, 0).trimmed().section(u' ', 0, 0).section(u'(', 0, 0);
        return names;
    };
    const QStringList names = namesIn(QStringLiteral("Depends"));
    const QStringList recommended = namesIn(QStringLiteral("Recommends"));
    for (const QString& name : names + recommended) {
        const Run status = run(QStringLiteral("dpkg-query"), {QStringLiteral("-W"), QStringLiteral("-f=${Status}"), name});
        QVERIFY2(status.output.endsWith(QLatin1String("installed")), qPrintable(name + QStringLiteral(" is no package here")));
    }
    // The Qt Widgets libraries, the X11 platform plugin, which nothing links,
    // and the font the windows are set in.
    auto owner = [](const QString& file) {
        return run(QStringLiteral("dpkg-query"), {QStringLiteral("-S"), QFileInfo(file).canonicalFilePath()})
            .output.section(u':', 0, 0);
    };
    const QString widgets = owner(QStringLiteral(QT_WIDGETS_LIBRARY));
    const QString xcbPlugin =
        owner(QLibraryInfo::path(QLibraryInfo::PluginsPath) + QStringLiteral("/platforms/libqxcb.so"));
    for (const QString& needed : {widgets, xcbPlugin, QStringLiteral("fonts-ipafont-gothic")})
        QVERIFY2(!needed.isEmpty() && names.contains(needed), qPrintable(needed + QStringLiteral(" missing from ") + names.join(u',')));
    // Qt's Japanese texts, every language's catalogues in one package, are a
    // recommendation: without them Qt's own few texts stay English.
    const QString translations =
        owner(QLibraryInfo::path(QLibraryInfo::TranslationsPath) + QStringLiteral("/qtbase_ja.qm"));
    QVERIFY2(!translations.isEmpty() && recommended.contains(translations) && !names.contains(translations),
             qPrintable(translations + QStringLiteral(" not recommended alone: ") + recommended.join(u',')));

    const QString root = work_.filePath(QStringLiteral("deb-root"));
    QCOMPARE(run(QStringLiteral("dpkg-deb"), {QStringLiteral("-x"), deb, root}).exitCode, 0);
    for (const QString& file :
         {QStringLiteral("usr/games/kareto"), QStringLiteral("usr/share/kareto/pictures/r1.bmp"),
          QStringLiteral("usr/share/kareto/pictures/r2.bmp"), QStringLiteral("usr/share/kareto/pictures/r3.bmp"),
          QStringLiteral("usr/share/icons/hicolor/32x32/apps/kareto.png"),
          QStringLiteral("usr/share/icons/hicolor/48x48/apps/kareto.png"),
          QStringLiteral("usr/share/icons/hicolor/128x128/apps/kareto.png"),
          QStringLiteral("usr/share/icons/hicolor/scalable/apps/kareto.svg"),
          QStringLiteral("usr/share/metainfo/io.github.kareto.metainfo.xml"),
          QStringLiteral("usr/share/man/man6/kareto.6.gz"), QStringLiteral("usr/share/doc/kareto/copyright"),
          QStringLiteral("usr/share/doc/kareto/changelog.gz")})
        QVERIFY2(QFileInfo(root + u'/' + file).isFile(), qPrintable(file));
    // The entry names where the package puts things, not where CPack staged them.
    const QHash<QString, QString> entry = desktopEntry(root + QStringLiteral("/usr/share/applications/kareto.desktop"));
    QCOMPARE(entry.value(QStringLiteral("Exec")), QStringLiteral("kareto"));

    // Any tag lintian has, down to the pedantic ones, is a fault in the package;
    // a build without hardening (the sanitizer build's) is let off its tags.
    QStringList lint = {QStringLiteral("-I"), QStringLiteral("--pedantic"), deb};
    if (const QString unhardened = QStringLiteral(LINTIAN_SUPPRESSED_TAGS); !unhardened.isEmpty())
        lint << QStringLiteral("--suppress-tags") << unhardened;
    const Run lintian = run(QStringLiteral("lintian"), lint);
    QVERIFY2(lintian.exitCode == 0 && lintian.output.trimmed().isEmpty(),
             qPrintable(lintian.output + lintian.errors));
}

// Every file the install put in place goes, and so do the folders it made;
// folders that were there before stay.
void TestInstall::uninstallRemovesTheInstall()
{
    const Run uninstall = run(QStringLiteral(UNINSTALL_SCRIPT), {record_});
    QVERIFY2(uninstall.exitCode == 0, qPrintable(uninstall.output + uninstall.errors));
    QStringList left;
    QDirIterator entries(work_.path(), QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System);
    while (entries.hasNext())
        left << entries.next();
    // Only what the tests made themselves: the X server's runtime files.
    QVERIFY2(!left.contains(prefix_) && !left.contains(record_), qPrintable(left.join(u'\n')));
}

// A live install, then a staged one of the same prefix: the uninstall takes
// the staged files and leaves the live ones; a file changed since its install
// stops the uninstall before it removes anything.
void TestInstall::uninstallTakesTheLastInstallUnderItsDestdir()
{
    const QString live = work_.filePath(QStringLiteral("live"));
    const QString stage = work_.filePath(QStringLiteral("stage"));
    const QString record = work_.filePath(QStringLiteral("record-both.txt"));
    auto install = [&](const QString& destdir) {
        QProcess script;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("DESTDIR"), destdir);
        script.setProcessEnvironment(environment);
        script.start(QStringLiteral(INSTALL_SCRIPT), {kBuildDir, live, record});
        return script.waitForFinished(120000) && script.exitCode() == 0;
    };
    const QString program = QStringLiteral("/games/kareto");
    QVERIFY(install(QString()));
    QVERIFY(install(stage));
    QVERIFY(QFileInfo(stage + live + program).isFile());

    QFile manual(stage + live + QStringLiteral("/share/man/man6/kareto.6.gz"));
    QVERIFY(manual.open(QIODevice::Append));
    manual.write("changed");
    manual.close();
    const Run refused = run(QStringLiteral(UNINSTALL_SCRIPT), {record});
    QCOMPARE(refused.exitCode, 1);
    QVERIFY2(refused.errors.contains(QLatin1String("kareto.6.gz has changed")), qPrintable(refused.errors));
    QVERIFY(QFileInfo(stage + live + program).isFile());

    QVERIFY(install(stage));
    const Run uninstall = run(QStringLiteral(UNINSTALL_SCRIPT), {record});
    QVERIFY2(uninstall.exitCode == 0, qPrintable(uninstall.output + uninstall.errors));
    QVERIFY2(!QFileInfo::exists(stage), "the staging folder, made by the staged install, is left");
    QVERIFY(QFileInfo(live + program).isFile());
    QVERIFY(QFileInfo(live + QStringLiteral("/share/applications/kareto.desktop")).isFile());
}

// A packager's configure, without the tests: no line that reads like a fault.
void TestInstall::configureSaysNothingToQuery()
{
    const QString build = work_.filePath(QStringLiteral("configure"));
    const Run configure = run(QStringLiteral(CMAKE_COMMAND),
                              {QStringLiteral("-S"), QStringLiteral(SOURCE_DIR), QStringLiteral("-B"), build,
                               QStringLiteral("-DBUILD_TESTING=OFF")});
    QVERIFY2(configure.exitCode == 0, qPrintable(configure.output + configure.errors));
    QVERIFY2(!configure.output.contains(QLatin1String("Could NOT")), qPrintable(configure.output));
}

QTEST_GUILESS_MAIN(TestInstall)
#include "tst_install.moc"
