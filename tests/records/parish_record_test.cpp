#include "records/parish_record.h"
#include "records/record_line.h"
#include "support/data_files.h"

#include <gtest/gtest.h>

using records::Field;
using records::ParishRecord;

TEST(ParishRecord, StoresLengthPrefixedFieldsAtTheirOffsets)
{
    ParishRecord r = records::makeRecord({"Ashby", "A", "LEI", "ENG", "SK3516", "   435", "   316"});
    std::string expected(77, '\0');
    auto put = [&](std::size_t offset, std::string_view s) {
        expected[offset] = static_cast<char>(s.size());
        expected.replace(offset + 1, s.size(), s);
    };
    put(0, "Ashby");
    put(46, "A");
    put(48, "LEI");
    put(52, "ENG");
    put(56, "SK3516");
    put(63, "   435");
    put(70, "   316");
    EXPECT_EQ(std::string(r.bytes.data(), 77), expected);
}

TEST(ParishRecord, ALengthByteBeyondItsFieldReadsAsTheCapacity)
{
    ParishRecord r = testsupport::parish("Ashby", "A", "LEI", "ENG", "SK3516", 435, 316);
    r.bytes[48] = 9; // county holds 3
    r.bytes[46] = 255; // type holds 1
    r.bytes[0] = 200; // name holds 45
    EXPECT_EQ(r.get(Field::County), "LEI");
    EXPECT_EQ(r.get(Field::Type), "A");
    EXPECT_EQ(r.get(Field::Name).size(), 45u);
    EXPECT_EQ(r.get(Field::Country), "ENG"); // never reads into the next field
}

TEST(ParishRecord, SetCutsToCapacityAndZeroesTheRest)
{
    ParishRecord r;
    r.bytes.fill('x');
    r.set(Field::County, "ABCDE");
    EXPECT_EQ(r.get(Field::County), "ABC");
    r.set(Field::County, "K");
    EXPECT_EQ(std::string(r.bytes.data() + 48, 4), std::string("\x01K\0\0", 4));
    EXPECT_EQ(r.bytes[52], 'x'); // the next field is untouched
}

TEST(ParishRecord, RecognisesTheVersionRecordByItsNamePrefix)
{
    EXPECT_TRUE(testsupport::versionRecord().isVersionRecord());
    ParishRecord shorter = records::makeRecord({"// Database Versio", "", "", "", "", "", ""});
    EXPECT_FALSE(shorter.isVersionRecord());
    ParishRecord lower = records::makeRecord({"// database Version 2", "", "", "", "", "", ""});
    EXPECT_FALSE(lower.isVersionRecord());
}

TEST(RecordLine, FullWidthFieldsMakeAn81CharacterLine)
{
    ParishRecord r = testsupport::parish("Ashby", "A", "LEI", "ENG", "SK3516", 435, 316);
    std::string line = records::recordLine(r);
    EXPECT_EQ(line, "Ashby" + std::string(40, ' ') + "  A  LEI   ENG   SK3516   435    316");
    EXPECT_EQ(line.size(), 81u);
    EXPECT_EQ(line.substr(47, 1), "A"); // column 48
    EXPECT_EQ(line.substr(50, 3), "LEI"); // columns 51-53
    EXPECT_EQ(line.substr(56, 3), "ENG"); // columns 57-59
    EXPECT_EQ(line.substr(62, 6), "SK3516"); // columns 63-68
}

TEST(RecordLine, ShorterFieldsShiftTheRestLeft)
{
    std::string name45(45, 'N');
    ParishRecord full = records::makeRecord({name45, "T", "LEI", "ENG", "SK3516", "   435", "   316"});
    EXPECT_EQ(records::recordLine(full).substr(45, 3), "  T");

    ParishRecord shortCounty = records::makeRecord({"Ashby", "A", "LE", "ENG", "SK3516", "   435", "   316"});
    EXPECT_EQ(records::recordLine(shortCounty), "Ashby" + std::string(40, ' ') + "  A  LE   ENG   SK3516   435    316");

    ParishRecord empty;
    EXPECT_EQ(records::recordLine(empty), std::string(45, ' ') + "  " + "  " + "   " + "   " + " ");
}
