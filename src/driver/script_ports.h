#pragma once
// The ports as the headless driver implements them: dialogs take their answers
// from a queue filled by the script, and everything a person would have seen
// or heard is written to the transcript, one event a line.
#include "app/dispatcher.h"
#include "app/ports.h"
#include "app/window.h"

#include <deque>
#include <functional>
#include <ostream>
#include <string>
#include <string_view>

namespace driver {

struct Answer {
    enum class Kind { OK, Cancel, Yes, No, Text, File, CancelInput };
    Kind kind;
    std::string text; // cp1252, for Text and File
};

// Thrown when a dialog appears with no answer queued. A session abort, so the
// commands' general error handling lets it through and the script stops.
struct Unanswered : app::SessionAbort {};

// Thrown when the queued answer does not fit the dialog (Yes for an OK/Cancel box).
struct AnswerMismatch : app::SessionAbort {
    explicit AnswerMismatch(std::string text) : message(std::move(text)) {}
    std::string message;
};

// A cp1252 text as the transcript writes it: UTF-8 in double quotes, with
// \" \\ \t \r \n and \xHH for other control bytes.
std::string quote(std::string_view cp1252);

// The driver's printer: a page of 95 fixed-pitch characters a line, each 6
// units wide and 10 high; a printed line advances 12 units and an empty one
// 10, on a page 792 units high, so 65 full lines make a page. Every printed
// line, new page and job is written to the transcript.
class ScriptPrinter : public reports::PrinterDevice {
public:
    static constexpr int kCharWidth = 6, kCharHeight = 10, kPageWidth = 95 * kCharWidth, kPageHeight = 792;

    explicit ScriptPrinter(std::function<void(std::string_view)> event) : event_(std::move(event)) {}
    void begin(const std::string& title) override;
    void setFont(const std::string&, int) override {}
    int pageWidth() override { return kPageWidth; }
    int pageHeight() override { return kPageHeight; }
    int textWidth(std::string_view text) override { return static_cast<int>(text.size()) * kCharWidth; }
    int textHeight(std::string_view) override { return kCharHeight; }
    int charHeight() override { return kCharHeight; }
    void drawLine(int x, int y, std::string_view text) override;
    void newPage() override;
    void end() override;

private:
    std::function<void(std::string_view)> event_;
};

class ScriptPorts : public app::Dialogs, public app::Feedback, public app::Platform, public app::Screen {
public:
    explicit ScriptPorts(std::ostream& transcript);

    app::Ports ports() { return {*this, *this, *this, *this}; }
    std::deque<Answer>& answers() { return answers_; }
    bool quitRequested() const { return quitRequested_; }
    // Writes one transcript line.
    void event(std::string_view line);

    void message(const std::string& text) override;
    void warningOk(const std::string& text) override;
    bool warningYesNo(const std::string& text) override;
    bool confirmYesNo(const std::string& text) override;
    bool confirmOkCancel(const std::string& text) override;
    bool infoYesNo(const std::string& text) override;
    std::optional<std::string> inputBox(const std::string& title, const std::string& prompt,
                                        const std::string& defaultText) override;
    void errorBox(const std::string& text) override;
    // Takes a queued OK or Cancel: `print-dialog -> OK`.
    bool printDialog() override;
    // Takes a queued `file TEXT` or `cancel`: `open-file TITLE -> TEXT`.
    std::optional<std::filesystem::path> openFile(const std::string& title, const std::string& filter) override;
    // Takes a queued `file TEXT` or `cancel`: `save-file TITLE -> TEXT`.
    std::optional<std::filesystem::path> saveFile(const std::string& title, const std::string& filter) override;

    void beep() override;
    void setBusy(bool) override {}

    void quit() override { quitRequested_ = true; }
    reports::PrinterDevice& printer() override { return printer_; }
    // The driver's printer writes the transcript, never a file.
    bool printerReady() override { return true; }
    // Writes `browse ADDRESS` instead of opening a browser, and succeeds.
    bool openUrl(const std::string& address) override
    {
        event("browse " + quote(address));
        return true;
    }

    // The folder named by STEEPLEWATCHER_DRIVE_A, as for the program.
    std::optional<std::filesystem::path> backUpFolder() override;
    // Paints and writes the file as the program does: `picture NAME WIDTHxHEIGHT`.
    void savePicture(const plot::Drawing& drawing, const std::filesystem::path& path) override;
    // `print-image WIDTHxHEIGHT`.
    void printPicture(const plot::Drawing& drawing) override;
    // The plain lines as a print job of the driver's printer.
    void printDocument(const richtext::Document&, const std::string& title,
                       const std::vector<std::string>& lines) override;

    void windowShown(const app::Window& window) override { event("show " + std::string(window.name())); }
    void windowHidden(const app::Window& window) override { event("hide " + std::string(window.name())); }
    void repaint(const app::Window&, std::string_view) override {}

private:
    std::optional<std::filesystem::path> fileDialog(std::string_view kind, const std::string& title);
    // The next answer, which must be one of the two kinds; "unanswered" ends the script.
    Answer take(const std::string& line, std::string_view dialog, Answer::Kind first, Answer::Kind second);
    // Takes the next answer for a two-button box; true for the first button.
    bool twoButtons(std::string_view kind, const std::string& text, Answer::Kind first, Answer::Kind second);

    std::ostream& out_;
    std::deque<Answer> answers_;
    bool quitRequested_ = false;
    ScriptPrinter printer_{[this](std::string_view line) { event(line); }};
};

} // namespace driver
