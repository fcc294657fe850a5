// The yardstick: a bare Qt Widgets program, one dialog with a line of text
// and an OK button. For the spinning figures the same dialog moves three strip
// pictures a cell per tick of precise timers, the plainest way Qt offers.
#include "bench/probe.h"

#include <QDialog>
#include <QLabel>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

int main(int argc, char* argv[])
{
    bench::ProbedApplication app(argc, argv);
    QDialog dialog;
    auto* layout = new QVBoxLayout(&dialog);
    layout->addWidget(new QLabel(QStringLiteral("A bare Qt Widgets dialog."), &dialog));
    auto* ok = new QPushButton(QStringLiteral("OK"), &dialog);
    layout->addWidget(ok);
    QObject::connect(ok, &QPushButton::clicked, &app, &QCoreApplication::quit);
    dialog.show();

    std::array<QLabel*, 3> strips{};
    std::array<QTimer, 3> timers;
    bench::Subject subject;
    subject.firstWindow = &dialog;
    subject.strips = [&]() -> std::array<QWidget*, 3> {
        delete dialog.layout();
        dialog.setFixedSize(677, 425);
        for (int i = 0; i < 3; ++i) {
            strips[i] = new QLabel(&dialog);
            strips[i]->setPixmap(QPixmap(QStringLiteral("r%1.bmp").arg(i + 1)));
            strips[i]->setGeometry(104 + 112 * i, -1312, 100, 1660);
            strips[i]->show();
            timers[i].setTimerType(Qt::PreciseTimer);
            QObject::connect(&timers[i], &QTimer::timeout, strips[i], [label = strips[i]] {
                label->move(label->x(), label->y() < -63 ? label->y() + 63 : -1312);
            });
        }
        return {strips[0], strips[1], strips[2]};
    };
    subject.stripTop = [](const QWidget* strip) { return double(strip->y()); };
    subject.spin = [&](int ms) {
        for (QTimer& timer : timers)
            timer.start(ms);
    };
    subject.stop = [&] {
        for (QTimer& timer : timers)
            timer.stop();
    };
    return app.run(subject);
}
