// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The program on Qt's offscreen desktop, on data files in a fresh folder. Only
// the person is faked: it answers the boxes from a queue and records what it
// was shown and heard as structures.
#include "app/ports.h"
#include "records/parish_record.h"
#include "support/temp_dir.h"
#include "ui/desktop.h"
#include "ui/form_window.h"

#include <QComboBox>
#include <QTest>

#include <gtest/gtest.h>

#include <deque>
#include <functional>
#include <memory>
#include <ostream>
#include <string>
#include <vector>

namespace uitest {

struct Shown {
    enum class Kind { Message, Warning, Confirm, Info, Input, Error, PrintDialog, Beep, Quit, OpenUrl };
    Kind kind;
    std::string text = {}; // the box's text (an input box's prompt) or the address, as cp1252
    bool operator==(const Shown&) const = default;
};
std::ostream& operator<<(std::ostream& out, const Shown& shown);

class FakePerson : public app::Dialogs, public app::Feedback, public app::Platform {
public:
    // The answer to the next question box: "Yes", "No", "OK" or "Cancel"; an
    // input box's text, "Cancel" cancelling it.
    void answer(std::string reply) { answers_.push_back(std::move(reply)); }
    // What the person does while the next box of any kind is up: the box's own
    // event loop still delivers clicks and keys to the windows.
    void duringNextBox(std::function<void()> act) { during_ = std::move(act); }
    // What was shown and heard since the last call.
    std::vector<Shown> take() { return std::exchange(shown_, {}); }
    bool answersLeft() const { return !answers_.empty(); }
    int busyDepth() const { return busy_; }
    // What reached the printer: "begin TITLE", each line, "page" and "end".
    const std::vector<std::string>& printed() const { return printer_.lines; }
    // Prints on a real device instead.
    void printOn(reports::PrinterDevice& device) { device_ = &device; }

    void message(const std::string& text) override { show(Shown::Kind::Message, text); }
    void warningOk(const std::string& text) override { show(Shown::Kind::Warning, text); }
    bool warningYesNo(const std::string& text) override { return ask(Shown::Kind::Warning, text) == "Yes"; }
    bool confirmYesNo(const std::string& text) override { return ask(Shown::Kind::Confirm, text) == "Yes"; }
    bool confirmOkCancel(const std::string& text) override { return ask(Shown::Kind::Confirm, text) == "OK"; }
    bool infoYesNo(const std::string& text) override { return ask(Shown::Kind::Info, text) == "Yes"; }
    std::optional<std::string> inputBox(const std::string&, const std::string& prompt, const std::string&) override;
    void errorBox(const std::string& text) override { show(Shown::Kind::Error, text); }
    bool printDialog() override { return ask(Shown::Kind::PrintDialog, {}) == "OK"; }
    void beep() override { shown_.push_back({Shown::Kind::Beep}); }
    void setBusy(bool busy) override { busy_ += busy ? 1 : -1; }
    void quit() override { shown_.push_back({Shown::Kind::Quit}); }
    reports::PrinterDevice& printer() override { return device_ ? *device_ : printer_; }
    bool openUrl(const std::string& address) override;

private:
    // 95 characters of 6 units a line, a line 10 units high, 792 units a page.
    struct LinePrinter : reports::PrinterDevice {
        std::vector<std::string> lines;
        void begin(const std::string& title) override { lines.push_back("begin " + title); }
        void setFont(const std::string&, int) override {}
        int pageWidth() override { return 570; }
        int pageHeight() override { return 792; }
        int textWidth(std::string_view text) override { return static_cast<int>(text.size()) * 6; }
        int textHeight(std::string_view) override { return 10; }
        int charHeight() override { return 10; }
        void drawLine(int, int, std::string_view text) override { lines.emplace_back(text); }
        void newPage() override { lines.emplace_back("page"); }
        void end() override { lines.emplace_back("end"); }
    };

    void show(Shown::Kind kind, const std::string& text);
    std::string ask(Shown::Kind kind, const std::string& text);

    std::vector<Shown> shown_;
    std::deque<std::string> answers_;
    std::function<void()> during_;
    int busy_ = 0;
    LinePrinter printer_;
    reports::PrinterDevice* device_ = nullptr;
};

class DesktopTest : public ::testing::Test {
protected:
    // Parishes.Dat: the version record and n numbered parishes, or these records.
    std::vector<records::ParishRecord> writeParishes(int n);
    void writeParishes(const std::vector<records::ParishRecord>& records);
    // Makes the desktop and starts the program as the person does.
    void start();

    // The Qt window of the window core of that name, and a control's widget.
    ui::FormWindow& window(std::string_view form);
    template <typename W = QWidget> W& widget(std::string_view form, std::string_view control)
    {
        W* w = window(form).widgetAs<W>(control);
        if (!w)
            throw std::logic_error("no widget " + std::string(control));
        return *w;
    }
    QComboBox& tarPar() { return widget<QComboBox>("Parishfm", "TarPar"); }
    const app::Parishfm& core() { return desktop_->program().mainWindow(); }
    // A line box's text and a text view's lines, as cp1252.
    std::string text(std::string_view form, std::string_view control);
    std::vector<std::string> lines(std::string_view form, std::string_view control);

    // The person's hand: a key on the focused control, a click, a menu item, typing.
    void press(int qtKey, Qt::KeyboardModifiers modifiers = Qt::NoModifier);
    void click(std::string_view form, std::string_view button);
    void choose(const char* menuItem);
    void type(QWidget& box, const QString& text);

    testsupport::TempDir dir_;
    FakePerson person_;
    app::Platform* platform_ = &person_;
    std::unique_ptr<ui::Desktop> desktop_;
};

} // namespace uitest
