#include "parlistfm_window.h"

#include "ui/qt_text.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace ui {
namespace {

constexpr int kPanelHeight = 65;

struct ButtonSpec {
    const char* name;
    const char* caption;
    const char* hint;
};

// The panel's buttons, left to right (the Scale group sits between Plot and Close).
constexpr ButtonSpec kLeftButtons[] = {
    {"Print", "&Print", "Send report to printer"},
    {"CSVOUTPUT", "Create a CSV &File", ""},
    {"ShowPlot", "Plo&t", "Plot results from last Parish Group"},
};
constexpr ButtonSpec kCloseButton = {"Close", "&Close", ""};

QString joinLines(const std::vector<std::string>& lines)
{
    QStringList out;
    for (const std::string& line : lines)
        out << toQt(line);
    return out.join(QLatin1Char('\n'));
}

QLabel* label(QWidget* parent, const char* name, const char* text)
{
    auto* l = new QLabel(QString::fromUtf8(text), parent);
    l->setObjectName(name);
    return l;
}

} // namespace

TParListFm::TParListFm(app::ParListFm& core, QWidget* parent) : QWidget(parent, Qt::Window), core_(core)
{
    setObjectName("ParListFm");
    setWindowTitle("Report  - Print Preview");
    setAutoFillBackground(true);
    QPalette white = palette();
    white.setColor(QPalette::Window, Qt::white);
    setPalette(white);

    auto* panel = new QWidget(this);
    panel->setObjectName("Panel1");
    panel->setFixedHeight(kPanelHeight);
    auto* row = new QHBoxLayout(panel);

    QLabel* title = label(panel, "Label1", "Steeplewatcher");
    QFont titleFont("Times New Roman");
    titleFont.setPixelSize(27);
    titleFont.setBold(true);
    titleFont.setItalic(true);
    title->setFont(titleFont);
    title->setStyleSheet("color: maroon");
    row->addWidget(title);

    auto addButton = [&](const ButtonSpec& button) {
        auto* b = new QPushButton(QString::fromUtf8(button.caption), panel);
        b->setObjectName(button.name);
        b->setToolTip(QString::fromUtf8(button.hint));
        auto handler = app::findParListHandler(button.name);
        b->setEnabled(handler.has_value()); // the plot's button waits for the plot
        if (handler)
            connect(b, &QPushButton::clicked, this, [this, h = *handler] { dispatch(h); });
        row->addWidget(b);
    };
    for (const ButtonSpec& button : kLeftButtons)
        addButton(button);

    row->addWidget(label(panel, "Label2", "At"));
    auto* scaleGroup = new QVBoxLayout;
    scale_ = new QLineEdit(panel);
    scale_->setObjectName("Scale");
    scale_->setStyleSheet("background: yellow");
    scaleGroup->addWidget(scale_);
    checkBox_ = new QCheckBox("Restrict Plot to Target County", panel);
    checkBox_->setObjectName("CheckBox1");
    checkBox_->setToolTip("If Checked plot will only include Parishes in the Same County as the Target Parish.");
    scaleGroup->addWidget(checkBox_);
    row->addLayout(scaleGroup);
    row->addWidget(label(panel, "Label3", "Pixels per Km"));
    addButton(kCloseButton);
    row->addStretch();

    richEdit_ = new QPlainTextEdit(this);
    richEdit_->setObjectName("RichEdit1");
    QFont fixed("Courier New");
    fixed.setStyleHint(QFont::TypeWriter);
    fixed.setPixelSize(13);
    richEdit_->setFont(fixed);
    richEdit_->setLineWrapMode(QPlainTextEdit::NoWrap);
    richEdit_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);

    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(0, 0, 0, 0);
    column->addWidget(panel);
    column->addWidget(richEdit_, 1);

    // Commands of the main window show and hide this window through its core.
    core_.viewChanged = [this] { push(); };
    push();
    hide();
}

TParListFm::~TParListFm()
{
    core_.viewChanged = nullptr;
}

void TParListFm::dispatch(void (app::ParListFm::*handler)())
{
    pull();
    core_.run(handler);
    push();
}

void TParListFm::closeEvent(QCloseEvent* event)
{
    if (core_.view.visible)
        dispatch(&app::ParListFm::CloseClick);
    event->accept();
}

void TParListFm::pull()
{
    app::ParListFmView& v = core_.view;
    std::vector<std::string> lines;
    for (const QString& line : richEdit_->toPlainText().split(QLatin1Char('\n')))
        lines.push_back(fromQt(line));
    v.RichEdit1 = lines;
    shownLines_ = std::move(lines);
    v.Scale = fromQt(scale_->text());
    v.CheckBox1 = checkBox_->isChecked();
}

void TParListFm::push()
{
    const app::ParListFmView& v = core_.view;
    // The text is replaced only when the core loaded another, so edits on screen stay.
    if (v.RichEdit1 != shownLines_) {
        richEdit_->setPlainText(joinLines(v.RichEdit1));
        shownLines_ = v.RichEdit1;
    }
    if (fromQt(scale_->text()) != v.Scale)
        scale_->setText(toQt(v.Scale));
    checkBox_->setChecked(v.CheckBox1);
    if (v.richEditFocused && v.visible)
        richEdit_->setFocus();
}

} // namespace ui
