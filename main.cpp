#include "program.h"
#include "ui/look.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    // Names the data folder the drill keeps its progress in.
    QCoreApplication::setApplicationName(QStringLiteral("kareto"));
    ui::useClassicLook();
    // The program ends by its own quit button or close box, not because no
    // window happens to be showing between the notice and the reel window.
    QApplication::setQuitOnLastWindowClosed(false);
    Program program([] { QCoreApplication::exit(0); });
    return QApplication::exec();
}
