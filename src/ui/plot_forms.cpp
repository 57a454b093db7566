// SPDX-License-Identifier: GPL-3.0-or-later
#include "plot_forms.h"

#include "ui/looks.h"

#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QShowEvent>
#include <QTimer>
#include <QVBoxLayout>

namespace ui {

PlotForm::PlotForm(app::Window& core, Desktop& desktop, QPoint opening) : FormWindow(core, desktop), opening_(opening)
{
    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(0, 0, 0, 0);
    column->setMenuBar(menuBar());
    column->addWidget(widget("Image1"), 1);
    resize(1024, 768);
    maximiseWhenShown();
    // Once the maximised size is known, the view moves to its opening point.
    placing_.setSingleShot(true);
    connect(&placing_, &QTimer::timeout, this, [this] {
        auto* area = widgetAs<QScrollArea>("Image1");
        area->horizontalScrollBar()->setValue(opening_.x() - area->viewport()->width() / 2);
        area->verticalScrollBar()->setValue(opening_.y() - area->viewport()->height() / 2);
    });
}

void PlotForm::showEvent(QShowEvent* event)
{
    FormWindow::showEvent(event);
    if (event->spontaneous())
        return;
    placing_.start(0);
}

PlotDataForm::PlotDataForm(app::PlotDataWindow& core, Desktop& desktop) : FormWindow(core, desktop)
{
    auto* column = new QVBoxLayout(this);
    for (const char* name : {"Label1", "Label2", "Label3", "Label4", "Label5"}) {
        auto* label = widgetAs<QLabel>(name);
        label->setWordWrap(true);
        column->addWidget(label);
    }
    for (const char* maroon : {"Label1", "Label5"})
        setTextColour(*widget(maroon), kTitleText);
    column->addWidget(widget("Button1"), 0, Qt::AlignRight);
    resize(322, 186);
    centreWhenShown();
}

} // namespace ui
