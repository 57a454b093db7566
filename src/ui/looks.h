// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The looks the windows share: the product name as a title, and text files
// shown in the fixed-pitch font (Liberation Mono stands in for Courier New).
class QPlainTextEdit;
class QWidget;

namespace ui {

// Bold italic maroon Times New Roman (Liberation Serif) of that pixel size.
void showAsTitle(QWidget& label, int pixelSize);
// The text font of the core's text files, with a vertical scroll bar always on.
void showAsTextFile(QPlainTextEdit& view, int pixelSize);

} // namespace ui
