#include "mapfm_window.h"

#include "ui/qt_text.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QStyle>
#include <QVBoxLayout>

namespace ui {
namespace {

constexpr int kClientWidth = 607;
constexpr int kClientHeight = 376;
constexpr int kPanelHeight = 57;

struct LabelSpec {
    const char* name;
    const char* text; // UTF-8
    const char* colour;
    bool centred;
};

// Below the panel, top to bottom, down to the sheet list.
constexpr LabelSpec kUpperLabels[] = {
    {"Label2",
     "The Landranger(R) Series of maps to a scale of 1:50,000 or  1\u00BC miles to the inch, each cover an area  "
     "40km (25 miles) square.",
     "yellow", true},
    {"Label3", "There are 204 in the series to cover mainland UK.", "yellow", true},
    {"Label5", "", "lime", false}, // the Landranger page, set below
    {"Lablel4", "The Discovery Series of maps also to a scale of 1:50000 each cover an area of approx 40km  by 30km ",
     "yellow", true},
    {"Label6", "There are 89 in the series to cover the whole of Ireland. ", "yellow", false},
};
constexpr LabelSpec kBottomLabel = {
    "Label4", "Some sheets overlap.  Users are urged to check which sheet is most appropriate for their needs.",
    "yellow", false};

QLabel* makeLabel(QWidget* parent, const LabelSpec& entry)
{
    auto* label = new QLabel(QString::fromUtf8(entry.text), parent);
    label->setObjectName(entry.name);
    label->setTextFormat(Qt::PlainText);
    label->setWordWrap(true);
    label->setStyleSheet(QString("color: %1").arg(entry.colour));
    if (entry.centred)
        label->setAlignment(Qt::AlignHCenter);
    return label;
}

QString joinLines(const std::vector<std::string>& lines)
{
    QStringList out;
    for (const std::string& line : lines)
        out << toQt(line);
    return out.join(QLatin1Char('\n'));
}

} // namespace

TMapfm::TMapfm(app::Mapfm& core, QWidget* parent) : QWidget(parent, Qt::Dialog), core_(core)
{
    setObjectName("Mapfm");
    setWindowTitle("OS Maps");
    setWindowModality(Qt::ApplicationModal);
    setFixedSize(kClientWidth, kClientHeight); // a dialog border: not resized
    setAutoFillBackground(true);
    QPalette purple = palette();
    purple.setColor(QPalette::Window, QColor(128, 0, 128));
    setPalette(purple);

    auto* panel = new QWidget(this);
    panel->setObjectName("Panel1");
    panel->setFixedHeight(kPanelHeight);
    panel->setAutoFillBackground(true);
    QPalette plain = panel->palette();
    plain.setColor(QPalette::Window, QWidget::palette().color(QPalette::Button));
    panel->setPalette(plain);
    auto* row = new QHBoxLayout(panel);

    auto* titles = new QVBoxLayout;
    auto* title = new QLabel("Ordnance Survey Map Index ", panel);
    title->setObjectName("Label1");
    QFont titleFont("Times New Roman");
    titleFont.setPixelSize(24);
    titleFont.setBold(true);
    titleFont.setItalic(true);
    title->setFont(titleFont);
    title->setStyleSheet("color: maroon");
    titles->addWidget(title);
    auto* marks = new QLabel("Ordnance Survey, Landranger and Discovery are trade marks of their owners.", panel);
    marks->setObjectName("Label7");
    marks->setStyleSheet("color: grey");
    marks->setWordWrap(true); // the panel is narrower than the line
    titles->addWidget(marks);
    row->addLayout(titles, 1);

    auto* print = new QPushButton("&Print", panel);
    print->setObjectName("Printbn");
    connect(print, &QPushButton::clicked, this, [this] { dispatch(&app::Mapfm::PrintbnClick); });
    row->addWidget(print);
    auto* close = new QPushButton(style()->standardIcon(QStyle::SP_DialogCloseButton), "&Close", panel);
    close->setObjectName("BitBtn1");
    connect(close, &QPushButton::clicked, this, [this] { dispatch(&app::Mapfm::BitBtn1Click); });
    row->addWidget(close);

    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(0, 0, 0, 4);
    column->addWidget(panel);
    for (const LabelSpec& entry : kUpperLabels)
        column->addWidget(makeLabel(this, entry));
    findChild<QLabel*>("Label5")->setText(QString("Details are available online from ") + kLandrangerPage);

    richEdit_ = new QPlainTextEdit(this);
    richEdit_->setObjectName("RichEdit1");
    richEdit_->setReadOnly(true);
    QFont fixed(toQt(app::kMapFont));
    fixed.setStyleHint(QFont::TypeWriter);
    fixed.setPixelSize(12);
    richEdit_->setFont(fixed);
    richEdit_->setLineWrapMode(QPlainTextEdit::NoWrap);
    richEdit_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    column->addWidget(richEdit_, 1);
    column->addWidget(makeLabel(this, kBottomLabel));

    // The main window's command shows and hides this window through its core.
    core_.viewChanged = [this] { push(); };
    push();
    hide();
}

TMapfm::~TMapfm()
{
    core_.viewChanged = nullptr;
}

void TMapfm::dispatch(void (app::Mapfm::*handler)())
{
    core_.run(handler);
    push();
}

void TMapfm::closeEvent(QCloseEvent* event)
{
    if (core_.view.visible)
        dispatch(&app::Mapfm::BitBtn1Click);
    event->accept();
}

void TMapfm::showEvent(QShowEvent* event)
{
    if (QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
    QWidget::showEvent(event);
}

void TMapfm::push()
{
    richEdit_->setPlainText(joinLines(core_.view.RichEdit1));
}

} // namespace ui
