#include "ui/look.h"

#include "ui/fonts.h"

#include <QApplication>
#include <QStyle>
#include <QStyleFactory>

namespace ui {

void useClassicLook()
{
    QStyle* style = QStyleFactory::create(QStringLiteral("Windows"));
    QApplication::setStyle(style);
    QApplication::setPalette(style->standardPalette());
    installFaceSubstitutes();
}

}  // namespace ui
