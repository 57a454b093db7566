// SPDX-License-Identifier: GPL-3.0-or-later
#include "rtf_reader.h"

#include "text/cp1252.h"
#include "text/numbers.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <map>

namespace richtext {
namespace {

// Groups deeper than this share the state of the deepest one kept, so that a
// flood of '{' costs neither stack nor memory.
constexpr std::size_t kMaxDepth = 1000;
// Reading stops (keeping what it has) past these, whatever the input's size.
constexpr std::size_t kMaxParagraphs = 200000;
constexpr std::size_t kMaxRuns = 1000000;
constexpr std::size_t kMaxTextBytes = std::size_t{64} << 20;
constexpr std::size_t kMaxFonts = 1024;
constexpr std::size_t kMaxFontName = 128;
constexpr std::size_t kMaxMark = 32;
// Longer control words are no word RTF knows; longer numbers are clamped.
constexpr std::size_t kMaxWordLength = 32;
constexpr int kMaxTwips = 31680; // 22 inches
constexpr int kMaxHalfPoints = 3276;

// Destinations whose text is not part of the document's body.
constexpr std::array kSkippedDestinations = {
    "annotation", "atnid",     "atrfend",  "atrfstart", "author",     "bkmkend",  "bkmkstart", "colortbl",
    "comment",    "datastore", "do",       "doccomm",   "docvar",     "falt",     "fldinst",   "footer",
    "footerf",    "footerl",   "footerr",  "footnote",  "ftncn",      "ftnsep",   "ftnsepc",   "generator",
    "header",     "headerf",   "headerl",  "headerr",   "info",       "keywords", "listtable", "listoverridetable",
    "nonshppict", "object",    "operator", "panose",    "pgdsctbl",   "pict",     "pn",        "pnseclvl",
    "private",    "revtbl",    "rsidtbl",  "shp",       "stylesheet", "subject",  "tc",        "template",
    "themedata",  "title",     "txe",      "userprops", "xe",         "xmlnstbl", "filetbl",   "latentstyles"};

constexpr std::array kUnderlineWords = {"ul",         "uld",       "uldash",     "uldashd", "uldashdd", "uldb",
                                        "ulhwave",    "ulldash",   "ulth",       "ulthd",   "ulthdash", "ulthdashd",
                                        "ulthdashdd", "ulthldash", "ululdbwave", "ulw",     "ulwave"};

struct CharFormat {
    bool bold = false, italic = false, underline = false;
    int halfPoints = 24;
    int font = -1;
    bool operator==(const CharFormat&) const = default;
};

struct ParaFormat {
    Paragraph::Align align = Paragraph::Align::Left;
    int leftIndent = 0, rightIndent = 0, firstIndent = 0, spaceBefore = 0, spaceAfter = 0;
    bool listItem = false;
};

enum class Destination { Body, Skip, FontTable, ListText };

struct GroupState {
    CharFormat chars;
    ParaFormat para;
    Destination destination = Destination::Body;
    int unicodeSkip = 1; // \ucN: fallback characters after each \uN
    int fontDefined = -1; // in the font table: the \fN whose name follows
};

bool isLetter(char c)
{
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}
bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

template <std::size_t N> bool isOneOf(std::string_view word, const std::array<const char*, N>& words)
{
    return std::any_of(words.begin(), words.end(), [word](const char* w) { return word == w; });
}

std::string trimmed(std::string_view s)
{
    const auto first = s.find_first_not_of(" \t");
    if (first == std::string_view::npos)
        return {};
    return std::string(s.substr(first, s.find_last_not_of(" \t") - first + 1));
}

class Reader {
public:
    explicit Reader(std::string_view in) : in_(in) { stack_.emplace_back(); }

    Document read()
    {
        while (pos_ < in_.size() && !full_) {
            const char c = in_[pos_];
            if (c == '{') {
                ++pos_;
                skipCount_ = 0;
                openGroup();
            } else if (c == '}') {
                ++pos_;
                skipCount_ = 0;
                closeGroup();
            } else if (c == '\\') {
                ++pos_;
                control();
            } else {
                ++pos_;
                if (c == '\r' || c == '\n')
                    continue; // line ends in RTF source are not text
                if (skipCount_ > 0) {
                    --skipCount_;
                    continue;
                }
                textByte(c);
            }
        }
        flushSurrogate();
        if (!full_ && (!paragraph_.runs.empty() || !mark_.empty()))
            endParagraph();
        return std::move(doc_);
    }

private:
    GroupState& state() { return stack_.back(); }

    void openGroup()
    {
        if (stack_.size() >= kMaxDepth) {
            ++extraDepth_;
            return;
        }
        stack_.push_back(stack_.back());
    }

    void closeGroup()
    {
        if (extraDepth_ > 0) {
            --extraDepth_;
            return;
        }
        if (stack_.size() <= 1)
            return; // an unmatched '}': nothing to restore
        const Destination closed = state().destination;
        if (closed == Destination::FontTable)
            defineFont(); // an entry may end without its ';'
        stack_.pop_back();
        if (closed == Destination::ListText && state().destination != Destination::ListText) {
            mark_ = trimmed(markText_);
            markText_.clear();
        }
    }

    // A backslash has been read: a control symbol or a control word with its parameter.
    void control()
    {
        if (pos_ >= in_.size())
            return;
        const char c = in_[pos_];
        if (!isLetter(c)) {
            ++pos_;
            symbol(c);
            return;
        }
        const std::size_t start = pos_;
        while (pos_ < in_.size() && isLetter(in_[pos_]))
            ++pos_;
        std::string_view word = in_.substr(start, pos_ - start);
        if (word.size() > kMaxWordLength)
            word = {};
        bool negative = false;
        if (pos_ + 1 < in_.size() && in_[pos_] == '-' && isDigit(in_[pos_ + 1])) {
            negative = true;
            ++pos_;
        }
        bool hasParam = false;
        std::int64_t value = 0;
        while (pos_ < in_.size() && isDigit(in_[pos_])) {
            if (value < 100000000000) // further digits only make it larger than any parameter
                value = value * 10 + (in_[pos_] - '0');
            hasParam = true;
            ++pos_;
        }
        if (negative)
            value = -value;
        const int param = static_cast<int>(std::clamp<std::int64_t>(value, INT32_MIN, INT32_MAX));
        if (pos_ < in_.size() && in_[pos_] == ' ')
            ++pos_;
        if (word == "bin") {
            // Binary data: skipped whole, whatever the destination.
            const std::size_t length = param > 0 ? static_cast<std::size_t>(param) : 0;
            pos_ += std::min(length, in_.size() - pos_);
            if (skipCount_ > 0)
                --skipCount_;
            return;
        }
        if (skipCount_ > 0) {
            --skipCount_;
            return;
        }
        controlWord(word, hasParam, param);
    }

    void symbol(char c)
    {
        if (c == '\'') {
            int byte = 0, digits = 0;
            while (digits < 2 && pos_ < in_.size() && text::hexDigitValue(in_[pos_]) >= 0) {
                byte = byte * 16 + text::hexDigitValue(in_[pos_]);
                ++pos_;
                ++digits;
            }
            if (skipCount_ > 0) {
                --skipCount_;
                return;
            }
            if (digits > 0)
                textByte(static_cast<char>(byte));
            return;
        }
        if (skipCount_ > 0) {
            --skipCount_;
            return;
        }
        switch (c) {
        case '\\':
        case '{':
        case '}': textByte(c); break;
        case '~': character(0xA0); break;
        case '_': character('-'); break;
        case '*': state().destination = Destination::Skip; break;
        case '\r':
        case '\n': paragraphEnd(); break;
        default: break; // \- optional hyphen, \| \: and unknown symbols show nothing
        }
    }

    void controlWord(std::string_view word, bool hasParam, int param)
    {
        GroupState& s = state();
        if (s.destination == Destination::Skip)
            return;
        if (isOneOf(word, kSkippedDestinations)) {
            s.destination = Destination::Skip;
            return;
        }
        if (s.destination == Destination::FontTable) {
            if (word == "f") {
                defineFont();
                s.fontDefined = param;
            }
            return;
        }
        const bool on = !hasParam || param != 0;
        if (word == "fonttbl") {
            s.destination = Destination::FontTable;
        } else if (word == "listtext" || word == "pntext") {
            s.destination = Destination::ListText;
            markText_.clear();
        } else if (word == "par" || word == "sect") {
            paragraphEnd();
        } else if (word == "pard") {
            s.para = ParaFormat{};
        } else if (word == "plain") {
            s.chars = CharFormat{};
            s.chars.font = defaultFont_;
        } else if (word == "b") {
            s.chars.bold = on;
        } else if (word == "i") {
            s.chars.italic = on;
        } else if (isOneOf(word, kUnderlineWords)) {
            s.chars.underline = on;
        } else if (word == "ulnone") {
            s.chars.underline = false;
        } else if (word == "fs") {
            if (hasParam && param > 0)
                s.chars.halfPoints = std::min(param, kMaxHalfPoints);
        } else if (word == "f") {
            s.chars.font = param;
        } else if (word == "deff") {
            defaultFont_ = param;
            s.chars.font = param;
        } else if (word == "uc") {
            s.unicodeSkip = std::clamp(param, 0, 1 << 20);
        } else if (word == "u") {
            unicode(param);
            skipCount_ = s.unicodeSkip;
        } else if (word == "ql") {
            s.para.align = Paragraph::Align::Left;
        } else if (word == "qc") {
            s.para.align = Paragraph::Align::Centre;
        } else if (word == "qr") {
            s.para.align = Paragraph::Align::Right;
        } else if (word == "qj" || word == "qd") {
            s.para.align = Paragraph::Align::Justify;
        } else if (word == "li") {
            s.para.leftIndent = std::clamp(param, -kMaxTwips, kMaxTwips);
        } else if (word == "ri") {
            s.para.rightIndent = std::clamp(param, -kMaxTwips, kMaxTwips);
        } else if (word == "fi") {
            s.para.firstIndent = std::clamp(param, -kMaxTwips, kMaxTwips);
        } else if (word == "sb") {
            s.para.spaceBefore = std::clamp(param, 0, kMaxTwips);
        } else if (word == "sa") {
            s.para.spaceAfter = std::clamp(param, 0, kMaxTwips);
        } else if (word == "ls") {
            s.para.listItem = true;
        } else if (word == "tab" || word == "cell" || word == "nestcell") {
            character('\t');
        } else if (word == "row" || word == "nestrow") {
            if (!paragraph_.runs.empty() && paragraph_.runs.back().text.ends_with('\t'))
                paragraph_.runs.back().text.pop_back();
            paragraphEnd();
        } else if (word == "line") {
            character('\n');
        } else {
            specialCharacter(word);
        }
    }

    void specialCharacter(std::string_view word)
    {
        static constexpr std::array<std::pair<std::string_view, char32_t>, 9> kCharacters = {{{"emdash", 0x2014},
                                                                                              {"endash", 0x2013},
                                                                                              {"bullet", 0x2022},
                                                                                              {"lquote", 0x2018},
                                                                                              {"rquote", 0x2019},
                                                                                              {"ldblquote", 0x201C},
                                                                                              {"rdblquote", 0x201D},
                                                                                              {"emspace", ' '},
                                                                                              {"enspace", ' '}}};
        for (const auto& [name, c] : kCharacters) {
            if (word == name) {
                character(c);
                return;
            }
        }
    }

    // \uN: a signed 16-bit UTF-16 unit; a surrogate pair is two of them.
    void unicode(int param)
    {
        char32_t c = 0xFFFD;
        if (param >= -32768 && param <= 65535)
            c = static_cast<char32_t>(param < 0 ? param + 65536 : param);
        if (c >= 0xD800 && c <= 0xDBFF) {
            flushSurrogate();
            highSurrogate_ = c;
            return;
        }
        if (c >= 0xDC00 && c <= 0xDFFF) {
            if (highSurrogate_ == 0) {
                character(0xFFFD);
                return;
            }
            c = 0x10000 + ((highSurrogate_ - 0xD800) << 10) + (c - 0xDC00);
            highSurrogate_ = 0;
        }
        character(c);
    }

    void flushSurrogate()
    {
        if (highSurrogate_ != 0) {
            highSurrogate_ = 0;
            character(0xFFFD);
        }
    }

    // A byte of text in the document's code page.
    void textByte(char c)
    {
        if (state().destination == Destination::FontTable && c == ';') {
            defineFont();
            return;
        }
        if (static_cast<unsigned char>(c) < 0x80) {
            character(static_cast<unsigned char>(c));
            return;
        }
        flushSurrogate();
        emit(text::cp1252ToUtf8(std::string_view(&c, 1)));
    }

    void character(char32_t c)
    {
        flushSurrogate();
        if (c < 0x20 && c != '\t' && c != '\n')
            return; // control characters are no text
        std::string utf8;
        text::appendUtf8(utf8, c);
        emit(utf8);
    }

    void emit(std::string_view utf8)
    {
        GroupState& s = state();
        switch (s.destination) {
        case Destination::Skip: return;
        case Destination::FontTable:
            if (fontName_.size() < kMaxFontName)
                fontName_ += utf8;
            return;
        case Destination::ListText:
            if (utf8 != "\t" && markText_.size() < kMaxMark)
                markText_ += utf8;
            return;
        case Destination::Body: break;
        }
        textBytes_ += utf8.size();
        if (textBytes_ > kMaxTextBytes) {
            full_ = true;
            return;
        }
        if (paragraph_.runs.empty() || !(runFormat_ == s.chars)) {
            if (++runCount_ > kMaxRuns) {
                full_ = true;
                return;
            }
            Run run;
            run.bold = s.chars.bold;
            run.italic = s.chars.italic;
            run.underline = s.chars.underline;
            run.halfPoints = s.chars.halfPoints;
            if (const auto font = fonts_.find(s.chars.font); font != fonts_.end())
                run.font = font->second;
            paragraph_.runs.push_back(std::move(run));
            runFormat_ = s.chars;
        }
        paragraph_.runs.back().text += utf8;
    }

    void defineFont()
    {
        GroupState& s = state();
        std::string name = trimmed(fontName_);
        fontName_.clear();
        if (s.fontDefined >= 0 && !name.empty() && fonts_.size() < kMaxFonts)
            fonts_[s.fontDefined] = std::move(name);
    }

    void paragraphEnd()
    {
        if (state().destination == Destination::Body)
            endParagraph();
    }

    void endParagraph()
    {
        flushSurrogate();
        if (doc_.paragraphs.size() >= kMaxParagraphs) {
            full_ = true;
            return;
        }
        const ParaFormat& f = state().para;
        paragraph_.align = f.align;
        paragraph_.leftIndent = f.leftIndent;
        paragraph_.rightIndent = f.rightIndent;
        paragraph_.firstIndent = f.firstIndent;
        paragraph_.spaceBefore = f.spaceBefore;
        paragraph_.spaceAfter = f.spaceAfter;
        paragraph_.listItem = f.listItem || !mark_.empty();
        paragraph_.listMark = std::move(mark_);
        doc_.paragraphs.push_back(std::move(paragraph_));
        paragraph_ = Paragraph{};
        mark_.clear();
    }

    std::string_view in_;
    std::size_t pos_ = 0;
    std::vector<GroupState> stack_;
    std::size_t extraDepth_ = 0; // groups opened past kMaxDepth, not yet closed
    int skipCount_ = 0; // fallback characters of a \uN still to pass over
    char32_t highSurrogate_ = 0;
    int defaultFont_ = -1;
    std::map<int, std::string> fonts_;
    std::string fontName_;
    std::string markText_, mark_;
    Document doc_;
    Paragraph paragraph_;
    CharFormat runFormat_;
    std::size_t runCount_ = 0, textBytes_ = 0;
    bool full_ = false;
};

void escapeHtml(std::string& out, std::string_view text)
{
    for (char c : text) {
        switch (c) {
        case '&': out += "&amp;"; break;
        case '<': out += "&lt;"; break;
        case '>': out += "&gt;"; break;
        case '"': out += "&quot;"; break;
        case '\n': out += "<br/>"; break;
        default: out += c;
        }
    }
}

// Twips as CSS pixels at 96 per inch.
std::string pixels(int twips)
{
    const int rounded = (twips + (twips >= 0 ? 7 : -7)) / 15;
    return std::to_string(rounded) + "px";
}

// A font family name as a quoted CSS string: only characters that cannot end
// the string, the declaration or the attribute are kept.
std::string cssFontFamily(std::string_view name)
{
    std::string out = "'";
    for (char c : name) {
        if (static_cast<unsigned char>(c) >= 0x20 && std::string_view("'\"\\;<>&{}").find(c) == std::string_view::npos)
            out += c;
    }
    return out + "'";
}

const char* cssAlign(Paragraph::Align align)
{
    switch (align) {
    case Paragraph::Align::Centre: return "center";
    case Paragraph::Align::Right: return "right";
    case Paragraph::Align::Justify: return "justify";
    case Paragraph::Align::Left: break;
    }
    return "left";
}

} // namespace

Document readRtf(std::string_view bytes)
{
    return Reader(bytes).read();
}

std::string toHtml(const Document& doc)
{
    std::string out = "<!DOCTYPE html>\n<html><head><meta charset=\"utf-8\"></head><body>\n";
    for (const Paragraph& p : doc.paragraphs) {
        out += "<p style=\"white-space:pre-wrap;margin-top:" + pixels(p.spaceBefore)
               + ";margin-bottom:" + pixels(p.spaceAfter) + ";margin-left:" + pixels(p.leftIndent)
               + ";margin-right:" + pixels(p.rightIndent) + ";text-indent:" + pixels(p.firstIndent)
               + ";text-align:" + cssAlign(p.align) + "\">";
        if (!p.listMark.empty()) {
            // A tab would run to the view's next tab stop, far past the hanging indent.
            escapeHtml(out, p.listMark);
            out += "&#160;&#160;";
        }
        for (const Run& r : p.runs) {
            const bool span = !r.font.empty() || r.halfPoints != 24;
            if (span) {
                out += "<span style=\"";
                if (!r.font.empty())
                    out += "font-family:" + cssFontFamily(r.font) + ";";
                out +=
                    "font-size:" + std::to_string(r.halfPoints / 2) + (r.halfPoints % 2 != 0 ? ".5pt" : "pt") + "\">";
            }
            out += r.bold ? "<b>" : "";
            out += r.italic ? "<i>" : "";
            out += r.underline ? "<u>" : "";
            escapeHtml(out, r.text);
            out += r.underline ? "</u>" : "";
            out += r.italic ? "</i>" : "";
            out += r.bold ? "</b>" : "";
            out += span ? "</span>" : "";
        }
        if (p.runs.empty() && p.listMark.empty())
            out += "<br/>";
        out += "</p>\n";
    }
    return out + "</body></html>\n";
}

std::vector<std::string> plainLines(const Document& doc)
{
    std::vector<std::string> lines;
    for (const Paragraph& p : doc.paragraphs) {
        std::string line = p.listMark.empty() ? std::string() : p.listMark + " ";
        for (const Run& r : p.runs)
            line += r.text;
        std::size_t start = 0;
        for (std::size_t end; (end = line.find('\n', start)) != std::string::npos; start = end + 1)
            lines.push_back(text::utf8ToCp1252(std::string_view(line).substr(start, end - start)));
        lines.push_back(text::utf8ToCp1252(std::string_view(line).substr(start)));
    }
    return lines;
}

} // namespace richtext
