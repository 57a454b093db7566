#pragma once
// The ports as the headless driver implements them: dialogs take their answers
// from a queue filled by the script, and everything a person would have seen
// or heard is written to the transcript, one event a line.
#include "app/ports.h"

#include <deque>
#include <ostream>
#include <string>
#include <string_view>

namespace driver {

struct Answer {
    enum class Kind { OK, Cancel, Yes, No, Text, File, CancelInput };
    Kind kind;
    std::string text; // cp1252, for Text and File
};

// Thrown when a dialog appears with no answer queued. Deliberately not a
// std::exception, so a command's general error handling lets it through.
struct Unanswered {};

// Thrown when the queued answer does not fit the dialog (Yes for an OK/Cancel box).
struct AnswerMismatch {
    std::string message;
};

// A cp1252 text as the transcript writes it: UTF-8 in double quotes, with
// \" \\ \t \r \n and \xHH for other control bytes.
std::string quote(std::string_view cp1252);

class ScriptPorts : public app::Dialogs, public app::Feedback, public app::Platform {
public:
    explicit ScriptPorts(std::ostream& transcript);

    app::Ports ports() { return {*this, *this, *this}; }
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

    void beep() override;
    void setBusy(bool) override {}
    void repaint(std::string_view) override {}

    void quit() override { quitRequested_ = true; }
    void showForm(std::string_view form) override { event("show " + std::string(form)); }
    void hideForm(std::string_view form) override { event("hide " + std::string(form)); }

private:
    // Takes the next answer for a two-button box; true for the first button.
    bool twoButtons(std::string_view kind, const std::string& text, Answer::Kind first, Answer::Kind second);

    std::ostream& out_;
    std::deque<Answer> answers_;
    bool quitRequested_ = false;
};

} // namespace driver
