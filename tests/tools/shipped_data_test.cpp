// The shipped sample data file: rebuilt by the real tool it must come out byte
// for byte the same, and the program must open and browse it cleanly.
#include "app/parishfm.h"
#include "driver/script_ports.h"
#include "records/record_line.h"
#include "sample_places.h"
#include "support/temp_dir.h"
#include "text/text_file.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <sstream>
#include <sys/wait.h>

namespace {

using testsupport::readBytes;
using testsupport::TempDir;

// The path in single quotes for the shell.
std::string quoted(const std::filesystem::path& p)
{
    std::string q = "'";
    q += p.string();
    q += "'";
    return q;
}

struct ToolRun {
    int status = -1;
    std::string err;
};

// Runs build_sample_data with the given arguments, its error output caught in dir.
ToolRun runTool(const TempDir& dir, const std::string& args)
{
    std::string command = quoted(SW_BUILD_SAMPLE_DATA) + " " + args + " >/dev/null 2>" + quoted(dir / "stderr.txt");
    int raw = std::system(command.c_str());
    return {WIFEXITED(raw) ? WEXITSTATUS(raw) : -1, readBytes(dir / "stderr.txt")};
}

std::vector<records::ParishRecord> recordsOf(const std::string& bytes)
{
    std::vector<records::ParishRecord> out(bytes.size() / records::kRecordSize);
    for (std::size_t i = 0; i < out.size(); ++i)
        bytes.copy(out[i].bytes.data(), records::kRecordSize, i * records::kRecordSize);
    return out;
}

TEST(ShippedData, IsExactlyWhatTheToolBuildsFromThePlacesList)
{
    TempDir dir;
    ToolRun run = runTool(dir, quoted(SW_SAMPLE_PLACES) + " " + quoted(dir / "Parishes.Dat"));
    ASSERT_EQ(run.status, 0) << run.err;
    std::string built = readBytes(dir / "Parishes.Dat");
    std::string shipped = readBytes(SW_SHIPPED_DATA_FILE);
    ASSERT_FALSE(shipped.empty()) << "data/Parishes.Dat is missing";
    EXPECT_TRUE(built == shipped) << "data/Parishes.Dat is out of date: rebuild it with the sample_data target";
}

TEST(ShippedData, HoldsAVersionRecordAndSortedStoredPlaces)
{
    std::string bytes = readBytes(SW_SHIPPED_DATA_FILE);
    ASSERT_EQ(bytes.size() % records::kRecordSize, 0u);
    auto records = recordsOf(bytes);
    ASSERT_GE(records.size(), 31u);
    ASSERT_LE(records.size(), 51u);
    EXPECT_EQ(records[0], tools::versionRecord("0.1 sample"));
    int irish = 0;
    for (std::size_t i = 1; i < records.size(); ++i) {
        const auto& r = records[i];
        SCOPED_TRACE(std::string(r.name()));
        EXPECT_FALSE(r.isVersionRecord());
        EXPECT_EQ(r.name().size(), 45u);
        EXPECT_EQ(r.get(records::Field::OSRef).size(), 6u);
        if (i > 1) {
            EXPECT_LT(records[i - 1].name(), r.name()); // the program's sort leaves the file as it is
        }
        irish += r.isIrish();
    }
    EXPECT_GE(irish, 3);
    auto ashby = std::find_if(records.begin(), records.end(),
                              [](const auto& r) { return r.name().starts_with("Ashby-de-la-Zouch "); });
    ASSERT_NE(ashby, records.end());
    EXPECT_EQ(records::recordLine(*ashby),
              "Ashby-de-la-Zouch" + std::string(28, ' ') + "  P  LEI   ENG   SK3515   435    315");
}

TEST(ShippedData, OpensInTheProgramWithEveryRecordCounted)
{
    TempDir dir;
    text::writeFileWhole(dir / "Parishes.Dat", readBytes(SW_SHIPPED_DATA_FILE));
    std::ostringstream transcript;
    driver::ScriptPorts person(transcript);
    app::Parishfm core(person.ports(), dir.path());
    core.FormCreate();
    EXPECT_EQ(transcript.str(), "");
    EXPECT_EQ(core.recordCount() * records::kRecordSize, readBytes(dir / "Parishes.Dat").size());
    EXPECT_EQ(core.view.Memo3.at(0), records::recordLine(tools::versionRecord("0.1 sample")));
    core.run(&app::Parishfm::GoLast);
    EXPECT_EQ(core.currentRecord(), core.recordCount() - 1);
    EXPECT_EQ(transcript.str(), "beep\n");
}

TEST(BuildSampleDataTool, ABadRowLeavesTheOldFileUntouched)
{
    TempDir dir;
    testsupport::writeBytes(dir / "places.csv", "# places\nAshby,P,LEI,ENG,SK3516,435,315,s\n");
    testsupport::writeBytes(dir / "Parishes.Dat", "old file");
    ToolRun run = runTool(dir, quoted(dir / "places.csv") + " " + quoted(dir / "Parishes.Dat"));
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.err, "build_sample_data: " + (dir / "places.csv").string() +
                           ", line 2: the grid reference \"SK3516\" disagrees with the easting and northing "
                           "(SK3515)\n");
    EXPECT_EQ(readBytes(dir / "Parishes.Dat"), "old file");
}

TEST(BuildSampleDataTool, RefusesAMissingListAndAVersionTooLongForTheName)
{
    TempDir dir;
    ToolRun missing = runTool(dir, quoted(dir / "none.csv") + " " + quoted(dir / "Parishes.Dat"));
    EXPECT_EQ(missing.status, 1);
    EXPECT_EQ(missing.err, "build_sample_data: File not found\n");
    ToolRun longVersion =
        runTool(dir, quoted(SW_SAMPLE_PLACES) + " " + quoted(dir / "Parishes.Dat") + " 12345678901234567890123456");
    EXPECT_EQ(longVersion.status, 2);
    EXPECT_FALSE(std::filesystem::exists(dir / "Parishes.Dat"));
    EXPECT_EQ(runTool(dir, "").status, 2);
}

} // namespace
