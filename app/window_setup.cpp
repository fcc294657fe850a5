#include "app/window_setup.h"

#include "ui/message.h"
#include "ui/qt_translations.h"

#include <QApplication>

void setUpForWindows()
{
    ui::useJapaneseQtTexts();
    // Not the application's display name, which Qt would add to every window
    // title, the reel window's empty one too.
    ui::setProgramName(QStringLiteral("カレト職人養成マシーン"));
    // The program ends by its own quit button or close box, not because no
    // window happens to be showing between the notice and the reel window.
    QApplication::setQuitOnLastWindowClosed(false);
}
