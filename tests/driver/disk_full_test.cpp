// A full disk, for real: the working directory and the disk standing for
// drive A: are small tmpfs file systems filled to the last byte (or with one
// page left, less than the file to be replaced needs), and every command that
// writes a file runs in the built driver. No file may change
// (only a record rewritten in place fits, and it must be whole and right),
// the failure must be shown, and the program must read on afterwards.
//
// Mounting needs root, or a user namespace of its own; the test is skipped
// where neither is allowed.
#include "support/data_files.h"
#include "support/temp_dir.h"
#include "text/text_file.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <functional>
#include <map>
#include <sched.h>
#include <sys/mount.h>
#include <sys/stat.h>
#include <sys/statvfs.h>
#include <unistd.h>

namespace {

namespace fs = std::filesystem;
using testsupport::parish;
using testsupport::TempDir;
using Records = std::vector<records::ParishRecord>;

const fs::path kGolden = GOLDEN_DIR;

// Not root: a user and mount namespace of this process's own (which the
// driver it starts inherits) lets it mount where the system allows that.
std::string enterOwnNamespace()
{
    const auto uid = std::to_string(::geteuid()), gid = std::to_string(::getegid());
    if (::unshare(CLONE_NEWUSER | CLONE_NEWNS) != 0)
        return std::string("unshare: ") + std::strerror(errno);
    testsupport::writeBytes("/proc/self/setgroups", "deny");
    testsupport::writeBytes("/proc/self/uid_map", "0 " + uid + " 1");
    testsupport::writeBytes("/proc/self/gid_map", "0 " + gid + " 1");
    return "";
}

// A tmpfs of the given size mounted on a fresh folder, unmounted when done.
class SmallDisk {
public:
    explicit SmallDisk(int kib)
    {
        const std::string options = "size=" + std::to_string(kib) + "k";
        if (::mount("tmpfs", dir_.path().c_str(), "tmpfs", 0, options.c_str()) == 0)
            mounted_ = true;
        else
            why_ = std::string("cannot mount a tmpfs: ") + std::strerror(errno);
    }
    ~SmallDisk()
    {
        if (mounted_)
            ::umount2(dir_.path().c_str(), MNT_DETACH);
    }
    SmallDisk(const SmallDisk&) = delete;
    SmallDisk& operator=(const SmallDisk&) = delete;

    const std::string& whyNot() const { return why_; }
    const fs::path& path() const { return dir_.path(); }
    fs::path operator/(std::string_view name) const { return dir_ / name; }

    // Fills what is left with one file, whole pages then bytes, and gives back
    // pagesLeft pages. True when exactly those are free.
    bool fill(int pagesLeft) const
    {
        const int fd = ::open((dir_ / "filler").c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0644);
        const std::string block(4096, 'f');
        for (std::size_t size : {block.size(), std::size_t{1}})
            while (::write(fd, block.data(), size) > 0) {}
        struct stat filled {};
        const bool given = ::fstat(fd, &filled) == 0 && ::ftruncate(fd, filled.st_size - 4096L * pagesLeft) == 0;
        ::close(fd);
        struct statvfs s {};
        return given && ::statvfs(dir_.path().c_str(), &s) == 0 && s.f_bsize == 4096
               && s.f_bavail == static_cast<fsblkcnt_t>(pagesLeft);
    }

private:
    TempDir dir_;
    bool mounted_ = false;
    std::string why_;
};

// 106 records, 8162 bytes: two pages, the last with room for 30 bytes, less
// than a record, so the file can grow by none. Record 1 is marked for deletion.
Records dataSet()
{
    Records r = testsupport::numberedParishes(106);
    r[0] = testsupport::versionRecord();
    r[1] = parish("~Zennor", "V", "CON", "ENG", "SW4538", 145, 38);
    return r;
}

std::map<std::string, std::string> folderContent(const fs::path& dir)
{
    std::map<std::string, std::string> files;
    for (const auto& entry : fs::directory_iterator(dir))
        files[entry.path().filename().string()] = testsupport::readBytes(entry.path());
    return files;
}

// The names of the files that are not in both or differ, so a failure does not print the filler.
std::vector<std::string> differences(const std::map<std::string, std::string>& now,
                                     const std::map<std::string, std::string>& want)
{
    std::vector<std::string> names;
    for (const auto& [name, bytes] : now)
        if (!want.contains(name) || want.at(name) != bytes)
            names.push_back(name);
    for (const auto& [name, bytes] : want)
        if (!now.contains(name))
            names.push_back(name + " (gone)");
    return names;
}

struct DiskFullCase {
    const char* name;
    const char* script; // the command and what leads up to it
    const char* failure; // the transcript line showing the failure; nullptr when the write fits
    int failures = 1; // how many times it is shown: once for each write tried
    std::function<void(Records&)> rewritten = {}; // a write in place that fits: what it makes of the records
    bool emptyDriveA = false; // no earlier back-up on the disk standing for drive A:
    int pagesLeft = 0; // free on each disk: one page holds part of a rewrite, which then fails
};

const DiskFullCase kCases[] = {
    {"amend", "key Down\nclick AllowAmendments1\nset Updatefm.Edit1 \"Amended\"\nanswer Yes\nclick Updatefm.Save\n",
     nullptr, 0, [](Records& r) { r[1] = parish("Amended", "V", "CON", "ENG", "SW4538", 145, 38); }},
    {"mark", "key Down\nkey Down\nanswer Yes\nclick DeleteAParish1\n", nullptr, 0,
     [](Records& r) { r[2] = parish("~Parish 00002", "A", "LEI", "ENG", "SK3516", 402, 302); }},
    // The mark goes; the padding after the name stays part of it.
    {"unmark", "key Down\nanswer Yes\nclick UnMarkaParish1\n", nullptr, 0,
     [](Records& r) { r[1].set(records::Field::Name, "Zennor" + std::string(38, ' ')); }},
    {"insert", "click AddaNewParish1\n", "error \"Disk full.\""},
    {"remove", "answer Yes\nclick RemoveDeletedParishes1\n", "error \"Disk full.\""},
    {"sort", "answer Yes\nclick NewSort1\n", "error \"Disk full.\""},
    {"import_csv", "answer Yes file \"in.csv\"\nclick AppendaCSVFile1\n", "error \"Disk full.\""},
    {"restore", "answer OK\nclick RestorfromtheADrive1\n", "message \"Restore Failed\""},
    {"back_up", "answer OK Yes\nclick BackUptoADrive1\n", "message \"BackUp Copy Failed\""},
    {"first_back_up", "answer OK\nclick BackUptoADrive1\n", "message \"BackUp Copy Failed\"", 1, {}, true},
    {"create_test_file", "answer Yes \" 3\"\nclick CreateTestFile1\n",
     "message \"Unable to Delete Data File. Create Test File Failed \""},
    {"convert_data", "answer Yes\nclick ConvertData1\n", "error \"Disk full.\""},
    {"batch", "answer No\nclick Batch1\n", "error \"Disk full.\""},
    {"history", "set TarPar \"Bastow\"\nexit TarPar\nanswer Cancel\nclose\n", "error \"Disk full.\""},
    {"county_list", "set TarPar \"LEI\"\nanswer Yes\nclick SelectedCounty1\n", "error \"Disk full.\""},
    {"search_list", "set TarPar \"Parish\"\nanswer Yes\nclick ParishesmatchingSearchString1\n", "error \"Disk full.\""},
    {"radius", "key Down\nkey Down\nclick Select1stParish\nset Radius \"10\"\nclick ParishGroup\n",
     "error \"Cannot write ParList.txt: Disk full.\""},
    {"report_csv", "click PrintPreview2\nclick ParListFm.CSVOUTPUT\n", "error \"Disk full.\""},
    // Showing a plot saves it as ParPlot.BMP or LocPlot.BMP; Save As writes another picture.
    {"plot_picture", "click PrintPreview2\nclick ParListFm.ShowPlot\nanswer file \"plot.png\"\nclick PlotFm.SaveAs1\n",
     "error \"Disk full.\"", 2},
    {"location_plot", "key Down\nkey Down\nclick Plot1\n", "error \"Disk full.\""},
    {"convert_map_data", "answer Yes\nclick ConvertMapData1\n", "error \"Disk full.\""},
    {"verify_map_list", "answer No\nclick VerifyMapList1\n", "error \"Disk full.\""},
    {"map_check", "answer No\nclick MapCheck\n", "error \"Disk full.\""},
    // Rewrites larger than the page left: the first page is written, then the disk is full.
    {"remove_part", "answer Yes\nclick RemoveDeletedParishes1\n", "error \"Disk full.\"", 1, {}, false, 1},
    {"sort_part", "answer Yes\nclick NewSort1\n", "error \"Disk full.\"", 1, {}, false, 1},
    {"batch_part", "answer No\nclick Batch1\n", "error \"Disk full.\"", 1, {}, false, 1},
    {"back_up_part", "answer OK Yes\nclick BackUptoADrive1\n", "message \"BackUp Copy Failed\"", 1, {}, false, 1},
    {"county_list_part",
     "set TarPar \"LEI\"\nanswer Yes\nclick SelectedCounty1\n",
     "error \"Disk full.\"",
     1,
     {},
     false,
     1},
};

TEST(DiskFull, EveryWritingCommandKeepsEveryFileAndSaysItFailed)
{
    if (::geteuid() != 0) {
        if (std::string why = enterOwnNamespace(); !why.empty())
            GTEST_SKIP() << "not root, and no user namespace to mount a tmpfs in (" << why << ")";
    }
    const Records start = dataSet();
    const Records older(start.begin(), start.begin() + 6);
    for (const DiskFullCase& c : kCases) {
        SCOPED_TRACE(c.name);
        const SmallDisk work(96), driveA(16);
        if (!work.whyNot().empty() || !driveA.whyNot().empty())
            GTEST_SKIP() << work.whyNot() << driveA.whyNot();
        testsupport::writeDataFile(work / "Parishes.Dat", start);
        testsupport::writeDataFile(work / "KeepGoodCopy of Parishes.Dat", older);
        if (!c.emptyDriveA)
            testsupport::writeDataFile(driveA / "Parishes.Bak", older);
        testsupport::writeBytes(work / "HistList.txt", "ash\r\nzed\r\n");
        testsupport::writeBytes(work / "in.csv", "Bastow,P,KEN,ENG,TQ5050,550,150,\r\n");
        testsupport::writeBytes(work / "ParList.csv", "\"an older export\",\r\n");
        testsupport::writeBytes(work / "MapList.Dat", "an older map list");
        testsupport::writeBytes(work / "Errlist.Txt", "older findings\r\n");
        for (const char* input :
             {"ReadMe.rtf", "LoadPar.txt", "Maplist.txt", "UKCoast.Txt", "UKLocs.Txt", "IRLCoast.Txt", "IRLLocs.Txt"})
            fs::copy_file(kGolden / "inputs" / input, work / input);
        fs::copy_file(kGolden / "radius.ParList.txt", work / "ParList.txt");
        fs::copy_file(kGolden / "radius.PlotList.txt", work / "PlotList.txt");
        ASSERT_TRUE(work.fill(c.pagesLeft));
        ASSERT_TRUE(driveA.fill(c.pagesLeft));
        const auto before = folderContent(work.path()), beforeA = folderContent(driveA.path());

        // The command, then where the program stands and the last record read from the file.
        const TempDir output;
        testsupport::writeBytes(output / "case.script", std::string(c.script) + "state\nkey End\ndump Memo3\n");
        const auto run = testsupport::runCommand(
            "STEEPLEWATCHER_MY_TOOLS=0 STEEPLEWATCHER_DRIVE_A=" + testsupport::quoted(driveA.path()) + " "
                + testsupport::quoted(STEEPLEWATCHER_SCRIPT) + " " + testsupport::quoted(output / "case.script"),
            work.path(), output.path());
        EXPECT_EQ(run.status, 0);
        EXPECT_EQ(run.err, "");
        const std::vector<std::string> lines = text::splitLines(run.out);
        ASSERT_GE(lines.size(), 2u) << run.out;
        const auto shown = [&](const std::function<bool(const std::string&)>& is) {
            return std::count_if(lines.begin(), lines.end(), is);
        };
        EXPECT_EQ(shown([&](const std::string& l) { return c.failure ? l == c.failure : l.starts_with("error "); }),
                  c.failures)
            << run.out;
        // On a record of the file as it is, not past its end.
        EXPECT_EQ(shown([](const std::string& l) { return l.starts_with("state record ") && l.ends_with(" of 106"); }),
                  1)
            << run.out;
        EXPECT_EQ(lines.back(), "Memo3[0] = \"Parish 00105                                   A  LEI   ENG   "
                                "SK3516   405    308\"");

        auto expected = before;
        if (c.rewritten) {
            Records r = start;
            c.rewritten(r);
            expected["Parishes.Dat"] = testsupport::bytesOf(r);
        }
        EXPECT_EQ(differences(folderContent(work.path()), expected), std::vector<std::string>{});
        EXPECT_EQ(differences(folderContent(driveA.path()), beforeA), std::vector<std::string>{});
    }
}

} // namespace
