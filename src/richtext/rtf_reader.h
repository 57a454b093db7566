// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The user guide is kept as RTF, the format word processors save in, and Qt
// reads none. This reads the RTF that LibreOffice Writer and Word write into a
// small document model (paragraphs of formatted runs), which the windows show
// as HTML and the plain-text views and the driver as lines.
#include <string>
#include <string_view>
#include <vector>

namespace richtext {

struct Run {
    std::string text; // UTF-8; '\t' for a tab or a table cell, '\n' for a line break
    bool bold = false, italic = false, underline = false;
    int halfPoints = 24; // font size x2
    std::string font; // family name from the font table, "" when none

    bool operator==(const Run&) const = default;
};

struct Paragraph {
    enum class Align { Left, Centre, Right, Justify };

    std::vector<Run> runs;
    Align align = Align::Left;
    // In twips (1/1440 inch); firstIndent is relative to leftIndent, negative for a hanging mark.
    int leftIndent = 0, rightIndent = 0, firstIndent = 0, spaceBefore = 0, spaceAfter = 0;
    bool listItem = false;
    std::string listMark; // the bullet or number the word processor wrote, e.g. "•" or "1.", UTF-8

    bool operator==(const Paragraph&) const = default;
};

struct Document {
    std::vector<Paragraph> paragraphs;
};

// Never throws, never hangs, and keeps memory and nesting bounded: damaged or
// hostile input gives the text that can be read from it. Text in \'hh escapes
// and raw bytes is read as cp1252.
Document readRtf(std::string_view bytes);

// The document as HTML for a rich text view: UTF-8, escaped, one <p> with an
// inline style a paragraph, <b>/<i>/<u> and a <span> for font and size.
std::string toHtml(const Document& doc);

// Each paragraph's text as one line in cp1252 (characters cp1252 lacks become
// '?'), its list mark and a space in front; a line break inside a paragraph
// starts a new line. What a plain-text view or the headless driver shows.
std::vector<std::string> plainLines(const Document& doc);

} // namespace richtext
