// SPDX-License-Identifier: GPL-3.0-or-later
#include "text/import_text.h"

#include <gtest/gtest.h>

TEST(ImportText, UtfEightWithNonAsciiIsConvertedAndAnythingElseTakenAsItIs)
{
    const struct {
        const char* why;
        std::string bytes;
        std::string want;
    } cases[] = {
        {"plain ASCII", "Ashby,A\r\n", "Ashby,A\r\n"},
        {"cp1252 bytes, not UTF-8", "Y Rh\xF4s\n\x80", "Y Rh\xF4s\n\x80"},
        {"UTF-8", "D\xC3\xBAn Laoghaire\nYnys M\xC3\xB4n\n\xE2\x82\xAC", "D\xFAn Laoghaire\nYnys M\xF4n\n\x80"},
        {"UTF-8 with a byte order mark", "\xEF\xBB\xBF\x41sh\xE2\x80\x99s", "Ash\x92s"},
        {"a byte order mark alone", "\xEF\xBB\xBF", ""},
        {"an overlong form is not UTF-8", "\xC0\xAF\xC3\xA9", "\xC0\xAF\xC3\xA9"},
        {"a cut sequence is not UTF-8", "M\xC3\xB4n\xC3", "M\xC3\xB4n\xC3"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.why);
        const text::ImportText got = text::importTextAsCp1252(c.bytes);
        EXPECT_EQ(got.badLine, 0);
        EXPECT_EQ(got.cp1252, c.want);
    }
}

TEST(ImportText, ACharacterCp1252LacksNamesItsLineWhateverTheLineEnds)
{
    const struct {
        std::string bytes;
        int line;
        char32_t c;
    } cases[] = {
        {"\xC5\x81\xC3\xB3\x64\xC5\xBA", 1, 0x141}, // Łódź
        {"a\r\nb\r\nc\xE2\x80\x8B", 3, 0x200B}, // a zero-width space on the third line
        {"\xC3\xA9\ra\n\n\xF0\x9F\x8F\xB0", 4, 0x1F3F0}, // CR alone ends a line too
        {"\xC2\x80", 1, 0x80}, // a C1 control cp1252 puts elsewhere
    };
    for (const auto& c : cases) {
        const text::ImportText got = text::importTextAsCp1252(c.bytes);
        EXPECT_EQ(got.badLine, c.line);
        EXPECT_EQ(got.badChar, c.c);
        EXPECT_EQ(got.cp1252, "");
    }
}
