// SPDX-License-Identifier: GPL-3.0-or-later
#include "county_codes_form.h"

#include "ui/looks.h"

#include <QHBoxLayout>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>

namespace ui {

CountyCodesForm::CountyCodesForm(app::CountyCodesWindow& core, Desktop& desktop) : FormWindow(core, desktop)
{
    QWidget* panel = widget("Panel1");
    auto* row = new QHBoxLayout(panel);
    showAsTitle(*widget("Label1"), 1.8);
    row->addWidget(widget("Label1"), 1);
    row->addWidget(widget("PrintBtn"));
    widgetAs<QPushButton>("BitBtn1")->setIcon(style()->standardIcon(QStyle::SP_DialogCloseButton));
    row->addWidget(widget("BitBtn1"));

    auto* list = widgetAs<QPlainTextEdit>("RichEdit1");
    showAsTextFile(*list);

    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(0, 0, 0, 0);
    column->addWidget(panel);
    column->addWidget(list, 1);
    resize(544, 375);
    centreWhenShown();
}

} // namespace ui
