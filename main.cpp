#include <QApplication>
#include <QLabel>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QLabel placeholder(QStringLiteral("カレト職人養成マシーン"));
    placeholder.show();
    return app.exec();
}
