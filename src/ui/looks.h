// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The looks the windows share, taken from the desktop: its UI font for the
// controls, a real monospace font for text files and record lines, the
// product name in a serif bold italic, and the few colours that carry meaning
// in tones that read well on the desktop's palette.
#include <QColor>
#include <QFont>

class QPlainTextEdit;
class QWidget;

namespace ui {

// Colours of meaning: boxes the person types in, the current record line, the
// product name, the labels of the radius search, and a muted note.
inline const QColor kInputBox{0xFF, 0xF5, 0x9D};
inline const QColor kCurrentRecord{0xB2, 0xEB, 0xF2};
inline const QColor kTitleText{0x80, 0x00, 0x00};
inline const QColor kRadiusText{0x80, 0x00, 0x80};
inline const QColor kMutedText{0x5F, 0x5F, 0x5F};

// Liberation Mono (or DejaVu Sans Mono) at the desktop's text size times scale.
QFont fixedPitchFont(qreal scale = 1.0);
// The product name: bold italic serif, maroon, at the desktop's text size times scale.
void showAsTitle(QWidget& label, qreal scale);
// A text file: fixed pitch, a vertical scroll bar always on.
void showAsTextFile(QPlainTextEdit& view);
// Sets a widget's text colour (its foreground roles), the colour its
// background is filled with (a window or panel), or a box's own colour.
void setTextColour(QWidget& w, const QColor& colour);
void setBackground(QWidget& w, const QColor& colour);
void setBoxColour(QWidget& box, const QColor& colour);
// Ctrl+plus, Ctrl+minus and Ctrl+wheel make a text view's text larger or smaller.
void makeZoomable(QWidget& textView);

} // namespace ui
