// SPDX-License-Identifier: GPL-3.0-or-later
#include "my_text_form.h"

#include "ui/looks.h"

#include <QPlainTextEdit>
#include <QVBoxLayout>

namespace ui {

MyTextForm::MyTextForm(app::MyTextWindow& core, Desktop& desktop) : FormWindow(core, desktop)
{
    auto* text = widgetAs<QPlainTextEdit>("RichEdit1");
    showAsTextFile(*text);
    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(0, 0, 0, 0);
    column->addWidget(text);
    resize(683, 375);
    centreWhenShown();
}

} // namespace ui
