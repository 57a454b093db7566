// SPDX-License-Identifier: GPL-3.0-or-later
#include "report_viewer_window.h"

#include "ui/looks.h"

#include <QGridLayout>
#include <QPlainTextEdit>
#include <QVBoxLayout>

namespace ui {

ReportViewerWindow::ReportViewerWindow(app::ReportViewer& core, Desktop& desktop) : FormWindow(core, desktop)
{
    setBackground(*this, Qt::white);
    setTextColour(*this, Qt::black);
    maximiseWhenShown();

    // The product name and the buttons; the plot's scale with the county
    // check box under it; Close at the right.
    QWidget* panel = widget("Panel1");
    auto* grid = new QGridLayout(panel);
    showAsTitle(*widget("Label1"), 2.0);
    grid->addWidget(widget("Label1"), 0, 0, 2, 1);
    int at = 1;
    for (const char* name : {"Print", "CSVOUTPUT", "ShowPlot", "Label2", "Scale", "Label3"})
        grid->addWidget(widget(name), 0, at++);
    setBoxColour(*widget("Scale"), kInputBox);
    widget("Scale")->setMaximumWidth(widget("Scale")->fontMetrics().horizontalAdvance(QString(8, QLatin1Char('0'))));
    grid->addWidget(widget("CheckBox1"), 1, 4, 1, 3);
    grid->setColumnStretch(at, 1);
    grid->addWidget(widget("Close"), 0, at + 1);

    auto* report = widgetAs<QPlainTextEdit>("RichEdit1");
    showAsTextFile(*report);

    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(0, 0, 0, 0);
    column->addWidget(panel);
    column->addWidget(report, 1);
    resize(800, 600);
}

} // namespace ui
