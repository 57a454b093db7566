#include "script_reader.h"

#include "text/cp1252.h"

#include <array>
#include <charconv>
#include <utility>

namespace driver {
namespace {

bool isBlank(char c)
{
    return c == ' ' || c == '\t';
}

// The line number is filled in by readScript.
[[noreturn]] void fail(std::string message)
{
    throw ScriptError{0, std::move(message)};
}

int hexValue(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    return -1;
}

// Strict UTF-8: no stray continuation bytes, no overlong forms, no surrogates,
// nothing above U+10FFFF. A script saved in another code page fails here
// instead of turning its accented letters into '?'.
bool isValidUtf8(std::string_view s)
{
    std::size_t i = 0;
    while (i < s.size()) {
        auto b = static_cast<unsigned char>(s[i]);
        std::size_t extra;
        char32_t c;
        if (b < 0x80) {
            ++i;
            continue;
        } else if (b >= 0xC2 && b <= 0xDF) {
            extra = 1;
            c = b & 0x1F;
        } else if (b >= 0xE0 && b <= 0xEF) {
            extra = 2;
            c = b & 0x0F;
        } else if (b >= 0xF0 && b <= 0xF4) {
            extra = 3;
            c = b & 0x07;
        } else {
            return false;
        }
        if (i + extra >= s.size())
            return false;
        for (std::size_t k = 1; k <= extra; ++k) {
            auto n = static_cast<unsigned char>(s[i + k]);
            if ((n & 0xC0) != 0x80)
                return false;
            c = (c << 6) | (n & 0x3F);
        }
        constexpr std::array<char32_t, 4> kSmallest = {0, 0x80, 0x800, 0x10000};
        if (c < kSmallest[extra] || (c >= 0xD800 && c <= 0xDFFF) || c > 0x10FFFF)
            return false;
        i += extra + 1;
    }
    return true;
}

// Reads the TEXT that starts at line[pos] (the opening quote); leaves pos after
// the closing quote. The plain characters are UTF-8 and become cp1252; \xHH
// gives the byte HH itself.
std::string readText(std::string_view line, std::size_t& pos)
{
    std::string bytes;
    std::string run; // UTF-8 characters not yet converted
    auto flush = [&] {
        if (!isValidUtf8(run))
            fail("a text is not valid UTF-8");
        bytes += text::utf8ToCp1252(run);
        run.clear();
    };
    ++pos;
    while (pos < line.size()) {
        char c = line[pos++];
        if (c == '"') {
            flush();
            return bytes;
        }
        if (c != '\\') {
            run += c;
            continue;
        }
        if (pos >= line.size())
            break;
        char e = line[pos++];
        switch (e) {
        case '"': run += '"'; break;
        case '\\': run += '\\'; break;
        case 't': run += '\t'; break;
        case 'r': run += '\r'; break;
        case 'n': run += '\n'; break;
        case 'x': {
            int high = pos < line.size() ? hexValue(line[pos]) : -1;
            int low = pos + 1 < line.size() ? hexValue(line[pos + 1]) : -1;
            if (high < 0 || low < 0)
                fail("\\x needs two hexadecimal digits");
            pos += 2;
            flush();
            bytes += static_cast<char>(high * 16 + low);
            break;
        }
        default: fail(std::string("unknown escape \\") + e + " in a text");
        }
    }
    fail("a text is not closed with \"");
}

// ------------------------------------------------------------ commands

[[noreturn]] void wrongArguments(std::string_view verb, std::string_view form)
{
    fail("wrong arguments for " + std::string(verb) + " (" + std::string(verb) + (form.empty() ? "" : " ")
         + std::string(form) + ")");
}

using Tokens = std::vector<Token>;

// The arguments must be words and texts exactly in the pattern: 'w' a word, 't' a TEXT.
void expect(const Tokens& args, std::string_view pattern, std::string_view verb, std::string_view form)
{
    if (args.size() != pattern.size())
        wrongArguments(verb, form);
    for (std::size_t i = 0; i < args.size(); ++i)
        if (args[i].quoted != (pattern[i] == 't'))
            wrongArguments(verb, form);
}

Action readKey(const Tokens& args)
{
    constexpr std::string_view kForm = "[FORM] KEY";
    if (args.empty() || args.size() > 2)
        wrongArguments("key", kForm);
    expect(args, args.size() == 1 ? "w" : "ww", "key", kForm);
    struct Name {
        std::string_view name;
        app::Key key;
    };
    static constexpr Name kKeys[] = {
        {"Home", app::Key::Home}, {"End", app::Key::End},       {"Up", app::Key::Up},
        {"Down", app::Key::Down}, {"PageUp", app::Key::PageUp}, {"PageDown", app::Key::PageDown},
    };
    const std::string& keyName = args.back().text;
    for (const Name& k : kKeys)
        if (k.name == keyName)
            return PressKey{args.size() == 2 ? args[0].text : std::string(), k.key};
    fail("unknown key " + keyName + " (Home End Up Down PageUp PageDown)");
}

Action readPick(const Tokens& args)
{
    constexpr std::string_view kForm = "CONTROL INDEX|TEXT";
    if (args.size() != 2 || args[0].quoted)
        wrongArguments("pick", kForm);
    if (args[1].quoted)
        return Pick{args[0].text, args[1].text};
    const std::string& word = args[1].text;
    std::size_t index = 0;
    auto [end, ec] = std::from_chars(word.data(), word.data() + word.size(), index);
    if (ec != std::errc() || end != word.data() + word.size())
        fail("pick needs an item number from 0 or a text, not " + word);
    return Pick{args[0].text, index};
}

Action readAnswers(const Tokens& args)
{
    if (args.empty())
        wrongArguments("answer", "ANSWER...");
    QueueAnswers out;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const Token& t = args[i];
        if (t.quoted) {
            out.answers.push_back({Answer::Kind::Text, t.text});
        } else if (t.text == "file") {
            if (i + 1 >= args.size() || !args[i + 1].quoted)
                fail("file needs a TEXT after it");
            out.answers.push_back({Answer::Kind::File, args[++i].text});
        } else {
            static constexpr std::pair<std::string_view, Answer::Kind> kWords[] = {
                {"OK", Answer::Kind::OK}, {"Cancel", Answer::Kind::Cancel},      {"Yes", Answer::Kind::Yes},
                {"No", Answer::Kind::No}, {"cancel", Answer::Kind::CancelInput},
            };
            bool found = false;
            for (const auto& [word, kind] : kWords)
                if (word == t.text) {
                    out.answers.push_back({kind, {}});
                    found = true;
                }
            if (!found)
                fail("unknown answer " + t.text + " (OK Cancel Yes No TEXT file TEXT cancel)");
        }
    }
    return out;
}

Action readCommand(const Token& verbToken, const Tokens& args)
{
    const std::string& verb = verbToken.text;
    if (verbToken.quoted)
        fail("a line must start with a command, not a text");
    if (verb == "set") {
        expect(args, "wt", verb, "CONTROL TEXT");
        return SetText{args[0].text, args[1].text};
    }
    if (verb == "click") {
        expect(args, "w", verb, "NAME");
        return Click{args[0].text};
    }
    if (verb == "key")
        return readKey(args);
    if (verb == "exit") {
        expect(args, "w", verb, "CONTROL");
        return LeaveControl{args[0].text};
    }
    if (verb == "check") {
        expect(args, "ww", verb, "CONTROL on|off");
        if (args[1].text != "on" && args[1].text != "off")
            wrongArguments(verb, "CONTROL on|off");
        return Check{args[0].text, args[1].text == "on"};
    }
    if (verb == "pick")
        return readPick(args);
    if (verb == "answer")
        return readAnswers(args);
    if (verb == "dump") {
        if (args.empty())
            wrongArguments(verb, "CONTROL...");
        Dump out;
        for (const Token& t : args) {
            if (t.quoted)
                wrongArguments(verb, "CONTROL...");
            out.controls.push_back(t.text);
        }
        return out;
    }
    if (verb == "state") {
        expect(args, "", verb, "");
        return ShowState{};
    }
    if (verb == "close") {
        expect(args, "", verb, "");
        return Close{};
    }
    fail("unknown command " + verb);
}

} // namespace

std::vector<Token> tokenize(std::string_view line)
{
    std::vector<Token> tokens;
    std::size_t pos = 0;
    while (true) {
        while (pos < line.size() && isBlank(line[pos]))
            ++pos;
        if (pos >= line.size())
            return tokens;
        if (line[pos] == '"') {
            tokens.push_back({readText(line, pos), true});
            if (pos < line.size() && !isBlank(line[pos]))
                fail("a text must be followed by a blank or the end of the line");
            continue;
        }
        std::size_t start = pos;
        while (pos < line.size() && !isBlank(line[pos]))
            ++pos;
        std::string word(line.substr(start, pos - start));
        if (word.find('"') != std::string::npos)
            fail("a text must start after a blank: " + word);
        tokens.push_back({std::move(word), false});
    }
}

std::vector<Command> readScript(std::string_view source)
{
    constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
    if (source.substr(0, kByteOrderMark.size()) == kByteOrderMark)
        source.remove_prefix(kByteOrderMark.size());

    std::vector<Command> commands;
    int lineNumber = 0;
    while (!source.empty()) {
        std::size_t end = source.find('\n');
        std::string_view line = source.substr(0, end);
        source.remove_prefix(end == std::string_view::npos ? source.size() : end + 1);
        ++lineNumber;
        if (line.size() > kLongestLine) {
            throw ScriptError{lineNumber, "a line is longer than " + std::to_string(kLongestLine) + " characters"};
        }
        if (!line.empty() && line.back() == '\r')
            line.remove_suffix(1);
        std::size_t first = line.find_first_not_of(" \t");
        if (first == std::string_view::npos || line[first] == '#')
            continue;
        try {
            std::vector<Token> tokens = tokenize(line);
            Tokens args(tokens.begin() + 1, tokens.end());
            commands.push_back({lineNumber, readCommand(tokens[0], args)});
        } catch (ScriptError& e) {
            e.line = lineNumber;
            throw;
        }
    }
    return commands;
}

} // namespace driver
