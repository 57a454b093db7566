#include "records/parish_record.h"
#include "records/record_line.h"
#include "support/data_files.h"

#include <gtest/gtest.h>

using records::Field;
using records::makeRecord;
using records::ParishRecord;

TEST(ParishRecord, LengthPrefixedFieldsCutToCapacityAndClampedOnReading)
{
    ParishRecord r = makeRecord({"Ashby", "A", "LEI", "ENG", "SK3516", "   435", "   316"});
    // Each field its length byte, its text and zeros to its capacity (45, 1, 3, 3, 6, 6, 6).
    EXPECT_EQ(std::string(r.bytes.data(), 77), "\x05"
                                               "Ashby"
                                                   + std::string(40, '\0') + "\x01" + "A\x03LEI\x03"
                                                   + "ENG\x06SK3516\x06   435\x06   316");
    // Length bytes beyond their fields (county 9, name 200) read as the capacity in the
    // driver's golden texts case; a length byte of 255 is no negative length.
    r.bytes[46] = static_cast<char>(255); // type holds 1
    EXPECT_EQ(r.get(Field::Type), "A");

    r.bytes.fill('x');
    r.set(Field::County, "ABCDE");
    EXPECT_EQ(r.get(Field::County), "ABC");
    r.set(Field::County, "K");
    EXPECT_EQ(std::string(r.bytes.data() + 47, 6), std::string("x\x01K\0\0x", 6)); // the neighbours untouched
}

// Plain lines (81 characters) and a 45-character name are pinned by the driver's golden
// search and texts cases.
TEST(RecordLine, ShorterFieldsShiftTheRestLeft)
{
    const std::pair<ParishRecord, std::string> cases[] = {
        {makeRecord({"Ashby", "A", "LE", "ENG", "SK3516", "   435", "   316"}),
         "Ashby" + std::string(40, ' ') + "  A  LE   ENG   SK3516   435    316"},
        {ParishRecord{}, std::string(45, ' ') + "           "}};
    for (const auto& [record, line] : cases)
        EXPECT_EQ(records::recordLine(record), line);
}
