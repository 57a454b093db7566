// The set-up script's preparation of the user's working directory: shipped
// files arrive once, and nothing the user has is ever overwritten.
#include "support/temp_dir.h"

#include <gtest/gtest.h>

namespace {

namespace fs = std::filesystem;
using testsupport::quoted;
using testsupport::readBytes;
using testsupport::writeBytes;

TEST(PrepareWorkdir, CopiesEveryShippedFileOnceNeverOverwritesTheUsersInAnyLetterCaseAndRefusesWrongArguments)
{
    testsupport::TempDir root;
    const fs::path shipped = root / "data", work = root / "home" / "steeplewatcher";
    fs::create_directories(shipped / "not-a-file");
    writeBytes(shipped / "Parishes.Dat", std::string(77, 'P'));
    writeBytes(shipped / "MapList.Dat", "maps");
    writeBytes(shipped / "Read Me.txt", "spaces in the name");
    auto prepare = [&](const std::string& args) {
        return testsupport::runCommand("sh " + quoted(SW_PREPARE_WORKDIR) + " " + args, root.path(), root.path());
    };
    auto copied = [&](const std::string& name) { return "Copied " + name + " into " + work.string() + "\n"; };
    EXPECT_EQ(prepare(quoted(shipped)).status, 2); // one folder of the two
    EXPECT_FALSE(fs::exists(work));
    auto run = prepare(quoted(shipped) + " " + quoted(work));
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.err, "");
    EXPECT_EQ(run.out, copied("MapList.Dat") + copied("Parishes.Dat") + copied("Read Me.txt"));
    // The user's amended file under another spelling: a second copy under the shipped one would be the one the
    // program opens.
    fs::remove(work / "Parishes.Dat");
    writeBytes(work / "parishes.DAT", "the user's amended data");
    fs::remove(work / "MapList.Dat");
    writeBytes(shipped / "County.txt", "codes");
    run = prepare(quoted(shipped) + " " + quoted(work));
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out, copied("County.txt") + copied("MapList.Dat"));
    EXPECT_EQ(readBytes(work / "parishes.DAT"), "the user's amended data");
    EXPECT_EQ(readBytes(work / "MapList.Dat"), "maps");
    // County.txt, MapList.Dat, Read Me.txt and parishes.DAT: no second Parishes.Dat, nothing half copied.
    EXPECT_EQ(std::distance(fs::directory_iterator(work), {}), 4);
}

} // namespace
