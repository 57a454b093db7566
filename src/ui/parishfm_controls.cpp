#include "parishfm_controls.h"

#include "ui/qt_text.h"

#include <QComboBox>
#include <QFontMetricsF>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>

#include <map>

namespace ui {

using K = ControlKind;

const std::vector<ControlSpec> kParishfmControls = {
    {"Label1", K::Label, 0, 16, 145, 24, "Steeplewatcher", {}, Look::Title},
    {"Label20", K::Label, 0, 40, 134, 13, "A parish finding aid", {}, Look::Grey},
    {"Label2", K::Label, 160, 16, 122, 13, "Enter Search String here. "},
    {"TarPar", K::ComboBox, 136, 32, 217, 21, "Enter Search String Here", "Enter your search string here.",
     Look::Yellow},
    {"FindFirst", K::Button, 288, 8, 65, 25, "&Find First", "Search for Parish from Start of File"},
    {"FindNext", K::Button, 352, 8, 73, 25, "Find  &Next", "Search for Parish from Current Record"},
    {"NextCounty1", K::Button, 352, 32, 73, 25, "Ne&xt County", "Goto Next County in File"},
    {"GroupBox1", K::GroupBox, 432, 0, 169, 57, "Search"},
    {"AnyRb", K::RadioButton, 8, 16, 153, 17, "Anywhere in parish name", {}, Look::Plain, "GroupBox1"},
    {"StartRb", K::RadioButton, 8, 32, 153, 17, " From start of parish name", {}, Look::Plain, "GroupBox1"},
    {"Label21",
     K::Label,
     16,
     56,
     581,
     14,
     "Parish Name                               Type County Country OSRef  East/Northings",
     {},
     Look::FixedPitch},
    {"Memo1", K::TextView, 8, 72, 593, 105},
    {"Memo3", K::TextView, 8, 176, 593, 17, {}, {}, Look::Aqua},
    {"Memo2", K::TextView, 8, 192, 593, 105},
    {"Select1stParish", K::Button, 0, 304, 89, 25, "Select  &1st Parish", "Select the Current Record as 1st Parish."},
    {"Parish1", K::ReadOnlyEdit, 88, 304, 353, 21},
    {"OsRef1", K::ReadOnlyEdit, 440, 304, 49, 21},
    {"Parish1East", K::ReadOnlyEdit, 496, 304, 41, 21},
    {"Parish1North", K::ReadOnlyEdit, 544, 304, 57, 21},
    {"Select2ndParish", K::Button, 0, 328, 89, 25, "Select &2nd Parish", "Select the Current Record as 2nd Parish."},
    {"Parish2", K::ReadOnlyEdit, 88, 328, 353, 21},
    {"OsRef2", K::ReadOnlyEdit, 440, 328, 49, 21},
    {"Parish2East", K::ReadOnlyEdit, 496, 328, 41, 21},
    {"Parish2North", K::ReadOnlyEdit, 544, 328, 57, 21},
    {"Label17", K::Label, 8, 360, 188, 13, "The Distance between Parishes 1 && 2 is"},
    {"Miles", K::ReadOnlyEdit, 200, 352, 49, 21},
    {"Label18", K::Label, 256, 360, 56, 13, "in Miles and"},
    {"Klm", K::ReadOnlyEdit, 320, 352, 49, 21},
    {"Label19", K::Label, 376, 360, 59, 13, "in Kilometres"},
    {"CalDistDir", K::Button, 440, 360, 153, 25, "&Calculate Distance && Direction", "between 1st & 2nd Parishes."},
    {"Label16", K::Label, 8, 384, 74, 13, "The Direction is"},
    {"DegreesDisplay", K::ReadOnlyEdit, 88, 376, 41, 21},
    {"Label15", K::Label, 136, 384, 40, 13, "Degrees"},
    {"Direction", K::ReadOnlyEdit, 184, 376, 185, 21},
    {"Label10", K::Label, 8, 408, 110, 13, "Radius around Parish 1", {}, Look::Purple},
    {"Radius", K::Edit, 120, 400, 49, 21, {}, {}, Look::Yellow},
    {"Label11", K::Label, 176, 408, 112, 13, "Current Record Number", {}, Look::Purple},
    {"Progress", K::ReadOnlyEdit, 296, 400, 81, 21},
    {"Label12", K::Label, 384, 408, 18, 13, "Hits", {}, Look::Purple},
    {"Hits", K::ReadOnlyEdit, 408, 400, 57, 21},
    {"ParishGroup", K::Button, 472, 400, 121, 25, "&Parishes within Radius", "of 1st Parish."},
};

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

namespace {

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

QPlainTextEdit* makeTextView()
{
    auto* view = new QPlainTextEdit;
    view->setReadOnly(true);
    view->setLineWrapMode(QPlainTextEdit::NoWrap);
    view->setFrameShape(QFrame::NoFrame);
    view->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    view->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    view->setFont(fixedPitchFont());
    view->document()->setDocumentMargin(1);
    return view;
}

QLineEdit* makeEdit(bool readOnly)
{
    auto* edit = new QLineEdit;
    edit->setReadOnly(readOnly);
    return edit;
}

QComboBox* makeComboBox(std::string_view designText)
{
    auto* box = new QComboBox;
    box->setEditable(true);
    // The list is the core's (kept sorted there); typing never adds to it.
    box->setInsertPolicy(QComboBox::NoInsert);
    box->setCompleter(nullptr);
    box->setEditText(toQt(designText));
    return box;
}

// Only the search box, the radius box and the selected search-mode button take
// part in tabbing; the rest are reached by mouse or accelerator.
void keepOutOfTabbing(QWidget& w, ControlKind kind)
{
    switch (kind) {
    case K::Label:
    case K::GroupBox: w.setFocusPolicy(Qt::NoFocus); break;
    case K::ComboBox:
    case K::Edit:
    case K::RadioButton: break;
    case K::Button:
    case K::TextView:
    case K::ReadOnlyEdit: w.setFocusPolicy(Qt::ClickFocus); break;
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

ParishfmControls buildParishfmControls(QWidget& client)
{
    ParishfmControls controls;
    std::map<std::string_view, QWidget*> byName;

    for (const ControlSpec& entry : kParishfmControls) {
        QWidget* widget = nullptr;
        switch (entry.kind) {
        case K::Label: widget = new QLabel(withoutAccelerators(entry.caption)); break;
        case K::GroupBox: widget = new QGroupBox(toQt(entry.caption)); break;
        case K::Button: {
            auto* button = new QPushButton(toQt(entry.caption));
            button->setAutoDefault(false);
            controls.buttons.emplace_back(entry.name, button);
            widget = button;
            break;
        }
        case K::RadioButton: {
            auto* radio = new QRadioButton(toQt(entry.caption));
            (entry.name == "AnyRb" ? controls.AnyRb : controls.StartRb) = radio;
            widget = radio;
            break;
        }
        case K::ComboBox: widget = controls.TarPar = makeComboBox(entry.caption); break;
        case K::Edit:
        case K::ReadOnlyEdit: {
            auto* edit = makeEdit(entry.kind == K::ReadOnlyEdit);
            controls.edits.emplace_back(entry.name, edit);
            if (entry.name == "Radius")
                controls.Radius = edit;
            widget = edit;
            break;
        }
        case K::TextView: {
            auto* view = makeTextView();
            controls.textViews.emplace_back(entry.name, view);
            widget = view;
            break;
        }
        }
        widget->setObjectName(toQt(entry.name));
        widget->setParent(entry.parent.empty() ? &client : byName.at(entry.parent));
        widget->setGeometry(entry.left, entry.top, entry.width, entry.height);
        if (!entry.hint.empty()) {
            widget->setToolTip(toQt(entry.hint));
            widget->setToolTipDuration(kHintMilliseconds);
        }
        applyLook(*widget, entry.look);
        // Labels size themselves to their text, as their designer meant.
        if (entry.kind == K::Label)
            widget->resize(widget->sizeHint().width(), entry.height);
        keepOutOfTabbing(*widget, entry.kind);
        byName[entry.name] = widget;
    }

    controls.StartRb->setChecked(true);
    followSelection(controls.AnyRb, controls.StartRb);
    QWidget::setTabOrder(controls.TarPar, controls.Radius);
    QWidget::setTabOrder(controls.Radius, controls.StartRb);
    QWidget::setTabOrder(controls.StartRb, controls.AnyRb);
    return controls;
}

} // namespace ui
