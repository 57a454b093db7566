#include "driver/script_reader.h"

#include <gtest/gtest.h>

namespace {

using driver::ScriptError;
using driver::Token;

Token word(std::string s)
{
    return {std::move(s), false};
}
Token text(std::string s)
{
    return {std::move(s), true};
}

struct TokenCase {
    const char* line;
    std::vector<Token> tokens;
};

TEST(Tokenize, SplitsWordsAndDecodesTexts)
{
    const TokenCase cases[] = {
        {"", {}},
        {"   \t ", {}},
        {"dump  Memo1\tMemo3 ", {word("dump"), word("Memo1"), word("Memo3")}},
        {"set TarPar \"ash\"", {word("set"), word("TarPar"), text("ash")}},
        {"set TarPar \"\"", {word("set"), word("TarPar"), text("")}},
        {R"(x "a\"b\\c")", {word("x"), text("a\"b\\c")}},
        {R"(x "\t\r\n")", {word("x"), text("\t\r\n")}},
        // Blanks and '#' inside a text are part of it.
        {R"(x "  # a  ")", {word("x"), text("  # a  ")}},
        // \xHH is a raw cp1252 byte; the plain characters are UTF-8 turned into cp1252.
        {R"(x "Rh\xF4s" "Rhôs")", {word("x"), text("Rh\xF4s"), text("Rh\xF4s")}},
        {R"(x "\x81\x00\xff")", {word("x"), text(std::string("\x81\0\xFF", 3))}},
        {"x \"\xE2\x82\xAC \\x80\"", {word("x"), text("\x80 \x80")}},
        // A character the code page lacks becomes '?', as typing it into the program would.
        {"x \"\xC4\x81\"", {word("x"), text("?")}},
        {"x \"\xF0\x9F\x99\x82\"", {word("x"), text("?")}},
        {"a \"b\" \"c\"", {word("a"), text("b"), text("c")}},
    };
    for (const TokenCase& c : cases)
        EXPECT_EQ(driver::tokenize(c.line), c.tokens) << c.line;
}

struct ErrorCase {
    const char* line;
    const char* message;
};

TEST(Tokenize, RejectsMalformedTexts)
{
    const ErrorCase cases[] = {
        {R"(set TarPar "ash)", "a text is not closed with \""},
        {R"(set TarPar "ash\)", "a text is not closed with \""},
        {R"(x "\q")", "unknown escape \\q in a text"},
        {R"(x "\x4")", "\\x needs two hexadecimal digits"},
        {R"(x "\x")", "\\x needs two hexadecimal digits"},
        {R"(x "a"b)", "a text must be followed by a blank or the end of the line"},
        {R"(x a"b")", "a text must start after a blank: a\"b\""},
        // Not UTF-8: a script saved in cp1252, a stray continuation byte, a
        // cut-off sequence, an overlong form, a surrogate.
        {"x \"Rh\xF4s\"", "a text is not valid UTF-8"},
        {"x \"\x80\"", "a text is not valid UTF-8"},
        {"x \"\xC3\"", "a text is not valid UTF-8"},
        {"x \"\xC0\xAF\"", "a text is not valid UTF-8"},
        {"x \"\xED\xA0\x80\"", "a text is not valid UTF-8"},
    };
    for (const ErrorCase& c : cases) {
        try {
            driver::tokenize(c.line);
            ADD_FAILURE() << "accepted: " << c.line;
        } catch (const ScriptError& e) {
            EXPECT_EQ(e.message, c.message) << c.line;
        }
    }
}

// Every verb and answer runs in the golden scripts.
TEST(ReadScript, SkipsBlankAndCommentLinesButCountsThem)
{
    // A byte order mark, CR LF line ends, comments (also indented, also with
    // an open quote) and blank lines; no line end after the last command.
    const auto commands = driver::readScript("\xEF\xBB\xBF# start\r\n\r\n  # say \"hi\r\n\tstate\r\n   \r\nclose");
    ASSERT_EQ(commands.size(), 2u);
    EXPECT_EQ(commands[0].line, 4);
    EXPECT_TRUE(std::holds_alternative<driver::ShowState>(commands[0].action));
    EXPECT_EQ(commands[1].line, 6);
    EXPECT_TRUE(driver::readScript("").empty());
    EXPECT_TRUE(driver::readScript("\n\n# only comments\n").empty());
}

struct ScriptErrorCase {
    const char* script;
    int line;
    const char* message;
};

TEST(ReadScript, RejectsTheFirstBadLineWithItsNumber)
{
    const ScriptErrorCase cases[] = {
        {"state\n\njump 5\nfoo\n", 3, "unknown command jump"},
        {"State\n", 1, "unknown command State"},
        {"\"state\"\n", 1, "a line must start with a command, not a text"},
        {"set TarPar\n", 1, "wrong arguments for set (set CONTROL TEXT)"},
        {"set \"TarPar\" \"ash\"\n", 1, "wrong arguments for set (set CONTROL TEXT)"},
        {"click\n", 1, "wrong arguments for click (click NAME)"},
        {"key\n", 1, "wrong arguments for key (key [FORM] KEY)"},
        {"key \"Home\"\n", 1, "wrong arguments for key (key [FORM] KEY)"},
        {"key home\n", 1, "unknown key home (Home End Up Down PageUp PageDown)"},
        {"exit\n", 1, "wrong arguments for exit (exit CONTROL)"},
        {"check AnyRb yes\n", 1, "wrong arguments for check (check CONTROL on|off)"},
        {"pick TarPar\n", 1, "wrong arguments for pick (pick CONTROL INDEX|TEXT)"},
        {"pick TarPar -1\n", 1, "pick needs an item number from 0 or a text, not -1"},
        {"pick TarPar 99999999999999999999999\n", 1,
         "pick needs an item number from 0 or a text, not 99999999999999999999999"},
        {"answer\n", 1, "wrong arguments for answer (answer ANSWER...)"},
        {"answer ok\n", 1, "unknown answer ok (OK Cancel Yes No TEXT file TEXT cancel)"},
        {"answer OK file\n", 1, "file needs a TEXT after it"},
        {"dump\n", 1, "wrong arguments for dump (dump CONTROL...)"},
        {"state now\n", 1, "wrong arguments for state (state)"},
        {"close Parishfm\n", 1, "wrong arguments for close (close)"},
        {"state\r\nset TarPar \"a\\q\"\r\n", 2, "unknown escape \\q in a text"},
    };
    for (const ScriptErrorCase& c : cases) {
        try {
            driver::readScript(c.script);
            ADD_FAILURE() << "accepted: " << c.script;
        } catch (const ScriptError& e) {
            EXPECT_EQ(e.line, c.line) << c.script;
            EXPECT_EQ(e.message, c.message) << c.script;
        }
    }
}

} // namespace
