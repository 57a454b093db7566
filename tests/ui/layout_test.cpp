// SPDX-License-Identifier: GPL-3.0-or-later
// Every window as the person opens it, at the scale factor this run was given
// (QT_SCALE_FACTOR 1, 1.25, 1.5 and 2 each run it): the text of every label,
// button, check box and one-line box fits its widget, no two controls
// overlap, at the window's opening size and at its smallest; and text on a
// coloured background reads at a contrast of at least 4.5:1.
#include "ui_fixture.h"

#include "app/forms.h"

#include <QAbstractButton>
#include <QLabel>
#include <QStyle>

#include <cmath>

namespace uitest {
namespace {

using K = app::ControlKind;

// Each window and the control of an open window that opens it.
const struct {
    const char *form, *opener, *control;
} kOpenings[] = {
    {"Parishfm", nullptr, nullptr},         {"ParListFm", "Parishfm", "PrintPreview2"},
    {"PlotFm", "ParListFm", "ShowPlot"},    {"PlotDataFm", "PlotFm", "Information1"},
    {"AboutBox", "Parishfm", "About1"},     {"Licencefm", "AboutBox", "Licence"},
    {"ReadMefm", "Parishfm", "ReadMe1"},    {"Updatefm", "Parishfm", "AllowAmendments1"},
    {"CodesFm", "Parishfm", "Codes1"},      {"Mapfm", "Parishfm", "OSMapData1"},
    {"MyTextfm", "Parishfm", "ShowMyText"}, {"LocPlotfm", "Parishfm", "Plot1"},
};

// What is wrong with how a control shows its text, or "".
std::string textProblem(const QWidget& w, K kind)
{
    const QFontMetrics fm(w.font());
    const QRect room = w.contentsRect();
    QSize need;
    if (kind == K::Label) {
        const auto& label = static_cast<const QLabel&>(w);
        if (label.text().isEmpty() || !label.pixmap().isNull())
            return "";
        const QRect inner = room.adjusted(label.margin(), label.margin(), -label.margin(), -label.margin());
        need = label.wordWrap()
                   ? fm.boundingRect(QRect(0, 0, inner.width(), 10000), Qt::TextWordWrap, label.text()).size()
                   : fm.size(0, label.text());
        if (need.width() > inner.width() || need.height() > inner.height())
            return "label needs " + std::to_string(need.width()) + "x" + std::to_string(need.height()) + ", has "
                   + std::to_string(inner.width()) + "x" + std::to_string(inner.height());
        return "";
    }
    const QStyle& style = *w.style();
    int around = 0;
    QString text;
    if (kind == K::Button || kind == K::CheckBox || kind == K::RadioButton) {
        const auto& button = static_cast<const QAbstractButton&>(w);
        text = button.text();
        if (kind == K::Button)
            around =
                2 * (style.pixelMetric(QStyle::PM_ButtonMargin) / 2 + style.pixelMetric(QStyle::PM_DefaultFrameWidth))
                + (button.icon().isNull() ? 0 : button.iconSize().width() + 4);
        else
            around = style.pixelMetric(QStyle::PM_IndicatorWidth) + style.pixelMetric(QStyle::PM_CheckBoxLabelSpacing);
    } else {
        const auto& edit = static_cast<const QLineEdit&>(w);
        text = edit.text();
        around = 2 * style.pixelMetric(QStyle::PM_DefaultFrameWidth) + 4;
    }
    need = fm.size(Qt::TextShowMnemonic, text);
    if (need.width() + around > room.width() || fm.height() > room.height())
        return "text needs " + std::to_string(need.width() + around) + "x" + std::to_string(fm.height()) + ", has "
               + std::to_string(room.width()) + "x" + std::to_string(room.height());
    return "";
}

// WCAG 2 relative luminance and contrast ratio.
double luminance(const QColor& c)
{
    const auto linear = [](double v) { return v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4); };
    return 0.2126 * linear(c.redF()) + 0.7152 * linear(c.greenF()) + 0.0722 * linear(c.blueF());
}

double contrast(const QColor& a, const QColor& b)
{
    const double x = luminance(a), y = luminance(b);
    return (std::max(x, y) + 0.05) / (std::min(x, y) + 0.05);
}

// The colour behind a widget: the nearest one that paints its background.
QColor backgroundOf(const QWidget& w)
{
    for (const QWidget* at = &w; at; at = at->parentWidget())
        if (at->autoFillBackground() || at->isWindow())
            return at->palette().color(at->backgroundRole());
    return w.palette().color(QPalette::Window);
}

class LayoutTest : public DesktopTest {
protected:
    void SetUp() override
    {
        writeParishes(3);
        testsupport::writeBytes(dir_ / "ParList.txt", "a report\r\n");
        testsupport::writeBytes(dir_ / "PlotList.txt", "Ashby             435   316LEI\r\n");
        testsupport::writeBytes(dir_ / "MapList.Dat", "");
        testsupport::writeBytes(dir_ / "UKCoast.Txt", "   435    25\r\n");
        testsupport::writeBytes(dir_ / "UKLocs.Txt", "");
        start();
        press(Qt::Key_Down);
    }

    // Every control's text fits and no two controls overlap, as the window is now.
    void checkControls(ui::FormWindow& w)
    {
        QApplication::processEvents();
        std::vector<std::pair<std::string_view, QWidget*>> shown;
        for (const app::Control& c : w.core().controls()) {
            QWidget* widget = w.widget(c.name);
            if (!widget || !widget->isVisibleTo(&w))
                continue;
            shown.emplace_back(c.name, widget);
            if (c.kind == K::Label || c.kind == K::Button || c.kind == K::CheckBox || c.kind == K::RadioButton
                || c.kind == K::Edit || c.kind == K::ReadOnlyEdit) {
                EXPECT_EQ(textProblem(*widget, c.kind), "") << c.name;
            } else if (c.kind == K::ComboBox) {
                EXPECT_EQ(textProblem(*static_cast<QComboBox*>(widget)->lineEdit(), K::Edit), "") << c.name;
            }
        }
        for (std::size_t i = 0; i < shown.size(); ++i)
            for (std::size_t j = i + 1; j < shown.size(); ++j) {
                QWidget *a = shown[i].second, *b = shown[j].second;
                if (a->isAncestorOf(b) || b->isAncestorOf(a))
                    continue;
                const QRect ra(a->mapTo(&w, QPoint(0, 0)), a->size()), rb(b->mapTo(&w, QPoint(0, 0)), b->size());
                EXPECT_FALSE(ra.intersects(rb)) << shown[i].first << " overlaps " << shown[j].first;
            }
    }

    // Text on its background, for every label, check and box of the window.
    void checkContrast(ui::FormWindow& w)
    {
        for (const app::Control& c : w.core().controls()) {
            QWidget* widget = w.widget(c.name);
            if (!widget || !widget->isVisibleTo(&w))
                continue;
            QColor text, behind;
            if (c.kind == K::Label || c.kind == K::CheckBox || c.kind == K::RadioButton) {
                text = widget->palette().color(widget->foregroundRole());
                behind = backgroundOf(*widget);
            } else if (c.kind == K::Edit || c.kind == K::ReadOnlyEdit || c.kind == K::ComboBox || c.kind == K::TextView
                       || c.kind == K::TextEdit) {
                text = widget->palette().color(QPalette::Text);
                behind = widget->palette().color(QPalette::Base);
            } else {
                continue;
            }
            EXPECT_GE(contrast(text, behind), 4.5)
                << c.name << " " << text.name().toStdString() << " on " << behind.name().toStdString();
        }
    }
};

TEST_F(LayoutTest, EveryWindowShowsEveryTextWholeWithoutOverlapAndReadably)
{
    SCOPED_TRACE("QT_SCALE_FACTOR=" + qEnvironmentVariable("QT_SCALE_FACTOR").toStdString());
    for (const auto& o : kOpenings) {
        SCOPED_TRACE(o.form);
        if (o.opener)
            window(o.opener).click(o.control);
        person_.take();
        ui::FormWindow& w = window(o.form);
        ASSERT_TRUE(w.isVisible());
        checkControls(w);
        checkContrast(w);
        if (!(w.windowState() & Qt::WindowMaximized)) {
            const QSize opening = w.size();
            w.resize(w.minimumSize());
            SCOPED_TRACE("at its smallest");
            checkControls(w);
            w.resize(opening);
        }
        if (o.opener)
            w.close();
    }
}

} // namespace
} // namespace uitest
