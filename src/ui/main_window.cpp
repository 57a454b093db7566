// SPDX-License-Identifier: GPL-3.0-or-later
#include "main_window.h"

#include "ui/looks.h"
#include "ui/qt_text.h"

#include <QComboBox>
#include <QEvent>
#include <QFontMetricsF>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPainter>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QTextBlock>
#include <QVBoxLayout>

#include <algorithm>

namespace ui {
namespace {

constexpr int kLeft = 100;
constexpr int kTop = 89;
constexpr int kRecordColumns = 81; // a record line's length
constexpr int kRecordsShown = 7; // lines of each of the before and after views

// The record line's fields after the name (records::recordLine), as first
// column and width: type, county, country, grid reference, easting and
// northing. The heading's words after "Parish Name" name them in that order.
struct Field {
    int column, width;
};
constexpr Field kFields[] = {{47, 1}, {50, 3}, {56, 3}, {62, 6}, {68, 13}};

// Paints the column heading: "Parish Name" over the names, and each further
// word centred over its field of the record lines below (the text itself, with
// its own spacing, would stand several characters to the left of them). The
// label keeps its text; only where its words are drawn differs.
class ColumnHeading : public QObject {
public:
    ColumnHeading(QLabel& label, const QPlainTextEdit& records) : QObject(&label), label_(label), records_(records)
    {
        label.installEventFilter(this);
    }

    std::vector<HeadingWord> words() const
    {
        std::vector<HeadingWord> out;
        const QStringList words = label_.text().split(' ', Qt::SkipEmptyParts);
        const QFontMetrics metrics(label_.font());
        const qreal cell = QFontMetricsF(records_.font()).horizontalAdvance(QLatin1Char('0'));
        // The record text's left edge, in the heading's coordinates.
        const qreal left = records_.viewport()->mapTo(label_.window(), QPoint(0, 0)).x()
                           - label_.mapTo(label_.window(), QPoint(0, 0)).x() + records_.document()->documentMargin();
        const int named = std::max<int>(0, static_cast<int>(words.size()) - static_cast<int>(std::size(kFields)));
        int end = 0;
        for (int i = 0; i < words.size(); ++i) {
            const int width = metrics.horizontalAdvance(words[i]);
            int x = 0;
            if (i < named) {
                x = i == 0 ? static_cast<int>(left) : end + metrics.horizontalAdvance(QLatin1Char(' '));
            } else {
                const Field f = kFields[i - named];
                x = static_cast<int>(left + cell * (f.column + f.width / 2.0) - width / 2.0);
                x = std::max(x, end + metrics.horizontalAdvance(QLatin1Char(' ')));
            }
            out.push_back({words[i], QRect(x, 0, width, label_.height())});
            end = x + width;
        }
        return out;
    }

    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() != QEvent::Paint)
            return false;
        QPainter painter(&label_);
        painter.setFont(label_.font());
        painter.setPen(label_.palette().color(QPalette::WindowText));
        for (const HeadingWord& w : words())
            painter.drawText(w.rect, Qt::AlignLeft | Qt::AlignVCenter, w.word);
        return true;
    }

private:
    QLabel& label_;
    const QPlainTextEdit& records_;
};

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

// A one-line box as wide as that many digits and its frame.
void widthInDigits(QWidget* box, int digits)
{
    const int text = box->fontMetrics().horizontalAdvance(QString(digits, QLatin1Char('0')));
    box->setFixedWidth(text + 2 * box->style()->pixelMetric(QStyle::PM_DefaultFrameWidth) + 8);
}

// The record views: borderless, fixed pitch, exactly their lines high.
void showRecordLines(QPlainTextEdit& view, int lines)
{
    view.setFrameShape(QFrame::NoFrame);
    view.setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    view.setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    view.setFont(fixedPitchFont());
    view.document()->setDocumentMargin(2);
    const QFontMetricsF metrics(view.font());
    const qreal margin = 2 * view.document()->documentMargin();
    view.setMinimumWidth(static_cast<int>(metrics.horizontalAdvance(QString(kRecordColumns, QLatin1Char('M'))) + margin)
                         + 2);
    view.setFixedHeight(static_cast<int>(metrics.lineSpacing() * lines + margin) + 2);
}

} // namespace

MainWindow::MainWindow(app::Parishfm& core, Desktop& desktop) : FormWindow(core, desktop)
{
    auto* column = new QVBoxLayout(this);
    column->setMenuBar(menuBar());

    // The product name, the search box and its buttons, the search mode.
    showAsTitle(*widget("Label1"), 1.6);
    QFont small = font();
    small.setPointSizeF(small.pointSizeF() * 0.85);
    widget("Label20")->setFont(small);
    setTextColour(*widget("Label20"), kMutedText);
    auto* titles = new QVBoxLayout;
    titles->addWidget(widget("Label1"));
    titles->addWidget(widget("Label20"));
    auto* search = new QVBoxLayout;
    search->addWidget(widget("Label2"));
    setBoxColour(*widget("TarPar"), kInputBox);
    widget("TarPar")->setMinimumWidth(fontMetrics().horizontalAdvance(QString(24, QLatin1Char('n'))));
    search->addWidget(widget("TarPar"));
    auto* finds = new QGridLayout;
    finds->addWidget(widget("FindFirst"), 0, 0);
    finds->addWidget(widget("FindNext"), 0, 1);
    finds->addWidget(widget("NextCounty1"), 1, 1);
    auto* modes = new QVBoxLayout(widget("GroupBox1"));
    modes->addWidget(widget("AnyRb"));
    modes->addWidget(widget("StartRb"));
    auto* top = new QHBoxLayout;
    top->addLayout(titles);
    top->addSpacing(fontMetrics().averageCharWidth() * 2);
    top->addLayout(search, 1);
    top->addLayout(finds);
    top->addWidget(widget("GroupBox1"));
    column->addLayout(top);

    // The heading and the records before, at and after the current one.
    auto* records = new QVBoxLayout;
    records->setSpacing(0);
    for (auto [name, lines] :
         {std::pair{"Memo1", kRecordsShown}, std::pair{"Memo3", 1}, std::pair{"Memo2", kRecordsShown}})
        showRecordLines(*widgetAs<QPlainTextEdit>(name), lines);
    setBoxColour(*widget("Memo3"), kCurrentRecord);
    auto* heading = widgetAs<QLabel>("Label21");
    heading->setFont(small);
    new ColumnHeading(*heading, *widgetAs<QPlainTextEdit>("Memo3"));
    for (const char* name : {"Label21", "Memo1", "Memo3", "Memo2"})
        records->addWidget(widget(name));
    column->addLayout(records);

    // The two parishes.
    auto* parishes = new QGridLayout;
    for (int row = 0; row < 2; ++row) {
        const std::string n = row == 0 ? "1" : "2";
        parishes->addWidget(widget(row == 0 ? "Select1stParish" : "Select2ndParish"), row, 0);
        parishes->addWidget(widget("Parish" + n), row, 1);
        parishes->addWidget(widget("OsRef" + n), row, 2);
        parishes->addWidget(widget("Parish" + n + "East"), row, 3);
        parishes->addWidget(widget("Parish" + n + "North"), row, 4);
        widthInDigits(widget("OsRef" + n), 7);
        widthInDigits(widget("Parish" + n + "East"), 6);
        widthInDigits(widget("Parish" + n + "North"), 7);
    }
    parishes->setColumnStretch(1, 1);
    column->addLayout(parishes);

    // Distance, direction, and the radius search.
    const auto row = [column](std::initializer_list<const char*> left, QWidget* right) {
        auto* line = new QHBoxLayout;
        for (const char* name : left)
            line->addWidget(static_cast<MainWindow*>(column->parentWidget())->widget(name));
        line->addStretch(1);
        if (right)
            line->addWidget(right);
        column->addLayout(line);
    };
    for (auto [name, digits] : {std::pair{"Miles", 7}, std::pair{"Klm", 7}, std::pair{"DegreesDisplay", 5},
                                std::pair{"Radius", 5}, std::pair{"Progress", 8}, std::pair{"Hits", 6}})
        widthInDigits(widget(name), digits);
    widthInDigits(widget("Direction"), 18);
    row({"Label17", "Miles", "Label18", "Klm", "Label19"}, widget("CalDistDir"));
    row({"Label16", "DegreesDisplay", "Label15", "Direction"}, nullptr);
    setBoxColour(*widget("Radius"), kInputBox);
    for (const char* name : {"Label10", "Label11", "Label12"})
        setTextColour(*widget(name), kRadiusText);
    row({"Label10", "Radius", "Label11", "Progress", "Label12", "Hits"}, widget("ParishGroup"));

    keepOutOfTabbing(*this);
    followSelection(widgetAs<QRadioButton>("AnyRb"), widgetAs<QRadioButton>("StartRb"));
    QWidget::setTabOrder(widget("TarPar"), widget("Radius"));
    QWidget::setTabOrder(widget("Radius"), widget("StartRb"));
    QWidget::setTabOrder(widget("StartRb"), widget("AnyRb"));

    // Enter in the search box finds, as if "Find First" were the window's default button.
    connect(widgetAs<QComboBox>("TarPar")->lineEdit(), &QLineEdit::returnPressed, this, [this] { click("FindFirst"); });
    move(kLeft, kTop);
    // As wide as the person likes; as high as its rows (the record views show seven lines each).
    setFixedHeight(sizeHint().height());
    resize(sizeHint());
}

std::vector<HeadingWord> headingWords(const MainWindow& window)
{
    const auto* heading = window.widgetAs<QLabel>("Label21")->findChild<ColumnHeading*>();
    return heading ? heading->words() : std::vector<HeadingWord>{};
}

} // namespace ui
