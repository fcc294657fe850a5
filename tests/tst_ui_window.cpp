#include "ui/button.h"
#include "ui/control.h"
#include "ui/message.h"
#include "ui/qt_translations.h"
#include "ui/window.h"

#include <QApplication>
#include <QLabel>
#include <QMessageBox>
#include <QProcess>
#include <QTest>

#include <array>

namespace {

constexpr ui::Control kControls[] = {
    {"Command1", ui::Kind::PushButton, "OK", 120, 120, 1200, 495},
    {"Label1", ui::Kind::TextLabel, "text", 120, 720, 1200, 255},
};

constexpr ui::WindowDesign design(std::string_view icon)
{
    return {.name = "Small", .title = "", .frame = ui::Frame::FixedDialog, .clientWidth = 1500,
            .clientHeight = 1200, .centred = false, .icon = icon, .controls = kControls, .tabOrder = {},
            .focusOnOpening = {}};
}

// Faults of a program's own tables and handlers, each committed in a child
// process, which is to stop with the message given.
struct DesignFault {
    const char* name;
    const char* message;
    void (*commit)();
};

const DesignFault kFaults[] = {
    {"misspelt control", "Window Small has no control named Comand1",
     [] { ui::Window(design({})).button("Comand1"); }},
    {"control of another kind", "Control Label1 of window Small is no button",
     [] { ui::Window(design({})).button("Label1"); }},
    {"icon not built in", "Window Small: its icon :/nowhere/icon.png cannot be loaded",
     [] { ui::Window window(design(":/nowhere/icon.png")); }},
};

constexpr const char* kFaultVariable = "KARETO_DESIGN_FAULT";

}  // namespace

// What the windowing layer does with a window's table beyond its looks.
class TestUiWindow : public QObject {
    Q_OBJECT

private slots:
    void designFaultsStopTheProgram_data()
    {
        QTest::addColumn<QString>("fault");
        QTest::addColumn<QString>("message");
        for (const DesignFault& fault : kFaults)
            QTest::newRow(fault.name) << QString::fromUtf8(fault.name) << QString::fromUtf8(fault.message);
    }

    void designFaultsStopTheProgram()
    {
        QFETCH(QString, fault);
        QFETCH(QString, message);
        QProcess child;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QString::fromUtf8(kFaultVariable), fault);
        child.setProcessEnvironment(environment);
        child.start(QCoreApplication::applicationFilePath(), {});
        QVERIFY(child.waitForFinished(30000));
        QCOMPARE(child.exitStatus(), QProcess::CrashExit);
        const QString errors = QString::fromUtf8(child.readAllStandardError());
        QVERIFY2(errors.contains(message), qPrintable(errors));
    }

    // Qt's dialogs speak the program's language: standard buttons and the file dialog.
    void qtTextsAreJapanese()
    {
        ui::useJapaneseQtTexts();
        QMessageBox question(QMessageBox::Question, QString(), QString(), QMessageBox::Yes | QMessageBox::No);
        QCOMPARE(question.button(QMessageBox::Yes)->text(), QStringLiteral("はい(&Y)"));
        QCOMPARE(question.button(QMessageBox::No)->text(), QStringLiteral("いいえ(&N)"));
        QCOMPARE(QCoreApplication::translate("QFileDialog", "File &name:"), QStringLiteral("ファイル名(&N):"));
    }

    // Work put off until the first frame runs once that frame is on the
    // screen, after every control of it is painted, and never again.
    void afterFirstFrameRunsOnceTheFrameIsUp()
    {
        ui::Window window(design({}));
        int runs = 0;
        bool labelPainted = false;
        struct PaintSeen : QObject {
            bool* seen;
            explicit PaintSeen(bool* s) : seen(s) {}
            bool eventFilter(QObject*, QEvent* event) override
            {
                *seen |= event->type() == QEvent::Paint;
                return false;
            }
        } paintSeen(&labelPainted);
        window.label("Label1")->installEventFilter(&paintSeen);
        window.afterFirstFrame([&] {
            QVERIFY(labelPainted);
            ++runs;
        });
        QCoreApplication::processEvents();
        QCOMPARE(runs, 0);  // not shown: no frame
        window.open();
        QTRY_COMPARE(runs, 1);
        window.repaint();
        window.hide();
        window.open();
        QTest::qWait(50);
        QCOMPARE(runs, 1);
    }

    void refusalBoxCarriesTheProgramName()
    {
        ui::Window window(design({}));
        ui::setProgramName(QStringLiteral("カレト職人養成マシーン"));
        ui::showRefusal(&window, QStringLiteral("why"));
        auto* refusal = window.findChild<QMessageBox*>(QStringLiteral("refusal"));
        QVERIFY(refusal);
        QCOMPARE(refusal->windowTitle(), QStringLiteral("カレト職人養成マシーン"));
        QCOMPARE(refusal->text(), QStringLiteral("why"));
        QCOMPARE(refusal->windowModality(), Qt::WindowModal);
    }
};

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    if (const QByteArray fault = qgetenv(kFaultVariable); !fault.isEmpty()) {
        for (const DesignFault& known : kFaults)
            if (fault == known.name)
                known.commit();
        return 0;  // the fault went unnoticed
    }
    TestUiWindow test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_ui_window.moc"
