// SPDX-License-Identifier: GPL-3.0-or-later
#include "information_forms.h"

#include "ui/looks.h"
#include "ui/steeple_picture.h"

#include <QGridLayout>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QStyle>
#include <QSvgRenderer>
#include <QVBoxLayout>

#include <algorithm>

namespace ui {
namespace {

QLabel* wrapped(QWidget* w)
{
    auto* label = static_cast<QLabel*>(w);
    label->setWordWrap(true);
    return label;
}

} // namespace

QPixmap steeplePicture(QSize size)
{
    QSvgRenderer svg{QByteArray(kSteeplePicture)};
    QPixmap picture(size);
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    svg.render(&painter);
    return picture;
}

AboutForm::AboutForm(app::AboutWindow& core, Desktop& desktop)
    : FormWindow(core, desktop, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint)
{
    QWidget* panel = widget("BackgroudPanel");
    auto* grid = new QGridLayout(panel);
    static_cast<QLabel*>(widget("Programicon"))->setPixmap(steeplePicture(QSize(34, 48)));
    grid->addWidget(widget("Programicon"), 0, 0, 3, 1, Qt::AlignTop);
    showAsTitle(*widget("Label2"), 2.1);
    grid->addWidget(widget("Label2"), 0, 1, 1, 2);
    QFont narrow("Liberation Sans Narrow");
    widget("Label5")->setFont(narrow);
    grid->addWidget(widget("Label5"), 1, 1, 1, 2);
    grid->addWidget(widget("Label3"), 2, 1, 1, 2, Qt::AlignHCenter);
    widget("Panel1")->setFixedHeight(2);
    setBackground(*widget("Panel1"), Qt::gray);
    grid->addWidget(widget("Panel1"), 3, 0, 1, 3);
    int row = 4;
    for (auto [label, value] : {std::pair{"Label7", "PhysMem"}, std::pair{"Label8", "FreeRes"},
                                std::pair{"Label9", "NumOfRecs"}, std::pair{"Label10", "CWD"}}) {
        grid->addWidget(widget(label), row, 1);
        grid->addWidget(wrapped(widget(value)), row++, 2);
    }
    for (const char* credit : {"Label1", "Label4", "Label6", "Label12"})
        grid->addWidget(wrapped(widget(credit)), row++, 0, 1, 3);
    grid->setColumnStretch(2, 1);

    QWidget* warning = widget("Panel2");
    // White on a red dark enough to read it.
    setBackground(*warning, QColor(0xB0, 0x00, 0x00));
    setTextColour(*warning, Qt::white);
    setTextColour(*widget("Label11"), Qt::white);
    auto* warningRow = new QHBoxLayout(warning);
    warningRow->addWidget(wrapped(widget("Label11")));

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(widget("Licence"));
    buttons->addStretch(1);
    buttons->addWidget(widget("OKButton"));
    auto* column = new QVBoxLayout(this);
    column->addWidget(panel);
    column->addWidget(warning);
    column->addLayout(buttons);
    setFixedWidth(std::max(516, sizeHint().width()));
    centreWhenShown();
}

LicenceForm::LicenceForm(app::LicenceWindow& core, Desktop& desktop) : FormWindow(core, desktop)
{
    QWidget* panel = widget("Panel1");
    auto* row = new QHBoxLayout(panel);
    showAsTitle(*widget("Label1"), 1.8);
    row->addWidget(widget("Label1"), 1);
    widgetAs<QPushButton>("OKBtn")->setIcon(style()->standardIcon(QStyle::SP_DialogOkButton));
    row->addWidget(widget("OKBtn"));
    auto* terms = widgetAs<QPlainTextEdit>("RichEdit1");
    terms->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    terms->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(0, 0, 0, 0);
    column->addWidget(panel);
    column->addWidget(terms, 1);
    resize(563, 404);
    centreWhenShown();
}

ReadMeForm::ReadMeForm(app::ReadMeWindow& core, Desktop& desktop) : FormWindow(core, desktop)
{
    QWidget* panel = widget("Panel1");
    auto* row = new QHBoxLayout(panel);
    showAsTitle(*widget("Label2"), 1.8);
    row->addWidget(widget("Label2"), 1);
    row->addWidget(widget("Print"));
    widgetAs<QPushButton>("BitBtn1")->setIcon(style()->standardIcon(QStyle::SP_DialogCloseButton));
    row->addWidget(widget("BitBtn1"));
    QWidget* text = widget("RichEdit1");
    QFont serif;
    serif.setFamilies({"Liberation Serif", "DejaVu Serif"});
    serif.setStyleHint(QFont::Serif);
    serif.setPointSizeF(font().pointSizeF() * 1.2);
    text->setFont(serif);
    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(0, 0, 0, 0);
    column->addWidget(panel);
    column->addWidget(text, 1);
    resize(604, 418);
    centreWhenShown();
}

SplashScreen::SplashScreen() : QWidget(nullptr, Qt::SplashScreen | Qt::FramelessWindowHint)
{
    setObjectName("SplashScreenfm");
    setStyleSheet("QWidget#SplashScreenfm { background: white; border: 1px solid gray }");
    auto* text = new QVBoxLayout;
    for (const char* part : {"Steeple", "watcher"}) {
        auto* name = new QLabel(part);
        showAsTitle(*name, 4.8);
        text->addWidget(name);
    }
    for (const char* line : {"A Program to locate Parishes in ", "England, Scotland & Wales and show",
                             "the Direction and Distance between them."})
        text->addWidget(new QLabel(line));
    auto* credit = new QLabel("Free software under the GNU GPL, version 3 or later. Data: Wikipedia, GeoNames, "
                              "Geo::Coordinates::OSGB, Natural Earth.");
    credit->setWordWrap(true);
    credit->setStyleSheet("color: gray; font-size: 10px");
    text->addStretch(1);
    text->addWidget(credit);
    auto* loading = new QLabel("Loading Program. Please Wait..");
    loading->setStyleSheet("background: teal; color: yellow; padding: 4px");
    text->addWidget(loading);
    auto* picture = new QLabel;
    picture->setPixmap(steeplePicture(QSize(273, 385)));
    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(1, 1, 1, 1);
    row->addLayout(text, 1);
    row->addWidget(picture);
    resize(536, 390);
    if (QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
}

} // namespace ui
