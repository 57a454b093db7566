#include "records/count_records.h"
#include "records/data_file.h"
#include "support/data_files.h"
#include "support/permissions.h"
#include "support/temp_dir.h"
#include "text/io_error.h"

#include <gtest/gtest.h>
#include <unistd.h>

namespace fs = std::filesystem;
using records::DataFile;
using records::ParishRecord;

static std::string errorOf(const std::function<void()>& f)
{
    try {
        f();
    } catch (const text::IoError& e) {
        return e.what();
    }
    return "(no error)";
}

TEST(DataFile, ReadsAndWritesRecordsByIndexThroughTheBlockBuffer)
{
    auto records = testsupport::numberedParishes(1200); // more than one block
    testsupport::OpenDataFile f(records);
    DataFile& file = f.cursor.file;
    ParishRecord r;
    for (std::size_t i : {0u, 1u, 511u, 512u, 513u, 1199u, 700u, 3u}) {
        file.read(static_cast<std::int64_t>(i), r);
        EXPECT_EQ(r, records[i]) << i;
    }
    EXPECT_EQ(errorOf([&] { file.read(1200, r); }), "Read beyond end of file");
    EXPECT_EQ(errorOf([&] { file.read(-1, r); }), "Seek before start of file");
    EXPECT_EQ(errorOf([&] { file.write(1201, r); }), "Write beyond end of file");
    file.read(0, r); // loads the block holding record 5
    ParishRecord changed = testsupport::parish("Changed", "B", "KEN", "ENG", "TQ0000", 500, 100);
    file.write(5, changed);
    file.write(1200, changed); // appending at the count grows the file by one record
    file.read(5, r); // the loaded block sees the change
    EXPECT_EQ(r, changed);
    records[5] = changed;
    records.push_back(changed);
    EXPECT_EQ(testsupport::readBytes(f.path()), testsupport::bytesOf(records));
}

// A partial last record counts and cannot be read (the driver's golden partial-record case).
TEST(DataFile, APartialLastRecordRefusesWritesAndAClosedFileEverything)
{
    testsupport::OpenDataFile f({});
    std::string bytes = testsupport::bytesOf(testsupport::numberedParishes(2)) + "partial";
    testsupport::writeBytes(f.path(), bytes);
    DataFile& file = f.cursor.file;
    file.open(f.path());
    ParishRecord r;
    for (int index : {0, 3})
        EXPECT_EQ(errorOf([&] { file.write(index, r); }),
                  "Parishes.Dat is damaged (its size is not a whole number of records), so it cannot be changed");
    file.close();
    EXPECT_EQ(testsupport::readBytes(f.path()), bytes);
    EXPECT_EQ(errorOf([&] { file.atEnd(0); }), "File not open");
    EXPECT_EQ(errorOf([&] { file.read(0, r); }), "File not open");
    EXPECT_EQ(errorOf([&] { file.write(0, r); }), "File not open");
    EXPECT_EQ(errorOf([&] { file.open(f.dir / "Missing.Dat"); }), "File not found");
    EXPECT_FALSE(fs::exists(f.dir / "Missing.Dat")); // never created by accident
}

// A read-only file, or a file in a read-only folder (it cannot be replaced
// whole), opens for reading only and refuses writes.
TEST(DataFile, AReadOnlyFileOrFolderOpensForReadingOnly)
{
    for (bool folderReadOnly : {false, true}) {
        SCOPED_TRACE(folderReadOnly ? "read-only folder" : "read-only file");
        testsupport::TempDir dir;
        fs::permissions(dir.path(), fs::perms::all, fs::perm_options::replace);
        fs::create_directory(dir / "ro");
        auto path = dir / "ro" / "Parishes.Dat";
        auto records = testsupport::numberedParishes(3);
        testsupport::writeDataFile(path, records);
        const auto readOnly =
            fs::perms::all & ~(fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write);
        fs::permissions(path, folderReadOnly ? fs::perms::all : readOnly, fs::perm_options::replace);
        fs::permissions(dir / "ro", folderReadOnly ? readOnly : fs::perms::all, fs::perm_options::replace);
        EXPECT_TRUE(testsupport::withPermissionsEnforced([&] {
            DataFile file;
            file.open(path);
            EXPECT_TRUE(file.isReadOnly());
            ParishRecord r;
            file.read(2, r);
            EXPECT_EQ(r, records[2]);
            EXPECT_EQ(errorOf([&] { file.write(0, r); }), "Parishes.Dat is read-only: the change cannot be saved");
        }));
        EXPECT_EQ(testsupport::readBytes(path), testsupport::bytesOf(records));
    }
}

TEST(CountRecords, FindsTheCountWithProbesAlone)
{
    for (int n : {0, 1, 2, 99, 100, 999, 1000, 1001, 2345}) {
        testsupport::OpenDataFile f(testsupport::numberedParishes(n));
        EXPECT_EQ(records::countRecords(f.cursor.file), n) << n;
    }
}
