// How the two programs start: their command lines read the GNU way, and the
// working directory chosen and given the shipped files it lacks, never
// overwriting one the person has.
#include "app/command_line.h"
#include "app/start_directory.h"
#include "support/temp_dir.h"
#include "text/file_replace.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cerrno>
#include <vector>

namespace {

namespace fs = std::filesystem;
using app::StartAction;
using testsupport::readBytes;
using testsupport::writeBytes;

app::StartOptions readLine(bool driver, std::vector<std::string> words)
{
    words.insert(words.begin(), driver ? "steeplewatcher-script" : "steeplewatcher");
    std::vector<char*> argv;
    for (std::string& word : words)
        argv.push_back(word.data());
    return driver ? app::readDriverCommandLine(argv) : app::readProgramCommandLine(argv);
}

TEST(CommandLine, HelpAndVersionWinRefusalsNameTheWordAndOperandsAreTaken)
{
    const std::string programTry = "\nTry 'steeplewatcher --help' for more information.\n";
    const std::string driverTry = "\nTry 'steeplewatcher-script --help' for more information.\n";
    struct Case {
        bool driver;
        std::vector<std::string> words;
        StartAction action;
        std::string textStart; // the refusal whole
    };
    const std::vector<Case> cases{
        {false, {"--help"}, StartAction::ShowHelp, "Usage: steeplewatcher [OPTION]... [DIRECTORY]\n"},
        {false, {"--bogus", "--help"}, StartAction::ShowHelp, "Usage: steeplewatcher [OPTION]"},
        {false,
         {"--version", "--help"},
         StartAction::ShowVersion,
         "steeplewatcher (Steeplewatcher) 0.1\n"}, // the first
        {false, {"--version"}, StartAction::ShowVersion, "steeplewatcher (Steeplewatcher) 0.1\nCopyright (C) "},
        {true, {"--help"}, StartAction::ShowHelp, "Usage: steeplewatcher-script [OPTION]... [SCRIPT]\n"},
        {true, {"x.script", "--version"}, StartAction::ShowVersion, "steeplewatcher-script (Steeplewatcher) 0.1\n"},
        {false, {"--bogus"}, StartAction::Refuse, "steeplewatcher: unrecognized option '--bogus'" + programTry},
        {false, {"-x"}, StartAction::Refuse, "steeplewatcher: invalid option -- 'x'" + programTry},
        {false, {"a", "b"}, StartAction::Refuse, "steeplewatcher: extra operand 'b'" + programTry},
        {false, {"--", "--help"}, StartAction::Run, ""}, // a folder named --help
        {true,
         {"--directory"},
         StartAction::Refuse,
         "steeplewatcher-script: option '--directory' requires an argument" + driverTry},
        {true, {"-C"}, StartAction::Refuse, "steeplewatcher-script: option requires an argument -- 'C'" + driverTry},
        {true,
         {"--my-tools"},
         StartAction::Refuse,
         "steeplewatcher-script: unrecognized option '--my-tools'" + driverTry},
        {true, {"a", "b"}, StartAction::Refuse, "steeplewatcher-script: extra operand 'b'" + driverTry},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.words.front());
        const app::StartOptions options = readLine(c.driver, c.words);
        EXPECT_EQ(options.action, c.action);
        if (c.action == StartAction::Refuse)
            EXPECT_EQ(options.text, c.textStart);
        else
            EXPECT_TRUE(options.text.starts_with(c.textStart)) << options.text;
    }

    auto program = readLine(false, {"--my-tools", "/data/parishes"});
    EXPECT_EQ(program.action, StartAction::Run);
    EXPECT_TRUE(program.myTools);
    EXPECT_EQ(program.directory, "/data/parishes");
    EXPECT_FALSE(readLine(false, {}).myTools);
    EXPECT_TRUE(readLine(false, {"--quit-when-shown"}).quitWhenShown);
    EXPECT_TRUE(readLine(true, {"--user-data"}).userData);
    EXPECT_EQ(readLine(false, {"--user-data"}).action, StartAction::Refuse);
    EXPECT_EQ(readLine(false, {"--", "--help"}).directory, "--help");
    for (const auto& words : std::vector<std::vector<std::string>>{
             {"-C", "/w", "s"}, {"-C/w", "s"}, {"--directory=/w", "s"}, {"s", "--directory", "/w"}}) {
        auto driver = readLine(true, words);
        EXPECT_EQ(driver.action, StartAction::Run);
        EXPECT_EQ(driver.directory, "/w");
        EXPECT_EQ(driver.script, "s");
    }
    auto stdinScript = readLine(true, {"-"});
    EXPECT_EQ(stdinScript.script, "-"); // a file named -, as before
    EXPECT_EQ(stdinScript.directory, std::nullopt);
}

TEST(StartDirectory, PlacesFollowTheFreedesktopRulesAndTheInstalledLayout)
{
    EXPECT_EQ(app::userDataDirectory("/x/data", "/home/ann"), "/x/data/steeplewatcher");
    EXPECT_EQ(app::userDataDirectory("relative/data", "/home/ann"), "/home/ann/.local/share/steeplewatcher");
    EXPECT_EQ(app::userDataDirectory("", "/home/ann"), "/home/ann/.local/share/steeplewatcher");
    EXPECT_EQ(app::userDataDirectory(nullptr, "/home/ann"), "/home/ann/.local/share/steeplewatcher");
    EXPECT_THROW(app::userDataDirectory(nullptr, nullptr), app::StartError);
    EXPECT_EQ(app::shippedDataDirectory("/usr/bin/steeplewatcher"), "/usr/share/steeplewatcher");
    EXPECT_EQ(app::shippedDataDirectory("/tmp/root/opt/sw/bin/steeplewatcher-script"),
              "/tmp/root/opt/sw/share/steeplewatcher");
}

class StartDirectoryFill : public testing::Test {
protected:
    StartDirectoryFill()
    {
        fs::create_directories(shipped);
        fs::create_directories(current);
        fs::create_directories(shipped / "a-folder");
        writeBytes(shipped / "Parishes.Dat", std::string(77, 'P'));
        writeBytes(shipped / "County.txt", "codes\r\n");
        writeBytes(shipped / "UKCoast.Txt", "");
    }
    ~StartDirectoryFill() override { text::clearFileFaults(); }
    app::WorkingDirectory prepare(std::optional<std::string> given = std::nullopt)
    {
        return app::prepareWorkingDirectory({std::move(given), current, user, shipped});
    }
    std::vector<std::string> listing(const fs::path& dir)
    {
        std::vector<std::string> names;
        for (const auto& entry : fs::directory_iterator(dir))
            names.push_back(entry.path().filename().string());
        std::sort(names.begin(), names.end());
        return names;
    }

    testsupport::TempDir root;
    const fs::path shipped = root / "share", current = root / "cwd", user = root / "xdg" / "steeplewatcher";
};

TEST_F(StartDirectoryFill, FirstStartCopiesEveryShippedFileLaterOnlyTheMissingOnesInAnyLetterCase)
{
    auto work = prepare();
    EXPECT_EQ(work.path, user);
    EXPECT_EQ(work.copied, (std::vector<std::string>{"County.txt", "Parishes.Dat", "UKCoast.Txt"}));
    EXPECT_EQ(work.problems, std::vector<std::string>{});
    EXPECT_EQ(readBytes(user / "Parishes.Dat"), std::string(77, 'P'));
    EXPECT_EQ(readBytes(user / "County.txt"), "codes\r\n");
    EXPECT_EQ(listing(user), (std::vector<std::string>{"County.txt", "Parishes.Dat", "UKCoast.Txt"}));

    // The person's amended files, one under another spelling, stay; a removed one comes back.
    fs::remove(user / "Parishes.Dat");
    writeBytes(user / "parishes.DAT", "mine");
    writeBytes(user / "County.txt", "my codes");
    fs::remove(user / "UKCoast.Txt");
    work = prepare();
    EXPECT_EQ(work.copied, std::vector<std::string>{"UKCoast.Txt"});
    EXPECT_EQ(readBytes(user / "parishes.DAT"), "mine");
    EXPECT_EQ(readBytes(user / "County.txt"), "my codes");
    EXPECT_EQ(listing(user), (std::vector<std::string>{"County.txt", "UKCoast.Txt", "parishes.DAT"}));
    EXPECT_EQ(prepare().copied, std::vector<std::string>{});
}

TEST_F(StartDirectoryFill, ANamedDirectoryOrACurrentOneWithDataIsUsedAsItIs)
{
    writeBytes(current / "PARISHES.DAT", "other data");
    auto work = prepare();
    EXPECT_EQ(work.path, current);
    EXPECT_EQ(listing(current), std::vector<std::string>{"PARISHES.DAT"});
    EXPECT_FALSE(fs::exists(user));

    fs::create_directories(root / "named");
    work = prepare((root / "named" / ".").string());
    EXPECT_EQ(work.path, root / "named"); // absolute and plain, as About shows it
    EXPECT_TRUE(work.copied.empty());
    EXPECT_TRUE(fs::is_empty(root / "named"));

    for (const auto& [given, why] :
         {std::pair{root / "none", "no such directory"}, std::pair{current / "PARISHES.DAT", "not a directory"}}) {
        try {
            prepare(given.string());
            ADD_FAILURE() << given;
        } catch (const app::StartError& e) {
            EXPECT_EQ(std::string(e.what()), "cannot work in " + given.string() + ": " + why);
        }
    }
    EXPECT_FALSE(fs::exists(user));
}

TEST_F(StartDirectoryFill, AFailedCopyLeavesNoPartFileAndTheStartGoesOnWhatCannotBeMadeEndsIt)
{
    // The second file's write fails as on a full disk: the first stays, the second is not there at all.
    text::failFileStep(text::FileStep::Write, 2, ENOSPC);
    auto work = prepare();
    EXPECT_EQ(work.path, user);
    EXPECT_EQ(work.problems, std::vector<std::string>{"Cannot copy Parishes.Dat: Disk full"});
    EXPECT_EQ(listing(user), std::vector<std::string>{"County.txt"});
    text::clearFileFaults();
    text::failFileStep(text::FileStep::Rename, 1, EIO);
    EXPECT_EQ(prepare().problems, std::vector<std::string>{"Cannot copy Parishes.Dat: I/O error 5"});
    EXPECT_EQ(listing(user), std::vector<std::string>{"County.txt"});
    EXPECT_EQ(prepare().copied, (std::vector<std::string>{"Parishes.Dat", "UKCoast.Txt"}));

    // No shipped data (a program run from its build folder): said, and the folder is still made.
    fs::remove_all(user);
    fs::remove_all(shipped);
    work = prepare();
    EXPECT_EQ(work.problems, std::vector<std::string>{"no shipped data in " + shipped.string()
                                                      + ": nothing copied into " + user.string()});
    EXPECT_TRUE(fs::is_directory(user));

    // A file where the per-user folder should be.
    fs::remove_all(root / "xdg");
    writeBytes(root / "xdg", "in the way");
    EXPECT_THROW(prepare(), app::StartError);
}

} // namespace
