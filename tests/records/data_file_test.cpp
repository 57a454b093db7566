#include "records/count_records.h"
#include "records/data_file.h"
#include "support/data_files.h"
#include "support/permissions.h"
#include "support/temp_dir.h"
#include "text/io_error.h"

#include <gtest/gtest.h>

using records::DataFile;
using records::ParishRecord;
using testsupport::TempDir;

namespace {

std::string errorOf(const std::function<void()>& f)
{
    try {
        f();
    } catch (const text::IoError& e) {
        return e.what();
    }
    return "(no error)";
}

struct OpenFile {
    TempDir dir;
    DataFile file;
    explicit OpenFile(const std::vector<ParishRecord>& records)
    {
        testsupport::writeDataFile(path(), records);
        file.open(path());
    }
    std::filesystem::path path() const { return dir / "Parishes.Dat"; }
};

} // namespace

TEST(DataFile, ReadsRecordsByIndexAndTellsTheEnd)
{
    auto records = testsupport::numberedParishes(1200); // more than one block
    OpenFile f(records);
    ParishRecord r;
    for (int i : {0, 1, 511, 512, 513, 1199, 700, 3}) {
        f.file.read(i, r);
        EXPECT_EQ(r, records[i]) << i;
    }
    EXPECT_FALSE(f.file.atEnd(1199));
    EXPECT_TRUE(f.file.atEnd(1200));
    EXPECT_TRUE(f.file.atEnd(5000));
    EXPECT_EQ(errorOf([&] { f.file.read(1200, r); }), "Read beyond end of file");
    EXPECT_EQ(errorOf([&] { f.file.read(-1, r); }), "Seek before start of file");
}

TEST(DataFile, AWriteIsSeenByTheNextReadThroughTheBlockBuffer)
{
    auto records = testsupport::numberedParishes(10);
    OpenFile f(records);
    ParishRecord r;
    f.file.read(0, r); // loads the block holding record 5
    ParishRecord changed = testsupport::parish("Changed", "B", "KEN", "ENG", "TQ0000", 500, 100);
    f.file.write(5, changed);
    f.file.read(5, r);
    EXPECT_EQ(r, changed);
    // Appending at the count grows the file by one record.
    f.file.write(10, changed);
    EXPECT_FALSE(f.file.atEnd(10));
    f.file.read(10, r);
    EXPECT_EQ(r, changed);
    EXPECT_EQ(std::filesystem::file_size(f.path()), 11u * 77);
    EXPECT_EQ(testsupport::readDataFile(f.path())[5], changed);
}

TEST(DataFile, RefusesToWriteBeyondTheEnd)
{
    OpenFile f(testsupport::numberedParishes(3));
    EXPECT_EQ(errorOf([&] { f.file.write(4, ParishRecord{}); }), "Write beyond end of file");
    EXPECT_EQ(std::filesystem::file_size(f.path()), 3u * 77);
}

TEST(DataFile, APartialLastRecordCountsButCannotBeReadOrWritten)
{
    TempDir dir;
    auto path = dir / "Parishes.Dat";
    testsupport::writeDataFile(path, testsupport::numberedParishes(2));
    std::string bytes = testsupport::readBytes(path) + "partial";
    testsupport::writeBytes(path, bytes);
    DataFile file;
    file.open(path);
    EXPECT_TRUE(file.hasPartialRecord());
    EXPECT_EQ(records::countRecords(file), 3);
    ParishRecord r;
    file.read(1, r);
    EXPECT_EQ(errorOf([&] { file.read(2, r); }), "Read beyond end of file");
    std::string refusal = errorOf([&] { file.write(0, r); });
    EXPECT_NE(refusal.find("damaged"), std::string::npos) << refusal;
    EXPECT_NE(errorOf([&] { file.write(3, r); }).find("damaged"), std::string::npos);
    file.close();
    EXPECT_EQ(testsupport::readBytes(path), bytes);
}

TEST(DataFile, EveryOperationOnAClosedFileReportsAnError)
{
    DataFile file;
    ParishRecord r;
    EXPECT_EQ(errorOf([&] { file.atEnd(0); }), "File not open");
    EXPECT_EQ(errorOf([&] { file.read(0, r); }), "File not open");
    EXPECT_EQ(errorOf([&] { file.write(0, r); }), "File not open");
    TempDir dir;
    EXPECT_EQ(errorOf([&] { file.open(dir / "Parishes.Dat"); }), "File not found");
    EXPECT_FALSE(std::filesystem::exists(dir / "Parishes.Dat")); // never created by accident
}

TEST(DataFile, AReadOnlyFileOpensForReadingAndRefusesWrites)
{
    TempDir dir;
    std::filesystem::permissions(dir.path(), std::filesystem::perms::all, std::filesystem::perm_options::replace);
    auto path = dir / "Parishes.Dat";
    auto records = testsupport::numberedParishes(3);
    testsupport::writeDataFile(path, records);
    std::string before = testsupport::readBytes(path);
    std::filesystem::permissions(path,
                                 std::filesystem::perms::owner_read | std::filesystem::perms::group_read
                                     | std::filesystem::perms::others_read,
                                 std::filesystem::perm_options::replace);
    EXPECT_TRUE(testsupport::withPermissionsEnforced([&] {
        DataFile file;
        file.open(path);
        EXPECT_TRUE(file.isReadOnly());
        ParishRecord r;
        file.read(2, r);
        EXPECT_EQ(r, records[2]);
        EXPECT_NE(errorOf([&] { file.write(0, r); }).find("read-only"), std::string::npos);
    }));
    EXPECT_EQ(testsupport::readBytes(path), before);
}

TEST(DataFile, AFileInAReadOnlyFolderIsReadOnly)
{
    TempDir dir;
    auto folder = dir / "ro";
    std::filesystem::create_directory(folder);
    auto path = folder / "Parishes.Dat";
    testsupport::writeDataFile(path, testsupport::numberedParishes(2));
    std::filesystem::permissions(dir.path(), std::filesystem::perms::all, std::filesystem::perm_options::replace);
    std::filesystem::permissions(path, std::filesystem::perms::all, std::filesystem::perm_options::replace);
    std::filesystem::permissions(folder,
                                 std::filesystem::perms::owner_all | std::filesystem::perms::group_read
                                     | std::filesystem::perms::group_exec | std::filesystem::perms::others_read
                                     | std::filesystem::perms::others_exec,
                                 std::filesystem::perm_options::replace);
    if (::geteuid() != 0) // an ordinary owner may write the folder; make it read-only for them too
        std::filesystem::permissions(folder, std::filesystem::perms::owner_write,
                                     std::filesystem::perm_options::remove);
    EXPECT_TRUE(testsupport::withPermissionsEnforced([&] {
        DataFile file;
        file.open(path);
        EXPECT_TRUE(file.isReadOnly());
    }));
}

TEST(CountRecords, FindsTheCountWithProbesAlone)
{
    for (int n : {0, 1, 2, 99, 100, 999, 1000, 1001, 2345}) {
        OpenFile f(testsupport::numberedParishes(n));
        EXPECT_EQ(records::countRecords(f.file), n) << n;
    }
}
