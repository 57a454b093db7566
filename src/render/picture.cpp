// SPDX-License-Identifier: GPL-3.0-or-later
#include "picture.h"

#include "text/cp1252.h"
#include "text/file_replace.h"
#include "text/io_error.h"

#include <QBuffer>
#include <QFont>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QPainter>
#include <QSvgGenerator>

#include <cerrno>
#include <cstdio>
#include <memory>

namespace render {
namespace {

QColor qt(plot::Colour c)
{
    return {c.red, c.green, c.blue};
}

// The part of the segment a-b inside the box, or false when none is
// (Liang-Barsky). Points far outside would overflow the painter's own
// fixed-point arithmetic; the clipped segment keeps the visible part's slope.
bool clip(QPointF& a, QPointF& b, const QRectF& box)
{
    double t0 = 0, t1 = 1;
    const double dx = b.x() - a.x(), dy = b.y() - a.y();
    const double p[] = {-dx, dx, -dy, dy};
    const double q[] = {a.x() - box.left(), box.right() - a.x(), a.y() - box.top(), box.bottom() - a.y()};
    for (int i = 0; i < 4; ++i) {
        if (p[i] == 0) {
            if (q[i] < 0)
                return false;
            continue;
        }
        const double t = q[i] / p[i];
        if (p[i] < 0)
            t0 = std::max(t0, t);
        else
            t1 = std::min(t1, t);
    }
    if (t0 > t1)
        return false;
    const QPointF from = a;
    a = from + QPointF(dx, dy) * t0;
    b = from + QPointF(dx, dy) * t1;
    return true;
}

struct Painter {
    QPainter& p;
    std::int64_t width, height;
    QRectF box;
    QFontMetrics metrics;

    void operator()(const plot::Ring& r)
    {
        p.setPen(QPen(qt(r.pen), 1));
        p.setBrush(Qt::white);
        p.drawEllipse(QPointF(static_cast<double>(r.centre.x), static_cast<double>(r.centre.y)),
                      static_cast<double>(r.radius), static_cast<double>(r.radius));
    }
    void operator()(const plot::Polyline& line)
    {
        p.setPen(QPen(qt(line.pen), 1));
        for (std::size_t i = 1; i < line.points.size(); ++i) {
            QPointF a(static_cast<double>(line.points[i - 1].x), static_cast<double>(line.points[i - 1].y));
            QPointF b(static_cast<double>(line.points[i].x), static_cast<double>(line.points[i].y));
            if (clip(a, b, box))
                p.drawLine(a, b);
        }
    }
    void operator()(const plot::Label& label)
    {
        // Far outside the bitmap nothing of a label can show.
        constexpr std::int64_t kReach = 100000;
        if (label.text.empty() || label.topLeft.x >= width || label.topLeft.y >= height || label.topLeft.x < -kReach
            || label.topLeft.y < -kReach)
            return;
        const QString text = QString::fromStdString(text::cp1252ToUtf8(label.text));
        const QRect where(static_cast<int>(label.topLeft.x), static_cast<int>(label.topLeft.y),
                          metrics.horizontalAdvance(text), metrics.height());
        p.fillRect(where, Qt::white);
        p.setPen(Qt::black);
        p.drawText(where, Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine, text);
    }
};

// Paints the operations with the drawing's font on any device (image, SVG).
void paintOn(QPaintDevice& device, const plot::Drawing& drawing)
{
    QPainter p(&device);
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setRenderHint(QPainter::TextAntialiasing, true);
    QFont font(QString::fromUtf8(drawing.font.family.data(), static_cast<qsizetype>(drawing.font.family.size())));
    font.setPixelSize(drawing.font.pixelSize);
    font.setStyleStrategy(QFont::PreferAntialias);
    p.setFont(font);
    p.fillRect(QRect(0, 0, drawing.width, drawing.height), Qt::white);
    Painter painter{p, drawing.width, drawing.height, QRectF(-1, -1, drawing.width + 2, drawing.height + 2),
                    QFontMetrics(font, &device)};
    for (const plot::Operation& op : drawing.operations)
        std::visit(painter, op);
}

std::string svgBytes(const plot::Drawing& drawing)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    QSvgGenerator svg;
    svg.setOutputDevice(&buffer);
    svg.setSize(QSize(drawing.width, drawing.height));
    svg.setViewBox(QRect(0, 0, drawing.width, drawing.height));
    svg.setResolution(96);
    svg.setTitle(QStringLiteral("Steeplewatcher plot"));
    paintOn(svg, drawing);
    return bytes.toStdString();
}

std::string imageBytes(const QImage& image, const char* format)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    if (!image.save(&buffer, format))
        throw text::IoError("The picture could not be made");
    return bytes.toStdString();
}

} // namespace

QImage paint(const plot::Drawing& drawing)
{
    QImage image(drawing.width, drawing.height, QImage::Format_RGB32);
    image.fill(Qt::white);
    paintOn(image, drawing);
    return image;
}

std::string bmpBytes(const QImage& image)
{
    return imageBytes(image, "BMP");
}

void savePicture(const plot::Drawing& drawing, const std::filesystem::path& path)
{
    const QString extension = QString::fromStdString(path.extension().string()).toLower();
    // A picture is made again by the next plot, like a report: no sync.
    const std::string bytes = extension == ".svg"   ? svgBytes(drawing)
                              : extension == ".png" ? imageBytes(paint(drawing), "PNG")
                                                    : bmpBytes(paint(drawing));
    text::replaceFile(path, bytes, text::Sync::Lazy);
}

namespace {
std::unique_ptr<QGuiApplication> madeHere;

// Qt's notes on the platform (no runtime folder, no session) are not the
// program's to tell; real errors still go to standard error.
void quietNotes(QtMsgType type, const QMessageLogContext&, const QString& message)
{
    if (type == QtCriticalMsg || type == QtFatalMsg)
        std::fprintf(stderr, "%s\n", qPrintable(message));
}
} // namespace

void ensureGuiApplication()
{
    if (QCoreApplication::instance())
        return;
    qInstallMessageHandler(quietNotes);
    static int argc = 3;
    static char arguments[][16] = {"steeplewatcher", "-platform", "offscreen"};
    static char* argv[] = {arguments[0], arguments[1], arguments[2], nullptr};
    madeHere = std::make_unique<QGuiApplication>(argc, argv);
}

void endGuiApplication()
{
    madeHere.reset();
}

} // namespace render
