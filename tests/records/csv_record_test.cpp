// SPDX-License-Identifier: GPL-3.0-or-later
#include "records/csv_record.h"

#include <gtest/gtest.h>

#include <array>
#include <string>

using records::Field;
using Fields = std::array<std::string, 7>;

namespace {

Fields fieldsOf(const records::ParishRecord& r)
{
    Fields out;
    for (std::size_t i = 0; i < out.size(); ++i)
        out[i] = std::string(r.get(static_cast<Field>(i)));
    return out;
}

std::string padded(std::string name)
{
    name.resize(45, ' ');
    return name;
}

} // namespace

TEST(CsvRecord, CutsAndPadsEachFieldToItsStoredWidth)
{
    const struct {
        const char* line;
        Fields want;
    } cases[] = {
        // The report viewer's own layout.
        {R"("Ashby","A","LEI","ENG","SK3516","435","3160",)",
         {padded("Ashby"), "A", "LEI", "ENG", "SK3516", "   435", "  3160"}},
        // Without quotes or the closing comma; a leading blank kept.
        {" Ashby,A,LEI,ENG,SK3516,435,316", {padded(" Ashby"), "A", "LEI", "ENG", "SK3516", "   435", "   316"}},
        // A quoted name keeps its comma; unquoted, the comma ends it and every field shifts.
        {R"("Ashby, Magna","V","LEI","ENG","SP5689","456","2890",)",
         {padded("Ashby, Magna"), "V", "LEI", "ENG", "SP5689", "   456", "  2890"}},
        {"Ashby, Magna,V,LEI,ENG,SP5689,456,2890,", {padded("Ashby"), " ", "  V", "LEI", "   ENG", "   568", "   000"}},
        // Too long: the name, type, county, country and OSRef keep their start;
        // an easting or northing loses its last character and keeps the digits before it.
        {"An exceedingly long parish name of fifty chars!,Town,LEICS,ENGL,SK351612,04351,031607,",
         {"An exceedingly long parish name of fifty char", "T", "LEI", "ENG", "SK3516", "   435", "  3160"}},
        // Too short: padded on the left; an empty type is one blank.
        {"Ab,,K,,SK35,7,9,", {padded("Ab"), " ", "  K", "   ", "  SK35", "     7", "     9"}},
        // A leading zero is kept, the last digit lost.
        {"Ab,A,LEI,ENG,SK3516,0435,0316,", {padded("Ab"), "A", "LEI", "ENG", "SK3516", "   043", "  0316"}},
        // Not whole numbers: letters, hexadecimal, nothing, a decimal point.
        {"Ab,A,LEI,ENG,SK3516,abc,$1F,", {padded("Ab"), "A", "LEI", "ENG", "SK3516", "   000", "   000"}},
        {"Ab,A,LEI,ENG,SK3516,,4.5,", {padded("Ab"), "A", "LEI", "ENG", "SK3516", "   000", "   000"}},
        // Further columns spoil the northing's ten-character window.
        {R"("Ab","A","LEI","ENG","SK3516","435","3160","extra",)",
         {padded("Ab"), "A", "LEI", "ENG", "SK3516", "   435", "   000"}},
        // A trailing quote is dropped from an unquoted name; no case change.
        {"ashby\",a,lei,eng,sk3516,435,316,", {padded("ashby"), "a", "lei", "eng", "sk3516", "   435", "   316"}},
        // The blank line of a report's CSV.
        {R"("                                             "," ","   ","   ","      ","      ","      ",)",
         {std::string(45, ' '), " ", "   ", "   ", "      ", "   000", "   000"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.line);
        const auto record = records::recordFromCsvLine(c.line);
        ASSERT_TRUE(record.has_value());
        EXPECT_EQ(fieldsOf(*record), c.want);
    }
}

TEST(CsvRecord, ALineWithFewerThanSevenFieldsIsNoRecord)
{
    for (const char* line : {"Ashby", "\"Ashby", "\"Ashby\"", "\"Ashby\",A,LEI", "Ashby,A,LEI,ENG,SK3516,435"}) {
        SCOPED_TRACE(line);
        EXPECT_FALSE(records::recordFromCsvLine(line).has_value());
    }
    // Six commas make seven fields, the last one empty.
    EXPECT_EQ(fieldsOf(*records::recordFromCsvLine("Ashby,A,LEI,ENG,SK3516,435,"))[6], "   000");
}
