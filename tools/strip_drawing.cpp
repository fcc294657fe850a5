#include "tools/strip_drawing.h"

#include <QFont>
#include <QFontInfo>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPainterPathStroker>
#include <QPolygonF>
#include <QRadialGradient>
#include <QTransform>

#include <array>
#include <cmath>
#include <numbers>

namespace strip_pictures {

namespace {

const QString kGlyphFamily = QStringLiteral("IPAPGothic");

// Dark outlines around every shape give the symbols their arcade look and keep
// them readable at reel speed.
const QColor kInk(0x2a, 0x10, 0x28);

// Text as an outline, scaled to fill `target` and centred in it. Outlines
// rather than drawn text: they come straight from the font file, free of
// hinting and of the platform's text rendering.
QPainterPath glyphPath(const QString& text, const QRectF& target)
{
    QFont font(kGlyphFamily);
    font.setPixelSize(100);
    QPainterPath path;
    path.addText(0, 0, font, text);
    const QRectF bounds = path.boundingRect();
    const double scale = std::min(target.width() / bounds.width(), target.height() / bounds.height());
    QTransform t;
    t.translate(target.center().x(), target.center().y());
    t.scale(scale, scale);
    t.translate(-bounds.center().x(), -bounds.center().y());
    return t.map(path);
}

// A path thickened all round by `width` / 2: the font has no bold face.
QPainterPath emboldened(const QPainterPath& path, double width)
{
    QPainterPathStroker stroker;
    stroker.setWidth(width);
    stroker.setJoinStyle(Qt::RoundJoin);
    stroker.setCapStyle(Qt::RoundCap);
    return path.united(stroker.createStroke(path)).simplified();
}

void outline(QPainter& p, const QPainterPath& path, double width = 1.6, const QColor& color = kInk)
{
    p.strokePath(path, QPen(color, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
}

// A solid block with depth: the face swept down and to the right.
void extrude(QPainter& p, const QPainterPath& face, QPointF depth, const QColor& side)
{
    constexpr int kSteps = 12;
    for (int i = kSteps; i >= 1; --i) {
        const QPainterPath layer = face.translated(depth * (double(i) / kSteps));
        p.fillPath(layer, side);
        if (i == kSteps)
            outline(p, layer);
    }
}

// A white sheen over the upper part of a shape, clipped to it.
void gloss(QPainter& p, const QPainterPath& shape, const QRectF& ellipse, int alpha)
{
    p.save();
    p.setClipPath(shape, Qt::IntersectClip);
    QLinearGradient g(ellipse.topLeft(), ellipse.bottomLeft());
    g.setColorAt(0, QColor(255, 255, 255, alpha));
    g.setColorAt(1, QColor(255, 255, 255, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(g);
    p.drawEllipse(ellipse);
    p.restore();
}

void drawSeven(QPainter& p)
{
    const QPainterPath flat = emboldened(glyphPath(QStringLiteral("七"), QRectF(9, 2, 68, 46)), 5.0);
    // Lean the glyph back, its top narrower than its foot, as a solid seen from below.
    const QRectF b = flat.boundingRect();
    QTransform lean;
    QTransform::quadToQuad(QPolygonF(b),
                           QPolygonF({b.topLeft() + QPointF(7, 0), b.topRight() - QPointF(7, 0), b.bottomRight(),
                                      b.bottomLeft(), b.topLeft() + QPointF(7, 0)}),
                           lean);
    const QPainterPath face = lean.map(flat);
    extrude(p, face, QPointF(5, 6), QColor(0xb0, 0x1a, 0x6c));

    QLinearGradient body(b.topLeft(), b.bottomLeft());
    body.setColorAt(0.0, QColor(0xff, 0xc4, 0xe4));
    body.setColorAt(0.45, QColor(0xff, 0x5c, 0xb4));
    body.setColorAt(1.0, QColor(0xe8, 0x1e, 0x8c));
    p.fillPath(face, body);
    gloss(p, face, QRectF(b.left() - 10, b.top() - 14, b.width() + 20, b.height() * 0.8), 200);
    outline(p, face);
}

void drawBar(QPainter& p)
{
    const QRectF plate(3, 5, 84, 46);
    QPainterPath platePath;
    platePath.addRoundedRect(plate, 5, 5);
    p.fillPath(platePath, Qt::black);
    outline(p, platePath, 2.0, QColor(0x60, 0x60, 0x60));

    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0xff, 0x4c, 0xac));
    for (double y : {plate.top() + 6.5, plate.bottom() - 6.5})
        for (double x = plate.left() + 8; x <= plate.right() - 7; x += 5.5)
            p.drawEllipse(QPointF(x, y), 1.7, 1.7);

    const QPainterPath word = emboldened(glyphPath(QStringLiteral("BAR"), QRectF(12, 16, 66, 24)), 2.0);
    p.fillPath(word, Qt::white);
}

void drawIce(QPainter& p)
{
    // The shaved-ice mound: white snow on top, green syrup soaked in below.
    QPainterPath mound;
    mound.moveTo(5, 54);
    mound.cubicTo(8, 40, 22, 26, 45, 25);
    mound.cubicTo(68, 26, 82, 40, 85, 54);
    mound.closeSubpath();
    p.fillPath(mound, Qt::white);
    p.save();
    p.setClipPath(mound);
    QPainterPath syrup;
    syrup.moveTo(0, 56);
    syrup.lineTo(0, 40);
    for (int i = 0; i < 6; ++i) {
        const double x = 15.0 * i;
        syrup.cubicTo(x + 4, 36, x + 8, 48, x + 15, 38 + (i % 2) * 3);
    }
    syrup.lineTo(90, 56);
    syrup.closeSubpath();
    QLinearGradient green(0, 36, 0, 56);
    green.setColorAt(0, QColor(0x5c, 0xe0, 0x6a));
    green.setColorAt(1, QColor(0x12, 0x9a, 0x34));
    p.fillPath(syrup, green);
    p.restore();
    outline(p, mound, 1.6, QColor(0x10, 0x5a, 0x20));

    const QPainterPath glyph = emboldened(glyphPath(QStringLiteral("氷"), QRectF(23, 1, 44, 41)), 3.4);
    p.strokePath(glyph, QPen(Qt::white, 4.0, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    QLinearGradient pink(0, 1, 0, 41);
    pink.setColorAt(0, QColor(0xff, 0x8c, 0xcc));
    pink.setColorAt(1, QColor(0xf0, 0x2a, 0x96));
    p.fillPath(glyph, pink);
    outline(p, glyph, 1.2);
}

void drawChime(QPainter& p)
{
    // Seen from below: the dome above, the open mouth as an ellipse under it.
    const QRectF mouth(19, 22, 52, 15);
    QPainterPath dome;
    dome.moveTo(mouth.left(), mouth.center().y());
    dome.cubicTo(mouth.left(), 0, mouth.right(), 0, mouth.right(), mouth.center().y());
    dome.arcTo(mouth, 0, -180);
    dome.closeSubpath();
    QLinearGradient yellow(mouth.left(), 0, mouth.right(), 0);
    yellow.setColorAt(0, QColor(0xff, 0xf6, 0x9a));
    yellow.setColorAt(0.5, QColor(0xff, 0xde, 0x1a));
    yellow.setColorAt(1, QColor(0xe0, 0xa8, 0x00));
    p.fillPath(dome, yellow);
    // A painted band round the dome.
    p.save();
    p.setClipPath(dome);
    p.setPen(QPen(QColor(0xff, 0x6a, 0x1a), 2.4));
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(mouth.left() - 2, 13, mouth.width() + 4, 12), 0, 180 * 16);
    p.restore();
    gloss(p, dome, QRectF(30, 4, 16, 14), 230);
    outline(p, dome);

    QPainterPath inside;
    inside.addEllipse(mouth.adjusted(3, 2.5, -3, -2.5));
    QRadialGradient shade(mouth.center(), mouth.width() / 2);
    shade.setColorAt(0, QColor(0x7a, 0x4a, 0x00));
    shade.setColorAt(1, QColor(0xc8, 0x8a, 0x00));
    p.fillPath(inside, shade);
    outline(p, inside, 1.0);

    // The hook on top and the string down through the mouth to the paper strip.
    p.setPen(QPen(kInk, 1.6));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(QPointF(45, 4), 2.5, 2.5);
    p.drawLine(QPointF(45, mouth.center().y()), QPointF(45, 40));
    p.setBrush(QColor(0xd0, 0x30, 0x30));
    p.drawEllipse(QPointF(45, mouth.center().y() + 1), 2.2, 2.2);

    p.save();
    p.translate(45, 39);
    p.rotate(-7);
    QPainterPath paper;
    paper.addRect(QRectF(-6, 0, 12, 16));
    QLinearGradient leafGreen(-6, 0, 6, 0);
    leafGreen.setColorAt(0, QColor(0x7c, 0xe8, 0x6e));
    leafGreen.setColorAt(1, QColor(0x1c, 0xa8, 0x3c));
    p.fillPath(paper, leafGreen);
    outline(p, paper, 1.4);
    p.restore();
}

QPainterPath leafShape(QPointF base, QPointF tip, double width)
{
    const QPointF along = tip - base;
    const QPointF across(-along.y() * width, along.x() * width);
    QPainterPath leaf;
    leaf.moveTo(base);
    leaf.cubicTo(base + along * 0.25 + across, base + along * 0.75 + across, tip);
    leaf.cubicTo(base + along * 0.75 - across, base + along * 0.25 - across, base);
    return leaf;
}

void drawCherry(QPainter& p)
{
    const QPointF joint(52, 6);
    const QPainterPath leaf = leafShape(joint, QPointF(84, 18), 0.42);
    QLinearGradient leafGreen(joint, QPointF(84, 18));
    leafGreen.setColorAt(0, QColor(0x1e, 0xa0, 0x3a));
    leafGreen.setColorAt(1, QColor(0x78, 0xe0, 0x5a));
    p.fillPath(leaf, leafGreen);
    outline(p, leaf);
    p.setPen(QPen(QColor(0x10, 0x60, 0x20), 1.2));
    p.drawLine(joint, QPointF(80, 17));

    const std::array<QPointF, 2> centres = {QPointF(29, 41), QPointF(60, 42)};
    constexpr double r = 12.5;
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(0x3c, 0x7a, 0x1a), 2.6, Qt::SolidLine, Qt::RoundCap));
    for (QPointF c : centres) {
        QPainterPath stem;
        stem.moveTo(joint);
        stem.quadTo(QPointF((joint.x() + c.x()) / 2 - 4, joint.y() + 6), c - QPointF(0, r - 2));
        p.drawPath(stem);
    }

    for (QPointF c : centres) {
        QPainterPath fruit;
        fruit.addEllipse(c, r, r);
        QRadialGradient g(c - QPointF(4, 5), r * 1.5);
        g.setColorAt(0, QColor(0xff, 0xc8, 0xe6));
        g.setColorAt(0.35, QColor(0xff, 0x48, 0xa8));
        g.setColorAt(1, QColor(0xb4, 0x08, 0x5e));
        p.fillPath(fruit, g);
        outline(p, fruit);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(255, 255, 255, 220));
        p.drawEllipse(c - QPointF(5, 5.5), 3.2, 2.2);
    }
}

void drawReplay(QPainter& p)
{
    // A folding fan opened upwards; its ribs gather at the black base.
    const QPointF pivot(45, 51);
    constexpr double outer = 44;
    constexpr double inner = 16;
    constexpr double from = 12;   // degrees, counter-clockwise from the right
    constexpr double to = 168;
    constexpr int kPleats = 8;
    const QRectF outerRect(pivot - QPointF(outer, outer), pivot + QPointF(outer, outer));
    const QRectF innerRect(pivot - QPointF(inner, inner), pivot + QPointF(inner, inner));
    auto at = [&](double radius, double degrees) {
        const double a = degrees * std::numbers::pi / 180;
        return pivot + QPointF(std::cos(a), -std::sin(a)) * radius;
    };

    const double step = (to - from) / kPleats;
    for (int i = 0; i < kPleats; ++i) {
        const double a = from + step * i;
        QPainterPath pleat;
        pleat.moveTo(at(inner, a));
        pleat.arcTo(outerRect, a, 0);
        pleat.arcTo(outerRect, a, step);
        pleat.arcTo(innerRect, a + step, -step);
        pleat.closeSubpath();
        QRadialGradient g(pivot, outer);
        const bool light = i % 2 == 0;
        g.setColorAt(0.3, light ? QColor(0x9c, 0xd0, 0xff) : QColor(0x6c, 0xa8, 0xff));
        g.setColorAt(1.0, light ? QColor(0x1c, 0x6c, 0xf0) : QColor(0x10, 0x48, 0xc8));
        p.fillPath(pleat, g);
    }
    QPainterPath canopy;
    canopy.moveTo(at(inner, from));
    canopy.arcTo(outerRect, from, 0);
    canopy.arcTo(outerRect, from, to - from);
    canopy.arcTo(innerRect, to, from - to);
    canopy.closeSubpath();
    outline(p, canopy, 1.8, QColor(0x0a, 0x1e, 0x60));

    p.setPen(QPen(Qt::black, 1.8, Qt::SolidLine, Qt::RoundCap));
    for (int i = 0; i <= kPleats; ++i) {
        const double a = from + step * i;
        p.drawLine(pivot, at(i == 0 || i == kPleats ? outer : inner + 3, a));
    }
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::black);
    p.drawPie(QRectF(pivot - QPointF(9, 9), pivot + QPointF(9, 9)), 0, 180 * 16);
    p.setBrush(QColor(0xc0, 0xc0, 0xc0));
    p.drawEllipse(pivot - QPointF(0, 3), 1.8, 1.8);
}

QPainterPath roundedBar(QPointF base, double length, double width, double degrees)
{
    QPainterPath bar;
    bar.addRoundedRect(QRectF(-width / 2, -length, width, length + width / 2), width / 2, width / 2);
    QTransform t;
    t.translate(base.x(), base.y());
    t.rotate(degrees);
    return t.map(bar);
}

void drawVSign(QPainter& p)
{
    // A violet-blue star behind the hand.
    const QPointF centre(45, 28);
    QPolygonF star;
    for (int i = 0; i < 16; ++i) {
        const double a = i * std::numbers::pi / 8 - std::numbers::pi / 2;
        const double r = i % 2 == 0 ? 27 : 16.5;
        star << centre + QPointF(std::cos(a) * r * 1.25, std::sin(a) * r);
    }
    QPainterPath starPath;
    starPath.addPolygon(star);
    starPath.closeSubpath();
    QRadialGradient violet(centre, 30);
    violet.setColorAt(0, QColor(0xa8, 0x8c, 0xff));
    violet.setColorAt(1, QColor(0x48, 0x2c, 0xd8));
    p.fillPath(starPath, violet);
    outline(p, starPath, 1.4, QColor(0x22, 0x10, 0x70));

    const QColor skin(0xff, 0xd4, 0xa8);
    const QColor skinInk(0x8a, 0x42, 0x18);
    QPainterPath hand;
    hand.addRoundedRect(QRectF(33, 28, 25, 25), 8, 8);
    hand = hand.united(roundedBar(QPointF(39, 33), 27, 9.5, -22));   // index finger
    hand = hand.united(roundedBar(QPointF(52, 33), 27, 9.5, 22));    // middle finger
    hand = hand.simplified();
    QLinearGradient shade(33, 0, 60, 0);
    shade.setColorAt(0, skin.lighter(106));
    shade.setColorAt(1, QColor(0xf0, 0xb0, 0x80));
    p.fillPath(hand, shade);
    outline(p, hand, 1.5, skinInk);

    // The two folded fingers and the thumb laid across them.
    p.setPen(QPen(skinInk, 1.3, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(skin);
    p.drawRoundedRect(QRectF(46, 33, 12, 8), 4, 4);
    p.drawRoundedRect(QRectF(46, 40, 11, 7.5), 3.75, 3.75);
    QPainterPath thumb = roundedBar(QPointF(34, 49), 19, 8.5, 62);
    p.fillPath(thumb, skin);
    outline(p, thumb, 1.3, skinInk);
}

using SymbolPainter = void (*)(QPainter&);

// In the order of the Symbol enumeration.
constexpr std::array<SymbolPainter, 7> kSymbolPainters = {
    drawSeven, drawBar, drawIce, drawChime, drawCherry, drawReplay, drawVSign,
};

}  // namespace

QRect symbolBox(int k)
{
    const int top = static_cast<int>(std::lround(k * kCellHeight + (kCellHeight - kSymbolHeight) / 2));
    return QRect((kWidth - kSymbolWidth) / 2, top, kSymbolWidth, kSymbolHeight);
}

QString fileName(reel::Reel reel)
{
    return QStringLiteral("r%1.bmp").arg(static_cast<int>(reel) + 1);
}

bool haveGlyphFont()
{
    return QFontInfo(QFont(kGlyphFamily)).family() == kGlyphFamily;
}

QImage drawSymbol(Symbol symbol)
{
    QImage image(kSymbolWidth, kSymbolHeight, QImage::Format_RGB888);
    image.fill(Qt::white);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    kSymbolPainters[static_cast<int>(symbol)](p);
    return image;
}

QImage drawStrip(reel::Reel reel)
{
    // Each symbol is drawn once and stamped into its cells: drawn in place,
    // gradients round differently from row to row and the repeats would not match.
    std::array<QImage, kSymbolPainters.size()> stamps;
    for (std::size_t i = 0; i < stamps.size(); ++i)
        stamps[i] = drawSymbol(static_cast<Symbol>(i));

    QImage image(kWidth, kHeight, QImage::Format_RGB888);
    image.fill(Qt::white);
    QPainter p(&image);
    for (int k = 0; k < kStripCells; ++k)
        p.drawImage(symbolBox(k).topLeft(), stamps[static_cast<int>(reel::symbolOf(reel, reelCellAt(k)))]);
    return image;
}

QImage drawIcon(int size)
{
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(size / 32.0, size / 32.0);

    // The cabinet: a red and gold frame round one reel window.
    QPainterPath cabinet;
    cabinet.addRoundedRect(QRectF(0.5, 0.5, 31, 31), 5, 5);
    QLinearGradient red(0, 0, 0, 32);
    red.setColorAt(0, QColor(0xe8, 0x20, 0x20));
    red.setColorAt(1, QColor(0x80, 0x00, 0x10));
    p.fillPath(cabinet, red);
    p.strokePath(cabinet, QPen(QColor(0x30, 0x00, 0x08), 1));

    const QRectF window(4, 5, 24, 22);
    QPainterPath windowPath;
    windowPath.addRoundedRect(window, 2, 2);
    p.strokePath(windowPath, QPen(QColor(0xff, 0xc8, 0x20), 2));
    // The reel curves away at top and bottom.
    QLinearGradient drum(0, window.top(), 0, window.bottom());
    drum.setColorAt(0, QColor(0x90, 0x90, 0x98));
    drum.setColorAt(0.22, Qt::white);
    drum.setColorAt(0.78, Qt::white);
    drum.setColorAt(1, QColor(0x90, 0x90, 0x98));
    p.fillPath(windowPath, drum);

    const QPainterPath seven = emboldened(glyphPath(QStringLiteral("七"), window.adjusted(3.5, 3, -3.5, -3)), 2.2);
    p.fillPath(seven, QColor(0xe0, 0x00, 0x18));
    p.strokePath(seven, QPen(QColor(0x60, 0x00, 0x08), 0.6));

    // The pay line across the window.
    p.setPen(QPen(QColor(0xff, 0xc8, 0x20), 1));
    p.drawLine(QPointF(1, 16), QPointF(3.2, 16));
    p.drawLine(QPointF(28.8, 16), QPointF(31, 16));
    p.end();
    return image;
}

namespace {

QString svgPathData(const QPainterPath& path)
{
    QString data;
    auto point = [](const QPainterPath::Element& e) { return QStringLiteral("%1 %2").arg(e.x, 0, 'f', 3).arg(e.y, 0, 'f', 3); };
    for (int i = 0; i < path.elementCount(); ++i) {
        const QPainterPath::Element e = path.elementAt(i);
        if (e.isMoveTo()) {
            data += QStringLiteral("M") + point(e);
        } else if (e.isLineTo()) {
            data += QStringLiteral("L") + point(e);
        } else if (e.isCurveTo()) {
            data += QStringLiteral("C") + point(e) + u' ' + point(path.elementAt(i + 1)) + u' ' + point(path.elementAt(i + 2));
            i += 2;
        }
    }
    return data;
}

}  // namespace

QByteArray drawIconSvg()
{
    // The same drawing as drawIcon, on the 32-unit grid; the seven is a path,
    // so the picture needs no font where it is shown.
    const QRectF window(4, 5, 24, 22);
    const QPainterPath seven = emboldened(glyphPath(QStringLiteral("七"), window.adjusted(3.5, 3, -3.5, -3)), 2.2);
    const QString svg = QStringLiteral(
        "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"32\" height=\"32\" viewBox=\"0 0 32 32\">\n"
        "<defs>\n"
        "<linearGradient id=\"red\" x1=\"0\" y1=\"0\" x2=\"0\" y2=\"32\" gradientUnits=\"userSpaceOnUse\">"
        "<stop offset=\"0\" stop-color=\"#e82020\"/><stop offset=\"1\" stop-color=\"#800010\"/></linearGradient>\n"
        "<linearGradient id=\"drum\" x1=\"0\" y1=\"5\" x2=\"0\" y2=\"27\" gradientUnits=\"userSpaceOnUse\">"
        "<stop offset=\"0\" stop-color=\"#909098\"/><stop offset=\"0.22\" stop-color=\"#ffffff\"/>"
        "<stop offset=\"0.78\" stop-color=\"#ffffff\"/><stop offset=\"1\" stop-color=\"#909098\"/></linearGradient>\n"
        "</defs>\n"
        "<rect x=\"0.5\" y=\"0.5\" width=\"31\" height=\"31\" rx=\"5\" fill=\"url(#red)\" stroke=\"#300008\"/>\n"
        "<rect x=\"4\" y=\"5\" width=\"24\" height=\"22\" rx=\"2\" fill=\"none\" stroke=\"#ffc820\" stroke-width=\"2\"/>\n"
        "<rect x=\"4\" y=\"5\" width=\"24\" height=\"22\" rx=\"2\" fill=\"url(#drum)\"/>\n"
        "<path d=\"%1\" fill=\"#e00018\" stroke=\"#600008\" stroke-width=\"0.6\" fill-rule=\"%2\"/>\n"
        "<path d=\"M1 16L3.2 16M28.8 16L31 16\" stroke=\"#ffc820\"/>\n"
        "</svg>\n")
        .arg(svgPathData(seven), seven.fillRule() == Qt::WindingFill ? QStringLiteral("nonzero") : QStringLiteral("evenodd"));
    return svg.toUtf8();
}

QImage drawIcon16(int size)
{
    const QList<QRgb> table = {
        qRgba(0, 0, 0, 0),    qRgb(0x30, 0x00, 0x08), qRgb(0x60, 0x00, 0x08), qRgb(0x80, 0x00, 0x10),
        qRgb(0xb0, 0x10, 0x18), qRgb(0xe0, 0x00, 0x18), qRgb(0xe8, 0x20, 0x20), qRgb(0xf0, 0x80, 0x88),
        qRgb(0xff, 0xc8, 0x20), qRgb(0xb0, 0x80, 0x10), qRgb(0xff, 0xff, 0xff), qRgb(0xd8, 0xd8, 0xdc),
        qRgb(0xb0, 0xb0, 0xb8), qRgb(0x90, 0x90, 0x98), qRgb(0xf8, 0xc0, 0xc8), qRgb(0x40, 0x40, 0x40),
    };
    return drawIcon(size).convertToFormat(QImage::Format_ARGB32).convertToFormat(QImage::Format_Indexed8, table,
                                                                                 Qt::ThresholdDither);
}

}  // namespace strip_pictures
