#include "driver/script_reader.h"
#include "driver/script_runner.h"

#include "support/data_files.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

#include <sstream>

namespace {

using testsupport::TempDir;

// A twenty-record data file: the version record and nineteen parishes.
void writeTwentyRecords(const TempDir& dir)
{
    auto records = testsupport::numberedParishes(20);
    records[0] = testsupport::versionRecord();
    testsupport::writeDataFile(dir / "Parishes.Dat", records);
    testsupport::writeBytes(dir / "ReadMe.rtf", "{\\rtf1 Read me.\\par}");
}

struct SessionCase {
    const char* script;
    const char* out;
    const char* err;
    int status;
};

void runCases(const TempDir& dir, std::initializer_list<SessionCase> cases)
{
    for (const SessionCase& c : cases) {
        std::ostringstream out, err;
        int status = driver::runSession(c.script, dir.path(), out, err);
        EXPECT_EQ(out.str(), c.out) << c.script;
        EXPECT_EQ(err.str(), c.err) << c.script;
        EXPECT_EQ(status, c.status) << c.script;
    }
}

TEST(Session, NamesThatCannotBeUsedStopTheScriptWithTheirLine)
{
    TempDir dir;
    writeTwentyRecords(dir);
    runCases(
        dir,
        {
            // A malformed line is found before the program starts.
            {"dump Memo3\nfoo\n", "", "line 2: unknown command foo\n", 2},
            // The lines before a bad name have run; a dump prints nothing unless every name is good.
            {"state\ndump Progress Memo9\n", "state record 0 of 20\n", "line 2: unknown control Memo9\n", 2},
            {"dump FindFirst", "", "line 1: FindFirst has no text to dump\n", 2},
            {"dump ParListFm.Memo1", "", "line 1: unknown control ParListFm.Memo1\n", 2},
            {"dump ParListFm.Print", "", "line 1: ParListFm.Print has no text to dump\n", 2},
            {"set ParListFm.RichEdit1 \"x\"", "", "line 1: ParListFm.RichEdit1 is not an edit box\n", 2},
            {"check ParListFm.Scale on", "", "line 1: ParListFm.Scale is not a radio button or check box\n", 2},
            {"click File1", "", "line 1: File1 is a menu: click one of its items\n", 2},
            {"click N3", "", "line 1: N3 is a separator\n", 2},
            {"click Memo1", "", "line 1: Memo1 is not a button or menu item\n", 2},
            {"click Exit2", "", "line 1: unknown button or menu item Exit2\n", 2},
            {"click Nowhere.Exit1", "", "line 1: unknown button or menu item Nowhere.Exit1\n", 2},
            {"click ParListFm.Print1", "", "line 1: unknown button or menu item ParListFm.Print1\n", 2},
            {"click ParListFm.Scale", "", "line 1: ParListFm.Scale is not a button or menu item\n", 2},
            // Only the search box and the radius box take typing.
            {"set Memo1 \"x\"", "", "line 1: Memo1 is not an edit box\n", 2},
            {"set FindFirst \"x\"", "", "line 1: FindFirst is not an edit box\n", 2},
            {"set Tarpar \"x\"", "", "line 1: unknown control Tarpar\n", 2},
            {"check StartRb off", "", "line 1: StartRb is a radio button: check another button of its group on\n", 2},
            {"check Radius on", "", "line 1: Radius is not a radio button or check box\n", 2},
            {"check AnyRb2 on", "", "line 1: unknown control AnyRb2\n", 2},
            {"pick TarPar 0", "", "line 1: TarPar has no item 0 (it has 0)\n", 2},
            {"pick TarPar \"Ash\\xF4\"", "", "line 1: TarPar has no item \"Ash\xC3\xB4\"\n", 2},
            {"pick Radius 0", "", "line 1: Radius has no items to pick\n", 2},
            {"pick Combo1 0", "", "line 1: unknown control Combo1\n", 2},
            {"key Nowhere Home", "", "line 1: unknown window Nowhere\n", 2},
            {"exit Memo4", "", "line 1: unknown control Memo4\n", 2},
            // Controls accepted without effect print nothing.
            {"exit TarPar\nexit Parishfm.Radius\nexit FindFirst\nexit Memo3\n", "", "", 0},
            {"key Parishfm Down\ndump Parishfm.Progress\n", "Parishfm.Progress = \"1\"\n", "", 0},
            // Answers must match their boxes and be used up.
            {"close\nstate\n", "confirm \"Terminate Application?\" -> unanswered\n",
             "line 1: a box appeared with no answer queued\n", 3},
            {"answer Yes\nclose\n", "",
             "line 2: the answer Yes does not fit the confirm box \"Terminate Application?\" (OK or Cancel)\n", 2},
            {"answer \"OK\"\nclick Exit1\n", "",
             "line 2: the answer a text does not fit the confirm box \"Terminate Application?\" (OK or Cancel)\n", 2},
            {"answer OK\nstate\n", "state record 0 of 20\n", "1 answer is still queued at the end of the script\n", 4},
            {"answer OK Cancel\nanswer \"x\"\n", "", "3 answers are still queued at the end of the script\n", 4},
            // The program ends at the first OK; the rest of the script does not run.
            {"answer OK OK\nclose\n", "confirm \"Terminate Application?\" -> OK\nend\n",
             "1 answer is still queued at the end of the script\n", 4},
            // Nothing runs after the end: a command there is a script error.
            {"answer Cancel OK\nclose\nclick Exit1\nstate\n",
             "confirm \"Terminate Application?\" -> Cancel\nconfirm \"Terminate Application?\" -> OK\nend\n",
             "line 4: the program has ended: no command runs after it\n", 2},
        });
}

TEST(Session, MissingDataFileEndsTheProgramBeforeTheScript)
{
    TempDir dir;
    runCases(dir, {
                      {"dump Memo3\nanswer OK\nclose\n",
                       "message \"Cannot Find data file \\\"Parishes.Dat\\\". Application Will Close\"\nend\n", "", 0},
                      // A malformed script is refused before anything starts.
                      {"dump Memo3\nclose now\n", "", "line 2: wrong arguments for close (close)\n", 2},
                  });
    EXPECT_TRUE(std::filesystem::is_empty(dir.path()));
}

TEST(Session, PicksASearchHistoryItemByIndexOrTextAndSelectsIt)
{
    TempDir dir;
    writeTwentyRecords(dir);
    testsupport::writeBytes(dir / "HistList.txt", "ash\r\n250\r\nAsh\r\n");
    // Clearing the current item shows which item the pick selected; a failed
    // pick leaves the box and its selection as they were; a text typed over
    // the picked item selects nothing.
    runCases(dir, {{"set TarPar \"typed\"\npick TarPar 1\ndump TarPar\npick TarPar \"Ash\"\npick TarPar 3\n",
                    "TarPar = \"ash\"\n", "line 5: TarPar has no item 3 (it has 3)\n", 2},
                   {"pick TarPar \"Ash\"\nclick ClearCurrentItem1\ndump TarPar.Items\n",
                    "TarPar.Items[0] = \"250\"\nTarPar.Items[1] = \"ash\"\n", "", 0},
                   {"pick TarPar \"Ash\"\nset TarPar \"typed\"\nclick ClearCurrentItem1\ndump TarPar TarPar.Items\n",
                    "message \"No Item Selected\"\nTarPar = \"typed\"\nTarPar.Items[0] = \"250\"\nTarPar.Items[1] = "
                    "\"ash\"\nTarPar.Items[2] = \"Ash\"\n",
                    "", 0}});
}

} // namespace
