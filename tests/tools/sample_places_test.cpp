#include "sample_places.h"

#include "records/record_line.h"
#include "text/ansi.h"
#include "text/numbers.h"

#include <gtest/gtest.h>

using tools::BadPlaceRow;
using tools::Place;

namespace {

const char* kAshbyRow = "Ashby-de-la-Zouch,P,LEI,ENG,SK3515,435,315,wp:15810";

std::string field(std::size_t length, std::string_view text, std::size_t capacity)
{
    std::string f(1, static_cast<char>(length));
    f += text;
    f.resize(1 + capacity, '\0');
    return f;
}

std::string bytesOf(const records::ParishRecord& r) { return {r.bytes.data(), r.bytes.size()}; }

std::string errorOf(std::string_view csv)
{
    try {
        tools::readPlaces(csv);
    } catch (const BadPlaceRow& e) {
        return e.what();
    }
    return "(accepted)";
}

TEST(ReadPlaces, ReadsARowAndSkipsCommentsAndBlankLines)
{
    auto places = tools::readPlaces(std::string("# heading\r\n\r\n") + kAshbyRow +
                                    "\r\nDingle,P,KER,IRL,Q4401,44,101,gn:2964782\r\n");
    ASSERT_EQ(places.size(), 2u);
    const Place& a = places[0];
    EXPECT_EQ(a.name, "Ashby-de-la-Zouch");
    EXPECT_EQ(a.type, "P");
    EXPECT_EQ(a.county, "LEI");
    EXPECT_EQ(a.country, "ENG");
    EXPECT_EQ(a.osRef, "SK3515");
    EXPECT_EQ(a.easting, 435);
    EXPECT_EQ(a.northing, 315);
    EXPECT_EQ(places[1].osRef, "Q4401");
}

TEST(ReadPlaces, StoresUtf8NamesAsCp1252)
{
    auto places = tools::readPlaces("Rh\xC3\xB4s,P,DEN,WLS,SJ0000,300,300,test");
    ASSERT_EQ(places.size(), 1u);
    EXPECT_EQ(places[0].name, "Rh\xF4s");
}

TEST(ReadPlaces, RefusesRowsThatCannotBeStoredAsGiven)
{
    const std::string name45(45, 'N');
    struct Case {
        std::string row;
        std::string message;
    };
    const Case cases[] = {
        {"Ashby,P,LEI,ENG,SK3515,435,315", "expected 8 fields, found 7"},
        {"Ashby,P,LEI,ENG,SK3515,435,315,wp:1,extra", "expected 8 fields, found 9"},
        {",P,LEI,ENG,SK3515,435,315,s", "the name must have 1 to 45 characters"},
        {name45 + "X,P,LEI,ENG,SK3515,435,315,s", "the name must have 1 to 45 characters"},
        {" Ashby,P,LEI,ENG,SK3515,435,315,s", "the name has leading or trailing blanks"},
        {"Ashby ,P,LEI,ENG,SK3515,435,315,s", "the name has leading or trailing blanks"},
        {"~Ashby,P,LEI,ENG,SK3515,435,315,s", "the name \"~Ashby\" would read as a marked or version record"},
        {"// Database Version 2,P,LEI,ENG,SK3515,435,315,s",
         "the name \"// Database Version 2\" would read as a marked or version record"},
        {"Ashby,,LEI,ENG,SK3515,435,315,s", "the type must be one character"},
        {"Ashby,PA,LEI,ENG,SK3515,435,315,s", "the type must be one character"},
        {"Ashby,P,lei,ENG,SK3515,435,315,s", "the county \"lei\" is not a code of up to 3 capital letters"},
        {"Ashby,P,LEIC,ENG,SK3515,435,315,s", "the county \"LEIC\" is not a code of up to 3 capital letters"},
        {"Ashby,P,LEI,EN,SK3515,435,315,s", "the country \"EN\" is not a code of 3 capital letters"},
        {"Ashby,P,LEI,ENG,SK3515,4x5,315,s", "easting \"4x5\" is not a whole number of km from 0 to 9999"},
        {"Ashby,P,LEI,ENG,SK3515,-435,315,s", "easting \"-435\" is not a whole number of km from 0 to 9999"},
        {"Ashby,P,LEI,ENG,SK3515,435,10000,s", "northing \"10000\" is not a whole number of km from 0 to 9999"},
        {"Ashby,P,LEI,ENG,SK3515,435,,s", "northing \"\" is not a whole number of km from 0 to 9999"},
        {"Ashby,P,LEI,ENG,SK3516,435,315,s",
         "the grid reference \"SK3516\" disagrees with the easting and northing (SK3515)"},
        {"Ashby,P,LEI,ENG,sk3515,435,315,s",
         "the grid reference \"sk3515\" disagrees with the easting and northing (SK3515)"},
        // An Irish place is on the Irish grid: one letter, not the British square.
        {"Dingle,P,KER,IRL,SQ4401,44,101,s",
         "the grid reference \"SQ4401\" disagrees with the easting and northing (Q4401)"},
        {"Dingle,P,KER,ENG,Q4401,44,101,s",
         "the grid reference \"Q4401\" disagrees with the easting and northing (SQ4401)"},
        {"Far,P,KER,IRL,Q4401,544,101,s", "the position lies outside the national grid"},
        {"Ashby,P,LEI,ENG,SK3515,435,315,", "the source is missing"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(errorOf("# a comment first\n" + c.row), "line 2: " + c.message) << c.row;
}

TEST(ReadPlaces, RefusesADuplicateNameAndNamesTheLine)
{
    EXPECT_EQ(errorOf(std::string(kAshbyRow) + "\n\n" + kAshbyRow),
              "line 3: the name \"Ashby-de-la-Zouch\" appears twice");
}

TEST(StoredRecord, PadsFieldsAsTheAmendmentWindowDoes)
{
    auto places = tools::readPlaces(kAshbyRow);
    std::string expected = field(45, "Ashby-de-la-Zouch" + std::string(28, ' '), 45) + field(1, "P", 1) +
                           field(3, "LEI", 3) + field(3, "ENG", 3) + field(6, "SK3515", 6) +
                           field(6, "   435", 6) + field(6, "   315", 6);
    ASSERT_EQ(expected.size(), records::kRecordSize);
    EXPECT_EQ(bytesOf(tools::storedRecord(places.at(0))), expected);
}

TEST(StoredRecord, RightAlignsTheOneLetterIrishSquareAndShortCodes)
{
    Place p{"Dingle", "P", "KE", "IRL", "Q4401", 44, 101};
    records::ParishRecord r = tools::storedRecord(p);
    EXPECT_EQ(r.get(records::Field::County), " KE");
    EXPECT_EQ(r.get(records::Field::OSRef), " Q4401");
    EXPECT_EQ(r.get(records::Field::Easting), "    44");
    EXPECT_EQ(r.get(records::Field::Northing), "   101");
    EXPECT_TRUE(r.isIrish());
    EXPECT_EQ(records::recordLine(r), "Dingle" + std::string(39, ' ') + "  P   KE   IRL    Q4401    44    101");
}

TEST(VersionRecord, IsBlankButForItsNameAndReadsAsPositionZero)
{
    records::ParishRecord v = tools::versionRecord("0.1 sample");
    std::string expected = field(45, "// Database Version 0.1 sample" + std::string(15, ' '), 45) +
                           field(1, " ", 1) + field(3, "   ", 3) + field(3, "   ", 3) + field(6, "      ", 6) +
                           field(6, "     0", 6) + field(6, "     0", 6);
    EXPECT_EQ(bytesOf(v), expected);
    EXPECT_TRUE(v.isVersionRecord());
    EXPECT_FALSE(v.isIrish());
    for (auto f : {records::Field::Easting, records::Field::Northing}) {
        text::RealReading reading = text::readReal(v.get(f));
        EXPECT_TRUE(reading.ok);
        EXPECT_EQ(reading.value, 0);
    }
}

TEST(SampleRecords, PutsTheVersionFirstAndPlacesInStoredNameOrder)
{
    auto places = tools::readPlaces("Ashby by Partney,P,LIN,ENG,TF4165,541,365,s\n"
                                    "Ashby-de-la-Zouch,P,LEI,ENG,SK3515,435,315,s\n"
                                    "Ashby,P,LIN,ENG,SE8907,489,407,s\n"
                                    "!Odd,P,LIN,ENG,SE8907,489,407,s\n"
                                    "Ashby Folville,P,LEI,ENG,SK7011,470,311,s\n");
    auto records = tools::sampleRecords("9", places);
    std::vector<std::string> names;
    for (const auto& r : records)
        names.emplace_back(text::trimBlanks(r.name()));
    // Capitals sort before small letters and a blank before "-", as the
    // program's own sort orders names; the version record stays first even
    // ahead of a name that sorts before "//".
    EXPECT_EQ(names, (std::vector<std::string>{"// Database Version 9", "!Odd", "Ashby", "Ashby Folville",
                                               "Ashby by Partney", "Ashby-de-la-Zouch"}));
    EXPECT_EQ(tools::fileBytes(records).size(), records.size() * records::kRecordSize);
    EXPECT_EQ(tools::fileBytes(records).substr(77, 77), bytesOf(records[1]));
}

} // namespace
