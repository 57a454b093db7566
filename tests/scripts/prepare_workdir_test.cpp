// The set-up script's preparation of the user's working directory: shipped
// files arrive once, and nothing the user has is ever overwritten.
#include "support/temp_dir.h"

#include <gtest/gtest.h>

#include <set>

namespace {

namespace fs = std::filesystem;
using testsupport::quoted;
using testsupport::readBytes;
using testsupport::writeBytes;

struct Folders {
    testsupport::TempDir root;
    fs::path shipped = root / "data";
    fs::path work = root / "home" / "steeplewatcher";

    Folders()
    {
        fs::create_directories(shipped / "not-a-file");
        writeBytes(shipped / "Parishes.Dat", std::string(77, 'P'));
        writeBytes(shipped / "MapList.Dat", "maps");
        writeBytes(shipped / "Read Me.txt", "spaces in the name");
    }
    testsupport::CommandRun prepare(const std::string& args)
    {
        return testsupport::runCommand("sh " + quoted(SW_PREPARE_WORKDIR) + " " + args, root.path(), root.path());
    }
    testsupport::CommandRun prepare() { return prepare(quoted(shipped) + " " + quoted(work)); }
    std::set<std::string> workFiles() const
    {
        std::set<std::string> names;
        for (const auto& entry : fs::directory_iterator(work))
            names.insert(entry.path().filename().string());
        return names;
    }
    std::string copied(const std::string& name) const { return "Copied " + name + " into " + work.string() + "\n"; }
};

TEST(PrepareWorkdir, CopiesEveryShippedFileOnceAndNeverOverwritesTheUsers)
{
    Folders f;
    auto run = f.prepare();
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.err, "");
    EXPECT_EQ(f.workFiles(), (std::set<std::string>{"MapList.Dat", "Parishes.Dat", "Read Me.txt"}));
    EXPECT_EQ(readBytes(f.work / "Read Me.txt"), "spaces in the name");
    EXPECT_EQ(run.out, f.copied("MapList.Dat") + f.copied("Parishes.Dat") + f.copied("Read Me.txt"));

    writeBytes(f.work / "Parishes.Dat", "the user's amended data");
    fs::remove(f.work / "MapList.Dat");
    writeBytes(f.shipped / "County.txt", "codes");
    run = f.prepare();
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(readBytes(f.work / "Parishes.Dat"), "the user's amended data");
    EXPECT_EQ(readBytes(f.work / "MapList.Dat"), "maps");
    EXPECT_EQ(run.out, f.copied("County.txt") + f.copied("MapList.Dat"));
    EXPECT_EQ(run.err, "");
}

TEST(PrepareWorkdir, AUsersFileInOtherLetterCaseCountsAsPresentAndWrongArgumentsAreRefused)
{
    Folders f;
    EXPECT_EQ(f.prepare("").status, 2);
    EXPECT_EQ(f.prepare(quoted(f.shipped)).status, 2);
    EXPECT_FALSE(fs::exists(f.work));
    fs::create_directories(f.work);
    writeBytes(f.work / "parishes.DAT", "mine");
    ASSERT_EQ(f.prepare().status, 0);
    // A second copy under the shipped spelling would be the one the program opens.
    EXPECT_EQ(f.workFiles(), (std::set<std::string>{"MapList.Dat", "Read Me.txt", "parishes.DAT"}));
    EXPECT_EQ(readBytes(f.work / "parishes.DAT"), "mine");
}

} // namespace
