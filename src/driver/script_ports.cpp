#include "script_ports.h"

#include "render/picture.h"
#include "text/cp1252.h"

#include <cstdio>
#include <cstdlib>

namespace driver {
namespace {

std::string_view kindName(Answer::Kind k)
{
    switch (k) {
    case Answer::Kind::OK: return "OK";
    case Answer::Kind::Cancel: return "Cancel";
    case Answer::Kind::Yes: return "Yes";
    case Answer::Kind::No: return "No";
    case Answer::Kind::Text: return "a text";
    case Answer::Kind::File: return "a file";
    case Answer::Kind::CancelInput: return "cancel";
    }
    return "?";
}

bool isUndefinedCp1252(unsigned char b)
{
    return b == 0x81 || b == 0x8D || b == 0x8F || b == 0x90 || b == 0x9D;
}

} // namespace

std::string quote(std::string_view s)
{
    std::string out = "\"";
    for (char ch : s) {
        auto b = static_cast<unsigned char>(ch);
        switch (ch) {
        case '"': out += "\\\""; continue;
        case '\\': out += "\\\\"; continue;
        case '\t': out += "\\t"; continue;
        case '\r': out += "\\r"; continue;
        case '\n': out += "\\n"; continue;
        default: break;
        }
        if (b < 0x20 || b == 0x7F || isUndefinedCp1252(b)) {
            char hex[5];
            std::snprintf(hex, sizeof hex, "\\x%02X", b);
            out += hex;
        } else {
            out += text::cp1252ToUtf8(std::string_view(&ch, 1));
        }
    }
    out += '"';
    return out;
}

ScriptPorts::ScriptPorts(std::ostream& transcript) : out_(transcript) {}

void ScriptPorts::event(std::string_view line)
{
    out_ << line << '\n';
    out_.flush();
}

void ScriptPorts::message(const std::string& text)
{
    event("message " + quote(text));
}

void ScriptPorts::warningOk(const std::string& text)
{
    // A box with one button needs no answer; an OK queued for it is taken.
    if (!answers_.empty() && answers_.front().kind == Answer::Kind::OK)
        answers_.pop_front();
    event("warning " + quote(text) + " -> OK");
}

Answer ScriptPorts::take(const std::string& line, std::string_view dialog, Answer::Kind first, Answer::Kind second)
{
    if (answers_.empty()) {
        event(line + "unanswered");
        throw Unanswered{};
    }
    Answer a = answers_.front();
    if (a.kind != first && a.kind != second)
        throw AnswerMismatch{"the answer " + std::string(kindName(a.kind)) + " does not fit the " + std::string(dialog)
                             + " (" + std::string(kindName(first)) + " or " + std::string(kindName(second)) + ")"};
    answers_.pop_front();
    return a;
}

bool ScriptPorts::twoButtons(std::string_view kind, const std::string& text, Answer::Kind first, Answer::Kind second)
{
    std::string line = std::string(kind) + " " + quote(text) + " -> ";
    Answer a = take(line, std::string(kind) + " box " + quote(text), first, second);
    event(line + std::string(kindName(a.kind)));
    return a.kind == first;
}

bool ScriptPorts::warningYesNo(const std::string& text)
{
    return twoButtons("warning", text, Answer::Kind::Yes, Answer::Kind::No);
}

bool ScriptPorts::confirmYesNo(const std::string& text)
{
    return twoButtons("confirm", text, Answer::Kind::Yes, Answer::Kind::No);
}

bool ScriptPorts::confirmOkCancel(const std::string& text)
{
    return twoButtons("confirm", text, Answer::Kind::OK, Answer::Kind::Cancel);
}

bool ScriptPorts::infoYesNo(const std::string& text)
{
    return twoButtons("info", text, Answer::Kind::Yes, Answer::Kind::No);
}

std::optional<std::string> ScriptPorts::inputBox(const std::string& title, const std::string& prompt,
                                                 const std::string& defaultText)
{
    std::string line = "input " + quote(title) + " " + quote(prompt) + " " + quote(defaultText) + " -> ";
    Answer a = take(line, "input box " + quote(prompt), Answer::Kind::Text, Answer::Kind::CancelInput);
    if (a.kind == Answer::Kind::CancelInput) {
        event(line + "cancel");
        return std::nullopt;
    }
    event(line + quote(a.text));
    return a.text;
}

void ScriptPorts::errorBox(const std::string& text)
{
    event("error " + quote(text));
}

bool ScriptPorts::printDialog()
{
    std::string line = "print-dialog -> ";
    Answer a = take(line, "print dialog", Answer::Kind::OK, Answer::Kind::Cancel);
    event(line + std::string(kindName(a.kind)));
    return a.kind == Answer::Kind::OK;
}

std::optional<std::filesystem::path> ScriptPorts::openFile(const std::string& title, const std::string&)
{
    return fileDialog("open-file", title);
}

std::optional<std::filesystem::path> ScriptPorts::saveFile(const std::string& title, const std::string&)
{
    return fileDialog("save-file", title);
}

std::optional<std::filesystem::path> ScriptPorts::fileDialog(std::string_view kind, const std::string& title)
{
    std::string line = std::string(kind) + " " + quote(title) + " -> ";
    Answer a = take(line, std::string(kind) + " dialog", Answer::Kind::File, Answer::Kind::CancelInput);
    if (a.kind == Answer::Kind::CancelInput) {
        event(line + "cancel");
        return std::nullopt;
    }
    event(line + quote(a.text));
    return std::filesystem::path(text::cp1252ToUtf8(a.text));
}

std::optional<std::filesystem::path> ScriptPorts::backUpFolder()
{
    if (const char* folder = std::getenv("STEEPLEWATCHER_DRIVE_A"); folder != nullptr && *folder != '\0')
        return std::filesystem::path(folder);
    return std::nullopt;
}

namespace {
std::string sizeOf(const plot::Drawing& d)
{
    return std::to_string(d.width) + "x" + std::to_string(d.height);
}
} // namespace

void ScriptPorts::savePicture(const plot::Drawing& drawing, const std::filesystem::path& path)
{
    render::ensureGuiApplication();
    render::savePicture(drawing, path);
    event("picture " + path.filename().string() + " " + sizeOf(drawing));
}

void ScriptPorts::printPicture(const plot::Drawing& drawing)
{
    event("print-image " + sizeOf(drawing));
}

void ScriptPorts::printDocument(const richtext::Document&, const std::string& title,
                                const std::vector<std::string>& lines)
{
    reports::printLines(printer_, title, "Times New Roman", 12, lines);
}

void ScriptPorts::beep()
{
    event("beep");
}

void ScriptPrinter::begin(const std::string& title)
{
    event_("print " + quote(title));
}

void ScriptPrinter::drawLine(int, int, std::string_view text)
{
    event_("print-line " + quote(text));
}

void ScriptPrinter::newPage()
{
    event_("print-page");
}

void ScriptPrinter::end()
{
    event_("print-end");
}

} // namespace driver
