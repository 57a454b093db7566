// SPDX-License-Identifier: GPL-3.0-or-later
#include "main_window.h"

#include "ui/qt_text.h"

#include <QComboBox>
#include <QFontMetricsF>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QVBoxLayout>

namespace ui {
namespace {

constexpr int kClientWidth = 609;
constexpr int kClientHeight = 432;
constexpr int kLeft = 100;
constexpr int kTop = 89;

enum class Look { Plain, Yellow, Aqua, Title, Purple, Grey, FixedPitch };

struct Placement {
    const char* name;
    int left, top, width, height; // in the client area below the menu bar, or in the group box
    Look look;
};

const Placement kPlacements[] = {
    {"Label1", 0, 16, 145, 24, Look::Title},          {"Label20", 0, 40, 134, 13, Look::Grey},
    {"Label2", 160, 16, 122, 13, Look::Plain},        {"TarPar", 136, 32, 217, 21, Look::Yellow},
    {"FindFirst", 288, 8, 65, 25, Look::Plain},       {"FindNext", 352, 8, 73, 25, Look::Plain},
    {"NextCounty1", 352, 32, 73, 25, Look::Plain},    {"GroupBox1", 432, 0, 169, 57, Look::Plain},
    {"AnyRb", 8, 16, 153, 17, Look::Plain},           {"StartRb", 8, 32, 153, 17, Look::Plain},
    {"Label21", 16, 56, 581, 14, Look::FixedPitch},   {"Memo1", 8, 72, 593, 105, Look::Plain},
    {"Memo3", 8, 176, 593, 17, Look::Aqua},           {"Memo2", 8, 192, 593, 105, Look::Plain},
    {"Select1stParish", 0, 304, 89, 25, Look::Plain}, {"Parish1", 88, 304, 353, 21, Look::Plain},
    {"OsRef1", 440, 304, 49, 21, Look::Plain},        {"Parish1East", 496, 304, 41, 21, Look::Plain},
    {"Parish1North", 544, 304, 57, 21, Look::Plain},  {"Select2ndParish", 0, 328, 89, 25, Look::Plain},
    {"Parish2", 88, 328, 353, 21, Look::Plain},       {"OsRef2", 440, 328, 49, 21, Look::Plain},
    {"Parish2East", 496, 328, 41, 21, Look::Plain},   {"Parish2North", 544, 328, 57, 21, Look::Plain},
    {"Label17", 8, 360, 188, 13, Look::Plain},        {"Miles", 200, 352, 49, 21, Look::Plain},
    {"Label18", 256, 360, 56, 13, Look::Plain},       {"Klm", 320, 352, 49, 21, Look::Plain},
    {"Label19", 376, 360, 59, 13, Look::Plain},       {"CalDistDir", 440, 360, 153, 25, Look::Plain},
    {"Label16", 8, 384, 74, 13, Look::Plain},         {"DegreesDisplay", 88, 376, 41, 21, Look::Plain},
    {"Label15", 136, 384, 40, 13, Look::Plain},       {"Direction", 184, 376, 185, 21, Look::Plain},
    {"Label10", 8, 408, 110, 13, Look::Purple},       {"Radius", 120, 400, 49, 21, Look::Yellow},
    {"Label11", 176, 408, 112, 13, Look::Purple},     {"Progress", 296, 400, 81, 21, Look::Plain},
    {"Label12", 384, 408, 18, 13, Look::Purple},      {"Hits", 408, 400, 57, 21, Look::Plain},
    {"ParishGroup", 472, 400, 121, 25, Look::Plain},
};

void setBase(QWidget& w, const QColor& colour)
{
    QPalette p = w.palette();
    p.setColor(QPalette::Base, colour);
    w.setPalette(p);
}

void setTextColour(QWidget& w, const QColor& colour)
{
    QPalette p = w.palette();
    p.setColor(QPalette::WindowText, colour);
    w.setPalette(p);
}

void applyLook(QWidget& w, Look look)
{
    switch (look) {
    case Look::Plain: break;
    case Look::Yellow: setBase(w, QColor(0xFF, 0xFF, 0x00)); break;
    case Look::Aqua: setBase(w, QColor(0x00, 0xFF, 0xFF)); break;
    case Look::Title: {
        setTextColour(w, QColor(0x80, 0x00, 0x00));
        QFont font = w.font();
        font.setPixelSize(19);
        font.setStretch(90); // keeps the title clear of the search box beside it
        font.setBold(true);
        font.setItalic(true);
        w.setFont(font);
        break;
    }
    case Look::Purple: setTextColour(w, QColor(0x80, 0x00, 0x80)); break;
    case Look::Grey: {
        setTextColour(w, QColor(0x80, 0x80, 0x80));
        QFont font = w.font();
        font.setPixelSize(10);
        w.setFont(font);
        break;
    }
    case Look::FixedPitch: w.setFont(fixedPitchFont()); break;
    }
}

// Only the search box, the radius box and the selected search-mode button take
// part in tabbing; the rest are reached by mouse or accelerator.
void keepOutOfTabbing(FormWindow& window)
{
    using K = app::ControlKind;
    for (const app::Control& c : window.core().controls()) {
        QWidget* w = window.widget(c.name);
        if (!w)
            continue;
        switch (c.kind) {
        case K::Label:
        case K::Group: w->setFocusPolicy(Qt::NoFocus); break;
        case K::ComboBox:
        case K::Edit:
        case K::RadioButton: break;
        default: w->setFocusPolicy(Qt::ClickFocus); break;
        }
    }
}

// The selected search-mode button is the one that tabbing reaches.
void followSelection(QRadioButton* a, QRadioButton* b)
{
    auto update = [a, b] {
        a->setFocusPolicy(a->isChecked() ? Qt::StrongFocus : Qt::ClickFocus);
        b->setFocusPolicy(b->isChecked() ? Qt::StrongFocus : Qt::ClickFocus);
    };
    QObject::connect(a, &QRadioButton::toggled, a, update);
    QObject::connect(b, &QRadioButton::toggled, b, update);
    update();
}

} // namespace

QFont windowFont()
{
    // "Arial" is Liberation Sans with fonts-liberation; slightly condensed it
    // takes the room of the narrow sans-serif the layout was drawn for.
    QFont font("Arial");
    font.setPixelSize(11);
    font.setStretch(95);
    return font;
}

QFont fixedPitchFont()
{
    // "Courier New" is Liberation Mono with fonts-liberation. Its cells are a
    // little over 7 pixels at this size; the layout is drawn for 7-pixel cells
    // (an 81-character record line in 567 pixels), so close the difference.
    QFont font("Courier New");
    font.setStyleHint(QFont::TypeWriter);
    font.setPixelSize(12);
    qreal cell = QFontMetricsF(font).horizontalAdvance(QLatin1Char('M'));
    font.setLetterSpacing(QFont::AbsoluteSpacing, 7.0 - cell);
    return font;
}

MainWindow::MainWindow(app::Parishfm& core, Desktop& desktop) : FormWindow(core, desktop)
{
    setFont(windowFont());
    auto* client = new QWidget(this);
    client->setMinimumSize(kClientWidth, kClientHeight);
    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(0, 0, 0, 0);
    column->setMenuBar(menuBar());
    column->addWidget(client);

    for (const Placement& p : kPlacements) {
        QWidget* w = widget(p.name);
        if (w->parentWidget() == this)
            w->setParent(client);
        w->setGeometry(p.left, p.top, p.width, p.height);
        applyLook(*w, p.look);
        // Labels size themselves to their text, as their designer meant.
        if (qobject_cast<QLabel*>(w))
            w->resize(w->sizeHint().width(), p.height);
    }
    for (const char* name : {"Memo1", "Memo2", "Memo3"}) {
        auto* view = widgetAs<QPlainTextEdit>(name);
        view->setFrameShape(QFrame::NoFrame);
        view->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        view->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        view->setFont(fixedPitchFont());
        view->document()->setDocumentMargin(1);
    }
    keepOutOfTabbing(*this);
    followSelection(widgetAs<QRadioButton>("AnyRb"), widgetAs<QRadioButton>("StartRb"));
    QWidget::setTabOrder(widget("TarPar"), widget("Radius"));
    QWidget::setTabOrder(widget("Radius"), widget("StartRb"));
    QWidget::setTabOrder(widget("StartRb"), widget("AnyRb"));

    // Enter in the search box finds, as if "Find First" were the window's default button.
    connect(widgetAs<QComboBox>("TarPar")->lineEdit(), &QLineEdit::returnPressed, this, [this] { click("FindFirst"); });
    move(kLeft, kTop);
    adjustSize();
}

} // namespace ui
