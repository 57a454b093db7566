// SPDX-License-Identifier: GPL-3.0-or-later
// render-icon SVG SIZE PNG: draws the program's icon drawing (square) as a
// SIZE x SIZE PNG picture with a transparent ground, for the icon theme's
// fixed sizes. Run by the build; the same input gives the same bytes.
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>

#include <cstdio>

int main(int argc, char* argv[])
{
    // A picture painted in memory needs no application object, so no display either.
    QStringList args;
    for (int i = 0; i < argc; ++i)
        args.append(QString::fromLocal8Bit(argv[i]));
    bool sizeRead = false;
    const int size = args.size() == 4 ? args[2].toInt(&sizeRead) : 0;
    if (!sizeRead || size < 1 || size > 1024) {
        std::fputs("usage: render-icon SVG SIZE PNG\n", stderr);
        return 2;
    }
    QSvgRenderer svg(args[1]);
    if (!svg.isValid()) {
        std::fprintf(stderr, "render-icon: cannot read %s\n", qPrintable(args[1]));
        return 1;
    }
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    svg.render(&painter, QRectF(0, 0, size, size));
    painter.end();
    if (!image.save(args[3], "PNG")) {
        std::fprintf(stderr, "render-icon: cannot write %s\n", qPrintable(args[3]));
        return 1;
    }
    return 0;
}
