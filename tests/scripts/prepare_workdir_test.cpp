// The set-up script's preparation of the user's working directory: shipped
// files arrive once, and nothing the user has is ever overwritten.
#include "support/temp_dir.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <set>
#include <sys/wait.h>

namespace {

namespace fs = std::filesystem;
using testsupport::readBytes;
using testsupport::TempDir;
using testsupport::writeBytes;

// The path in single quotes for the shell.
std::string quoted(const fs::path& p)
{
    std::string q = "'";
    q += p.string();
    q += "'";
    return q;
}

struct Prepared {
    int status = -1;
    std::string out;
};

struct Folders {
    TempDir root;
    fs::path shipped = root / "data";
    fs::path work = root / "home" / "steeplewatcher";

    Folders()
    {
        fs::create_directories(shipped);
        writeBytes(shipped / "Parishes.Dat", std::string(77, 'P'));
        writeBytes(shipped / "MapList.Dat", "maps");
        writeBytes(shipped / "Read Me.txt", "spaces in the name");
    }

    Prepared prepare(const std::string& args)
    {
        std::string command =
            "sh " + quoted(SW_PREPARE_WORKDIR) + " " + args + " >" + quoted(root / "out.txt") + " 2>&1";
        int raw = std::system(command.c_str());
        return {WIFEXITED(raw) ? WEXITSTATUS(raw) : -1, readBytes(root / "out.txt")};
    }
    Prepared prepare() { return prepare(quoted(shipped) + " " + quoted(work)); }

    std::set<std::string> workFiles() const
    {
        std::set<std::string> names;
        for (const auto& entry : fs::directory_iterator(work))
            names.insert(entry.path().filename().string());
        return names;
    }
};

TEST(PrepareWorkdir, FirstRunCreatesTheFolderAndCopiesEveryShippedFile)
{
    Folders f;
    fs::create_directories(f.shipped / "not-a-file");
    Prepared run = f.prepare();
    ASSERT_EQ(run.status, 0) << run.out;
    EXPECT_EQ(f.workFiles(), (std::set<std::string>{"MapList.Dat", "Parishes.Dat", "Read Me.txt"}));
    EXPECT_EQ(readBytes(f.work / "Parishes.Dat"), std::string(77, 'P'));
    EXPECT_EQ(readBytes(f.work / "Read Me.txt"), "spaces in the name");
    EXPECT_EQ(run.out, "Copied MapList.Dat into " + f.work.string() + "\nCopied Parishes.Dat into " + f.work.string()
                           + "\nCopied Read Me.txt into " + f.work.string() + "\n");
}

TEST(PrepareWorkdir, LaterRunsKeepTheUsersFilesAndAddOnlyWhatIsMissing)
{
    Folders f;
    ASSERT_EQ(f.prepare().status, 0);
    writeBytes(f.work / "Parishes.Dat", "the user's amended data");
    fs::remove(f.work / "MapList.Dat");
    writeBytes(f.shipped / "County.txt", "codes");

    Prepared run = f.prepare();
    ASSERT_EQ(run.status, 0) << run.out;
    EXPECT_EQ(readBytes(f.work / "Parishes.Dat"), "the user's amended data");
    EXPECT_EQ(readBytes(f.work / "MapList.Dat"), "maps");
    EXPECT_EQ(readBytes(f.work / "County.txt"), "codes");
    EXPECT_EQ(run.out,
              "Copied County.txt into " + f.work.string() + "\nCopied MapList.Dat into " + f.work.string() + "\n");
}

TEST(PrepareWorkdir, AUsersFileInOtherLetterCaseCountsAsPresent)
{
    Folders f;
    fs::create_directories(f.work);
    writeBytes(f.work / "parishes.DAT", "mine");
    ASSERT_EQ(f.prepare().status, 0);
    // A second copy under the shipped spelling would be the one the program opens.
    EXPECT_EQ(f.workFiles(), (std::set<std::string>{"MapList.Dat", "Read Me.txt", "parishes.DAT"}));
    EXPECT_EQ(readBytes(f.work / "parishes.DAT"), "mine");
}

TEST(PrepareWorkdir, RefusesWrongArguments)
{
    Folders f;
    EXPECT_EQ(f.prepare("").status, 2);
    EXPECT_EQ(f.prepare(quoted(f.shipped)).status, 2);
    EXPECT_FALSE(fs::exists(f.work));
}

} // namespace
