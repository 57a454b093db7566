// SPDX-License-Identifier: GPL-3.0-or-later
#include "map_sheet_dialog.h"

#include "ui/looks.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>

namespace ui {
namespace {

constexpr int kClientWidth = 607;
constexpr int kClientHeight = 376;
constexpr int kPanelHeight = 57;

void note(QWidget* label, const char* colour, bool centred)
{
    auto* l = static_cast<QLabel*>(label);
    l->setTextFormat(Qt::PlainText);
    l->setWordWrap(true);
    l->setStyleSheet(QString("color: %1").arg(colour));
    if (centred)
        l->setAlignment(Qt::AlignHCenter);
}

} // namespace

MapSheetDialog::MapSheetDialog(app::MapSheetWindow& core, Desktop& desktop) : FormWindow(core, desktop, Qt::Dialog)
{
    setWindowModality(Qt::ApplicationModal);
    centreWhenShown();
    setFixedSize(kClientWidth, kClientHeight); // a dialog border: not resized
    setAutoFillBackground(true);
    QPalette purple = palette();
    purple.setColor(QPalette::Window, QColor(128, 0, 128));
    setPalette(purple);

    QWidget* panel = widget("Panel1");
    panel->setFixedHeight(kPanelHeight);
    panel->setAutoFillBackground(true);
    QPalette plain = panel->palette();
    plain.setColor(QPalette::Window, QWidget::palette().color(QPalette::Button));
    panel->setPalette(plain);
    auto* row = new QHBoxLayout(panel);
    auto* titles = new QVBoxLayout;
    showAsTitle(*widget("Label1"), 24);
    titles->addWidget(widget("Label1"));
    QWidget* marks = widget("Label7");
    marks->setStyleSheet("color: grey");
    static_cast<QLabel*>(marks)->setWordWrap(true); // the panel is narrower than the line
    titles->addWidget(marks);
    row->addLayout(titles, 1);
    row->addWidget(widget("Printbn"));
    widgetAs<QPushButton>("BitBtn1")->setIcon(style()->standardIcon(QStyle::SP_DialogCloseButton));
    row->addWidget(widget("BitBtn1"));

    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(0, 0, 0, 4);
    column->addWidget(panel);
    const struct {
        const char* name;
        const char* colour;
        bool centred;
    } notes[] = {{"Label2", "yellow", true},
                 {"Label3", "yellow", true},
                 {"Label5", "lime", false},
                 {"Lablel4", "yellow", true},
                 {"Label6", "yellow", false}};
    for (const auto& n : notes) {
        note(widget(n.name), n.colour, n.centred);
        column->addWidget(widget(n.name));
    }
    auto* sheets = widgetAs<QPlainTextEdit>("RichEdit1");
    showAsTextFile(*sheets, 12);
    column->addWidget(sheets, 1);
    note(widget("Label4"), "yellow", false);
    column->addWidget(widget("Label4"));
}

} // namespace ui
