// SPDX-License-Identifier: GPL-3.0-or-later
// The plots on the offscreen desktop with the program's own platform: the
// windows open maximised, the BMP files are 24-bit pictures whose rings and
// coastline lie where the geometry puts them, and a plot prints on a PDF page.
#include "ui_fixture.h"

#include "text/file_replace.h"

#include <QFile>
#include <QPrinter>

namespace uitest {
namespace {

// True when a pixel within one of (x, y) has exactly that colour.
bool colourNear(const QImage& image, int x, int y, QColor colour)
{
    for (int dx = -1; dx <= 1; ++dx)
        for (int dy = -1; dy <= 1; ++dy)
            if (image.pixelColor(x + dx, y + dy) == colour)
                return true;
    return false;
}

class PlotTest : public DesktopTest {
protected:
    PlotTest()
    {
        platform_ = &qt_;
        using testsupport::parish;
        testsupport::writeDataFile(dir_ / "Parishes.Dat", {testsupport::versionRecord(),
                                                           parish("Ashby", "T", "LEI", "ENG", "SK3516", 435, 316)});
    }
    // The BMP's bits per pixel (from its header) and its picture.
    std::pair<int, QImage> bmp(const char* name)
    {
        const std::string bytes = testsupport::readBytes(dir_ / name);
        return {bytes.size() > 28 ? bytes[28] : 0, QImage(QString::fromStdString((dir_ / name).string()))};
    }
    ui::QtPlatform qt_;
};

TEST_F(PlotTest, TheRadiusPlotOpensMaximisedAndItsBmpHasTheRingsWhereTheyMustPass)
{
    testsupport::writeBytes(dir_ / "PlotList.txt",
                            "Ashby             435   316LEI\r\nNorth             435   320LEI\r\n");
    testsupport::writeBytes(dir_ / "ParList.txt", "a report\r\n");
    qt_.qprinter().setOutputFormat(QPrinter::PdfFormat);
    qt_.qprinter().setOutputFileName(QString::fromStdString((dir_ / "plot.pdf").string()));
    start();
    type(widget("Parishfm", "Radius"), "10");
    choose("PrintPreview2");
    click("ParListFm", "ShowPlot");
    EXPECT_TRUE(window("PlotFm").isVisible());
    EXPECT_TRUE(window("PlotFm").windowState() & Qt::WindowMaximized);
    EXPECT_TRUE(window("PlotFm").windowTitle().startsWith("Parishes around Ashby at 25 pixels per Km."));
    const auto [bits, image] = bmp("ParPlot.BMP");
    EXPECT_EQ(bits, 24);
    ASSERT_EQ(image.size(), QSize(1200, 1200));
    // Rings of 4, 8, 12 and 16 km at 25 pixels per km around (580, 600).
    const QColor green(0, 128, 0), red(255, 0, 0);
    for (int k = 1; k <= 4; ++k) {
        SCOPED_TRACE(k);
        const QColor colour = k % 2 == 1 ? green : red;
        EXPECT_TRUE(colourNear(image, 580 + 100 * k, 600, colour));
        EXPECT_TRUE(colourNear(image, 580, 600 + 100 * k, colour));
    }
    // "North" is written 4 km (100 pixels) above the centre, in black.
    int darkest = 255;
    for (int x = 580; x < 620; ++x)
        for (int y = 500; y < 514; ++y)
            darkest = std::min(darkest, image.pixelColor(x, y).value());
    EXPECT_LT(darkest, 64);
    person_.answer({"OK"});
    window("PlotFm").findChild<QAction*>("Print1")->trigger();
    QFile pdf(QString::fromStdString((dir_ / "plot.pdf").string()));
    ASSERT_TRUE(pdf.open(QIODevice::ReadOnly));
    EXPECT_TRUE(pdf.read(4) == "%PDF");
    // A copy as an SVG drawing keeps the names as text.
    person_.answer({(dir_ / "plot.svg").string()});
    window("PlotFm").findChild<QAction*>("SaveAs1")->trigger();
    const std::string svg = testsupport::readBytes(dir_ / "plot.svg");
    EXPECT_NE(svg.find("<svg"), std::string::npos);
    EXPECT_NE(svg.find(">North<"), std::string::npos);
}

// A plot whose file cannot be written is shown, said so, and leaves the
// earlier file whole.
TEST_F(PlotTest, AFailedSaveLeavesTheEarlierPictureWhole)
{
    testsupport::writeBytes(dir_ / "UKCoast.Txt", "   435    25\r\n");
    testsupport::writeBytes(dir_ / "UKLocs.Txt", "");
    testsupport::writeBytes(dir_ / "LocPlot.BMP", "an earlier picture");
    start();
    press(Qt::Key_Down);
    text::failFileStep(text::FileStep::Write, 1, ENOSPC);
    choose("Plot1");
    text::clearFileFaults();
    EXPECT_EQ(person_.take().back(), (Shown{Kind::Error, "Disk full."}));
    EXPECT_TRUE(window("LocPlotfm").isVisible());
    EXPECT_EQ(testsupport::readBytes(dir_ / "LocPlot.BMP"), "an earlier picture");
}

TEST_F(PlotTest, TheLocationPlotsBmpHasItsRingsAndCoastline)
{
    // The coast from its start point (134, 25) along northing 25 to easting 435.
    testsupport::writeBytes(dir_ / "UKCoast.Txt", "   435    25\r\n");
    testsupport::writeBytes(dir_ / "UKLocs.Txt", "Leicester                   458   304\r\n");
    start();
    press(Qt::Key_Down);
    choose("Plot1");
    EXPECT_TRUE(window("LocPlotfm").windowState() & Qt::WindowMaximized);
    const auto [bits, image] = bmp("LocPlot.BMP");
    EXPECT_EQ(bits, 24);
    ASSERT_EQ(image.size(), QSize(1600, 1600));
    EXPECT_TRUE(colourNear(image, 780 + 40, 800, QColor(0, 128, 0)));
    EXPECT_TRUE(colourNear(image, 780 - 80, 800, QColor(255, 0, 0)));
    EXPECT_TRUE(colourNear(image, 600, 800 + 291, QColor(0, 0, 255)));
}

} // namespace
} // namespace uitest
