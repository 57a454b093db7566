// SPDX-License-Identifier: GPL-3.0-or-later
#include "map_sheet_dialog.h"

#include "ui/looks.h"

#include <QFontMetricsF>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>

#include <algorithm>

namespace ui {
namespace {

// The notes on the purple background: yellow, and lime for the one on Discovery sheets.
const QColor kPurple{0x80, 0x00, 0x80};
const QColor kYellow{0xFF, 0xFF, 0x00};
const QColor kLime{0x00, 0xFF, 0x00};

void note(QWidget* label, const QColor& colour, bool centred)
{
    auto* l = static_cast<QLabel*>(label);
    l->setTextFormat(Qt::PlainText);
    l->setWordWrap(true);
    setTextColour(*l, colour);
    if (centred)
        l->setAlignment(Qt::AlignHCenter);
}

} // namespace

MapSheetDialog::MapSheetDialog(app::MapSheetWindow& core, Desktop& desktop) : FormWindow(core, desktop, Qt::Dialog)
{
    setWindowModality(Qt::ApplicationModal);
    centreWhenShown();
    setBackground(*this, kPurple);

    QWidget* panel = widget("Panel1");
    setBackground(*panel, QWidget::palette().color(QPalette::Button));
    setTextColour(*panel, palette().color(QPalette::ButtonText));
    auto* row = new QHBoxLayout(panel);
    auto* titles = new QVBoxLayout;
    showAsTitle(*widget("Label1"), 1.8);
    titles->addWidget(widget("Label1"));
    auto* marks = widgetAs<QLabel>("Label7");
    setTextColour(*marks, kMutedText);
    marks->setWordWrap(true);
    titles->addWidget(marks);
    row->addLayout(titles, 1);
    row->addWidget(widget("Printbn"), 0, Qt::AlignTop);
    widgetAs<QPushButton>("BitBtn1")->setIcon(style()->standardIcon(QStyle::SP_DialogCloseButton));
    row->addWidget(widget("BitBtn1"), 0, Qt::AlignTop);

    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(0, 0, 0, 0);
    column->addWidget(panel);
    auto* notes = new QVBoxLayout;
    notes->setContentsMargins(style()->pixelMetric(QStyle::PM_LayoutLeftMargin), 0,
                              style()->pixelMetric(QStyle::PM_LayoutRightMargin),
                              style()->pixelMetric(QStyle::PM_LayoutBottomMargin));
    const struct {
        const char* name;
        const QColor& colour;
        bool centred;
    } texts[] = {{"Label2", kYellow, true},
                 {"Label3", kYellow, true},
                 {"Label5", kLime, false},
                 {"Lablel4", kYellow, true},
                 {"Label6", kYellow, false}};
    for (const auto& n : texts) {
        note(widget(n.name), n.colour, n.centred);
        notes->addWidget(widget(n.name));
    }
    auto* sheets = widgetAs<QPlainTextEdit>("RichEdit1");
    showAsTextFile(*sheets);
    // Room for the sheets found: their lines whole (about eighty characters),
    // wrapped rather than cut when the window is narrower.
    const QFontMetricsF fixed(sheets->font());
    sheets->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    sheets->setMinimumSize(static_cast<int>(fixed.horizontalAdvance(QString(60, QLatin1Char('0')))),
                           static_cast<int>(fixed.lineSpacing() * 6));
    notes->addWidget(sheets, 1);
    note(widget("Label4"), kYellow, false);
    notes->addWidget(widget("Label4"));
    column->addLayout(notes, 1);
    const int lineWidth = static_cast<int>(fixed.horizontalAdvance(QString(84, QLatin1Char('0'))));
    resize(std::max(sizeHint().width(), lineWidth + 4 * style()->pixelMetric(QStyle::PM_ScrollBarExtent)),
           sizeHint().height());
}

} // namespace ui
