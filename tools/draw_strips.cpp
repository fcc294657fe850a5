// Draws the three reel-strip pictures and the window icon into a folder:
//     draw_strips <folder>
#include "tools/strip_drawing.h"

#include <QDir>
#include <QFile>
#include <QGuiApplication>

#include <cstdio>

int main(int argc, char* argv[])
{
    // Everything is drawn into images; no display is wanted, and none should
    // change what comes out.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);

    const QStringList args = app.arguments();
    if (args.size() != 2) {
        std::fprintf(stderr, "usage: draw_strips <folder>\n");
        return 2;
    }
    if (!strip_pictures::haveGlyphFont()) {
        std::fprintf(stderr, "draw_strips: the IPAPGothic font is missing (fonts-ipafont-gothic)\n");
        return 1;
    }
    const QDir dir(args[1]);
    if (!dir.mkpath(QStringLiteral("."))) {
        std::fprintf(stderr, "draw_strips: cannot make %s\n", qPrintable(args[1]));
        return 1;
    }

    bool ok = true;
    auto save = [&](const QImage& image, const QString& name, const char* format) {
        const QString path = dir.filePath(name);
        if (!image.save(path, format)) {
            std::fprintf(stderr, "draw_strips: cannot write %s\n", qPrintable(path));
            ok = false;
        }
    };
    for (reel::Reel r : {reel::Left, reel::Center, reel::Right})
        save(strip_pictures::drawStrip(r), strip_pictures::fileName(r), "BMP");
    save(strip_pictures::drawIcon16(32), QStringLiteral("kareto-32.png"), "PNG");
    save(strip_pictures::drawIcon(48), QStringLiteral("kareto-48.png"), "PNG");
    save(strip_pictures::drawIcon(128), QStringLiteral("kareto-128.png"), "PNG");
    QFile svg(dir.filePath(QStringLiteral("kareto.svg")));
    if (!svg.open(QIODevice::WriteOnly) || svg.write(strip_pictures::drawIconSvg()) < 0 || !svg.flush()) {
        std::fprintf(stderr, "draw_strips: cannot write %s\n", qPrintable(svg.fileName()));
        ok = false;
    }
    return ok ? 0 : 1;
}
