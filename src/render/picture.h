// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The one painter of the plots' drawing operations, for the screen, the
// saved BMP file and the printer alike. Rings and lines are drawn crisp, one
// pixel wide in their exact colours; text is antialiased.
#include "plot/drawing.h"

#include <QImage>

#include <filesystem>
#include <string>

namespace render {

// The drawing on a white image of its size.
QImage paint(const plot::Drawing& drawing);

// The image as a classic 24-bit Windows BMP file.
std::string bmpBytes(const QImage& image);

// Writes the drawing through the program's one file replacement, so a
// failure leaves an earlier file whole: as an SVG drawing for a name ending
// ".svg", a PNG picture for ".png", else a BMP. Throws IoError.
void savePicture(const plot::Drawing& drawing, const std::filesystem::path& path);

// A program without windows (the headless driver) needs a Qt GUI
// application, on the offscreen platform, before it can paint text; this
// makes one the first time it is called and does nothing where one exists.
void ensureGuiApplication();
// Ends the application ensureGuiApplication made, if it made one, before the
// program returns from main.
void endGuiApplication();

} // namespace render
