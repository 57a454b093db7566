// SPDX-License-Identifier: GPL-3.0-or-later
#include "amendment_dialog.h"

#include "ui/looks.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QVBoxLayout>

namespace ui {

AmendmentDialog::AmendmentDialog(app::AmendmentWindow& core, Desktop& desktop)
    : FormWindow(core, desktop, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint)
{
    setWindowModality(Qt::ApplicationModal);
    centreWhenShown();
    auto* column = new QVBoxLayout(this);
    showAsTitle(*widget("Label9"), 2.4);
    showAsTitle(*widget("Label8"), 1.4);
    column->addWidget(widget("Label9"));
    column->addWidget(widget("Label8"));
    auto* fields = new QGridLayout;
    for (int i = 1; i <= 7; ++i) {
        const std::string n = std::to_string(i);
        QWidget* edit = widget("Edit" + n);
        setBoxColour(*edit, kInputBox);
        fields->addWidget(widget("Label" + n), i - 1, 0);
        fields->addWidget(edit, i - 1, 1);
    }
    column->addLayout(fields);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(widget("Save"));
    buttons->addWidget(widget("Cancel"));
    column->addLayout(buttons);
    resize(sizeHint().expandedTo(QSize(463, 319)));
}

} // namespace ui
