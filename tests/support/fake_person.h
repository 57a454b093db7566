// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The person at the program, faked for the core's tests: answers the boxes
// from a queue and records what was shown and heard, as structures.
#include "app/ports.h"
#include "app/window.h"
#include "plot/drawing.h"

#include <deque>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace testsupport {

struct Shown {
    enum class Kind {
        Message,
        Warning,
        Confirm,
        Info,
        Input,
        OpenFile,
        Error,
        PrintDialog,
        Beep,
        Quit,
        Browse,
        Show,
        Hide,
        Picture
    };
    Kind kind;
    std::string text; // the box's text, the address, or the window's name
    bool operator==(const Shown&) const = default;
};

class FakePerson : public app::Dialogs, public app::Feedback, public app::Platform, public app::Screen {
public:
    app::Ports ports() { return {*this, *this, *this, *this}; }

    // Answers for the next boxes, in order: "Yes", "No", "OK", "Cancel", or an
    // input box's text ("" cancels it). A box with nothing queued fails the test.
    void answer(std::initializer_list<std::string_view> replies);
    // What was shown since the last call; beeps and hourglass changes included.
    std::vector<Shown> take();
    bool answersLeft() const { return !answers_.empty(); }
    // Every line printed, with "print TITLE", "page" and "end" marks.
    const std::vector<std::string>& printed() const { return printer_.lines; }
    // What the person does while the next box of any kind is up; under a real
    // event loop the windows still get the person's clicks and keys meanwhile.
    void duringNextBox(std::function<void()> act) { during_ = std::move(act); }
    // Prints on that device (a real printer) instead; null for the line printer again.
    void printOn(reports::PrinterDevice* device) { device_ = device; }

    void message(const std::string& text) override { box(Shown::Kind::Message, text); }
    void warningOk(const std::string& text) override { box(Shown::Kind::Warning, text); }
    bool warningYesNo(const std::string& text) override { return ask(Shown::Kind::Warning, text, "Yes"); }
    bool confirmYesNo(const std::string& text) override { return ask(Shown::Kind::Confirm, text, "Yes"); }
    bool confirmOkCancel(const std::string& text) override { return ask(Shown::Kind::Confirm, text, "OK"); }
    bool infoYesNo(const std::string& text) override { return ask(Shown::Kind::Info, text, "Yes"); }
    std::optional<std::string> inputBox(const std::string& title, const std::string& prompt,
                                        const std::string& defaultText) override;
    void errorBox(const std::string& text) override { box(Shown::Kind::Error, text); }
    bool printDialog() override { return ask(Shown::Kind::PrintDialog, "", "OK"); }
    // Takes the next answer as the path chosen; "" cancels.
    std::optional<std::filesystem::path> openFile(const std::string& title, const std::string&) override;
    std::optional<std::filesystem::path> saveFile(const std::string& title, const std::string&) override
    {
        return textAnswer(Shown::Kind::OpenFile, title);
    }

    void beep() override { record(Shown::Kind::Beep, ""); }
    void setBusy(bool busy) override { busy_ += busy ? 1 : -1; }
    int busyDepth() const { return busy_; }

    void quit() override { record(Shown::Kind::Quit, ""); }
    reports::PrinterDevice& printer() override { return device_ ? *device_ : printer_; }
    bool printerReady() override { return true; }
    bool openUrl(const std::string& address) override
    {
        record(Shown::Kind::Browse, address);
        return browserAvailable;
    }
    bool browserAvailable = true;
    std::optional<std::filesystem::path> backUpFolder() override { return backUpDisk; }
    std::optional<std::filesystem::path> backUpDisk; // the folder that stands for drive A:
    // Records "NAME" as a Picture and keeps the drawing; printing one prints "image".
    void savePicture(const plot::Drawing& drawing, const std::filesystem::path& path) override;
    void printPicture(const plot::Drawing&) override { printer_.lines.emplace_back("image"); }
    void printDocument(const richtext::Document&, const std::string& title,
                       const std::vector<std::string>& lines) override
    {
        reports::printLines(printer_, title, "Times New Roman", 12, lines);
    }
    std::vector<plot::Drawing> pictures;

    void windowShown(const app::Window& w) override { record(Shown::Kind::Show, std::string(w.name())); }
    void windowHidden(const app::Window& w) override { record(Shown::Kind::Hide, std::string(w.name())); }
    void repaint(const app::Window&, std::string_view) override {}

private:
    // A printer of 95 fixed characters a line and 65 lines a page.
    struct Printer : reports::PrinterDevice {
        std::vector<std::string> lines;
        void begin(const std::string& title) override { lines.push_back("print " + title); }
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

    void record(Shown::Kind kind, std::string text) { shown_.push_back({kind, std::move(text)}); }
    void box(Shown::Kind kind, std::string text);
    bool ask(Shown::Kind kind, const std::string& text, std::string_view yes);
    // The next answer as a text; nothing for "".
    std::optional<std::string> textAnswer(Shown::Kind kind, const std::string& text);

    std::vector<Shown> shown_;
    std::deque<std::string> answers_;
    Printer printer_;
    int busy_ = 0;
    std::function<void()> during_;
    reports::PrinterDevice* device_ = nullptr;
};

} // namespace testsupport
