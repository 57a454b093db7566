// How the record scans compare with simply reading the data file, on a
// generated file of 30,000 records. Each figure is printed beside the bare
// read as a ratio; the summary checks the program's speed goals.
#include "app/program.h"
#include "driver/script_ports.h"
#include "generated_file.h"
#include "ratio_report.h"
#include "records/count_records.h"
#include "records/data_file.h"
#include "records/sort_by_name.h"
#include "reports/csv_convert.h"
#include "started_program.h"
#include "text/file_replace.h"
#include "text/text_file.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <array>
#include <cstdlib>
#include <fcntl.h>
#include <functional>
#include <iostream>
#include <memory>
#include <random>
#include <span>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace {

const int kRecords = bench::recordsWanted();
bench::GeneratedDataFile* generated = nullptr;

// The baseline: one read() of the whole file into memory.
void BareRead(benchmark::State& state)
{
    std::vector<char> buffer;
    for ([[maybe_unused]] auto _ : state) {
        int fd = ::open(generated->path().c_str(), O_RDONLY | O_CLOEXEC);
        struct stat st {};
        ::fstat(fd, &st);
        buffer.resize(static_cast<std::size_t>(st.st_size));
        ssize_t got = ::read(fd, buffer.data(), buffer.size());
        ::close(fd);
        if (got != st.st_size)
            state.SkipWithError("short read");
        benchmark::DoNotOptimize(buffer.data());
    }
}

// Every record of the generated file read in order, as the scans read them.
void readEveryRecord()
{
    records::ParishRecord record;
    records::DataFile file;
    file.open(generated->path());
    for (std::int64_t i = 0; !file.atEnd(i); ++i)
        file.read(i, record);
    benchmark::DoNotOptimize(record.bytes.data());
}

void SequentialRead(benchmark::State& state)
{
    for ([[maybe_unused]] auto _ : state)
        readEveryRecord();
}

void CountRecords(benchmark::State& state)
{
    records::DataFile file;
    file.open(generated->path());
    for ([[maybe_unused]] auto _ : state) {
        std::int32_t count = records::countRecords(file);
        if (count != kRecords)
            state.SkipWithError("wrong count");
        benchmark::DoNotOptimize(count);
    }
}

// The program started on the generated file.
struct StartedCore : bench::StartedProgram {
    StartedCore() : StartedProgram(generated->folder()) {}
};

// A move by one record: the record line, its neighbours before and after.
void DisplayRefresh(benchmark::State& state)
{
    StartedCore started;
    app::Parishfm& core = started.core;
    while (core.currentRecord() < kRecords / 2)
        core.keyDown(app::Key::PageDown);
    bool down = true;
    for ([[maybe_unused]] auto _ : state) {
        core.keyDown(down ? app::Key::Down : app::Key::Up);
        down = !down;
    }
}

void GoLast(benchmark::State& state)
{
    StartedCore started;
    for ([[maybe_unused]] auto _ : state)
        started.core.keyDown(app::Key::End);
    if (started.core.currentRecord() != kRecords - 1)
        state.SkipWithError("GoLast missed the last record");
}

// Find First for a name that no record has: the whole file is scanned, then
// record 0 is shown with the message.
void FindFirstNoMatch(benchmark::State& state)
{
    StartedCore started;
    for ([[maybe_unused]] auto _ : state) {
        started.set("TarPar", "Nowhere At All");
        started.click("FindFirst");
    }
    if (started.core.currentRecord() != 0)
        state.SkipWithError("a record matched");
}

// The radius search of 10 miles around the middle of the grid: the whole pass,
// with ParList.txt and PlotList.txt written (some sixty hits).
void setUpRadiusSearch(StartedCore& started)
{
    started.set("Parish1", "Middle, P, LEI, ENG");
    started.set("Parish1East", "   350");
    started.set("Parish1North", "   450");
    started.set("Radius", "10");
}

void RadiusSearch(benchmark::State& state)
{
    StartedCore started;
    setUpRadiusSearch(started);
    for ([[maybe_unused]] auto _ : state)
        started.click("ParishGroup");
    const app::ParishfmView& v = started.core.view();
    if (v.Progress != "Done" || v.Hits == "0")
        state.SkipWithError("the pass found nothing");
    state.counters["hits"] = std::stod(v.Hits);
}

// The county list of one county (an eighth of the file): the whole command,
// ParList.txt written and loaded into the viewer.
void CountyList(benchmark::State& state)
{
    StartedCore started;
    for ([[maybe_unused]] auto _ : state) {
        started.set("TarPar", "lin");
        started.answerYes();
        started.click("SelectedCounty1");
        started.closeViewer();
    }
    if (started.core.view().Hits == "0")
        state.SkipWithError("the list is empty");
    state.counters["listed"] = std::stod(started.core.view().Hits);
}

// One write of bytes into a new file (the old one unlinked first, so that no
// truncation of its blocks is counted): the least a report's write can cost.
bool plainWrite(const std::filesystem::path& path, std::string_view bytes)
{
    ::unlink(path.c_str());
    int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0644);
    const bool whole = fd >= 0 && ::write(fd, bytes.data(), bytes.size()) == static_cast<ssize_t>(bytes.size());
    return ::close(fd) == 0 && whole;
}

// Files written as the program must write files it replaces, new files
// renamed over the old (state.range(0) == 1), or, to show what that safety
// costs, by the plain write above (0).
bool writeAsAsked(const benchmark::State& state, std::span<const text::FileContent> files)
{
    if (state.range(0) == 1) {
        text::replaceFiles(files, text::Sync::Lazy);
        return true;
    }
    return std::all_of(files.begin(), files.end(),
                       [](const text::FileContent& f) { return plainWrite(f.path, f.content); });
}

// The baseline of a command that scans the file and writes files: a
// sequential read and one write of each file the command produced (found by
// running it once).
void ReadAndWrite(benchmark::State& state, const std::function<void(StartedCore&)>& command,
                  std::initializer_list<const char*> written)
{
    std::vector<std::string> bytes;
    {
        StartedCore started;
        command(started);
        for (const char* name : written)
            bytes.push_back(text::readFile(generated->folder() / name));
    }
    std::vector<text::FileContent> copies;
    for (const char* name : written)
        copies.push_back({generated->folder() / ("baseline-" + std::string(name)), bytes[copies.size()]});
    for ([[maybe_unused]] auto _ : state) {
        readEveryRecord();
        if (!writeAsAsked(state, copies))
            state.SkipWithError("baseline write failed");
    }
    for (const text::FileContent& copy : copies)
        std::filesystem::remove(copy.path);
}
// A list report of the search box's text.
std::function<void(StartedCore&)> listReport(const char* searchText, const char* command)
{
    return [=](StartedCore& started) {
        started.set("TarPar", searchText);
        started.answerYes();
        started.click(command);
    };
}
void ReadAndWriteCountyReport(benchmark::State& state)
{
    ReadAndWrite(state, listReport("lin", "SelectedCounty1"), {"ParList.txt"});
}
void ReadAndWriteStringReport(benchmark::State& state)
{
    ReadAndWrite(state, listReport("ton", "ParishesmatchingSearchString1"), {"ParList.txt"});
}
void ReadAndWriteRadiusFiles(benchmark::State& state)
{
    ReadAndWrite(state,
                 [](StartedCore& started) {
                     setUpRadiusSearch(started);
                     started.click("ParishGroup");
                 },
                 {"ParList.txt", "PlotList.txt"});
}

// Names containing a text found in about one in ten of them.
void SearchStringList(benchmark::State& state)
{
    StartedCore started;
    for ([[maybe_unused]] auto _ : state) {
        started.set("TarPar", "ton");
        started.answerYes();
        started.click("ParishesmatchingSearchString1");
        started.closeViewer();
    }
    state.counters["listed"] = std::stod(started.core.view().Hits);
}

// The baseline of removal: one bare read and one bare write of the data file,
// the write synced as removal syncs its replacement.
void BareReadWrite(benchmark::State& state)
{
    const std::filesystem::path copy = generated->folder() / "bare-copy.dat";
    for ([[maybe_unused]] auto _ : state) {
        const std::string bytes = text::readFile(generated->path());
        int fd = ::open(copy.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
        bool whole = ::write(fd, bytes.data(), bytes.size()) == static_cast<ssize_t>(bytes.size());
        whole = ::fsync(fd) == 0 && whole;
        ::close(fd);
        if (!whole)
            state.SkipWithError("bare write failed");
    }
    std::filesystem::remove(copy);
}

// Delete Marked Parishes on the 30,000-record file with some records marked:
// the whole command, the kept records replacing the file and the file opened again.
void RemoveMarked(benchmark::State& state)
{
    const auto marked = static_cast<std::size_t>(state.range(0));
    const std::filesystem::path folder = generated->folder() / "remove";
    std::filesystem::create_directories(folder);
    std::string bytes = text::readFile(generated->path());
    for (std::size_t i = 0; i < marked; ++i)
        bytes[(1 + i * static_cast<std::size_t>(kRecords - 1) / marked) * records::kRecordSize + 1] =
            '~'; // the name's first character
    std::ostream nowhere{nullptr};
    driver::ScriptPorts person{nowhere};
    for ([[maybe_unused]] auto _ : state) {
        state.PauseTiming();
        text::replaceFile(folder / "Parishes.Dat", bytes, text::Sync::ToDisk);
        app::Program program(person.ports(), folder, "localhost");
        program.start();
        person.answers().push_back({driver::Answer::Kind::Yes, {}});
        const app::Control& remove = *program.mainWindow().control("RemoveDeletedParishes1");
        state.ResumeTiming();
        program.dispatcher().dispatch(remove.onClick);
        if (program.mainWindow().recordCount() != kRecords - static_cast<int>(marked))
            state.SkipWithError("wrong number of records kept");
    }
}

// The generated file with its records after the version record in a fixed shuffled order.
std::string shuffledFile()
{
    auto table = records::recordsOf(text::readFile(generated->path()));
    std::shuffle(table.begin() + 1, table.end(), std::mt19937(1851));
    return records::bytesOf(table);
}

// A program on a data file in a folder of its own, started, with the answers queued.
// The file is synced before the timing starts, so that the command's own sync
// writes only what the command wrote.
struct ProgramOn {
    ProgramOn(const std::filesystem::path& folder, const std::string& bytes, std::vector<driver::Answer> answers)
        : program((text::replaceFile(folder / "Parishes.Dat", bytes, text::Sync::ToDisk), person.ports()), folder,
                  "localhost")
    {
        program.start();
        for (driver::Answer& a : answers)
            person.answers().push_back(std::move(a));
    }
    void click(std::string_view item) { program.dispatcher().dispatch(program.mainWindow().control(item)->onClick); }
    std::ostream nowhere{nullptr};
    driver::ScriptPorts person{nowhere};
    app::Program program;
};

std::filesystem::path folderFor(const char* name)
{
    std::filesystem::path folder = generated->folder() / name;
    std::filesystem::create_directories(folder);
    return folder;
}

// Sort File on Parish Name on the shuffled file: loaded, sorted, written whole and opened again.
void SortFile(benchmark::State& state)
{
    if (kRecords > static_cast<int>(records::kMaxSortRecords)) {
        state.SkipWithError("the sort takes at most 30,000 records");
        return;
    }
    const std::filesystem::path folder = folderFor("sort");
    const std::string shuffled = shuffledFile();
    for ([[maybe_unused]] auto _ : state) {
        state.PauseTiming();
        auto run =
            std::make_unique<ProgramOn>(folder, shuffled, std::vector<driver::Answer>{{driver::Answer::Kind::Yes, {}}});
        state.ResumeTiming();
        run->click("NewSort1");
        if (run->program.mainWindow().recordCount() != kRecords)
            state.SkipWithError("records lost");
        state.PauseTiming();
        run.reset();
        state.ResumeTiming();
    }
}

// The sort alone, the program's Shell sort and std::stable_sort of the same
// records by the same comparison.
void ShellSortNames(benchmark::State& state)
{
    const auto table = records::recordsOf(shuffledFile());
    for ([[maybe_unused]] auto _ : state) {
        auto copy = table;
        records::sortByName(copy);
        benchmark::DoNotOptimize(copy.data());
    }
}

void StableSortNames(benchmark::State& state)
{
    const auto table = records::recordsOf(shuffledFile());
    for ([[maybe_unused]] auto _ : state) {
        auto copy = table;
        std::stable_sort(copy.begin() + 1, copy.end(),
                         [](const auto& a, const auto& b) { return records::nameGreater(b, a); });
        benchmark::DoNotOptimize(copy.data());
    }
}

// Import and Append a CSV File of 30,000 lines onto the 30,000-record file.
void ImportCsv(benchmark::State& state)
{
    const std::filesystem::path folder = folderFor("import");
    const std::string data = text::readFile(generated->path());
    std::string csv;
    for (const records::ParishRecord& r : records::recordsOf(data)) {
        csv += '"' + std::string(r.name()) + "\",\"" + std::string(r.get(records::Field::Type))
               + "\",\"LEI\",\"ENG\",\"" + std::string(r.get(records::Field::OSRef)) + "\",\"435\",\" 316\",\r\n";
    }
    text::replaceFile(folder / "in.csv", csv, text::Sync::ToDisk);
    for ([[maybe_unused]] auto _ : state) {
        state.PauseTiming();
        auto run = std::make_unique<ProgramOn>(
            folder, data,
            std::vector<driver::Answer>{{driver::Answer::Kind::Yes, {}},
                                        {driver::Answer::Kind::File, (folder / "in.csv").string()}});
        state.ResumeTiming();
        run->click("AppendaCSVFile1");
        if (run->program.mainWindow().recordCount() != 2 * kRecords)
            state.SkipWithError("wrong number of records");
        state.PauseTiming();
        run.reset();
        state.ResumeTiming();
    }
}

// A radius report of 1000 hit lines, in a folder of its own.
std::filesystem::path radiusReportFolder()
{
    std::filesystem::path folder = generated->folder() / "csv";
    std::filesystem::create_directories(folder);
    std::string report = "      Steeplewatcher Report\r\n";
    for (int i = 1; i < 9; ++i)
        report += "   heading line\r\n";
    for (int i = 0; i < 1000; ++i) {
        std::string name = "Parish " + std::to_string(i);
        report += "   " + name + std::string(46 - name.size(), ' ') + "P LEI ENG SK3516  12.3 North by North East\r\n";
    }
    text::replaceFile(folder / "ParList.txt", report, text::Sync::Lazy);
    return folder;
}

// The baseline of the conversion: reading its input.
void ReportRead(benchmark::State& state)
{
    std::filesystem::path folder = radiusReportFolder();
    for ([[maybe_unused]] auto _ : state)
        benchmark::DoNotOptimize(text::readFile(folder / "ParList.txt"));
}

// The baseline of the conversion restated: a bare read of the report and one
// write of the CSV file it becomes.
void ReportReadAndCsvWrite(benchmark::State& state)
{
    std::filesystem::path folder = radiusReportFolder();
    const std::string csv = reports::reportToCsv(text::readFile(folder / "ParList.txt")).value_or("");
    for ([[maybe_unused]] auto _ : state) {
        benchmark::DoNotOptimize(text::readFile(folder / "ParList.txt"));
        if (!writeAsAsked(state, std::array{text::FileContent{folder / "baseline.csv", csv}}))
            state.SkipWithError("baseline write failed");
    }
}

// "Create a CSV File" on that report: read, converted, ParList.csv written whole.
void CsvOfRadiusReport(benchmark::State& state)
{
    std::filesystem::path folder = radiusReportFolder();
    std::ostream nowhere{nullptr};
    driver::ScriptPorts person{nowhere};
    app::Program program(person.ports(), folder, "localhost");
    const app::Control& button = *program.window("ParListFm")->control("CSVOUTPUT");
    for ([[maybe_unused]] auto _ : state)
        program.dispatcher().dispatch(button.onClick);
    if (text::splitLines(text::readFile(folder / "ParList.csv")).size() != 1000)
        state.SkipWithError("wrong number of CSV lines");
}

BENCHMARK(BareRead)->Unit(benchmark::kMicrosecond);
BENCHMARK(SequentialRead)->Unit(benchmark::kMicrosecond);
BENCHMARK(CountRecords)->Unit(benchmark::kMicrosecond);
BENCHMARK(DisplayRefresh)->Unit(benchmark::kMicrosecond);
BENCHMARK(GoLast)->Unit(benchmark::kMicrosecond);
BENCHMARK(FindFirstNoMatch)->Unit(benchmark::kMicrosecond);
BENCHMARK(ReadAndWriteRadiusFiles)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);
BENCHMARK(RadiusSearch)->Unit(benchmark::kMicrosecond);
BENCHMARK(ReadAndWriteCountyReport)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);
BENCHMARK(CountyList)->Unit(benchmark::kMicrosecond);
BENCHMARK(ReadAndWriteStringReport)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);
BENCHMARK(SearchStringList)->Unit(benchmark::kMicrosecond);
BENCHMARK(BareReadWrite)->Unit(benchmark::kMicrosecond);
BENCHMARK(RemoveMarked)->Arg(1)->Arg(1000)->Unit(benchmark::kMicrosecond);
BENCHMARK(SortFile)->Unit(benchmark::kMicrosecond);
BENCHMARK(ShellSortNames)->Unit(benchmark::kMicrosecond);
BENCHMARK(StableSortNames)->Unit(benchmark::kMicrosecond);
BENCHMARK(ImportCsv)->Unit(benchmark::kMicrosecond);
BENCHMARK(ReportRead)->Unit(benchmark::kMicrosecond);
BENCHMARK(ReportReadAndCsvWrite)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);
BENCHMARK(CsvOfRadiusReport)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char** argv)
{
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 2;
    std::unique_ptr<bench::GeneratedDataFile> file;
    try {
        file = std::make_unique<bench::GeneratedDataFile>(kRecords);
    } catch (const std::exception& e) {
        std::cerr << "bench_records: cannot generate the data file: " << e.what() << "\n";
        return 1;
    }
    generated = file.get();
    bench::RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    bench::printSummary(std::cout, reporter.times(), "BareRead",
                        {{"SequentialRead", bench::Goal::Kind::AtMostTimesBaseline, 3},
                         {"DisplayRefresh", bench::Goal::Kind::UnderMicroseconds, 50},
                         {"FindFirstNoMatch", bench::Goal::Kind::AtMostTimesBaseline, 1.5, "SequentialRead"},
                         {"ReadAndWriteRadiusFiles/1", bench::Goal::Kind::Beside, 0, "ReadAndWriteRadiusFiles/0"},
                         {"RadiusSearch", bench::Goal::Kind::AtMostTimesBaseline, 2, "ReadAndWriteRadiusFiles/1"},
                         {"ReadAndWriteCountyReport/1", bench::Goal::Kind::Beside, 0, "ReadAndWriteCountyReport/0"},
                         {"CountyList", bench::Goal::Kind::AtMostTimesBaseline, 2, "ReadAndWriteCountyReport/1"},
                         {"ReadAndWriteStringReport/1", bench::Goal::Kind::Beside, 0, "ReadAndWriteStringReport/0"},
                         {"SearchStringList", bench::Goal::Kind::AtMostTimesBaseline, 2, "ReadAndWriteStringReport/1"},
                         {"ReportReadAndCsvWrite/1", bench::Goal::Kind::Beside, 0, "ReportReadAndCsvWrite/0"},
                         {"CsvOfRadiusReport", bench::Goal::Kind::AtMostTimesBaseline, 2, "ReportReadAndCsvWrite/1"},
                         {"RemoveMarked/1", bench::Goal::Kind::AtMostTimesBaseline, 3, "BareReadWrite"},
                         {"RemoveMarked/1000", bench::Goal::Kind::AtMostTimesBaseline, 3, "BareReadWrite"},
                         {"SortFile", bench::Goal::Kind::Beside, 0, "BareReadWrite"},
                         {"ShellSortNames", bench::Goal::Kind::Beside, 0, "StableSortNames"},
                         {"ImportCsv", bench::Goal::Kind::AtMostTimesBaseline, 3, "BareReadWrite"}});
    generated = nullptr;
    return reporter.anyError() ? 1 : 0;
}
