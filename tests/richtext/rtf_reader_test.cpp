// SPDX-License-Identifier: GPL-3.0-or-later
// The RTF reader on files LibreOffice Writer wrote (data/*.rtf, converted from
// the .html and .fodt beside them with `soffice --headless --convert-to rtf`)
// and on damaged and hostile input.
#include "richtext/rtf_reader.h"
#include "support/temp_dir.h"
#include "text/cp1252.h"

#include <gtest/gtest.h>

#include <random>

namespace {

using richtext::Paragraph;
using Align = Paragraph::Align;

const std::filesystem::path kData = SW_RICHTEXT_DATA;

std::string paragraphText(const Paragraph& p)
{
    std::string text;
    for (const auto& run : p.runs)
        text += run.text;
    return text;
}

// Every paragraph's mark and text, '|' between paragraphs.
std::string texts(const richtext::Document& doc)
{
    std::string out;
    for (const Paragraph& p : doc.paragraphs)
        out += (out.empty() ? "" : "|") + (p.listMark.empty() ? "" : p.listMark + " ") + paragraphText(p);
    return out;
}

bool validUtf8(std::string_view s)
{
    for (std::size_t i = 0; i < s.size();) {
        if (!text::decodeUtf8(s, i))
            return false;
    }
    return true;
}

TEST(RtfReader, WriterDocumentGivesItsTextFormattingAndLists)
{
    const auto doc = richtext::readRtf(testsupport::readBytes(kData / "sample.rtf"));
    EXPECT_EQ(richtext::plainLines(doc),
              (std::vector<std::string>{"Parish Registers", "Plain, bold, italic and underlined words.",
                                        "\x95 First bullet ", "\x95 Second bullet ", "1. First step ",
                                        "2. Second step ", "Centred", "Right", "Justified",
                                        "Caf\xe9, c\xf4te, \xa3\x35, \x80\x37, ?\xf3\x64?", // Ł and ź are not in cp1252
                                        "Name    Parish", "Ashby\tLEI", "The end."}));
    ASSERT_EQ(doc.paragraphs.size(), 13u);
    EXPECT_EQ(paragraphText(doc.paragraphs[9]), "Café, côte, £5, €7, Łódź");

    // paragraph, run, text, bold, italic, underline, size, font
    const std::tuple<int, int, const char*, bool, bool, bool, int, const char*> runs[] = {
        {0, 0, "Parish Registers", true, false, false, 48, "Liberation Serif"},
        {1, 0, "Plain, ", false, false, false, 24, "Liberation Serif"},
        {1, 1, "bold", true, false, false, 24, "Liberation Serif"},
        {1, 3, "italic", false, true, false, 24, "Liberation Serif"},
        {1, 5, "underlined", false, false, true, 24, "Liberation Serif"},
        {10, 0, "Name    Parish", false, false, false, 20, "Liberation Mono"}};
    for (const auto& [p, r, text, bold, italic, underline, size, font] : runs) {
        const richtext::Run& run = doc.paragraphs.at(static_cast<std::size_t>(p)).runs.at(static_cast<std::size_t>(r));
        EXPECT_EQ(run, (richtext::Run{text, bold, italic, underline, size, font})) << p << "/" << r;
    }
    // paragraph, align, list item, left indent, first indent, space before, space after
    const std::tuple<int, Align, bool, int, int, int, int> paragraphs[] = {
        {0, Align::Left, false, 0, 0, 240, 120},   {2, Align::Left, true, 709, -283, 0, 0},
        {5, Align::Left, true, 709, -283, 0, 140}, {6, Align::Centre, false, 0, 0, 0, 140},
        {7, Align::Right, false, 0, 0, 0, 140},    {8, Align::Justify, false, 0, 0, 0, 140}};
    for (const auto& [p, align, list, left, first, before, after] : paragraphs) {
        const Paragraph& para = doc.paragraphs.at(static_cast<std::size_t>(p));
        EXPECT_EQ(
            std::tuple(para.align, para.listItem, para.leftIndent, para.firstIndent, para.spaceBefore, para.spaceAfter),
            std::tuple(align, list, left, first, before, after))
            << p;
    }

    const auto tabs = richtext::readRtf(testsupport::readBytes(kData / "tabs.rtf"));
    EXPECT_EQ(texts(tabs), "Name\tParish\nAshby\tLEI");
    EXPECT_EQ(richtext::plainLines(tabs), (std::vector<std::string>{"Name\tParish", "Ashby\tLEI"}));
}

// The shipped user guide reads as headings, lists and text, with no RTF showing through.
TEST(RtfReader, ShippedGuideReads)
{
    const auto doc = richtext::readRtf(testsupport::readBytes(SW_SHIPPED_GUIDE));
    ASSERT_GT(doc.paragraphs.size(), 50u);
    const richtext::Run& title = doc.paragraphs[0].runs.at(0);
    EXPECT_TRUE(title.text == "Steeplewatcher" && title.bold && title.halfPoints > 24);
    int bullets = 0;
    for (const Paragraph& p : doc.paragraphs) {
        bullets += p.listMark == "•";
        EXPECT_EQ(paragraphText(p).find_first_of("\\{}"), std::string::npos) << paragraphText(p);
    }
    EXPECT_GT(bullets, 30);
}

TEST(RtfReader, ControlWordsDestinationsAndHostileInput)
{
    const std::string deep = std::string(100000, '{') + "deep";
    const std::pair<std::string, std::string> cases[] = {
        {R"({\rtf1\ansi{\fonttbl{\f0 Arial;}}{\colortbl;\red0\green0\blue0;}{\stylesheet{\s0 Normal;}}{\info{\title T}})"
         R"({\*\generator G}{\header H}{\footer F}{\pict 0a0b}{\object{\objdata 01}}A{\footnote N}\tab B\~C\-D\_E)"
         R"(\emdash\endash\bullet\lquote\rquote\ldblquote\rdblquote\{\}\\\par})",
         "A\tB\u00a0CD-E—–•‘’“”{}\\"},
        {R"({\rtf1 a\'e9\u321?b{\uc2\u8364 XY}c{\uc0\u8364}d\u-10179?\u-8704?e\u-10179 f})",
         "aéŁb€c€d\U0001F600e\uFFFD"},
        {R"({\rtf1 a\line b\cell c\cell\row d\par e})", "a\nb\tc|d|e"},
        {R"({\rtf1{\pntext 3)\tab}x\par y\par})", "3) x|y"},
        {R"({\rtf1 x\u99999999999999999999?y\u-99999999999?z\uc99999999999999 \u65 abc})", "x\uFFFDy\uFFFDzA"},
        {R"({\rtf1 a\bin3 }}}b\bin-5 c\bin99999999999999999999 d})", "abc"},
        {R"({\rtf1 a\abcdefghijklmnopqrstuvwxyzabcdefghijklmn b\fs999999999999999 c\'zz\'})", "abczz"},
        {"}}{\\rtf1 {\\b bold} plain}}} more\\", "bold plain more"},
        {deep, "deep"},
        {"{\\rtf1 trunc{\\b ated", "truncated"}};
    for (const auto& [rtf, expected] : cases)
        EXPECT_EQ(texts(richtext::readRtf(rtf)), expected) << rtf.substr(0, 200);

    // Formatting is a stack: restored at '}', reset by \plain and \pard.
    const auto doc = richtext::readRtf(R"({\rtf1\qc\li100 {\b\i\ul a{\b0\ulnone b}c}\plain\pard d\par})");
    ASSERT_EQ(doc.paragraphs.size(), 1u);
    EXPECT_EQ(doc.paragraphs[0].align, Align::Left);
    EXPECT_EQ(doc.paragraphs[0].runs, (std::vector<richtext::Run>{{"a", true, true, true, 24, ""},
                                                                  {"b", false, true, false, 24, ""},
                                                                  {"c", true, true, true, 24, ""},
                                                                  {"d", false, false, false, 24, ""}}));
}

TEST(RtfReader, EveryTruncationKeepsTheTextBeforeTheCut)
{
    const std::string rtf = testsupport::readBytes(kData / "sample.rtf");
    const auto full = richtext::readRtf(rtf);
    for (std::size_t cut = 0; cut < rtf.size(); ++cut) {
        const auto doc = richtext::readRtf(std::string_view(rtf).substr(0, cut));
        ASSERT_LE(doc.paragraphs.size(), full.paragraphs.size()) << cut;
        if (doc.paragraphs.empty())
            continue;
        // Paragraphs ended before the cut are whole; the cut one has its text so far,
        // less a last character whose escape the cut may have shortened.
        for (std::size_t i = 0; i + 1 < doc.paragraphs.size(); ++i)
            ASSERT_EQ(doc.paragraphs[i], full.paragraphs[i]) << cut;
        std::string last = paragraphText(doc.paragraphs.back());
        while (!last.empty() && (static_cast<unsigned char>(last.back()) & 0xC0) == 0x80)
            last.pop_back();
        if (!last.empty())
            last.pop_back();
        ASSERT_TRUE(paragraphText(full.paragraphs[doc.paragraphs.size() - 1]).starts_with(last)) << cut;
    }
}

TEST(RtfReader, RandomBytesGiveValidUtf8)
{
    std::mt19937 random(1252);
    const std::string_view alphabet = "{}\\'*uabcfinpls0123456789- ;\xe9\x80";
    for (int round = 0; round < 50; ++round) {
        std::string bytes(20000, '\0');
        for (char& c : bytes)
            c = round % 2 == 0 ? static_cast<char>(random()) : alphabet[random() % alphabet.size()];
        for (const Paragraph& p : richtext::readRtf(bytes).paragraphs) {
            ASSERT_TRUE(validUtf8(p.listMark));
            for (const auto& run : p.runs)
                ASSERT_TRUE(validUtf8(run.text) && validUtf8(run.font));
        }
    }
}

TEST(RtfReader, HtmlIsEscapedWithParagraphAndRunStyles)
{
    const auto doc =
        richtext::readRtf(R"({\rtf1{\fonttbl{\f1 Odd'"<Font>}}\f1\qr\sb300\li-150\fi150 )"
                          R"(a<&"{\b\fs25 b}{\plain\i\ul c\line d}\par\pard{\listtext 1.\tab}e\par\pard\par})");
    EXPECT_EQ(richtext::toHtml(doc),
              "<!DOCTYPE html>\n<html><head><meta charset=\"utf-8\"></head><body>\n"
              "<p style=\"white-space:pre-wrap;margin-top:20px;margin-bottom:0px;margin-left:-10px;"
              "margin-right:0px;text-indent:10px;text-align:right\">"
              "<span style=\"font-family:'OddFont';font-size:12pt\">a&lt;&amp;&quot;</span>"
              "<span style=\"font-family:'OddFont';font-size:12.5pt\"><b>b</b></span><i><u>c<br/>d</u></i></p>\n"
              "<p style=\"white-space:pre-wrap;margin-top:0px;margin-bottom:0px;margin-left:0px;"
              "margin-right:0px;text-indent:0px;text-align:left\">1.&#160;&#160;<span style=\"font-family:'OddFont';"
              "font-size:12pt\">e</span></p>\n"
              "<p style=\"white-space:pre-wrap;margin-top:0px;margin-bottom:0px;margin-left:0px;"
              "margin-right:0px;text-indent:0px;text-align:left\"><br/></p>\n"
              "</body></html>\n");
}

} // namespace
