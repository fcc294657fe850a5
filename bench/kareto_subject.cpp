// The program under measurement: what main.cpp does, inside the probe, with
// a user's clicks on its own buttons and keys.
#include "app/program.h"
#include "bench/probe.h"
#include "ui/button.h"
#include "ui/look.h"
#include "ui/picture.h"
#include "windows/drill/drill_window.h"
#include "windows/notice_and_info/form4.h"
#include "windows/reel/riru.h"

#include <QLineEdit>
#include <QPushButton>
#include <QTest>


int main(int argc, char* argv[])
{
    bench::ProbedApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("kareto"));
    ui::useClassicLook();
    QApplication::setQuitOnLastWindowClosed(false);
    Program program([] { QCoreApplication::exit(0); });

    auto click = [](QWidget* button) { QTest::mouseClick(button, Qt::LeftButton); };
    bench::Subject subject;
    subject.firstWindow = program.notice();
    subject.pressOk = [&]() -> QWidget* {
        click(program.notice()->button("Command1"));
        return program.reelWindow();
    };
    subject.strips = [&]() -> std::array<QWidget*, 3> {
        Riru* reels = program.reelWindow();
        return {reels->picture("Image1"), reels->picture("Image2"), reels->picture("Image3")};
    };
    subject.stripTop = [](const QWidget* strip) { return qobject_cast<const ui::Picture*>(strip)->top(); };
    subject.spin = [&](int ms) {
        Riru* reels = program.reelWindow();
        reels->textBox("Text1")->setText(QString::number(ms));
        click(reels->button("cmstart"));
    };
    subject.stop = [&] {
        Riru* reels = program.reelWindow();
        for (const char* stop : {"r1stop", "r2stop", "r3stop"})
            click(reels->button(stop));
    };
    subject.openDrill = [&]() -> QWidget* {
        QTest::keyClick(program.reelWindow(), Qt::Key_F2);
        return program.window<DrillWindow>();
    };
    subject.drillPattern = [&] { return program.window<DrillWindow>()->findChild<QWidget*>(QStringLiteral("pattern")); };
    subject.answer = [&] { click(program.window<DrillWindow>()->findChild<QPushButton*>(QStringLiteral("answer_miss"))); };
    subject.nextPattern = [&] { click(program.window<DrillWindow>()->findChild<QPushButton*>(QStringLiteral("next"))); };
    return app.run(subject);
}
