// How the record scans compare with simply reading the data file, on a
// generated file of 30,000 records. Each figure is printed beside the bare
// read as a ratio; the summary checks the program's speed goals.
#include "app/parishfm.h"
#include "driver/script_ports.h"
#include "generated_file.h"
#include "ratio_report.h"
#include "records/count_records.h"
#include "records/data_file.h"

#include <benchmark/benchmark.h>

#include <fcntl.h>
#include <iostream>
#include <memory>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace {

constexpr int kRecords = 30000;
bench::GeneratedDataFile* generated = nullptr;

// The baseline: one read() of the whole file into memory.
void BareRead(benchmark::State& state)
{
    std::vector<char> buffer;
    for (auto _ : state) {
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

void SequentialRead(benchmark::State& state)
{
    records::ParishRecord record;
    for (auto _ : state) {
        records::DataFile file;
        file.open(generated->path());
        for (std::int64_t i = 0; !file.atEnd(i); ++i)
            file.read(i, record);
        benchmark::DoNotOptimize(record.bytes.data());
    }
}

void CountRecords(benchmark::State& state)
{
    records::DataFile file;
    file.open(generated->path());
    for (auto _ : state) {
        std::int32_t count = records::countRecords(file);
        if (count != kRecords)
            state.SkipWithError("wrong count");
        benchmark::DoNotOptimize(count);
    }
}

// The main window's core after start, with a person who sees and hears nothing.
struct StartedCore {
    std::ostream nowhere{nullptr};
    driver::ScriptPorts person{nowhere};
    app::Parishfm core{person.ports(), generated->folder()};

    StartedCore() { core.FormCreate(); }
};

void DisplayRefresh(benchmark::State& state)
{
    StartedCore started;
    app::Parishfm& core = started.core;
    while (core.currentRecord() < kRecords / 2)
        core.PageForward();
    for (auto _ : state) {
        core.ShowCurrentRecord();
        core.ShowRecordsAfter();
        core.ShowRecordsBefore();
    }
}

void GoLast(benchmark::State& state)
{
    StartedCore started;
    for (auto _ : state)
        started.core.GoLast();
    if (started.core.currentRecord() != kRecords - 1)
        state.SkipWithError("GoLast missed the last record");
}

// Find First for a name that no record has: the whole file is scanned, a key
// built for every record, then record 0 is shown with the message.
void FindFirstNoMatch(benchmark::State& state)
{
    StartedCore started;
    app::Parishfm& core = started.core;
    for (auto _ : state) {
        core.view.TarPar = "Nowhere At All";
        core.FindFirstClick();
    }
    if (core.currentRecord() != 0)
        state.SkipWithError("a record matched");
}

// The radius search of 10 miles around the middle of the grid: the whole pass,
// with ParList.txt and PlotList.txt written (some sixty hits).
void RadiusSearch(benchmark::State& state)
{
    StartedCore started;
    app::Parishfm& core = started.core;
    core.view.Parish1 = "Middle, P, LEI, ENG";
    core.view.Parish1East = "   350";
    core.view.Parish1North = "   450";
    core.view.Radius = "10";
    for (auto _ : state)
        core.ListParishesWithinRadius();
    if (core.view.Progress != "Done" || core.view.Hits == "0")
        state.SkipWithError("the pass found nothing");
    state.counters["hits"] = std::stod(core.view.Hits);
}

BENCHMARK(BareRead)->Unit(benchmark::kMicrosecond);
BENCHMARK(SequentialRead)->Unit(benchmark::kMicrosecond);
BENCHMARK(CountRecords)->Unit(benchmark::kMicrosecond);
BENCHMARK(DisplayRefresh)->Unit(benchmark::kMicrosecond);
BENCHMARK(GoLast)->Unit(benchmark::kMicrosecond);
BENCHMARK(FindFirstNoMatch)->Unit(benchmark::kMicrosecond);
BENCHMARK(RadiusSearch)->Unit(benchmark::kMicrosecond);

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
                         {"RadiusSearch", bench::Goal::Kind::AtMostTimesBaseline, 2, "SequentialRead"}});
    generated = nullptr;
    return reporter.anyError() ? 1 : 0;
}
