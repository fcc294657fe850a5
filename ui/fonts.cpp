#include "ui/fonts.h"

#include "ui/twips.h"

#include <QStringList>

#include <cmath>

namespace ui {

namespace {

// The face a control gets when its table gives no size: the system's small
// default, at 9 points.
constexpr Font kDefaultFont = regular(9);

}  // namespace

void installFaceSubstitutes()
{
    QFont::insertSubstitutions(QString::fromUtf8(kDesignFace),
                               QStringList({QStringLiteral("MS PGothic"), QStringLiteral("IPAPGothic"),
                                QStringLiteral("Noto Sans CJK JP")}));
}

QFont designFont(const Font& font)
{
    const Font& used = font.points > 0 ? font : kDefaultFont;
    QFont qfont(QString::fromUtf8(kDesignFace));
    qfont.setPixelSize(static_cast<int>(std::lround(used.points * 96 / 72)));
    qfont.setWeight(static_cast<QFont::Weight>(used.weight));
    qfont.setWordSpacing(double(font.wordSpacing) / kTwipsPerPixel);
    return qfont;
}

}  // namespace ui
