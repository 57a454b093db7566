// SPDX-License-Identifier: GPL-3.0-or-later
#include "report_viewer_window.h"

#include "ui/looks.h"

#include <QHBoxLayout>
#include <QPlainTextEdit>
#include <QVBoxLayout>

namespace ui {
namespace {
constexpr int kPanelHeight = 65;
} // namespace

ReportViewerWindow::ReportViewerWindow(app::ReportViewer& core, Desktop& desktop) : FormWindow(core, desktop)
{
    setAutoFillBackground(true);
    QPalette white = palette();
    white.setColor(QPalette::Window, Qt::white);
    setPalette(white);

    QWidget* panel = widget("Panel1");
    panel->setFixedHeight(kPanelHeight);
    auto* row = new QHBoxLayout(panel);
    showAsTitle(*widget("Label1"), 27);
    for (const char* name : {"Label1", "Print", "CSVOUTPUT", "ShowPlot", "Label2"})
        row->addWidget(widget(name));
    auto* scaleGroup = new QVBoxLayout;
    widget("Scale")->setStyleSheet("background: yellow");
    scaleGroup->addWidget(widget("Scale"));
    scaleGroup->addWidget(widget("CheckBox1"));
    row->addLayout(scaleGroup);
    row->addWidget(widget("Label3"));
    row->addWidget(widget("Close"));
    row->addStretch();

    auto* report = widgetAs<QPlainTextEdit>("RichEdit1");
    showAsTextFile(*report, 13);

    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(0, 0, 0, 0);
    column->addWidget(panel);
    column->addWidget(report, 1);
}

} // namespace ui
