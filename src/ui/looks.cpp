// SPDX-License-Identifier: GPL-3.0-or-later
#include "looks.h"

#include "app/text_lines.h"
#include "ui/qt_text.h"

#include <QPlainTextEdit>

namespace ui {

void showAsTitle(QWidget& label, int pixelSize)
{
    QFont font("Times New Roman");
    font.setPixelSize(pixelSize);
    font.setBold(true);
    font.setItalic(true);
    label.setFont(font);
    label.setStyleSheet("color: maroon");
}

void showAsTextFile(QPlainTextEdit& view, int pixelSize)
{
    QFont fixed(toQt(app::kTextFont));
    fixed.setStyleHint(QFont::TypeWriter);
    fixed.setPixelSize(pixelSize);
    view.setFont(fixed);
    view.setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
}

} // namespace ui
